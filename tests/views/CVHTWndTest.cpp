#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "graphics/resources/core/Image.h"
#include "views/CVHTWnd.h"

namespace {

constexpr HoverState kRest = HoverState::Rest;
constexpr HoverState kHover = HoverState::Hover;
constexpr HoverState kPressed = HoverState::Pressed;

// A marker that counts its moves.
class Marker : public GVWnd {
public:
    void SetPos(Point p) override
    {
        ++moves;
        GVWnd::SetPos(p);
    }
    int moves = 0;
};

// Markers for every slot the card window could ask about, in range or not, so a slot outside
// the ranges shows up as a moved marker.
class Markers final : public CardMarkerSource {
public:
    GVWnd* GetHandMarker(int handSlot, int index) const override
    {
        asked.emplace_back(handSlot, index);
        return handSlot >= 0 && handSlot <= 10 && index >= 0 && index < 10
                   ? const_cast<Marker*>(&hand[static_cast<size_t>(handSlot)][static_cast<size_t>(index)])
                   : nullptr;
    }
    GVWnd* GetFloorMarker(int floorSlot) const override
    {
        return floorSlot >= 0 && floorSlot <= 12 ? const_cast<Marker*>(&floor[static_cast<size_t>(floorSlot)]) : nullptr;
    }
    int TotalMoves() const
    {
        int n = 0;
        for (const auto& slot : hand)
            for (const auto& m : slot) n += m.moves;
        for (const auto& m : floor) n += m.moves;
        return n;
    }

    std::array<std::array<Marker, 10>, 11> hand;  // slot 10 exists only to catch a wrong lookup
    std::array<Marker, 13> floor;                 // slot 12 likewise
    mutable std::vector<std::pair<int, int>> asked;
};

}  // namespace

TEST(CardWindowHover, MovesByTheOffsetOfEachState)
{
    const struct {
        const char* name;
        std::vector<HoverState> states;
        std::vector<bool> changed;
        Point end;
    } cases[] = {
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
}

TEST(CardWindowHover, ResetKeepsThePositionAndForgetsTheOffset)
{
    CVHTWnd card;
    card.SetPos({100, 200});
    ASSERT_TRUE(card.SetHoverState(kHover, nullptr, 0, false));
    card.ResetHoverState(nullptr, 0, false);
    EXPECT_EQ(card.GetPos(), (Point{100, 199}));
    EXPECT_EQ(card.GetHoverState(), kRest);
    ASSERT_TRUE(card.SetHoverState(kHover, nullptr, 0, false));
    EXPECT_EQ(card.GetPos(), (Point{100, 198})) << "the next change starts from where the card is";

    Markers markers;
    card.ResetHoverState(&markers, 4, true);
    EXPECT_EQ(markers.floor[4].GetPos(), (Point{97, 195})) << "a reset with a scene re-places the markers";
}

TEST(CardWindowHover, MarkersFollowTheCard)
{
    const struct {
        const char* name;
        int slot;
        bool onFloor;
        int moved;  // markers moved
    } cases[] = {
        {"hand slot 0", 0, false, 10},
        {"hand slot 9", 9, false, 10},
        {"hand slot 10", 10, false, 0},
        {"hand slot -1", -1, false, 0},
        {"floor slot 0", 0, true, 1},
        {"floor slot 11", 11, true, 1},
        {"floor slot 12", 12, true, 0},
        {"floor slot -1", -1, true, 0},
    };
    for (const auto& c : cases) {
        Markers markers;
        CVHTWnd card;
        card.SetPos({50, 60});
        ASSERT_TRUE(card.SetHoverState(kHover, &markers, c.slot, c.onFloor)) << c.name;
        EXPECT_EQ(markers.TotalMoves(), c.moved) << c.name;
        if (c.moved == 0) continue;
        if (c.onFloor) {
            EXPECT_EQ(markers.floor[static_cast<size_t>(c.slot)].GetPos(), (Point{47, 56})) << c.name;
        } else {
            for (const auto& m : markers.hand[static_cast<size_t>(c.slot)]) EXPECT_EQ(m.GetPos(), (Point{50, 59})) << c.name;
        }
    }
}

TEST(CardWindowHover, MarkersAlreadyInPlaceAreNotMoved)
{
    Markers markers;
    for (auto& m : markers.hand[2]) m.SetPos({50, 59});
    markers.hand[2][3].SetPos({0, 0});
    const int before = markers.TotalMoves();
    CVHTWnd card;
    card.SetPos({50, 60});
    card.SetHoverState(kHover, &markers, 2, false);
    EXPECT_EQ(markers.TotalMoves() - before, 1) << "only the one marker elsewhere moves";
}

TEST(CardWindowFrames, CardIdsPickTheirFrameAndOthersTheBack)
{
    auto strip = Image::Create(4, 4 * 51, 0xFF00FF00);
    ASSERT_TRUE(strip);
    const struct {
        const char* name;
        int32_t id;
        int frame;
    } cases[] = {{"first card", 0, 0}, {"card 3", 3, 3}, {"last card", 49, 49}, {"the back", 50, 50},
                 {"id 51", 51, 50},    {"id -1", -1, 50}, {"huge id", 0x7FFFFFFF, 50}};
    for (const auto& c : cases) {
        CVHTWnd card;
        card.SetImage(*strip);
        card.SetRect({0, 0, 4, 4});
        card.SetCard(c.id);
        EXPECT_EQ(card.GetSrcRect(), (Rect{0, 4 * c.frame, 4, 4 * c.frame + 4})) << c.name;
    }
    CVHTWnd card;
    EXPECT_EQ(card.GetFace().cardId, 50) << "a new card window holds no card";
}
