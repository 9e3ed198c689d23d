#include "table/core/DealPlan.h"

#include <algorithm>

namespace {

struct BatchOrder {
    DealTarget target;
    int32_t seat;
    int32_t start;
    int32_t count;
};

// Slots 0..27 go out in this order; the floor batches take floor ids 0..3 and 4..7.
constexpr BatchOrder kAnimatedOrder[] = {
    {DealTarget::Floor, -1, 0, 4}, {DealTarget::Floor, -1, 4, 4}, {DealTarget::Hand, 1, 0, 5},
    {DealTarget::Hand, 1, 5, 5},   {DealTarget::Hand, 0, 0, 5},  {DealTarget::Hand, 0, 5, 5},
};
constexpr BatchOrder kPlainOrder[] = {
    {DealTarget::Floor, -1, 0, 4}, {DealTarget::Hand, 1, 0, 5}, {DealTarget::Hand, 0, 0, 5},
    {DealTarget::Floor, -1, 4, 4}, {DealTarget::Hand, 1, 5, 5}, {DealTarget::Hand, 0, 5, 5},
};
constexpr int32_t kDealtSlots = 28;

std::vector<int32_t> Slice(const std::vector<int32_t>& list, int32_t start, int32_t count)
{
    const size_t from = std::min(list.size(), static_cast<size_t>(std::max(0, start)));
    const size_t to = std::min(list.size(), from + static_cast<size_t>(std::max(0, count)));
    return {list.begin() + static_cast<std::ptrdiff_t>(from), list.begin() + static_cast<std::ptrdiff_t>(to)};
}

bool IsFloorSlot(int32_t floorSlot)
{
    return floorSlot >= 0 && floorSlot < COpenInfo::kSlotCount;
}

}  // namespace

std::vector<int32_t> ValidCardIds(const std::vector<int32_t>& ids)
{
    std::vector<int32_t> out;
    std::copy_if(ids.begin(), ids.end(), std::back_inserter(out), IsValidCardId);
    return out;
}

DealCheck CheckDealCards(const std::vector<int32_t>& floorIds, const std::vector<int32_t>& handIds)
{
    if (ValidCardIds(floorIds).size() != kDealFloorCount) return DealCheck::WrongFloorCount;
    const size_t hand = ValidCardIds(handIds).size();
    if (hand != 0 && hand != kDealHandCount) return DealCheck::WrongHandCount;
    return DealCheck::Ok;
}

DealBatch DealFloorCards(const std::vector<int32_t>& floor, int32_t start, int32_t count,
                         const std::vector<int32_t>& ids)
{
    DealBatch batch;
    batch.jitter = count < COpenInfo::kSlotCount;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t place = start + i;
        if (place < 0 || static_cast<size_t>(place) >= floor.size() || !IsFloorSlot(place)) continue;
        const size_t k = static_cast<size_t>(i);
        // The floor slot is the card's place in the floor list, whichever window slot it is.
        const int32_t id = k < ids.size() && IsValidCardId(ids[k]) ? ids[k] : kNoCard;
        batch.cards.push_back({SlotOf(floor[static_cast<size_t>(place)]), place, id, CardSizeKind::Normal});
    }
    return batch;
}

DealBatch DealHandCards(const std::vector<int32_t>& hand, int32_t seat, int32_t screenSlot, int32_t start,
                        int32_t count, const std::vector<int32_t>& ownHandIds)
{
    DealBatch batch;
    batch.target = DealTarget::Hand;
    batch.seat = seat;
    batch.screenSlot = screenSlot;
    const bool own = screenSlot == 0;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t place = start + i;
        if (place < 0 || place >= kHandPlaces || static_cast<size_t>(place) >= hand.size()) continue;
        const size_t k = static_cast<size_t>(place);
        const int32_t id = own && k < ownHandIds.size() && IsValidCardId(ownHandIds[k]) ? ownHandIds[k] : kNoCard;
        batch.cards.push_back({SlotOf(hand[k]), place, id, own ? CardSizeKind::Big : CardSizeKind::Small});
    }
    return batch;
}

DealPlan DealRound(const std::vector<int32_t>& floorIds, const std::vector<int32_t>& handIds, DealAnimation animation,
                   std::array<int32_t, 2> screenSlotOfSeat, int32_t missionKind)
{
    DealPlan plan;
    plan.check = CheckDealCards(floorIds, handIds);
    if (plan.check != DealCheck::Ok) return plan;

    const std::vector<int32_t> floorCards = ValidCardIds(floorIds);
    const std::vector<int32_t> ownCards = ValidCardIds(handIds);
    plan.intro = animation == DealAnimation::Yes;
    int32_t nextSlot = 0;
    for (const BatchOrder& b : plan.intro ? kAnimatedOrder : kPlainOrder) {
        // Each batch joins its list before it is dealt.
        std::vector<int32_t>& list = b.target == DealTarget::Floor ? plan.floor : plan.hands[static_cast<size_t>(b.seat)];
        for (int32_t i = 0; i < b.count; ++i) list.push_back(nextSlot++);
        if (b.target == DealTarget::Floor)
            plan.batches.push_back(DealFloorCards(plan.floor, b.start, b.count, Slice(floorCards, b.start, b.count)));
        else
            plan.batches.push_back(DealHandCards(list, b.seat, screenSlotOfSeat[static_cast<size_t>(b.seat)], b.start,
                                                 b.count, ownCards));
    }
    plan.startSound = missionKind == kKungJJakMission ? -1 : kSoundRoundStart;
    for (int32_t s = kDealtSlots; s < kCardCount; ++s) plan.deck.push_back(s);
    return plan;
}

std::vector<std::vector<int32_t>> HandDealFrames(int32_t count, int32_t steps)
{
    const int32_t points = std::max(int32_t{1}, steps) + 1;
    const size_t cards = static_cast<size_t>(std::max(int32_t{0}, count));
    std::vector<int32_t> taken(cards, 0);
    std::vector<std::vector<int32_t>> frames;
    const auto snapshot = [&] {
        std::vector<int32_t> at;
        for (const int32_t t : taken) at.push_back(std::max(0, t - 1));
        frames.push_back(at);
    };
    for (size_t k = 0; k < cards; ++k) {
        for (size_t j = 0; j <= k; ++j) taken[j] = std::min(points, taken[j] + 1);
        snapshot();
    }
    for (int32_t f = 0; f < points; ++f) {
        for (int32_t& t : taken) t = std::min(points, t + 1);
        snapshot();
    }
    return frames;
}

Point FloorLandingPoint(Point floorSlot, int32_t cardsInSlot, int32_t randomX, int32_t randomY)
{
    const Point at = floorSlot + Point{5, 0};
    if (cardsInSlot >= 2) return at;
    return at + Point{DealJitter(randomX), DealJitter(randomY)};
}

bool DealIntroContinues(bool visible, uint32_t startMs, uint32_t nowMs)
{
    return visible && nowMs - startMs < static_cast<uint32_t>(kDealIntroCapMs);
}

std::vector<FloorRegroup> GroupFloorMonths(const std::vector<int32_t>& floor, FaceTable& faces, FloorCounts& counts)
{
    std::vector<FloorRegroup> moves;
    std::vector<bool> visited(floor.size(), false);
    const auto faceAt = [&](size_t i) -> CardFace& { return faces[static_cast<size_t>(SlotOf(floor[i]))]; };
    for (int32_t target = 0; target < kDealFloorCount; ++target) {
        size_t first = floor.size();
        for (size_t i = 0; i < floor.size() && first == floor.size(); ++i)
            if (!visited[i] && faceAt(i).floorSlot == target) first = i;
        if (first == floor.size()) continue;  // an empty slot, perhaps emptied by an earlier move
        visited[first] = true;
        const int32_t month = faceAt(first).month;
        for (size_t i = 0; i < floor.size(); ++i) {
            CardFace& face = faceAt(i);
            if (visited[i] || face.month != month) continue;
            visited[i] = true;
            const int32_t from = face.floorSlot;
            if (IsFloorSlot(from)) counts[static_cast<size_t>(from)] = std::max(0, counts[static_cast<size_t>(from)] - 1);
            ++counts[static_cast<size_t>(target)];
            face.floorSlot = target;
            moves.push_back({SlotOf(floor[i]), from, target});
        }
    }
    return moves;
}
