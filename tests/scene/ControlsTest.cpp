#include <gtest/gtest.h>

#include <string>

#include "support/RoomTestSupport.h"

#include "toolkit/GVPSPWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVUserOptionWnd.h"

namespace {

class UserOptions : public RoomFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenRoom());
        ASSERT_NE(Scene().userOption, nullptr);
        Seat();
        Scene().room.roomState = static_cast<int32_t>(RoomState::Waiting);
        host.Forget();
    }
    std::string Stored(const char* name) const
    {
        std::string text;
        uint32_t number = 0;
        if (key.ReadString("24", name, text)) return text;
        return key.ReadDword("24", name, number) ? std::to_string(number) : "missing";
    }
    CVUserOptionWnd& Panel() { return *Scene().userOption; }
    std::vector<int> OptionControl() const
    {
        std::vector<int> values;
        for (const HostRequestCall& c : host.RequestsWithCode(45))
            if (c.text == "option") values.push_back(c.value);
        return values;
    }

    RegistryKey key{company + "\\" + domain};
};

}  // namespace

// The first start writes a random voice; later starts read it and never draw again.
TEST_F(UserOptions, TheRandomVoiceIsWrittenOnce)
{
    const std::string first = Stored("Option_Voice");
    ASSERT_NE(first, "missing") << "the missing key was not created";
    for (int i = 0; i < 6; ++i) {
        CloseRoom();
        ASSERT_TRUE(OpenRoom());
        EXPECT_EQ(std::to_string(Scene().options.voiceType), first) << "start " << i;
    }
    EXPECT_EQ(Stored("Option_Voice"), first);
}

// OK writes what changed, keeps it, sends the voice to the server and prints the summary; the
// option button comes back. A fast room's forced speed is never written over the user's own.
TEST_F(UserOptions, OkStoresTheChoicesAndAFastRoomKeepsTheUsersSpeed)
{
    CMirelleVWS& s = Scene();
    s.options.cardSpeed = -2;
    ASSERT_EQ(key.WriteString("24", "Option_Speed", "-2"), 1);
    s.options.voiceType = 1;
    ASSERT_EQ(key.WriteDword("24", "Option_Voice", 1), 1);
    const struct { const char* name; int turnTime; int shown; int speedPosition; int voiceType; const char* speed;
                   int cardSpeed; bool voiceSent; bool summary; } cases[] = {
        {"nothing changed", 0, 1, 1, 1, "-2", -2, false, false},
        {"fast room, OK untouched", 2, 4, 4, 1, "-2", 1, false, false},
        {"fast room, the user picks a speed", 2, 4, 0, 1, "-3", -3, false, true},
        {"a new voice", 0, 0, 0, 2, "-3", -3, true, true},
    };
    for (const auto& c : cases) {
        s.room.option.turnTime = c.turnTime;
        host.Forget();
        ASSERT_EQ(s.OpenOptionWindow(), 1) << c.name;
        EXPECT_EQ(Panel().GetSpeed(), c.shown) << c.name << ": the speed shown on opening";
        Panel().SetSpeed(c.speedPosition);
        Panel().SetVoiceType(c.voiceType);
        s.ApplyGameOptions();
        EXPECT_FALSE(Panel().IsVisible()) << c.name;
        EXPECT_EQ(Stored("Option_Speed"), c.speed) << c.name;
        EXPECT_EQ(s.options.cardSpeed, c.cardSpeed) << c.name;
        EXPECT_EQ(Stored("Option_Voice"), std::to_string(s.options.voiceType)) << c.name;
        const std::vector<GameRequest> voice{Requests::OptionChange{0, c.voiceType}};
        EXPECT_EQ(host.sent, c.voiceSent ? voice : std::vector<GameRequest>{}) << c.name;
        EXPECT_EQ(host.chat.find("게임옵션") != std::string::npos, c.summary) << c.name;
        EXPECT_EQ(OptionControl(), (std::vector<int>{1, 17})) << c.name << ": disabled while open, then back";
        s.ResetGameState();
    }
    EXPECT_EQ(s.options.moveSteps[0], 9) << "speed -3";
    host.Forget();
    s.ApplyGameOptions();
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
    ASSERT_EQ(s.OpenOptionWindow(), 1);
    EXPECT_EQ(s.OpenOptionWindow(), 0) << "already open";
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
        s.SetTitleButtonState("exit", c.visible, c.enabled, c.state);
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
    s.SetTitleButtonState("macro", true, true, 0);
    EXPECT_TRUE(host.hostRequests.empty()) << "macro is not a title button of the user";
}
