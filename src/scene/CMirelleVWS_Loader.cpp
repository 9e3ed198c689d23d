#include "scene/CMirelleVWS.h"

#include "scene/RoomLoader.h"
#include "toolkit/GVQZAniWnd.h"

#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "protocol/HostInterfaces.h"
#include "views/WidgetFactory.h"
#include "scene/HostLink.h"

namespace {

constexpr int kSpriteSlots = 512;

}  // namespace

int CMirelleVWS::LoadResources(const std::atomic<bool>& stop)
{
    loadErrors.clear();
    if (!QZSRsc_Init(kSpriteSlots, imageRoot)) {
        loadErrors.push_back({0, "sprite resource manager"});
        return 0;
    }
    if (stop.load()) return 0;
    if (!RoomLoader(*this).LoadWidgets(stop)) return 0;
    SetReady(loadErrors.empty());
    return IsReady() ? 1 : 0;
}

void CMirelleVWS::AddLoadError(const std::string& name)
{
    loadErrors.push_back({0, name});
}

void CMirelleVWS::ReportLoadError(const std::string& name)
{
    loadErrors.push_back({1, name});
    int32_t inOut = 0;
    Link().HostRequest(ownUser.userKey, HostRequestCode::OutOfDate, 0, nullptr, &inOut);
}

bool CMirelleVWS::AddLoaded(GVWnd* wnd)
{
    if (!wnd) return false;
    AddWnd(wnd);
    return true;
}

bool CMirelleVWS::AddRunning(GVQZAniWnd* animation)
{
    if (!AddLoaded(animation)) return false;
    roomWidgets.animations.push_back(animation);
    return true;
}
