#include "scene/SeatView.h"

#include "scene/CMirelleVWS.h"

#include <algorithm>

#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "scene/WidgetOps.h"
#include "scene/core/HandHints.h"
#include "table/TableEngine.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVBakIconWnd.h"
#include "views/CVHTIconWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVJumsuInfoWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVUserInfoWnd.h"
#include "scene/RoomOptions.h"
#include "scene/RoomView.h"

namespace {

using HintRules::HintIcon;

// The open guide sits this far up and left of the floor card it points at.
constexpr Point kOpenGuideOffset{-8, -9};
// The outline marker sits three pixels up and left of its card.
constexpr Point kOutlineOffset{-3, -3};
constexpr int kRobotSeatAvatar = 5;
// A seat's avatar place, where the loader puts the avatar marks, by screen slot.
constexpr Point kSeatAvatarPoint[2] = {{716, 420}, {716, 96}};
constexpr Size kAvatarSize{62, 78};

enum class PopupEntry { UserInfo, HostPage, ForcedExit, VoiceMute };

}  // namespace

// The multiplier is the callers': they know the message's September flag.
void SeatView::RefreshSeatScores(int which)
{
    for (int seat = 0; seat < 2; ++seat) {
        if (which != 2 && which != seat) continue;
        const int32_t slot = scene.GetPlayer(seat).screenSlot;
        if (slot < 0 || slot > 1) continue;
        const auto i = static_cast<size_t>(slot);
        const CHTUser& user = scene.RoundUser(seat);
        if (CVJumsuInfoWnd* score = scene.seatPanels.score[i]) score->SetScore(user);
        if (CVHTIconWnd* counters = scene.seatPanels.counters[i]) counters->SetCounters(user);
        if (CVBakIconWnd* bak = scene.seatPanels.bakIcons[i]) bak->SetBakFlags(user);
    }
    scene.SetDirty();
}

void SeatView::RefreshSeatPanels(int which)
{
    RefreshSeatScores(which);
    for (int seat = 0; seat < 2; ++seat) {
        if (which != 2 && which != seat) continue;
        const PlayerInfo& p = scene.GetPlayer(seat);
        const int32_t slot = p.screenSlot;
        if (slot < 0 || slot > 1) continue;
        const auto i = static_cast<size_t>(slot);
        const bool listed = p.userKey >= 0;
        // The disconnect mark follows the seat: a robot, a new user or an empty seat hides it.
        if (GVWnd* mark = scene.avatarMarks.disconnected[i]) mark->Show(listed && p.seatState > 0);
        if (GVWnd* mark = scene.avatarMarks.voiceOff[i]) mark->Show(listed && scene.gameInfo.IsVoiceMuted(p.userKey));
        if (GVWnd* mark = scene.avatarMarks.blacklisted[i]) mark->Show(listed && scene.gameInfo.IsBlacklisted(p.userKey));
        if (scene.IsRobotSeat(seat)) {
            scene.StartTimer(TimerId::Popup);
            scene.View().ShowRobotAvatar(kRobotSeatAvatar, {});
        }
        // The robot mark and the badge follow the seat's record: the seat's refresh (EntryFlow) shows them.
    }
    scene.SetDirty();
}

bool SeatView::IsHintMissionCard(int32_t cardId) const
{
    return scene.Engine().IsMissionCard(cardId);
}

CVHTWnd* SeatView::FindPendingCard() const
{
    const int own = scene.FindSeatByKey(scene.ownUser.userKey);
    if (own < 0 || scene.markedCards.empty()) return nullptr;
    const int32_t slot = scene.Engine().FindCardById(scene.RoundUser(own).hand, scene.markedCards.front());
    return slot >= 0 ? scene.Engine().CardWndBySlot(slot) : nullptr;
}

void SeatView::HideHandHints()
{
    // Every marker of a slot, the hold alert too: none stays over the card that takes the slot next.
    for (auto& row : scene.tableWidgets.handMarkers)
        for (GVWnd* marker : row) Hide(marker);
    StopAndHide(scene.effects.bombHoldOutline);
    StopAndHide(scene.effects.bombOpenOutline);
    StopAndHide(scene.tableWidgets.nuclearMarker);
    Hide(scene.moneyWidgets.bombTooltip);
    scene.SetDirty();
}

void SeatView::ShowHandHints(bool show)
{
    HideHandHints();
    const int own = scene.FindSeatByKey(scene.ownUser.userKey);
    if (!show || own < 0) return;
    const std::vector<int32_t>& hand = scene.RoundUser(own).hand;
    HintRules::HintInputs in;
    for (int32_t slot : hand) {
        const CardFace face = scene.Engine().FaceOfSlot(slot);
        in.hand.push_back({face.month, face.month != kBonusMonth && IsHintMissionCard(face.cardId)});
    }
    for (int32_t month = 0; month < 12; ++month)
        in.floorCounts[static_cast<size_t>(month)] = scene.Engine().CountCardsOfMonth(scene.floor.cards, month);
    in.monthState = scene.gameInfo.monthCaptured;
    in.nubomb = scene.tableState.handMarked;
    const auto slots = HintRules::ComputeHandHints(in);
    for (size_t k = 0; k < slots.size(); ++k) {
        // A dealt card lies over the markers loaded with the table: each icon goes directly over its card.
        CVHTWnd* card = scene.Engine().CardWndBySlot(hand[k]);
        for (HintIcon icon : slots[k]) {
            auto* marker = static_cast<GVQZAniWnd*>(scene.Engine().GetHandMarker(static_cast<int>(k), static_cast<int>(icon)));
            if (!marker) continue;
            if (card) scene.InsertWndBefore(card, marker);
            marker->Play(-1, false);
        }
    }
    scene.vip.UpdateHoldMarks(own, true);
    ShowBombGuides(hand);
}

void SeatView::ShowBombGuides(const std::vector<int32_t>& hand)
{
    CVHTWnd* pending = FindPendingCard();
    GVQZAniWnd* outline = scene.effects.bombHoldOutline;
    if (pending && outline) {
        outline->SetPos(pending->GetPos() + kOutlineOffset);
        scene.InsertWndBefore(pending, outline);
    }
    if (!scene.tableState.handMarked || !scene.IsOwnTurn() || hand.empty()) return;
    if (outline) outline->Play(-1, false);
    // The open guide points at the floor card of the first hand card's month; with none there it stays off.
    const int32_t floorCard = scene.Engine().FindCardOfMonth(scene.floor.cards, scene.Engine().FaceOfSlot(hand.front()).month);
    const CVHTWnd* open = floorCard >= 0 ? scene.Engine().CardWndBySlot(floorCard) : nullptr;
    if (open && scene.effects.bombOpenOutline) {
        scene.effects.bombOpenOutline->SetPos(open->GetPos() + kOpenGuideOffset);
        scene.effects.bombOpenOutline->Play(-1, false);
    }
    if (pending && scene.tableWidgets.nuclearMarker) {
        scene.tableWidgets.nuclearMarker->SetPos(pending->GetPos());
        scene.InsertWndBefore(pending, scene.tableWidgets.nuclearMarker);
        scene.tableWidgets.nuclearMarker->Play(-1, false);
    }
    if (scene.moneyWidgets.bombTooltip) scene.moneyWidgets.bombTooltip->Show(true);
    scene.PlaySoundId(SoundTables::SoundId::NuBombNotify);
    scene.SetDirty();
}

// The own outline lights the floor slots that a card of the own hand can take, while the own turn runs.
void SeatView::ShowOwnOutline(bool show)
{
    for (GVPSPWnd* lit : scene.tableWidgets.litOutlines) Hide(lit);
    scene.SetDirty();
    const int own = scene.FindSeatByKey(scene.ownUser.userKey);
    if (!show || own < 0 || scene.IsRobotSeat(own)) return;
    const std::vector<int32_t>& hand = scene.RoundUser(own).hand;
    for (int32_t slot : scene.floor.cards) {
        const CardFace face = scene.Engine().FaceOfSlot(slot);
        if (face.month == kBonusMonth || scene.Engine().CountCardsOfMonth(hand, face.month) == 0) continue;
        // Eleven lit outlines: a card in the twelfth floor slot is not lit.
        if (face.floorSlot >= 0 && face.floorSlot < static_cast<int32_t>(scene.tableWidgets.litOutlines.size()))
            if (GVPSPWnd* lit = scene.tableWidgets.litOutlines[static_cast<size_t>(face.floorSlot)]) lit->Show(true);
    }
}

void SeatView::ShowFloorSlotMarkers(int flag)
{
    if (!scene.IsUserSeated()) return;
    for (int i = 0; i < TableWidgets::kFloorSlots; ++i) {
        GVWnd* marker = scene.tableWidgets.floorMarkers[static_cast<size_t>(i)];
        if (marker) marker->Show(flag == 1 && scene.floor.GetSlot(i).count > 0);
    }
    scene.SetDirty();
}

// One clip for both seats: the September animal lies in one animal pile at most.
void SeatView::ShowNineTenClip(int seat, bool show)
{
    GVQZSWnd* clip = scene.roomMarks.nineTenClip;
    if (!clip) return;
    scene.SetDirty();
    if (!show) {
        clip->Show(false);
        return;
    }
    if (!scene.IsSeat(seat)) return;
    const int32_t slot = scene.Engine().FindCardById(scene.RoundUser(seat).animalPile, kSeptemberAnimal);
    CVHTWnd* card = slot >= 0 ? scene.Engine().CardWndBySlot(slot) : nullptr;
    if (!card) return;
    clip->SetPos(card->GetPos());
    // Over the card and its pile marker.
    GVWnd* marker = scene.tableWidgets.cardBoxes[static_cast<size_t>(slot)];
    scene.InsertWndBefore(marker && marker->IsVisible() ? marker : static_cast<GVWnd*>(card), clip);
    clip->Show(true);
}


void SeatView::HidePopupMenu()
{
    for (CVPSPPushBtn* entry : scene.roomButtons.popupMenu) {
        if (!entry) continue;
        entry->Show(false);
        entry->Enable(false);
    }
}

void SeatView::ShowUserPopupMenu(bool show, int32_t userKey, Point at)
{
    HidePopupMenu();
    scene.popupTarget = -1;
    scene.SetDirty();
    if (!show || userKey < 0) return;
    scene.popupTarget = userKey;
    HintRules::PopupInputs in;
    in.targetKey = userKey;
    in.ownKey = scene.ownUser.userKey;
    in.targetSeated = scene.FindSeatByKey(userKey) >= 0;
    in.ownSeated = scene.IsUserSeated();
    in.ownIsRoomOwner = scene.ownUser.userKey != -1 && scene.ownUser.userKey == scene.gameInfo.ownerKey;
    in.antiLeaveRestricted = scene.IsAntiLeaveRoom() && scene.controls.antiLeaveActive;
    in.roomState = scene.room.roomState;
    in.tableSynced = scene.tableState.active;
    in.kickReserved = scene.gameInfo.IsKickReserved(userKey);
    in.voiceMuted = scene.gameInfo.IsVoiceMuted(userKey);
    in.desperateRoom = scene.IsDesperateRoom();
    const auto entries = HintRules::PopupEntries(in);
    const CVPSPPushBtn* first = scene.roomButtons.popupMenu[0];
    const auto points = HintRules::PopupEntryPoints(at, first ? first->GetRect().Height() : 0);
    for (size_t i = 0; i < entries.size(); ++i) {
        CVPSPPushBtn* entry = scene.roomButtons.popupMenu[i];
        if (!entry) continue;
        static_cast<void>(entry->SetImageSet(entries[i].imageSet));
        entry->SetPos(points[i]);
        entry->Enable(entries[i].enabled);
        entry->Show(entries[i].shown);
    }
}

bool SeatView::IsPopupMenuShown() const
{
    return scene.popupTarget >= 0;
}

bool SeatView::IsPopupMenuEntry(const GVWnd* wnd) const
{
    return wnd && std::find(scene.roomButtons.popupMenu.begin(), scene.roomButtons.popupMenu.end(), wnd) != scene.roomButtons.popupMenu.end();
}

Rect SeatView::SeatAvatarRect(int32_t slot)
{
    return Rect(kSeatAvatarPoint[slot == 1 ? 1 : 0], kAvatarSize);
}

int32_t SeatView::SeatAvatarKeyAt(Point p, AvatarArea area) const
{
    for (int seat = 0; seat < 2; ++seat) {
        const PlayerInfo& player = scene.room.seats.players[static_cast<size_t>(seat)];
        const int32_t slot = player.screenSlot;
        if (player.userKey < 0 || (slot != 0 && slot != 1)) continue;
        const CVUserInfoWnd* panel = scene.seatPanels.userInfo[static_cast<size_t>(slot)];
        const bool onPanel = area == AvatarArea::WithPanel && panel && panel->IsVisible() && panel->GetRect().Contains(p);
        if (onPanel || SeatAvatarRect(slot).Contains(p)) return player.userKey;
    }
    return -1;
}

bool SeatView::IsRobotAvatarHidden() const
{
    const auto& avatars = scene.entryWidgets.robotAvatars;
    if (!avatars[0]) return false;
    return std::none_of(avatars.begin(), avatars.end(), [](const GVWnd* a) { return a && a->IsVisible(); });
}

Rect SeatView::PopupMenuRect() const
{
    Rect area;
    for (const CVPSPPushBtn* entry : scene.roomButtons.popupMenu)
        if (entry) area = area.IsEmpty() ? entry->GetRect() : area.United(entry->GetRect());
    return area;
}

void SeatView::OnUserPopupCommand(int entry)
{
    const int32_t target = scene.popupTarget;
    const int seat = target >= 0 ? scene.FindSeatByKey(target) : -1;
    const std::string name = seat >= 0 ? scene.GetPlayer(seat).userId : std::string();
    switch (static_cast<PopupEntry>(target >= 0 ? entry : -1)) {
    case PopupEntry::UserInfo:
        if (seat >= 0) scene.View().HostMessage(1, name, FormatText("%d승 %d패", scene.GetPlayer(seat).wins, scene.GetPlayer(seat).losses));
        break;
    case PopupEntry::HostPage:
        if (seat >= 0) scene.View().HostMessage(3, name, "");
        break;
    case PopupEntry::ForcedExit: scene.Options().RequestForcedExit(target); break;
    case PopupEntry::VoiceMute: ToggleVoiceMute(target); break;
    default: break;
    }
    HidePopupMenu();
    scene.popupTarget = -1;
    scene.SetDirty();
}

void SeatView::ToggleVoiceMute(int32_t userKey)
{
    const int seat = scene.FindSeatByKey(userKey);
    const int32_t slot = seat >= 0 ? scene.GetPlayer(seat).screenSlot : -1;
    GVWnd* mark = slot == 0 || slot == 1 ? scene.avatarMarks.voiceOff[static_cast<size_t>(slot)] : nullptr;
    if (!scene.gameInfo.IsVoiceMuted(userKey)) {
        if (mark) mark->Show(true);
        scene.gameInfo.voiceMuted.push_back(userKey);
        // Held off without the rest timer: only an unmute gives the macros back.
        scene.controls.macroEnabled = false;
        scene.Options().ShowMacroControl(false);
        return;
    }
    if (mark) mark->Show(false);
    scene.gameInfo.RemoveVoiceMute(userKey);
    // Enabled again only with voices on and the macro lock clear.
    scene.Options().SetMacroEnabled(true);
}
