#include "scene/RoomLoader.h"

#include "scene/CMirelleVWS.h"

#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVTextShadowWnd.h"
#include "views/WidgetFactory.h"

namespace {

constexpr int kBottomBarY = 577;

// A button made, added on top, and left disabled when asked; false when it was not made.
bool AddButton(CMirelleVWS& scene, CVPSPPushBtn*& slot, CVPSPPushBtn* made, bool enabled = true)
{
    slot = made;
    if (!made) return false;
    scene.AddWnd(made);
    if (!enabled) made->Enable(false);
    return true;
}

}  // namespace

bool RoomLoader::LoadTitleButtons(WidgetFactory& factory)
{
    RoomButtons& b = scene.roomButtons;
    b.titleBack = factory.CreateQZSWnd("Button\\titlebtn_back.qzs", {629, 0}, Visible::No);
    if (!scene.AddLoaded(b.titleBack)) return false;
    CVPSPPushBtn* setting =
        factory.CreatePSPPushBtn("GameFunction\\AutoAction\\setting_btn.psp", {629, 0}, Visible::Yes, 2);
    if (!AddButton(scene, b.autoPlaySetting, setting, false)) return false;
    if (!AddButton(scene, b.memo, factory.CreatePSPPushBtn("Button\\memo_btn.psp", {692, 0}, Visible::Yes, 1), false))
        return false;
    b.memoNotify = factory.CreateQZAniWnd("Button\\memo_notify.qza", {692, 0});
    if (!scene.AddRunning(b.memoNotify)) return false;
    const struct { CVPSPPushBtn*& slot; const char* file; int x; int imageSets; } buttons[] = {
        {b.capture, "Button\\capture_btn.psp", 713, 1},
        {b.minimize, "Button\\winmin_btn.psp", 736, 1},
        {b.fullScreen, "Button\\winmax_btn.psp", 756, 2},
        {b.close, "Button\\winclose_btn.psp", 777, 1},
    };
    for (const auto& button : buttons)
        if (!AddButton(scene, button.slot,
                       factory.CreatePSPPushBtn(button.file, {button.x, 0}, Visible::Yes, button.imageSets)))
            return false;
    return true;
}

bool RoomLoader::LoadBottomButtons(WidgetFactory& factory)
{
    RoomButtons& b = scene.roomButtons;
    const struct { CVPSPPushBtn*& slot; const char* file; int x; Visible show; int imageSets; } buttons[] = {
        {b.watch, "Button\\watch_btn.psp", 640, Visible::No, 1},
        {b.join, "Button\\join_btn.psp", 640, Visible::No, 1},
        {b.option, "Button\\option_btn.psp", 519, Visible::Yes, 1},
        {b.vip, "Button\\vip_btn.psp", 575, Visible::Yes, 1},
        {b.exit, "Button\\exit_btn.psp", 709, Visible::Yes, 2},
        {b.cancelExit, "Button\\cancelexit_btn.psp", 709, Visible::Yes, 1},
    };
    for (const auto& button : buttons)
        if (!AddButton(scene, button.slot,
                       factory.CreatePSPPushBtn(button.file, {button.x, kBottomBarY}, button.show, button.imageSets)))
            return false;
    // The bar's shadowed text carries the room's stake.
    CVTextShadowWnd* stake = factory.CreateTextShadowWnd("", {6, 151}, {77, 12}, 12, 700, 0x9bf5ff);
    scene.entryWidgets.stakeText = stake;
    return scene.AddLoaded(stake);
}

bool RoomLoader::LoadStartButton(WidgetFactory& factory)
{
    return AddButton(scene, scene.roomButtons.start,
                     factory.CreatePSPPushBtn("Button\\start_btn.psp", {280, 360}, Visible::No, 2));
}

bool RoomLoader::LoadHandPick(WidgetFactory& factory)
{
    EntryWidgets& w = scene.entryWidgets;
    constexpr const char* kHandButton = "GameFunction\\SelectSun\\card.qza";
    for (size_t i = 0; i < w.handButtons.size(); ++i) {
        w.handButtons[i] = factory.CreateQZAniWnd(kHandButton, {250 + static_cast<int>(i) * 110, 300});
        if (!scene.AddRunning(w.handButtons[i])) return false;
        w.handButtons[i]->Show(false);
    }
    w.pickBoard = factory.CreateQZAniWnd("GameFunction\\SelectSun\\effect.qza", {260, 200});
    if (!scene.AddRunning(w.pickBoard)) return false;
    w.pickBoard->Show(false);
    w.pickBoardSecond = factory.CreateQZAniWnd("GameFunction\\SelectSun\\character.qza", {370, 130});
    if (!scene.AddRunning(w.pickBoardSecond)) return false;
    w.pickBoardSecond->Show(false);
    return true;
}
