#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PanelTestSupport.h"
#include "views/CVPSPPushBtn.h"
#include "views/WidgetFactory.h"

namespace {

constexpr Point kIn{105, 105}, kOut{150, 150};

enum class Act { Down, Drag, Move, Up, Disable, Hide };
struct Event { Act act; Point p; };

// What the button answered to the last event.
int Apply(CVPSPPushBtn& b, const Event& e)
{
    switch (e.act) {
    case Act::Down: return b.OnLButtonDown(MK_LBUTTON, e.p);
    case Act::Drag: return b.OnMouseMove(MK_LBUTTON, e.p);
    case Act::Move: return b.OnMouseMove(0, e.p);
    case Act::Up: return b.OnLButtonUp(0, e.p);
    case Act::Disable: b.Enable(false); return 0;
    case Act::Hide: b.Show(false); return 0;
    }
    return -1;
}

}  // namespace

using PushButton = PanelFixture;

// The button at (100, 100), 20 x 10, on image set `set` of the two in button.psp.
TEST_F(PushButton, InputSequencesEndOnTheirFrameAndClick)
{
    const struct { const char* name; int set; std::vector<Event> events; int last, frame; bool pressed; } cases[] = {
        {"pressed inside shows down", 0, {{Act::Down, kIn}}, 1, 2, true},
        {"click inside ends hovered", 0, {{Act::Down, kIn}, {Act::Up, kIn}}, 1, 1, false},
        {"dragged outside keeps hover while held", 0, {{Act::Down, kIn}, {Act::Drag, kOut}}, 1, 1, true},
        {"released outside is no click and normal", 0, {{Act::Down, kIn}, {Act::Drag, kOut}, {Act::Up, kOut}}, 0, 0, false},
        {"dragged out and back in still clicks", 0,
         {{Act::Down, kIn}, {Act::Drag, kOut}, {Act::Drag, kIn}, {Act::Up, kIn}}, 1, 1, false},
        {"release without a press is no click", 0, {{Act::Move, kIn}, {Act::Up, kIn}}, 0, 1, false},
        {"hover without press", 0, {{Act::Move, kIn}}, 1, 1, false},
        {"hover leaves", 0, {{Act::Move, kIn}, {Act::Move, kOut}}, 1, 0, false},
        {"second image set pressed", 1, {{Act::Down, kIn}}, 1, 6, true},
        {"disabled takes no press", 0, {{Act::Disable, {}}, {Act::Down, kIn}}, 0, 3, false},
        {"disabled while pressed: the release is no click", 1, {{Act::Down, kIn}, {Act::Disable, {}}, {Act::Up, kIn}},
         0, 7, false},
        {"hidden while pressed: the release is no click", 0, {{Act::Down, kIn}, {Act::Hide, {}}, {Act::Up, kIn}}, 0, 2,
         false},
    };
    WidgetFactory factory(dir, owner);
    for (const auto& c : cases) {
        std::unique_ptr<CVPSPPushBtn> b(factory.CreatePSPPushBtn("button.psp", {100, 100}, Visible::Yes, 2));
        ASSERT_NE(b, nullptr) << c.name;
        ASSERT_TRUE(b->SetImageSet(c.set)) << c.name;
        int last = -1;
        for (const auto& e : c.events) last = Apply(*b, e);
        ASSERT_EQ(b->Draw(Back(), kAll), 1) << c.name;
        EXPECT_EQ(last, c.last) << c.name;
        // A hidden button keeps the frame it last showed; a drawn one shows its look.
        EXPECT_EQ(b->GetFrame(), c.frame) << c.name;
        EXPECT_EQ(b->IsPressed(), c.pressed) << c.name;
    }
    EXPECT_TRUE(owner.errors.empty());
}

TEST_F(PushButton, DrawsTheFrameOfItsLook)
{
    WidgetFactory factory(dir, owner);
    std::unique_ptr<CVPSPPushBtn> b(factory.CreatePSPPushBtn("button.psp", {100, 100}, Visible::Yes, 2));
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->SetImageSet(1));
    b->Enable(false);
    Clear();
    ASSERT_EQ(b->Draw(Back(), kAll), 1);
    EXPECT_TRUE(PixelIs({110, 105}, Rgb{0, 0, 0x80})) << "the disabled frame of the second set";
    EXPECT_TRUE(PixelIs({121, 105}, kBlack)) << "nothing right of the button";
}

TEST_F(PushButton, ImageSetsOutsideTheCountAreRefused)
{
    WidgetFactory factory(dir, owner);
    std::unique_ptr<CVPSPPushBtn> b(factory.CreatePSPPushBtn("button.psp", {100, 100}, Visible::Yes, 2));
    ASSERT_NE(b, nullptr);
    const struct { int index; bool taken; int set; } cases[] = {{1, true, 1}, {-1, false, 1}, {2, false, 1}, {0, true, 0},
                                                                {-2147483647 - 1, false, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(b->SetImageSet(c.index), c.taken) << "index " << c.index;
        b->UpdateFrame();
        EXPECT_EQ(b->GetFrame(), c.set * 4) << "index " << c.index;
    }
}

TEST_F(PushButton, RightButtonIsSwallowedOnlyWhileLive)
{
    WidgetFactory factory(dir, owner);
    const struct { const char* name; bool visible, enabled; int taken; } cases[] = {
        {"shown and enabled", true, true, 1}, {"disabled", true, false, 0}, {"hidden", false, true, 0}};
    for (const auto& c : cases) {
        std::unique_ptr<CVPSPPushBtn> b(factory.CreatePSPPushBtn("button.psp", {100, 100}, Visible::Yes, 1));
        ASSERT_NE(b, nullptr);
        b->Show(c.visible);
        b->Enable(c.enabled);
        EXPECT_EQ(b->OnRButtonDown(MK_RBUTTON, kIn), c.taken) << c.name;
        EXPECT_EQ(b->OnRButtonUp(0, kIn), c.taken) << c.name;
    }
}

TEST_F(PushButton, FactoryReportsAMissingPack)
{
    WidgetFactory factory(dir, owner);
    EXPECT_EQ(factory.CreatePSPPushBtn("Missing\\button.psp", {0, 0}, Visible::Yes, 1), nullptr);
    EXPECT_EQ(owner.errors, std::vector<std::string>{"file:Missing\\button.psp"});
}
