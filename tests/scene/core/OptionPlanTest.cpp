#include <gtest/gtest.h>

#include <map>

#include "scene/core/OptionPlan.h"
#include "scene/core/OptionRules.h"

using namespace OptionPlan;

namespace {

// Records what the OK did; the names listed in `failing` refuse their write, `skinLoads` the skin.
struct RecordingTarget final : OptionTarget {
    std::map<std::string, std::string> written;
    std::vector<std::string> failing;
    bool skinLoads = true;
    std::vector<int32_t> voicesSent;
    std::vector<bool> macros;

    bool Refuse(const std::string& name) const { return std::find(failing.begin(), failing.end(), name) != failing.end(); }
    bool WriteString(const std::string& name, const std::string& text) override
    {
        if (Refuse(name)) return false;
        written[name] = text;
        return true;
    }
    bool WriteDword(const std::string& name, uint32_t value) override
    {
        return WriteString(name, std::to_string(value));
    }
    bool LoadSkin(int32_t) override { return skinLoads; }
    void SendVoiceType(int32_t v) override { voicesSent.push_back(v); }
    void SetMacros(bool on) override { macros.push_back(on); }
};

OptionChoice Unchanged(const OptionValues& v)
{
    return {v.volume, SpeedPosition(v.cardSpeed), v.voiceOn, v.voiceType, v.skin};
}

}  // namespace

TEST(OptionPlan, OkWritesWhatChangedAndKeepsWhatWasWritten)
{
    const OptionValues stored{-1200, 0, true, 2, 0};
    const auto with = [&](auto change) { OptionChoice c = Unchanged(stored); change(c); return c; };
    const struct { const char* name; OptionChoice choice; std::optional<int32_t> forced;
                   std::vector<std::string> failing; bool skinLoads;
                   std::map<std::string, std::string> written; OptionValues kept; bool summary;
                   std::vector<int32_t> voices; std::vector<bool> macros; } cases[] = {
        {"no change writes the volume only, no summary", Unchanged(stored), {}, {}, true,
         {{"Option_Volume", "-1200"}}, stored, false, {}, {}},
        {"a new volume is kept without a summary", with([](OptionChoice& c) { c.volume = -300; }), {}, {}, true,
         {{"Option_Volume", "-300"}}, {-300, 0, true, 2, 0}, false, {}, {}},
        {"a speed change", with([](OptionChoice& c) { c.speedPosition = 1; }), {}, {}, true,
         {{"Option_Volume", "-1200"}, {"Option_Speed", "-2"}}, {-1200, -2, true, 2, 0}, true, {}, {}},
        {"a failed speed write keeps the old speed", with([](OptionChoice& c) { c.speedPosition = 1; }), {},
         {"Option_Speed"}, true, {{"Option_Volume", "-1200"}}, stored, true, {}, {}},
        {"a fast room's forced speed left alone writes nothing", with([](OptionChoice& c) { c.speedPosition = 4; }),
         1, {}, true, {{"Option_Volume", "-1200"}}, stored, false, {}, {}},
        {"a speed picked in a fast room is the user's", with([](OptionChoice& c) { c.speedPosition = 2; }), 1, {},
         true, {{"Option_Volume", "-1200"}, {"Option_Speed", "-1"}}, {-1200, -1, true, 2, 0}, true, {}, {}},
        {"voices off stop the macros", with([](OptionChoice& c) { c.voiceOn = false; }), {}, {}, true,
         {{"Option_Volume", "-1200"}, {"Option_SoundEffect", "0"}}, {-1200, 0, false, 2, 0}, true, {}, {false}},
        {"a voice change sends one request", with([](OptionChoice& c) { c.voiceType = 3; }), {}, {}, true,
         {{"Option_Volume", "-1200"}, {"Option_Voice", "3"}}, {-1200, 0, true, 3, 0}, true, {3}, {}},
        {"a failed voice write sends nothing", with([](OptionChoice& c) { c.voiceType = 3; }), {}, {"Option_Voice"},
         true, {{"Option_Volume", "-1200"}}, stored, true, {}, {}},
        {"a skin that loads", with([](OptionChoice& c) { c.skin = 1; }), {}, {}, true,
         {{"Option_Volume", "-1200"}, {"Option_Skin", "1"}}, {-1200, 0, true, 2, 1}, true, {}, {}},
        {"a skin that fails is not written", with([](OptionChoice& c) { c.skin = 1; }), {}, {}, false,
         {{"Option_Volume", "-1200"}}, stored, true, {}, {}},
        {"a failed volume write keeps the old volume", with([](OptionChoice& c) { c.volume = -5000; }), {},
         {"Option_Volume"}, true, {}, stored, false, {}, {}},
    };
    for (const auto& c : cases) {
        RecordingTarget target;
        target.failing = c.failing;
        target.skinLoads = c.skinLoads;
        const Outcome out = Apply(stored, c.forced, c.choice, target);
        EXPECT_EQ(target.written, c.written) << c.name;
        EXPECT_EQ(out.kept, c.kept) << c.name;
        EXPECT_EQ(out.summaryDue, c.summary) << c.name;
        EXPECT_EQ(target.voicesSent, c.voices) << c.name;
        EXPECT_EQ(target.macros, c.macros) << c.name;
    }
}

TEST(OptionPlan, SummaryNamesSpeedVoiceAndSkin)
{
    const struct { const char* name; int32_t gender; OptionValues v; const char* speedWord; int steps;
                   const char* line; } cases[] = {
        {"speed 0", 0, {0, 0, true, 1, 0}, "빠름1", 3,
         "게임옵션 : `1111`패속도(`0010`빠름1`0011`), 목소리(`0010`할배`0011`), 배경화면(`0010`그린`0011`)`0010`"},
        {"speed -1", 1, {0, -1, true, 3, 1}, "보통", 5,
         "게임옵션 : `1111`패속도(`0010`보통`0011`), 목소리(`0010`나비`0011`), 배경화면(`0010`블루`0011`)`0010`"},
        {"speed -3, voices off", 0, {0, -3, false, 2, 0}, "느림2", 9,
         "게임옵션 : `1111`패속도(`0010`느림2`0011`), 목소리(`0010`클래식`0011`), 배경화면(`0010`그린`0011`)`0010`"},
        {"other gender, voice and skin out of range", 5, {0, 3, true, 7, 4}, "빠름4", 1,
         "게임옵션 : `1111`패속도(`0010`빠름4`0011`), 목소리(`0010`성우1`0011`), 배경화면(`0010`그린`0011`)`0010`"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpeedWord(c.v.cardSpeed), c.speedWord) << c.name;
        EXPECT_EQ(SceneRules::MoveStepsForSpeed(c.v.cardSpeed), c.steps) << c.name;
        EXPECT_EQ(SummaryLine(c.gender, c.v), c.line) << c.name;
    }
    EXPECT_EQ(SpeedPosition(-5), 0);
    EXPECT_EQ(SpeedPosition(4), 4);
}
