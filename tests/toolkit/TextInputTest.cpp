#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"

#include <imm.h>
#include "toolkit/GVEditWnd.h"
#include "toolkit/GVLightTextWnd.h"
#include "toolkit/GVWS.h"
#include "toolkit/GVWndME.h"

namespace {

using KoreanText = ScreenFixture;

const std::string kHan = "\xC7\xD1";  // 한 in CP949
constexpr Rgb kWhite{255, 255, 255};

}  // namespace

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
    EXPECT_EQ(edit->Draw(Back(), kAll), 1);
    send(WM_CHAR, '\r', 0);
    EXPECT_EQ(entered, std::vector<std::string>{"a" + kHan});
    EXPECT_EQ(edit->GetText(), "");

    // The length limit cuts at whole characters.
    edit->SetMaxLength(4);
    edit->SetText("ab" + kHan + "c");
    EXPECT_EQ(edit->GetText(), "ab" + kHan);
    edit->SetText("abc");
    send(WM_IME_COMPOSITION, 0xC7D1, GCS_RESULTSTR);
    EXPECT_EQ(edit->GetText(), "abc") << "a syllable that does not fit is dropped whole";
    send(WM_IME_COMPOSITION, 0xC7D1, GCS_COMPSTR);
    EXPECT_EQ(edit->GetDisplayText(), "abc") << "nor shown while composing";
    send(WM_CHAR, 'd', 0);
    EXPECT_EQ(edit->GetText(), "abcd");

    edit->Enable(false);
    send(WM_CHAR, '\b', 0);
    EXPECT_EQ(edit->GetText(), "abcd") << "a disabled edit takes no input";
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
