#include "scene/CMirelleVWS.h"

#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "protocol/HostInterfaces.h"

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
    // FIXME: the room's widgets, windows and panels, area by area (one loader file each), through a WidgetFactory.
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
    HostRequest(ownUser.userKey, HostRequestCode::OutOfDate, 0, nullptr, &inOut);
}
