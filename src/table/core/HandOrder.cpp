#include "table/core/HandOrder.h"

#include <algorithm>

namespace {

std::vector<int32_t> HandIds(const std::vector<int32_t>& hand, const FaceTable& faces)
{
    std::vector<int32_t> ids;
    for (const int32_t s : hand) {
        const int32_t id = faces[static_cast<size_t>(SlotOf(s))].cardId;
        if (IsValidCardId(id)) ids.push_back(id);
    }
    return ids;
}

HandOrderPlan PlaceHand(const std::vector<int32_t>& hand, std::vector<int32_t> ids)
{
    HandOrderPlan plan;
    // A window without a card leaves fewer ids than cards: then no window is relabelled.
    if (ids.size() == hand.size()) plan.ids = std::move(ids);
    for (size_t i = 0; i < hand.size(); ++i) {
        const int32_t place = i < static_cast<size_t>(kHandPlaces) ? static_cast<int32_t>(i) : -1;
        plan.places.push_back({SlotOf(hand[i]), place});
    }
    return plan;
}

}  // namespace

std::array<int32_t, kPassMarkerCount> PassMarkerPlaces(int32_t handSize, int32_t pendingPasses)
{
    std::array<int32_t, kPassMarkerCount> places;
    places.fill(-1);
    const int32_t n = std::clamp(pendingPasses, int32_t{0}, kPassMarkerCount);
    for (int32_t i = 0; i < n && handSize + i < kHandPlaces; ++i)
        if (handSize + i >= 0) places[static_cast<size_t>(i)] = handSize + i;
    return places;
}

HandOrderPlan SortOwnHand(const std::vector<int32_t>& hand, const FaceTable& faces, PassMarkers markers,
                          int32_t pendingPasses)
{
    std::vector<int32_t> ids = HandIds(hand, faces);
    std::sort(ids.begin(), ids.end());
    HandOrderPlan plan = PlaceHand(hand, std::move(ids));
    if (markers == PassMarkers::Show) {
        plan.markersChange = true;
        plan.markers = PassMarkerPlaces(static_cast<int32_t>(hand.size()), pendingPasses);
    }
    return plan;
}

HandOrderPlan SortOwnHandListedLast(const std::vector<int32_t>& hand, const FaceTable& faces,
                                    const std::vector<int32_t>& listed)
{
    const auto isListed = [&](int32_t id) { return std::find(listed.begin(), listed.end(), id) != listed.end(); };
    std::vector<int32_t> ids = HandIds(hand, faces);
    ids.erase(std::remove_if(ids.begin(), ids.end(), isListed), ids.end());
    std::sort(ids.begin(), ids.end());
    for (const int32_t id : listed)
        if (IsValidCardId(id)) ids.push_back(id);
    return PlaceHand(hand, std::move(ids));
}
