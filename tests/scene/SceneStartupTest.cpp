#include <gtest/gtest.h>

#include <string>

#include "support/RoomTestSupport.h"

namespace {

// The five options: value name, the type the scene reads, the default it writes back.
struct OptionValue { const char* name; const char* type; const char* written; };  // written null: chosen at random
constexpr OptionValue kOptions[] = {
    {"Option_Volume", "sz", "sz:0"},   {"Option_Speed", "sz", "sz:1"}, {"Option_SoundEffect", "dword", "dword:1"},
    {"Option_Voice", "dword", nullptr}, {"Option_Skin", "dword", "dword:0"},
};

// Options are stored as "sz:text" or "dword:number".
class SceneStartup : public RoomFixture {
protected:
    void Write(const char* name, const std::string& value) const
    {
        if (value.rfind("sz:", 0) == 0) options.WriteString("24", name, value.substr(3));
        if (value.rfind("dword:", 0) == 0) options.WriteDword("24", name, uint32_t(std::stoul(value.substr(6))));
    }
    std::string Read(const char* name) const
    {
        std::string text;
        uint32_t number = 0;
        if (options.ReadString("24", name, text)) return "sz:" + text;
        return options.ReadDword("24", name, number) ? "dword:" + std::to_string(number) : "missing";
    }

    RegistryKey options{company + "\\" + domain};
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
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + company).c_str());
        for (size_t i = 0; i < 5; ++i) Write(kOptions[i].name, c.stored[i] ? c.stored[i] : "");
        host.Forget();
        ASSERT_TRUE(OpenRoom());
        const auto& o = Scene().options;
        EXPECT_EQ(std::vector<int>({o.volume, o.cardSpeed, o.soundOn, Scene().controls.macroEnabled, o.skin}),
                  std::vector<int>({c.volume, c.speed, c.soundOn, c.soundOn, c.skin}))
            << "volume, speed, sound on, macro, skin";
        EXPECT_TRUE(c.voice < 0 ? o.voiceType >= 0 && o.voiceType <= 3 : o.voiceType == c.voice) << o.voiceType;
        for (int steps : o.moveSteps) EXPECT_EQ(steps, c.steps);
        for (size_t i = 0; i < 5; ++i) {
            const std::string stored = c.stored[i] ? c.stored[i] : "";
            const bool readable = stored.rfind(std::string(kOptions[i].type) + ":", 0) == 0;
            const std::string written = kOptions[i].written ? kOptions[i].written : "dword:" + std::to_string(o.voiceType);
            EXPECT_EQ(Read(kOptions[i].name), readable ? stored : written) << kOptions[i].name;
        }
        const auto macro = host.RequestsWithCode(45);
        ASSERT_EQ(macro.size(), 1u);
        EXPECT_EQ(macro[0].text, "macro");
        EXPECT_EQ(macro[0].value, c.soundOn ? 17 : 1);
        EXPECT_EQ(macro[0].userKey, 0) << "the macro control is the room's";
        CloseRoom();
    }
}
