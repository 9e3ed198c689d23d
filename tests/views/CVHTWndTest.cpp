#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "graphics/resources/core/Image.h"
#include "views/CVHTWnd.h"

namespace {

constexpr HoverState kRest = HoverState::Rest;
constexpr HoverState kHover = HoverState::Hover;
constexpr HoverState kPressed = HoverState::Pressed;

// Markers for every slot the card window could ask about, in range or one past it, so a slot
// outside the ranges shows up as a moved marker.
class Markers final : public CardMarkerSource {
public:
    GVWnd* GetHandMarker(int handSlot, int index) const override
    {
        return handSlot >= 0 && handSlot <= 10 && index >= 0 && index < 10 ? &hand[static_cast<size_t>(handSlot)][static_cast<size_t>(index)]
                                                                           : nullptr;
    }
    GVWnd* GetFloorMarker(int floorSlot) const override
    {
        return floorSlot >= 0 && floorSlot <= 12 ? &floor[static_cast<size_t>(floorSlot)] : nullptr;
    }
    // The markers no longer at the origin.
    int Moved() const
    {
        int n = 0;
        for (const auto& slot : hand)
            for (const auto& m : slot) n += m.GetPos() != Point{0, 0};
        for (const auto& m : floor) n += m.GetPos() != Point{0, 0};
        return n;
    }

    mutable std::array<std::array<GVWnd, 10>, 11> hand;
    mutable std::array<GVWnd, 13> floor;
};

}  // namespace

TEST(CardWindowHover, MovesByTheOffsetOfEachState)
{
    const struct { const char* name; std::vector<HoverState> states; std::vector<bool> changed; Point end; } cases[] = {
        {"hover twice moves once", {kHover, kHover}, {true, false}, {100, 199}},
        {"hover then pressed", {kHover, kPressed}, {true, true}, {101, 201}},
        {"pressed then rest", {kPressed, kRest}, {true, true}, {100, 200}},
        {"rest at rest", {kRest}, {false}, {100, 200}},
    };
    for (const auto& c : cases) {
        CVHTWnd card;
        card.SetPos({100, 200});
        std::vector<bool> changed;
        for (HoverState s : c.states) changed.push_back(card.SetHoverState(s, nullptr, 0, false));
        EXPECT_EQ(changed, c.changed) << c.name;
        EXPECT_EQ(card.GetPos(), c.end) << c.name;
    }
    // A reset keeps the position and forgets the offset: the next change starts from there.
    CVHTWnd card;
    card.SetPos({100, 200});
    card.SetHoverState(kHover, nullptr, 0, false);
    Markers markers;
    card.ResetHoverState(&markers, 4, true);
    EXPECT_EQ(markers.floor[4].GetPos(), (Point{97, 196})) << "a reset with a scene re-places the markers";
    ASSERT_TRUE(card.SetHoverState(kHover, nullptr, 0, false));
    EXPECT_EQ(card.GetPos(), (Point{100, 198}));
}

TEST(CardWindowHover, MarkersOfSlotsInRangeFollowTheCard)
{
    const struct { const char* name; int slot; bool onFloor; int moved; } cases[] = {
        {"hand slot 0", 0, false, 10},   {"hand slot 9", 9, false, 10},   {"hand slot 10", 10, false, 0},
        {"hand slot -1", -1, false, 0},  {"floor slot 0", 0, true, 1},    {"floor slot 11", 11, true, 1},
        {"floor slot 12", 12, true, 0},  {"floor slot -1", -1, true, 0},
    };
    for (const auto& c : cases) {
        Markers markers;
        CVHTWnd card;
        card.SetPos({50, 60});
        ASSERT_TRUE(card.SetHoverState(kHover, &markers, c.slot, c.onFloor)) << c.name;
        EXPECT_EQ(markers.Moved(), c.moved) << c.name;
        if (c.moved == 0) continue;
        if (c.onFloor) {
            EXPECT_EQ(markers.floor[static_cast<size_t>(c.slot)].GetPos(), (Point{47, 56})) << c.name;
        } else {
            for (const auto& m : markers.hand[static_cast<size_t>(c.slot)]) EXPECT_EQ(m.GetPos(), (Point{50, 59})) << c.name;
        }
    }
}

TEST(CardWindowFrames, CardIdsPickTheirFrameAndOthersTheBack)
{
    auto strip = Image::Create(4, 4 * 51, 0xFF00FF00);
    ASSERT_TRUE(strip);
    const struct { const char* name; int32_t id; int frame; } cases[] = {{"first card", 0, 0}, {"last card", 49, 49}, {"the back", 50, 50},
                 {"id 51", 51, 50},    {"id -1", -1, 50},   {"huge id", 0x7FFFFFFF, 50}};
    for (const auto& c : cases) {
        CVHTWnd card;
        card.SetImage(*strip);
        card.SetRect({0, 0, 4, 4});
        card.SetCard(c.id);
        EXPECT_EQ(card.GetSrcRect(), (Rect{0, 4 * c.frame, 4, 4 * c.frame + 4})) << c.name;
    }
}
