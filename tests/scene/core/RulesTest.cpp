#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "scene/core/DecisionRules.h"
#include "scene/core/SoundTables.h"

using namespace SceneRules;

TEST(PhaseSeconds, RowsByGameSpeedAndAutoPlay)
{
    const struct { const char* name; int kind, speed; bool autoPlay; int want; } cases[] = {
        {"turn, speed 0", 8, 0, false, 10},     {"turn, speed 2", 8, 2, false, 5},
        {"turn, auto-play", 8, 0, true, 1},     {"bet, auto-play times out at once", 21, 0, true, 0},
        {"kind without entry", 4, 0, false, 0},  {"kind above the table", 99, 0, false, 0},
        {"unknown speed counts as 0", 8, 3, false, 10}, {"negative speed counts as 0", 11, -1, false, 10},
    };
    for (const auto& c : cases) EXPECT_EQ(PhaseSeconds(static_cast<DecisionKind>(c.kind), c.speed, c.autoPlay), c.want) << c.name;
}

// Every cell, row by row: a wrong second in any of them is a wrong countdown at that speed.
TEST(PhaseSeconds, EveryCellOfTheTable)
{
    const int kinds[] = {1, 2, 3, 6, 7, 8, 9, 11, 14, 15, 17, 21, 22, 23, 24};
    const int rows[4][15] = {
        {5, 2, 6, 10, 9, 10, 10, 10, 10, 10, 10, 7, 3, 3, 3},  // game speed 0
        {5, 2, 6, 10, 9, 8, 10, 5, 5, 5, 10, 7, 3, 3, 3},      // game speed 1
        {5, 2, 6, 10, 9, 5, 5, 5, 5, 5, 10, 7, 3, 3, 3},       // game speed 2
        {2, 2, 1, 2, 0, 1, 2, 2, 2, 2, 10, 0, 0, 0, 0},        // auto-play
    };
    for (int row = 0; row < 4; ++row)
        for (size_t i = 0; i < std::size(kinds); ++i)
            EXPECT_EQ(PhaseSeconds(static_cast<DecisionKind>(kinds[i]), row < 3 ? row : 1, row == 3), rows[row][i])
                << "kind " << kinds[i] << ", row " << row;
}

// The room's own cases (ordinary rooms, inactive anti-leave rule) are in the scene's phase timer test.
TEST(AdjustTurnSeconds, TimeoutsAndAntiLeaveCounters)
{
    const struct { const char* name; int seconds; TurnTimeInputs in; int want; } cases[] = {
        {"two time-outs at speed 1: reduction held to 5, raised to 5 s", 8, {false, 0, 0, true, 2}, 5},
        {"one time-out at speed 1", 8, {false, 0, 0, true, 1}, 5},
        {"not seated: unchanged", 10, {false, 0, 0, false, 3}, 10},
        {"negative count from a bad message reduces nothing", 10, {false, 0, 0, true, -4}, 10},
        {"huge count does not overflow", 10, {false, 0, 0, true, 0x7FFFFFFF}, 5},
        {"anti-leave second counter 2", 10, {true, 0, 2, true, 0}, 5},
        {"anti-leave second counter 1", 10, {true, 0, 1, true, 0}, 7},
        {"anti-leave without counters ignores time-outs", 10, {true, 0, 0, true, 2}, 10},
    };
    for (const auto& c : cases) EXPECT_EQ(AdjustTurnSeconds(c.seconds, c.in), c.want) << c.name;
}

// Values below the limit show one frame each with a tick sound, 1 also the last-two-seconds cue;
// auto-play hides the count but keeps it running.
TEST(StepCountdown, ShowsAndSoundsOnlyBelowTheLimit)
{
    CountdownState s{9, 10, 3, 0};  // handlers start one below the start value
    std::vector<int> frames;
    int sounds = 0, lastTwo = 0;
    for (int i = 0; i < 30; ++i) {
        const CountdownActions a = StepCountdown(s, false);
        if (a.showFrame >= 0) frames.push_back(a.showFrame);
        sounds += a.playCountSound, lastTwo += a.lastTwoSeconds;
    }
    EXPECT_EQ(frames, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(std::make_pair(sounds, lastTwo), std::make_pair(3, 1)) << "count sounds, last-two cues";
    CountdownState quiet{2, 10, 3, 0};
    const CountdownActions a = StepCountdown(quiet, true);
    EXPECT_TRUE(a.showFrame == -1 && !a.playCountSound && quiet.countdown == 1);
}

TEST(SoundTables, EffectsCuesAndVoicePaths)
{
    using namespace SoundTables;
    const struct { int id; const char* file; } effects[] = {
        {0, "room_join.ogg"}, {86, "mission_complete2.ogg"}, {87, "mission_complete2.ogg"}, {112, "score_ok.ogg"},
        {113, ""}, {-1, ""},
    };
    for (const auto& e : effects) EXPECT_EQ(EffectFileName(e.id), e.file) << "effect " << e.id;

    std::vector<int> order = EffectLoadOrder();
    const auto at = [&](int id) { return std::find(order.begin(), order.end(), id) - order.begin(); };
    EXPECT_TRUE(at(31) < at(29) && at(31) < at(30) && at(96) < at(88)) << "31 before 29 and 30, 96 before 88";
    std::sort(order.begin(), order.end());
    for (int i = 0; i < 113; ++i) ASSERT_EQ(order.at(size_t(i)), i) << "every id once";
    EXPECT_EQ(order.size(), 113u);

    EXPECT_STREQ(GetVoiceCue(10036).name, GetVoiceCue(10044).name) << "both cues say hurry";
    EXPECT_STREQ(GetVoiceCue(10055).name, "s_dis");
    EXPECT_STREQ(GetVoiceCue(10056).name, "");
    EXPECT_STREQ(GetVoiceCue(9999).name, "");
    EXPECT_EQ(VoicePath(Voice::Male, 1, "welcome", 1), "Male2\\welcome1.ogg");
    EXPECT_EQ(VoicePath(Voice::Male, 7, "stop", 3), "Male1\\stop3.ogg") << "voice type 7 speaks as 0";
    EXPECT_EQ(VoicePath(Voice::Robot, 2, "1go", 2), "Robot\\1go2.ogg");
    EXPECT_EQ(std::vector<Voice>({VoiceOfGender(1), VoiceOfGender(2), VoiceOfGender(-1)}),
              std::vector<Voice>({Voice::Female, Voice::Robot, Voice::Robot}))
        << "any gender but 0 and 1 speaks as the robot";
    EXPECT_TRUE(RobotSpeaks(10020) && !RobotSpeaks(10021));
}
