#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/core/DecisionRules.h"
#include "scene/core/OptionRules.h"
#include "scene/core/SoundTables.h"
#include "scene/core/TextTokens.h"

#include <algorithm>

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

TEST(AdjustTurnSeconds, TimeoutsAndAntiLeaveCounters)
{
    const struct { const char* name; int seconds; TurnTimeInputs in; int want; } cases[] = {
        {"two time-outs at speed 1: reduction held to 5, raised to 5 s", 8, {false, 0, 0, true, 2}, 5},
        {"one time-out at speed 1", 8, {false, 0, 0, true, 1}, 5},
        {"one time-out at speed 0", 10, {false, 0, 0, true, 1}, 7},
        {"not seated: unchanged", 10, {false, 0, 0, false, 3}, 10},
        {"negative count from a bad message reduces nothing", 10, {false, 0, 0, true, -4}, 10},
        {"huge count does not overflow", 10, {false, 0, 0, true, 0x7FFFFFFF}, 5},
        {"anti-leave first counter", 10, {true, 1, 0, true, 0}, 5},
        {"anti-leave second counter 2", 10, {true, 0, 2, true, 0}, 5},
        {"anti-leave second counter 1", 10, {true, 0, 1, true, 0}, 7},
        {"anti-leave without counters ignores time-outs", 10, {true, 0, 0, true, 2}, 10},
    };
    for (const auto& c : cases) EXPECT_EQ(AdjustTurnSeconds(c.seconds, c.in), c.want) << c.name;
}

TEST(SceneOptions, CardSpeedVolumeAndRanges)
{
    const struct { int speed, steps; } speeds[] = {{0, 3}, {-3, 9}, {-1, 5}, {1, 1}, {3, 1}, {7, 1}, {-9, 9}};
    for (const auto& c : speeds) EXPECT_EQ(MoveStepsForSpeed(c.speed), c.steps) << "speed " << c.speed;

    const struct { int in, out; } volumes[] = {{-6000, -10000}, {-5000, -10000}, {-4999, -4999}, {100, 0}, {0, 0}};
    for (const auto& c : volumes) EXPECT_EQ(ClampVolume(c.in), c.out) << "volume " << c.in;

    EXPECT_EQ(ClampOption(4, -3, 3, 1), 1);
    EXPECT_EQ(ClampOption(-3, -3, 3, 1), -3);
}

TEST(SplitToken, DelimitedPiecesAndTheRest)
{
    std::string source = "|a|b";
    std::string token;
    EXPECT_EQ(SplitToken(source, token, "|"), 1);
    EXPECT_EQ(token, "a");
    EXPECT_EQ(SplitToken(source, token, "|"), 0);
    EXPECT_EQ(token, "b");
    EXPECT_TRUE(source.empty());

    std::string whole = "x|y";
    EXPECT_EQ(SplitToken(whole, token, ""), 1);
    EXPECT_EQ(token, "x|y");
    EXPECT_EQ(SplitRankTitles(RankTitleList()).size(), 9u);
}

TEST(StepCountdown, CountsDownOnEveryOtherStepBelowTheLimit)
{
    CountdownState s{9, 10, 3, 0};  // handlers start one below the start value
    std::vector<int> frames;
    int sounds = 0, lastTwo = 0;
    for (int i = 0; i < 30; ++i) {
        const CountdownActions a = StepCountdown(s, false);
        if (a.showFrame >= 0) frames.push_back(a.showFrame);
        sounds += a.playCountSound;
        lastTwo += a.lastTwoSeconds;
        if (i % 2 == 1) {
            EXPECT_EQ(a.showFrame, -1) << "phase 0 shows nothing, step " << i;
        }
    }
    EXPECT_EQ(frames, (std::vector<int>{2, 1, 0})) << "only values below the limit are shown";
    EXPECT_EQ(sounds, 3);
    EXPECT_EQ(lastTwo, 1);
    EXPECT_EQ(s.countdown, 10) << "after zero it rests at the start value";

    CountdownState quiet{2, 10, 3, 0};
    const CountdownActions a = StepCountdown(quiet, true);
    EXPECT_EQ(a.showFrame, -1);
    EXPECT_FALSE(a.playCountSound);
    EXPECT_EQ(quiet.countdown, 1) << "the count still runs while auto-play hides it";
}

TEST(SoundTables, EffectsCuesAndVoicePaths)
{
    using namespace SoundTables;
    const struct { int id; const char* file; } effects[] = {
        {0, "room_join.ogg"}, {86, "mission_complete2.ogg"}, {87, "mission_complete2.ogg"}, {112, "score_ok.ogg"},
        {113, ""}, {-1, ""},
    };
    for (const auto& e : effects) EXPECT_EQ(EffectFileName(e.id), e.file) << "effect " << e.id;

    const std::vector<int> order = EffectLoadOrder();
    ASSERT_EQ(order.size(), 113u);
    const auto at = [&](int id) { return std::find(order.begin(), order.end(), id) - order.begin(); };
    EXPECT_LT(at(31), at(29));
    EXPECT_LT(at(31), at(30));
    EXPECT_LT(at(96), at(88));
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 113; ++i) EXPECT_EQ(sorted[static_cast<size_t>(i)], i) << "every id once";

    EXPECT_STREQ(GetVoiceCue(10036).name, GetVoiceCue(10044).name) << "both cues say hurry";
    EXPECT_STREQ(GetVoiceCue(10055).name, "s_dis");
    EXPECT_STREQ(GetVoiceCue(10056).name, "");
    EXPECT_STREQ(GetVoiceCue(9999).name, "");

    EXPECT_EQ(VoicePath(Voice::Male, 1, "welcome", 1), "Male2\\welcome1.ogg");
    EXPECT_EQ(VoicePath(Voice::Male, 7, "stop", 3), "Male1\\stop3.ogg") << "voice type 7 speaks as 0";
    EXPECT_EQ(VoicePath(Voice::Robot, 2, "1go", 2), "Robot\\1go2.ogg");
    EXPECT_EQ(VoiceOfGender(1), Voice::Female);
    EXPECT_EQ(VoiceOfGender(2), Voice::Robot) << "any other gender speaks as the robot";
    EXPECT_EQ(VoiceOfGender(-1), Voice::Robot);
    EXPECT_TRUE(RobotSpeaks(10020));
    EXPECT_FALSE(RobotSpeaks(10021));
}
