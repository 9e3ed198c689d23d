#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "foundation/core/Geometry.h"

// Where the cards of a captured pile or a floor slot lie. Results list the cards in drawing
// order, back to front; a pile card's marker is drawn directly in front of its card.

struct PilePlacement {
    int32_t slot = -1;
    Point position;
    bool operator==(const PilePlacement&) const = default;
};

// Single pi 1, double pi 2, the first bonus card (48) 3, anything else 0.
int32_t PiValue(int32_t cardId);

struct PiCard {
    int32_t slot = -1;
    int32_t cardId = -1;
    bool operator==(const PiCard&) const = default;
};

constexpr int32_t kPiRowCount = 4;
constexpr int32_t kPiRowValue = 10;
constexpr int32_t kPiRowRise = 30;

// The pi pile in rows of about ten pi value, the fourth row taking the rest. `values` are the
// row values before rebalancing; `moved` says a card changed rows.
struct PiRows {
    std::array<std::vector<PiCard>, kPiRowCount> rows;
    std::array<int32_t, kPiRowCount> values{};
    bool moved = false;

    int32_t Total() const { return values[0] + values[1] + values[2] + values[3]; }
};
PiRows BuildPiRows(const std::vector<PiCard>& pile);

// The fan of a gwang, animal or ribbon pile (categories 0..2); nothing for an empty pile, an
// unknown category or a seat without a screen slot.
std::vector<PilePlacement> LayoutCapturedPile(const std::vector<int32_t>& pile, int32_t screenSlot, int32_t category);

enum class Restack { No, Yes };

struct PiPileLayout {
    std::vector<PilePlacement> cards;  // in the pile's new order, which is also its drawing order
    // Yes when cards changed rows: the pile list takes the new order and every card is put back
    // below the layer anchor in it.
    Restack restack = Restack::No;
    int32_t total = 0;                 // the seat's pi count
    std::optional<Point> countCorner;  // bottom-right of the last card, where the count window ends
};
// Nothing for a seat without a screen slot: its pi count stays as it was.
std::optional<PiPileLayout> LayoutPiPile(const std::vector<PiCard>& pile, int32_t screenSlot);

// The fan of one floor slot from its position; `cards` are the slot's cards in floor-list order.
std::vector<PilePlacement> LayoutFloorSlot(Point position, const std::vector<int32_t>& cards);
