#pragma once

#include <memory>
#include <string>

#include "foundation/core/Clock.h"
#include "support/RoomTestSupport.h"
#include "toolkit/GVWnd.h"
#include "views/LoadErrorSink.h"

// A panel's owner on `Base` that loads from the open room's images and records its load errors in
// the scene; the panel it serves is `wnd`.
template <class Base, class Panel>
class SceneImagesOwner : public Base {
public:
    explicit SceneImagesOwner(CMirelleVWS& s) : scene(s) {}
    const std::string& GetImageRoot() const override { return scene.GetImageRoot(); }
    LoadErrorSink& GetLoadErrorSink() override { return scene; }

    CMirelleVWS& scene;
    Panel* wnd = nullptr;
};

// An open room with the own user seated, on the virtual clock, and a `Panel` made apart from the
// scene's on an `Owner` (made on the scene), so that what the panel asks of its owner can be counted.
template <class Panel, class Owner>
class RoomPanelFixture : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual();
        ASSERT_TRUE(OpenRoom());
        Seat();
        host.Forget();
        owner = std::make_unique<Owner>(Scene());
        ASSERT_TRUE(panel.CreateChildren(*owner));
        owner->wnd = &panel;
    }
    // Its children go before the room's display does.
    void TearDown() override
    {
        panel.Release();
        RoomFixture::TearDown();
    }

    std::unique_ptr<Owner> owner;
    Panel panel;
};

// The middle of a widget, and a click there through `target`, which routes it.
inline Point Centre(const GVWnd& w)
{
    const Rect r = w.GetRect();
    return {r.left + r.Width() / 2, r.top + r.Height() / 2};
}

inline void Click(GVWnd& target, const GVWnd& child)
{
    target.OnLButtonDown(MK_LBUTTON, Centre(child));
    target.OnLButtonUp(0, Centre(child));
}
