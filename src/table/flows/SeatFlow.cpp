#include "table/flows/SeatFlow.h"

#include <algorithm>

#include "table/TableEngine.h"
#include "table/core/SeatNoticeRules.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomStage.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVUserInfoWnd.h"

namespace {

namespace Disconnect {
constexpr int32_t Dropped = 2, Lost = 3;
}
namespace Kick {
constexpr int32_t Reserved = 1, Cancelled = 2;
}
namespace Mark {
constexpr int32_t Observe = 0, ObserveOff = 1, Exit = 2, ExitOff = 3;
}
constexpr int32_t kDisconnectedState = 1;
constexpr uint32_t kKickBoxMs = 3000;
constexpr char kRobotName[] = "맞고로봇";
constexpr int32_t kNoStartAnimationRoom = 60;

}  // namespace

CVUserInfoWnd* SeatFlow::SeatInfoPanel(int seat)
{
    const int slot = records.GetPlayer(seat).screenSlot;
    return slot == 0 || slot == 1 ? seatPanels.userInfo[static_cast<size_t>(slot)] : nullptr;
}

void SeatFlow::OnPlayerDisconnected(const PlayerDisconnected& body)
{
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0 || (body.kind != Disconnect::Dropped && body.kind != Disconnect::Lost)) return;
    PlayerInfo& p = records.GetPlayer(seat);
    p.seatState = kDisconnectedState;
    if (records.GetRoomState() == RoomState::Playing) ++p.disconnectCount;
    stage.RemoveSeatAvatar(seat);
    if (p.screenSlot == 0 || p.screenSlot == 1) {
        if (GVQZSWnd* mark = avatarMarks.disconnected[static_cast<size_t>(p.screenSlot)]) {
            mark->Show(true);
        }
    }
    stage.PlaySoundId(SoundId::GameDisconnect);
    stage.SetDirty();
}

void SeatFlow::OnKickReserve(const KickReserve& body)
{
    if (records.IsDesperateRoom()) return;
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    records.GetPlayer(seat).gameMoney = body.money;
    stage.ShowSeatMoney(seat);
    stage.ReportSeatMoney();
    stage.SetDirty();
    if (body.userKey != ownUser.userKey) return;
    std::string text = " " + body.name;
    if (body.kind == Kick::Reserved) {
        text += "님의 강제퇴장 예약. ";
        if (!gameInfo.IsKickReserved(body.targetKey)) gameInfo.kickReservations.push_back(body.targetKey);
    } else if (body.kind == Kick::Cancelled) {
        text += "님의 강제퇴장 예약 취소. ";
        gameInfo.RemoveKickReservation(body.targetKey);
    } else {
        return;
    }
    stage.PlaySoundId(SoundId::BoxNotify);
    stage.SendKickListToHost();
    stage.ShowMessageBox(text, BoxType::Ok, kKickBoxMs, "", kBoxTextColor);
}

void SeatFlow::OnSeatMark(const SeatMark& body)
{
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    stage.PlaySoundId(SoundId::BoxNotify);
    PlayerInfo& p = records.GetPlayer(seat);
    CVUserInfoWnd* panel = SeatInfoPanel(seat);
    switch (body.kind) {
    case Mark::Observe:
    case Mark::ObserveOff:
        p.observeReserved = body.kind == Mark::Observe ? 1 : 0;
        p.exitReserved = 0;
        if (panel) panel->ShowObserveReserved(body.kind == Mark::Observe);
        break;
    case Mark::Exit:
    case Mark::ExitOff:
        p.observeReserved = 0;
        p.exitReserved = body.kind == Mark::Exit ? 1 : 0;
        if (panel) panel->ShowExitReserved(body.kind == Mark::Exit);
        break;
    default:
        break;
    }
    if (body.userKey == ownUser.userKey) {
        stage.UpdatePlayObserveButtons(1);
        stage.UpdateExitButtons(1);
    }
    stage.SetDirty();
}

void SeatFlow::OnVoiceTypeChanged(const VoiceTypeChanged& body)
{
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat >= 0) records.GetPlayer(seat).voiceType = body.voiceType;
    if (body.userKey == ownUser.userKey) stage.SetOwnVoiceType(body.voiceType);
}

void SeatFlow::OnRobotSeatChange(const SeatsCleared& body)
{
    // A code of -1 or above names no robot and changes no seat (PlanRobotSeat); the waiting
    // animation and the start button still follow the seats.
    const bool join = body.joinFlag != 0;
    // Seats 1 up to the count, the code one less per seat: with two seats only seat 1.
    int32_t code = body.robotCode;
    for (int seat = 1; seat <= std::min(body.count, 1); ++seat, --code) {
        PlayerInfo& p = records.GetPlayer(seat);
        switch (SeatNoticeRules::PlanRobotSeat(code, join, p.seatState, p.userKey)) {
        case SeatNoticeRules::RobotSeatAction::Seat:
            p.Clear();
            p.seatState = code;
            p.userKey = code;
            p.nickname = kRobotName;
            flows.periphery.UpdateRestrict(false, false);
            flows.missions.ResetTargetScoreRound();  // target-score rooms only
            break;
        case SeatNoticeRules::RobotSeatAction::Clear:
            p.Clear();
            break;
        case SeatNoticeRules::RobotSeatAction::ResetState:
            p.seatState = 0;
            break;
        case SeatNoticeRules::RobotSeatAction::None:
            break;
        }
        stage.RefreshSeatPanels(seat);
        flows.entry.RefreshSeatInfo(seat);
    }
    AfterRobotSeatChange(join);
    stage.SetDirty();
}

void SeatFlow::AfterRobotSeatChange(bool join)
{
    LoopWaitingAnimation(room.roomKind != kNoStartAnimationRoom && records.HasRobotSeat());
    const bool seatFree = records.HasSeatWithoutUser();
    const bool robot = records.HasRobotSeat();
    if (!join && records.OwnSeat() == 0 && (seatFree || !robot)) {
        if (records.IsDesperateRoom()) stage.ShowRoundStartAnimation(true, 0);
        stage.ShowStartButton(true);
    }
    if ((seatFree || robot) && records.IsAntiLeaveRoom()) flows.periphery.UpdateRestrict(true, false);
}

namespace {

// Loops an animation, or stops it (which hides it); false when nothing changed.
bool LoopOrHide(GVQZAniWnd* animation, bool loop)
{
    if (!animation || animation->IsPlaying() == loop) return false;
    if (loop)
        animation->Play(-1, false);
    else
        animation->Stop();
    return true;
}

}  // namespace

// The waiting and the playing animation take turns in one place.
void SeatFlow::LoopWaitingAnimation(bool loop)
{
    if (loop && LoopOrHide(roomWidgets.playingAnimation, false)) stage.InvalidateWnd(roomWidgets.playingAnimation);
    if (LoopOrHide(roomWidgets.waitingAnimation, loop)) stage.InvalidateWnd(roomWidgets.waitingAnimation);
}

void SeatFlow::LoopPlayingAnimation(bool loop)
{
    if (loop) LoopWaitingAnimation(false);
    if (LoopOrHide(roomWidgets.playingAnimation, loop)) stage.InvalidateWnd(roomWidgets.playingAnimation);
}

void SeatFlow::OnAntiLeaveCount(const AntiLeaveCount& body)
{
    if (!records.IsAntiLeaveRoom() || !controls.antiLeaveActive || records.GetRoomState() != RoomState::Playing) return;
    if (!RoomRecords::IsSeat(body.seat) || (body.a < 1 && body.b < 1)) return;
    CHTUser& user = records.RoundUser(body.seat);
    user.antiLeave1 = body.a;
    user.antiLeave2 = body.b;
    flows.periphery.UpdateRestrict(true, true);
}

void SeatFlow::OnUserRecordValues(const UserRecordValues& body)
{
    for (const UserRecordEntry& entry : body.entries) {
        const int seat = records.FindSeatByKey(entry.userKey);
        if (seat < 0) continue;
        records.GetPlayer(seat).recordValues = entry.values;
        stage.RefreshSeatPanels(seat);
    }
}

void SeatFlow::OnTimeoutCountNotice(const TimeoutCountNotice& body)
{
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0 || body.userKey == ownUser.userKey) return;
    PlayerInfo& p = records.GetPlayer(seat);
    if (p.turnTimeoutCount != body.count) p.turnTimeoutCount = body.count;
}
