#include <gtest/gtest.h>

#include <string>

#include "support/RoomTestSupport.h"

#include "toolkit/GVPSPWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVUserOptionWnd.h"
#include "scene/RoomOptions.h"

namespace {

// The five options: value name, the type the scene reads, the default it writes back.
struct OptionValue { const char* name; const char* type; const char* written; };  // written null: chosen at random
constexpr OptionValue kOptions[] = {
    {"Option_Volume", "sz", "sz:0"},   {"Option_Speed", "sz", "sz:1"}, {"Option_SoundEffect", "dword", "dword:1"},
    {"Option_Voice", "dword", nullptr}, {"Option_Skin", "dword", "dword:0"},
};

// A room's portal and registry key, the options stored as "sz:text" or "dword:number".
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

// The room opened and waiting, the own user seated.
class UserOptions : public SceneStartup {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenRoom());
        ASSERT_NE(Scene().userOption, nullptr);
        Seat();
        Scene().room.roomState = static_cast<int32_t>(RoomState::Waiting);
        host.Forget();
    }
    CVUserOptionWnd& Panel() { return *Scene().userOption; }
    std::vector<int> OptionControl() const
    {
        std::vector<int> values;
        for (const HostRequestCall& c : host.RequestsWithCode(45))
            if (c.text == "option") values.push_back(c.value);
        return values;
    }
};

}  // namespace

// A value that cannot be read takes its default (the voice one drawn at random), which is written
// back; a readable value is the user's and stays as stored even when the scene corrects it.
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

// OK writes what changed, keeps it, sends the voice to the server and prints the summary; the
// option button comes back. A fast room's forced speed is never shown or written as the user's own.
TEST_F(UserOptions, OkStoresTheChoicesAndAFastRoomKeepsTheUsersSpeed)
{
    CMirelleVWS& s = Scene();
    s.options.cardSpeed = -2;
    ASSERT_EQ(options.WriteString("24", "Option_Speed", "-2"), 1);
    s.options.voiceType = 1;
    ASSERT_EQ(options.WriteDword("24", "Option_Voice", 1), 1);
    const struct { const char* name; int turnTime; int shown; int speedPosition; int voiceType; const char* speed;
                   int cardSpeed; bool voiceSent; bool summary; } cases[] = {
        {"nothing changed", 0, 1, 1, 1, "-2", -2, false, false},
        {"fast room, OK untouched: the user's own speed shown", 2, 1, 1, 1, "-2", 4, false, false},
        {"fast room, the user picks a speed", 2, 1, 0, 1, "-3", -3, false, true},
        {"a new voice", 0, 0, 0, 2, "-3", -3, true, true},
    };
    for (const auto& c : cases) {
        s.room.option.turnTime = c.turnTime;
        if (c.turnTime == 2) {
            // As the room's entry forces it.
            s.userCardSpeed = s.options.cardSpeed;
            s.options.cardSpeed = 4;
        }
        host.Forget();
        ASSERT_EQ(s.Options().OpenOptionWindow(), 1) << c.name;
        EXPECT_EQ(Panel().GetSpeed(), c.shown) << c.name << ": the speed shown on opening";
        Panel().SetSpeed(c.speedPosition);
        Panel().SetVoiceType(c.voiceType);
        s.Options().ApplyGameOptions();
        EXPECT_FALSE(Panel().IsVisible()) << c.name;
        EXPECT_EQ(Read("Option_Speed"), std::string("sz:") + c.speed) << c.name;
        EXPECT_EQ(s.options.cardSpeed, c.cardSpeed) << c.name;
        EXPECT_EQ(Read("Option_Voice"), "dword:" + std::to_string(s.options.voiceType)) << c.name;
        const std::vector<GameRequest> voice{Requests::OptionChange{0, c.voiceType}};
        EXPECT_EQ(host.sent, c.voiceSent ? voice : std::vector<GameRequest>{}) << c.name;
        EXPECT_EQ(host.chat.find("게임옵션") != std::string::npos, c.summary) << c.name;
        EXPECT_EQ(OptionControl(), (std::vector<int>{1, 17})) << c.name << ": disabled while open, then back";
        s.ResetGameState();
    }
    EXPECT_EQ(s.options.moveSteps[0], 9) << "speed -3";
    host.Forget();
    s.Options().ApplyGameOptions();
    EXPECT_TRUE(host.hostRequests.empty()) << "OK with the panel closed does nothing";
}

// Presses change the panel only; the speed holds during a round; the labels follow the gender.
TEST_F(UserOptions, PanelPressesAndLabels)
{
    CMirelleVWS& s = Scene();
    CVUserOptionWnd& p = Panel();
    const auto press = [&p](GVWnd* w) {
        const Point at{w->GetRect().right - 2, w->GetRect().bottom - 2};
        p.OnLButtonDown(0, at);
        p.OnLButtonUp(0, at);
    };
    s.ownUser.gender = 7;
    s.options.soundOn = true;
    ASSERT_EQ(s.Options().OpenOptionWindow(), 1);
    EXPECT_EQ(s.Options().OpenOptionWindow(), 0) << "already open";
    for (int i = 0; i < CVUserOptionWnd::kVoiceCount; ++i)
        EXPECT_TRUE(p.GetVoiceRadio(i)->IsVisible()) << "other gender, voice " << i;

    s.room.roomState = static_cast<int32_t>(RoomState::Playing);
    const int before = p.GetSpeed();
    press(p.GetSpeedRadio(0));
    EXPECT_EQ(p.GetSpeed(), before) << "a round in play holds the speed";
    s.room.roomState = static_cast<int32_t>(RoomState::Waiting);
    press(p.GetSpeedRadio(0));
    EXPECT_EQ(p.GetSpeed(), 0);
    EXPECT_EQ(p.GetSpeedRadio(0)->GetFrame(), 1);

    press(p.GetVoiceCheck());
    EXPECT_FALSE(p.IsVoiceOn());
    for (int i = 0; i < CVUserOptionWnd::kVoiceCount; ++i)
        EXPECT_FALSE(p.GetVoiceRadio(i)->IsVisible()) << "voices off, voice " << i;
    press(p.GetSkinRadio(1));
    EXPECT_EQ(p.GetSkin(), 1);
    EXPECT_TRUE(host.sent.empty() && host.chat.empty()) << "nothing applied before OK";

    const struct { int volume; bool soundOff; } volumes[] = {{-5000, true}, {-4999, false}, {0, false}};
    for (const auto& v : volumes) {
        p.SetVolume(v.volume);
        EXPECT_EQ(p.IsSoundOffShown(), v.soundOff) << v.volume;
    }
}

// The scene's own buttons mirror the host's controls: the exit button's give-up picture is image
// set 1, and a state past the button's image sets keeps its picture.
TEST_F(UserOptions, OwnTitleButtonsMirrorTheHostControls)
{
    CMirelleVWS& s = Scene();
    CVPSPPushBtn* exit = s.roomButtons.exit;
    ASSERT_NE(exit, nullptr);
    const struct { const char* name; bool visible, enabled; int state; int imageSet;
                   std::vector<std::pair<std::string, int>> sent; } cases[] = {
        {"give-up", true, true, 1, 1, {{"exit", 0}, {"giveup", 17}}},
        {"exit, disabled", true, false, 0, 0, {{"giveup", 0}, {"exit", 1}}},
        {"a state past the image sets", true, true, 5, 0, {{"exit", 0}, {"giveup", 17}}},
        {"hidden", false, false, 0, 0, {{"exit", 0}}},
    };
    for (const auto& c : cases) {
        host.Forget();
        s.Options().SetTitleButtonState("exit", c.visible, c.enabled, c.state);
        std::vector<std::pair<std::string, int>> sent;
        for (const HostRequestCall& r : host.RequestsWithCode(45)) {
            EXPECT_EQ(r.userKey, kOwnKey) << c.name;
            sent.emplace_back(r.text.value_or(""), r.value);
        }
        EXPECT_EQ(sent, c.sent) << c.name;
        EXPECT_EQ(exit->GetImageSet(), c.imageSet) << c.name;
        EXPECT_EQ(exit->IsVisible(), c.visible) << c.name;
        EXPECT_EQ(exit->IsEnabled(), c.enabled) << c.name;
    }
    host.Forget();
    s.Options().SetTitleButtonState("macro", true, true, 0);
    EXPECT_TRUE(host.hostRequests.empty()) << "macro is not a title button of the user";
}
