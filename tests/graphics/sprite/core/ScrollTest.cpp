#include <gtest/gtest.h>

#include <memory>

#include "foundation/core/Clock.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/Scroll.h"

namespace {

struct VirtualClock {
    VirtualClock() { Clock::UseVirtual(1000, {}); }
    ~VirtualClock() { Clock::UseReal(); }
};

// A sprite `width` pixels wide that crosses a 178-pixel strip at 178 pixels per 4000 ms.
std::unique_ptr<KK_LLESprite_Scroll> ScrollSprite(int32_t width)
{
    K_Dib dib;
    dib.Create(width, 2, 32);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < width; ++x) dib.Row<uint32_t>(y)[x] = 0xFF123456;
    auto s = std::make_unique<KK_LLESprite_Scroll>();
    EXPECT_EQ(s->EncodeDib(dib.GetBitmapInfo(), dib.GetBits(), PixelMode::Rgb32), 1);
    s->SetScroll(width + 178, 178, 4000, width);
    return s;
}

}  // namespace

TEST(ScrollText, RunsEachSpriteAcrossTheStripOnceAndEnds)
{
    VirtualClock clock;
    CScroll_Text scroller;
    scroller.textRect = {96, 5, 274, 17};
    EXPECT_EQ(scroller.Step(Clock::NowMs(), false, false), 0) << "empty";
    scroller.sprites.push_back(ScrollSprite(22));  // 200 px: 4494 ms
    scroller.Restart();
    const uint32_t t0 = Clock::NowMs();
    EXPECT_EQ(scroller.Step(t0 + 2000, false, false), 1);
    EXPECT_EQ(scroller.sprites[0]->GetDrawPos(scroller.textRect).x, 274 - 89) << "178 px per 4000 ms";
    EXPECT_EQ(scroller.Step(t0 + 4493, false, false), 1);
    EXPECT_EQ(scroller.Step(t0 + 4494, false, false), 2) << "past its end: the queue has run out";
    EXPECT_EQ(scroller.sprites[0]->move.current, 0) << "rewound";
    EXPECT_EQ(scroller.Step(t0 + 5000, false, false), 0) << "stopped";

    scroller.Restart();
    const uint32_t t1 = Clock::NowMs();
    EXPECT_EQ(scroller.Step(t1 + 4494, true, false), 1) << "loop starts over";
    EXPECT_EQ(scroller.Step(t1 + 4600, true, false), 1);
}

TEST(ScrollText, TheNextSpriteFollowsOnceTheCurrentHasClearedItsWidth)
{
    VirtualClock clock;
    CScroll_Text scroller;
    scroller.textRect = {96, 5, 274, 17};
    scroller.sprites.push_back(ScrollSprite(22));
    scroller.sprites.push_back(ScrollSprite(22));
    scroller.Restart();
    const uint32_t t0 = Clock::NowMs();
    EXPECT_EQ(scroller.Step(t0 + 400, false, false), 1);  // 17 px: not yet past its width
    EXPECT_FALSE(scroller.sprites[1]->move.running);
    EXPECT_EQ(scroller.Step(t0 + 600, false, false), 1);  // 26 px
    EXPECT_TRUE(scroller.sprites[1]->move.running);
    EXPECT_EQ(scroller.Step(t0 + 4494, false, true), 1) << "the first removed, the second current";
    EXPECT_EQ(scroller.sprites.size(), 1u);
    EXPECT_EQ(scroller.Step(t0 + 20000, false, true), 2);
    EXPECT_TRUE(scroller.sprites.empty());
}
