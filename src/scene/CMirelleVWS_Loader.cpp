#include "scene/CMirelleVWS.h"

#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "protocol/HostInterfaces.h"
#include "views/WidgetFactory.h"

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
    if (!LoadWidgets(stop)) return 0;
    SetReady(loadErrors.empty());
    return IsReady() ? 1 : 0;
}

// Creation order is drawing order, from the table skin at the bottom up.
bool CMirelleVWS::LoadWidgets(const std::atomic<bool>& stop)
{
    WidgetFactory factory(imageRoot, *this);
    if (!LoadTableAndDeck(factory) || !LoadTurnBlink(factory)) return false;
    if (stop.load() || !LoadBottomButtons(factory)) return false;
    if (stop.load() || !LoadSeatPanels()) return false;
    if (stop.load() || !LoadFloorMarkers(factory)) return false;
    // FIXME: the restrict-option panel, the invite panel and the avatars' widgets.
    // FIXME: the ranking and mission panels, once those panels exist.
    if (stop.load() || !LoadGoBakAlert()) return false;
    if (stop.load() || !LoadFloorSlots(factory) || !LoadCardWnds(factory)) return false;
    if (stop.load() || !LoadMovingCards(factory) || !LoadPlayMarks(factory) || !LoadHandMarkers(factory)) return false;
    // FIXME: the nine-ten clip and the start animations.
    // FIXME: the auto-play notice and its cancel button.
    if (stop.load() || !LoadCardEffects(factory) || !LoadLayerAnchor(factory)) return false;
    // FIXME: the observer bar before the prompt; the money-return panel and the countdown after it.
    if (stop.load() || !CreateNotifyWnd()) return false;
    if (stop.load() || !LoadStartButton(factory)) return false;
    if (stop.load() || !LoadHandPick(factory)) return false;
    // FIXME: the betting widgets and the 800 x 520 box over the table that ends them.
    if (stop.load() || !LoadActionPopups(factory)) return false;
    if (stop.load() || !LoadResultWidgets(factory)) return false;
    // FIXME: the auto-refill animations and texts.
    // FIXME: the bijou panel, the promotion banners and the sun-pick animations.
    if (stop.load() || !LoadRoundBanner(factory)) return false;
    // FIXME: the user option panel, the pop-up menu buttons and the VIP icons.
    // FIXME: the money-limit tooltips.
    // FIXME: the check notice, on top of everything.
    return !stop.load();
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
