#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "views/core/MissionRules.h"

using namespace MissionRules;

TEST(MissionRules, SingleMissionCardsSpacingAndFrames)
{
    const struct { const char* name; int id, mult; bool seven; std::vector<int> cards; int spacing, special, multFrame; } cases[] = {
        {"gwang row keeps its order", 1, 2, false, {4, 12, 29}, 30, -1, 1},
        {"a whole month stands 20 apart", 16, 3, false, {44, 45, 46, 47}, 20, -1, 2},
        {"the sure mission shows frame 4 and no card", 33, 2, false, {}, 36, 4, 1},
        {"no mission in a seven-point room: frame 10, no multiplier", 0, 5, true, {}, 36, 10, -1},
        {"no mission elsewhere: frame 0", 0, 5, false, {}, 36, 0, 4},
        {"multiplier 12 shows no image", 2, 12, false, {21, 33, 37}, 30, -1, -1},
        {"multiplier 0 shows no image", 2, 0, false, {21, 33, 37}, 30, -1, -1},
    };
    for (const auto& c : cases) {
        const auto m = PlanSingleMission(c.id, c.mult, c.seven);
        ASSERT_TRUE(m) << c.name;
        EXPECT_EQ(m->cards, c.cards) << c.name;
        EXPECT_EQ(CardSpacing(static_cast<int>(m->cards.size())), c.spacing) << c.name;
        EXPECT_EQ(m->specialFrame, c.special) << c.name;
        EXPECT_EQ(m->multiplierFrame, c.multFrame) << c.name;
    }
    EXPECT_TRUE(PlanSingleMission(0, 1, true)->caption.empty());
    EXPECT_EQ(PlanSingleMission(31, 1, false)->caption, "판쓸 2번 하기");
    for (int id : {-1, 34, 1000}) EXPECT_FALSE(PlanSingleMission(id, 1, false)) << id;
    for (int n : {1, 2}) EXPECT_EQ(CardSpacing(n), 36) << n;
}

TEST(MissionRules, BrokenWhenEachSeatHoldsACardTheOtherLacks)
{
    const struct { const char* name; Captured captured; int count; bool broken; } cases[] = {
        {"nothing taken", {}, 3, false},
        {"one seat holds two", {{{true, true, false, false}, {}}}, 3, false},
        {"4 by seat 0, 12 by seat 1", {{{true, false, false, false}, {false, true, false, false}}}, 3, true},
        {"a card both hold does not break", {{{true, false, false, false}, {true, false, false, false}}}, 3, false},
        {"cards past the count are not mission cards", {{{true, false, false, false}, {false, false, false, true}}}, 3, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsBroken(c.captured, c.count), c.broken) << c.name;
}

TEST(MissionRules, BrokenTestChangesOnlyAStatusItSetItself)
{
    const struct { const char* name; int status; bool own, broken; int after; bool afterOwn, changed; } cases[] = {
        {"broken with none shows failure", -1, false, true, 1, true, true},
        {"whole again clears its own failure", 1, true, false, -1, false, true},
        {"the server's success stays when broken", 0, false, true, 0, false, false},
        {"the server's failure stays when whole", 1, false, false, 1, false, false},
        {"its own failure stays while broken", 1, true, true, 1, true, false},
    };
    for (const auto& c : cases) {
        const BrokenChange r = ApplyBrokenTest(c.status, c.own, c.broken);
        EXPECT_EQ(r.status, c.after) << c.name;
        EXPECT_EQ(r.ownFailure, c.afterOwn) << c.name;
        EXPECT_EQ(r.changed, c.changed) << c.name;
    }
}

TEST(MissionRules, HandsBySideAndId)
{
    const struct { int id, side; const char* name; std::array<int, 2> cards; } cases[] = {
        {10, 0, "알리", {0, 4}},       {10, 1, "구사_오른쪽", {13, 33}}, {11, 0, "구땡", {32, 33}},
        {12, 0, "구땡", {32, 33}},     {12, 1, "멍구사_오른쪽", {12, 32}}, {14, 0, "떙잡이", {8, 24}},
        {0, 0, "38광땡", {8, 28}},
    };
    for (const auto& c : cases) {
        const auto h = HandOf(c.id, c.side);
        ASSERT_TRUE(h) << c.id << "/" << c.side;
        EXPECT_EQ(h->name, c.name) << c.id << "/" << c.side;
        EXPECT_EQ(h->cards, c.cards) << c.id << "/" << c.side;
    }
    for (int id : {-1, 15, 99}) EXPECT_FALSE(HandOf(id, 0)) << id;
    EXPECT_FALSE(HandOf(0, 2));
}

TEST(MissionRules, MusicVolumeIsReadStrictlyAndClamped)
{
    const struct { const char* text; std::optional<int> volume; } cases[] = {
        {"-1250", -1250}, {"0", 0},         {"-10000", -10000}, {"-20000", -10000}, {"500", 0},
        {"+0", 0},        {"abc", {}},      {"", {}},           {"-12x", {}},       {" -5", {}},
        {"-", {}},        {"-99999999999999999999", -10000},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseMusicVolume(c.text), c.volume) << '"' << c.text << '"';
    const struct { int in, out; } clamps[] = {{-5000, -10000}, {-4999, -4999}, {-10000, -10000}, {0, 0}, {10, 0}, {-1250, -1250}};
    for (const auto& c : clamps) EXPECT_EQ(ClampMusicVolume(c.in), c.out) << c.in;
}
