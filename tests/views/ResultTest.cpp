#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Png.h"
#include "graphics/resources/SurfaceLock.h"
#include "graphics/resources/core/PixelFormat.h"
#include "support/RoomTestSupport.h"
#include "toolkit/GDDScreen.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVQZATextWnd.h"
#include "views/CVResultWnd.h"

namespace {

using ResultRules::Answer;
using ResultRules::Button;

// A result panel's owner that keeps what the panel asks of it; the room it describes is the
// test's to change.
class RecordingOwner final : public ResultOwner {
public:
    explicit RecordingOwner(CMirelleVWS& s) : scene(s)
    {
        room.viewer = {100, 0, {100, 200}};
        room.nicknames = {"하나", "두리"};
        room.seatOnScreen = {true, true};
        room.roomKind = 1;
        room.autoStart = {true, false, 1, 0, false};
    }
    const std::string& GetImageRoot() const override { return scene.GetImageRoot(); }
    LoadErrorSink& GetLoadErrorSink() override { return scene; }
    Room GetResultRoom() const override { return room; }
    void SendResultAnswer(Answer a) override { answers.push_back(a); }
    void HideRoundResult() override
    {
        ++hides;
        if (wnd) wnd->Reset();
    }
    void PlayResultSound(int id) override { played.push_back({id, Clock::NowMs()}); }
    void StopResultSound(int id) override { stopped.push_back(id); }
    void PlayResultVoice(int cue, int seat) override { voices.push_back({cue, seat}); }
    void PrintResultChat(const std::string& text) override { chat.push_back(text); }
    void ShowEventMark(bool show) override { eventMark = show; }
    void StartFireworks() override { ++fireworks; }
    bool ToggleAutoStart() override { return room.autoStartOn = !room.autoStartOn; }
    CVItemWnd* CreateItemWnd() override { return scene.CreateItemWnd(); }

    std::vector<int> Sounds() const
    {
        std::vector<int> ids;
        for (const auto& p : played) ids.push_back(p.id);
        return ids;
    }
    void Forget() { answers.clear(), played.clear(), stopped.clear(), voices.clear(), chat.clear(), hides = 0; }

    struct Played {
        int id;
        uint32_t at;
    };
    struct VoiceCall {
        int cue, seat;
        bool operator==(const VoiceCall&) const = default;
    };
    CMirelleVWS& scene;
    CVResultWnd* wnd = nullptr;
    Room room;
    std::vector<Answer> answers;
    std::vector<Played> played;
    std::vector<int> stopped;
    std::vector<VoiceCall> voices;
    std::vector<std::string> chat;
    bool eventMark = false;
    int fireworks = 0;
    int hides = 0;
};

RoundResult Round(uint32_t kind, uint32_t winnerKey, int32_t winnerSeat)
{
    RoundResult r;
    r.resultKind = kind;
    r.winnerKey = winnerKey;
    r.winInfo.winnerSeat = winnerSeat;
    r.winInfo.categoryPoints = {3, 0, 0, 1, 0, 0, 0, 0};  // gwang 3, pi 1
    r.moneyChange = {123456789, -123456789};
    r.eventFundShare = 15;
    return r;
}

Point Centre(const GVWnd& w)
{
    const Rect r = w.GetRect();
    return {r.left + r.Width() / 2, r.top + r.Height() / 2};
}

void Click(GVWnd& target, const GVWnd& child)
{
    target.OnLButtonDown(MK_LBUTTON, Centre(child));
    target.OnLButtonUp(0, Centre(child));
}

std::vector<Button> ShownButtons(const CVResultWnd& w)
{
    std::vector<Button> shown;
    for (int i = 0; i < ResultRules::kButtons; ++i)
        if (w.GetButton(static_cast<Button>(i))->IsVisible()) shown.push_back(static_cast<Button>(i));
    return shown;
}

std::vector<std::string> VisibleChildren(CVResultWnd& w)
{
    std::vector<std::string> names;
    for (const GVWnd* child : w.Children())
        if (child->IsVisible()) names.push_back(typeid(*child).name());
    return names;
}

// An open room with the own user (key 100) in seat 0, on the virtual clock, and a result panel
// made apart from the scene's so that its sounds and answers can be counted.
class ResultPanel : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        Seat();
        host.Forget();
        owner = std::make_unique<RecordingOwner>(Scene());
        ASSERT_TRUE(panel.CreateChildren(*owner));
        owner->wnd = &panel;
    }
    void TearDown() override
    {
        panel.Release();
        RoomFixture::TearDown();
    }
    // Steps the panel every 10 ms for `ms`.
    void StepFor(uint32_t ms)
    {
        for (uint32_t t = 0; t < ms; t += 10) {
            Clock::Advance(10);
            panel.Step();
        }
    }
    std::string PointsLine() const { return panel.GetPointsLine()->IsVisible() ? panel.GetPointsLine()->GetText() : ""; }

    CVResultWnd panel;
    std::unique_ptr<RecordingOwner> owner;
};

}  // namespace

TEST_F(ResultPanel, ChildrenInDrawingOrderAndHiddenAtItsPlace)
{
    EXPECT_EQ(panel.Children().size(), 28u);
    EXPECT_EQ(panel.GetPos(), CVResultWnd::kPosition);
    EXPECT_EQ(panel.GetButton(Button::Ok)->GetPos(), (Point{156 + 141, 39 + 285}));
    EXPECT_EQ(panel.GetItemWnd()->GetPos(), (Point{156 + 45, 39 + 348}));
    EXPECT_EQ(panel.Children().back(), panel.GetItemWnd());
    EXPECT_FALSE(panel.IsVisible());
    EXPECT_TRUE(VisibleChildren(panel).empty());
    EXPECT_GE(panel.GetScoreIcon(ScoreDetail::Icon::GoCount)->GetFrameCount(), 7);
}

TEST_F(ResultPanel, FillsFromTheViewedSideAndRejectsWhatItCannotShow)
{
    using Room = ResultOwner::Room;
    Room player = owner->room;
    Room loser = owner->room;
    loser.viewer = {200, 1, {100, 200}};
    Room observer = owner->room;
    observer.viewer = {300, -1, {100, 200}};
    Room robot = observer;  // the robot in seat 0, seen by an observer
    robot.robotSeated = true;
    robot.robotSeat = {true, false};
    Room eventRoom = owner->room;
    eventRoom.eventRoomInPlay = true;
    RoundResult withMark = Round(0, 100, 0);
    withMark.eventMark = 1;
    RoundResult share20 = Round(0, 100, 0);
    share20.eventFundShare = 20;
    RoundResult zeroMoney = Round(0, 100, 0);
    zeroMoney.moneyChange = {0, 0};

    const struct {
        const char* name;
        Room room;
        RoundResult body;
        bool shown;
        const char* caption;
        const char* note;
        int moneyGlyphs;  // "+1억2345만냥" and "-1억2345만냥" are nine, "0냥" two
        std::vector<int> sounds;
        bool eventMark;
    } cases[] = {
        {"player won", player, Round(0, 100, 0), true, "하나님", "(이벤트 기금 적립: 1.5%)", 9, {34}, false},
        {"share 20 shows 2", player, share20, true, "하나님", "(이벤트 기금 적립: 2%)", 9, {34}, false},
        {"money 0 has no plus", player, zeroMoney, true, "하나님", "(이벤트 기금 적립: 1.5%)", 2, {34}, false},
        {"player lost sees his own seat", loser, Round(0, 100, 0), true, "두리님", "", 9, {35}, false},
        {"observer sees seat 0 win", observer, Round(0, 100, 0), true, "하나님", "(이벤트 기금 적립: 1.5%)", 9, {34},
         false},
        {"observer sees seat 0 lose", observer, Round(0, 200, 1), true, "하나님", "", 9, {35}, false},
        {"robot seat is named and noted", robot, Round(0, 200, 1), true, "맞고로봇님", "(로봇 플레이시 머니 변동 없음)", 9,
         {35}, false},
        {"event mark in an event room", eventRoom, withMark, true, "하나님", "(이벤트 기금 적립: 1.5%)", 9, {34}, true},
        {"event mark needs the event room", player, withMark, true, "하나님", "(이벤트 기금 적립: 1.5%)", 9, {34}, false},
        {"chongtong", player, Round(6, 100, 0), true, "하나님", "(이벤트 기금 적립: 1.5%)", 9, {34}, false},
        {"three ppeok", loser, Round(7, 100, 0), true, "두리님", "", 9, {35}, false},
        {"kind 8", player, Round(8, 100, 0), true, "하나님", "(이벤트 기금 적립: 1.5%)", 9, {34}, false},
        {"kind 1 is rejected", player, Round(1, 100, 0), false, "", "", 0, {}, false},
        {"kind 5 is rejected", player, Round(5, 100, 0), false, "", "", 0, {}, false},
        {"kind 9 is rejected", eventRoom, withMark, false, "", "", 0, {}, false},
        {"kind 11 is rejected", player, Round(11, 100, 0), false, "", "", 0, {}, false},
        {"winner seat 2 is rejected", eventRoom, Round(0, 100, 2), false, "", "", 0, {}, false},
    };
    for (const auto& c : cases) {
        owner->room = c.room;
        owner->Forget();
        RoundResult body = c.body;
        if (std::string(c.name) == "kind 9 is rejected") body.resultKind = 9;
        panel.SetRoundResult(body);
        EXPECT_EQ(panel.IsVisible(), c.shown) << c.name;
        EXPECT_EQ(owner->Sounds(), c.sounds) << c.name;
        EXPECT_EQ(owner->eventMark, c.eventMark) << c.name;
        if (!c.shown) {
            EXPECT_TRUE(VisibleChildren(panel).empty()) << c.name << ": no child may show";
            EXPECT_TRUE(owner->chat.empty() && owner->voices.empty()) << c.name;
            continue;
        }
        EXPECT_EQ(panel.GetCaption()->GetText(), c.caption) << c.name;
        EXPECT_EQ(panel.GetNote()->GetText(), c.note) << c.name;
        EXPECT_TRUE(panel.GetNote()->IsVisible()) << c.name;
        EXPECT_EQ(panel.GetMoney()->GetGlyphCount(), c.moneyGlyphs) << c.name;
    }
}

TEST_F(ResultPanel, EndingsShowTheirNoticeVoiceAndChat)
{
    const struct {
        const char* name;
        uint32_t kind;
        int notice;  // -1 hidden
        std::vector<RecordingOwner::VoiceCall> voices;
        std::vector<std::string> chat;
        const char* pointsLine;
    } cases[] = {
        {"normal win: chat and breakdown", 0, -1, {},
         {"하나님 승리!!`1111`", "(총4점)`0111`\n[4점] :`0110` 광3점/피1점`0010`"}, "4점"},
        {"chongtong", 6, 0, {{10030, 0}}, {}, ""},
        {"three ppeok", 7, 1, {{10024, 0}}, {}, ""},
        {"kind 8 won", 8, 4, {}, {}, ""},
    };
    for (const auto& c : cases) {
        owner->Forget();
        panel.SetRoundResult(Round(c.kind, 100, 0));
        EXPECT_EQ(panel.GetNoticeIcon()->IsVisible() ? panel.GetNoticeIcon()->GetFrame() : -1, c.notice) << c.name;
        EXPECT_EQ(owner->voices, c.voices) << c.name;
        EXPECT_EQ(owner->chat, c.chat) << c.name;
        EXPECT_EQ(PointsLine(), c.pointsLine) << c.name;
    }
    owner->room.viewer = {200, 1, {100, 200}};
    panel.SetRoundResult(Round(8, 100, 0));
    EXPECT_EQ(panel.GetNoticeIcon()->GetFrame(), 5) << "kind 8 lost";
    panel.SetRoundResult(Round(0, 200, 1));
    EXPECT_EQ(panel.GetBack()->GetSubAnimation(), 0) << "the viewer won: clip 승리";
    EXPECT_TRUE(panel.GetScoreIcon(ScoreDetail::Icon::Gwang)->IsVisible());
    panel.SetRoundResult(Round(0, 100, 0));
    EXPECT_EQ(panel.GetBack()->GetSubAnimation(), 1) << "clip 패배";
    EXPECT_FALSE(panel.GetScoreIcon(ScoreDetail::Icon::Gwang)->IsVisible()) << "a lost result leaves the icons hidden";
}

TEST_F(ResultPanel, DrawShowsTheNextMultiplierOnlyAfterDraws)
{
    const struct { const char* name; int32_t draws; const char* line; } cases[] = {
        {"first draw", 0, ""},
        {"third draw in a row", 2, "다음판 4배"},
    };
    for (const auto& c : cases) {
        owner->Forget();
        RoundResult body = Round(10, 0, -1);
        body.drawCount = c.draws;
        panel.SetRoundResult(body);
        EXPECT_TRUE(panel.IsVisible()) << c.name;
        EXPECT_EQ(panel.GetCaption()->GetText(), "무승부") << c.name;
        EXPECT_EQ(panel.GetMoney()->GetGlyphCount(), 2) << c.name << ": 0냥";
        EXPECT_EQ(PointsLine(), c.line) << c.name;
        EXPECT_EQ(owner->chat, std::vector<std::string>{"이번 판은 무승부입니다.`1111`"}) << c.name;
        EXPECT_EQ(owner->voices, (std::vector<RecordingOwner::VoiceCall>{{10028, 0}})) << c.name;
        EXPECT_EQ(panel.GetBack()->GetSubAnimation(), 2) << c.name;
    }
}

TEST_F(ResultPanel, ButtonsForTungAndChamgi)
{
    using B = Button;
    const auto body = [](uint32_t winner, int32_t seat, int tung, int chamgi, int imageSet) {
        RoundResult r = Round(0, winner, seat);
        r.tungOffered = tung;
        r.chamgiOffered = chamgi;
        r.chamgiImageSet = imageSet;
        return r;
    };
    const struct {
        const char* name;
        RoundResult body;
        std::vector<B> shown;
        Point ok;
        int chamgiSet;
    } cases[] = {
        {"plain", body(100, 0, 0, 0, 0), {B::Ok}, {141, 285}, 0},
        {"tung for the loser", body(200, 1, 1, 0, 0), {B::Ok, B::Tung}, {85, 285}, 0},
        {"no tung for the winner", body(100, 0, 1, 0, 0), {B::Ok}, {141, 285}, 0},
        {"chamgi for the winner", body(100, 0, 0, 1, 1), {B::ChamgiOk, B::Chamgi}, {141, 285}, 1},
        {"chamgi waiting for the loser", body(200, 1, 0, 1, 0), {B::ChamgiWaiting}, {141, 285}, 0},
        {"chamgi image set 2 uses set 0", body(100, 0, 0, 1, 2), {B::ChamgiOk, B::Chamgi}, {141, 285}, 0},
    };
    for (const auto& c : cases) {
        panel.SetRoundResult(c.body);
        EXPECT_EQ(ShownButtons(panel), c.shown) << c.name;
        EXPECT_EQ(panel.GetButton(B::Ok)->GetPos(), CVResultWnd::kPosition + c.ok) << c.name;
        const auto* chamgi = static_cast<const CVPSPPushBtn*>(panel.GetButton(B::Chamgi));
        if (chamgi->IsVisible()) {
            EXPECT_EQ(chamgi->GetImageSet(), c.chamgiSet) << c.name;
        }
    }
}

TEST_F(ResultPanel, KeysAndClicksAnswerAndCloseOnlyTheClosingAnswers)
{
    RoundResult chamgi = Round(0, 100, 0);
    chamgi.chamgiOffered = 1;
    panel.SetRoundResult(chamgi);
    owner->Forget();
    panel.OnKeyDown(VK_SPACE, 0, 0);
    EXPECT_EQ(owner->answers, std::vector<Answer>{Answer::ChamgiOk}) << "space with only chamgi OK";
    EXPECT_EQ(owner->hides, 0);
    EXPECT_TRUE(panel.IsVisible()) << "a chamgi answer waits for the server";

    // The server's step: first chamgi, then OK again.
    panel.SetResultStep(1, 0, 1);
    EXPECT_EQ(ShownButtons(panel), std::vector<Button>{Button::Ok});
    EXPECT_EQ(panel.GetNoticeIcon()->GetFrame(), 2);
    EXPECT_EQ(panel.GetCaption()->GetText(), "무승부");
    EXPECT_EQ(owner->voices.back(), (RecordingOwner::VoiceCall{10038, 0}));
    owner->Forget();
    panel.OnKeyDown(VK_F1, 0, 0);
    EXPECT_EQ(owner->answers, std::vector<Answer>{Answer::ResultOk});
    EXPECT_EQ(owner->hides, 1);
    EXPECT_FALSE(panel.IsVisible());

    RoundResult tung = Round(0, 200, 1);
    tung.tungOffered = 1;
    panel.SetRoundResult(tung);
    owner->Forget();
    Click(panel, *panel.GetButton(Button::Tung));
    EXPECT_EQ(owner->answers, std::vector<Answer>{Answer::Tung});
    EXPECT_EQ(owner->hides, 1);
    EXPECT_EQ(owner->Sounds(), std::vector<int>{20});

    panel.SetRoundResult(Round(0, 100, 0));
    owner->Forget();
    panel.OnKeyDown(VK_F2, 0, 0);
    panel.OnKeyDown('A', 0, 0);
    EXPECT_TRUE(owner->answers.empty()) << "F2 without its buttons, and other keys, answer nothing";
    EXPECT_TRUE(panel.IsVisible());
}

TEST_F(ResultPanel, MoneyRevealsGlyphByGlyphAndABigMultiplierFollows)
{
    // Multiplier 3: in the points line at once, no delayed reveal.
    RoundResult three = Round(0, 100, 0);
    three.winInfo.missionMultiplier = 3;
    panel.SetRoundResult(three);
    EXPECT_EQ(PointsLine(), "4점  x  3배");
    owner->Forget();
    StepFor(2000);
    EXPECT_FALSE(panel.GetMultiplierText()->IsVisible());
    const std::vector<int> sounds = owner->Sounds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 43), 0);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 42), panel.GetMoney()->GetGlyphCount());

    // Multiplier 4 (a shake and a pibak): nothing at once, then 650 ms after the money.
    RoundResult four = Round(0, 100, 0);
    four.winInfo.shakeCount = 1;
    four.bakList = {{1, 0, 1, 0}};
    owner->Forget();
    panel.SetRoundResult(four);
    EXPECT_EQ(PointsLine(), "");
    EXPECT_EQ(panel.GetMultiplier(), 4);
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
    EXPECT_TRUE(panel.GetMultiplierText()->IsVisible());
    EXPECT_TRUE(panel.GetPointsTimes()->IsVisible());
    EXPECT_EQ(panel.GetPointsTimes()->GetText(), "4점  x");
    EXPECT_EQ(panel.GetMultiplierText()->GetGlyphCount(), 2) << "4배";
}

TEST_F(ResultPanel, ChamgiHoverSoundAndAutoStartSwitch)
{
    RoundResult chamgi = Round(0, 100, 0);
    chamgi.chamgiOffered = 1;
    panel.SetRoundResult(chamgi);
    owner->Forget();
    const GVWnd& button = *panel.GetButton(Button::Chamgi);
    panel.OnMouseMove(0, Centre(button));
    panel.OnMouseMove(0, Centre(button) + Point{1, 0});
    EXPECT_EQ(owner->Sounds(), std::vector<int>{57}) << "once while over the button";
    panel.OnMouseMove(0, {0, 0});
    EXPECT_EQ(owner->stopped, std::vector<int>{57});

    CVPSPPushBtn* autoStart = panel.GetAutoStart();
    ASSERT_TRUE(autoStart->IsVisible()) << "a won result shows the switch";
    EXPECT_EQ(autoStart->GetImageSet(), 0);
    owner->Forget();
    Click(panel, *autoStart);
    EXPECT_EQ(autoStart->GetImageSet(), 1);
    EXPECT_TRUE(owner->room.autoStartOn);
    Click(panel, *autoStart);
    EXPECT_EQ(autoStart->GetImageSet(), 0);
    EXPECT_TRUE(owner->Sounds().empty() && owner->answers.empty()) << "the switch answers nothing";

    owner->room.autoStart.roomKind = 20;
    panel.SetRoundResult(Round(0, 100, 0));
    EXPECT_FALSE(autoStart->IsVisible()) << "no switch in a tournament room";
}

TEST_F(ResultPanel, ResetHidesEveryChildAndTheEventMark)
{
    owner->room.eventRoomInPlay = true;
    RoundResult body = Round(0, 100, 0);
    body.eventMark = 1;
    body.winInfo.shakeCount = 2;
    panel.SetRoundResult(body);
    StepFor(2000);
    panel.SetItemShown(true);
    ASSERT_TRUE(owner->eventMark);
    ASSERT_TRUE(panel.GetMultiplierText()->IsVisible());
    panel.Reset();
    EXPECT_FALSE(panel.IsVisible());
    EXPECT_TRUE(VisibleChildren(panel).empty());
    EXPECT_FALSE(owner->eventMark);
    EXPECT_FALSE(panel.IsItemShown());
    EXPECT_EQ(panel.GetMultiplier(), 1);
    const Point shadowAt = CVResultWnd::kPosition + Point{0, 323};
    EXPECT_EQ(panel.GetShadow()->GetPos(), shadowAt);
}

TEST_F(ResultPanel, EventAndTournamentResults)
{
    EventRoundResult shared;
    shared.resultKind = 10;
    shared.moneyChange = {-7, 0};
    owner->room.roomKind = 32;
    panel.SetEventResult(shared);
    const std::vector<Button> sharedButtons{Button::EventOkLeft, Button::Rechallenge};
    EXPECT_EQ(ShownButtons(panel), sharedButtons);
    EXPECT_EQ(static_cast<const CVPSPPushBtn*>(panel.GetButton(Button::Rechallenge))->GetImageSet(), 1);
    EXPECT_EQ(panel.GetMoney()->GetGlyphCount(), 3) << "-3냥: half, toward zero";
    EXPECT_EQ(panel.GetNote()->GetText(), "(이벤트 기금 적립: 10%)");
    owner->Forget();
    panel.OnKeyDown(VK_F2, 0, 0);
    EXPECT_EQ(owner->answers, std::vector<Answer>{Answer::Rechallenge});

    EventRoundResult lost;
    lost.winnerKey = 200;
    lost.moneyChange = {-5000, 5000};
    panel.SetEventResult(lost);
    EXPECT_EQ(ShownButtons(panel), std::vector<Button>{Button::EventOkRight});
    EXPECT_EQ(panel.GetNoticeIcon()->GetFrame(), 7);
    EXPECT_EQ(panel.GetContinueArt()->GetFrame(), 0);
    lost.winnerKey = 999;
    panel.SetEventResult(lost);
    EXPECT_FALSE(panel.IsVisible()) << "a winner not seated shows nothing";

    TournamentRoundResult t;
    t.resultKind = 2;
    t.winnerKey = 100;
    t.winInfo.winnerSeat = 0;
    panel.SetTournamentResult(t);
    EXPECT_EQ(ShownButtons(panel), std::vector<Button>{Button::TournamentOk});
    EXPECT_EQ(panel.GetMoney()->GetGlyphCount(), 3) << "0-0";
    EXPECT_EQ(panel.GetNoticeIcon()->GetFrame(), 4);
    owner->Forget();
    panel.OnKeyDown(VK_SPACE, 0, 0);
    EXPECT_EQ(owner->answers, std::vector<Answer>{Answer::TournamentOk});
    EXPECT_FALSE(panel.IsVisible());
    t.resultKind = 8;
    panel.SetTournamentResult(t);
    EXPECT_FALSE(panel.IsVisible()) << "kind 8 is no tournament ending";
}

// The scene's panel: shown by the scene, answered with Space, and drawn for a person to look at.
class ResultScene : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        Seat();
        auto& players = Scene().room.seats.players;
        players[0].nickname = "하나";
        players[1].nickname = "두리";
        players[0].screenSlot = 0;
        players[1].screenSlot = 1;
        Scene().room.roomState = static_cast<int32_t>(RoomState::RoundOver);
        host.Forget();
        ASSERT_TRUE(Scene().resultWidgets.result);
    }
    CVResultWnd& Result() { return *Scene().resultWidgets.result; }
    void StepFor(uint32_t ms)
    {
        for (uint32_t t = 0; t < ms; t += 50) {
            Clock::Advance(50);
            Scene().StepResult();
        }
    }
    // Draws the room and writes it beside the test program; the pixels for checks.
    std::vector<Rgb> Screenshot(const std::string& name)
    {
        GDDScreen* screen = wnd->GetScreen();
        std::vector<Rgb> pixels;
        if (!screen || !screen->GetBackBuffer()) return pixels;
        Scene().SetRedrawAll(true);
        Scene().RenderScreen();
        std::vector<uint8_t> rgb;
        const SurfaceLock lock(screen->GetBackBuffer(), DDLOCK_WAIT | DDLOCK_READONLY);
        if (!lock.View().IsValid()) return pixels;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                const Rgb c = UnpackRgb(screen->GetPixelMode(), lock.View().PixelAt(x, y));
                pixels.push_back(c);
                rgb.insert(rgb.end(), {c.r, c.g, c.b});
            }
        char exe[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        const std::string path = std::string(exe).substr(0, std::string(exe).find_last_of("\\/") + 1) + name;
        EXPECT_TRUE(WritePng(path, 800, 600, rgb)) << path;
        std::printf("screenshot: %s\n", path.c_str());
        return pixels;
    }
};

TEST_F(ResultScene, SpaceAnswersOkAndTheSceneClosesTheResult)
{
    Scene().ShowRoundResult(Round(0, 100, 0));
    ASSERT_TRUE(Result().IsVisible());
    EXPECT_NE(host.chat.find("하나님 승리!!"), std::string::npos) << host.chat;
    host.Forget();
    Scene().OnKeyDown(VK_SPACE, 0, 0);
    EXPECT_EQ(host.sent, std::vector<GameRequest>{GameRequest(Requests::ResultChoice{0, Scene().options.skin})});
    EXPECT_FALSE(Result().IsVisible());
    EXPECT_FALSE(Scene().resultWidgets.resultBox->IsVisible());

    Scene().ShowRoundResult(Round(3, 100, 0));
    EXPECT_FALSE(Result().IsVisible());
    EXPECT_FALSE(Scene().resultWidgets.resultBox->IsVisible()) << "a rejected result leaves the table undimmed";
    EXPECT_TRUE(host.sent.size() == 1 && host.chat.empty()) << "and sends and prints nothing";
}

TEST_F(ResultScene, ScreenshotsOfAWonALostAndADrawnResult)
{
    RoundResult won = Round(0, 100, 0);
    won.winInfo.shakeCount = 1;
    won.winInfo.goPoints = 2;
    won.bakList = {{1, 0, 1, 0}};
    RoundResult lost = Round(0, 200, 1);
    lost.moneyChange = {-52000000, 52000000};
    lost.tungOffered = 1;
    RoundResult draw = Round(10, 0, -1);
    draw.drawCount = 2;
    const struct { const char* file; RoundResult body; } shots[] = {
        {"result_won.png", won}, {"result_lost.png", lost}, {"result_draw.png", draw}};
    const std::vector<Rgb> table = Screenshot("result_none.png");
    if (table.empty()) GTEST_SKIP() << "no back buffer to read";
    // Inside the panel's back, below its label, and outside the table under the dimming box.
    const auto at = [](const std::vector<Rgb>& px, int x, int y) { return px[static_cast<size_t>(y * 800 + x)]; };
    const auto same = [](Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; };
    for (const auto& s : shots) {
        Scene().ShowRoundResult(s.body);
        StepFor(2500);
        const std::vector<Rgb> px = Screenshot(s.file);
        ASSERT_EQ(px.size(), table.size()) << s.file;
        EXPECT_FALSE(same(at(px, 176, 139), at(table, 176, 139))) << s.file << ": the panel's back is not drawn";
        EXPECT_FALSE(same(at(px, 60, 300), at(table, 60, 300))) << s.file << ": the table is not dimmed";
        EXPECT_TRUE(same(at(px, 60, 560), at(table, 60, 560))) << s.file << ": the bottom bar stays as it was";
        EXPECT_TRUE(Result().GetMoney()->IsVisible()) << s.file;
        Scene().HideRoundResult();
    }
}
