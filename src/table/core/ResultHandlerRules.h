#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "protocol/MessageBodies.h"

// The pure decisions of the round-result and game-end handlers: the membership grade, the money
// fields cut at the server's floor, the daily play-count alert, the superman reservation, the money
// cap notice, the play-time notice, the go-bak target and the lines for users who left.
namespace ResultHandlerRules {

// 0..4 from the five membership values: royal 4, gold 3, club 2, either lower value 1, else 0.
int MembershipGrade(const RCUser& user);

// Every money field the server may clear (start and safe money, the five membership values and the
// two extra money values) that is not above the floor becomes 0; the game money stays.
void ZeroMoneyAtFloor(RCUser& user, int64_t floor);

// The play-count panel after a round: a play-limit class of 500 or more shows the daily count, and
// 300 minus the count in 0..5 the alert with that number; the caption stands 2 pixels right of the
// panel, or 8 pixels in from its left edge when the panel is reset.
struct PlayCountPlan {
    bool limited = false;
    std::optional<int> alert;
    int captionOffset = 8;
};
PlayCountPlan PlanPlayCount(uint32_t playLimitClass, uint32_t dailyCount);

// Whether the own user is given the superman item after a round.
struct SupermanInputs {
    bool ownSeated = false;
    bool robotSeated = false;
    int32_t roomKind = 0;
    bool alreadyReserved = false;
    bool antiLeaveRunning = false;  // an anti-leave room whose count still runs
    int64_t money = 0;              // the own money after the round
    int64_t referenceMoney = 0;     // the seat's start money
};
// True when the money is at most 0.3 times the reference, compared exactly in integers.
bool AtMostThreeTenths(int64_t money, int64_t reference);
bool ShouldReserveSuperman(const SupermanInputs& in);

// The money-total cap of a grade: 4 500 billion, 3 300 billion, 2 200 billion, else 100 billion.
int64_t MoneyCap(int grade);
// The notice once game money + safe money lies in [cap - 100,000,000, cap): its sentence (after
// the link line) names the cap in Korean units.
struct CapNotice {
    int64_t cap = 0;
    std::string text;
};
inline constexpr char kCapNoticeLink[] = "[안내] 고스톱 머니총합 최고한도";
std::optional<CapNotice> PlanCapNotice(int grade, int64_t gameMoney, int64_t safeMoney);

// The whole hours of today's play when this game crossed an hour boundary (minutes before and
// after the game); none when it did not or the range is not a forward one.
std::optional<int> HoursCrossed(int32_t minutesBefore, int32_t minutesAfter);
std::string PlayTimeLine(int hours);

// The seat of a bak-list entry: 0 or 1, any other value counts as none (-1).
int CheckedBakSeat(int32_t seat);
// The screen slot the go-bak animation points at: the winner must have a screen slot, and the first
// entry with the go-bak flag on a seated player with a screen slot names it; none otherwise.
std::optional<int> GoBakScreenSlot(const std::vector<BakEntry>& baks, int winnerSeat,
                                   const std::array<int, 2>& screenSlots, const std::array<bool, 2>& seated);

// One chat line per user of the leave list who holds no seat (keys of the seats given).
std::vector<std::string> LeaveLines(const std::vector<LeaveEntry>& leaveList, const std::array<int32_t, 2>& seatKeys);

}  // namespace ResultHandlerRules
