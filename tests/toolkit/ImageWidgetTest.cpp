#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVAvatarWnd.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVPushBtn.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVSlideWnd.h"

namespace {
class ImageWidgets : public SpriteFixture {};
}  // namespace

TEST_F(ImageWidgets, TransparencyAndAlphaAreClamped)
{
    GVDDSWnd w;
    const struct {
        const char* name;
        int percent;
        int alpha;
    } cases[] = {{"negative counts as 0", -10, 255}, {"0 is opaque", 0, 255}, {"half", 50, 127},
                 {"100 is invisible", 100, 0}, {"beyond 100 counts as 100", 150, 0}};
    for (const auto& c : cases) {
        w.SetTransparency(c.percent);
        EXPECT_EQ(w.GetAlpha(), c.alpha) << c.name;
    }
    w.SetAlpha(300);
    EXPECT_EQ(w.GetAlpha(), 255);
    w.SetAlpha(-5);
    EXPECT_EQ(w.GetAlpha(), 0);
}

TEST_F(ImageWidgets, PictureIsCroppedNotStretchedAndHitTestIsPixelExact)
{
    Clear();
    GVDDSWnd w;
    ASSERT_EQ(w.LoadImage(dir + "button.bmp", -1), 1);
    EXPECT_EQ(w.GetRect(), Rect(0, 0, 80, 40));
    EXPECT_EQ(w.LoadImage(dir + "missing.bmp", -1), 0);
    w.SetPos({100, 100});
    w.SetRect({100, 100, 110, 140});  // narrowed to 10 pixels
    EXPECT_EQ(w.Draw(Back(), kAll), 1);
    EXPECT_TRUE(NearColor(PixelAt(105, 105), {255, 0, 0})) << ToString(PixelAt(105, 105));
    EXPECT_TRUE(NearColor(PixelAt(110, 105), {0, 0, 0})) << "nothing beyond the narrowed width";
    EXPECT_TRUE(NearColor(PixelAt(100, 100), {0, 0, 0})) << "the colour key is not drawn";

    const struct {
        const char* name;
        int x, y;
        bool hit;
    } hits[] = {{"opaque pixel", 105, 105, true}, {"colour-key pixel", 100, 100, false},
                {"outside the rectangle", 111, 105, false}, {"left edge inside", 100, 101, true}};
    for (const auto& h : hits) EXPECT_EQ(w.HitTest(h.x, h.y, kHitVisible), h.hit) << h.name;
    w.Show(false);
    EXPECT_FALSE(w.HitTest(105, 105, kHitVisible)) << "hidden";
    EXPECT_TRUE(w.HitTest(105, 105, 0)) << "without the visible flag";
}

// The screenshot shows each cell drawn.
TEST_F(ImageWidgets, PushButtonCellsAndClicks)
{
    GVPushBtn b;
    ASSERT_EQ(b.LoadImage(dir + "button.bmp", -1, 2, 2), 1);
    b.SetPos({10, 10});
    EXPECT_EQ(b.GetRect(), Rect(10, 10, 50, 30)) << "one cell";
    const Point in{20, 20}, out{200, 200};
    const struct {
        const char* name;
        UINT msg;
        Point at;
        int answer, cell;
    } steps[] = {
        {"normal", 0, {}, 0, 0},
        {"hover", WM_MOUSEMOVE, in, 1, 1},
        {"down", WM_LBUTTONDOWN, in, 1, 2},
        {"held and dragged out", WM_MOUSEMOVE, out, 1, 0},
        {"released outside: no click", WM_LBUTTONUP, out, 0, 0},
        {"on the transparent corner", WM_LBUTTONDOWN, {10, 10}, 0, 0},
        {"pressed outside", WM_LBUTTONDOWN, out, 0, 0},
        {"then released inside: no click", WM_LBUTTONUP, in, 0, 0},
        {"pressed inside", WM_LBUTTONDOWN, in, 1, 2},
        {"released inside: a click", WM_LBUTTONUP, in, 1, 1},
    };
    for (const auto& s : steps) {
        int answer = 0;
        if (s.msg == WM_MOUSEMOVE) answer = b.OnMouseMove(s.at == out ? MK_LBUTTON : 0, s.at);
        if (s.msg == WM_LBUTTONDOWN) answer = b.OnLButtonDown(MK_LBUTTON, s.at);
        if (s.msg == WM_LBUTTONUP) answer = b.OnLButtonUp(0, s.at);
        EXPECT_EQ(answer, s.answer) << s.name;
        EXPECT_EQ(b.ImageCell(), s.cell) << s.name;
    }
    b.Enable(false);
    EXPECT_EQ(b.ImageCell(), 3) << "disabled";
    EXPECT_EQ(b.OnLButtonDown(MK_LBUTTON, in), 0) << "disabled";
    EXPECT_EQ(b.OnLButtonUp(0, in), 0);
}

TEST_F(ImageWidgets, SpriteFramesRejectOutOfRangeIndexes)
{
    GVPSPWnd psp;
    ASSERT_EQ(psp.Load(dir + "cards.psp"), 1);
    EXPECT_EQ(psp.Load(dir + "none.psp"), 0);
    EXPECT_EQ(psp.GetFrameCount(), 3);
    psp.SetPos({100, 100});
    const struct {
        const char* name;
        int set;
        int frame;
        Rect rect;
    } cases[] = {
        {"frame with a hot spot", 1, 1, {90, 85, 110, 115}},
        {"last frame", 2, 2, {100, 100, 110, 110}},
        {"beyond the count selects 0", 3, 0, {100, 100, 120, 130}},
        {"negative selects 0", -1, 0, {100, 100, 120, 130}},
        {"far negative selects 0", -100000, 0, {100, 100, 120, 130}},
    };
    for (const auto& c : cases) {
        psp.SetFrame(2);
        psp.SetFrame(c.set);
        EXPECT_EQ(psp.GetFrame(), c.frame) << c.name;
        EXPECT_EQ(psp.GetRect(), c.rect) << c.name;
    }
    GVQZSWnd sheet;
    ASSERT_EQ(sheet.Load(dir + "cards.qzs"), 1);
    EXPECT_EQ(sheet.GetFrameSize(1), Size(20, 30));
    EXPECT_EQ(sheet.GetFrameSize(-1), Size()) << "negative index";
    EXPECT_EQ(sheet.GetFrameSize(3), Size()) << "beyond the count";
}

TEST_F(ImageWidgets, AnimationPlaysSelectsAndReportsFrames)
{
    VirtualClock clock;
    GVQZAniWnd a;
    ASSERT_EQ(a.Load(dir + "anim.qza", 200, 200), 1);
    EXPECT_EQ(a.GetSubAnimation(), -1) << "a set waits for a selection";
    EXPECT_EQ(a.SelectAnimation(2), 0);
    EXPECT_EQ(a.SelectAnimation(-1), 0);
    EXPECT_EQ(a.SelectAnimationByName("Z"), 0);
    EXPECT_EQ(a.SelectAnimationByName("B"), 1);
    EXPECT_EQ(a.GetSubAnimation(), 1);
    EXPECT_EQ(a.SelectAnimation(0), 1);
    EXPECT_EQ(a.GetFrameCount(), 3);
    EXPECT_EQ(a.GetRect(), Rect(190, 185, 220, 230)) << "covers every frame";

    a.Show(false);
    a.Play(1, false);
    EXPECT_TRUE(a.IsVisible());
    EXPECT_TRUE(a.IsPlaying());
    a.Update();
    EXPECT_EQ(a.GetFrame(), 0);
    std::vector<int> frames;
    for (int t = 0; t < 6 && a.IsPlaying(); ++t) {
        Clock::Advance(50);
        if (a.Update()) frames.push_back(a.GetFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 2})) << "two steps, then the end";
    EXPECT_FALSE(a.IsPlaying());
    EXPECT_FALSE(a.IsVisible()) << "without hold it hides at the end";
    EXPECT_EQ(a.Update(), 0) << "stopped";

    a.Play(1, true);
    for (int t = 0; t < 6; ++t) {
        Clock::Advance(50);
        a.Update();
    }
    EXPECT_TRUE(a.IsVisible()) << "hold keeps the last frame";
    EXPECT_EQ(a.GetFrame(), 2);
    Clear();
    EXPECT_EQ(a.Draw(Back(), kAll), 1);
    EXPECT_TRUE(NearColor(PixelAt(200, 200), {0, 0, 255})) << ToString(PixelAt(200, 200));

    const struct {
        int set, frame;
    } jumps[] = {{1, 1}, {-3, 0}, {7, 0}, {3, 0}, {2, 2}};
    for (const auto& j : jumps) {
        EXPECT_EQ(a.SetFrame(j.set), 1);
        EXPECT_EQ(a.GetFrame(), j.frame) << "SetFrame(" << j.set << ")";
    }
    a.Stop();
    EXPECT_FALSE(a.IsVisible());
    EXPECT_FALSE(a.IsPlaying());
}

TEST_F(ImageWidgets, NumberWidgetLaysGlyphsRightAligned)
{
    Clear();
    GVPSPNumberWnd n;
    ASSERT_EQ(n.Load(dir + "digits.psp", {300, 300}, {200, 12}), 1);
    EXPECT_EQ(n.Load(dir + "none.psp", {0, 0}, {1, 1}), 0);
    EXPECT_EQ(n.SetGlyphBase(40), 0) << "a base beyond the pack";
    n.SetStyle(kNumberThousands, 2);
    n.SetNumber(1234567);
    const std::vector<int> xs = n.GlyphPositions();
    ASSERT_EQ(xs.size(), 9u);
    EXPECT_EQ(xs.back(), 500 - 8) << "the last glyph's right edge on the box's";
    EXPECT_EQ(xs[7] + 8 + 2, xs[8]) << "spacing";
    EXPECT_EQ(n.Draw(Back(), kAll), 1);
    EXPECT_TRUE(NearColor(PixelAt(xs[0] + 2, 305), {12, 12, 12})) << "glyph 1: " << ToString(PixelAt(xs[0] + 2, 305));
    EXPECT_TRUE(NearColor(PixelAt(xs[0] - 1, 305), {0, 0, 0})) << "nothing left of the number";
}

TEST_F(ImageWidgets, StripAnimationAndAvatar)
{
    VirtualClock clock;
    std::vector<Image> frames;
    for (uint32_t c : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}) frames.push_back(*Image::Create(6, 4, c));
    frames[1].At(2, 2) = 0;  // one transparent pixel in the second frame
    folder.Write("strip.gif", WriteGif(frames));
    frames[0].delay10ms = 0;

    GVAnimWnd anim;
    ASSERT_EQ(anim.SetFrames(frames, {6, 4}), 1);
    EXPECT_EQ(anim.GetFrameCount(), 3);
    anim.SetFrameDelay(100);
    anim.Play(false);
    EXPECT_EQ(anim.Step(), 0) << "no time passed";
    Clock::Advance(250);
    EXPECT_EQ(anim.Step(), 1);
    EXPECT_EQ(anim.GetFrame(), 2) << "two frames passed in one tick";
    Clock::Advance(100);
    EXPECT_EQ(anim.Step(), 0);
    EXPECT_FALSE(anim.IsPlaying()) << "no loop: stops on the last frame";
    anim.SetFrame(-2);
    EXPECT_EQ(anim.GetFrame(), 0);

    const size_t before = XResEntryMgr::Instance().GetEntryCount();
    GVAvatarWnd avatar, same;
    ASSERT_EQ(avatar.Load(dir + "missing.gif", dir + "strip.gif"), 1);
    ASSERT_EQ(same.Load(dir + "strip.gif", dir + "none.gif"), 1);
    EXPECT_EQ(XResEntryMgr::Instance().GetEntryCount(), before + 1) << "both avatars show one entry";
    EXPECT_TRUE(avatar.IsFallback());
    EXPECT_EQ(avatar.GetFrameCount(), 3);
    EXPECT_EQ(avatar.GetRect().GetSize(), Size(6, 4));
    Clock::Advance(1000);
    EXPECT_EQ(avatar.Update(), 1);
    EXPECT_TRUE(avatar.IsDirty());
    avatar.Show(false);
    Clock::Advance(1000);
    EXPECT_EQ(avatar.Update(), 0) << "hidden avatars stand still";
    EXPECT_EQ(avatar.Load(dir + "a.gif", dir + "b.gif"), 0);

    // Hit test and drawing take the frame's own pixels from the entry.
    same.SetFrame(1);
    const struct {
        const char* name;
        int x, y;
        bool hit;
    } hits[] = {{"frame 1, transparent pixel", 2, 2, false}, {"frame 1, opaque pixel", 3, 2, true}};
    for (const auto& h : hits) EXPECT_EQ(same.HitTest(h.x, h.y, kHitVisible), h.hit) << h.name;
    Clear();
    same.SetPos({40, 40});
    EXPECT_EQ(same.Draw(Back(), kAll), 1);
    EXPECT_TRUE(NearColor(PixelAt(41, 41), {0, 255, 0})) << ToString(PixelAt(41, 41));
    EXPECT_TRUE(NearColor(PixelAt(42, 42), {0, 0, 0})) << "the transparent pixel";
}

TEST_F(ImageWidgets, SliderThumbPicture)
{
    Clear();
    GVSlideWnd s;
    ASSERT_EQ(s.Create({100, 400, 400, 440}, {10, 10}), 1);
    EXPECT_EQ(s.LoadThumbImage(dir + "missing.bmp"), 0);
    ASSERT_EQ(s.LoadThumbImage(dir + "button.bmp"), 1);
    s.SetRange(0, 100);
    s.SetValue(100);
    EXPECT_EQ(s.GetThumbRect(), Rect(320, 400, 400, 440)) << "the picture's size; the right end of the track";
    EXPECT_EQ(s.Draw(Back(), kAll), 1);
    EXPECT_TRUE(NearColor(PixelAt(330, 405), {255, 0, 0})) << ToString(PixelAt(330, 405));
    EXPECT_TRUE(NearColor(PixelAt(319, 405), {0, 0, 0})) << "nothing left of the thumb";
}
