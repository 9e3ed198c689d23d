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

namespace {

double Ms(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER f)
{
    return static_cast<double>(b.QuadPart - a.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

template <class T>
T Median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

class RenderBenchmark : public SpriteFixture {};

}  // namespace

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
    int made = 1;
    for (int i = 0; made < 300; ++i, ++made) {
        const Point p{(i * 37) % 760, ((i * 37) / 760) * 40 % 540};
        if (i % 3 == 0) {
            auto* s = new GVPSPWnd;
            ASSERT_EQ(s->Load(dir + "cards.psp"), 1);
            s->SetFrame(i % 3);
            s->SetPos(p);
            scene.AddWnd(s);
        } else if (i % 3 == 1) {
            auto* d = new GVDDSWnd;
            d->SetImage(*card);
            d->SetPos(p);
            scene.AddWnd(d);
            moving = d;
        } else if (i % 6 == 2) {
            auto* t = new GVTextWnd;
            ASSERT_EQ(t->Create({60, 14}, 12, 400), 1);
            t->SetText("점수 12");
            t->SetTextColor(0xFFFFFF);
            t->SetPos(p);
            scene.AddWnd(t);
        } else {
            auto* l = new GVLightTextWnd;
            l->SetPos(p);
            ASSERT_EQ(l->Init({60, 14}, -1, 12, 400), 1);
            l->SetText("1,000냥");
            l->SetTextColor(0x00FFFF);
            scene.AddWnd(l);
        }
    }
    ASSERT_EQ(scene.GetWnds().size(), 300u);
    ASSERT_NE(moving, nullptr);
    scene.AddWnd(moving);  // on top

    LARGE_INTEGER freq, a, b;
    QueryPerformanceFrequency(&freq);
    const Rect view{0, 0, 800, 600};
    std::vector<double> full, dirty, dirtyRender;
    std::vector<int> dirtyArea;
    for (int i = 0; i < 25; ++i) {
        scene.SetRedrawAll(true);
        QueryPerformanceCounter(&a);
        const Rect r = scene.Render(view, Back());
        ASSERT_EQ(screen.Present(r.left, r.top, r.right, r.bottom), 1);
        QueryPerformanceCounter(&b);
        full.push_back(Ms(a, b, freq));
    }
    for (int i = 0; i < 60; ++i) {
        moving->SetPos({100 + (i * 7) % 600, 300 + (i * 3) % 200});
        LARGE_INTEGER m;
        QueryPerformanceCounter(&a);
        const Rect r = scene.Render(view, Back());
        QueryPerformanceCounter(&m);
        ASSERT_EQ(screen.Present(r.left, r.top, r.right, r.bottom), 1);
        QueryPerformanceCounter(&b);
        dirty.push_back(Ms(a, b, freq));
        dirtyRender.push_back(Ms(a, m, freq));
        dirtyArea.push_back(r.Width() * r.Height());
    }
    EXPECT_FALSE(scene.TakeDrawFailed());
    const double fullMs = Median(full);
    const double dirtyMs = Median(dirty);
    std::printf("render+present, depth %d: full frame of 300 widgets median %.2f ms (min %.2f), "
                "one moving card median %.2f ms (min %.2f; drawing alone %.2f), median dirty area %d px\n",
                RequestedDepth(), fullMs, *std::min_element(full.begin(), full.end()), dirtyMs,
                *std::min_element(dirty.begin(), dirty.end()), Median(dirtyRender), Median(dirtyArea));
    RecordProperty("full_ms", std::to_string(fullMs));
    RecordProperty("dirty_ms", std::to_string(dirtyMs));
    EXPECT_LT(dirtyMs, fullMs) << "a moving card costs less than the whole table";
}
