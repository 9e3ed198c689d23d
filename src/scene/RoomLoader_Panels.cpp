#include "scene/RoomLoader.h"

#include <algorithm>
#include <new>

#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "scene/CMirelleVWS.h"
#include "scene/PanelMaker.h"
#include "scene/WidgetOps.h"
#include "scene/core/OptionLabels.h"
#include "scene/core/OptionPlan.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVBakIconWnd.h"
#include "views/CVDesperateResultWnd.h"
#include "views/CVGoBakAlertUIWnd.h"
#include "views/CVHTIconWnd.h"
#include "views/CVJumsuInfoWnd.h"
#include "views/CVNotifyWnd.h"
#include "views/CVRoomInfoWnd.h"
#include "views/CVQZATextWnd.h"
#include "views/CVResultWnd.h"
#include "views/CVUserInfoWnd.h"
#include "views/CVUserOptionWnd.h"
#include "views/WidgetFactory.h"
#include "scene/ScenePrompt.h"
#include "scene/SceneResult.h"
#include "scene/RoomOptions.h"

namespace {

constexpr const char* kCardEffectFiles[EffectWidgets::kCardEffects] = {
    "Effect\\jjock.qza", "Effect\\ddadak.qza",   "Effect\\bbuck.qza",    "Effect\\selfbbuck_eat.qza",
    "Effect\\all_eat.qza", "Effect\\kungjjak.qza", "Effect\\kungjjak.qza", "Effect\\bomb.qza",
    "Effect\\2bomb.qza",  "Effect\\nubomb.qza"};
constexpr const char* kActionPopupFiles[EffectWidgets::kActionPopups] = {
    "Effect\\assa.qza",     "Effect\\assa.qza",    "Effect\\panic.qza",   "Effect\\5kwang.qza", "Effect\\godori.qza",
    "Effect\\chungdan.qza", "Effect\\hongdan.qza", "Effect\\chodan.qza", "Effect\\go.qza",     "Effect\\Stop.qza"};
constexpr Size kTableArea{800, 520};
constexpr int kResultBoxFill = 96;  // the table stays visible under the result
constexpr Point kEventMarkPos{480, 48};
constexpr Point kStreakBadgePos{168, 48};
// The placeholders' places: the back behind the number, the caption below it.
constexpr Point kBackPoint{240, 180};
constexpr Point kNumberPoint{309, 206};
constexpr Point kCaptionPoint{340, 250};
constexpr Size kNumberBox{180, 40};
constexpr Size kGlyphSize{20, 24};

}  // namespace

CVUserInfoWnd* RoomLoader::CreateUserInfoWnd(int slot)
{
    return MakePanel<CVUserInfoWnd>(scene, scene.SeatPanelsOwner(), slot);
}

CVJumsuInfoWnd* RoomLoader::CreateJumsuInfoWnd(int slot)
{
    return MakePanel<CVJumsuInfoWnd>(scene, scene.SeatPanelsOwner(), slot, static_cast<int>(scene.options.skin));
}

CVHTIconWnd* RoomLoader::CreateHTIconWnd(int slot)
{
    return MakePanel<CVHTIconWnd>(scene, scene.SeatPanelsOwner(), slot);
}

CVBakIconWnd* RoomLoader::CreateBakIconWnd(int slot)
{
    return MakePanel<CVBakIconWnd>(scene, scene.SeatPanelsOwner(), slot);
}

CVGoBakAlertUIWnd* RoomLoader::CreateGoBakAlertUIWnd()
{
    return MakePanel<CVGoBakAlertUIWnd>(scene, scene.SeatPanelsOwner());
}

// Each screen slot's player, score, counter and bak panels.
bool RoomLoader::LoadSeatPanels()
{
    SeatPanels& p = scene.seatPanels;
    for (int slot = 0; slot < 2; ++slot) {
        const auto i = static_cast<size_t>(slot);
        if (!scene.AddLoaded(p.userInfo[i] = CreateUserInfoWnd(slot))) return false;
        if (!scene.AddLoaded(p.score[i] = CreateJumsuInfoWnd(slot))) return false;
        if (!scene.AddLoaded(p.counters[i] = CreateHTIconWnd(slot))) return false;
        if (!scene.AddLoaded(p.bakIcons[i] = CreateBakIconWnd(slot))) return false;
    }
    return true;
}

bool RoomLoader::LoadGoBakAlert()
{
    return scene.AddLoaded(scene.seatPanels.goBakAlert = CreateGoBakAlertUIWnd());
}

// Card effects by kind, the first-player notices, the deal's animations, the capture marks and
// the nuclear-bomb outlines.
bool RoomLoader::LoadCardEffects(WidgetFactory& factory)
{
    EffectWidgets& e = scene.effects;
    for (size_t i = 0; i < e.cardEffects.size(); ++i) {
        e.cardEffects[i] = factory.CreateQZAniWnd(kCardEffectFiles[i], {0, 0});
        if (!scene.AddRunning(e.cardEffects[i])) return false;
    }
    for (GVQZAniWnd*& notice : e.sunNotify) {
        notice = factory.CreateQZAniWnd("GameFunction\\SelectSun\\sun_notify.qza", {0, 0});
        if (!scene.AddRunning(notice)) return false;
    }
    if (!LoadDealEffects(factory)) return false;
    e.eatMarks[0] = factory.CreateQZAniWnd("Effect\\bbuck_eat.qza", {0, 0});
    if (!scene.AddRunning(e.eatMarks[0])) return false;
    e.eatMarks[1] = factory.CreateQZAniWnd("Effect\\mission_eat.qza", {0, 0});
    if (!scene.AddRunning(e.eatMarks[1])) return false;
    e.bombHoldOutline = factory.CreateQZAniWnd("Hwatoo\\nubomb_holdoutline.qza", {0, 0});
    if (!scene.AddRunning(e.bombHoldOutline)) return false;
    e.bombOpenOutline = factory.CreateQZAniWnd("Hwatoo\\nubomb_openoutline.qza", {0, 0});
    return scene.AddRunning(e.bombOpenOutline);
}

// The action popups by kind, then the go-bak animation.
bool RoomLoader::LoadActionPopups(WidgetFactory& factory)
{
    EffectWidgets& e = scene.effects;
    for (size_t i = 0; i < e.actionPopups.size(); ++i) {
        e.actionPopups[i] = factory.CreateQZAniWnd(kActionPopupFiles[i], {0, 0});
        if (!scene.AddRunning(e.actionPopups[i])) return false;
    }
    e.goBakAnimation = factory.CreateQZAniWnd("Effect\\gobak.qza", {0, 0});
    return scene.AddRunning(e.goBakAnimation);
}

bool RoomLoader::LoadResultWidgets(WidgetFactory& factory)
{
    ResultWidgets& w = scene.resultWidgets;
    if (!scene.AddLoaded(w.resultBox = factory.CreateBoxWnd(Rect({0, 0}, kTableArea), 0, kResultBoxFill, Visible::No)))
        return false;
    if (!CreateResultWnd()) return false;
    if (!scene.AddLoaded(scene.periphery.desperateResult = CreateDesperateResultWnd())) return false;
    if (!LoadMoneyGift(factory)) return false;
    if (!scene.AddLoaded(w.eventMark = factory.CreatePSPWnd("Result\\event_mark.psp", kEventMarkPos, Visible::No)))
        return false;
    if (!scene.AddLoaded(w.streakBadge = factory.CreatePSPWnd("Result\\streak_badge.psp", kStreakBadgePos, Visible::No)))
        return false;
    return scene.AddRunning(w.fireworks = factory.CreateQZAniWnd("Effect\\winner.qza", {0, 0}));
}

bool RoomLoader::CreateResultWnd()
{
    scene.resultWidgets.result = MakePanel<CVResultWnd>(scene, scene.Result());
    return scene.AddLoaded(scene.resultWidgets.result);
}

bool RoomLoader::CreateNotifyWnd()
{
    auto* wnd = new (std::nothrow) CVNotifyWnd();
    if (!wnd) {
        scene.AddLoadError({});
        return false;
    }
    if (!wnd->CreateChildren(scene.Prompt())) {
        delete wnd;
        return false;
    }
    scene.roomWidgets.notify = wnd;
    return scene.AddLoaded(wnd);
}

CVUserOptionWnd* RoomLoader::CreateUserOptionWnd()
{
    auto* panel = new (std::nothrow) CVUserOptionWnd();
    if (!panel) {
        scene.AddLoadError({});
        return nullptr;
    }
    if (!panel->CreateChildren(scene.Options(), scene.optionsKey, FormatText("%d", CMirelleVWS::kGameNumber))) {
        delete panel;
        return nullptr;
    }
    return panel;
}

bool RoomLoader::LoadUserOptionWnd()
{
    CVUserOptionWnd* panel = CreateUserOptionWnd();
    if (!panel) return false;
    panel->SetPos(CVUserOptionWnd::kPlace);
    panel->SetVolume(std::max(scene.options.volume, CVUserOptionWnd::kVolumeLow));
    scene.userOption = scene.periphery.userOption = panel;
    if (!scene.AddLoaded(panel)) return false;
    // The room's rows stand beside the panel in a widget of their own, so they are cleared with it.
    CVRoomInfoWnd* block = MakePanel<CVRoomInfoWnd>(scene, scene.Options());
    if (!scene.AddLoaded(block)) return false;
    panel->SetRoomBlock(block);
    return true;
}

// The round number of the target-score games: its back, the number's glyphs and its caption.
bool RoomLoader::LoadRoundBanner(WidgetFactory& factory)
{
    scene.roundBanner.back = factory.CreateQZAniWnd("GameRule\\Desperate\\dround_back.qza", kBackPoint);
    if (!scene.AddRunning(scene.roundBanner.back)) return false;
    scene.roundBanner.number = factory.CreateQZATextWnd("GameRule\\Desperate\\dround_number.qza", kNumberPoint, kNumberBox,
                                                  kGlyphSize);
    if (!scene.AddLoaded(scene.roundBanner.number)) return false;
    scene.roundBanner.caption = factory.CreateQZAniWnd("GameRule\\Desperate\\dround_text.qza", kCaptionPoint);
    return scene.AddRunning(scene.roundBanner.caption);
}
