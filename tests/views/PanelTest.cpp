#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PanelTestSupport.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVPanel.h"

namespace {

// A 200 x 100 panel with two buttons A (10, 10) and B (40, 10), a sheet frame, a pack frame with a
// hot spot and an animation; it lists the buttons it heard clicked.
class TestPanel final : public CVPanel {
public:
    TestPanel() : CVPanel({200, 100}, MouseRouting::Yes) {}

    bool CreateChildren(PanelOwner& panelOwner)
    {
        WidgetFactory f = BeginChildren(panelOwner);
        if (!Adopt(a = f.CreatePSPPushBtn("button.psp", {10, 10}, Visible::Yes, 1))) return false;
        if (!Adopt(b = f.CreatePSPPushBtn("button.psp", {40, 10}, Visible::Yes, 1))) return false;
        if (!Adopt(f.CreateQZSWnd("cards.qzs", {100, 50}, Visible::Yes))) return false;
        GVPSPWnd* pack = f.CreatePSPWnd("cards.psp", {150, 50}, Visible::Yes);
        if (!Adopt(pack)) return false;
        pack->SetFrame(1);
        return Adopt(f.CreateQZAniWnd("anim.qza", {60, 60}));
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

constexpr Point kOnA{15, 15}, kOnB{45, 15}, kEmpty{150, 90};

enum class Act { Down, Drag, Move, Up, DisableB, DisablePanel };
struct Event { Act act; Point p; };

}  // namespace

using Panel = PanelFixture;

TEST_F(Panel, MovesItsChildrenByItsOwnMove)
{
    TestPanel panel;
    ASSERT_TRUE(panel.CreateChildren(owner));
    panel.SetPos({100, 200});
    std::vector<Rect> before;
    for (GVWnd* child : panel.Children()) before.push_back(child->GetRect());

    panel.SetPos({110, 195});
    EXPECT_EQ(panel.GetRect(), (Rect{110, 195, 310, 295}));
    const char* const names[] = {"button A", "button B", "sheet", "pack with hot spot", "animation"};
    ASSERT_EQ(panel.Children().size(), std::size(names));
    size_t i = 0;
    for (GVWnd* child : panel.Children()) {
        EXPECT_EQ(child->GetRect(), before[i].Offset({10, -5})) << names[i];
        ++i;
    }
    // The first move took the children from the panel's origin: button A was made at (10, 10).
    EXPECT_EQ(panel.a->GetRect(), (Rect{120, 205, 140, 215}));
}

TEST_F(Panel, RoutesTheMouseToTheRememberedChild)
{
    const struct { const char* name; std::vector<Event> events; int last; std::string clicks, state; } cases[] = {
        {"click on A", {{Act::Down, kOnA}, {Act::Up, kOnA}}, 1, "A", "AH B r=A"},
        {"press A, drag to B, release on B", {{Act::Down, kOnA}, {Act::Drag, kOnB}, {Act::Up, kOnB}}, 0, "",
         "A B r=B"},
        {"press A, released on no child", {{Act::Down, kOnA}, {Act::Drag, kEmpty}, {Act::Up, kEmpty}}, 0, "",
         "A B r=-"},
        {"held drag reaches only the pressed button", {{Act::Down, kOnA}, {Act::Drag, kOnB}}, 1, "", "APH B r=A"},
        {"hover moves from A to B", {{Act::Move, kOnA}, {Act::Move, kOnB}}, 1, "", "A BH r=B"},
        {"a disabled button answers no click", {{Act::DisableB, {}}, {Act::Down, kOnB}, {Act::Up, kOnB}}, 0, "",
         "A B r=-"},
        {"a disabled panel takes no press", {{Act::DisablePanel, {}}, {Act::Down, kOnA}}, 0, "", "A B r=-"},
    };
    for (const auto& c : cases) {
        TestPanel panel;
        ASSERT_TRUE(panel.CreateChildren(owner));
        int last = -1;
        for (const auto& e : c.events) {
            switch (e.act) {
            case Act::Down: last = panel.OnLButtonDown(MK_LBUTTON, e.p); break;
            case Act::Drag: last = panel.OnMouseMove(MK_LBUTTON, e.p); break;
            case Act::Move: last = panel.OnMouseMove(0, e.p); break;
            case Act::Up: last = panel.OnLButtonUp(0, e.p); break;
            case Act::DisableB: panel.b->Enable(false); break;
            case Act::DisablePanel: panel.Enable(false); break;
            }
        }
        EXPECT_EQ(last, c.last) << c.name;
        EXPECT_EQ(panel.clicks, c.clicks) << c.name;
        EXPECT_EQ(panel.Describe(), c.state) << c.name;
    }
}
