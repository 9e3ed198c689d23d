#pragma once

#include <array>

#include "foundation/core/Containers.h"
#include "table/core/CardModel.h"

class CVHTWnd;
class CVNotifyWnd;
class GVAnimWnd;
class GVBoxWnd;
class GVPSPWnd;
class GVQZAniWnd;
class GVQZSWnd;
class GVWnd;

// The room's widgets by area. The scene's widget list owns them all; these are views into it,
// null until the loader creates them.

// The table: the 50 card windows, the deck and the markers the cards drag along.
struct TableWidgets {
    static constexpr int kHandSlots = 10;
    static constexpr int kMarkersPerHandSlot = 10;
    static constexpr int kFloorSlots = 12;
    static constexpr int kRemainMarkers = 20;
    static constexpr int kCardSizes = 3;  // small, normal, big

    GVQZSWnd* skin = nullptr;
    GVWnd* deckImage = nullptr;
    GVQZAniWnd* deckBackAnimation = nullptr;
    GVQZAniWnd* turnBlinkAnimation = nullptr;  // the turn marker

    GVQZAniWnd* remainCloseMarker = nullptr;
    std::array<GVQZAniWnd*, kRemainMarkers> remainHoldMarkers{};
    GVQZAniWnd* holdOpenMarker = nullptr;
    std::array<GVWnd*, kFloorSlots> floorMarkers{};              // the floor slots' outlines
    std::array<GVPSPWnd*, kFloorSlots - 1> litOutlines{};        // the outlines' frame 1

    std::array<CVHTWnd*, kCardCount> cardWnds{};
    std::array<GVBoxWnd*, kCardCount> cardBoxes{};
    std::array<GVQZAniWnd*, kCardCount> missionMarkers{};
    std::array<CVHTWnd*, kCardSizes> cardSizeTemplates{};        // also the moving cards
    std::array<CVHTWnd*, 2> shadowCards{};
    std::array<GVPSPWnd*, 2> bigCards{};
    std::array<GVQZSWnd*, 6> holdBombs{};
    GVPSPWnd* handPointer = nullptr;

    GVQZAniWnd* robotPlayAnimation = nullptr;
    GVQZSWnd* playStartImage = nullptr;
    GVQZAniWnd* selectSunAnimation = nullptr;
    GVQZAniWnd* hitEffect = nullptr;

    std::array<std::array<GVWnd*, kMarkersPerHandSlot>, kHandSlots> handMarkers{};
    GVQZAniWnd* nuclearMarker = nullptr;
};

// The animations of the room as a whole.
struct RoomWidgets {
    GVQZAniWnd* hourlyAnimation = nullptr;
    GVAnimWnd* countdownAnimation = nullptr;
    plist<GVQZAniWnd> animations;  // stepped by the tick
    CVNotifyWnd* notify = nullptr;  // the decision prompt
};
