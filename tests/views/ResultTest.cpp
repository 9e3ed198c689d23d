#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "graphics/resources/SurfaceLock.h"
#include "graphics/resources/core/PixelFormat.h"
#include "RoomPanelSupport.h"
#include "scene/SceneResult.h"
#include "toolkit/GDDScreen.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVQZATextWnd.h"
#include "views/CVResultWnd.h"
#include "scene/RoomView.h"

namespace {

using ResultRules::Answer;
using ResultRules::Button;

// A result panel's owner that keeps what the panel asks of it; the room is the test's to change.
class RecordingOwner final : public SceneImagesOwner<ResultOwner, CVResultWnd> {
public:
    explicit RecordingOwner(CMirelleVWS& s) : SceneImagesOwner(s)
    {
        room.viewer = {100, 0, {100, 200}}, room.nicknames = {"하나", "두리"}, room.seatOnScreen = {true, true};
        room.roomKind = 1, room.autoStart = {true, false, 1, 0, false};
    }
    Room GetResultRoom() const override { return room; }
    void SendResultAnswer(Answer a) override { answers.push_back(a); }
    void HideRoundResult() override { ++hides, wnd->Reset(); }
    void PlayResultSound(SoundId id) override { played.push_back({static_cast<int>(id), Clock::NowMs()}); }
    void StopResultSound(SoundId) override {}
    void PlayResultVoice(VoiceCue cue, int seat) override { voices.push_back({static_cast<int>(cue), seat}); }
    void PrintResultChat(const std::string& text) override { chat.push_back(text); }
    void ShowEventMark(bool show) override { eventMark = show; }
    void StartFireworks() override {}
    bool ToggleAutoStart() override { return room.autoStartOn = !room.autoStartOn; }
    CVItemWnd* CreateItemWnd() override { return scene.Result().CreateItemWnd(); }
    TargetScoreRoom GetTargetScoreRoom() const override { return {}; }
    void SendChallenge(int) override {}

    std::vector<int> Sounds() const
    {
        std::vector<int> ids;
        for (const auto& p : played) ids.push_back(p.id);
        return ids;
    }
    void Forget() { answers.clear(), played.clear(), voices.clear(), chat.clear(), hides = 0; }

    struct Played { int id; uint32_t at; };
    struct VoiceCall {
        int cue, seat;
        bool operator==(const VoiceCall&) const = default;
    };
    Room room;
    std::vector<Answer> answers;
    std::vector<Played> played;
    std::vector<VoiceCall> voices;
    std::vector<std::string> chat;
    bool eventMark = false;
    int hides = 0;
};

// Gwang 3 and pi 1 won by the seat given; `change` adjusts the body.
template <class Change = void (*)(RoundResult&)>
RoundResult Round(uint32_t kind, uint32_t winnerKey, int32_t winnerSeat, Change change = [](RoundResult&) {})
{
    RoundResult r{.resultKind = kind, .winnerKey = winnerKey, .moneyChange = {123456789, -123456789}, .eventFundShare = 15};
    r.winInfo.winnerSeat = winnerSeat, r.winInfo.categoryPoints = {3, 0, 0, 1, 0, 0, 0, 0};
    change(r);
    return r;
}

std::vector<Button> ShownButtons(const CVResultWnd& w)
{
    std::vector<Button> shown;
    for (int i = 0; i < ResultRules::kButtons; ++i)
        if (w.GetButton(static_cast<Button>(i))->IsVisible()) shown.push_back(static_cast<Button>(i));
    return shown;
}

int VisibleChildren(CVResultWnd& w)
{
    return static_cast<int>(std::count_if(w.Children().begin(), w.Children().end(), [](GVWnd* c) { return c->IsVisible(); }));
}

// A result panel made apart from the scene's, so that its sounds and answers can be counted.
class ResultPanel : public RoomPanelFixture<CVResultWnd, RecordingOwner> {
protected:
    void StepFor(uint32_t ms)
    {
        for (uint32_t t = 0; t < ms; t += 10) Clock::Advance(10), panel.Step();
    }
    std::string PointsLine() const { return panel.GetPointsLine()->IsVisible() ? panel.GetPointsLine()->GetText() : ""; }
    // "caption|note|money text|sounds and event mark|notice|voice cues|points line|clip"; a hidden panel
    // is "-|sounds and event mark".
    std::string Filled()
    {
        std::string sounds, voices;
        for (const int id : owner->Sounds()) sounds += std::to_string(id) + " ";
        for (const auto& v : owner->voices) voices += std::to_string(v.cue) + " ";
        const std::string mark = sounds + (owner->eventMark ? "mark" : "");
        if (!panel.IsVisible()) return "-|" + mark;
        const std::string note = panel.GetNote()->IsVisible() ? panel.GetNote()->GetText() : "(hidden)";
        const GVPSPWnd* notice = panel.GetNoticeIcon();
        return panel.GetCaption()->GetText() + "|" + note + "|" + panel.GetMoney()->GetText() + "|" +
               mark + "|" + (notice->IsVisible() ? std::to_string(notice->GetFrame()) : "-") + "|" + voices + "|" +
               PointsLine() + "|" + std::to_string(panel.GetBack()->GetSubAnimation());
    }

};

}  // namespace

// The money text carries the sign of the viewed side's change. The back's clip: 0 won, 1 lost, 2 drawn.
TEST_F(ResultPanel, FillsFromTheViewedSideAndRejectsWhatItCannotShow)
{
    using Room = ResultOwner::Room;
    const Room player = owner->room;
    Room loser = player, observer = player, robot = player, eventRoom = player;
    loser.viewer = {200, 1, {100, 200}};
    observer.viewer = robot.viewer = {300, -1, {100, 200}};
    robot.robotSeated = true;  // in seat 0
    robot.robotSeat = {true, false};
    eventRoom.eventRoomInPlay = true;
    const auto marked = [](RoundResult& r) { r.eventMark = 1; };
    const auto twoDraws = [](RoundResult& r) { r.drawCount = 2; };
    const std::string won = "하나님|(이벤트 기금 적립: 1.5%)|+1억2345만냥|34 ";
    const struct { const char* name; Room room; RoundResult body; std::string filled; } cases[] = {
        {"player won", player, Round(0, 100, 0), won + "|-||4점|0"},
        {"money 0 has no plus", player, Round(0, 100, 0, [](RoundResult& r) { r.moneyChange = {0, 0}; }),
         "하나님|(이벤트 기금 적립: 1.5%)|0냥|34 |-||4점|0"},
        {"player lost sees his own seat", loser, Round(0, 100, 0), "두리님||-1억2345만냥|35 |-||4점|1"},
        {"observer sees seat 0 win", observer, Round(0, 100, 0), won + "|-||4점|0"},
        {"observer sees seat 0 lose", observer, Round(0, 200, 1), "하나님||+1억2345만냥|35 |-||4점|1"},
        {"the winner's seat comes from the record", loser, Round(0, 200, 0), won + "|-||4점|0"},
        {"robot seat is named and noted", robot, Round(0, 200, 1), "맞고로봇님|(로봇 플레이시 머니 변동 없음)|+1억2345만냥|35 |-||4점|1"},
        {"event mark in an event room", eventRoom, Round(0, 100, 0, marked), won + "mark|-||4점|0"},
        {"event mark needs the event room", player, Round(0, 100, 0, marked), won + "|-||4점|0"},
        {"chongtong", player, Round(6, 100, 0), won + "|0|10030 ||0"},
        {"three ppeok", player, Round(7, 100, 0), won + "|1|10024 ||0"},
        {"kind 8 won", player, Round(8, 100, 0), won + "|4|||0"},
        {"kind 8 lost", loser, Round(8, 100, 0), "두리님||-1억2345만냥|35 |5|||1"},
        {"first draw", player, Round(10, 0, -1), "무승부|(hidden)|0냥||-|10028 ||2"},
        {"third draw in a row", player, Round(10, 0, -1, twoDraws), "무승부|(hidden)|0냥||-|10028 |다음판 4배|2"},
        {"kind 1 is rejected", player, Round(1, 100, 0), "-|"},
        {"kind 5 is rejected", player, Round(5, 100, 0), "-|"},
        {"kind 9 is rejected", eventRoom, Round(9, 100, 0, marked), "-|"},
        {"kind 11 is rejected", player, Round(11, 100, 0), "-|"},
        {"winner seat 2 is rejected", eventRoom, Round(0, 100, 2, marked), "-|"},
    };
    for (const auto& c : cases) {
        owner->room = c.room;
        owner->Forget();
        panel.SetRoundResult(c.body);
        EXPECT_EQ(Filled(), c.filled) << c.name << ": caption|note|money text|sounds, mark|notice|voices|points|clip";
        if (!panel.IsVisible()) {
            EXPECT_TRUE(VisibleChildren(panel) == 0 && owner->chat.empty() && owner->voices.empty())
                << c.name << ": a child shows, or chat or a voice came";
        }
    }
    // The chat lines of a won and a drawn result are the result replays'.
    owner->room = loser;
    panel.SetRoundResult(Round(0, 100, 0));
    EXPECT_FALSE(panel.GetScoreIcon(ScoreDetail::Icon::Gwang)->IsVisible()) << "a lost result leaves the icons hidden";
    owner->room = player;
    panel.SetRoundResult(Round(0, 100, 0));
    EXPECT_TRUE(panel.GetScoreIcon(ScoreDetail::Icon::Gwang)->IsVisible()) << "a won result shows its icons";
}

TEST_F(ResultPanel, KeysAndClicksAnswerAndCloseOnlyTheClosingAnswers)
{
    panel.SetRoundResult(Round(0, 100, 0, [](RoundResult& r) { r.chamgiOffered = r.chamgiImageSet = 1; }));
    EXPECT_EQ(ShownButtons(panel), (std::vector<Button>{Button::ChamgiOk, Button::Chamgi}));
    EXPECT_EQ(static_cast<const CVPSPPushBtn*>(panel.GetButton(Button::Chamgi))->GetImageSet(), 1);
    owner->Forget();
    panel.OnKeyDown(VK_SPACE, 0, 0);
    EXPECT_EQ(owner->answers, std::vector<Answer>{Answer::ChamgiOk}) << "space with only chamgi OK";
    EXPECT_TRUE(owner->hides == 0 && panel.IsVisible()) << "a chamgi answer waits for the server";

    panel.SetRoundResult(Round(0, 100, 0, [](RoundResult& r) { r.tungOffered = 1; }));
    EXPECT_EQ(ShownButtons(panel), std::vector<Button>{Button::Ok}) << "no tung for the winner";
    owner->Forget();
    panel.OnKeyDown(VK_F2, 0, 0);
    panel.OnKeyDown('A', 0, 0);
    EXPECT_TRUE(owner->answers.empty() && panel.IsVisible()) << "F2 without its buttons, and other keys, answer nothing";
    panel.OnKeyDown(VK_F1, 0, 0);
    EXPECT_EQ(owner->answers, std::vector<Answer>{Answer::ResultOk});
    EXPECT_TRUE(owner->hides == 1 && !panel.IsVisible());

    panel.SetRoundResult(Round(0, 200, 1, [](RoundResult& r) { r.tungOffered = 1; }));
    EXPECT_EQ(panel.GetButton(Button::Ok)->GetPos(), (CVResultWnd::kPosition + Point{85, 285})) << "OK moves for tung";
    owner->Forget();
    Click(panel, *panel.GetButton(Button::Tung));
    EXPECT_EQ(owner->answers, std::vector<Answer>{Answer::Tung});
    EXPECT_EQ(owner->hides, 1);
    EXPECT_EQ(owner->Sounds(), std::vector<int>{20});
}

TEST_F(ResultPanel, MoneyRevealsGlyphByGlyphAndABigMultiplierFollows)
{
    // Multiplier 4 (a shake and a pibak): nothing at once, then 650 ms after the money.
    panel.SetRoundResult(Round(0, 100, 0, [](RoundResult& r) { r.winInfo.shakeCount = 1, r.bakList = {{1, 0, 1, 0}}; }));
    EXPECT_EQ(PointsLine() + std::to_string(panel.GetMultiplier()), "4");
    EXPECT_EQ(owner->Sounds(), std::vector<int>{36}) << "the great win";
    owner->Forget();
    StepFor(3000);
    std::vector<uint32_t> glyphTimes;
    uint32_t multiplierAt = 0;
    for (const auto& p : owner->played) {
        if (p.id == 42) glyphTimes.push_back(p.at);
        if (p.id == 43) multiplierAt = p.at;
    }
    ASSERT_EQ(static_cast<int>(glyphTimes.size()), panel.GetMoney()->GetGlyphCount());
    for (size_t i = 1; i < glyphTimes.size(); ++i) EXPECT_EQ(glyphTimes[i] - glyphTimes[i - 1], 50u) << "glyph " << i;
    ASSERT_NE(multiplierAt, 0u) << "sound 43";
    EXPECT_GT(multiplierAt - glyphTimes.back(), 650u);
    EXPECT_LT(multiplierAt - glyphTimes.back(), 650u + 300u) << "the last glyph's own clip is short";
    EXPECT_TRUE(panel.GetMultiplierText()->IsVisible() && panel.GetPointsTimes()->IsVisible());
    EXPECT_EQ(panel.GetPointsTimes()->GetText(), "4점  x");
    EXPECT_EQ(panel.GetMultiplierText()->GetGlyphCount(), 2) << "4배";
}

TEST_F(ResultPanel, AutoStartSwitchFlipsTheRoomsFlag)
{
    panel.SetRoundResult(Round(0, 100, 0));
    CVPSPPushBtn* autoStart = panel.GetAutoStart();
    ASSERT_TRUE(autoStart->IsVisible()) << "a won result shows the switch";
    owner->Forget();
    std::string sets = std::to_string(autoStart->GetImageSet());
    for (int i = 0; i < 2; ++i) Click(panel, *autoStart), sets += std::to_string(autoStart->GetImageSet()) + std::to_string(owner->room.autoStartOn);
    EXPECT_EQ(sets, "01100") << "image set, then image set and flag after each click";
    EXPECT_TRUE(owner->Sounds().empty() && owner->answers.empty()) << "the switch answers nothing";
    owner->room.autoStart.roomKind = 20;
    panel.SetRoundResult(Round(0, 100, 0));
    EXPECT_FALSE(autoStart->IsVisible()) << "no switch in a tournament room";
}

TEST_F(ResultPanel, ResetHidesEveryChildAndTheEventMark)
{
    EXPECT_EQ(panel.Children().back(), panel.GetItemWnd()) << "the item strip is drawn last";
    EXPECT_GE(panel.GetScoreIcon(ScoreDetail::Icon::GoCount)->GetFrameCount(), 7);
    EXPECT_FALSE(panel.IsVisible() || VisibleChildren(panel)) << "made hidden";
    owner->room.eventRoomInPlay = true;
    panel.SetRoundResult(Round(0, 100, 0, [](RoundResult& r) { r.eventMark = 1, r.winInfo.shakeCount = 2; }));
    StepFor(2000);
    panel.SetItemShown(true);
    ASSERT_TRUE(owner->eventMark && panel.GetMultiplierText()->IsVisible());
    panel.Reset();
    EXPECT_FALSE(panel.IsVisible() || VisibleChildren(panel) || owner->eventMark || panel.IsItemShown());
    EXPECT_EQ(panel.GetMultiplier(), 1);
    EXPECT_EQ(panel.GetShadow()->GetPos(), (CVResultWnd::kPosition + Point{0, 323}));
}

// The scene's panel: shown by the scene, answered with Space, and drawn.
class ResultScene : public ResultPanel {
protected:
    void SetUp() override
    {
        ResultPanel::SetUp();
        auto& players = Scene().room.seats.players;
        std::tie(players[0].nickname, players[1].nickname, players[0].screenSlot, players[1].screenSlot) =
            std::make_tuple("하나", "두리", 0, 1);
        Scene().room.roomState = static_cast<int32_t>(RoomState::RoundOver);
        ASSERT_TRUE(Scene().resultWidgets.result);
    }
    CVResultWnd& Result() { return *Scene().resultWidgets.result; }
    // The room drawn whole; empty without a back buffer to read.
    std::vector<Rgb> Draw()
    {
        GDDScreen* screen = wnd->GetScreen();
        std::vector<Rgb> pixels;
        if (!screen || !screen->GetBackBuffer()) return pixels;
        Scene().SetRedrawAll(true);
        Scene().RenderScreen();
        const SurfaceLock lock(screen->GetBackBuffer(), DDLOCK_WAIT | DDLOCK_READONLY);
        if (!lock.View().IsValid()) return pixels;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) pixels.push_back(UnpackRgb(screen->GetPixelMode(), lock.View().PixelAt(x, y)));
        return pixels;
    }
};

TEST_F(ResultScene, SpaceAnswersOkAndTheSceneClosesTheResult)
{
    Scene().Result().ShowRoundResult(Round(0, 100, 0));
    ASSERT_TRUE(Result().IsVisible());
    host.Forget();
    Scene().OnKeyDown(VK_SPACE, 0, 0);
    EXPECT_EQ(host.sent, std::vector<GameRequest>{GameRequest(Requests::ResultChoice{0, Scene().options.skin})});
    EXPECT_FALSE(Result().IsVisible() || Scene().resultWidgets.resultBox->IsVisible());

    Scene().Result().ShowRoundResult(Round(3, 100, 0));
    EXPECT_FALSE(Result().IsVisible());
    EXPECT_FALSE(Scene().resultWidgets.resultBox->IsVisible()) << "a rejected result leaves the table undimmed";
    EXPECT_TRUE(host.sent.size() == 1 && host.chat.empty()) << "and sends and prints nothing";
}

TEST_F(ResultScene, AWonALostAndADrawnResultAreDrawnOverTheDimmedTable)
{
    const struct { const char* name; RoundResult body; } shots[] = {
        {"won", Round(0, 100, 0, [](RoundResult& r) { r.winInfo.shakeCount = 1, r.winInfo.goPoints = 2, r.bakList = {{1, 0, 1, 0}}; })},
        {"lost", Round(0, 200, 1, [](RoundResult& r) { r.moneyChange = {-52000000, 52000000}, r.tungOffered = 1; })},
        {"drawn", Round(10, 0, -1, [](RoundResult& r) { r.drawCount = 2; })}};
    const std::vector<Rgb> table = Draw();
    if (table.empty()) GTEST_SKIP() << "no back buffer to read";
    // Inside the panel's back, below its label, and outside the table under the dimming box.
    const auto same = [&](const std::vector<Rgb>& px, int x, int y) {
        const Rgb a = px[static_cast<size_t>(y * 800 + x)], b = table[static_cast<size_t>(y * 800 + x)];
        return a.r == b.r && a.g == b.g && a.b == b.b;
    };
    for (const auto& s : shots) {
        Scene().Result().ShowRoundResult(s.body);
        for (int t = 0; t < 2500; t += 50) Clock::Advance(50), Scene().Result().StepResult();
        const std::vector<Rgb> px = Draw();
        ASSERT_EQ(px.size(), table.size()) << s.name;
        EXPECT_FALSE(same(px, 176, 139)) << s.name << ": the panel's back is not drawn";
        EXPECT_FALSE(same(px, 60, 300)) << s.name << ": the table is not dimmed";
        EXPECT_TRUE(same(px, 60, 560)) << s.name << ": the bottom bar stays as it was";
        EXPECT_TRUE(Result().GetMoney()->IsVisible()) << s.name;
        Scene().Result().HideRoundResult();
    }
}
