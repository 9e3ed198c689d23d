#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "NoteWnd.h"
#include "ToolkitTestSupport.h"
#include "toolkit/GVWS.h"

namespace {

class DirtyRender : public ScreenFixture {
protected:
    // Table 0 under three cards 1, 2, 3 (3 on top); one frame drawn whole, then the log is emptied.
    void BuildTable()
    {
        wnds.push_back(new NoteWnd(log, 0, {0, 0, 800, 600}));
        wnds.push_back(new NoteWnd(log, 1, {100, 100, 136, 155}));
        wnds.push_back(new NoteWnd(log, 2, {120, 120, 156, 175}));
        wnds.push_back(new NoteWnd(log, 3, {500, 300, 536, 355}));
        for (GVWnd* w : wnds) scene.AddWnd(w);
        scene.Render(kView, Back());
        log.drawn.clear();
    }

    static constexpr Rect kView{0, 0, 800, 600};
    Log log;
    GVWS scene;
    std::vector<GVWnd*> wnds;  // owned by the scene
};

}  // namespace

TEST_F(DirtyRender, DrawsWhatMeetsInvalidArea)
{
    BuildTable();
    const struct {
        const char* name;
        void (*change)(std::vector<GVWnd*>&);
        Rect drawn;
        std::vector<int> order;
    } cases[] = {
        {"nothing changed draws nothing", [](std::vector<GVWnd*>&) {}, {}, {}},
        {"a lone card marked dirty draws table and card", [](std::vector<GVWnd*>& w) { w[3]->Invalidate(); },
         {500, 300, 536, 355}, {0, 3}},
        {"a card overlapping another draws both, back to front", [](std::vector<GVWnd*>& w) { w[1]->Invalidate(); },
         {100, 100, 136, 155}, {0, 1, 2}},
        {"a moved card repaints its old and new place",
         [](std::vector<GVWnd*>& w) { w[3]->SetPos({600, 300}); }, {500, 300, 636, 355}, {0, 3}},
        {"a hidden card repaints its place without itself", [](std::vector<GVWnd*>& w) { w[3]->Show(false); },
         {500, 300, 536, 355}, {0}},
        {"moved then hidden still clears the old place",
         [](std::vector<GVWnd*>& w) {
             w[3]->SetPos({600, 300});
             w[3]->Show(false);
         },
         {500, 300, 636, 355}, {0}},
        {"a card moved out of the view repaints its old place, clipped to the view",
         [](std::vector<GVWnd*>& w) { w[3]->SetPos({900, 700}); }, {500, 300, 800, 600}, {0}},
    };
    for (const auto& c : cases) {
        c.change(wnds);
        const Rect drawn = scene.Render(kView, Back());
        EXPECT_EQ(drawn, c.drawn) << c.name;
        EXPECT_EQ(log.drawn, c.order) << c.name;
        log.drawn.clear();
        wnds[3]->Show(true);
        wnds[3]->SetPos({500, 300});
        scene.Render(kView, Back());
        log.drawn.clear();
    }
}

TEST_F(DirtyRender, RuleHoldsForRandomChanges)
{
    std::mt19937 rng(5);
    for (int i = 0; i < 60; ++i) {
        const int x = static_cast<int>(rng() % 760);
        const int y = static_cast<int>(rng() % 560);
        wnds.push_back(new NoteWnd(log, i, {x, y, x + 36, y + 55}));
        scene.AddWnd(wnds.back());
    }
    scene.Render(kView, Back());
    for (int frame = 0; frame < 40; ++frame) {
        log.drawn.clear();
        std::vector<Rect> mustRepaint;
        for (int k = 0; k < 3; ++k) {
            GVWnd* w = wnds[rng() % wnds.size()];
            const Rect before = w->GetRect();
            const bool wasVisible = w->IsVisible();
            switch (rng() % 3) {
            case 0: w->SetPos({static_cast<int>(rng() % 760), static_cast<int>(rng() % 560)}); break;
            case 1: w->Show(!w->IsVisible()); break;
            default: w->Invalidate(); break;
            }
            if (wasVisible) mustRepaint.push_back(before);
            if (w->IsVisible()) mustRepaint.push_back(w->GetRect());
        }
        const Rect drawn = scene.Render(kView, Back());
        for (const Rect& r : mustRepaint)
            EXPECT_EQ(r.Intersected(kView).United(drawn), drawn) << "frame " << frame << ": a changed place is repainted";
        std::vector<int> expected;
        for (auto it = wnds.begin(); it != wnds.end(); ++it) {
            // Back to front: the list was built by AddWnd, so earlier widgets lie further back.
            const GVWnd* w = *it;
            if (w->IsVisible() && w->GetRect().Intersects(drawn)) expected.push_back(static_cast<int>(it - wnds.begin()));
        }
        EXPECT_EQ(log.drawn, expected) << "frame " << frame << ": exactly the visible widgets meeting the area";
    }
}

TEST_F(DirtyRender, RedrawAllDrawsEveryVisibleWidgetOnce)
{
    BuildTable();
    wnds[2]->Show(false);
    scene.Render(kView, Back());
    log.drawn.clear();
    scene.SetRedrawAll(true);
    EXPECT_EQ(scene.Render(kView, Back()), kView);
    EXPECT_EQ(log.drawn, (std::vector<int>{0, 1, 3}));
    EXPECT_FALSE(scene.IsRedrawAll()) << "the flag is cleared by the frame";
    log.drawn.clear();
    EXPECT_TRUE(scene.Render(kView, Back()).IsEmpty()) << "the next frame has nothing dirty";
    EXPECT_TRUE(log.drawn.empty());
}

TEST_F(DirtyRender, DestroyWndRepaintsItsPlace)
{
    BuildTable();
    scene.SetFocusWnd(wnds[3]);
    EXPECT_EQ(scene.DestroyWnd(wnds[3]), 1);
    EXPECT_EQ(log.deleted, std::vector<int>{3});
    EXPECT_EQ(scene.GetFocusWnd(), nullptr);
    EXPECT_EQ(scene.Render(kView, Back()), Rect(500, 300, 536, 355));
    EXPECT_EQ(log.drawn, std::vector<int>{0});
}

// A hidden or clipped widget has nothing to draw: that is not a failure.
TEST_F(DirtyRender, FillColourReachesTheBackBufferAndNothingToDrawIsNoFailure)
{
    auto* box = new GVWnd;
    box->SetRect({10, 10, 30, 30});
    box->SetFillColor(0x0000FF);  // red
    scene.AddWnd(box);
    scene.Render(kView, Back());
    EXPECT_TRUE(NearColor(PixelAt(10, 10), {255, 0, 0})) << ToString(PixelAt(10, 10));
    EXPECT_TRUE(NearColor(PixelAt(29, 29), {255, 0, 0}));
    EXPECT_FALSE(NearColor(PixelAt(30, 30), {255, 0, 0})) << "right and bottom are exclusive";
    EXPECT_EQ(box->Draw(Back(), {100, 100, 200, 200}), 1) << "outside the clip";
    box->Show(false);
    EXPECT_EQ(box->Draw(Back(), kView), 1) << "hidden";
    EXPECT_EQ(box->Draw(nullptr, kView), 0) << "no target is a failure";
}

TEST(GVWSRouting, MouseGoesToFrontMostVisibleEnabledHit)
{
    Log log;
    GVWS scene;
    auto* button = new NoteWnd(log, 0, {0, 0, 100, 100});
    auto* strip = new NoteWnd(log, 1, {0, 0, 100, 20});  // on top, disabled
    auto* over = new NoteWnd(log, 2, {50, 50, 100, 100});  // on top of all, hidden
    scene.AddWnd(button);
    scene.AddWnd(strip);
    scene.AddWnd(over);
    strip->Enable(false);
    over->Show(false);
    LRESULT result = 0;
    const struct {
        const char* name;
        UINT msg;
        int x, y;
        std::vector<std::string> input;
    } cases[] = {
        {"click under a disabled strip reaches the button", WM_LBUTTONDOWN, 10, 10, {"0 down 10"}},
        {"click under a hidden widget reaches the button", WM_LBUTTONDOWN, 60, 60, {"0 down 60"}},
        {"release on the button", WM_LBUTTONUP, 60, 60, {"0 up 60"}},
        {"right button", WM_RBUTTONDOWN, 10, 10, {"0 rdown"}},
        {"outside every widget", WM_LBUTTONDOWN, 300, 300, {}},
    };
    for (const auto& c : cases) {
        log.input.clear();
        scene.OnWndMsg(c.msg, 0, MAKELPARAM(c.x, c.y), result);
        EXPECT_EQ(log.input, c.input) << c.name;
    }
    over->Show(true);
    log.input.clear();
    scene.OnWndMsg(WM_LBUTTONDOWN, 0, MAKELPARAM(60, 60), result);
    EXPECT_EQ(log.input, std::vector<std::string>{"2 down 60"}) << "a visible enabled widget on top takes it";
    EXPECT_EQ(scene.GetMouseWnd(), over);

    scene.EnableInput(false);
    log.input.clear();
    scene.OnWndMsg(WM_LBUTTONDOWN, 0, MAKELPARAM(60, 60), result);
    EXPECT_TRUE(log.input.empty()) << "input disabled";
}

TEST(GVWSRouting, KeysGoToTheEnabledFocusWidgetOnly)
{
    Log log;
    GVWS scene;
    auto* edit = new NoteWnd(log, 7, {0, 0, 10, 10});
    scene.AddWnd(edit);
    const struct {
        const char* name;
        bool focus, enabled, input;
        UINT msg;
        WPARAM w;
        std::vector<std::string> seen;
        bool handled;
    } cases[] = {
        {"key to the focus widget", true, true, true, WM_KEYDOWN, 'Q', {"7 key 81"}, true},
        {"char to the focus widget", true, true, true, WM_CHAR, 'q', {"7 char 113"}, true},
        {"ime to the focus widget", true, true, true, WM_IME_COMPOSITION, 0xC7D1, {"7 ime 51153"}, true},
        {"no focus widget", false, true, true, WM_KEYDOWN, 'Q', {}, false},
        {"disabled focus widget", true, false, true, WM_KEYDOWN, 'Q', {}, false},
        {"disabled focus widget gets no char", true, false, true, WM_CHAR, 'q', {}, false},
        {"input disabled", true, true, false, WM_KEYDOWN, 'Q', {}, false},
        {"timers are not routed", true, true, true, WM_TIMER, 0, {}, false},
    };
    for (const auto& c : cases) {
        log.input.clear();
        scene.SetFocusWnd(c.focus ? edit : nullptr);
        edit->Enable(c.enabled);
        scene.EnableInput(c.input);
        LRESULT result = 0;
        EXPECT_EQ(scene.OnWndMsg(c.msg, c.w, 0, result), c.handled) << c.name;
        EXPECT_EQ(log.input, c.seen) << c.name;
    }
}
