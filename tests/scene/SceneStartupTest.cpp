#include <gtest/gtest.h>

#include <string>

#include "support/RoomTestSupport.h"

namespace {

class SceneStartup : public RoomFixture {
protected:
    // The options key written before the room opens.
    void Write(const char* name, const std::string& text)
    {
        ASSERT_EQ(RegSetValueA(HKEY_CURRENT_USER, portal.OptionsKey().c_str(), REG_SZ, "", 0), ERROR_SUCCESS);
        HKEY k = OpenKey();
        ASSERT_EQ(RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>(text.size() + 1)),
                  ERROR_SUCCESS);
        RegCloseKey(k);
    }
    void Write(const char* name, DWORD number)
    {
        ASSERT_EQ(RegSetValueA(HKEY_CURRENT_USER, portal.OptionsKey().c_str(), REG_SZ, "", 0), ERROR_SUCCESS);
        HKEY k = OpenKey();
        ASSERT_EQ(RegSetValueExA(k, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number),
                  ERROR_SUCCESS);
        RegCloseKey(k);
    }
    HKEY OpenKey() const
    {
        HKEY k = nullptr;
        RegOpenKeyExA(HKEY_CURRENT_USER, portal.OptionsKey().c_str(), 0, KEY_ALL_ACCESS, &k);
        return k;
    }
    // The value's type and its text (strings) or number (DWORD, as decimal text); "missing" when absent.
    std::string Read(const char* name) const
    {
        HKEY k = OpenKey();
        if (!k) return "missing";
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

TEST_F(SceneStartup, FreshKeyGetsAllFiveDefaults)
{
    ASSERT_FALSE(portal.KeyExists(portal.OptionsKey()));
    ASSERT_TRUE(OpenRoom());
    EXPECT_EQ(Read("Option_Volume"), "sz:0");
    EXPECT_EQ(Read("Option_Speed"), "sz:1");
    EXPECT_EQ(Read("Option_SoundEffect"), "dword:1");
    const std::string voice = Read("Option_Voice");
    EXPECT_TRUE(voice == "dword:0" || voice == "dword:1" || voice == "dword:2" || voice == "dword:3") << voice;
    EXPECT_EQ(Read("Option_Skin"), "dword:0");

    const CMirelleVWS& s = Scene();
    EXPECT_EQ(s.options.volume, 0);
    EXPECT_EQ(s.options.cardSpeed, 1);
    EXPECT_EQ(s.options.soundOn, 1);
    EXPECT_EQ(s.controls.macroEnabled, 1);
    EXPECT_EQ("dword:" + std::to_string(s.options.voiceType), voice) << "the scene uses the voice type it wrote";
    EXPECT_EQ(s.options.skin, 0);
    EXPECT_EQ(s.env.dllVersion, 20110927);
    EXPECT_EQ(s.GetImageRoot(), portal.dir + "GameImage\\");
    EXPECT_EQ(s.GetSoundRoot(), portal.dir + "GameSound\\");
    const auto macro = host.RequestsWithCode(45);
    ASSERT_EQ(macro.size(), 1u);
    EXPECT_EQ(macro[0].text, "macro");
    EXPECT_EQ(macro[0].value, 17);
    EXPECT_EQ(macro[0].userKey, 0);
}

TEST_F(SceneStartup, StoredOptionsAreReadAndOutOfRangeOnesCorrectedInTheScene)
{
    const struct {
        const char* name;
        const char* volume;
        const char* speed;
        DWORD soundEffect, voice, skin;
        int wantVolume, wantSpeed, wantSoundOn, wantVoice, wantSkin, wantSteps;
    } cases[] = {
        {"all in range", "-2500", "-3", 0, 3, 1, -2500, -3, 0, 3, 1, 9},
        {"out of range", "-6000", "7", 5, 5, 2, -10000, 1, 1, 0, 0, 1},
        {"volume above 0, fastest speed", "100", "3", 1, 4, 7, 0, 3, 1, 0, 0, 1},
        {"boundaries", "-5000", "-4", 1, 0, 0, -10000, 1, 1, 0, 0, 1},
        {"not numbers", "loud", "fast", 1, 2, 0, 0, 0, 1, 2, 0, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + portal.company).c_str());
        Write("Option_Volume", c.volume);
        Write("Option_Speed", c.speed);
        Write("Option_SoundEffect", c.soundEffect);
        Write("Option_Voice", c.voice);
        Write("Option_Skin", c.skin);
        host.Forget();
        ASSERT_TRUE(OpenRoom());
        const CMirelleVWS& s = Scene();
        EXPECT_EQ(s.options.volume, c.wantVolume);
        EXPECT_EQ(s.options.cardSpeed, c.wantSpeed);
        EXPECT_EQ(s.options.soundOn, c.wantSoundOn);
        EXPECT_EQ(s.controls.macroEnabled, c.wantSoundOn);
        EXPECT_EQ(s.options.voiceType, c.wantVoice);
        EXPECT_EQ(s.options.skin, c.wantSkin);
        for (int steps : s.options.moveSteps) EXPECT_EQ(steps, c.wantSteps);
        const auto macro = host.RequestsWithCode(45);
        ASSERT_EQ(macro.size(), 1u);
        EXPECT_EQ(macro[0].value, c.wantSoundOn ? 17 : 1);
        // Readable values are the user's: they stay as stored.
        EXPECT_EQ(Read("Option_Speed"), std::string("sz:") + c.speed);
        EXPECT_EQ(Read("Option_Voice"), "dword:" + std::to_string(c.voice));
        CloseRoom();
    }
}

TEST_F(SceneStartup, ValuesOfTheWrongTypeTakeTheirDefaults)
{
    Write("Option_Speed", DWORD{2});  // a number where text belongs
    Write("Option_Skin", "1");        // text where a number belongs
    ASSERT_TRUE(OpenRoom());
    EXPECT_EQ(Scene().options.cardSpeed, 1);
    EXPECT_EQ(Scene().options.skin, 0);
}

TEST_F(SceneStartup, RankTitles)
{
    ASSERT_TRUE(OpenRoom());
    const struct {
        int index;
        const char* title;
    } cases[] = {{0, "입문"}, {1, "초보"}, {8, "제왕"}, {9, ""}, {-1, ""}, {1000, ""}};
    for (const auto& c : cases) EXPECT_EQ(Scene().GetRankTitle(c.index), c.title) << c.index;
}

TEST_F(SceneStartup, TheSceneIsTheCurrentOneUntilDestroyed)
{
    ASSERT_TRUE(OpenRoom());
    EXPECT_EQ(CMirelleVWS::Current(), &Scene());
    CloseRoom();
    EXPECT_EQ(CMirelleVWS::Current(), nullptr);
}
