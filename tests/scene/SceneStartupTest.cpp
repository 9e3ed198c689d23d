#include <gtest/gtest.h>

#include <string>

#include "support/RoomTestSupport.h"

namespace {

// The five options: value name, the type the scene reads, the default it writes back.
struct OptionValue { const char* name; const char* type; const char* written; };  // written null: chosen at random
constexpr OptionValue kOptions[] = {
    {"Option_Volume", "sz", "sz:0"},
    {"Option_Speed", "sz", "sz:1"},
    {"Option_SoundEffect", "dword", "dword:1"},
    {"Option_Voice", "dword", nullptr},
    {"Option_Skin", "dword", "dword:0"},
};

// Options are stored as "sz:text" or "dword:number".
class SceneStartup : public RoomFixture {
protected:
    void Write(const char* name, const std::string& value) const
    {
        if (value.rfind("sz:", 0) == 0) options.WriteString("24", name, value.substr(3));
        if (value.rfind("dword:", 0) == 0) options.WriteDword("24", name, static_cast<uint32_t>(std::stoul(value.substr(6))));
    }
    std::string Read(const char* name) const
    {
        std::string text;
        uint32_t number = 0;
        if (options.ReadString("24", name, text)) return "sz:" + text;
        if (options.ReadDword("24", name, number)) return "dword:" + std::to_string(number);
        return "missing";
    }

    RegistryKey options{portal.company + "\\" + portal.domain};
};

}  // namespace

// A value that cannot be read takes its default, which is written back; a readable value is the
// user's and stays as stored even when the scene corrects it.
TEST_F(SceneStartup, OptionsAreReadCorrectedAndDefaulted)
{
    const struct { const char* name; const char* stored[5]; int volume, speed, soundOn, voice, skin, steps; } cases[] = {
        // stored in the order of kOptions; voice -1: any of 0..3
        {"fresh key", {}, 0, 1, 1, -1, 0, 1},
        {"all in range", {"sz:-2500", "sz:-3", "dword:0", "dword:3", "dword:1"}, -2500, -3, 0, 3, 1, 9},
        {"out of range", {"sz:-6000", "sz:7", "dword:5", "dword:5", "dword:2"}, -10000, 1, 1, 0, 0, 1},
        {"boundaries", {"sz:-5000", "sz:-4", "dword:1", "dword:0", "dword:0"}, -10000, 1, 1, 0, 0, 1},
        {"volume above 0", {"sz:100", "sz:3", "dword:1", "dword:4", "dword:7"}, 0, 3, 1, 0, 0, 1},
        {"not numbers", {"sz:loud", "sz:fast", "dword:1", "dword:2", "dword:0"}, 0, 0, 1, 2, 0, 3},
        {"wrong types", {"dword:5", "dword:2", "sz:0", "sz:2", "sz:abc"}, 0, 1, 1, -1, 0, 1},  // "abc" is four bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + portal.company).c_str());
        for (size_t i = 0; i < 5; ++i) Write(kOptions[i].name, c.stored[i] ? c.stored[i] : "");
        host.Forget();
        ASSERT_TRUE(OpenRoom());
        const CMirelleVWS& s = Scene();
        EXPECT_EQ(s.options.volume, c.volume);
        EXPECT_EQ(s.options.cardSpeed, c.speed);
        EXPECT_EQ(s.options.soundOn, c.soundOn != 0);
        EXPECT_EQ(s.controls.macroEnabled, c.soundOn != 0);
        if (c.voice >= 0) {
            EXPECT_EQ(s.options.voiceType, c.voice);
        }
        EXPECT_TRUE(s.options.voiceType >= 0 && s.options.voiceType <= 3) << s.options.voiceType;
        EXPECT_EQ(s.options.skin, c.skin);
        for (int steps : s.options.moveSteps) EXPECT_EQ(steps, c.steps);
        for (size_t i = 0; i < 5; ++i) {
            const OptionValue& o = kOptions[i];
            const std::string stored = c.stored[i] ? c.stored[i] : "";
            const bool readable = stored.rfind(std::string(o.type) + ":", 0) == 0;
            const std::string written = o.written ? o.written : "dword:" + std::to_string(s.options.voiceType);
            EXPECT_EQ(Read(o.name), readable ? stored : written) << o.name;
        }
        const auto macro = host.RequestsWithCode(45);
        ASSERT_EQ(macro.size(), 1u);
        EXPECT_EQ(macro[0].text, "macro");
        EXPECT_EQ(macro[0].value, c.soundOn ? 17 : 1);
        EXPECT_EQ(macro[0].userKey, 0) << "the macro control is the room's";
        CloseRoom();
    }
}

TEST_F(SceneStartup, RankTitlesOutsideTheListAreEmpty)
{
    ASSERT_TRUE(OpenRoom());
    const struct { int index; const char* title; } cases[] = {{0, "입문"}, {8, "제왕"}, {9, ""}, {-1, ""}, {1000, ""}};
    for (const auto& c : cases) EXPECT_EQ(Scene().GetRankTitle(c.index), c.title) << c.index;
}
