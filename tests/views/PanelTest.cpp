#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "PanelTestSupport.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVPanel.h"
#include "views/WidgetFactory.h"

namespace {

// A 200 x 100 panel with two buttons A (10, 10) and B (40, 10); it lists the buttons it heard clicked.
class TestPanel final : public CVPanel {
public:
    TestPanel() : CVPanel({200, 100}, MouseRouting::Yes) {}

    bool CreateChildren(PanelOwner& panelOwner)
    {
        WidgetFactory f = BeginChildren(panelOwner);
        if (!Adopt(a = f.CreatePSPPushBtn("button.psp", {10, 10}, Visible::Yes, 1))) return false;
        return Adopt(b = f.CreatePSPPushBtn("button.psp", {40, 10}, Visible::Yes, 1));
    }
    // "A" or "B" with P when pressed and H when hovered, then the remembered child.
    std::string Describe() const
    {
        auto one = [](const char* name, const CVPSPPushBtn* btn) {
            return std::string(name) + (btn->IsPressed() ? "P" : "") + (btn->IsHover() ? "H" : "");
        };
        const GVWnd* r = GetRememberedChild();
        return one("A", a) + " " + one("B", b) + " r=" + (r == a ? "A" : r == b ? "B" : r ? "?" : "-");
    }

    CVPSPPushBtn* a = nullptr;
    CVPSPPushBtn* b = nullptr;
    std::string clicks;

protected:
    void OnChildClick(GVWnd& child) override { clicks += &child == a ? "A" : &child == b ? "B" : "?"; }
};

}  // namespace

using Panel = PanelFixture;

TEST_F(Panel, RoutesTheMouseToTheRememberedChild)
{
    constexpr Point kOnA{15, 15}, kOnB{45, 15}, kEmpty{150, 90};
    const struct { const char* name; std::vector<Event> events; int last; std::string clicks, state; } cases[] = {
        {"click on A", {{Act::Down, kOnA}, {Act::Up, kOnA}}, 1, "A", "AH B r=A"},
        {"press A, release on B", {{Act::Down, kOnA}, {Act::Drag, kOnB}, {Act::Up, kOnB}}, 0, "", "A B r=B"},
        {"press A, release on no child", {{Act::Down, kOnA}, {Act::Drag, kEmpty}, {Act::Up, kEmpty}}, 0, "", "A B r=-"},
        {"held drag reaches only the pressed button", {{Act::Down, kOnA}, {Act::Drag, kOnB}}, 1, "", "APH B r=A"},
        {"hover moves from A to B", {{Act::Move, kOnA}, {Act::Move, kOnB}}, 1, "", "A BH r=B"},
        {"a disabled button answers no click", {{Act::Disable, kOnB}, {Act::Down, kOnB}, {Act::Up, kOnB}}, 0, "",
         "A B r=-"},
        {"a disabled panel takes no press", {{Act::Disable, kEmpty}, {Act::Down, kOnA}}, 0, "", "A B r=-"},
    };
    for (const auto& c : cases) {
        TestPanel panel;
        ASSERT_TRUE(panel.CreateChildren(owner));
        const int last = Play(panel, c.events, [&](Point p) { (p == kOnB ? static_cast<GVWnd&>(*panel.b) : panel).Enable(false); });
        EXPECT_EQ(std::to_string(last) + " " + panel.clicks + "|" + panel.Describe(),
                  std::to_string(c.last) + " " + c.clicks + "|" + c.state)
            << c.name << ": result, clicks|state";
    }
}

// The button at (100, 100), 20 x 10, on image set `set` of the two in button.psp.
TEST_F(Panel, PushButtonInputEndsOnItsFrameAndClick)
{
    constexpr Point kIn{105, 105}, kOut{150, 150};
    const struct { const char* name; int set; std::vector<Event> events; int last, frame; bool pressed; } cases[] = {
        {"pressed inside shows down", 1, {{Act::Down, kIn}}, 1, 6, true},
        {"click inside ends hovered", 0, {{Act::Down, kIn}, {Act::Up, kIn}}, 1, 1, false},
        {"dragged outside shows hover while held", 0, {{Act::Down, kIn}, {Act::Drag, kOut}}, 1, 1, true},
        {"released outside is no click", 0, {{Act::Down, kIn}, {Act::Drag, kOut}, {Act::Up, kOut}}, 0, 0, false},
        {"disabled takes no press", 0, {{Act::Disable, {}}, {Act::Down, kIn}}, 0, 3, false},
        {"disabled while pressed: the release is no click", 1, {{Act::Down, kIn}, {Act::Disable, {}}, {Act::Up, kIn}},
         0, 7, false},
    };
    WidgetFactory factory(dir, owner);
    for (const auto& c : cases) {
        std::unique_ptr<CVPSPPushBtn> b(factory.CreatePSPPushBtn("button.psp", {100, 100}, Visible::Yes, 2));
        ASSERT_TRUE(b && b->SetImageSet(c.set)) << c.name;
        const int last = Play(*b, c.events, [&](Point) { b->Enable(false); });
        Clear();
        ASSERT_EQ(b->Draw(Back(), kAll), 1) << c.name;
        EXPECT_EQ(std::make_tuple(last, b->GetFrame(), b->IsPressed()), std::make_tuple(c.last, c.frame, c.pressed))
            << c.name << ": result, frame, pressed";
        EXPECT_TRUE(PixelIs({110, 105}, Rgb{0, 0, uint8_t((c.frame + 1) * 0x10)})) << c.name << ": the frame drawn";
    }
}

TEST_F(Panel, PushButtonRefusesImageSetsOutsideItsCount)
{
    WidgetFactory factory(dir, owner);
    std::unique_ptr<CVPSPPushBtn> b(factory.CreatePSPPushBtn("button.psp", {100, 100}, Visible::Yes, 2));
    ASSERT_NE(b, nullptr);
    const struct { int index; bool taken; int set; } cases[] = {
        {1, true, 1}, {-1, false, 1}, {2, false, 1}, {0, true, 0}, {-2147483647 - 1, false, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(b->SetImageSet(c.index), c.taken) << "index " << c.index;
        b->UpdateFrame();
        EXPECT_EQ(b->GetFrame(), c.set * 4) << "index " << c.index;
    }
}
