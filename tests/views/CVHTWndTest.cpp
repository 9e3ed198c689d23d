#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "graphics/resources/core/Image.h"
#include "views/CVHTWnd.h"

namespace {

// Markers for every slot the card window could ask about, in range or one past it, so a slot
// outside the ranges shows up as a moved marker.
class Markers final : public CardMarkerSource {
public:
    GVWnd* GetHandMarker(int slot, int index) const override
    {
        return slot >= 0 && slot <= 10 && index >= 0 && index < 10 ? &hand[size_t(slot)][size_t(index)] : nullptr;
    }
    GVWnd* GetFloorMarker(int slot) const override { return slot >= 0 && slot <= 12 ? &floor[size_t(slot)] : nullptr; }
    // Where the markers that left the origin are.
    std::vector<Point> Moved() const
    {
        std::vector<Point> moved;
        for (const auto& slot : hand)
            for (const auto& m : slot)
                if (m.GetPos() != Point{0, 0}) moved.push_back(m.GetPos());
        for (const auto& m : floor)
            if (m.GetPos() != Point{0, 0}) moved.push_back(m.GetPos());
        return moved;
    }

    mutable std::array<std::array<GVWnd, 10>, 11> hand;
    mutable std::array<GVWnd, 13> floor;
};

}  // namespace

// A hand slot has ten markers, a floor slot one; slots past the hand's 10 or the floor's 12 have none.
TEST(CardWindowHover, MarkersOfSlotsInRangeFollowTheCard)
{
    const std::vector<Point> hand(10, Point{50, 59}), floor = {{47, 56}}, none;
    const struct { int slot; bool onFloor; std::vector<Point> moved; } cases[] = {
        {0, false, hand}, {9, false, hand}, {10, false, none}, {-1, false, none},
        {0, true, floor}, {11, true, floor}, {12, true, none}, {-1, true, none},
    };
    for (const auto& c : cases) {
        Markers markers;
        CVHTWnd card;
        card.SetPos({50, 60});
        ASSERT_TRUE(card.SetHoverState(HoverState::Hover, &markers, c.slot, c.onFloor));
        EXPECT_EQ(markers.Moved(), c.moved) << (c.onFloor ? "floor" : "hand") << " slot " << c.slot;
    }
}

TEST(CardWindowFrames, CardIdsPickTheirFrameAndOthersTheBack)
{
    const auto strip = Image::Create(4, 4 * 51, 0xFF00FF00);
    ASSERT_TRUE(strip);
    const struct { int32_t id; int frame; } cases[] = {{0, 0}, {49, 49}, {50, 50}, {51, 50}, {-1, 50}, {0x7FFFFFFF, 50}};
    for (const auto& c : cases) {
        CVHTWnd card;
        card.SetImage(*strip);
        card.SetRect({0, 0, 4, 4});
        card.SetCard(c.id);
        EXPECT_EQ(card.GetSrcRect(), (Rect{0, 4 * c.frame, 4, 4 * c.frame + 4})) << "card " << c.id;
    }
}
