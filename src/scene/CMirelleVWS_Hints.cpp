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
void CMirelleVWS::RefreshSeatPanels(int which)
{
    for (int seat = 0; seat < 2; ++seat) {
        if (which != 2 && which != seat) continue;
        const PlayerInfo& p = GetPlayer(seat);
        const int32_t slot = p.screenSlot;
        if (slot < 0 || slot > 1) continue;
        const auto i = static_cast<size_t>(slot);
        const CHTUser& user = RoundUser(seat);
        if (CVJumsuInfoWnd* score = seatPanels.score[i]) score->SetScore(user);
        if (CVHTIconWnd* counters = seatPanels.counters[i]) counters->SetCounters(user);
        if (CVBakIconWnd* bak = seatPanels.bakIcons[i]) bak->SetBakFlags(user);
        const bool listed = p.userKey >= 0;
        // The disconnect mark follows the seat: a robot, a new user or an empty seat hides it.
        if (GVWnd* mark = avatarMarks.disconnected[i]) mark->Show(listed && p.seatState > 0);
        if (GVWnd* mark = avatarMarks.voiceOff[i]) mark->Show(listed && gameInfo.IsVoiceMuted(p.userKey));
        if (GVWnd* mark = avatarMarks.blacklisted[i]) mark->Show(listed && gameInfo.IsBlacklisted(p.userKey));
        if (IsRobotSeat(seat)) {
            StartTimer(TimerId::Popup);
            ShowRobotAvatar(kRobotSeatAvatar, {});
        }
        // FIXME: the seat's robot mark and its badge sprite (badge kind 1..5, frame 0..4), once the loader makes them.
    }
    SetDirty();
}

bool CMirelleVWS::IsHintMissionCard(int32_t cardId) const
{
    auto listed = [cardId](const auto& cards) {
        for (int32_t id : cards)
            if (id == cardId) return true;
        return false;
    };
    switch (gameInfo.missionMode) {
    case 3: return listed(gameInfo.cMissionCards);
    case 4: return listed(gameInfo.c2MissionCards);
    // FIXME: the S and D missions ask their mission panels (IsMissionCard), once the panels exist.
    default: return false;
    }
}

CVHTWnd* CMirelleVWS::FindPendingCard() const
{
    const int own = FindSeatByKey(ownUser.userKey);
    if (own < 0 || markedCards.empty()) return nullptr;
    const int32_t slot = Engine().FindCardById(RoundUser(own).hand, markedCards.front());
    return slot >= 0 ? Engine().CardWndBySlot(slot) : nullptr;
}

void CMirelleVWS::HideHandHints()
{
    for (auto& row : tableWidgets.handMarkers)
        for (int icon = 0; icon < HintRules::kHintIconCount; ++icon) Hide(row[static_cast<size_t>(icon)]);
    StopAndHide(effects.bombHoldOutline);
    StopAndHide(effects.bombOpenOutline);
    StopAndHide(tableWidgets.nuclearMarker);
    Hide(moneyWidgets.bombTooltip);
    SetDirty();
}

void CMirelleVWS::ShowHandHints(bool show)
{
    HideHandHints();
    const int own = FindSeatByKey(ownUser.userKey);
    if (!show || own < 0) return;
    const std::vector<int32_t>& hand = RoundUser(own).hand;
    HintRules::HintInputs in;
    for (int32_t slot : hand) {
        const CardFace face = Engine().FaceOfSlot(slot);
        in.hand.push_back({face.month, face.month != kBonusMonth && IsHintMissionCard(face.cardId)});
    }
    for (int32_t month = 0; month < 12; ++month)
        in.floorCounts[static_cast<size_t>(month)] = Engine().CountCardsOfMonth(floor.cards, month);
    in.monthState = gameInfo.monthCaptured;
    in.nubomb = tableState.handMarked;
    const auto slots = HintRules::ComputeHandHints(in);
    for (size_t k = 0; k < slots.size(); ++k) {
        // A dealt card lies over the markers loaded with the table: each icon goes directly over its card.
        CVHTWnd* card = Engine().CardWndBySlot(hand[k]);
        for (HintIcon icon : slots[k]) {
            auto* marker = static_cast<GVQZAniWnd*>(Engine().GetHandMarker(static_cast<int>(k), static_cast<int>(icon)));
            if (!marker) continue;
            if (card) InsertWndBefore(card, marker);
            marker->Play(-1, false);
        }
    }
    // FIXME: the VIP manager's hold-alert markers (CMirelleVIPMgr::UpdateHoldMarks (own seat, 1)).
    ShowBombGuides(hand);
}

void CMirelleVWS::ShowBombGuides(const std::vector<int32_t>& hand)
{
    CVHTWnd* pending = FindPendingCard();
    GVQZAniWnd* outline = effects.bombHoldOutline;
    if (pending && outline) {
        outline->SetPos(pending->GetPos() + kOutlineOffset);
        InsertWndBefore(pending, outline);
    }
    if (!tableState.handMarked || !IsOwnTurn() || hand.empty()) return;
    if (outline) outline->Play(-1, false);
    // The open guide points at the floor card of the first hand card's month; with none there it stays off.
    const int32_t floorCard = Engine().FindCardOfMonth(floor.cards, Engine().FaceOfSlot(hand.front()).month);
    const CVHTWnd* open = floorCard >= 0 ? Engine().CardWndBySlot(floorCard) : nullptr;
    if (open && effects.bombOpenOutline) {
        effects.bombOpenOutline->SetPos(open->GetPos() + kOpenGuideOffset);
        effects.bombOpenOutline->Play(-1, false);
    }
    if (pending && tableWidgets.nuclearMarker) {
        tableWidgets.nuclearMarker->SetPos(pending->GetPos());
        InsertWndBefore(pending, tableWidgets.nuclearMarker);
        tableWidgets.nuclearMarker->Play(-1, false);
    }
    if (moneyWidgets.bombTooltip) moneyWidgets.bombTooltip->Show(true);
    PlaySoundId(SoundTables::SoundId::NuBombNotify);
    SetDirty();
}

// The own outline lights the floor slots that a card of the own hand can take, while the own turn runs.
void CMirelleVWS::ShowOwnOutline(bool show)
{
    for (GVPSPWnd* lit : tableWidgets.litOutlines) Hide(lit);
    SetDirty();
    const int own = FindSeatByKey(ownUser.userKey);
    if (!show || own < 0 || IsRobotSeat(own)) return;
    const std::vector<int32_t>& hand = RoundUser(own).hand;
    for (int32_t slot : floor.cards) {
        const CardFace face = Engine().FaceOfSlot(slot);
        if (face.month == kBonusMonth || Engine().CountCardsOfMonth(hand, face.month) == 0) continue;
        // Eleven lit outlines: a card in the twelfth floor slot is not lit.
        if (face.floorSlot >= 0 && face.floorSlot < static_cast<int32_t>(tableWidgets.litOutlines.size()))
            if (GVPSPWnd* lit = tableWidgets.litOutlines[static_cast<size_t>(face.floorSlot)]) lit->Show(true);
    }
}

void CMirelleVWS::ShowFloorSlotMarkers(int flag)
{
    if (!IsUserSeated()) return;
    for (int i = 0; i < TableWidgets::kFloorSlots; ++i) {
        GVWnd* marker = tableWidgets.floorMarkers[static_cast<size_t>(i)];
        if (marker) marker->Show(flag == 1 && floor.GetSlot(i).count > 0);
    }
    SetDirty();
}

// One clip for both seats: the September animal lies in one animal pile at most.
void CMirelleVWS::ShowNineTenClip(int seat, bool show)
{
    GVQZSWnd* clip = roomMarks.nineTenClip;
    if (!clip) return;
    SetDirty();
    if (!show) {
        clip->Show(false);
        return;
    }
    if (!IsSeat(seat)) return;
    const int32_t slot = Engine().FindCardById(RoundUser(seat).animalPile, kSeptemberAnimal);
    CVHTWnd* card = slot >= 0 ? Engine().CardWndBySlot(slot) : nullptr;
    if (!card) return;
    clip->SetPos(card->GetPos());
    // Over the card and its pile marker.
    GVWnd* marker = tableWidgets.cardBoxes[static_cast<size_t>(slot)];
    InsertWndBefore(marker && marker->IsVisible() ? marker : static_cast<GVWnd*>(card), clip);
    clip->Show(true);
}

void CMirelleVWS::RecountMissionProgress()
{
    // FIXME: the S and D mission windows take each seat's captured cards (UpdateMissionProgress), once they exist.
}

void CMirelleVWS::HidePopupMenu()
{
    for (CVPSPPushBtn* entry : roomButtons.popupMenu) {
        if (!entry) continue;
        entry->Show(false);
        entry->Enable(false);
    }
}

void CMirelleVWS::ShowUserPopupMenu(bool show, int32_t userKey, Point at)
{
    HidePopupMenu();
    popupTarget = -1;
    SetDirty();
    if (!show || userKey < 0) return;
    popupTarget = userKey;
    HintRules::PopupInputs in;
    in.targetKey = userKey;
    in.ownKey = ownUser.userKey;
    in.targetSeated = FindSeatByKey(userKey) >= 0;
    in.ownSeated = IsUserSeated();
    in.ownIsRoomOwner = ownUser.userKey != -1 && ownUser.userKey == gameInfo.ownerKey;
    in.antiLeaveRestricted = IsAntiLeaveRoom() && controls.antiLeaveActive;
    in.roomState = room.roomState;
    in.tableSynced = tableState.active;
    in.kickReserved = gameInfo.IsKickReserved(userKey);
    in.voiceMuted = gameInfo.IsVoiceMuted(userKey);
    in.desperateRoom = IsDesperateRoom();
    const auto entries = HintRules::PopupEntries(in);
    const CVPSPPushBtn* first = roomButtons.popupMenu[0];
    const auto points = HintRules::PopupEntryPoints(at, first ? first->GetRect().Height() : 0);
    for (size_t i = 0; i < entries.size(); ++i) {
        CVPSPPushBtn* entry = roomButtons.popupMenu[i];
        if (!entry) continue;
        static_cast<void>(entry->SetImageSet(entries[i].imageSet));
        entry->SetPos(points[i]);
        entry->Enable(entries[i].enabled);
        entry->Show(entries[i].shown);
    }
}

bool CMirelleVWS::IsPopupMenuShown() const
{
    return popupTarget >= 0;
}

bool CMirelleVWS::IsPopupMenuEntry(const GVWnd* wnd) const
{
    return wnd && std::find(roomButtons.popupMenu.begin(), roomButtons.popupMenu.end(), wnd) != roomButtons.popupMenu.end();
}

Rect CMirelleVWS::SeatAvatarRect(int32_t slot)
{
    return Rect(kSeatAvatarPoint[slot == 1 ? 1 : 0], kAvatarSize);
}

int32_t CMirelleVWS::SeatAvatarKeyAt(Point p, AvatarArea area) const
{
    for (int seat = 0; seat < 2; ++seat) {
        const PlayerInfo& player = room.seats.players[static_cast<size_t>(seat)];
        const int32_t slot = player.screenSlot;
        if (player.userKey < 0 || (slot != 0 && slot != 1)) continue;
        const CVUserInfoWnd* panel = seatPanels.userInfo[static_cast<size_t>(slot)];
        const bool onPanel = area == AvatarArea::WithPanel && panel && panel->IsVisible() && panel->GetRect().Contains(p);
        if (onPanel || SeatAvatarRect(slot).Contains(p)) return player.userKey;
    }
    return -1;
}

bool CMirelleVWS::IsRobotAvatarHidden() const
{
    const auto& avatars = entryWidgets.robotAvatars;
    if (!avatars[0]) return false;
    return std::none_of(avatars.begin(), avatars.end(), [](const GVWnd* a) { return a && a->IsVisible(); });
}

Rect CMirelleVWS::PopupMenuRect() const
{
    Rect area;
    for (const CVPSPPushBtn* entry : roomButtons.popupMenu)
        if (entry) area = area.IsEmpty() ? entry->GetRect() : area.United(entry->GetRect());
    return area;
}

void CMirelleVWS::OnUserPopupCommand(int entry)
{
    const int32_t target = popupTarget;
    const int seat = target >= 0 ? FindSeatByKey(target) : -1;
    const std::string name = seat >= 0 ? GetPlayer(seat).userId : std::string();
    switch (static_cast<PopupEntry>(target >= 0 ? entry : -1)) {
    case PopupEntry::UserInfo:
        if (seat >= 0) HostMessage(1, name, FormatText("%d승 %d패", GetPlayer(seat).wins, GetPlayer(seat).losses));
        break;
    case PopupEntry::HostPage:
        if (seat >= 0) HostMessage(3, name, "");
        break;
    case PopupEntry::ForcedExit: RequestForcedExit(target); break;
    case PopupEntry::VoiceMute: ToggleVoiceMute(target); break;
    default: break;
    }
    HidePopupMenu();
    popupTarget = -1;
    SetDirty();
}

void CMirelleVWS::ToggleVoiceMute(int32_t userKey)
{
    const int seat = FindSeatByKey(userKey);
    const int32_t slot = seat >= 0 ? GetPlayer(seat).screenSlot : -1;
    GVWnd* mark = slot == 0 || slot == 1 ? avatarMarks.voiceOff[static_cast<size_t>(slot)] : nullptr;
    if (!gameInfo.IsVoiceMuted(userKey)) {
        if (mark) mark->Show(true);
        gameInfo.voiceMuted.push_back(userKey);
        // Held off without the rest timer: only an unmute gives the macros back.
        controls.macroEnabled = false;
        ShowMacroControl(false);
        return;
    }
    if (mark) mark->Show(false);
    gameInfo.RemoveVoiceMute(userKey);
    // Enabled again only with voices on and the macro lock clear.
    SetMacroEnabled(true);
}
