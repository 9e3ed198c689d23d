#include <algorithm>
#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVLightTextWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVTextWnd.h"
#include "toolkit/GVWS.h"

using RenderBenchmark = SpriteFixture;

// An 800 x 600 table of 300 widgets: drawn whole, and with one card moving by dirty rectangles.
// Wall-clock times of real drawing and presenting under Wine; the figures are printed.
TEST_F(RenderBenchmark, FullFrameAndOneMovingCard)
{
    GVWS scene;
    auto* table = new GVBoxWnd;
    table->Create({0, 0}, {800, 600}, 0x204A20, 255);
    scene.AddWnd(table);
    auto card = Image::Create(36, 55, 0xFFF0F0F0);
    for (int y = 0; y < 55; ++y) card->At(0, y) = card->At(35, y) = 0xFF000000;
    GVDDSWnd* moving = nullptr;
    for (int i = 0; i < 299; ++i) {
        GVWnd* w = nullptr;
        if (i % 3 == 0) {
            auto* s = new GVPSPWnd;
            EXPECT_EQ(s->Load(dir + "cards.psp"), 1);
            w = s;
        } else if (i % 3 == 1) {
            moving = new GVDDSWnd;
            moving->SetImage(*card);
            w = moving;
        } else if (i % 6 == 2) {
            auto* t = new GVTextWnd;
            EXPECT_EQ(t->Create({60, 14}, 12, 400), 1);
            t->SetText("점수 12");
            w = t;
        } else {
            auto* l = new GVLightTextWnd;  // drawn by GDI straight onto the back buffer
            EXPECT_EQ(l->Init({60, 14}, -1, 12, 400), 1);
            l->SetText("1,000냥");
            w = l;
        }
        w->SetPos({(i * 37) % 760, ((i * 37) / 760) * 40 % 540});
        scene.AddWnd(w);
    }
    scene.AddWnd(moving);  // on top

    LARGE_INTEGER freq, a, m, b;
    QueryPerformanceFrequency(&freq);
    auto ms = [&](LARGE_INTEGER from, LARGE_INTEGER to) {
        return static_cast<double>(to.QuadPart - from.QuadPart) * 1e3 / static_cast<double>(freq.QuadPart);
    };
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::vector<double> full, dirty, dirtyRender, dirtyArea;
    for (int i = 0; i < 85; ++i) {
        if (i < 25)
            scene.SetRedrawAll(true);
        else
            moving->SetPos({100 + (i * 7) % 600, 300 + (i * 3) % 200});
        QueryPerformanceCounter(&a);
        const Rect r = scene.Render(kAll, Back());
        QueryPerformanceCounter(&m);
        ASSERT_EQ(screen.Present(r.left, r.top, r.right, r.bottom), 1);
        QueryPerformanceCounter(&b);
        if (i < 25) {
            full.push_back(ms(a, b));
            continue;
        }
        dirty.push_back(ms(a, b));
        dirtyRender.push_back(ms(a, m));
        dirtyArea.push_back(r.Width() * r.Height());
    }
    EXPECT_FALSE(scene.TakeDrawFailed());
    const double fullMs = median(full), dirtyMs = median(dirty);
    std::printf("render+present, depth %d: full frame of 300 widgets median %.2f ms (min %.2f), "
                "one moving card median %.2f ms (min %.2f; drawing alone %.2f), median dirty area %.0f px\n",
                RequestedDepth(), fullMs, *std::min_element(full.begin(), full.end()), dirtyMs,
                *std::min_element(dirty.begin(), dirty.end()), median(dirtyRender), median(dirtyArea));
    EXPECT_LT(dirtyMs, fullMs) << "a moving card costs less than the whole table";
}

// One frame of a lifted card moving across a table of 50 cards: the card shrinking on its path,
// its trail fading behind it and the big card over it, drawn by dirty rectangles.
TEST_F(RenderBenchmark, ZoomedCardMoveFrame)
{
    GVWS scene;
    auto* table = new GVBoxWnd;
    table->Create({0, 0}, {800, 600}, 0x204A20, 255);
    scene.AddWnd(table);
    auto face = Image::Create(36, 55, 0xFFF0F0F0);
    for (int i = 0; i < 50; ++i) {
        auto* resting = new GVDDSWnd;
        resting->SetImage(*face);
        resting->SetPos({20 + (i % 10) * 70, 60 + (i / 10) * 90});
        scene.AddWnd(resting);
    }
    auto* trail = new GVDDSWnd;
    trail->SetImage(*Image::Create(56, 86, 0xFF202020));
    scene.AddWnd(trail);
    auto* card = new GVDDSWnd;
    card->SetImage(*Image::Create(56, 86, 0xFFF8F0E0));
    scene.AddWnd(card);
    auto* big = new GVPSPWnd;
    ASSERT_EQ(big->Load(dir + "cards.psp"), 1);
    scene.AddWnd(big);

    LARGE_INTEGER freq, a, b;
    QueryPerformanceFrequency(&freq);
    scene.SetRedrawAll(true);
    ASSERT_EQ(screen.Present(0, 0, 800, 600), 1);
    scene.Render(kAll, Back());
    std::vector<double> frame;
    std::vector<double> area;
    for (int i = 0; i < 60; ++i) {
        const Point at{500 - (i * 7) % 400, 420 - (i * 5) % 300};
        const int shrink = i % 10;
        trail->SetRect(card->GetRect());
        trail->SetTransparency(12 + 4 * shrink);
        card->SetRect(Rect(at, {56 - 2 * shrink, 86 - 3 * shrink}));
        big->SetPos(at + Point{-8, -12});
        QueryPerformanceCounter(&a);
        const Rect r = scene.Render(kAll, Back());
        ASSERT_EQ(screen.Present(r.left, r.top, r.right, r.bottom), 1);
        QueryPerformanceCounter(&b);
        frame.push_back(static_cast<double>(b.QuadPart - a.QuadPart) * 1e3 / static_cast<double>(freq.QuadPart));
        area.push_back(r.Width() * r.Height());
    }
    EXPECT_FALSE(scene.TakeDrawFailed());
    std::sort(frame.begin(), frame.end());
    std::sort(area.begin(), area.end());
    std::printf("zoomed card move, depth %d: one frame (card, trail, big card) median %.2f ms (min %.2f, max %.2f), "
                "median dirty area %.0f px\n",
                RequestedDepth(), frame[frame.size() / 2], frame.front(), frame.back(), area[area.size() / 2]);
    EXPECT_LT(area[area.size() / 2], 800.0 * 600.0) << "a frame repaints less than the whole table";
}
