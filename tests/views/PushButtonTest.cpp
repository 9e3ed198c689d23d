#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "PanelTestSupport.h"
#include "views/CVPSPPushBtn.h"
#include "views/WidgetFactory.h"

namespace {

constexpr Point kIn{105, 105}, kOut{150, 150};
enum class Act { Down, Drag, Move, Up, Disable };
struct Event { Act act; Point p; };

}  // namespace

using PushButton = PanelFixture;

// The button at (100, 100), 20 x 10, on image set `set` of the two in button.psp.
TEST_F(PushButton, InputSequencesEndOnTheirFrameAndClick)
{
    const struct { const char* name; int set; std::vector<Event> events; int last, frame; bool pressed; } cases[] = {
        {"pressed inside shows down", 1, {{Act::Down, kIn}}, 1, 6, true},
        {"click inside ends hovered", 0, {{Act::Down, kIn}, {Act::Up, kIn}}, 1, 1, false},
        {"pressed and dragged outside shows hover while held", 0, {{Act::Down, kIn}, {Act::Drag, kOut}}, 1, 1, true},
        {"released outside is no click and normal", 0, {{Act::Down, kIn}, {Act::Drag, kOut}, {Act::Up, kOut}}, 0, 0, false},
        {"hover leaves", 0, {{Act::Move, kIn}, {Act::Move, kOut}}, 1, 0, false},
        {"disabled takes no press", 0, {{Act::Disable, {}}, {Act::Down, kIn}}, 0, 3, false},
        {"disabled while pressed: the release is no click", 1, {{Act::Down, kIn}, {Act::Disable, {}}, {Act::Up, kIn}},
         0, 7, false},
    };
    WidgetFactory factory(dir, owner);
    for (const auto& c : cases) {
        std::unique_ptr<CVPSPPushBtn> b(factory.CreatePSPPushBtn("button.psp", {100, 100}, Visible::Yes, 2));
        ASSERT_NE(b, nullptr) << c.name;
        ASSERT_TRUE(b->SetImageSet(c.set)) << c.name;
        int last = -1;
        for (const auto& e : c.events) {
            switch (e.act) {
            case Act::Down: last = b->OnLButtonDown(MK_LBUTTON, e.p); break;
            case Act::Drag: last = b->OnMouseMove(MK_LBUTTON, e.p); break;
            case Act::Move: last = b->OnMouseMove(0, e.p); break;
            case Act::Up: last = b->OnLButtonUp(0, e.p); break;
            case Act::Disable: b->Enable(false); break;
            }
        }
        Clear();
        ASSERT_EQ(b->Draw(Back(), kAll), 1) << c.name;
        EXPECT_EQ(last, c.last) << c.name;
        EXPECT_EQ(b->GetFrame(), c.frame) << c.name;
        EXPECT_EQ(b->IsPressed(), c.pressed) << c.name;
        // Frame f of button.psp is blue (f + 1) * 0x10.
        EXPECT_TRUE(PixelIs({110, 105}, Rgb{0, 0, uint8_t((c.frame + 1) * 0x10)})) << c.name;
    }
}

TEST_F(PushButton, ImageSetsOutsideTheCountAreRefused)
{
    WidgetFactory factory(dir, owner);
    std::unique_ptr<CVPSPPushBtn> b(factory.CreatePSPPushBtn("button.psp", {100, 100}, Visible::Yes, 2));
    ASSERT_NE(b, nullptr);
    const struct { int index; bool taken; int set; } cases[] = {{1, true, 1}, {-1, false, 1}, {2, false, 1},
                                                                {0, true, 0}, {-2147483647 - 1, false, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(b->SetImageSet(c.index), c.taken) << "index " << c.index;
        b->UpdateFrame();
        EXPECT_EQ(b->GetFrame(), c.set * 4) << "index " << c.index;
    }
}
