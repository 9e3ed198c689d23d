#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "scene/core/OptionRules.h"
#include "table/core/CardMotion.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVLightTextWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVTextWnd.h"
#include "toolkit/GVWS.h"

using RenderBenchmark = SpriteFixture;

static std::string Text(const Rect& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

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

// The frames of a lifted card's move as the room draws them (the table engine's plan at the default
// card speed): the card shrinking from its lifted size, its trail at its rectangle fading in, the hand
// pointer beside it, and the big card shown at the lift and hidden by the first frame; over a table
// of 50 resting cards, by dirty rectangles. Each frame's dirty area must be exactly what the moved
// widgets covered before and after, and the card must stand drawn at its target after the move.
TEST_F(RenderBenchmark, CardMoveFramesAsTheRoomDrawsThem)
{
    GVWS scene;
    auto* table = new GVBoxWnd;
    table->Create({0, 0}, {800, 600}, 0x204A20, 255);
    scene.AddWnd(table);
    auto face = Image::Create(kCardSize.cx, kCardSize.cy, 0xFFF0F0F0);
    for (int i = 0; i < 50; ++i) {
        auto* resting = new GVDDSWnd;
        resting->SetImage(*face);
        resting->SetPos({20 + (i % 10) * 70, 40 + (i / 10) * 80});
        scene.AddWnd(resting);
    }
    auto* trail = new GVDDSWnd;
    trail->SetImage(*Image::Create(kLiftedCardSize.cx, kLiftedCardSize.cy, 0xFF202020));
    trail->Show(false);
    scene.AddWnd(trail);
    auto* card = new GVDDSWnd;
    card->SetImage(*Image::Create(kLiftedCardSize.cx, kLiftedCardSize.cy, 0xFFE03020));
    scene.AddWnd(card);
    auto* big = new GVPSPWnd;
    ASSERT_EQ(big->Load(dir + "cards.psp"), 1);
    scene.AddWnd(big);
    auto* hand = new GVDDSWnd;
    hand->SetImage(*Image::Create(24, 24, 0xFFF0D0B0));
    scene.AddWnd(hand);

    const int steps = SceneRules::MoveStepsForSpeed(0);
    const Point homes[] = {{250, 470}, {330, 470}, {410, 470}, {490, 470}};
    const Point targets[] = {{300, 250}, {380, 180}, {460, 250}, {540, 320}};
    LARGE_INTEGER freq, a, b;
    QueryPerformanceFrequency(&freq);
    std::vector<double> frame, area;
    for (int move = 0; move < 40; ++move) {
        // The lift: the card at its lifted rectangle with the big card over it, drawn before timing.
        const Point home = homes[move % 4], target = targets[move % 4];
        const Rect lifted = LiftCardRect(home, LiftSide::Own);
        card->SetRect(lifted);
        big->SetPos(lifted.TopLeft());
        big->Show(true);
        trail->Show(true);
        hand->Show(false);
        scene.SetRedrawAll(true);
        scene.Render(kAll, Back());
        ASSERT_EQ(screen.Present(0, 0, 800, 600), 1);
        const CardMovePlan plan =
            PlanCardMove(lifted.TopLeft(), lifted.GetSize(), target, steps, Zoom::Yes, HandPointer::Shown);
        bool first = true;
        for (const CardMoveFrame& f : plan.frames) {
            Rect expected = card->GetRect().United(trail->GetRect());
            if (hand->IsVisible()) expected = expected.United(hand->GetRect());
            if (first) expected = expected.United(big->GetRect());
            card->SetRect(Rect(f.card, f.cardSize));
            trail->SetRect(Rect(f.card, f.cardSize));
            trail->SetTransparency(f.trailTransparency);
            if (big->IsVisible()) big->Show(false);
            hand->SetPos(f.handPointer);
            hand->Show(true);
            expected = expected.United(card->GetRect()).United(hand->GetRect()).Intersected(kAll);
            QueryPerformanceCounter(&a);
            const Rect r = scene.Render(kAll, Back());
            ASSERT_EQ(screen.Present(r.left, r.top, r.right, r.bottom), 1);
            QueryPerformanceCounter(&b);
            ASSERT_EQ(r, expected) << "move " << move << ": the frame repaints what its widgets covered: " << Text(r)
                                   << " against " << Text(expected);
            frame.push_back(static_cast<double>(b.QuadPart - a.QuadPart) * 1e3 / static_cast<double>(freq.QuadPart));
            area.push_back(r.Width() * r.Height());
            first = false;
        }
        card->SetRect(plan.final);
        trail->Show(false);
        hand->Show(false);
        scene.Render(kAll, Back());
        ASSERT_TRUE(PixelIs(plan.final.TopLeft() + Point{kCardSize.cx / 2, kCardSize.cy / 2}, {0xE0, 0x30, 0x20}))
            << "move " << move << ": the card is drawn at its target";
    }
    EXPECT_FALSE(scene.TakeDrawFailed());
    std::sort(frame.begin(), frame.end());
    std::sort(area.begin(), area.end());
    std::printf("card move as the room draws it, depth %d: %d frames a move, one frame (card, trail, hand pointer, "
                "big card hidden) median %.2f ms (min %.2f, max %.2f), median dirty area %.0f px\n",
                RequestedDepth(), steps + 1, frame[frame.size() / 2], frame.front(), frame.back(),
                area[area.size() / 2]);
}
