#include "scene/CMirelleVWS.h"

#include "scene/WidgetOps.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/WidgetFactory.h"
#include "scene/HostLink.h"
#include "scene/RoomView.h"
#include "table/flows/RoomStage.h"

namespace {

// Where the effects of a seat play and its action popups show, by screen slot.
constexpr Point kSeatEffectPoint[2] = {{320, 300}, {320, 140}};
constexpr Point kActionPopupPoint[2] = {{560, 400}, {560, 96}};

}  // namespace

void CMirelleVWS::PlayEffectAt(int kind, Point at)
{
    if (kind == RoomStage::kHideEffects) {
        for (GVQZAniWnd* a : effects.cardEffects) StopAndHide(a);
        SetDirty();
        return;
    }
    if (kind < 0 || kind >= EffectWidgets::kCardEffects) return;
    GVQZAniWnd* effect = effects.cardEffects[static_cast<size_t>(kind)];
    if (!effect) return;
    effect->SetPos(at);
    effect->Play(1, false);
}

void CMirelleVWS::PlayEffect(int kind, int seat)
{
    if (kind == RoomStage::kHideEffects) return PlayEffectAt(kind, {});
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
    StartTimer(TimerId::Popup);
}

void CMirelleVWS::ShowEatMark(int kind, Point at)
{
    static constexpr struct {
        size_t mark;
        bool audible;
        SoundId sound;
    } kMarks[] = {{0, true, SoundId::BbuckEat}, {1, true, SoundId::MissionEat},
                  {0, false, SoundId::BbuckEat}};
    if (kind < 0 || kind > 2) return;
    GVQZAniWnd* mark = effects.eatMarks[kMarks[kind].mark];
    if (!mark) return;
    mark->SetPos(at);
    mark->Play(1, false);
    if (kMarks[kind].audible) PlaySoundId(kMarks[kind].sound);
}

void CMirelleVWS::OnPopupTimeout()
{
    StopTimer(TimerId::Popup);
    ShowActionPopup(-1, 0);
    PlayEffect(RoomStage::kHideEffects, -1);
    View().ShowRobotAvatar(0, {});
    Link().HideRefillLabels();
    SetDirty();
}
