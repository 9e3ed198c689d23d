#pragma once

#include <string>
#include <vector>

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

// The display, the effect manager of its format, and a folder of generated picture files:
//  cards.psp: 0 red 20x30, 1 green 20x30 with hot spot (10, 15), 2 blue 10x10
//  digits.psp: 18 glyphs 8x12, glyph i grey (i * 12)
//  anim.qza: set "A" (cards 0, 1, 2, 50 ms each) and "B" (card 2)
//  button.bmp: 2 x 2 cells of 40 x 20: red, green, blue, grey; each cell's top-left pixel magenta
class SpriteFixture : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        if (IsSkipped()) return;
        CreateFXMan(Mode());
        dir = folder.Base();
        QZSRsc_Init(64, dir);

        QZSpriteData cards;
        cards.frames = {spritetest::SolidFrame(20, 30, 0xFF0000), spritetest::SolidFrame(20, 30, 0x00FF00, 10, 15),
                        spritetest::SolidFrame(10, 10, 0x0000FF)};
        folder.Write("cards.psp", WriteSpriteFile(cards, SpriteFileKind::Pack));
        folder.Write("cards.qzs", WriteSpriteFile(cards, SpriteFileKind::Sheet));

        QZSpriteData digits;
        for (int i = 0; i < 18; ++i) {
            const auto g = static_cast<uint32_t>(i * 12);
            digits.frames.push_back(spritetest::SolidFrame(8, 12, (g << 16) | (g << 8) | g));
        }
        folder.Write("digits.psp", WriteSpriteFile(digits, SpriteFileKind::Pack));

        QZAnimationFile anim;
        anim.isSet = true;
        anim.packPath = "cards.psp";
        QZAnimation a;
        a.name = "A";
        for (uint16_t s = 0; s < 3; ++s) a.frames.push_back(QZAFrame{5, -1, 0, {QZAPart{s, 0, 0, 0}}});
        QZAnimation b;
        b.name = "B";
        b.frames.push_back(QZAFrame{5, -1, 0, {QZAPart{2, 5, 5, 0}}});
        anim.animations = {a, b};
        folder.Write("anim.qza", WriteAnimationFile(anim));

        auto grid = Image::Create(80, 40, 0);
        const uint32_t cells[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF808080};
        for (int c = 0; c < 4; ++c)
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 40; ++x)
                    grid->At((c % 2) * 40 + x, (c / 2) * 20 + y) = (x == 0 && y == 0) ? 0xFFFF00FF : cells[c];
        folder.Write("button.bmp", WriteBmp(*grid));
    }
    void TearDown() override
    {
        QZSprite_RSCManager::Instance().Reset();
        CreateFXMan(PixelMode::None);
        ScreenFixture::TearDown();
    }

    spritetest::TempFolder folder{"toolkit" + std::to_string(GetCurrentProcessId())};
    std::string dir;
};
