#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "PanelTestSupport.h"
#include "views/CVCountWnd.h"
#include "views/CVNumberWnd.h"
#include "views/CVTextShadowWnd.h"
#include "views/WidgetFactory.h"

class SmallWidgets : public PanelFixture {
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        if (IsSkipped()) return;
        // The counter: 20 x 22 of dark grey. The digit strip: ten cells of 10 x 12, cell d of grey d * 20.
        folder.Write("Hwatoo\\pee_count.bmp", WriteBmp(*Image::Create(20, 22, 0xFF202020)));
        auto strip = Image::Create(100, 12, 0);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 100; ++x) strip->At(x, y) = 0xFF000000u | uint32_t(x / 10 * 20) * 0x010101u;
        folder.Write("digits.bmp", WriteBmp(*strip));
    }

    WidgetFactory factory{dir, owner};
};

TEST_F(SmallWidgets, TwoShadowTextsKeepTheirOwnColours)
{
    std::unique_ptr<CVTextShadowWnd> red(factory.CreateTextShadowWnd("MMM", {100, 100}, {40, 14}, 12, 700, 0x0000FF));
    std::unique_ptr<CVTextShadowWnd> green(factory.CreateTextShadowWnd("MMM", {100, 200}, {40, 14}, 12, 700, 0x00FF00));
    ASSERT_TRUE(red && green);
    red->SetShadowColor(0xFF0000);
    green->SetShadowColor(0xFF0000);
    const struct { const char* name; CVTextShadowWnd* text; Rect area; Rgb own, other; } cases[] = {
        {"red text", red.get(), {100, 100, 141, 115}, kRed, kGreen},
        {"green text", green.get(), {100, 200, 141, 215}, kGreen, kRed},
    };
    // Drawn in turn: a shadow text must not take another's colour back.
    Clear();
    for (const auto& c : cases) ASSERT_EQ(c.text->Draw(Back(), kAll), 1) << c.name;
    for (const auto& c : cases) {
        EXPECT_GT(CountNear(c.area, c.own), 0) << c.name;
        EXPECT_EQ(CountNear(c.area, c.other), 0) << c.name;
        EXPECT_GT(CountNear(c.area, kBlue), 0) << c.name << ": the shadow";
        EXPECT_EQ(c.text->GetRect(), Rect(c.area.TopLeft(), Size{40, 14})) << c.name << ": the text moved";
    }
}

TEST_F(SmallWidgets, CountWindowHidesBelowOneAndShowsTheNumber)
{
    std::unique_ptr<CVCountWnd> count(factory.CreateCountWnd());
    ASSERT_TRUE(count && !count->IsVisible()) << "made hidden";
    count->SetPos({300, 300});
    for (const int n : {0, -3, 7}) {
        count->SetDirty(false);
        count->SetCount(n);
        EXPECT_EQ(std::make_tuple(count->IsVisible(), count->GetCountText()->GetText(), count->IsDirty()),
                  std::make_tuple(n > 0, n > 0 ? std::to_string(n) : "", true)) << n << ": shown, text, dirty";
    }
    Clear();
    ASSERT_EQ(count->Draw(Back(), kAll), 1);
    EXPECT_GT(CountNear({302, 304, 319, 318}, {0xF5, 0xF9, 0x06}), 0) << "the 7, moved with its counter";
    EXPECT_TRUE(PixelIs({300, 300}, {0x20, 0x20, 0x20})) << "the counter";
}

TEST_F(SmallWidgets, NumberDrawsRightAlignedWithoutMoving)
{
    std::unique_ptr<CVNumberWnd> number(
        factory.CreateNumberWnd("digits.bmp", {200, 100, 260, 112}, {0, 0, 100, 12}, 2, Visible::Yes));
    ASSERT_NE(number, nullptr);
    number->SetNumber(105);
    Clear();
    ASSERT_EQ(number->Draw(Back(), kAll), 1);
    const struct { const char* name; Point at; Rgb colour; } cases[] = {
        {"5 against the right edge", {255, 105}, {100, 100, 100}},
        {"0 left of it, 2 pixels apart", {243, 105}, kBlack},
        {"1 leftmost", {231, 105}, {20, 20, 20}},
        {"the gap between 0 and 1", {239, 105}, kBlack},
    };
    for (const auto& c : cases) EXPECT_TRUE(PixelIs(c.at, c.colour)) << c.name;
    EXPECT_EQ(number->GetRect(), (Rect{200, 100, 260, 112}));
}
