#include <gtest/gtest.h>

#include <string>

#include "support/RoomTestSupport.h"

namespace {

// The five options: value name, the type the scene reads, the default it writes back.
struct OptionValue {
    const char* name;
    const char* type;
    const char* written;  // null: chosen at random
};
constexpr OptionValue kOptions[] = {
    {"Option_Volume", "sz", "sz:0"},
    {"Option_Speed", "sz", "sz:1"},
    {"Option_SoundEffect", "dword", "dword:1"},
    {"Option_Voice", "dword", nullptr},
    {"Option_Skin", "dword", "dword:0"},
};

class SceneStartup : public RoomFixture {
protected:
    // Stores "sz:text" or "dword:number" under the options key; null stores nothing.
    void Write(const char* name, const char* value)
    {
        if (!value) return;
        HKEY k = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, portal.OptionsKey().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &k, nullptr),
                  ERROR_SUCCESS);
        const std::string v = value;
        if (v.rfind("sz:", 0) == 0) {
            RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str() + 3), static_cast<DWORD>(v.size() - 2));
        } else {
            const DWORD number = std::stoul(v.substr(6));
            RegSetValueExA(k, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
        }
        RegCloseKey(k);
    }
    // The stored value in the same form; "missing" when absent.
    std::string Read(const char* name) const
    {
        HKEY k = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, portal.OptionsKey().c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return "missing";
        BYTE data[64] = {};
        DWORD type = 0, size = sizeof data - 1;
        const LONG r = RegQueryValueExA(k, name, nullptr, &type, data, &size);
        RegCloseKey(k);
        if (r != ERROR_SUCCESS) return "missing";
        if (type == REG_SZ) return "sz:" + std::string(reinterpret_cast<const char*>(data));
        if (type == REG_DWORD && size == 4) return "dword:" + std::to_string(*reinterpret_cast<const DWORD*>(data));
        return "type " + std::to_string(type);
    }
};

}  // namespace

// A value that cannot be read takes its default, which is written back; a readable value is the
// user's and stays as stored even when the scene corrects it.
TEST_F(SceneStartup, OptionsAreReadCorrectedAndDefaulted)
{
    const struct {
        const char* name;
        const char* stored[5];  // in the order of kOptions
        int volume, speed, soundOn, voice, skin, steps;  // voice -1: any of 0..3
    } cases[] = {
        {"fresh key", {}, 0, 1, 1, -1, 0, 1},
        {"all in range", {"sz:-2500", "sz:-3", "dword:0", "dword:3", "dword:1"}, -2500, -3, 0, 3, 1, 9},
        {"out of range", {"sz:-6000", "sz:7", "dword:5", "dword:5", "dword:2"}, -10000, 1, 1, 0, 0, 1},
        {"boundaries", {"sz:-5000", "sz:-4", "dword:1", "dword:0", "dword:0"}, -10000, 1, 1, 0, 0, 1},
        {"volume above 0", {"sz:100", "sz:3", "dword:1", "dword:4", "dword:7"}, 0, 3, 1, 0, 0, 1},
        {"not numbers", {"sz:loud", "sz:fast", "dword:1", "dword:2", "dword:0"}, 0, 0, 1, 2, 0, 3},
        {"wrong types", {"dword:5", "dword:2", "sz:0", "sz:2", "sz:1"}, 0, 1, 1, -1, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + portal.company).c_str());
        for (size_t i = 0; i < 5; ++i) Write(kOptions[i].name, c.stored[i]);
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
    const struct {
        int index;
        const char* title;
    } cases[] = {{0, "입문"}, {8, "제왕"}, {9, ""}, {-1, ""}, {1000, ""}};
    for (const auto& c : cases) EXPECT_EQ(Scene().GetRankTitle(c.index), c.title) << c.index;
}
