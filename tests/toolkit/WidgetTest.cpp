#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVListView.h"
#include "toolkit/GVScrollBar.h"
#include "toolkit/GVSlideWnd.h"

namespace {
class BoxDraw : public ScreenFixture {};
}  // namespace

TEST_F(BoxDraw, FillsOpaqueSeeThroughAndBorder)
{
    ASSERT_EQ(FillSurfaceRect(Back(), {0, 0, 200, 200}, 0x0000FF), DD_OK);  // red under everything
    const struct {
        const char* name;
        int fillValue;
        Rgb inside;
    } cases[] = {
        {"opaque", 255, {0, 0, 255}},
        {"half see-through", 128, {127, 0, 128}},
        {"nothing", 0, {255, 0, 0}},
        {"beyond 255 is opaque", 400, {0, 0, 255}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(FillSurfaceRect(Back(), {0, 0, 200, 200}, 0x0000FF), DD_OK);
        GVBoxWnd box;
        EXPECT_EQ(box.Create({10, 10}, {50, 40}, 0xFF0000, c.fillValue), 1);
        EXPECT_EQ(box.Draw(Back(), {0, 0, 800, 600}), 1) << c.name;
        EXPECT_TRUE(NearColor(PixelAt(30, 30), c.inside, 10)) << c.name << ": " << ToString(PixelAt(30, 30));
        EXPECT_TRUE(NearColor(PixelAt(60, 30), {255, 0, 0})) << c.name << ": outside untouched";
    }
    GVBoxWnd framed;
    framed.Create({100, 100}, {20, 20}, kNoColor, 255);
    framed.SetBorder(0xFFFFFF, 0x000000, BorderStyle::Raised);
    EXPECT_EQ(framed.Draw(Back(), {0, 0, 800, 600}), 1);
    EXPECT_TRUE(NearColor(PixelAt(100, 110), {255, 255, 255})) << "light left edge";
    EXPECT_TRUE(NearColor(PixelAt(119, 110), {0, 0, 0})) << "dark right edge";
    EXPECT_TRUE(NearColor(PixelAt(110, 110), {255, 0, 0})) << "no fill: the inside shows through";
}

TEST(GVSlideWnd, ValueStaysInRangeAndFollowsTheThumb)
{
    GVSlideWnd s;
    ASSERT_EQ(s.Create({69, 77, 69 + 149, 77 + 18}, {13, 18}), 1);
    s.SetRange(-5000, 0);
    const struct {
        const char* name;
        int set;
        int value;
    } cases[] = {{"inside", -1250, -1250}, {"below", -9000, -5000}, {"above", 10, 0}, {"at the minimum", -5000, -5000}};
    for (const auto& c : cases) {
        s.SetValue(c.set);
        EXPECT_EQ(s.GetValue(), c.value) << c.name;
    }
    s.SetValue(-4000);
    s.SetRange(-3000, -1000);
    EXPECT_EQ(s.GetValue(), -3000) << "a new range clamps the value";
    s.SetRange(-5000, 0);

    // Dragging: press on the track centres the thumb, moves follow, release ends it.
    EXPECT_EQ(s.OnLButtonDown(MK_LBUTTON, {69 + 6, 80}), 1);
    EXPECT_EQ(s.GetValue(), -5000) << "pressed at the left end";
    EXPECT_EQ(s.OnMouseMove(MK_LBUTTON, {69 + 6 + 68, 80}), 1);
    EXPECT_EQ(s.GetValue(), -2500) << "half the travel";
    EXPECT_EQ(s.OnMouseMove(MK_LBUTTON, {500, 80}), 1);
    EXPECT_EQ(s.GetValue(), 0) << "beyond the right end";
    EXPECT_EQ(s.OnLButtonUp(0, {500, 80}), 1) << "the drag ends: the value is final";
    EXPECT_EQ(s.OnLButtonUp(0, {500, 80}), 0) << "no drag, nothing to accept";

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
    EXPECT_EQ(bar.OnLButtonDown(MK_LBUTTON, {5, 90}), 1);
    EXPECT_EQ(bar.GetValue(), 10) << "a page down";
    EXPECT_EQ(bar.OnLButtonDown(MK_LBUTTON, {5, 90}), 1);
    EXPECT_EQ(bar.OnLButtonDown(MK_LBUTTON, {5, 90}), 1);
    EXPECT_EQ(bar.GetValue(), 30) << "stops at the end";
    bar.OnLButtonDown(MK_LBUTTON, {5, 1});
    EXPECT_EQ(bar.GetValue(), 20) << "a page up";
    const Rect thumb = bar.GetThumbRect();
    bar.OnLButtonDown(MK_LBUTTON, {5, thumb.top + 2});
    bar.OnMouseMove(MK_LBUTTON, {5, 2});
    EXPECT_EQ(bar.GetValue(), 0) << "dragged to the top";
    EXPECT_EQ(bar.OnLButtonUp(0, {5, 2}), 1);
    EXPECT_EQ(heard, (std::vector<int>{10, 20, 30, 20, 0}));
}

TEST(GVListView, SelectionStaysInRangeAndInView)
{
    GVListView list;
    ASSERT_EQ(list.Create({0, 0, 200, 48}, 12, 400, 16), 1);  // three rows visible
    list.SetColumns({120, 80});
    for (int i = 0; i < 6; ++i) list.AddItem({"name" + std::to_string(i), std::to_string(i * 100)});
    std::vector<int> activated;
    list.SetActivateHandler([&](int row) { activated.push_back(row); });

    EXPECT_EQ(list.GetItemText(2, 1), "200");
    EXPECT_EQ(list.GetItemText(6, 0), "") << "row beyond the list";
    EXPECT_EQ(list.GetItemText(-1, 0), "");
    EXPECT_EQ(list.GetItemText(0, 5), "") << "cell beyond the row";

    list.SetSelected(9);
    EXPECT_EQ(list.GetSelected(), -1) << "an index outside is ignored";
    EXPECT_EQ(list.OnLButtonDown(MK_LBUTTON, {10, 20}), 1);
    EXPECT_EQ(list.GetSelected(), 1);
    list.SetSelected(5);
    EXPECT_EQ(list.GetFirstVisible(), 3) << "scrolled to show the selection";
    list.OnKeyDown(VK_DOWN, 1, 0);
    EXPECT_EQ(list.GetSelected(), 5) << "stays on the last row";
    list.OnKeyDown(VK_PRIOR, 1, 0);
    EXPECT_EQ(list.GetSelected(), 2);
    EXPECT_EQ(list.GetFirstVisible(), 2);
    list.OnKeyDown(VK_RETURN, 1, 0);
    EXPECT_TRUE(list.RemoveItem(0));
    EXPECT_EQ(list.GetSelected(), 1) << "the selection follows its row";
    EXPECT_FALSE(list.RemoveItem(5));
    EXPECT_EQ(list.OnLButtonDblClk(0, {10, 2}), 1);
    EXPECT_EQ(activated, (std::vector<int>{2, list.GetFirstVisible()}));
}
