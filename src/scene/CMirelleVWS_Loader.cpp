#include "scene/CMirelleVWS.h"

#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "host/CMirelleWnd.h"

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
    // FIXME: the widget factories and the room's widgets, windows and panels arrive with the resource loader.
    SetReady(loadErrors.empty());
    return IsReady() ? 1 : 0;
}

int CMirelleVWS::LoadSounds(const std::atomic<bool>& stop)
{
    int loaded = 0;
    if (!stop.load() && owner && sound.Init(owner->GetGameWnd(), soundRoot)) {
        // FIXME: register the table of 113 sound effects once the sound table exists.
        loaded = 1;
    }
    // The window thread may use the sounds from here on.
    sound.EndLoading();
    SetSoundsLoaded(loaded != 0);
    return loaded;
}

void CMirelleVWS::ReportLoadError(const std::string& name)
{
    loadErrors.push_back({1, name});
    int32_t inOut = 0;
    HostRequest(ownUser.userKey, 36, 0, nullptr, &inOut);
}
