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
        if (!c.atOnce) {
            EXPECT_EQ(panel.GetState(), State::Opening) << c.name;
            EXPECT_EQ(panel.GetBack()->GetSubAnimation(), Notify::kOpeningClip) << c.name;
            EXPECT_TRUE(Owner().played.empty()) << c.name << ": a sound before the prompt is open";
        }
        for (int i = 0; i < 40; ++i) Clock::Advance(50), panel.Step();  // well past the opening
        EXPECT_EQ(panel.GetState(), State::Open) << c.name;
        EXPECT_EQ(panel.GetBack()->GetSubAnimation(), c.kind) << c.name;
        EXPECT_TRUE(panel.GetBack()->IsPlaying()) << c.name << ": the kind's clip loops";
        EXPECT_EQ(Owner().played, std::vector<int>{c.sound}) << c.name;
    }
}

TEST_F(NotifyPanel, ClosingStopsTheGoSoundAndSendsTheCardsHomeFaceDown)
{
    ASSERT_EQ(panel.ShowChoice(5, {20, 33}), 1);
    StepUntilOpen(panel);
    ASSERT_TRUE(panel.GetCardWnd(0)->IsVisible());
    EXPECT_NE(panel.GetCardWnd(0)->GetPos(), panel.GetCardWnd(0)->GetHome());
    ASSERT_EQ(panel.Show(19, {3, 100, 1}), 1) << "a new notice replaces the card choice";
    StepUntilOpen(panel);
    Owner().Forget();
    EXPECT_EQ(panel.Close(), 1);
    EXPECT_EQ(Owner().stopped, std::vector<int>{30});
    for (int i = 0; i < Notify::kCardWindows; ++i) {
        const CVHTWnd* card = panel.GetCardWnd(i);
        EXPECT_EQ(card->GetPos(), card->GetHome()) << i;
        EXPECT_EQ(card->GetImageFrame(), CVHTWnd::kBackFrame) << i;
        EXPECT_EQ(card->GetFace().cardId, kNoCard) << i;
    }
    for (GVWnd* child : panel.Children()) EXPECT_FALSE(child->IsVisible());
    EXPECT_EQ(panel.GetState(), State::Closed);
    EXPECT_EQ(panel.Close(), 0) << "closing a closed prompt";
    EXPECT_EQ(Owner().stopped, std::vector<int>{30}) << "closing twice stops once";
    ASSERT_EQ(panel.ShowChoice(5, {20, 33}), 1);
    Owner().Forget();
    panel.Close();
    EXPECT_TRUE(Owner().stopped.empty()) << "a card choice plays no go sound";
}

TEST_F(NotifyPanel, ValuesOutsideTheirRangesOpenNothing)
{
    const struct { const char* name; std::function<int(CVNotifyWnd&)> show; int result; bool stillOpen; } cases[] = {
        {"notice kind 5", [](CVNotifyWnd& w) { return w.Show(5, {}); }, 0, true},
        {"notice kind 29", [](CVNotifyWnd& w) { return w.Show(29, {}); }, 0, true},
        {"choice kind 6", [](CVNotifyWnd& w) { return w.ShowChoice(6, {1}); }, 0, true},
        {"hand mission of kind 9", [](CVNotifyWnd& w) { return w.ShowHandMission(9, 0, 0, 1); }, 0, true},
        {"hand mission -1", [](CVNotifyWnd& w) { return w.ShowHandMission(27, -1, 0, 1); }, 0, false},
        {"hand mission 15", [](CVNotifyWnd& w) { return w.ShowHandMission(27, 15, 0, 1); }, 0, false},
        {"five cards", [](CVNotifyWnd& w) { return w.ShowChoice(1, {1, 2, 3, 4, 5}); }, 1, false},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(panel.Show(7, {0, 5000}), 1) << c.name;
        EXPECT_EQ(c.show(panel), c.result) << c.name;
        EXPECT_EQ(panel.IsVisible(), c.stillOpen) << c.name;
        EXPECT_EQ(panel.GetKind(), 7) << c.name << ": the shown kind stays";
    }
    const Point at = panel.GetPos();
    for (const int layout : {-1, 3, 1}) {
        panel.SetLayout(layout);
        EXPECT_EQ(panel.GetPos(), at) << layout;
    }
    ASSERT_EQ(panel.Show(19, {0, 0, 40}), 1);
    EXPECT_EQ(panel.GetYesButton()->GetImageSet(), 0) << "a go count past the image sets";
}

TEST_F(NotifyPanel, AnswersOnlyWhatCanBeAnswered)
{
    using Act = std::function<void(CVNotifyWnd&)>;
    const Act f1 = [](CVNotifyWnd& w) { w.OnKeyDown(VK_F1, 1, 0); };
    const Act f2 = [](CVNotifyWnd& w) { w.OnKeyDown(VK_F2, 1, 0); };
    const Act yes = [](CVNotifyWnd& w) { ClickButton(w, *w.GetYesButton()); };
    const Act card1 = [](CVNotifyWnd& w) { Click(w, *w.GetCardWnd(1)); };
    const struct {
        const char* name;
        std::function<int(CVNotifyWnd&)> show;
        Act act;
        std::vector<Reply> replies;
        int clickSounds;
    } cases[] = {
        {"a click answers and sounds", [](CVNotifyWnd& w) { return w.Show(23, {0, 100}); }, yes, {{Request::Bet, 1, 2}}, 1},
        {"a key does not sound", [](CVNotifyWnd& w) { return w.Show(23, {0, 100}); }, f1, {{Request::Bet, 1, 2}}, 0},
        {"Space is no key of the prompt", [](CVNotifyWnd& w) { return w.Show(22, {}); },
         [](CVNotifyWnd& w) { w.OnKeyDown(VK_SPACE, 1, 0); }, {}, 0},
        {"one card offered: F2 has none to send", [](CVNotifyWnd& w) { return w.ShowChoice(5, {20}); }, f2, {}, 0},
        {"card choice: disabled buttons take no click", [](CVNotifyWnd& w) { return w.ShowChoice(5, {20, 33}); }, yes,
         {}, 0},
        {"card choice: a click on a card", [](CVNotifyWnd& w) { return w.ShowChoice(5, {20, 33}); }, card1,
         {{Request::CardChoice, 33}}, 1},
        {"card notice: a click on a card only sounds", [](CVNotifyWnd& w) { return w.ShowChoice(1, {20, 33}); }, card1,
         {}, 1},
        {"kind 27 through Show has no buttons", [](CVNotifyWnd& w) { return w.Show(27, {0, 1}); }, f1, {}, 0},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.show(panel), 1) << c.name;
        StepUntilOpen(panel);
        Owner().Forget();
        c.act(panel);
        EXPECT_EQ(Owner().replies, c.replies) << c.name;
        EXPECT_EQ(panel.IsVisible(), c.replies.empty()) << c.name << ": an answer hides the prompt";
        EXPECT_EQ(std::count(Owner().played.begin(), Owner().played.end(), 20), c.clickSounds) << c.name;
    }
    ASSERT_EQ(panel.Show(22, {0, 100}), 1);
    Owner().Forget();
    panel.OnKeyDown(VK_F1, 1, 0);
    EXPECT_TRUE(Owner().replies.empty()) << "during the opening the buttons are not out yet";
}

TEST_F(NotifyScene, EachDecisionSendsItsRequestByF1F2AndAClick)
{
    using Req = GameRequest;
    using Show = std::function<int(CMirelleVWS&)>;
    const struct { const char* name; Show show; DecisionKind phase; Req yes, no; bool clickCard = false; } cases[] = {
        {"request 14", [](CMirelleVWS& s) { return s.ShowNotify(18); }, DecisionKind::NoticeChoice18,
         Requests::Request14{0, 1}, Requests::Request14{0, 0}},
        {"go or stop", [](CMirelleVWS& s) { return s.ShowNotify(19, 5, 1000, 1); }, DecisionKind::GoOrStop,
         Requests::GoOrStop{0, 1}, Requests::GoOrStop{0, 0}},
        {"go or stop of kind 26", [](CMirelleVWS& s) { return s.ShowNotify(26, 5, -1, 2); }, DecisionKind::GoOrStop,
         Requests::GoOrStop{0, 1}, Requests::GoOrStop{0, 0}},
        {"go or stop of kind 28", [](CMirelleVWS& s) { return s.ShowNotify(28, 5, 1000); }, DecisionKind::GoOrStop,
         Requests::GoOrStop{0, 1}, Requests::GoOrStop{0, 0}},
        {"September animal", [](CMirelleVWS& s) { return s.ShowNotify(20, 7); }, DecisionKind::SeptAnimal,
         Requests::SeptAnimalChoice{0, 1, 32}, Requests::SeptAnimalChoice{0, 0, 32}},
        {"game ready", [](CMirelleVWS& s) { return s.ShowNotify(21, 5000, 10000); }, DecisionKind::GameReady,
         Requests::GameReadyAnswer{1}, Requests::GameReadyAnswer{0}},
        {"bet kind 1", [](CMirelleVWS& s) { return s.ShowNotify(22, 0, 3000); }, DecisionKind::Bet, Requests::Bet{1, 1},
         Requests::Bet{0, 0}},
        {"bet kind 2", [](CMirelleVWS& s) { return s.ShowNotify(23, 0, 3000); }, DecisionKind::Bet, Requests::Bet{1, 2},
         Requests::Bet{0, 0}},
        {"bet kind 3", [](CMirelleVWS& s) { return s.ShowNotify(24, 0, 3000); }, DecisionKind::Bet, Requests::Bet{1, 3},
         Requests::Bet{0, 0}},
        {"request 11", [](CMirelleVWS& s) { return s.ShowNotifySimple(3, {4, 5}); }, DecisionKind::NoticeChoice,
         Requests::Request11{1}, Requests::Request11{0}},
        {"card choice; the click is on the second card", [](CMirelleVWS& s) { return s.ShowNotifySimple(5, {44, 9}); },
         DecisionKind::CardChoice, Requests::CardChoice{0, 44}, Requests::CardChoice{0, 9}, true},
    };
    enum class By { F1, F2, Click };
    for (const auto& c : cases)
        for (const By by : {By::F1, By::F2, By::Click}) {
            host.Forget();
            ASSERT_EQ(c.show(Scene()), 1) << c.name;
            Scene().timers.phaseTimerKind = c.phase;
            StepUntilOpen(Prompt());
            if (by == By::Click && c.clickCard) Click(Scene(), *Prompt().GetCardWnd(1));
            else if (by == By::Click) ClickButton(Scene(), *Prompt().GetYesButton());
            else EXPECT_TRUE(Scene().AnswerNotifyByKey(by == By::F1 ? VK_F1 : VK_F2)) << c.name;
            const Req& expected = by == By::F2 || (by == By::Click && c.clickCard) ? c.no : c.yes;
            EXPECT_EQ(host.sent, std::vector<Req>{expected}) << c.name << " by " << static_cast<int>(by);
            EXPECT_FALSE(Prompt().IsVisible()) << c.name << ": the answer hides the prompt";
        }
    ASSERT_EQ(Scene().ShowNotify(18), 1);
    Scene().timers.phaseTimerKind = DecisionKind::GoOrStop;
    StepUntilOpen(Prompt());
    host.Forget();
    EXPECT_TRUE(Scene().AnswerNotifyByKey(VK_F1));
    EXPECT_TRUE(host.sent.empty()) << "an answer outside its decision is refused by its sender";
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
        {"bet prompt only hides", [](CMirelleVWS& s) { return s.ShowNotify(22, 0, 3000); }, DecisionKind::BetPrompt,
         std::nullopt},
    };
    for (const auto& c : cases) {
        host.Forget();
        ASSERT_EQ(c.show(Scene()), 1) << c.name;
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

// Kinds 4 and 7 drawn in the room and written beside the test program for a person to look at.
TEST_F(NotifyScene, ScreenshotsOfACardNoticeAndAPpeokNotice)
{
    GDDScreen* screen = wnd->GetScreen();
    ASSERT_TRUE(screen && screen->GetBackBuffer());
    const auto take = [&](const std::string& name) {
        Scene().SetRedrawAll(true);
        Scene().RenderScreen();
        std::vector<Rgb> pixels;
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
    };
    const auto whiteIn = [](const std::vector<Rgb>& px, const Rect& r) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const Rgb c = px[static_cast<size_t>(y * 800 + x)];
                n += c.r > 0xE0 && c.g > 0xE0 && c.b > 0xE0;
            }
        return n;
    };

    ASSERT_EQ(Scene().ShowNotifySimple(4, {45, 0, 17, 9}), 1);
    const std::vector<Rgb> cards = take("notify_kind4.png");
    ASSERT_EQ(cards.size(), 800u * 600u);
    const Point first = Prompt().GetCardWnd(0)->GetPos();
    EXPECT_EQ(first, (Notify::kLayoutPosition + Point{43, 80})) << "the sorted row's first card";
    const Rgb face = cards[static_cast<size_t>((first.y + 30) * 800 + first.x + 18)];
    EXPECT_GT(face.r + face.g, 200) << "card 0's light face where the table is dark";

    // Opened by the room's tick, as in play.
    ASSERT_EQ(Scene().ShowNotify(7, 0, 1234567), 1);
    for (int i = 0; i < 60 && Prompt().GetState() != State::Open; ++i) Clock::Advance(50), Scene().Tick();
    EXPECT_EQ(Prompt().GetState(), State::Open);
    const std::vector<Rgb> ppeok = take("notify_kind7.png");
    Scene().HideNotify();
    const std::vector<Rgb> closed = take("notify_closed.png");
    ASSERT_EQ(ppeok.size(), closed.size());
    const Rect line(Notify::kLayoutPosition + Point{30, 70}, Size{181, 14});
    EXPECT_GT(whiteIn(ppeok, line), whiteIn(closed, line) + 40) << "the value line's ink";
}
