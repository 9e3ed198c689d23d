#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Png.h"
#include "SpriteTestSupport.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVEditWnd.h"
#include "toolkit/GVLightTextWnd.h"
#include "toolkit/GVListView.h"
#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVPushBtn.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVScrollBar.h"
#include "toolkit/GVSlideWnd.h"
#include "toolkit/GVTextWnd.h"
#include "toolkit/GVWS.h"
#include "toolkit/GVWndME.h"

#include <imm.h>

using Screenshot = SpriteFixture;

// Renders a scene of every kind of widget to a PNG a person can open and check.
TEST_F(Screenshot, SceneOfEveryWidgetToPng)
{
    GVWS scene;
    const auto add = [&](auto* w) { scene.AddWnd(w); return w; };
    const auto label = [&](Point p, const std::string& text, uint32_t colour = 0xFFFFFF) {
        auto* t = add(new GVLightTextWnd);
        t->SetPos(p);
        EXPECT_EQ(t->Init({300, 16}, -1, 12, 400), 1);
        t->SetText(text);
        t->SetTextColor(colour);
    };
    add(new GVBoxWnd)->Create({0, 0}, {800, 600}, 0x204A20, 255);
    auto* title = add(new GVTextWnd);
    ASSERT_EQ(title->Create({400, 24}, 20, 700), 1);
    title->SetPos({20, 10});
    title->SetTextColor(0x00D7FF);
    title->SetText("화투 위젯 모음 (toolkit screenshot)");
    label({20, 50}, "버튼: 보통, 올림, 누름, 꺼짐");
    const char* states[] = {"normal", "hover", "down", "disabled"};
    for (int i = 0; i < 4; ++i) {
        auto* b = add(new GVPushBtn);
        ASSERT_EQ(b->LoadImage(dir + "button.bmp", -1, 2, 2), 1);
        b->SetPos({20 + i * 60, 70});
        const Point in{30 + i * 60, 80};
        if (i == 1) b->OnMouseMove(0, in);
        if (i == 2) b->OnLButtonDown(MK_LBUTTON, in);
        if (i == 3) b->Enable(false);
        label({20 + i * 60, 92}, states[i]);
    }
    label({20, 120}, "스프라이트 팩: 프레임 0, 1, 2");
    for (int i = 0; i < 3; ++i) {
        auto* s = add(new GVPSPWnd);
        ASSERT_EQ(s->Load(dir + "cards.psp"), 1);
        s->SetFrame(i);
        s->SetPos({30 + i * 40, 150});
    }
    label({20, 200}, "애니메이션 B의 프레임");
    auto* anim = add(new GVQZAniWnd);
    ASSERT_EQ(anim->Load(dir + "anim.qza", 30, 220), 1);
    ASSERT_EQ(anim->SelectAnimationByName("B"), 1);
    anim->SetFrame(0);
    label({20, 250}, "숫자 (세 자리 구분, 더하기):");
    auto* number = add(new GVPSPNumberWnd);
    ASSERT_EQ(number->Load(dir + "digits.psp", {20, 270}, {200, 12}), 1);
    number->SetStyle(kNumberThousands | kNumberPlus, 1);
    number->SetNumber(1234567);
    auto* glass = add(new GVBoxWnd);
    glass->Create({400, 60}, {360, 120}, 0xFFFFFF, 96);
    glass->SetBorder(0xFFFFFF, 0x000000, BorderStyle::Raised);
    label({410, 70}, "반투명 상자 위의 한글 텍스트", 0x000000);
    label({410, 90}, "가나다라마바사 아자차카타파하", 0x0000FF);
    auto* edit = add(new GVEditWnd(window.GetHwnd()));
    ASSERT_EQ(edit->Create({400, 200, 760, 222}, 12, 400), 1);
    edit->SetFillColor(0xFFFFFF);
    edit->SetText("입력창: 안녕");
    edit->OnImeStartComposition(0, 0);
    edit->OnImeComposition(0xC7CF, GCS_COMPSTR);  // 하, still being composed
    auto* memo = add(new GVWndME);
    ASSERT_EQ(memo->Create({400, 240, 760, 300}, 12, 400, 4), 1);
    memo->SetFillColor(0x303030);
    memo->SetTextColor(0x9BF5FF);
    memo->AddText("여러 줄 상자는 긴 문장을 너비에 맞게 나누어 보여 주고 오래된 줄을 버린다.");
    auto* list = add(new GVListView);
    ASSERT_EQ(list->Create({400, 320, 740, 400}, 12, 400, 16), 1);
    list->SetFillColor(0x202020);
    list->SetColumns({200, 140});
    list->SetColors(0xFFFFFF, 0x805020);
    for (const char* name : {"첫째 사용자", "둘째 사용자", "셋째 사용자", "넷째 사용자", "다섯째 사용자", "여섯째"})
        list->AddItem({name, "1,000냥"});
    list->SetSelected(1);
    auto* bar = add(new GVScrollBar);
    bar->Create({740, 320, 752, 400});
    bar->SetRange(0, 1, 5);
    label({20, 320}, "슬라이더 -5000..0 = -1250");
    auto* slider = add(new GVSlideWnd);
    slider->Create({20, 340, 169, 358}, {13, 18});
    slider->SetColors(0xC0C0C0, 0x20A0FF);
    slider->SetRange(-5000, 0);
    slider->SetValue(-1250);
    auto* pictured = add(new GVSlideWnd);
    pictured->Create({20, 370, 320, 410}, {10, 10});
    ASSERT_EQ(pictured->LoadThumbImage(dir + "button.bmp"), 1);
    pictured->SetRange(0, 100);
    pictured->SetValue(100);

    EXPECT_TRUE(scene.Render(kAll, Back()) == kAll && !scene.TakeDrawFailed()) << "every widget drawn";
    EXPECT_EQ(screen.Present(0, 0, 800, 600), 1);

    // The glass box is white at 96 over the table's green: (116, 142, 116).
    const struct { const char* name; Point at; Rgb colour; } seen[] = {
        {"table", {10, 590}, {0x20, 0x4A, 0x20}},
        {"button's transparent corner", {20, 70}, {0x20, 0x4A, 0x20}},
        {"normal button", {25, 75}, kRed},
        {"hovered button", {85, 75}, kGreen},
        {"pressed button", {145, 75}, kBlue},
        {"disabled button", {205, 75}, {128, 128, 128}},
        {"frame 0 at its position", {31, 151}, kRed},
        {"frame 1 about its hot spot", {61, 136}, kGreen},
        {"frame 1's last pixel", {79, 164}, kGreen},
        {"left of frame 1", {59, 136}, {0x20, 0x4A, 0x20}},
        {"animation part 5 pixels in", {36, 226}, kBlue},
        {"first digit, glyph 1, after the plus and one pixel", {141, 270}, {12, 12, 12}},
        {"last digit, glyph 7, on the right edge", {217, 270}, {84, 84, 84}},
        {"glass box", {755, 175}, {116, 142, 116}},
        {"glass box's light left edge", {400, 120}, kWhite},
        {"glass box's dark right edge", {759, 120}, kBlack},
        {"right of the glass box", {760, 120}, {0x20, 0x4A, 0x20}},
        {"edit box", {755, 205}, kWhite},
        {"right of the edit box", {760, 205}, {0x20, 0x4A, 0x20}},
        {"picture thumb at the right end", {241, 371}, kRed},
        {"its last pixel", {319, 409}, {128, 128, 128}},
    };
    for (const auto& c : seen) EXPECT_TRUE(PixelIs(c.at, c.colour)) << c.name;
    EXPECT_GT(CountNear({20, 10, 420, 34}, {0xFF, 0xD7, 0x00}), 40) << "the title's ink";

    std::vector<uint8_t> rgb;
    {
        const SurfaceLock lock(Back(), DDLOCK_WAIT | DDLOCK_READONLY);
        ASSERT_TRUE(lock.View().IsValid());
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                const Rgb c = UnpackRgb(Mode(), lock.View().PixelAt(x, y));
                rgb.insert(rgb.end(), {c.r, c.g, c.b});
            }
    }
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    path = path.substr(0, path.find_last_of("\\/") + 1) + "toolkit_screenshot_depth" +
           std::to_string(RequestedDepth()) + ".png";
    ASSERT_TRUE(WritePng(path, 800, 600, rgb));
    std::printf("screenshot: %s\n", path.c_str());
}
