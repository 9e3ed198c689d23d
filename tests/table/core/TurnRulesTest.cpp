#include <gtest/gtest.h>

#include <vector>

#include "table/core/TurnRules.h"

using namespace TurnRules;

namespace {

// Counts by special kind: hongdan, chungdan, chodan, godori, gwang.
SpecialCounts Counts(int32_t hongdan, int32_t chungdan, int32_t chodan, int32_t godori, int32_t gwang)
{
    return {0, 0, 0, hongdan, chungdan, chodan, godori, gwang};
}

}  // namespace

TEST(TurnAnnouncement, FirstCompletedCombinationSpeaks)
{
    const struct { const char* name; AnnouncementInputs in; Announcement expected; } cases[] = {
        {"2 to 4 gwang says four, not three", {Counts(0, 0, 0, 0, 2), Counts(0, 0, 0, 0, 4)}, {VoiceCue::FourGwang, 7, 1}},
        {"4 to 5 gwang says five", {Counts(0, 0, 0, 0, 4), Counts(0, 0, 0, 0, 5)}, {VoiceCue::FiveGwang, 7, 3}},
        {"godori with hongdan says only godori", {Counts(2, 0, 0, 2, 0), Counts(3, 0, 0, 3, 0)}, {VoiceCue::Godori, 6, 4}},
        {"three gwang with the rain gwang, a person", {Counts(0, 0, 0, 0, 2), Counts(0, 0, 0, 0, 3), false, true},
         {VoiceCue::RainThreeGwang, 7, 1}},
        {"three gwang with the rain gwang, the robot", {Counts(0, 0, 0, 0, 2), Counts(0, 0, 0, 0, 3), true, true},
         {VoiceCue::ThreeGwang, 7, 1}},
        {"three gwang without the rain gwang", {Counts(0, 0, 0, 0, 2), Counts(0, 0, 0, 0, 3)}, {VoiceCue::ThreeGwang, 7, 1}},
        {"chungdan", {Counts(0, 2, 0, 0, 0), Counts(0, 3, 0, 0, 0)}, {VoiceCue::Chungdan, 4, 5}},
        {"chodan", {Counts(0, 0, 2, 0, 0), Counts(0, 0, 3, 0, 0)}, {VoiceCue::Chodan, 5, 7}},
        {"hongdan before chodan", {Counts(2, 0, 2, 0, 0), Counts(3, 0, 3, 0, 0)}, {VoiceCue::Hongdan, 3, 6}},
        {"an unchanged count of three says nothing", {Counts(3, 0, 0, 0, 3), Counts(3, 0, 0, 0, 3)}, {}},
        {"a fourth ribbon of a kind says nothing", {Counts(3, 0, 0, 0, 0), Counts(4, 0, 0, 0, 0)}, {}},
        {"bonus, the robot", {Counts(0, 0, 0, 0, 0), Counts(0, 0, 0, 0, 0), true, false, true}, {VoiceCue::RobotBonus, -1, 1}},
        {"bonus, a person with a bonus card", {{}, {}, false, false, true, true}, {VoiceCue::BonusPi, -1, 1}},
        {"bonus, a person without a bonus card", {{}, {}, false, false, true, false}, {}},
        {"a combination wins over the bonus", {Counts(0, 0, 0, 0, 2), Counts(0, 0, 0, 0, 3), false, false, true, true},
         {VoiceCue::ThreeGwang, 7, 1}},
    };
    for (const auto& c : cases) {
        const Announcement a = ChooseAnnouncement(c.in);
        EXPECT_EQ(a, c.expected) << c.name << ": got cue " << static_cast<int>(a.cue.value_or(VoiceCue{})) << " highlight " << a.highlight << " popup " << a.popup;
    }
}

TEST(MonthChoicePrompt, KindAndCards)
{
    const std::vector<int32_t> march = {8, 9, 10, 11};
    const struct { const char* name; MonthChoiceInputs in; MonthChoicePlan expected; } cases[] = {
        {"own choice", {0, true, true, {9}}, {3, march, true}},
        {"opponent's choice, own user seated", {0, false, true, {9}}, {2, march, true}},
        {"opponent's choice kind 1, observer", {1, false, false, {9}}, {2, march, true}},
        {"opponent's choice kind 0, observer", {0, false, false, {9}}, {3, march, true}},
        {"notice of one card: its month", {5, false, true, {33}}, {1, {32, 33, 34, 35}, false}},
        {"notice of several: each month's first", {5, false, true, {9, 33, 47}}, {0, {8, 32, 44}, false}},
        {"notice of five months shows four", {5, false, true, {0, 4, 8, 12, 16}}, {0, {0, 4, 8, 12}, false}},
        {"empty list: no cards", {0, true, true, {}}, {3, {}, true}},
        {"a bonus card names no month", {0, true, true, {48}}, {3, {}, true}},
        {"an id that is no card", {0, true, true, {60}}, {3, {}, true}},
        {"a negative id", {0, true, true, {-1}}, {3, {}, true}},
        {"notice with bad ids drops them", {5, false, true, {48, 60, 5}}, {0, {4}, false}},
    };
    for (const auto& c : cases) {
        const MonthChoicePlan plan = PlanMonthChoice(c.in);
        EXPECT_EQ(plan, c.expected) << c.name << ": kind " << plan.promptKind << ", " << plan.cards.size() << " cards";
    }
}
