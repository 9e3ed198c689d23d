#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "protocol/Records.h"
#include "protocol/RoomCodes.h"

// Rules of entering a room, taking a seat and the first-player pick, without the platform: what
// a room-entry or exit result shows and tells the host, the question before taking a seat, the
// tournament title and the checks of the snapshot and the pick list.
namespace EntryRules {

constexpr uint32_t kWarningColor = 0x0000FF;
constexpr int64_t kMoneyNoticeLimit = 500'000'000'000;

// A message box: its text, title, auto-close time (0 = none) and text colour.
struct Box {
    std::string text;
    std::string title;
    uint32_t autoCloseMs = 0;
    uint32_t color = kBoxTextColor;
    bool operator==(const Box&) const = default;
};

// A message for the host (`IHostInterface::HostMessage` (text1, kind, text2)).
struct HostNote {
    int32_t kind = 0;
    std::string text1;
    std::string text2;
    bool operator==(const HostNote&) const = default;
};

enum class Tail { End, Leave, Observer };

// What the room knows when a result comes.
struct ResultRoom {
    int32_t roomKind = 0;
    int32_t antiLeave = 0;           // the room's anti-leave setting, 1..3 = on
    int32_t antiLeaveCount = 0;      // kept from the seat answer
    bool tournamentFinished = false;
    int32_t stake = 0;               // the room's stake
    int64_t customBet = 0;           // target-score rooms
    bool moneyNoticeShown = false;   // any of the four money-notice flags
    int64_t royalValue = 0;          // the own royal membership value
    int64_t moneyTotal = 0;          // own game money plus safe money
    int64_t pendingValue = 0;
};

// The steps of a room-entry or exit result, in the order the shell carries them out.
struct ResultPlan {
    bool alertSound = false;          // sound 32, first
    bool forcedExitRequest = false;   // host request code 26, before the box
    std::optional<Box> box;
    std::vector<std::string> prizeTexts;  // the prize widget's two texts
    uint32_t waitMs = 0;              // after the box
    std::vector<HostNote> hostNotes;  // before the tail's end steps (kinds 31, 34, 23)
    bool setTournamentFinished = false;
    Tail tail = Tail::End;
    // The end steps (not for Observer): post code, sound 1, the pending value, the money notice.
    int32_t postCode = 0;
    bool pendingRequest = false;      // host request code 1 with the pending value
    bool moneyNotice = false;         // host message 39 ("24")
};

// The whole answer to `ShowEntryResult` (code, detail, fromJoin).
ResultPlan PlanEntryResult(int32_t code, const std::string& detail, bool fromJoin, const ResultRoom& room);

// The name of a stake index of the room list ("점1천냥"); in target-score rooms a grade group.
std::string StakeName(int32_t index, int32_t roomKind);
// The smallest bet of a target-score room kind 40..43; 0 for other kinds.
int64_t MinimumBet(int32_t roomKind);
// The leading decimal number of a text, as atoi reads it; 0 for none.
int64_t LeadingNumber(const std::string& text);

// What the question before taking a seat (entry mode 1) depends on.
struct JoinRoom {
    bool robotSeated = false;
    int32_t playState = 0;
    int32_t askBeforeJoining = 0;
    int32_t roomKind = 0;
    int32_t freeChannel = 0;
    int32_t noMinimumEntry = 0;
    int32_t antiLeave = 0;
    int32_t gameSpeed = 0;  // 2 fast
};

// The yes/no question (5000 ms), or none when the seat is taken without asking.
std::optional<Box> JoinQuestion(const JoinRoom& room);

// The frame of the tournament title for a room kind; none outside the tournament rooms.
std::optional<int32_t> TournamentTitleFrame(int32_t roomKind);

enum class SnapshotCheck { Ok, TooManyCards, HandTooLarge, BonusWithoutPlace };

// A snapshot fits the table when its piles, hands and floor hold at most 50 cards together, no
// hand holds more than 10 and each bonus card on the floor has a card to join.
SnapshotCheck CheckSnapshot(const GameDataTable& table);

// How many pick cards message 19 lays out: its count, bounded by its list and the 12 positions.
int32_t PickCardCount(int32_t count, size_t listLength);

}  // namespace EntryRules
