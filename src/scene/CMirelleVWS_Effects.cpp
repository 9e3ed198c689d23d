#include "scene/CMirelleVWS.h"

#include "scene/WidgetOps.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/WidgetFactory.h"

namespace {

// Where the effects of a seat play and its action popups show, by screen slot.
constexpr Point kSeatEffectPoint[2] = {{320, 300}, {320, 140}};
constexpr Point kActionPopupPoint[2] = {{560, 400}, {560, 96}};

constexpr const char* kCardEffectFiles[EffectWidgets::kCardEffects] = {
    "Effect\\jjock.qza", "Effect\\ddadak.qza",   "Effect\\bbuck.qza",    "Effect\\selfbbuck_eat.qza",
    "Effect\\all_eat.qza", "Effect\\kungjjak.qza", "Effect\\kungjjak.qza", "Effect\\bomb.qza",
    "Effect\\2bomb.qza",  "Effect\\nubomb.qza"};

constexpr const char* kActionPopupFiles[EffectWidgets::kActionPopups] = {
    "Effect\\assa.qza",     "Effect\\assa.qza",    "Effect\\panic.qza",   "Effect\\5kwang.qza", "Effect\\godori.qza",
    "Effect\\chungdan.qza", "Effect\\hongdan.qza", "Effect\\chodan.qza", "Effect\\go.qza",     "Effect\\Stop.qza"};

}  // namespace

// Card effects by kind, the first-player notices, the deal's animations, the capture marks and
// the nuclear-bomb outlines.
bool CMirelleVWS::LoadCardEffects(WidgetFactory& factory)
{
    EffectWidgets& e = effects;
    for (size_t i = 0; i < e.cardEffects.size(); ++i) {
        e.cardEffects[i] = factory.CreateQZAniWnd(kCardEffectFiles[i], {0, 0});
        if (!AddRunning(e.cardEffects[i])) return false;
    }
    for (GVQZAniWnd*& notice : e.sunNotify) {
        notice = factory.CreateQZAniWnd("GameFunction\\SelectSun\\sun_notify.qza", {0, 0});
        if (!AddRunning(notice)) return false;
    }
    if (!LoadDealEffects(factory)) return false;
    e.eatMarks[0] = factory.CreateQZAniWnd("Effect\\bbuck_eat.qza", {0, 0});
    if (!AddRunning(e.eatMarks[0])) return false;
    e.eatMarks[1] = factory.CreateQZAniWnd("Effect\\mission_eat.qza", {0, 0});
    if (!AddRunning(e.eatMarks[1])) return false;
    e.bombHoldOutline = factory.CreateQZAniWnd("Hwatoo\\nubomb_holdoutline.qza", {0, 0});
    if (!AddRunning(e.bombHoldOutline)) return false;
    e.bombOpenOutline = factory.CreateQZAniWnd("Hwatoo\\nubomb_openoutline.qza", {0, 0});
    return AddRunning(e.bombOpenOutline);
}

// The action popups by kind, then the go-bak animation.
bool CMirelleVWS::LoadActionPopups(WidgetFactory& factory)
{
    EffectWidgets& e = effects;
    for (size_t i = 0; i < e.actionPopups.size(); ++i) {
        e.actionPopups[i] = factory.CreateQZAniWnd(kActionPopupFiles[i], {0, 0});
        if (!AddRunning(e.actionPopups[i])) return false;
    }
    e.goBakAnimation = factory.CreateQZAniWnd("Effect\\gobak.qza", {0, 0});
    return AddRunning(e.goBakAnimation);
}

void CMirelleVWS::PlayEffectAt(int kind, Point at)
{
    if (kind == kHideEffects) {
        for (GVQZAniWnd* a : effects.cardEffects) StopAndHide(a);
        SetDirty();
        return;
    }
    if (kind < 0 || kind >= EffectWidgets::kCardEffects) return;
    GVQZAniWnd* effect = effects.cardEffects[static_cast<size_t>(kind)];
    if (!effect) return;
    effect->SetPos(at);
    effect->Play(1, false);
    InvalidateWnd(effect);
    SetDirty();
}

void CMirelleVWS::PlayEffect(int kind, int seat)
{
    if (kind == kHideEffects) return PlayEffectAt(kind, {});
    if (!room.seats.players.IsValidIndex(seat)) return;
    const int32_t screenSlot = GetPlayer(seat).screenSlot;
    if (screenSlot < 0 || screenSlot > 1) return;
    PlayEffectAt(kind, kSeatEffectPoint[screenSlot]);
}

void CMirelleVWS::ShowActionPopup(int kind, int count)
{
    for (GVQZAniWnd* popup : effects.actionPopups) StopAndHide(popup);
    SetDirty();
    if (kind < 0 || kind >= EffectWidgets::kActionPopups) return;
    GVQZAniWnd* popup = effects.actionPopups[static_cast<size_t>(kind)];
    const int seat = FindSeatByKey(gameInfo.turnKey);
    if (!popup || seat < 0) return;
    const int32_t screenSlot = GetPlayer(seat).screenSlot;
    if (screenSlot < 0 || screenSlot > 1) return;
    // A popup with a clip per count (the go popup) shows the count's clip.
    if (count > 0 && count <= popup->GetSubAnimationCount()) popup->SelectAnimation(count - 1);
    popup->SetPos(kActionPopupPoint[screenSlot]);
    popup->Play(1, true);
    InvalidateWnd(popup);
    StartTimer(TimerId::Popup);
}

void CMirelleVWS::ShowEatMark(int kind, Point at)
{
    static constexpr struct {
        size_t mark;
        bool audible;
        SoundTables::SoundId sound;
    } kMarks[] = {{0, true, SoundTables::SoundId::BbuckEat}, {1, true, SoundTables::SoundId::MissionEat},
                  {0, false, SoundTables::SoundId::BbuckEat}};
    if (kind < 0 || kind > 2) return;
    GVQZAniWnd* mark = effects.eatMarks[kMarks[kind].mark];
    if (!mark) return;
    mark->SetPos(at);
    mark->Play(1, false);
    InvalidateWnd(mark);
    if (kMarks[kind].audible) PlaySoundId(kMarks[kind].sound);
    SetDirty();
}

void CMirelleVWS::OnPopupTimeout()
{
    StopTimer(TimerId::Popup);
    ShowActionPopup(-1, 0);
    PlayEffect(kHideEffects, -1);
    ShowRobotAvatar(0, {});
    HideRefillLabels();
    SetDirty();
}
