#include "table/core/PileLayout.h"

#include <algorithm>

#include "table/core/CardModel.h"
#include "table/core/TableLayout.h"

namespace {

constexpr int32_t kBonusCardWorthThree = 48;

bool IsSinglePi(const PiCard& c)
{
    return GetCardInfo(c.cardId).special == CardSpecial::SinglePi;
}

std::vector<PilePlacement> Fan(const std::vector<int32_t>& slots, Point origin, int32_t width)
{
    std::vector<PilePlacement> out;
    const int32_t spacing = FloorSlotSpacing(static_cast<int32_t>(slots.size()), width);
    Point at = origin;
    for (int32_t s : slots) {
        out.push_back({s, at});
        at.x += spacing;
    }
    return out;
}

// An earlier row worth more than ten gives a single pi to the first later row worth nine or less.
bool GiveSinglePi(PiRows& p, size_t earlier)
{
    auto& from = p.rows[earlier];
    const auto single = std::find_if(from.begin(), from.end(), IsSinglePi);
    if (single == from.end()) return false;
    for (size_t t = earlier + 1; t < kPiRowCount; ++t) {
        if (p.values[t] > kPiRowValue - 1) continue;
        p.rows[t].push_back(*single);
        from.erase(single);
        p.moved = true;
        break;
    }
    return true;
}

// An earlier row of double pi trades its first one (its last when the first is card 48) for the
// first single pi of the next row.
void TradeDoublePi(PiRows& p, size_t earlier)
{
    auto& from = p.rows[earlier];
    auto& row = p.rows[earlier + 1];
    const auto single = std::find_if(row.begin(), row.end(), IsSinglePi);
    if (single == row.end() || from.empty()) return;
    const auto pick = from.front().cardId == kBonusCardWorthThree ? from.end() - 1 : from.begin();
    if (GetCardInfo(pick->cardId).special != CardSpecial::DoublePi) return;
    const PiCard doublePi = *pick;
    const PiCard singlePi = *single;
    from.erase(pick);
    row.erase(single);
    from.push_back(singlePi);
    row.push_back(doublePi);
    p.moved = true;
}

}  // namespace

int32_t PiValue(int32_t cardId)
{
    if (cardId == kBonusCardWorthThree) return 3;
    switch (GetCardInfo(cardId).special) {
    case CardSpecial::SinglePi: return 1;
    case CardSpecial::DoublePi: return 2;
    default: return 0;
    }
}

PiRows BuildPiRows(const std::vector<PiCard>& pile)
{
    PiRows p;
    size_t r = 0;
    for (const PiCard& c : pile) {
        p.rows[r].push_back(c);
        p.values[r] += PiValue(c.cardId);
        if (r + 1 < kPiRowCount && p.values[r] >= kPiRowValue) ++r;
    }
    for (size_t earlier = 0; earlier + 1 < kPiRowCount; ++earlier) {
        if (p.values[earlier] <= kPiRowValue) continue;
        if (!GiveSinglePi(p, earlier)) TradeDoublePi(p, earlier);
    }
    return p;
}

std::vector<PilePlacement> LayoutCapturedPile(const std::vector<int32_t>& pile, int32_t screenSlot, int32_t category)
{
    if (category == CardCategory::Pi) return {};
    const auto area = GetPileArea(screenSlot, category);
    if (!area) return {};
    return Fan(pile, area->origin, area->width);
}

std::optional<PiPileLayout> LayoutPiPile(const std::vector<PiCard>& pile, int32_t screenSlot)
{
    const auto area = GetPileArea(screenSlot, CardCategory::Pi);
    if (!area) return std::nullopt;
    PiPileLayout out;
    const PiRows p = BuildPiRows(pile);
    out.total = p.Total();
    out.restack = p.moved ? Restack::Yes : Restack::No;
    Point rowStart = area->origin;
    for (const auto& row : p.rows) {
        if (row.empty()) continue;
        std::vector<int32_t> slots;
        for (const PiCard& c : row) slots.push_back(c.slot);
        const auto placed = Fan(slots, rowStart, area->width);
        out.cards.insert(out.cards.end(), placed.begin(), placed.end());
        out.countCorner = placed.back().position + Point{kNormalCardSize.cx, kNormalCardSize.cy};
        rowStart = {area->origin.x, rowStart.y - kPiRowRise};
    }
    return out;
}

std::vector<PilePlacement> LayoutFloorSlot(Point position, const std::vector<int32_t>& cards)
{
    return Fan(cards, position, kFloorFanWidth);
}
