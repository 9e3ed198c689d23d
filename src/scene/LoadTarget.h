#pragma once

#include "foundation/core/Containers.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVWS.h"

// Where the scene's managers put the widgets they make while the room loads: on top of the scene,
// which owns them from then on, and the running animations also into the list the tick steps.
struct LoadTarget {
    GVWS& scene;
    plist<GVQZAniWnd>& running;

    // False for null (the factory has reported why).
    bool Add(GVWnd* wnd)
    {
        if (!wnd) return false;
        scene.AddWnd(wnd);
        return true;
    }
    bool AddRunning(GVQZAniWnd* animation)
    {
        if (!Add(animation)) return false;
        running.push_back(animation);
        return true;
    }
};
