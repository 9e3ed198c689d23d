#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/GVWS.h"
#include "toolkit/GVWnd.h"
#include "ToolkitTestSupport.h"

#include "NoteWnd.h"

namespace {

std::vector<int> Order(const GVWS& scene, const std::vector<GVWnd*>& wnds)
{
    std::vector<int> ids;
    for (const GVWnd* w : scene.GetWnds())
        ids.push_back(static_cast<int>(std::find(wnds.begin(), wnds.end(), w) - wnds.begin()));
    return ids;
}

}  // namespace

TEST(GVWSZOrder, OperationsPlaceWidgets)
{
    // Start: 0 1 2 (front first); widget 3 is not in the scene.
    enum class Op { Add, AddBack, Before, After, Remove };
    const struct {
        const char* name;
        Op op;
        int reference;  // -1 null
        int wnd;        // -1 null
        int answer;
        std::vector<int> order;
    } cases[] = {
        {"add moves to the front", Op::Add, -1, 2, 1, {2, 0, 1}},
        {"add of a new widget", Op::Add, -1, 3, 1, {3, 0, 1, 2}},
        {"add of null", Op::Add, -1, -1, 0, {0, 1, 2}},
        {"add to back moves to the back", Op::AddBack, -1, 0, 1, {1, 2, 0}},
        {"before puts directly over", Op::Before, 2, 0, 1, {1, 0, 2}},
        {"after puts directly under", Op::After, 0, 2, 1, {0, 2, 1}},
        {"after the last", Op::After, 2, 0, 1, {1, 2, 0}},
        {"before the first", Op::Before, 0, 3, 1, {3, 0, 1, 2}},
        {"before a reference not in the list leaves the widget", Op::Before, 3, 1, 0, {0, 1, 2}},
        {"after a reference not in the list leaves the widget", Op::After, 3, 0, 0, {0, 1, 2}},
        {"before itself", Op::Before, 1, 1, 0, {0, 1, 2}},
        {"after a null reference", Op::After, -1, 1, 0, {0, 1, 2}},
        {"null widget before", Op::Before, 1, -1, 0, {0, 1, 2}},
        {"remove of one in the list", Op::Remove, -1, 1, 1, {0, 2}},
        {"remove of one not in the list", Op::Remove, -1, 3, 0, {0, 1, 2}},
    };
    for (const auto& c : cases) {
        Log log;
        std::vector<GVWnd*> wnds;
        for (int i = 0; i < 4; ++i) wnds.push_back(new NoteWnd(log, i, {i, i, i + 10, i + 10}));
        {
            GVWS scene;
            for (int i = 2; i >= 0; --i) scene.AddWnd(wnds[static_cast<size_t>(i)]);
            GVWnd* ref = c.reference < 0 ? nullptr : wnds[static_cast<size_t>(c.reference)];
            GVWnd* wnd = c.wnd < 0 ? nullptr : wnds[static_cast<size_t>(c.wnd)];
            int answer = -1;
            switch (c.op) {
            case Op::Add: answer = scene.AddWnd(wnd); break;
            case Op::AddBack: answer = scene.AddWndToBack(wnd); break;
            case Op::Before: answer = scene.InsertWndBefore(ref, wnd); break;
            case Op::After: answer = scene.InsertWndAfter(ref, wnd); break;
            case Op::Remove: answer = scene.RemoveWnd(wnd); break;
            }
            EXPECT_EQ(answer, c.answer) << c.name;
            EXPECT_EQ(Order(scene, wnds), c.order) << c.name;
            // Whatever stays in the list is deleted with the scene, the rest by the test.
            for (GVWnd* w : wnds)
                if (!scene.Contains(w)) delete w;
        }
        std::sort(log.deleted.begin(), log.deleted.end());
        EXPECT_EQ(log.deleted, (std::vector<int>{0, 1, 2, 3})) << c.name << ": every widget deleted exactly once";
    }
}

TEST(GVWSZOrder, DestroyAllDeletesEveryWidgetAndForgetsFocus)
{
    Log log;
    GVWS scene;
    auto* a = new NoteWnd(log, 0, {0, 0, 10, 10});
    auto* b = new NoteWnd(log, 1, {0, 0, 10, 10});
    scene.AddWnd(a);
    scene.AddWnd(b);
    scene.SetFocusWnd(a);
    scene.SetMouseWnd(b);
    scene.DestroyAll();
    EXPECT_TRUE(scene.GetWnds().empty());
    EXPECT_EQ(log.deleted, (std::vector<int>{1, 0})) << "front first";
    EXPECT_EQ(scene.GetFocusWnd(), nullptr);
    EXPECT_EQ(scene.GetMouseWnd(), nullptr);
    EXPECT_EQ(scene.DestroyWnd(a), 0) << "a widget no longer in the list is not deleted again";
}

