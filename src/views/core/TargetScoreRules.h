#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "protocol/RoomCodes.h"

// The target-score mode's rules: bets and targets by room, the score gauge and its count-up, the
// loser's challenges and what the round's result panel shows.
namespace TargetScoreRules {

constexpr int kBetIndexes = 5;     // 0..4; 0 and 4 take the room's own bet
constexpr int kGaugeHeight = 49;   // a full gauge bar
constexpr int kCountSteps = 6;     // the blink and the gauge's rise
constexpr int kGaugeStepMs = 150;
constexpr int kBlinkStepMs = 300;
constexpr int kHundred = 100;      // the score that plays the 100-point effect
constexpr int64_t kChallengeCap = 1'500'000'000;
constexpr int64_t kChallengeFloor = 10'000;

// The room's bet for `betIndex`; nothing outside rooms 40..43 or indexes 0..4. Indexes 0 and 4 take
// `customBet` when it is above 0, else the row's first table bet.
std::optional<int64_t> BetOf(int32_t roomKind, int32_t betIndex, int64_t customBet);
// 7, 50 or 100 for target index 0, 1, 2; nothing otherwise.
std::optional<int> TargetOf(int32_t targetIndex);

// Rows of the gauge bar's bottom that `score` fills of `target`: 0..49.
int GaugeFill(int score, int target);

// One screen slot's rising score: six steps from the old score to the new.
struct CountUp {
    int shown = 0;  // what the gauge shows
    int score = 0;  // where it ends
    int step = 0;
    int left = 0;   // steps to go
    void Start(int from, int to, int steps);
    // One step toward the score, never beyond it; at the last step the score itself. False when done.
    bool Advance();
};

// The loser's three challenges (choices 1, 2, 3).
struct ChallengeInput {
    int64_t bet = 0;
    int64_t ownMoney = 0;
    int64_t opponentMoney = 0;
    bool otherRule = false;  // the room's second challenge rule
    bool forfeit = false;    // result kind 3
    bool ownSeated = true;
};
std::array<bool, 3> Challenges(const ChallengeInput& in);

// Whom the result shows. Nothing for a won or lost round whose winner's seat is outside 0..1.
struct Viewed {
    int seat = 0;
    bool won = false;
};
constexpr uint32_t kDrawResult = 10;
std::optional<Viewed> ViewedSeat(uint32_t resultKind, int32_t winnerSeat, int ownSeat);

// "다음판 N배" with 2 to the draw count; empty without a draw before.
std::string NextRoundText(int32_t drawCount);
// A player's running points after a round: `before` plus the round's, within 0..target.
int AddPoints(int before, int32_t roundPoints, int target);

}  // namespace TargetScoreRules
