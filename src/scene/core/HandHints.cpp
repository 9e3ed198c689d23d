#include "scene/core/HandHints.h"

#include <algorithm>

namespace HintRules {

namespace {

constexpr int32_t kBonusMonth = 12;
constexpr int32_t kMonthStateMarked = 2;

bool IsMonth(int32_t month)
{
    return month >= 0 && month < 12;
}

int CountInHand(const std::vector<HintHandCard>& hand, int32_t month)
{
    return static_cast<int>(std::count_if(hand.begin(), hand.end(), [month](const HintHandCard& c) {
        return c.month == month;
    }));
}

std::vector<HintIcon> HintsOfCard(const HintInputs& in, const HintHandCard& card, int slot)
{
    if (card.month == kBonusMonth) return {HintIcon::CanEat};
    if (!IsMonth(card.month)) return {};
    const auto m = static_cast<size_t>(card.month);
    const int32_t f = in.floorCounts[m];
    const int h = CountInHand(in.hand, card.month);
    const bool marked = in.monthState[m] == kMonthStateMarked;
    std::vector<HintIcon> icons;
    if (f <= 0) {
        if (h >= 3) icons.push_back(HintIcon::Shake);
        if (card.mission) icons.push_back(HintIcon::MissionGray);
    } else {
        if (marked || h + f == 4) {
            if (f == 1 && h == 3) icons.push_back(in.nubomb && slot <= 2 ? HintIcon::TwoBomb : HintIcon::Bomb);
            else if (f == 2 && h == 2) icons.push_back(HintIcon::Nuclear);
            else icons.push_back(HintIcon::CanEatFix);
        } else {
            icons.push_back(HintIcon::CanEat);
        }
        if (card.mission) icons.push_back(HintIcon::Mission);
    }
    if (marked && h == 2) icons.push_back(HintIcon::Mine);
    return icons;
}

}  // namespace

const char* HintIconName(HintIcon icon)
{
    static constexpr const char* kNames[kHintIconCount] = {"CanEat", "CanEatFix", "Bomb",    "nuclear",    "2Bomb",
                                                           "Shake",  "Mine",      "Mission", "MissionGray"};
    const auto i = static_cast<int>(icon);
    return i >= 0 && i < kHintIconCount ? kNames[i] : "";
}

std::vector<std::vector<HintIcon>> ComputeHandHints(const HintInputs& in)
{
    std::vector<std::vector<HintIcon>> slots;
    const size_t count = std::min(in.hand.size(), static_cast<size_t>(kHintSlots));
    for (size_t k = 0; k < count; ++k) slots.push_back(HintsOfCard(in, in.hand[k], static_cast<int>(k)));
    return slots;
}

std::array<PopupEntry, kPopupEntries> PopupEntries(const PopupInputs& in)
{
    std::array<PopupEntry, kPopupEntries> e{};
    if (in.targetKey < 0) return e;
    const bool other = in.targetKey != in.ownKey;
    e[0] = {true, true, 0};
    e[1] = {true, other, 0};
    e[2].shown = true;
    const bool mayKick = other && in.ownIsRoomOwner && in.ownSeated && !(in.antiLeaveRestricted && in.targetSeated) &&
                         !(in.roomState == 2 && !in.tableSynced);
    if (mayKick && in.kickReserved) e[2] = {true, true, 1};
    else if (mayKick) e[2].enabled = in.roomState != 3;
    if (in.desperateRoom) e[2].enabled = false;
    if (in.targetSeated) e[3] = {true, true, in.voiceMuted ? 1 : 0};
    return e;
}

std::array<Point, kPopupEntries> PopupEntryPoints(Point at, int32_t entryHeight)
{
    const int32_t height = std::max(entryHeight, 0);
    const int32_t top = std::min(at.y, kPopupBottom - height * kPopupEntries);
    std::array<Point, kPopupEntries> points{};
    for (int i = 0; i < kPopupEntries; ++i) points[static_cast<size_t>(i)] = Point{at.x, top + height * i};
    return points;
}

std::optional<int> SeatBadgeFrame(int32_t badgeKind)
{
    if (badgeKind < 1 || badgeKind > 5) return std::nullopt;
    return badgeKind - 1;
}

}  // namespace HintRules
