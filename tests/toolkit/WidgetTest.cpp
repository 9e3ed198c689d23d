#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"
#include "toolkit/GVEditWnd.h"
#include "toolkit/GVLightTextWnd.h"
#include "toolkit/GVListView.h"
#include "toolkit/GVScrollBar.h"
#include "toolkit/GVSlideWnd.h"
#include "toolkit/GVWS.h"
#include "toolkit/GVWndME.h"

#include <imm.h>

using KoreanText = ScreenFixture;

namespace {
const std::string kHan = "\xC7\xD1";  // 한 in CP949
}  // namespace

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
        {"half the travel", WM_MOUSEMOVE, 69 + 6 + 68, 1, -2500}, {"one pixel on", WM_MOUSEMOVE, 69 + 6 + 69, 1, -2463},
        {"beyond the right end", WM_MOUSEMOVE, 500, 1, 0}, {"released: the value is final", WM_LBUTTONUP, 500, 1, 0},
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
    for (const auto& c : steps)
        EXPECT_TRUE(Send(bar, c.msg, {5, c.y}) == 1 && bar.GetValue() == c.value) << c.name << ": " << bar.GetValue();
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
    EXPECT_TRUE(list.GetSelected() == -1 && !list.RemoveItem(6)) << "rows outside are ignored";
    list.SetSelected(5);
    EXPECT_EQ(list.GetFirstVisible(), 3) << "scrolled to show the selection";
    list.OnKeyDown(VK_DOWN, 1, 0);
    EXPECT_EQ(list.GetSelected(), 5) << "stays on the last row";
    EXPECT_TRUE(list.RemoveItem(0) && list.GetSelected() == 4) << "the selection follows its row";
}

TEST_F(KoreanText, LightTextDrawsHangulWithTheNanumFace)
{
    Clear();
    GVLightTextWnd text;
    text.SetPos({100, 100});
    ASSERT_EQ(text.Init({200, 20}, -1, 16, 700), 1);
    EXPECT_EQ(text.SetText("한글 텍스트"), 1);
    EXPECT_EQ(text.GetText(), "\xC7\xD1\xB1\xDB \xC5\xD8\xBD\xBA\xC6\xAE") << "the literal is CP949 at run time";
    text.SetTextColor(0xFFFFFF);
    EXPECT_EQ(text.Draw(Back(), {0, 0, 140, 600}), 1);
    EXPECT_GT(CountNear({100, 100, 140, 120}, kWhite), 15) << "the first syllable leaves ink";
    EXPECT_EQ(CountNear({140, 100, 300, 120}, kWhite), 0) << "nothing beyond the clip";
    EXPECT_EQ(text.Draw(Back(), kAll), 1);
    EXPECT_GT(CountNear({140, 100, 300, 120}, kWhite), 30) << "the rest of the text";
    EXPECT_EQ(CountNear({100, 121, 300, 140}, kWhite), 0) << "nothing below the box";
}

TEST_F(KoreanText, ImeCompositionReachesTheFocusEdit)
{
    GVWS scene;
    auto* edit = new GVEditWnd(window.GetHwnd());
    ASSERT_EQ(edit->Create({10, 10, 200, 30}, 12, 400), 1);
    scene.AddWnd(edit);
    scene.SetFocusWnd(edit);
    std::vector<std::string> entered;
    edit->SetEnterHandler([&](GVEditWnd& e) { entered.push_back(e.GetText()); e.Clear(); });
    LRESULT r = 0;
    auto send = [&](UINT msg, WPARAM w, LPARAM l) { return scene.OnWndMsg(msg, w, l, r); };
    const struct { const char* name; UINT msg; WPARAM w; LPARAM l; std::string text, shown; } steps[] = {
        {"typed ascii", WM_CHAR, 'a', 0, "a", "a"},
        {"composition starts", WM_IME_STARTCOMPOSITION, 0, 0, "a", "a"},
        {"first jamo", WM_IME_COMPOSITION, 0xA4BE, GCS_COMPSTR, "a", "a\xA4\xBE"},
        {"syllable grows", WM_IME_COMPOSITION, 0xC7CF, GCS_COMPSTR, "a", "a\xC7\xCF"},
        {"syllable complete", WM_IME_COMPOSITION, 0xC7D1, GCS_COMPSTR, "a", "a" + kHan},
        {"backspace leaves the text to the IME", WM_CHAR, '\b', 0, "a", "a" + kHan},
        {"result commits", WM_IME_COMPOSITION, 0xC7D1, GCS_RESULTSTR, "a" + kHan, "a" + kHan},
        {"next syllable", WM_IME_COMPOSITION, 0xB1DB, GCS_COMPSTR, "a" + kHan, "a" + kHan + "\xB1\xDB"},
        {"cancelled composition", WM_IME_COMPOSITION, 0, 0, "a" + kHan, "a" + kHan},
        {"composition ends", WM_IME_ENDCOMPOSITION, 0, 0, "a" + kHan, "a" + kHan},
        {"backspace removes the whole syllable", WM_CHAR, '\b', 0, "a", "a"},
        {"a two-byte character by WM_CHAR", WM_CHAR, 0xC7, 0, "a", "a"},
        {"its trail byte", WM_CHAR, 0xD1, 0, "a" + kHan, "a" + kHan},
    };
    for (const auto& s : steps) {
        send(s.msg, s.w, s.l);
        EXPECT_TRUE(edit->GetText() == s.text && edit->GetDisplayText() == s.shown)
            << s.name << ": text " << edit->GetText() << ", shown " << edit->GetDisplayText();
    }
    send(WM_CHAR, '\r', 0);
    EXPECT_TRUE(entered == std::vector<std::string>{"a" + kHan} && edit->GetText().empty()) << "entered and cleared";

    // The length limit cuts at whole characters.
    edit->SetMaxLength(4);
    edit->SetText("ab" + kHan + "c");
    EXPECT_EQ(edit->GetText(), "ab" + kHan);
    edit->SetText("abc");
    send(WM_IME_COMPOSITION, 0xC7D1, GCS_RESULTSTR);
    EXPECT_EQ(edit->GetText(), "abc") << "a syllable that does not fit is dropped whole";
    send(WM_IME_COMPOSITION, 0xC7D1, GCS_COMPSTR);
    EXPECT_EQ(edit->GetDisplayText(), "abc") << "nor shown while composing";
}

TEST_F(KoreanText, MultiLineBoxWrapsAndDropsTheOldestLines)
{
    GVWndME box;
    ASSERT_EQ(box.Create({0, 0, 120, 60}, 12, 400, 4), 1);
    box.AddText("아주 긴 문장은 상자의 너비에 맞게 여러 줄로 나뉜다");
    ASSERT_GT(box.GetLineCount(), 2u);
    GdiFont font;
    ASSERT_TRUE(font.Create(12, 400));
    for (size_t i = 0; i < box.GetLineCount(); ++i) {
        const int width = MeasureText(font.Get(), box.GetLine(i)).cx;
        EXPECT_TRUE(width > 0 && width <= 120) << "line " << i << " fits the width: " << width;
    }
    for (int i = 0; i < 5; ++i) box.AddText("줄");
    EXPECT_TRUE(box.GetLineCount() == 4u && box.GetLine(3) == "줄") << "the line limit keeps the newest";
    EXPECT_EQ(box.GetFirstLine(), 0) << "4 lines of 14 pixels in 60: all shown";
    EXPECT_EQ(box.Draw(Back(), kAll), 1);
}
