#include "scene/PeripheryPanels.h"

#include "foundation/core/Text.h"
#include "scene/CMirelleVWS.h"
#include "scene/HostLink.h"
#include "scene/RoomView.h"
#include "table/core/EntryRules.h"
#include "views/CCheckNotice.h"
#include "views/CVObserveSystemWnd.h"

namespace {

// The host's message kind that opens its refill page, and the page's code.
constexpr int kRefillPageMessage = 36;
constexpr const char* kRefillPageCode = "1030";

}  // namespace

void PeripheryPanels::OnCheckNotice(int32_t userKey, const std::string& text)
{
    CCheckNotice* notice = scene.periphery.checkNotice;
    if (!notice || userKey == -1 || userKey != scene.ownUser.userKey) return;
    const CheckNoticeRules::NoticePlan plan = notice->ParseNoticeText(text);
    if (!plan.active) return;
    scene.InvalidateWnd(notice);
    if (plan.time == CheckNoticeRules::kAnswerTime) static_cast<void>(scene.Requests().SendCheckNoticeReply());
}

void PeripheryPanels::OnObserverResult(int32_t code, const std::string& text)
{
    if (CVObserveSystemWnd* bar = scene.entryWidgets.observerBar) {
        bar->OnHostResult(code, text == "1");
        scene.InvalidateWnd(bar);
    } else {
        SetPageState(ObserverRules::AfterHostResult(code, text == "1"));
    }
}

void PeripheryPanels::Reset()
{
    // The server hears that no page is pending any more.
    if (pageState == ObserverRules::PageState::Requested) SetPageState(ObserverRules::PageState::None);
}

const std::string& PeripheryPanels::GetImageRoot() const
{
    return scene.GetImageRoot();
}

LoadErrorSink& PeripheryPanels::GetLoadErrorSink()
{
    return scene;
}

PeripheryOwner::RoomFacts PeripheryPanels::GetRoomFacts() const
{
    RoomFacts f;
    const RCRoomData& room = scene.room;
    f.roomKind = room.roomKind;
    f.seatFree = scene.HasSeatWithoutUser();
    f.robotSeated = scene.HasRobotSeat();
    f.antiLeaveRoom = scene.IsAntiLeaveRoom();
    f.antiLeaveCounting = scene.controls.antiLeaveActive;
    f.requiredGames = room.option.extraValue;
    // The server sends the games still to play.
    f.playedGames = room.option.extraValue - scene.entryState.antiLeaveCount;
    f.stakeIndex = room.option.betKind;
    f.roomStakeValue = room.option.betAmount;
    return f;
}

const RCUser& PeripheryPanels::GetOwnUser() const
{
    return scene.ownUser;
}

bool PeripheryPanels::GetSeatNames(int32_t seat, std::string& nickname, std::string& userId) const
{
    if (!RoomRecords::IsSeat(seat)) return false;
    const PlayerInfo& p = scene.GetPlayer(seat);
    if (p.userKey == -1) return false;
    nickname = p.nickname;
    userId = p.userId;
    return true;
}

std::optional<int> PeripheryPanels::RequestHost(HostRequestCode code, int32_t value)
{
    if (!scene.Link().GetHost()) return std::nullopt;
    return scene.Link().HostRequest(scene.ownUser.userKey, code, value, nullptr, nullptr);
}

void PeripheryPanels::RequestItemUse(int64_t amount)
{
    static_cast<void>(scene.Requests().RequestItemUse(amount));
}

void PeripheryPanels::OpenRefillPage()
{
    scene.View().HostMessage(kRefillPageMessage, FormatText("%d", kGameNumber), kRefillPageCode);
}

void PeripheryPanels::PrintPanelChat(const std::string& text)
{
    scene.Link().PrintChatText(text);
}

void PeripheryPanels::PlayPanelSound(SoundId id)
{
    scene.PlaySoundId(id);
}

void PeripheryPanels::ShowPanelBox(const std::string& text, const std::string& title, uint32_t ms)
{
    scene.Link().ShowMessageBox(text, BoxType::Ok, ms, title, kBoxTextColor);
}

void PeripheryPanels::SetPageState(ObserverRules::PageState state)
{
    pageState = state;
    static_cast<void>(scene.Requests().SendHostPageState(static_cast<int32_t>(state)));
}

void PeripheryPanels::TakeSeat()
{
    static_cast<void>(scene.Requests().SendPlay(0));
}

bool PeripheryPanels::IsDefaultBannerVisible() const
{
    return scene.promotion.IsDefaultBannerVisible();
}

void PeripheryPanels::ShowDefaultBanner(bool show)
{
    scene.promotion.ShowDefaultBanner(show);
}
