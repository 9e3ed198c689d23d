#include "table/core/ResultHandlerRules.h"

#include "foundation/core/Text.h"
#include "protocol/RoomCodes.h"
#include "table/core/MoneyRules.h"

namespace ResultHandlerRules {
namespace {

constexpr int64_t kCapWindow = 100'000'000;
constexpr uint32_t kDailyLimit = 300;
constexpr int kAlertRange = 5;
constexpr uint32_t kLimitedClass = 500;

const char* CapSentence(int grade)
{
    switch (grade) {
    case 4: return "\n    고스톱 머니총합 최고한도는 `0010`%s`0111` 입니다.`0010`";
    case 3:
        return "\n    고스톱 머니총합 최고한도가 `0010`%s 이상`0111`이 되시려면,\n    `0010`고스톱 토벨 골드`0111`을 "
               "신청하세요.`0010`";
    case 2:
        return "\n    고스톱 머니총합 최고한도가 `0010`%s 이상`0111`이 되시려면,\n    `0010`고스톱 토벨 골드`0111` 또는 "
               "`0010`고스톱 토벨 로얄`0111`을 신청하세요.`0010`";
    default:
        return "\n    고스톱 머니총합 최고한도가 `0010`%s 이상`0111`이 되시려면,\n    `0010`고스톱 토벨 클럽`0111` 또는 "
               "`0010`고스톱 토벨 골드`0111` 또는 `0010`고스톱 토벨 로얄`0111`을 신청하세요.`0010`";
    }
}

}  // namespace

int MembershipGrade(const RCUser& user)
{
    if (user.memberRoyal > 0) return 4;
    if (user.memberGold > 0) return 3;
    if (user.memberClub > 0) return 2;
    if (user.memberLower1 > 0 || user.memberLower2 > 0) return 1;
    return 0;
}

void ZeroMoneyAtFloor(RCUser& user, int64_t floor)
{
    for (int64_t* field : {&user.startMoney, &user.safeMoney, &user.memberClub, &user.memberGold, &user.memberRoyal,
                           &user.memberLower1, &user.memberLower2, &user.secondMoney, &user.extraMoney})
        if (*field <= floor) *field = 0;
}

PlayCountPlan PlanPlayCount(uint32_t playLimitClass, uint32_t dailyCount)
{
    PlayCountPlan plan;
    if (playLimitClass < kLimitedClass) return plan;
    plan.limited = true;
    plan.captionOffset = 2;
    if (dailyCount <= kDailyLimit && kDailyLimit - dailyCount <= kAlertRange)
        plan.alert = static_cast<int>(kDailyLimit - dailyCount);
    return plan;
}

bool AtMostThreeTenths(int64_t money, int64_t reference)
{
    // 10 m <= 3 r with r = 10 q + k (0 <= k < 10) holds exactly when m <= 3 q + floor(3 k / 10);
    // neither side can overflow.
    const int64_t rest = reference % 10;
    const int64_t q = reference / 10 - (rest < 0 ? 1 : 0);
    const int64_t k = rest < 0 ? rest + 10 : rest;
    return money <= 3 * q + (3 * k) / 10;
}

bool ShouldReserveSuperman(const SupermanInputs& in)
{
    if (!in.ownSeated || in.robotSeated || in.roomKind == kQuietRoomKind) return false;
    if (in.alreadyReserved || in.antiLeaveRunning) return false;
    return AtMostThreeTenths(in.money, in.referenceMoney);
}

int64_t MoneyCap(int grade)
{
    switch (grade) {
    case 4: return 500'000'000'000;
    case 3: return 300'000'000'000;
    case 2: return 200'000'000'000;
    default: return 100'000'000'000;
    }
}

std::optional<CapNotice> PlanCapNotice(int grade, int64_t gameMoney, int64_t safeMoney)
{
    const int64_t cap = MoneyCap(grade);
    const int64_t total = MoneyRules::SaturatingAdd(gameMoney, safeMoney);
    if (total < cap - kCapWindow || total >= cap) return std::nullopt;
    std::string units;
    MoneyToUnitText(units, cap, 2);
    return CapNotice{cap, FormatText(CapSentence(grade), units.c_str())};
}

std::optional<int> HoursCrossed(int32_t minutesBefore, int32_t minutesAfter)
{
    if (minutesBefore < 0 || minutesAfter <= minutesBefore) return std::nullopt;
    const int hours = minutesAfter / 60;
    if (hours == minutesBefore / 60) return std::nullopt;
    return hours;
}

std::string PlayTimeLine(int hours)
{
    return FormatText("`1131`오늘 고스톱 게임의 누적 플레이 시간은 %d시간 입니다.\n적절한 휴식을 취하며 게임을 "
                      "즐기세요.`0030`",
                      hours);
}

int CheckedBakSeat(int32_t seat) { return seat == 0 || seat == 1 ? seat : -1; }

std::optional<int> GoBakScreenSlot(const std::vector<BakEntry>& baks, int winnerSeat,
                                   const std::array<int, 2>& screenSlots, const std::array<bool, 2>& seated)
{
    const auto onScreen = [&](int seat) {
        const int slot = screenSlots[static_cast<size_t>(seat)];
        return seated[static_cast<size_t>(seat)] && (slot == 0 || slot == 1);
    };
    if (CheckedBakSeat(winnerSeat) < 0 || !onScreen(winnerSeat)) return std::nullopt;
    for (const BakEntry& bak : baks) {
        const int seat = CheckedBakSeat(bak.seat);
        if (bak.goBak != 0 && seat >= 0 && onScreen(seat)) return screenSlots[static_cast<size_t>(seat)];
    }
    return std::nullopt;
}

std::vector<std::string> LeaveLines(const std::vector<LeaveEntry>& leaveList, const std::array<int32_t, 2>& seatKeys)
{
    std::vector<std::string> lines;
    for (const LeaveEntry& user : leaveList) {
        if (user.userKey == -1 || user.userKey == seatKeys[0] || user.userKey == seatKeys[1]) continue;
        lines.push_back(FormatText("%s`1131`(%s)님이 `0030`슈퍼맨 요청`0131`을 하여 나가셨습니다.`0030`",
                                   user.nickname.c_str(), user.userId.c_str()));
    }
    return lines;
}

}  // namespace ResultHandlerRules
