#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "table/core/DealPlan.h"

// The order of the own hand and the pass markers after it.

constexpr int32_t kPassMarkerCount = 6;

enum class PassMarkers { Show, Leave };

struct HandPlace {
    int32_t slot = 0;
    int32_t place = -1;  // own hand index 0..9; -1: no place left, the card is hidden
    bool operator==(const HandPlace&) const = default;
};

struct HandOrderPlan {
    // The ids to give the hand's windows in hand order; empty when the ids could not all be
    // collected (a window without a card id) and the windows keep what they show.
    std::vector<int32_t> ids;
    std::vector<HandPlace> places;
    bool markersChange = false;  // false: leave the pass markers as they are
    // Own hand index of each marker, -1 hidden.
    std::array<int32_t, kPassMarkerCount> markers{-1, -1, -1, -1, -1, -1};
};

// The own hand sorted by card id. With PassMarkers::Show (a seated own user who is not a robot)
// the markers show the pending pass count (held to 0..6) after the hand, while they fit in the ten
// hand places. A hand of more than ten cards places ten and hides the rest.
HandOrderPlan SortOwnHand(const std::vector<int32_t>& hand, const FaceTable& faces, PassMarkers markers,
                          int32_t pendingPasses);

// The same with the listed ids last, in list order, and the markers left alone.
HandOrderPlan SortOwnHandListedLast(const std::vector<int32_t>& hand, const FaceTable& faces,
                                    const std::vector<int32_t>& listed);

// Marker i at hand index handSize + i for i < n (n held to 0..6) while that index is below 10.
std::array<int32_t, kPassMarkerCount> PassMarkerPlaces(int32_t handSize, int32_t pendingPasses);
