#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVAvatarWnd.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVPushBtn.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"

using ImageWidgets = SpriteFixture;
using ResourceEntries = SpriteFixture;

TEST_F(ImageWidgets, PictureIsCroppedNotStretchedAndHitTestIsPixelExact)
{
    Clear();
    GVDDSWnd w;
    ASSERT_EQ(w.LoadImage(dir + "button.bmp", -1), 1);
    EXPECT_EQ(w.GetRect(), Rect(0, 0, 80, 40));
    w.SetRect({100, 100, 110, 140});  // narrowed to 10 pixels
    EXPECT_EQ(w.Draw(Back(), kAll), 1);
    EXPECT_TRUE(PixelIs({105, 105}, kRed));
    EXPECT_TRUE(PixelIs({110, 105}, kBlack)) << "nothing beyond the narrowed width";
    EXPECT_TRUE(PixelIs({100, 100}, kBlack)) << "the colour key is not drawn";
    const struct { const char* name; int x, y; bool hit; } hits[] = {
        {"opaque pixel", 105, 105, true}, {"colour-key pixel", 100, 100, false},
        {"outside the rectangle", 111, 105, false}, {"left edge inside", 100, 101, true}};
    for (const auto& h : hits) EXPECT_EQ(w.HitTest(h.x, h.y, kHitVisible), h.hit) << h.name;
    w.Show(false);
    EXPECT_TRUE(!w.HitTest(105, 105, kHitVisible) && w.HitTest(105, 105, 0)) << "hidden counts only when asked";
    w.SetTransparency(50);
    EXPECT_EQ(w.GetAlpha(), 127) << "a card half way through its fade";
}

TEST_F(ImageWidgets, PushButtonCellsAndClicks)
{
    GVPushBtn b;
    ASSERT_EQ(b.LoadImage(dir + "button.bmp", -1, 2, 2), 1);
    b.SetPos({10, 10});
    EXPECT_EQ(b.GetRect(), Rect(10, 10, 50, 30)) << "one cell";
    const Point in{20, 20}, out{200, 200};
    const struct { const char* name; UINT msg; Point at; int answer, cell; } steps[] = {
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
    EXPECT_EQ(b.ImageCell(), 0) << "normal";
    for (const auto& s : steps)
        EXPECT_TRUE(Send(b, s.msg, s.at) == s.answer && b.ImageCell() == s.cell) << s.name << ": " << b.ImageCell();
    b.Enable(false);
    EXPECT_EQ(b.ImageCell(), 3) << "disabled";
    EXPECT_TRUE(Send(b, WM_LBUTTONDOWN, in) == 0 && Send(b, WM_LBUTTONUP, in) == 0) << "disabled";
}

TEST_F(ImageWidgets, SpriteFramesRejectOutOfRangeIndexes)
{
    GVPSPWnd psp;
    ASSERT_EQ(psp.Load(dir + "cards.psp"), 1);
    EXPECT_TRUE(psp.Load(dir + "none.psp") == 0 && psp.GetFrameCount() == 3) << "a failed load keeps the frames";
    psp.SetPos({100, 100});
    const struct { const char* name; int set, frame; Rect rect; } cases[] = {
        {"frame with a hot spot", 1, 1, {90, 85, 110, 115}},
        {"last frame", 2, 2, {100, 100, 110, 110}},
        {"beyond the count selects 0", 3, 0, {100, 100, 120, 130}},
        {"negative selects 0", -1, 0, {100, 100, 120, 130}},
    };
    for (const auto& c : cases) {
        psp.SetFrame(2);
        psp.SetFrame(c.set);
        EXPECT_TRUE(psp.GetFrame() == c.frame && psp.GetRect() == c.rect) << c.name << ": frame " << psp.GetFrame();
    }
    GVQZSWnd sheet;
    ASSERT_EQ(sheet.Load(dir + "cards.qzs"), 1);
    EXPECT_EQ(sheet.GetFrameSize(1), Size(20, 30));
    EXPECT_TRUE(sheet.GetFrameSize(-1) == Size() && sheet.GetFrameSize(3) == Size()) << "indexes outside";
}

TEST_F(ImageWidgets, AnimationPlaysSelectsAndReportsFrames)
{
    VirtualClock clock;
    GVQZAniWnd a;
    ASSERT_EQ(a.Load(dir + "anim.qza", 200, 200), 1);
    EXPECT_EQ(a.GetSubAnimation(), -1) << "a set waits for a selection";
    EXPECT_TRUE(!a.SelectAnimation(2) && !a.SelectAnimation(-1) && !a.SelectAnimationByName("Z")) << "no such one";
    EXPECT_TRUE(a.SelectAnimationByName("B") == 1 && a.GetSubAnimation() == 1);
    EXPECT_TRUE(a.SelectAnimation(0) == 1 && a.GetFrameCount() == 3);
    EXPECT_EQ(a.GetRect(), Rect(190, 185, 220, 230)) << "covers every frame";

    // The frames each 50 ms step shows while it plays, once from a hidden start.
    auto play = [&a](bool hold) {
        a.Show(false);
        a.Play(1, hold);
        std::vector<int> frames{a.IsVisible() && a.IsPlaying() ? a.GetFrame() : -1};
        for (int t = 0; t < 6 && a.IsPlaying(); ++t) {
            Clock::Advance(50);
            if (a.Update()) frames.push_back(a.GetFrame());
        }
        return frames;
    };
    EXPECT_EQ(play(false), (std::vector<int>{0, 1, 2, 2})) << "two steps, then the end";
    EXPECT_TRUE(!a.IsPlaying() && !a.IsVisible() && a.Update() == 0) << "without hold it hides and stops at the end";
    EXPECT_EQ(play(true), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(a.IsVisible() && a.GetFrame() == 2) << "hold keeps the last frame";
    Clear();
    EXPECT_EQ(a.Draw(Back(), kAll), 1);
    EXPECT_TRUE(PixelIs({200, 200}, kBlue));
    for (const auto& [set, frame] : {std::pair{1, 1}, {-3, 0}, {7, 0}, {3, 0}, {2, 2}})
        EXPECT_TRUE(a.SetFrame(set) == 1 && a.GetFrame() == frame) << "SetFrame(" << set << ")";
    a.Stop();
    EXPECT_TRUE(!a.IsVisible() && !a.IsPlaying());
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
    anim.SetFrameDelay(100);
    anim.Play(false);
    EXPECT_EQ(anim.Step(), 0) << "no time passed";
    Clock::Advance(250);
    EXPECT_TRUE(anim.Step() == 1 && anim.GetFrame() == 2) << "two frames passed in one tick";
    Clock::Advance(100);
    EXPECT_TRUE(anim.Step() == 0 && !anim.IsPlaying()) << "no loop: stops on the last frame";
    anim.SetFrame(-2);
    EXPECT_EQ(anim.GetFrame(), 0);

    const size_t before = XResEntryMgr::Instance().GetEntryCount();
    GVAvatarWnd avatar, same;
    ASSERT_EQ(avatar.Load(dir + "missing.gif", dir + "strip.gif"), 1);
    ASSERT_EQ(same.Load(dir + "strip.gif", dir + "none.gif"), 1);
    EXPECT_EQ(XResEntryMgr::Instance().GetEntryCount(), before + 1) << "both avatars show one entry";
    EXPECT_TRUE(avatar.IsFallback() && avatar.GetFrameCount() == 3 && avatar.GetRect().GetSize() == Size(6, 4));
    Clock::Advance(1000);
    EXPECT_TRUE(avatar.Update() == 1 && avatar.IsDirty());
    EXPECT_EQ(avatar.Load(dir + "a.gif", dir + "b.gif"), 0);

    // Hit test and drawing take the frame's own pixels from the entry.
    same.SetFrame(1);
    EXPECT_TRUE(!same.HitTest(2, 2, kHitVisible) && same.HitTest(3, 2, kHitVisible)) << "frame 1's transparent pixel";
    Clear();
    same.SetPos({40, 40});
    EXPECT_EQ(same.Draw(Back(), kAll), 1);
    EXPECT_TRUE(PixelIs({41, 41}, kGreen));
    EXPECT_TRUE(PixelIs({42, 42}, kBlack)) << "the transparent pixel";
}

TEST_F(ResourceEntries, WidgetsHoldOneReferenceToWhatTheyShow)
{
    XResEntryMgr& mgr = XResEntryMgr::Instance();
    const size_t before = mgr.GetEntryCount();
    auto a = std::make_unique<GVDDSWnd>();
    auto b = std::make_unique<GVPushBtn>();
    ASSERT_EQ(a->LoadImage(dir + "button.bmp", -1), 1);
    ASSERT_EQ(b->LoadImage(dir + "BUTTON.BMP", -1, 2, 2), 1);
    const XResHandle shared = a->GetEntry();
    EXPECT_TRUE(b->GetEntry() == shared && mgr.GetRefCount(shared) == 2) << "one file, one entry";
    EXPECT_EQ(a->LoadImage(dir + "missing.bmp", -1), 0);
    EXPECT_TRUE(a->GetEntry() == shared && mgr.GetRefCount(shared) == 2) << "a failed load keeps the picture";
    a.reset();
    EXPECT_EQ(mgr.GetRefCount(shared), 1);
    b->SetGrid(*Image::Create(8, 8, 0xFFFFFFFF), 1, 1);
    EXPECT_EQ(mgr.GetRefCount(shared), 0) << "taking another picture gave the file back";
    b.reset();

    {
        GVDDSWnd c, d;  // pictures made in memory are private
        for (GVDDSWnd* w : {&c, &d}) w->SetImage(*Image::Create(10, 6, 0xFFFF0000));
        EXPECT_NE(c.GetEntry(), d.GetEntry());
        c.SetImage(*Image::Create(3, 3, 0xFF00FF00));
        EXPECT_EQ(mgr.GetEntryCount(), before + 2) << "the replaced picture was released";
        c.SetImage(Image{});
        EXPECT_EQ(c.GetRect().GetSize(), Size(3, 3)) << "an empty picture is refused and changes nothing";
    }
    EXPECT_EQ(mgr.GetEntryCount(), before) << "every entry given back";
}

TEST_F(ResourceEntries, TextIsDrawnOnceThereIsADisplayAndAgainAfterItIsRecreated)
{
    XResEntryMgr& mgr = XResEntryMgr::Instance();
    mgr.Unbind();
    GVTextWnd text;
    ASSERT_EQ(text.Create({120, 20}, 16, 700), 1);
    text.SetTextColor(0xFFFFFF);
    text.SetText("한글 텍스트");
    text.SetPos({500, 100});
    EXPECT_TRUE(text.Draw(Back(), kAll) == 0 && text.IsDirty()) << "no display yet: the text waits to be drawn";
    for (const char* when : {"first display", "re-created display"}) {
        if (std::string(when) != "first display") {
            mgr.Unbind();
            screen.Release();
            ASSERT_EQ(screen.Create(window.GetHwnd(), {800, 600}, ScreenMode::Windowed), DD_OK);
        }
        ASSERT_EQ(mgr.Bind(screen.GetDirectDraw(), Back(), screen.GetColorKey()), DD_OK);
        Clear();
        EXPECT_EQ(text.Draw(Back(), kAll), 1) << when;
        EXPECT_GT(CountNear({500, 100, 620, 120}, kWhite), 20) << when << ": the text's ink";
        EXPECT_EQ(CountNear({500, 100, 620, 120}, {255, 0, 255}), 0) << when << ": no key pixel copied";
    }
}
