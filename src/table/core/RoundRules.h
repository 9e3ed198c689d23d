#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The pure decisions of the round flow and the decision prompts: what is at stake at a go or
// stop, which prompt asks it, which phrase a go speaks, the stake level of a room's bet, the
// seconds shown for the other player's turn and the round number's text.
namespace RoundRules {

// What the go-or-stop prompt knows of the room and the two seats.
struct GoStopInputs {
    bool ownSeated = false;      // the own user holds a seat (else nothing is at stake)
    int32_t roomKind = 0;
    bool robotSeated = false;    // a robot player holds a seat
    int32_t pointValue = 1;      // the round's point value
    int32_t stake = 0;           // the room's stake
    int32_t total = 0;           // the prompted seat's projected total
    int64_t promptedMoney = 0;   // the prompted seat's money
    int64_t otherMoney = 0;      // the other seat's money (its tournament money in tournament rooms)
    int32_t targetIndex = 0;     // the room's target option: 0, 1, 2 for 7, 50, 100 points
    int32_t seatScore = 0;       // the prompted player's target-score points
};

struct GoStopAmount {
    int64_t amount = 0;
    bool cappedByOwn = false;    // rooms 5..10: cut to the prompted seat's money, the other has more
};

// Point value x stake x total, cut by the prompted seat's money in rooms 5..10 without a robot,
// 0 in target-score rooms, then cut to the other seat's money. Saturates instead of overflowing.
GoStopAmount ComputeGoStopAmount(const GoStopInputs& in);

// The prompt of the own go or stop: kind 19, 26 or 28 with its flag and the amount shown.
struct GoStopPrompt {
    int kind = 19;
    int32_t flag = 0;
    int64_t amount = 0;
};
GoStopPrompt ChooseGoStopPrompt(const GoStopInputs& in);

// The target score of the room's target option (7, 50, 100); none outside 0..2.
std::optional<int32_t> TargetScore(int32_t targetIndex);

// The phrase of a go: 10000.. for 1 to 5 go, 10021 and 10022 for 6 and 7 or more (a robot says
// the fifth again); 0 for a go count below 1.
int GoVoiceCue(int32_t goCount, bool robot);

// The level 0..4 of the room's bet for the jewel panel. Target-score rooms 40..43 give bet kinds
// 1..3 a fixed value by room kind; any other room or bet kind takes the amount.
int StakeLevel(int32_t roomKind, int32_t betKind, int64_t amount);
// The bet a room option notice sets: the fixed bet of bet kinds 1..3 in rooms 40..43, else the amount.
int64_t NoticedBet(int32_t roomKind, int32_t betKind, int64_t amount);
// The fixed bet of a target-score room's bet kind 1..3; none for another room or kind.
std::optional<int64_t> TargetScoreBet(int32_t roomKind, int64_t betKind);

// The countdown of the other player's turn: three seconds less per turn time-out, at most five
// less, and never below five.
int OpponentTurnSeconds(int seconds, int32_t timeouts);

// The round number shown for a round index 0..98 ("1".."99"); none otherwise.
std::optional<std::string> RoundNumberText(int32_t roundIndex);

// The bet question of message 70: the prompt kind (0 none) and whether the bet decision runs.
// Only the seated own user who did not bet answers; the bettor and observers see the bet notice.
struct BetPromptPlan {
    int notifyKind = 0;
    bool startDecision = false;
};
BetPromptPlan PlanBetPrompt(bool fromOwnUser, bool ownSeated, int32_t betKind);

// The stake notice: 12 when both seats' values are positive, 14 when the own seat's is, else 13.
// `ownSeat` is 0, 1 or -1 for none.
int StakeConfirmKind(int32_t value0, int32_t value1, int ownSeat);

// A seat index from the server: 0 or 1, anything else -1.
int CheckedSeat(int32_t seat);

// Rooms 5..10 with the own user seated and no robot: their playing animation, first-turn hint and
// money-limit tooltip show only then.
bool IsEventPlayRoom(int32_t roomKind, bool robotSeated, bool ownSeated);
// The first-turn hint loops from the round's first turn (the turn number counted up by it).
bool ShowsFirstTurnHint(int32_t roomKind, bool robotSeated, bool ownSeated, int32_t turnNumber);

}  // namespace RoundRules
