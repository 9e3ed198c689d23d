#include "scene/HostLink.h"

#include "scene/CMirelleVWS.h"

#include <algorithm>
#include <limits>

#include "foundation/Debug.h"
#include "foundation/core/Text.h"
#include "protocol/CHostProxy.h"
#include "protocol/HostInterfaces.h"
#include "scene/PeripheryPanels.h"
#include "scene/SceneWindow.h"
#include "scene/core/HostNotices.h"
#include "table/TableEngine.h"
#include "table/core/DealPlan.h"
#include "toolkit/GVAvatarWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVUserInfoWnd.h"
#include "views/WidgetFactory.h"
#include "scene/RoomOptions.h"
#include "scene/RoomView.h"
#include "scene/SeatView.h"

namespace {

// The host message that carries the forced-exit reservations: the game's number, then the keys.
constexpr int kKickListMessage = 40;

enum class HostCommandId : int32_t {
    BlacklistReplace = 14,
    BlacklistAdd = 15,
    BlacklistRemove = 16,
    UserCounts = 23,
    CheckNotice = 24,
    ObserverResult = 26,
    TitleButton = 27,
    MemoCount = 28,
    Alive = 29,
};

int64_t AddMoney(int64_t money, int64_t amount)
{
    int64_t sum = 0;
    if (__builtin_add_overflow(money, amount, &sum))
        return amount > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    return sum;
}

}  // namespace

void HostLink::PostCloseToHost()
{
    if (scene.window) PostMessageA(scene.window->GetHostWnd(), kHostCloseRequest, 0, 0);
}

int HostLink::OnHostCommand(int32_t userKey, int32_t command, const std::string& text, int32_t* value)
{
    switch (static_cast<HostCommandId>(command)) {
    case HostCommandId::BlacklistReplace:
    case HostCommandId::BlacklistAdd:
    case HostCommandId::BlacklistRemove:
        if (userKey != -1 && userKey == scene.ownUser.userKey) UpdateBlacklist(command, text);
        return 0;
    case HostCommandId::UserCounts: SendUserCountsToHost(userKey); return 0;
    case HostCommandId::CheckNotice: scene.Periphery().OnCheckNotice(userKey, text); return 0;
    case HostCommandId::ObserverResult: scene.Periphery().OnObserverResult(value ? *value : 0, text); return 0;
    case HostCommandId::TitleButton: scene.Options().OnHostButton(text, value ? *value : 0); return 0;
    case HostCommandId::MemoCount: ShowMemoNotify(value ? *value : 0); return 0;
    case HostCommandId::Alive: return 1;
    default: return 0;
    }
}

void HostLink::SendUserCountsToHost(int32_t userKey)
{
    const int seat = userKey != -1 ? scene.FindSeatByKey(userKey) : -1;
    if (seat < 0) return;
    const PlayerInfo& p = scene.GetPlayer(seat);
    std::string text = FormatText("%d", p.recordValues[1]);
    HostRequest(userKey, HostRequestCode::UserCounters, p.recordValues[0], text.data(), nullptr);
}

void HostLink::SendKickListToHost()
{
    scene.View().HostMessage(kKickListMessage, FormatText("%d", kGameNumber), NoticeRules::KeyListText(scene.gameInfo.kickReservations));
}

void HostLink::UpdateBlacklist(int32_t command, const std::string& text)
{
    // The list changes at once; the panels wait for the loader, whose widgets they are.
    if (!NoticeRules::ApplyBlacklistCommand(scene.gameInfo.blackList, command, text) || scene.IsLoadingResources()) return;
    scene.Seats().RefreshSeatPanels(2);
}

int HostLink::SetUserAvatar(int32_t userKey, const std::string& itemList)
{
    const int seat = userKey != -1 ? scene.FindSeatByKey(userKey) : -1;
    if (seat < 0) return -1;
    const int32_t slot = scene.GetPlayer(seat).screenSlot;
    // Two avatar places: a slot past them would index beyond the arrays.
    if (slot < 0 || slot > 1) return -1;
    return ShowSeatAvatar(slot, itemList) ? 0 : -1;
}

bool HostLink::ShowSeatAvatar(int32_t slot, const std::string& itemList)
{
    if (scene.IsLoadingResources() || !scene.window) return false;
    const std::vector<std::string> items = NoticeRules::SplitList(itemList);
    RemoveAvatarAt(slot);
    if (items.empty()) return false;
    // The first item is the picture, a path under the portal's folder unless it names a drive.
    const std::string& picture = items.front();
    const bool absolute = picture.find(':') != std::string::npos || picture.rfind("\\\\", 0) == 0;
    WidgetFactory factory(scene.imageRoot, scene);
    GVAvatarWnd* avatar = factory.CreateAvatarWnd(absolute ? picture : scene.window->GetPortalDir() + picture);
    if (!avatar) return false;
    avatar->SetPos(scene.Seats().SeatAvatarRect(slot).TopLeft());
    // A press on the avatar goes past it to the scene, which opens the user's popup menu.
    avatar->Enable(false);
    avatar->Show(true);
    // Under the seat's marks, which the loader put over the avatar's place.
    if (!scene.InsertWndAfter(scene.avatarMarks.disconnected[static_cast<size_t>(slot)], avatar)) scene.AddWnd(avatar);
    scene.seatAvatars[static_cast<size_t>(slot)] = avatar;
    scene.InvalidateWnd(avatar);
    return true;
}

void HostLink::RemoveAvatarAt(int32_t slot)
{
    if (slot < 0 || slot > 1) return;
    GVAvatarWnd*& avatar = scene.seatAvatars[static_cast<size_t>(slot)];
    if (!avatar) return;
    scene.InvalidateArea(avatar->GetRect());
    scene.DestroyWnd(avatar);
    avatar = nullptr;
    scene.SetDirty();
}

void HostLink::LoadSeatAvatar(int seat)
{
    if (!scene.IsSeat(seat)) return;
    const PlayerInfo& p = scene.GetPlayer(seat);
    if (p.userKey == -1 || scene.IsSeatDisconnected(seat) || p.avatarString.empty()) {
        RemoveSeatAvatar(seat);
        return;
    }
    if (p.screenSlot < 0 || p.screenSlot > 1) return;
    const std::optional<std::string> items = CHostProxy(GetHost()).GetUserAvatar(p.userId, p.avatarString);
    // No answer from the host keeps the avatar shown.
    if (!items || items->empty()) return;
    if (!ShowSeatAvatar(p.screenSlot, *items)) RemoveSeatAvatar(seat);
}

void HostLink::RemoveSeatAvatar(int seat)
{
    if (!scene.IsSeat(seat) || scene.IsLoadingResources()) return;
    RemoveAvatarAt(scene.GetPlayer(seat).screenSlot);
}

void HostLink::StepSeatAvatars()
{
    if (scene.IsLoadingResources()) return;
    for (GVAvatarWnd* avatar : scene.seatAvatars)
        if (avatar && avatar->IsVisible() && avatar->Update()) scene.InvalidateWnd(avatar);
}

GVAvatarWnd* HostLink::GetSeatAvatar(int32_t slot) const
{
    return slot == 0 || slot == 1 ? scene.seatAvatars[static_cast<size_t>(slot)] : nullptr;
}

int HostLink::SetUserTitle(int32_t userKey, const std::string& text)
{
    const int seat = userKey != -1 ? scene.FindSeatByKey(userKey) : -1;
    if (seat < 0) return -1;
    PlayerInfo& p = scene.GetPlayer(seat);
    p.titleText = text;
    if (p.screenSlot < 0 || p.screenSlot > 1 || scene.IsLoadingResources()) return 0;
    if (CVUserInfoWnd* info = scene.seatPanels.userInfo[static_cast<size_t>(p.screenSlot)]) {
        if (GVTextWnd* line = info->GetTitleLine()) line->SetText(text);
        scene.InvalidateWnd(info);
    }
    return 0;
}

void HostLink::ShowMemoNotify(int32_t count)
{
    if (scene.IsLoadingResources()) return;
    if (scene.roomButtons.memo) {
        scene.roomButtons.memo->Enable(count >= 1);
    }
    GVQZAniWnd* notice = scene.roomButtons.memoNotify;
    if (!notice) return;
    if (count < 1) {
        notice->Stop();
        notice->Show(false);
    } else {
        notice->Play(-1, false);
    }
}

void HostLink::PrintMoneyGiftNotice(int64_t amount)
{
    PrintChatText(NoticeRules::MoneyGiftText(amount));
}

void HostLink::PrintRefillNotice(int32_t kind, const std::vector<RefillRecord>& records)
{
    for (const RefillRecord& r : records) {
        const int seat = r.userKey != -1 ? scene.FindSeatByKey(r.userKey) : -1;
        if (seat < 0) continue;
        PlayerInfo& p = scene.GetPlayer(seat);
        if (p.screenSlot < 0 || p.screenSlot > 1) continue;
        const auto slot = static_cast<size_t>(p.screenSlot);
        p.gameMoney = AddMoney(p.gameMoney, r.amount);
        scene.Seats().ShowSeatMoney(seat);
        const NoticeRules::RefillNotice n = NoticeRules::RefillNoticeFor(kind, r.amount, r.refillsLeft);
        if (GVQZAniWnd* badge = scene.moneyWidgets.refill[slot]; badge && n.badgeFrame >= 0) {
            badge->SetFrame(n.badgeFrame);
            badge->Show(true);
        }
        if (GVTextWnd* label = scene.moneyWidgets.refillTexts[slot]; label && !n.label.empty()) {
            label->SetText(n.label);
            label->Show(true);
        }
        if (r.userKey != scene.ownUser.userKey || n.chat.empty()) continue;
        PrintChatText(n.chat);
        std::string amount = FormatText("%I64i", r.amount);
        HostRequest(scene.ownUser.userKey, HostRequestCode::RefillAmount, 0, amount.data(), nullptr);
    }
    ReportSeatMoney();
    // The badges and labels stay until the popup timer ends.
    scene.StartTimer(TimerId::Popup);
}

void HostLink::HideRefillLabels()
{
    for (size_t slot = 0; slot < 2; ++slot) {
        if (GVQZAniWnd* badge = scene.moneyWidgets.refill[slot]) badge->Show(false);
        if (GVTextWnd* label = scene.moneyWidgets.refillTexts[slot]) label->Show(false);
    }
    scene.SetDirty();
}

void HostLink::RevealRemainingCards(const std::vector<int32_t>& deck, const PerSeat<std::vector<int32_t>>& hands)
{
    const int32_t top = scene.Engine().Model().DeckTop();
    if (top >= 0 && !deck.empty() && IsValidCardId(deck.front()) && scene.Engine().Model().SetSlotCard(top, deck.front())) {
        if (CVHTWnd* card = scene.Engine().CardWndBySlot(top)) {
            card->SetImageFrame(deck.front());
            scene.InvalidateWnd(card);
        }
    }
    for (int seat = 0; seat < 2; ++seat) {
        std::vector<int32_t> ids = ValidCardIds(hands[static_cast<size_t>(seat)]);
        const std::vector<int32_t>& hand = scene.RoundUser(seat).hand;
        if (ids.size() != hand.size()) {
            DebugLine("remaining cards: %d for a hand of %d", static_cast<int>(ids.size()), static_cast<int>(hand.size()));
            continue;
        }
        std::sort(ids.begin(), ids.end());
        for (size_t i = 0; i < hand.size(); ++i) {
            if (!scene.Engine().Model().SetSlotCard(hand[i], ids[i])) continue;
            if (CVHTWnd* card = scene.Engine().CardWndBySlot(hand[i])) card->SetImageFrame(ids[i]);
        }
        scene.Engine().PlaceHand(seat);
    }
    scene.SetDirty();
}
