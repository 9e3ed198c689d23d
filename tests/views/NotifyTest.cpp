#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Png.h"
#include "graphics/resources/SurfaceLock.h"
#include "graphics/resources/core/PixelFormat.h"
#include "support/RoomTestSupport.h"
#include "toolkit/GDDScreen.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVNotifyWnd.h"
#include "views/CVPSPPushBtn.h"

namespace {

using DecisionKind = SceneRules::DecisionKind;
using State = CVNotifyWnd::State;
using Notify::Line;
using Notify::Reply;
using Notify::Request;

// A prompt of its own on the room's images that keeps what it asks of its owner.
class RecordingOwner final : public NotifyOwner {
public:
    explicit RecordingOwner(CMirelleVWS& s) : scene(s) {}
    const std::string& GetImageRoot() const override { return scene.GetImageRoot(); }
    LoadErrorSink& GetLoadErrorSink() override { return scene; }
    Notify::NotifyRoom GetNotifyRoom() const override { return room; }
    void SendNotifyReply(const Reply& reply) override { replies.push_back(reply); }
    void HideNotify() override
    {
        ++hides;
        if (wnd) wnd->Close();
    }
    void PlayNotifySound(int id) override { played.push_back(id); }
    void StopNotifySound(int id) override { stopped.push_back(id); }
    void Forget() { replies.clear(), played.clear(), stopped.clear(), hides = 0; }

    CMirelleVWS& scene;
    CVNotifyWnd* wnd = nullptr;
    Notify::NotifyRoom room{false, 0, true};
    std::vector<Reply> replies;
    std::vector<int> played, stopped;
    int hides = 0;
};

Point Centre(const GVWnd& w)
{
    const Rect r = w.GetRect();
    return {r.left + r.Width() / 2, r.top + r.Height() / 2};
}

// Press and release on the child, through the mouse routing of the panel or the scene. A card row
// may reach down over the buttons' middle, so a button is clicked near its left edge.
template <class Target>
void ClickAt(Target& target, Point p)
{
    target.OnLButtonDown(MK_LBUTTON, p);
    target.OnLButtonUp(0, p);
}
template <class Target>
void Click(Target& target, const GVWnd& child)
{
    ClickAt(target, Centre(child));
}
template <class Target>
void ClickButton(Target& target, const GVWnd& button)
{
    ClickAt(target, Point{button.GetRect().left + 4, Centre(button).y});
}

// An open room with the own user seated, on the virtual clock.
class NotifyRoomTest : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        Seat();
        host.Forget();
    }

    // Steps the prompt every 50 ms until its opening has played (at most 3 s).
    static void StepUntilOpen(CVNotifyWnd& w)
    {
        for (int i = 0; i < 60 && w.GetState() == State::Opening; ++i) {
            Clock::Advance(50);
            w.Step();
        }
    }
    static void StepFor(CVNotifyWnd& w, uint32_t ms)
    {
        for (uint32_t t = 0; t < ms; t += 50) {
            Clock::Advance(50);
            w.Step();
        }
    }
};

// A prompt made apart from the scene's, so that its sounds and answers can be counted.
class NotifyPanel : public NotifyRoomTest {
protected:
    void SetUp() override
    {
        NotifyRoomTest::SetUp();
        if (HasFatalFailure()) return;
        recording = std::make_unique<RecordingOwner>(Scene());
        ASSERT_TRUE(panel.CreateChildren(Owner()));
        Owner().wnd = &panel;
    }
    // Its children go before the room's display does.
    void TearDown() override
    {
        panel.Release();
        NotifyRoomTest::TearDown();
    }
    // Made once the room is open.
    RecordingOwner& Owner() { return *recording; }

    std::unique_ptr<RecordingOwner> recording;
    CVNotifyWnd panel;
};

// The room's own prompt, answering through the scene's senders.
class NotifyScene : public NotifyRoomTest {
protected:
    CVNotifyWnd& Prompt() { return *Scene().roomWidgets.notify; }
};

}  // namespace

TEST_F(NotifyPanel, OpeningThenOpenPlaysItsSoundOnce)
{
    const struct { const char* name; std::function<int(CVNotifyWnd&)> show; int kind; bool atOnce; int sound; } cases[] = {
        {"ppeok notice", [](CVNotifyWnd& w) { return w.Show(7, {0, 5000}); }, 7, false, 32},
        {"go or stop", [](CVNotifyWnd& w) { return w.Show(19, {3, 100}); }, 19, false, 30},
        {"other seat's go", [](CVNotifyWnd& w) { return w.Show(10, {0, -100}); }, 10, false, 30},
        {"stake notice skips the opening", [](CVNotifyWnd& w) { return w.Show(13, {}); }, 13, true, 32},
        {"card notice skips the opening", [](CVNotifyWnd& w) { return w.ShowChoice(4, {3, 1}); }, 4, true, 32},
        {"card choice", [](CVNotifyWnd& w) { return w.ShowChoice(5, {3, 1}); }, 5, false, 32},
        {"hand mission", [](CVNotifyWnd& w) { return w.ShowHandMission(27, 3, 0, 700); }, 27, false, 32},
    };
    for (const auto& c : cases) {
        Owner().Forget();
        ASSERT_EQ(c.show(panel), 1) << c.name;
        EXPECT_TRUE(panel.IsVisible()) << c.name;
        if (!c.atOnce) {
            EXPECT_EQ(panel.GetState(), State::Opening) << c.name;
            EXPECT_EQ(panel.GetBack()->GetSubAnimation(), Notify::kOpeningClip) << c.name;
            EXPECT_TRUE(Owner().played.empty()) << c.name << ": a sound before the prompt is open";
            StepUntilOpen(panel);
        }
        EXPECT_EQ(panel.GetState(), State::Open) << c.name;
        EXPECT_EQ(panel.GetBack()->GetSubAnimation(), c.kind) << c.name;
        StepFor(panel, 2000);
        EXPECT_EQ(Owner().played, std::vector<int>{c.sound}) << c.name;
        EXPECT_TRUE(panel.GetBack()->IsPlaying()) << c.name << ": the kind's clip loops";
    }
}

TEST_F(NotifyPanel, WhatOpensWithEachNotice)
{
    using Children = std::vector<const GVWnd*>;
    const auto line = [this](Line l) { return panel.GetLine(l); };
    const struct { const char* name; std::function<int(CVNotifyWnd&)> show; Children shown; } cases[] = {
        {"ppeok: value line and caption", [](CVNotifyWnd& w) { return w.Show(7, {0, 5000}); },
         {line(Line::Value), panel.GetCaption()}},
        {"go or stop in a target-score room: stop mark and side money",
         [this](CVNotifyWnd& w) {
             Owner().room.targetScore = true;
             return w.Show(19, {3, 100, 1, 1, 1});
         },
         {line(Line::Value), panel.GetYesButton(), panel.GetNoButton(), panel.GetSideMoneyMark(), panel.GetStopMark()}},
        {"card notice of kind 0: side marks beside two cards",
         [](CVNotifyWnd& w) { return w.ShowChoice(0, {3, 40}); },
         {panel.GetSideMark(0), panel.GetCardWnd(0), panel.GetSideMark(1), panel.GetCardWnd(1)}},
        {"kind 27 through Show: no buttons", [](CVNotifyWnd& w) { return w.Show(27, {0, 5000}); },
         {line(Line::Value), panel.GetCaption()}},
        {"hand mission: two cards and two lines", [](CVNotifyWnd& w) { return w.ShowHandMission(27, 14, 1, 900); },
         {panel.GetCardWnd(0), panel.GetCardWnd(1), line(Line::Upper), line(Line::Lower)}},
    };
    for (const auto& c : cases) {
        Owner().room = {false, 0, true};
        ASSERT_EQ(c.show(panel), 1) << c.name;
        StepUntilOpen(panel);
        Children shown;
        for (GVWnd* child : panel.Children())
            if (child->IsVisible() && child != panel.GetBack()) shown.push_back(child);
        Children expected = c.shown;
        // Drawing order: compare as the children list holds them.
        Children ordered;
        for (GVWnd* child : panel.Children())
            for (const GVWnd* e : expected)
                if (child == e) ordered.push_back(child);
        EXPECT_EQ(shown, ordered) << c.name;
    }
    ASSERT_EQ(panel.ShowHandMission(27, 14, 1, 900), 1);
    EXPECT_EQ(panel.GetCardWnd(0)->GetPos(), (panel.GetBack()->GetPos() + Point{79, 77}));
    EXPECT_EQ(panel.GetCardWnd(1)->GetPos(), (panel.GetBack()->GetPos() + Point{127, 77}));
    EXPECT_EQ(panel.GetCardWnd(1)->GetFace().cardId, 33);
    EXPECT_EQ(panel.GetLine(Line::Lower)->GetText(), "9월 패 두장 조합");
}

TEST_F(NotifyPanel, ClosingStopsTheGoSoundAndSendsTheCardsHomeFaceDown)
{
    ASSERT_EQ(panel.ShowChoice(5, {20, 33}), 1);
    StepUntilOpen(panel);
    CVHTWnd* first = panel.GetCardWnd(0);
    ASSERT_TRUE(first->IsVisible());
    EXPECT_EQ(first->GetImageFrame(), 20);
    EXPECT_NE(first->GetPos(), first->GetHome());
    Owner().Forget();
    EXPECT_EQ(panel.Close(), 1);
    EXPECT_TRUE(Owner().stopped.empty()) << "a card choice plays no go sound";
    for (int i = 0; i < Notify::kCardWindows; ++i) {
        const CVHTWnd* card = panel.GetCardWnd(i);
        EXPECT_EQ(card->GetPos(), card->GetHome()) << i;
        EXPECT_EQ(card->GetImageFrame(), CVHTWnd::kBackFrame) << i;
        EXPECT_EQ(card->GetFace().cardId, kNoCard) << i;
        EXPECT_FALSE(card->IsVisible()) << i;
    }
    EXPECT_EQ(panel.GetState(), State::Closed);
    EXPECT_FALSE(panel.IsVisible());

    ASSERT_EQ(panel.Show(19, {3, 100, 1, 0, 0}), 1);
    StepUntilOpen(panel);
    Owner().Forget();
    EXPECT_EQ(panel.Close(), 1);
    EXPECT_EQ(Owner().stopped, std::vector<int>{30});
    for (GVWnd* child : panel.Children()) EXPECT_FALSE(child->IsVisible());
    EXPECT_EQ(panel.Close(), 0) << "closing a closed prompt";
    EXPECT_EQ(Owner().stopped, std::vector<int>{30}) << "closing twice stops once";
}

TEST_F(NotifyPanel, ValuesFromOutsideTheRangesOpenNothing)
{
    ASSERT_EQ(panel.Show(7, {0, 5000}), 1);
    const struct { const char* name; std::function<int(CVNotifyWnd&)> show; int result; bool stillOpen; } cases[] = {
        {"notice kind 5", [](CVNotifyWnd& w) { return w.Show(5, {}); }, 0, true},
        {"notice kind 29", [](CVNotifyWnd& w) { return w.Show(29, {}); }, 0, true},
        {"choice kind 6", [](CVNotifyWnd& w) { return w.ShowChoice(6, {1}); }, 0, true},
        {"hand mission of kind 9", [](CVNotifyWnd& w) { return w.ShowHandMission(9, 0, 0, 1); }, 0, true},
        {"hand mission -1 closes and shows nothing", [](CVNotifyWnd& w) { return w.ShowHandMission(27, -1, 0, 1); }, 0,
         false},
        {"hand mission 15", [](CVNotifyWnd& w) { return w.ShowHandMission(27, 15, 0, 1); }, 0, false},
        {"five cards close and open nothing", [](CVNotifyWnd& w) { return w.ShowChoice(1, {1, 2, 3, 4, 5}); }, 1,
         false},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(panel.Show(7, {0, 5000}), 1) << c.name;
        EXPECT_EQ(c.show(panel), c.result) << c.name;
        EXPECT_EQ(panel.IsVisible(), c.stillOpen) << c.name;
        EXPECT_EQ(panel.GetKind(), 7) << c.name << ": the shown kind stays";
    }
    const Point at = panel.GetPos();
    for (const int layout : {-1, 3, 1, 2, 0}) {
        panel.SetLayout(layout);
        EXPECT_EQ(panel.GetPos(), at) << layout;
    }
    ASSERT_EQ(panel.Show(19, {0, 0, 40}), 1) << "a go count past the image sets";
    EXPECT_EQ(panel.GetYesButton()->GetImageSet(), 0);
}

TEST_F(NotifyPanel, AnswersByKeyAndClick)
{
    struct Input {
        const char* name;
        std::function<void(CVNotifyWnd&)> act;
    };
    const Input f1{"F1", [](CVNotifyWnd& w) { w.OnKeyDown(VK_F1, 1, 0); }};
    const Input f2{"F2", [](CVNotifyWnd& w) { w.OnKeyDown(VK_F2, 1, 0); }};
    const Input yes{"click yes", [](CVNotifyWnd& w) { ClickButton(w, *w.GetYesButton()); }};
    const Input no{"click no", [](CVNotifyWnd& w) { ClickButton(w, *w.GetNoButton()); }};
    const Input card0{"click first card", [](CVNotifyWnd& w) { Click(w, *w.GetCardWnd(0)); }};
    const Input card1{"click second card", [](CVNotifyWnd& w) { Click(w, *w.GetCardWnd(1)); }};
    const Input space{"Space", [](CVNotifyWnd& w) { w.OnKeyDown(VK_SPACE, 1, 0); }};
    using Replies = std::vector<Reply>;
    const struct {
        const char* name;
        std::function<int(CVNotifyWnd&)> show;
        Input input;
        Replies replies;
        int clickSounds;
    } cases[] = {
        {"bet by F1", [](CVNotifyWnd& w) { return w.Show(22, {0, 100}); }, f1, {{Request::Bet, 1, 1}}, 0},
        {"bet by F2", [](CVNotifyWnd& w) { return w.Show(22, {0, 100}); }, f2, {{Request::Bet, 0, 0}}, 0},
        {"bet by a click", [](CVNotifyWnd& w) { return w.Show(23, {0, 100}); }, yes, {{Request::Bet, 1, 2}}, 1},
        {"go by a click on no", [](CVNotifyWnd& w) { return w.Show(26, {}); }, no, {{Request::GoOrStop, 0}}, 1},
        {"Space is no key of the prompt", [](CVNotifyWnd& w) { return w.Show(22, {0, 100}); }, space, {}, 0},
        {"card choice: F1 the first card", [](CVNotifyWnd& w) { return w.ShowChoice(5, {20, 33}); }, f1,
         {{Request::CardChoice, 20}}, 0},
        {"card choice: F2 the second card", [](CVNotifyWnd& w) { return w.ShowChoice(5, {20, 33}); }, f2,
         {{Request::CardChoice, 33}}, 0},
        {"card choice: a click on the second card", [](CVNotifyWnd& w) { return w.ShowChoice(5, {20, 33}); }, card1,
         {{Request::CardChoice, 33}}, 1},
        {"card choice of one card: F2 has no card to send", [](CVNotifyWnd& w) { return w.ShowChoice(5, {20}); }, f2,
         {}, 0},
        {"card choice: the disabled buttons take no click", [](CVNotifyWnd& w) { return w.ShowChoice(5, {20, 33}); },
         yes, {}, 0},
        {"card notice: a card click only sounds", [](CVNotifyWnd& w) { return w.ShowChoice(1, {20, 33}); }, card0, {},
         1},
        {"request 11 by F1", [](CVNotifyWnd& w) { return w.ShowChoice(3, {20}); }, f1, {{Request::Request11, 1}}, 0},
        {"kind 27 through Show cannot be answered", [](CVNotifyWnd& w) { return w.Show(27, {0, 1}); }, f1, {}, 0},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.show(panel), 1) << c.name;
        StepUntilOpen(panel);
        Owner().Forget();
        c.input.act(panel);
        EXPECT_EQ(Owner().replies, c.replies) << c.name << " by " << c.input.name;
        EXPECT_EQ(Owner().hides, c.replies.empty() ? 0 : 1) << c.name;
        EXPECT_EQ(panel.IsVisible(), c.replies.empty()) << c.name;
        EXPECT_EQ(std::count(Owner().played.begin(), Owner().played.end(), 20), c.clickSounds) << c.name;
    }
    // During the opening the buttons are not out yet: F1 does nothing.
    ASSERT_EQ(panel.Show(22, {0, 100}), 1);
    Owner().Forget();
    panel.OnKeyDown(VK_F1, 1, 0);
    EXPECT_TRUE(Owner().replies.empty());
}

TEST_F(NotifyScene, EachDecisionSendsItsRequestByF1F2AndClick)
{
    using Req = GameRequest;
    enum class By { F1, F2, ClickYes, ClickSecondCard };
    const struct {
        const char* name;
        std::function<int(CMirelleVWS&)> show;
        DecisionKind phase;
        By by;
        std::optional<Req> sent;
    } cases[] = {
        {"request 14 yes", [](CMirelleVWS& s) { return s.ShowNotify(18); }, DecisionKind::NoticeChoice18, By::F1,
         Req(Requests::Request14{0, 1})},
        {"request 14 no", [](CMirelleVWS& s) { return s.ShowNotify(18); }, DecisionKind::NoticeChoice18, By::F2,
         Req(Requests::Request14{0, 0})},
        {"go", [](CMirelleVWS& s) { return s.ShowNotify(19, 5, 1000, 1); }, DecisionKind::GoOrStop, By::ClickYes,
         Req(Requests::GoOrStop{0, 1})},
        {"stop", [](CMirelleVWS& s) { return s.ShowNotify(28, 5, 1000, 1); }, DecisionKind::GoOrStop, By::F2,
         Req(Requests::GoOrStop{0, 0})},
        {"go of kind 26", [](CMirelleVWS& s) { return s.ShowNotify(26, 5, 1000, 1); }, DecisionKind::GoOrStop, By::F1,
         Req(Requests::GoOrStop{0, 1})},
        {"September animal moves", [](CMirelleVWS& s) { return s.ShowNotify(20, 7); }, DecisionKind::SeptAnimal, By::F1,
         Req(Requests::SeptAnimalChoice{0, 1, 32})},
        {"September animal moves by a click", [](CMirelleVWS& s) { return s.ShowNotify(20, 18); },
         DecisionKind::SeptAnimal, By::ClickYes, Req(Requests::SeptAnimalChoice{0, 1, 32})},
        {"September animal stays", [](CMirelleVWS& s) { return s.ShowNotify(20, 7); }, DecisionKind::SeptAnimal,
         By::F2, Req(Requests::SeptAnimalChoice{0, 0, 32})},
        {"ready: yes", [](CMirelleVWS& s) { return s.ShowNotify(21, 5000, 10000); }, DecisionKind::GameReady, By::F1,
         Req(Requests::GameReadyAnswer{1})},
        {"ready: no", [](CMirelleVWS& s) { return s.ShowNotify(21, 5000, 10000); }, DecisionKind::GameReady, By::F2,
         Req(Requests::GameReadyAnswer{0})},
        {"bet kind 3", [](CMirelleVWS& s) { return s.ShowNotify(24, 0, 3000); }, DecisionKind::Bet, By::ClickYes,
         Req(Requests::Bet{1, 3})},
        {"bet refused", [](CMirelleVWS& s) { return s.ShowNotify(22, 0, 3000); }, DecisionKind::Bet, By::F2,
         Req(Requests::Bet{0, 0})},
        {"request 11 yes", [](CMirelleVWS& s) { return s.ShowNotifySimple(3, {4, 5}); }, DecisionKind::NoticeChoice,
         By::ClickYes, Req(Requests::Request11{1})},
        {"request 11 no", [](CMirelleVWS& s) { return s.ShowNotifySimple(3, {4, 5}); }, DecisionKind::NoticeChoice,
         By::F2, Req(Requests::Request11{0})},
        {"card choice by F1", [](CMirelleVWS& s) { return s.ShowNotifySimple(5, {44, 9}); }, DecisionKind::CardChoice,
         By::F1, Req(Requests::CardChoice{0, 44})},
        {"card choice by a click", [](CMirelleVWS& s) { return s.ShowNotifySimple(5, {44, 9}); },
         DecisionKind::CardChoice, By::ClickSecondCard, Req(Requests::CardChoice{0, 9})},
        {"an answer out of its decision is not sent", [](CMirelleVWS& s) { return s.ShowNotify(18); },
         DecisionKind::GoOrStop, By::F1, std::nullopt},
    };
    for (const auto& c : cases) {
        host.Forget();
        ASSERT_EQ(c.show(Scene()), 1) << c.name;
        Scene().timers.phaseTimerKind = c.phase;
        StepUntilOpen(Prompt());
        switch (c.by) {
        case By::F1: EXPECT_TRUE(Scene().AnswerNotifyByKey(VK_F1)) << c.name; break;
        case By::F2: EXPECT_TRUE(Scene().AnswerNotifyByKey(VK_F2)) << c.name; break;
        case By::ClickYes: ClickButton(Scene(), *Prompt().GetYesButton()); break;
        case By::ClickSecondCard: Click(Scene(), *Prompt().GetCardWnd(1)); break;
        }
        EXPECT_EQ(host.sent, c.sent ? std::vector<Req>{*c.sent} : std::vector<Req>{}) << c.name;
        EXPECT_FALSE(Prompt().IsVisible()) << c.name << ": the answer hides the prompt";
        Scene().timers.phaseTimerKind = DecisionKind::None;
    }
    EXPECT_FALSE(Scene().AnswerNotifyByKey(VK_F1)) << "a hidden prompt takes no key";
}

TEST_F(NotifyScene, ATimedOutDecisionIsAnsweredAndHidesThePrompt)
{
    using Req = GameRequest;
    const struct {
        const char* name;
        std::function<int(CMirelleVWS&)> show;
        DecisionKind phase;
        std::optional<Req> sent;
    } cases[] = {
        {"card choice sends the first card", [](CMirelleVWS& s) { return s.ShowNotifySimple(5, {44, 9}); },
         DecisionKind::CardChoice, Req(Requests::CardChoice{1, 44})},
        {"go or stop stops", [](CMirelleVWS& s) { return s.ShowNotify(19, 5, 1000, 1); }, DecisionKind::GoOrStop,
         Req(Requests::GoOrStop{1, 0})},
        {"request 11 answers no", [](CMirelleVWS& s) { return s.ShowNotifySimple(3, {4}); }, DecisionKind::NoticeChoice,
         Req(Requests::Request11{0})},
        {"bet prompt only hides", [](CMirelleVWS& s) { return s.ShowNotify(22, 0, 3000); }, DecisionKind::BetPrompt,
         std::nullopt},
    };
    for (const auto& c : cases) {
        host.Forget();
        ASSERT_EQ(c.show(Scene()), 1) << c.name;
        StepUntilOpen(Prompt());
        Scene().timers.phaseTimerKind = c.phase;
        Scene().OnPhaseTimeout();
        EXPECT_EQ(host.sent, c.sent ? std::vector<Req>{*c.sent} : std::vector<Req>{}) << c.name;
        EXPECT_FALSE(Prompt().IsVisible()) << c.name;
    }
    ASSERT_EQ(Scene().ShowNotify(7, 0, 100), 1);
    Scene().timers.phaseTimerKind = DecisionKind::PlayCard;
    Scene().OnPhaseTimeout();
    EXPECT_TRUE(Prompt().IsVisible()) << "the own turn's time-out leaves a notice alone";
}

TEST_F(NotifyScene, TheTickOpensThePrompt)
{
    ASSERT_EQ(Scene().ShowNotify(9, 0, 2000), 1);
    for (int i = 0; i < 60 && Prompt().GetState() != State::Open; ++i) {
        Clock::Advance(50);
        Scene().Tick();
    }
    EXPECT_EQ(Prompt().GetState(), State::Open);
    EXPECT_TRUE(Prompt().GetLine(Line::Value)->IsVisible());
    Scene().HideNotify();
    EXPECT_FALSE(Prompt().IsVisible());
}

// Kinds 4 and 7 drawn on the room, written beside the test program for a person to look at.
TEST_F(NotifyScene, ScreenshotsOfACardNoticeAndAPpeokNotice)
{
    GDDScreen* screen = wnd->GetScreen();
    ASSERT_TRUE(screen && screen->GetBackBuffer());
    const auto take = [&](const std::string& name) {
        Scene().SetRedrawAll(true);
        Scene().RenderScreen();
        std::vector<uint8_t> rgb;
        std::vector<Rgb> pixels;
        const SurfaceLock lock(screen->GetBackBuffer(), DDLOCK_WAIT | DDLOCK_READONLY);
        EXPECT_TRUE(lock.View().IsValid()) << name;
        if (!lock.View().IsValid()) return pixels;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                const Rgb c = UnpackRgb(screen->GetPixelMode(), lock.View().PixelAt(x, y));
                rgb.insert(rgb.end(), {c.r, c.g, c.b});
                pixels.push_back(c);
            }
        char exe[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        std::string path = exe;
        path = path.substr(0, path.find_last_of("\\/") + 1) + name;
        EXPECT_TRUE(WritePng(path, 800, 600, rgb)) << path;
        std::printf("screenshot: %s\n", path.c_str());
        return pixels;
    };
    const auto count = [](const std::vector<Rgb>& px, const Rect& r, auto pred) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += pred(px[static_cast<size_t>(y * 800 + x)]);
        return n;
    };
    const auto white = [](Rgb c) { return c.r > 0xE0 && c.g > 0xE0 && c.b > 0xE0; };

    ASSERT_EQ(Scene().ShowNotifySimple(4, {45, 0, 17, 9}), 1);
    const std::vector<Rgb> cards = take("notify_kind4.png");
    ASSERT_EQ(cards.size(), 800u * 600u);
    // The cards are sorted: 0 first. A card shows its light face where the table is dark green.
    const Point first = Prompt().GetCardWnd(0)->GetPos();
    EXPECT_EQ(first, (Notify::kLayoutPosition + Point{43, 80}));
    EXPECT_EQ(Prompt().GetCardWnd(3)->GetFace().cardId, 45);
    const Rgb face = cards[static_cast<size_t>((first.y + 30) * 800 + first.x + 18)];
    EXPECT_GT(face.r + face.g, 200) << "card face at the first card";

    ASSERT_EQ(Scene().ShowNotify(7, 0, 1234567), 1);
    StepUntilOpen(Prompt());
    const std::vector<Rgb> ppeok = take("notify_kind7.png");
    ASSERT_EQ(ppeok.size(), 800u * 600u);
    Scene().HideNotify();
    const std::vector<Rgb> closed = take("notify_closed.png");
    ASSERT_EQ(closed.size(), 800u * 600u);
    const Rect line(Notify::kLayoutPosition + Point{30, 70}, Size{181, 14});
    EXPECT_GT(count(ppeok, line, white), count(closed, line, white) + 40) << "the value line's ink";
}
