#pragma once

#include <array>

#include "foundation/core/Containers.h"
#include "table/core/CardModel.h"

class CVHTWnd;
class GVAnimWnd;
class GVQZAniWnd;
class GVWnd;

// The room's widgets by area. The scene's widget list owns them all; these are views into it,
// null until the loader creates them.

// The table: the 50 card windows, the deck and the markers the cards drag along.
struct TableWidgets {
    static constexpr int kHandSlots = 10;
    static constexpr int kMarkersPerHandSlot = 10;
    static constexpr int kFloorSlots = 12;

    std::array<CVHTWnd*, kCardCount> cardWnds{};
    GVWnd* deckImage = nullptr;
    std::array<std::array<GVWnd*, kMarkersPerHandSlot>, kHandSlots> handMarkers{};
    std::array<GVWnd*, kFloorSlots> floorMarkers{};
    GVQZAniWnd* turnBlinkAnimation = nullptr;  // the turn marker
};

// The animations of the room as a whole.
struct RoomWidgets {
    GVQZAniWnd* hourlyAnimation = nullptr;
    GVAnimWnd* countdownAnimation = nullptr;
    plist<GVQZAniWnd> animations;  // stepped by the tick
};
