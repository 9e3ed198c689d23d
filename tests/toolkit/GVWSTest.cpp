#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"
#include "toolkit/GVWS.h"

namespace {

// What happens to the widgets of a test.
struct Log {
    std::vector<int> drawn;
    std::vector<std::string> input;
    std::vector<int> deleted;
};

class NoteWnd : public GVWnd {
public:
    NoteWnd(Log& l, int i, Rect r) : id(i), log(l) { SetRect(r); }
    ~NoteWnd() override { log.deleted.push_back(id); }

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override
    {
        if (IsVisible() && GetRect().Intersects(clip)) log.drawn.push_back(id);
        return GVWnd::Draw(surface, clip);
    }
    int OnKeyDown(UINT vk, UINT, UINT) override { return Note("key", vk); }
    int OnChar(UINT ch, UINT, UINT) override { return Note("char", ch); }
    int OnImeComposition(WPARAM w, LPARAM) override { return Note("ime", w); }
    int OnLButtonDown(UINT, Point p) override { return Note("down", p.x); }
    int OnLButtonUp(UINT, Point p) override { return Note("up", p.x); }
    int OnRButtonDown(UINT, Point p) override { return Note("rdown", p.x); }
    const int id;

private:
    int Note(const char* what, size_t value)
    {
        log.input.push_back(std::to_string(id) + " " + what + " " + std::to_string(value));
        return 1;
    }
    Log& log;
};

NoteWnd* Place(GVWS& scene, Log& log, int id, Rect r)
{
    auto* w = new NoteWnd(log, id, r);
    scene.AddWnd(w);
    return w;
}

}  // namespace

TEST(GVWSZOrder, OperationsPlaceWidgetsAndForgetWhatLeaves)
{
    // Start: 0 1 2 (front first), focus and mouse on 1; widget 3 is not in the scene; -1 is null.
    enum class Op { Add, AddBack, Before, After, Remove, Destroy };
    const struct { const char* name; Op op; int reference, wnd, answer; std::vector<int> order; } cases[] = {
        {"add moves to the front", Op::Add, -1, 2, 1, {2, 0, 1}},
        {"add of a new widget", Op::Add, -1, 3, 1, {3, 0, 1, 2}}, {"add of null", Op::Add, -1, -1, 0, {0, 1, 2}},
        {"add to back moves to the back", Op::AddBack, -1, 0, 1, {1, 2, 0}},
        {"before puts directly over", Op::Before, 2, 0, 1, {1, 0, 2}},
        {"after puts directly under", Op::After, 0, 2, 1, {0, 2, 1}}, {"after the last", Op::After, 2, 0, 1, {1, 2, 0}},
        {"before the first", Op::Before, 0, 3, 1, {3, 0, 1, 2}},
        {"before a reference not in the list leaves the widget", Op::Before, 3, 1, 0, {0, 1, 2}},
        {"after a reference not in the list leaves the widget", Op::After, 3, 0, 0, {0, 1, 2}},
        {"before itself", Op::Before, 1, 1, 0, {0, 1, 2}}, {"after a null reference", Op::After, -1, 1, 0, {0, 1, 2}},
        {"null widget before", Op::Before, 1, -1, 0, {0, 1, 2}},
        {"remove of the focus widget", Op::Remove, -1, 1, 1, {0, 2}},
        {"remove of one not in the list", Op::Remove, -1, 3, 0, {0, 1, 2}},
        {"destroy of the focus widget", Op::Destroy, -1, 1, 1, {0, 2}},
        {"destroy of one not in the list deletes nothing", Op::Destroy, -1, 3, 0, {0, 1, 2}},
    };
    for (const auto& c : cases) {
        Log log;
        std::vector<GVWnd*> wnds;
        for (int i = 0; i < 4; ++i) wnds.push_back(new NoteWnd(log, i, {i, i, i + 10, i + 10}));
        auto at = [&](int i) { return i < 0 ? nullptr : wnds[static_cast<size_t>(i)]; };
        {
            GVWS scene;
            for (int i = 2; i >= 0; --i) scene.AddWnd(at(i));
            scene.SetFocusWnd(at(1));
            scene.SetMouseWnd(at(1));
            const std::function<int()> ops[] = {
                [&] { return scene.AddWnd(at(c.wnd)); },
                [&] { return scene.AddWndToBack(at(c.wnd)); },
                [&] { return scene.InsertWndBefore(at(c.reference), at(c.wnd)); },
                [&] { return scene.InsertWndAfter(at(c.reference), at(c.wnd)); },
                [&] { return scene.RemoveWnd(at(c.wnd)); },
                [&] { return scene.DestroyWnd(at(c.wnd)); },
            };
            EXPECT_EQ(ops[static_cast<int>(c.op)](), c.answer) << c.name;
            std::vector<int> order;
            for (const GVWnd* w : scene.GetWnds()) order.push_back(static_cast<const NoteWnd*>(w)->id);
            EXPECT_EQ(order, c.order) << c.name;
            const GVWnd* kept = scene.Contains(at(1)) ? at(1) : nullptr;
            EXPECT_TRUE(scene.GetFocusWnd() == kept && scene.GetMouseWnd() == kept) << c.name << ": focus and mouse";
            // Whatever stays in the list is deleted with the scene, the rest by the test.
            for (int i = 0; i < 4; ++i)
                if (std::count(log.deleted.begin(), log.deleted.end(), i) == 0 && !scene.Contains(at(i))) delete at(i);
        }
        std::sort(log.deleted.begin(), log.deleted.end());
        EXPECT_EQ(log.deleted, (std::vector<int>{0, 1, 2, 3})) << c.name << ": every widget deleted exactly once";
    }
}

using DirtyRender = ScreenFixture;

TEST_F(DirtyRender, DrawsWhatMeetsInvalidArea)
{
    // Table 0 under cards 1, 2, 3 (3 on top), drawn whole before the change; overlaps and moves are below.
    using Wnds = std::vector<GVWnd*>;
    const struct { const char* name; void (*change)(GVWS&, Wnds&); Rect drawn; std::vector<int> order; } cases[] = {
        {"nothing changed draws nothing", [](GVWS&, Wnds&) {}, {}, {}},
        {"a lone card marked dirty draws table and card", [](GVWS&, Wnds& w) { w[3]->Invalidate(); },
         {500, 300, 536, 355}, {0, 3}},
        {"moved then hidden still clears the old place",
         [](GVWS&, Wnds& w) { w[3]->SetPos({600, 300}); w[3]->Show(false); }, {500, 300, 636, 355}, {0}},
        {"a card moved out of the view repaints its old place, clipped to the view",
         [](GVWS&, Wnds& w) { w[3]->SetPos({900, 700}); }, {500, 300, 800, 600}, {0}},
        {"a destroyed card repaints its place", [](GVWS& s, Wnds& w) { s.DestroyWnd(w[3]); }, {500, 300, 536, 355},
         {0}},
        {"redraw all draws every visible widget", [](GVWS& s, Wnds& w) { w[2]->Show(false); s.SetRedrawAll(true); },
         kAll, {0, 1, 3}},
    };
    for (const auto& c : cases) {
        Log log;
        GVWS scene;
        Wnds wnds;
        for (const Rect& r : {kAll, Rect{100, 100, 136, 155}, Rect{120, 120, 156, 175}, Rect{500, 300, 536, 355}})
            wnds.push_back(Place(scene, log, static_cast<int>(wnds.size()), r));
        scene.Render(kAll, Back());
        log.drawn.clear();
        c.change(scene, wnds);
        EXPECT_EQ(scene.Render(kAll, Back()), c.drawn) << c.name;
        EXPECT_EQ(log.drawn, c.order) << c.name;
        EXPECT_FALSE(scene.TakeDrawFailed()) << c.name << ": a hidden or clipped widget is no failure";
        log.drawn.clear();
        EXPECT_TRUE(scene.Render(kAll, Back()).IsEmpty() && log.drawn.empty()) << c.name << ": then nothing is dirty";
    }
}

TEST_F(DirtyRender, RuleHoldsForRandomChanges)
{
    Log log;
    std::mt19937 rng(5);
    auto random = [&](unsigned n) { return static_cast<int>(rng() % n); };
    GVWS scene;
    std::vector<NoteWnd*> wnds;  // back to front, owned by the scene
    for (int i = 0; i < 60; ++i) wnds.push_back(Place(scene, log, i, {{random(760), random(560)}, {36, 55}}));
    scene.Render(kAll, Back());
    for (int frame = 0; frame < 40; ++frame) {
        log.drawn.clear();
        std::vector<Rect> mustRepaint;
        for (int k = 0; k < 3; ++k) {
            GVWnd* w = wnds[static_cast<size_t>(random(60))];
            if (w->IsVisible()) mustRepaint.push_back(w->GetRect());
            switch (random(3)) {
            case 0: w->SetPos({random(760), random(560)}); break;
            case 1: w->Show(!w->IsVisible()); break;
            default: w->Invalidate(); break;
            }
            if (w->IsVisible()) mustRepaint.push_back(w->GetRect());
        }
        const Rect drawn = scene.Render(kAll, Back());
        for (const Rect& r : mustRepaint)
            EXPECT_EQ(r.Intersected(kAll).United(drawn), drawn) << "frame " << frame << ": a changed place repainted";
        std::vector<int> expected;
        for (const NoteWnd* w : wnds)
            if (w->IsVisible() && w->GetRect().Intersects(drawn)) expected.push_back(w->id);
        EXPECT_EQ(log.drawn, expected) << "frame " << frame << ": exactly the visible widgets meeting the area";
    }
}

TEST_F(DirtyRender, WidgetChangeAloneMakesTheNextFlushDrawIt)
{
    // Table 0 under card 1 (at 500, 300), card 2 hidden beside it; all drawn and flushed before the change.
    using Wnds = std::vector<GVWnd*>;
    const Rect card{500, 300, 536, 355};
    const struct { const char* name; void (*change)(GVWS&, Wnds&); Rect drawn; std::vector<int> order; } cases[] = {
        {"nothing changed flushes nothing", [](GVWS&, Wnds&) {}, {}, {}},
        {"showing", [](GVWS&, Wnds& w) { w[2]->Show(true); }, {600, 300, 636, 355}, {0, 2}},
        {"hiding", [](GVWS&, Wnds& w) { w[1]->Show(false); }, card, {0}},
        {"moving", [](GVWS&, Wnds& w) { w[1]->SetPos({520, 300}); }, {500, 300, 556, 355}, {0, 1}},
        {"invalidating", [](GVWS&, Wnds& w) { w[1]->Invalidate(); }, card, {0, 1}},
        {"marking dirty", [](GVWS&, Wnds& w) { w[1]->SetDirty(true); }, card, {0, 1}},
        {"disabling", [](GVWS&, Wnds& w) { w[1]->Enable(false); }, card, {0, 1}},
        {"a new fill colour", [](GVWS&, Wnds& w) { w[1]->SetFillColor(0x00FF00); }, card, {0, 1}},
        {"destroying", [](GVWS& s, Wnds& w) { s.DestroyWnd(w[1]); }, card, {0}},
        {"a widget taken out asks its old scene nothing",
         [](GVWS& s, Wnds& w) {
             s.RemoveWnd(w[1]);  // leaves its place to repaint, at a frame asked for otherwise
             (void)s.TakeDrawRequest();
             w[1]->Invalidate();
             delete w[1];
         },
         {}, {}},
        {"marking clean asks nothing", [](GVWS&, Wnds& w) { w[1]->SetDirty(false); }, {}, {}},
    };
    for (const auto& c : cases) {
        Log log;
        GVWS scene;
        Wnds wnds;
        for (const Rect& r : {kAll, card, Rect{600, 300, 636, 355}})
            wnds.push_back(Place(scene, log, static_cast<int>(wnds.size()), r));
        wnds[2]->Show(false);
        EXPECT_EQ(scene.Flush(kAll, Back()), kAll) << c.name << ": the first flush draws the new widgets";
        log.drawn.clear();
        c.change(scene, wnds);
        EXPECT_EQ(scene.Flush(kAll, Back()), c.drawn) << c.name;
        EXPECT_EQ(log.drawn, c.order) << c.name;
        log.drawn.clear();
        EXPECT_TRUE(scene.Flush(kAll, Back()).IsEmpty() && log.drawn.empty()) << c.name << ": one flush per change";
    }
}

TEST(GVWSRouting, InputGoesToTheRightWidget)
{
    // 0 a button; over it 1 a disabled strip along its top and 2 a hidden widget in its lower right.
    Log log;
    GVWS scene;
    GVWnd* wnds[3] = {Place(scene, log, 0, {0, 0, 100, 100}), Place(scene, log, 1, {0, 0, 100, 20}),
                      Place(scene, log, 2, {50, 50, 100, 100})};
    wnds[1]->Enable(false);
    using Seen = std::vector<std::string>;  // focus -1 is none
    const struct { const char* name; int focus; bool over, input; UINT msg; WPARAM w; Point at; Seen seen; } cases[] = {
        {"click under a disabled strip reaches the button", -1, false, true, WM_LBUTTONDOWN, 0, {10, 10},
         {"0 down 10"}},
        {"click under a hidden widget reaches the button", -1, false, true, WM_LBUTTONDOWN, 0, {60, 60}, {"0 down 60"}},
        {"release on the button", -1, false, true, WM_LBUTTONUP, 0, {60, 60}, {"0 up 60"}},
        {"right button", -1, false, true, WM_RBUTTONDOWN, 0, {10, 10}, {"0 rdown 10"}},
        {"outside every widget", -1, false, true, WM_LBUTTONDOWN, 0, {300, 300}, {}},
        {"a visible enabled widget on top takes it", -1, true, true, WM_LBUTTONDOWN, 0, {60, 60}, {"2 down 60"}},
        {"no click while input is disabled", -1, true, false, WM_LBUTTONDOWN, 0, {60, 60}, {}},
        {"key to the focus widget", 0, false, true, WM_KEYDOWN, 'Q', {}, {"0 key 81"}},
        {"char to the focus widget", 0, false, true, WM_CHAR, 'q', {}, {"0 char 113"}},
        {"ime to the focus widget", 0, false, true, WM_IME_COMPOSITION, 0xC7D1, {}, {"0 ime 51153"}},
        {"no focus widget", -1, false, true, WM_KEYDOWN, 'Q', {}, {}},
        {"disabled focus widget", 1, false, true, WM_KEYDOWN, 'Q', {}, {}},
        {"no key while input is disabled", 0, false, false, WM_KEYDOWN, 'Q', {}, {}},
        {"timers are not routed", 0, false, true, WM_TIMER, 0, {}, {}},
    };
    for (const auto& c : cases) {
        log.input.clear();
        scene.SetFocusWnd(c.focus < 0 ? nullptr : wnds[c.focus]);
        wnds[2]->Show(c.over);
        scene.EnableInput(c.input);
        LRESULT result = 0;
        EXPECT_EQ(scene.OnWndMsg(c.msg, c.w, MAKELPARAM(c.at.x, c.at.y), result), !c.seen.empty()) << c.name;
        EXPECT_EQ(log.input, c.seen) << c.name;
    }
    EXPECT_EQ(scene.GetMouseWnd(), wnds[2]) << "the last widget clicked";
}
