#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVListView.h"
#include "toolkit/GVScrollBar.h"
#include "toolkit/GVSlideWnd.h"

using BoxDraw = ScreenFixture;

TEST_F(BoxDraw, FillsOpaqueOrSeeThrough)
{
    // A blue box over red; 128 of blue over red gives (127, 0, 128).
    const struct { const char* name; int fillValue; Rgb inside; } cases[] = {
        {"opaque", 255, kBlue}, {"half see-through", 128, {127, 0, 128}}, {"nothing", 0, kRed},
        {"beyond 255 is opaque", 400, kBlue}};
    for (const auto& c : cases) {
        ASSERT_EQ(FillSurfaceRect(Back(), {0, 0, 200, 200}, 0x0000FF), DD_OK);
        GVBoxWnd box;
        EXPECT_EQ(box.Create({10, 10}, {50, 40}, 0xFF0000, c.fillValue), 1);
        EXPECT_EQ(box.Draw(Back(), kAll), 1) << c.name;
        EXPECT_TRUE(PixelIs({30, 30}, c.inside) && PixelIs({60, 30}, kRed)) << c.name << ", right edge exclusive";
    }
}

TEST(GVSlideWnd, ValueStaysInRangeAndFollowsTheThumb)
{
    GVSlideWnd s;  // the option sliders: a 149-pixel track with a 13-pixel thumb
    ASSERT_EQ(s.Create({69, 77, 69 + 149, 77 + 18}, {13, 18}), 1);
    s.SetRange(-5000, 0);
    s.SetValue(-9000);
    EXPECT_EQ(s.GetValue(), -5000) << "a stored value below the range";
    s.SetRange(-3000, -1000);
    EXPECT_EQ(s.GetValue(), -3000) << "a new range clamps the value";
    s.SetRange(-5000, 0);
    // A press on the track centres the thumb there.
    const struct { const char* name; UINT msg; int x, answer, value; } steps[] = {
        {"pressed at the left end", WM_LBUTTONDOWN, 69 + 6, 1, -5000},
        {"half the travel", WM_MOUSEMOVE, 69 + 6 + 68, 1, -2500},
        {"one pixel on", WM_MOUSEMOVE, 69 + 6 + 69, 1, -2463},
        {"beyond the right end", WM_MOUSEMOVE, 500, 1, 0},
        {"released: the value is final", WM_LBUTTONUP, 500, 1, 0},
        {"no drag, nothing to accept", WM_LBUTTONUP, 500, 0, 0},
    };
    for (const auto& c : steps)
        EXPECT_TRUE(Send(s, c.msg, {c.x, 80}) == c.answer && s.GetValue() == c.value) << c.name << ": " << s.GetValue();
    s.Enable(false);
    EXPECT_EQ(s.OnLButtonDown(MK_LBUTTON, {100, 80}), 0) << "disabled";
}

TEST(GVScrollBar, TrackPagesAndThumbDrags)
{
    GVScrollBar bar;
    bar.Create({0, 0, 10, 100});
    bar.SetRange(0, 30, 10);  // 40 lines, 10 visible: thumb 25 pixels
    std::vector<int> heard;
    bar.SetChangeHandler([&](int v) { heard.push_back(v); });
    EXPECT_EQ(bar.GetThumbRect(), Rect(0, 0, 10, 25));
    const struct { const char* name; UINT msg; int y, value; } steps[] = {
        {"a page down", WM_LBUTTONDOWN, 90, 10}, {"another", WM_LBUTTONDOWN, 90, 20},
        {"to the end", WM_LBUTTONDOWN, 90, 30},  {"stops at the end", WM_LBUTTONDOWN, 90, 30},
        {"a page up", WM_LBUTTONDOWN, 1, 20},    {"press on the thumb", WM_LBUTTONDOWN, 52, 20},
        {"dragged to the top", WM_MOUSEMOVE, 2, 0}, {"released", WM_LBUTTONUP, 2, 0},
    };
    for (const auto& c : steps) {
        EXPECT_EQ(Send(bar, c.msg, {5, c.y}), 1) << c.name;
        EXPECT_EQ(bar.GetValue(), c.value) << c.name;
    }
    EXPECT_EQ(heard, (std::vector<int>{10, 20, 30, 20, 0})) << "only changes are heard";
    bar.SetRange(0, 1000, 10);
    EXPECT_EQ(bar.GetThumbRect().Height(), 8) << "the thumb never gets too small to grab";
}

TEST(GVListView, IndexesOutsideAreIgnoredAndTheSelectionStaysInView)
{
    GVListView list;
    ASSERT_EQ(list.Create({0, 0, 200, 48}, 12, 400, 16), 1);  // three rows visible
    list.SetColumns({120, 80});
    for (int i = 0; i < 6; ++i) list.AddItem({"name" + std::to_string(i), std::to_string(i * 100)});
    EXPECT_EQ(list.GetItemText(2, 1), "200");
    for (const auto& [row, column] : {std::pair{6, 0}, {-1, 0}, {0, 5}})
        EXPECT_EQ(list.GetItemText(row, column), "") << "cell " << row << "," << column << " is outside";
    list.SetSelected(9);
    EXPECT_EQ(list.GetSelected(), -1) << "an index outside is ignored";
    EXPECT_FALSE(list.RemoveItem(6));
    list.SetSelected(5);
    EXPECT_EQ(list.GetFirstVisible(), 3) << "scrolled to show the selection";
    list.OnKeyDown(VK_DOWN, 1, 0);
    EXPECT_EQ(list.GetSelected(), 5) << "stays on the last row";
    EXPECT_TRUE(list.RemoveItem(0) && list.GetSelected() == 4) << "the selection follows its row";
}
