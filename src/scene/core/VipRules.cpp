#include "scene/core/VipRules.h"

#include <algorithm>

#include "foundation/core/Text.h"
#include "protocol/RoomCodes.h"
#include "table/core/CardModel.h"

namespace VipRules {

namespace {

constexpr int32_t kRibbonClips[8] = {kNoClip, 5, 6, 8, 7, 10, 9, 11};

struct Combination {
    int32_t special;
    uint32_t flag;  // 0: the gwang, flagged by count
};
constexpr Combination kCombinations[] = {
    {CardSpecial::Gwang, 0},
    {CardSpecial::Godori, kGodoriFlag},
    {CardSpecial::Hongdan, kHongdanFlag},
    {CardSpecial::Chungdan, kChungdanFlag},
    {CardSpecial::Chodan, kChodanFlag},
};

bool Holds(const std::vector<int32_t>& ids, int32_t id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

int CountOfMonth(const std::vector<int32_t>& ids, int32_t month)
{
    return static_cast<int>(std::count_if(ids.begin(), ids.end(), [month](int32_t id) {
        return IsValidCardId(id) && GetCardInfo(id).month == month;
    }));
}

// One combination seen from the other player: how many he holds, and the missing cards he may reach.
struct Grouping {
    int held = 0;
    std::vector<int32_t> reachableMissing;
};

Grouping Group(const Combination& c, const TableView& table, int opponent, int given)
{
    Grouping g;
    for (int32_t id = 0; id < kCardCount - 2; ++id) {
        if (GetCardInfo(id).special != c.special) continue;
        if (Holds(table.captured[static_cast<size_t>(opponent)], id))
            ++g.held;
        else if (!Holds(table.captured[static_cast<size_t>(given)], id) && IsReachable(id, table))
            g.reachableMissing.push_back(id);
    }
    return g;
}

bool Threatens(const Combination& c, const Grouping& g, int32_t combinationSize)
{
    if (g.reachableMissing.empty()) return false;
    return c.flag == 0 ? g.held >= 2 : g.held == combinationSize - 1;
}

int32_t CombinationSize(const Combination& c)
{
    int32_t n = 0;
    for (int32_t id = 0; id < kCardCount - 2; ++id) n += GetCardInfo(id).special == c.special;
    return n;
}

bool ValidSeats(int opponent, int given)
{
    return opponent >= 0 && opponent < 2 && given >= 0 && given < 2 && opponent != given;
}

}  // namespace

std::array<int32_t, kIconCount> IconClips(uint32_t flags)
{
    std::array<int32_t, kIconCount> clips{kNoClip, kNoClip, kNoClip};
    for (int i = 3; i >= 0; --i)
        if (flags & kGwangFlags[i]) {
            clips[kGwangIcon] = i;
            break;
        }
    if (flags & kGodoriFlag) clips[kGodoriIcon] = 4;
    clips[kRibbonIcon] = kRibbonClips[flags & 0x7];
    return clips;
}

bool IsReachable(int32_t cardId, const TableView& table)
{
    const int32_t month = GetCardInfo(cardId).month;
    if (month < 0 || month >= 12) return false;
    const int inHand = CountOfMonth(table.hand, month);
    if (inHand == 0) return true;
    const int held = inHand + CountOfMonth(table.floor, month);
    const bool blocked = held == 4 || (table.monthState[static_cast<size_t>(month)] == 2 && held == 2);
    return !blocked;
}

uint32_t CombinationFlags(const TableView& table, int opponent, int given)
{
    if (!ValidSeats(opponent, given)) return 0;
    uint32_t flags = 0;
    for (const Combination& c : kCombinations) {
        const Grouping g = Group(c, table, opponent, given);
        if (!Threatens(c, g, CombinationSize(c))) continue;
        if (c.flag != 0)
            flags |= c.flag;
        else
            flags |= kGwangFlags[std::min(g.held, 5) - 2];
    }
    return flags;
}

std::vector<int32_t> HoldMonths(const TableView& table, int opponent, int given)
{
    std::vector<int32_t> months;
    if (!ValidSeats(opponent, given)) return months;
    for (const Combination& c : kCombinations) {
        const Grouping g = Group(c, table, opponent, given);
        if (!Threatens(c, g, CombinationSize(c))) continue;
        for (int32_t id : g.reachableMissing) {
            const int32_t m = GetCardInfo(id).month;
            if (!Holds(months, m)) months.push_back(m);
        }
    }
    return months;
}

std::vector<bool> HoldSlots(const std::vector<int32_t>& handIds, const std::vector<int32_t>& months)
{
    std::vector<bool> slots(std::min(handIds.size(), static_cast<size_t>(kHandSlots)), false);
    for (size_t k = 0; k < slots.size(); ++k)
        slots[k] = IsValidCardId(handIds[k]) && Holds(months, GetCardInfo(handIds[k]).month);
    return slots;
}

void AlertMachine::SetAlert(uint32_t now, int32_t newMinutes, int32_t games, int64_t money)
{
    baseTick = now;
    minutes = gamesCounted = gamesTarget = 0;
    moneySum = moneyTarget = 0;
    if (newMinutes > 0)
        minutes = newMinutes;
    else if (games > 0)
        gamesTarget = games;
    else if (money > 0)
        moneyTarget = money;
}

std::optional<AlertShow> AlertMachine::OnRoundEnd(uint32_t now, int64_t change)
{
    if (gamesTarget > 0) ++gamesCounted;
    if (moneyTarget > 0) moneySum += change;
    std::optional<AlertShow> show;
    if (minutes > 0) {
        if (now - baseTick < static_cast<uint32_t>(minutes) * 60000u) return std::nullopt;
        show = AlertShow{minutes == 30 ? 0 : 1, {}, {}};
    } else if (moneyTarget > 0 && moneySum >= moneyTarget) {
        std::string money;
        show = AlertShow{2, MoneyToUnitText(money, moneyTarget, 1), " 획득하셨습니다.축하합니다."};
    } else if (gamesTarget > 0 && gamesCounted >= gamesTarget) {
        show = AlertShow{2, FormatText("%d판", gamesTarget), " 진행하셨습니다.화이팅!"};
    } else {
        return std::nullopt;
    }
    Restart(now);
    return show;
}

void AlertMachine::Restart(uint32_t now)
{
    showing = true;
    startTick = baseTick = now;
    moneySum = 0;
    gamesCounted = 0;
}

AlertMachine::StepAction AlertMachine::Step(uint32_t now, bool textsPending)
{
    if (!showing) return StepAction::None;
    const uint32_t elapsed = now - startTick;
    if (elapsed > kShowMs) {
        showing = false;
        startTick = 0;
        baseTick = now;
        gamesCounted = gamesTarget = 0;
        moneySum = moneyTarget = 0;
        return StepAction::Clear;
    }
    return textsPending && elapsed > kTextDelayMs ? StepAction::ShowTexts : StepAction::None;
}

int32_t CenteredTextLeft(int32_t firstWidth, int32_t secondWidth)
{
    return (kAlertTextWidth - firstWidth - secondWidth) / 2 + 3;
}

}  // namespace VipRules
