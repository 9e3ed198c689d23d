#pragma once

#include <iterator>
#include <string>

#include "ToolkitTestSupport.h"
#include "foundation/core/Clock.h"
#include "graphics/resources/core/ImageWriters.h"
#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "graphics/sprite/core/SpriteFormats.h"
#include "graphics/sprite/core/SpriteTestData.h"

// The module clock in virtual mode for the life of the object.
struct VirtualClock {
    VirtualClock() { Clock::UseVirtual(1000, {}); }
    ~VirtualClock() { Clock::UseReal(); }
};

// Glyph g of the number pack: grey g * 12, drawn with a 3 x 5 figure at twice its size so a person can
// read the screenshot; the units (13..16) and the suffix stay plain.
inline QZFrame DigitGlyph(int g)
{
    static const char* const kFigures[] = {"111101101101111", "010110010010111", "111001111100111", "111001111001111",
                                           "101101111001001", "111100111001111", "111100111101111", "111001001001001",
                                           "111101111101111", "111101111001111", "000000000010100", "000010111010000",
                                           "000000111000000"};
    QZFrame f = spritetest::SolidFrame(8, 12, static_cast<uint32_t>(g * 12) * 0x010101);
    if (g >= static_cast<int>(std::size(kFigures))) return f;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 6; ++x)
            if (kFigures[g][(y / 2) * 3 + x / 2] == '1') f.pixels[size_t((y + 1) * 8 + x + 1)] = 0xFFFFFFFFu;
    return f;
}

// The display, the effect manager of its format, and a folder of generated picture files:
//  cards.psp and cards.qzs: 0 red 20x30, 1 green 20x30 with hot spot (10, 15), 2 blue 10x10
//  digits.psp: 18 glyphs 8x12, glyph i grey (i * 12) with its digit or sign in white (columns 1..6)
//  anim.qza: set "A" (cards 0, 1, 2, 50 ms each) and "B" (card 2 at 5, 5)
//  button.bmp: 2 x 2 cells of 40 x 20: red, green, blue, grey; each cell's top-left pixel magenta
class SpriteFixture : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        if (IsSkipped()) return;
        CreateFXMan(Mode());
        QZSRsc_Init(64, dir);
        using spritetest::SolidFrame;
        const QZSpriteData cards{
            {SolidFrame(20, 30, 0xFF0000), SolidFrame(20, 30, 0x00FF00, 10, 15), SolidFrame(10, 10, 0x0000FF)}};
        folder.Write("cards.psp", WriteSpriteFile(cards, SpriteFileKind::Pack));
        folder.Write("cards.qzs", WriteSpriteFile(cards, SpriteFileKind::Sheet));
        QZSpriteData digits;
        for (int g = 0; g < 18; ++g) digits.frames.push_back(DigitGlyph(g));
        folder.Write("digits.psp", WriteSpriteFile(digits, SpriteFileKind::Pack));

        using spritetest::MakeAnimation;
        QZAnimationFile anim{true, "cards.psp", {MakeAnimation("A", {5, 5, 5}), MakeAnimation("B", {5})}};
        anim.animations[1].frames[0].parts = {QZAPart{2, 5, 5, 0}};
        folder.Write("anim.qza", WriteAnimationFile(anim));

        auto grid = Image::Create(80, 40, 0);
        const uint32_t cells[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF808080};
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 80; ++x)
                grid->At(x, y) = x % 40 == 0 && y % 20 == 0 ? 0xFFFF00FF : cells[y / 20 * 2 + x / 40];
        folder.Write("button.bmp", WriteBmp(*grid));
    }
    void TearDown() override
    {
        QZSprite_RSCManager::Instance().Reset();
        CreateFXMan(PixelMode::None);
        ScreenFixture::TearDown();
    }

    spritetest::TempFolder folder{"toolkit" + std::to_string(GetCurrentProcessId())};
    const std::string dir = folder.Base();
};
