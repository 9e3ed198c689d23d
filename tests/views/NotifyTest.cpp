#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "graphics/resources/SurfaceLock.h"
#include "graphics/resources/core/PixelFormat.h"
#include "RoomPanelSupport.h"
#include "scene/ScenePrompt.h"
#include "toolkit/GDDScreen.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVNotifyWnd.h"
#include "views/CVPSPPushBtn.h"
#include "scene/RoomView.h"

namespace {

using DecisionKind = SceneRules::DecisionKind;
using State = CVNotifyWnd::State;
using Notify::Reply;
using Notify::Request;

// A prompt of its own on the room's images that keeps what it asks of its owner.
class RecordingOwner final : public SceneImagesOwner<NotifyOwner, CVNotifyWnd> {
public:
    using SceneImagesOwner::SceneImagesOwner;
    Notify::NotifyRoom GetNotifyRoom() const override { return {false, 0, true}; }
    void SendNotifyReply(const Reply& reply) override { replies.push_back(reply); }
    void HideNotify() override { wnd->Close(); }
    void PlayNotifySound(SoundId id) override { played.push_back(static_cast<int>(id)); }
    void StopNotifySound(SoundId id) override { stopped.push_back(static_cast<int>(id)); }
    void Forget() { replies.clear(), played.clear(), stopped.clear(); }

    std::vector<Reply> replies;
    std::vector<int> played, stopped;
};

// A notice to open: Show (kind 6..28), ShowChoice (cards) or ShowHandMission (mission id).
struct Open {
    enum class By { Show, Choice, Mission } by = By::Show;
    int kind = 0;
    Notify::NoticeArgs args;
    std::vector<int32_t> cards;
};
Open N(int kind, Notify::NoticeArgs args = {}) { return {Open::By::Show, kind, args, {}}; }
Open C(int kind, std::vector<int32_t> cards) { return {Open::By::Choice, kind, {}, std::move(cards)}; }
Open M(int id) { return {Open::By::Mission, 27, {id}, {}}; }

int OpenOn(CVNotifyWnd& w, const Open& o)
{
    if (o.by == Open::By::Choice) return w.ShowChoice(o.kind, o.cards);
    if (o.by == Open::By::Mission) return w.ShowHandMission(o.kind, o.args.a2, 0, 700);
    return w.Show(o.kind, o.args);
}
int OpenOn(CMirelleVWS& s, const Open& o)
{
    if (o.by == Open::By::Choice) return s.Prompt().ShowNotifySimple(o.kind, o.cards);
    if (o.by == Open::By::Mission) return s.Prompt().ShowMissionNotify(o.kind, o.args.a2, 0, 700);
    const Notify::NoticeArgs& a = o.args;
    return s.Prompt().ShowNotify(o.kind, a.a2, a.money, a.goCount, a.a6, a.a7);
}

// Press and release through the mouse routing of the panel or the scene. A card row may reach
// down over the buttons' middle, so a button is clicked near its left edge.
template <class Target>
void Click(Target& target, const GVWnd& child, bool nearLeft = false)
{
    const Rect r = child.GetRect();
    const Point p{nearLeft ? r.left + 4 : r.left + r.Width() / 2, r.top + r.Height() / 2};
    target.OnLButtonDown(MK_LBUTTON, p);
    target.OnLButtonUp(0, p);
}

// The prompt made apart from the scene's, so that its sounds and answers can be counted.
class NotifyPanel : public RoomPanelFixture<CVNotifyWnd, RecordingOwner> {
protected:
    RecordingOwner& Owner() { return *owner; }
    CVNotifyWnd& Prompt() { return *Scene().roomWidgets.notify; }
    // Steps the prompt every 50 ms until its opening has played (at most 3 s).
    static void StepUntilOpen(CVNotifyWnd& w)
    {
        for (int i = 0; i < 60 && w.GetState() == State::Opening; ++i) Clock::Advance(50), w.Step();
    }
};
// The room's own prompt, answering through the scene's senders.
using NotifyScene = NotifyPanel;

}  // namespace

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
        EXPECT_TRUE(card->GetPos() == card->GetHome() && card->GetImageFrame() == CVHTWnd::kBackFrame &&
                    card->GetFace().cardId == kNoCard) << "card " << i << " not home face down";
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
    const struct { const char* name; Open open; int result; bool stillOpen; } cases[] = {
        {"notice kind 5", N(5), 0, true},          {"notice kind 29", N(29), 0, true},
        {"choice kind 6", C(6, {1}), 0, true},     {"hand mission -1", M(-1), 0, false},
        {"hand mission 15", M(15), 0, false},      {"five cards", C(1, {1, 2, 3, 4, 5}), 1, false},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(panel.Show(7, {0, 5000}), 1) << c.name;
        EXPECT_EQ(OpenOn(panel, c.open), c.result) << c.name;
        EXPECT_EQ(panel.IsVisible(), c.stillOpen) << c.name;
        EXPECT_EQ(panel.GetKind(), 7) << c.name << ": the shown kind stays";
    }
    EXPECT_EQ(panel.ShowHandMission(9, 0, 0, 1), 0) << "only kind 27 is a hand mission";
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
    const Act space = [](CVNotifyWnd& w) { w.OnKeyDown(VK_SPACE, 1, 0); };
    const Act yes = [](CVNotifyWnd& w) { Click(w, *w.GetYesButton(), true); };
    const Act card1 = [](CVNotifyWnd& w) { Click(w, *w.GetCardWnd(1)); };
    const struct { const char* name; Open open; Act act; std::vector<Reply> replies; int clickSounds; } cases[] = {
        {"a click answers and sounds", N(23), yes, {{Request::Bet, 1, 2}}, 1},
        {"a key does not sound", N(23), f1, {{Request::Bet, 1, 2}}, 0},
        {"Space is no key of the prompt", N(22), space, {}, 0},
        {"one card offered: F2 has none to send", C(5, {20}), f2, {}, 0},
        {"card choice: disabled buttons take no click", C(5, {20, 33}), yes, {}, 0},
        {"card choice: a click on a card", C(5, {20, 33}), card1, {{Request::CardChoice, 33}}, 1},
        {"card notice: a click on a card only sounds", C(1, {20, 33}), card1, {}, 1},
        {"kind 27 through Show has no buttons", N(27, {0, 1}), f1, {}, 0},
        {"a hand mission has no buttons", M(3), f1, {}, 0},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(OpenOn(panel, c.open), 1) << c.name;
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

// The round's decision replay answers request 14, go or stop, the September animal and the ready
// question, and times out go or stop and the own bet.
TEST_F(NotifyScene, EachDecisionSendsItsRequestByF1F2AndAClick)
{
    using Req = GameRequest;
    using D = DecisionKind;
    namespace R = Requests;
    const struct { const char* name; Open open; D phase; Req yes, no; bool clickCard = false; } cases[] = {
        {"bet kind 1", N(22, {0, 3000}), D::Bet, R::Bet{1, 1}, R::Bet{0, 0}},
        {"bet kind 2", N(23, {0, 3000}), D::Bet, R::Bet{1, 2}, R::Bet{0, 0}},
        {"bet kind 3", N(24, {0, 3000}), D::Bet, R::Bet{1, 3}, R::Bet{0, 0}},
        {"month choice", C(3, {4, 5}), D::MonthChoice, R::MonthChoice{1}, R::MonthChoice{0}},
        {"card choice; the click is on the second card", C(5, {44, 9}), D::CardChoice, R::CardChoice{0, 44},
         R::CardChoice{0, 9}, true},
    };
    enum class By { F1, F2, Click };
    for (const auto& c : cases)
        for (const By by : {By::F1, By::F2, By::Click}) {
            host.Forget();
            ASSERT_EQ(OpenOn(Scene(), c.open), 1) << c.name;
            Scene().timers.phaseTimerKind = c.phase;
            StepUntilOpen(Prompt());
            if (by == By::Click && c.clickCard) Click(Scene(), *Prompt().GetCardWnd(1));
            else if (by == By::Click) Click(Scene(), *Prompt().GetYesButton(), true);
            else EXPECT_TRUE(Scene().Prompt().AnswerNotifyByKey(by == By::F1 ? VK_F1 : VK_F2)) << c.name;
            const Req& expected = by == By::F2 || (by == By::Click && c.clickCard) ? c.no : c.yes;
            EXPECT_EQ(host.sent, std::vector<Req>{expected}) << c.name << " by " << static_cast<int>(by);
            EXPECT_FALSE(Prompt().IsVisible()) << c.name << ": the answer hides the prompt";
        }
    ASSERT_EQ(Scene().Prompt().ShowNotify(18), 1);
    Scene().timers.phaseTimerKind = DecisionKind::GoOrStop;
    StepUntilOpen(Prompt());
    host.Forget();
    EXPECT_TRUE(Scene().Prompt().AnswerNotifyByKey(VK_F1));
    EXPECT_TRUE(host.sent.empty()) << "an answer outside its decision is refused by its sender";
    EXPECT_FALSE(Scene().Prompt().AnswerNotifyByKey(VK_F1)) << "a hidden prompt takes no key";
}

TEST_F(NotifyScene, ATimedOutDecisionIsAnsweredAndHidesThePrompt)
{
    using Req = GameRequest;
    const struct { const char* name; Open open; DecisionKind phase; std::optional<Req> sent; } cases[] = {
        {"card choice sends the first card", C(5, {44, 9}), DecisionKind::CardChoice, Req(Requests::CardChoice{1, 44})},
        {"bet prompt only hides", N(22, {0, 3000}), DecisionKind::BetPrompt, std::nullopt},
    };
    for (const auto& c : cases) {
        host.Forget();
        ASSERT_EQ(OpenOn(Scene(), c.open), 1) << c.name;
        Scene().timers.phaseTimerKind = c.phase;
        Scene().OnPhaseTimeout();
        EXPECT_EQ(host.sent, c.sent ? std::vector<Req>{*c.sent} : std::vector<Req>{}) << c.name;
        EXPECT_FALSE(Prompt().IsVisible()) << c.name;
    }
    ASSERT_EQ(Scene().Prompt().ShowNotify(7, 0, 100), 1);
    Scene().timers.phaseTimerKind = DecisionKind::PlayCard;
    Scene().OnPhaseTimeout();
    EXPECT_TRUE(Prompt().IsVisible()) << "the own turn's time-out leaves a notice alone";
}

// Kinds 4 and 7 drawn by the room.
TEST_F(NotifyScene, DrawsACardNoticeAndAPpeokNotice)
{
    GDDScreen* screen = wnd->GetScreen();
    ASSERT_TRUE(screen && screen->GetBackBuffer());
    // Pixels near white in the area, and the colour at `at`, of the room drawn whole.
    const auto draw = [&](const Rect& area, Point at, Rgb& colour) {
        Scene().SetRedrawAll(true);
        Scene().RenderScreen();
        const SurfaceLock lock(screen->GetBackBuffer(), DDLOCK_WAIT | DDLOCK_READONLY);
        EXPECT_TRUE(lock.View().IsValid());
        if (!lock.View().IsValid()) return -1;
        colour = UnpackRgb(screen->GetPixelMode(), lock.View().PixelAt(at.x, at.y));
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const Rgb c = UnpackRgb(screen->GetPixelMode(), lock.View().PixelAt(x, y));
                n += c.r > 0xE0 && c.g > 0xE0 && c.b > 0xE0;
            }
        return n;
    };

    ASSERT_EQ(Scene().Prompt().ShowNotifySimple(4, {45, 0, 17, 9}), 1);
    const Point first = Prompt().GetCardWnd(0)->GetPos();
    EXPECT_EQ(first, (Notify::kLayoutPosition + Point{43, 80})) << "the sorted row's first card";
    Rgb face{}, ignored{};
    draw({}, first + Point{4, 30}, face);  // beside the month digits
    EXPECT_GT(face.r + face.g, 200) << "card 0's light face where the table is dark";

    // Opened by the room's tick, as in play.
    ASSERT_EQ(Scene().Prompt().ShowNotify(7, 0, 1234567), 1);
    for (int i = 0; i < 60 && Prompt().GetState() != State::Open; ++i) Clock::Advance(50), Scene().Tick();
    EXPECT_EQ(Prompt().GetState(), State::Open);
    const Rect line(Notify::kLayoutPosition + Point{30, 70}, Size{181, 14});
    const int open = draw(line, {}, ignored);
    Scene().Prompt().HideNotify();
    EXPECT_GT(open, draw(line, {}, ignored) + 40) << "the value line's ink";
}
