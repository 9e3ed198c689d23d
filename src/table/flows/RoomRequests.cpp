#include "table/flows/RoomRequests.h"

#include <vector>

#include "foundation/Debug.h"
#include "protocol/GameRequest.h"
#include "protocol/HostInterfaces.h"
#include "table/RoomRecords.h"
#include "table/RoomWidgetSet.h"
#include "table/TableEngine.h"
#include "table/core/EntryRules.h"
#include "table/flows/RoomStage.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVObserveSystemWnd.h"

namespace {


}  // namespace

RoomRequests::RoomRequests(RoomStage& s, TableEngine& e, RoomRecords& r, RoomWidgetSet& w)
    : stage(s), engine(e), records(r), widgets(w)
{
}

bool RoomRequests::SendGameRequest(const GameRequest& request)
{
    IHostInterface* host = stage.GetHost();
    if (!host) {
        DebugLine("request %d not sent: no host", request.Type());
        return false;
    }
    const std::vector<uint8_t> bytes = SerializeGameRequest(request);
    const int result = host->Send(-1, 1, bytes.data(), static_cast<int>(bytes.size()));
    if (result < 0) {  // the host answers -1 when it could not send
        DebugLine("request %d not sent: the host's Send answered %d", request.Type(), result);
        return false;
    }
    return true;
}

void RoomRequests::CloseDecision()
{
    stage.StopPhaseTimer();
    if (GVQZAniWnd* marker = widgets.tableWidgets.turnBlinkAnimation) {
        marker->Stop();
        stage.InvalidateWnd(marker);
    }
    records.timers.countdown = records.timers.countdownStart;
}

bool RoomRequests::AnswerDecision(DecisionKind kind, const GameRequest& request)
{
    if (!records.IsUserSeated() || records.timers.phaseTimerKind != kind) return false;
    if (!SendGameRequest(request)) return false;
    CloseDecision();
    return true;
}

bool RoomRequests::SendVoiceType()
{
    return SendGameRequest(Requests::VoiceType{records.options.voiceType});
}

bool RoomRequests::SendPlay(int flag)
{
    if (records.IsUserSeated()) return false;
    if (records.GetRoomState() != RoomState::Waiting && !records.HasRobotSeat() && flag == 0) return false;
    if (records.IsTournamentRoom() && records.controls.tournamentGradeMismatch) {
        stage.ShowMessageBox(" 토너먼트 등급이 맞지 않아 방에 입장할 수 없습니다. ", BoxType::Ok, 3000, "", kBoxTextColor);
        stage.PostToHost(HostNotifyCode::Leave);
        stage.PlaySoundId(SoundId::RoomExit);
        return false;
    }
    if (!SendGameRequest(Requests::Play{records.options.voiceType, flag})) return false;
    stage.SetTitleButtonState("play", true, false, 0);
    if (CVObserveSystemWnd* bar = widgets.entryWidgets.observerBar) bar->SetJoinButton(true, false);
    return true;
}

bool RoomRequests::SendObserve()
{
    if (!records.IsUserSeated()) return false;
    if (!SendGameRequest(Requests::Observe{})) return false;
    stage.SetTitleButtonState("observe", true, false, 0);
    return true;
}

bool RoomRequests::SendExitRoom()
{
    return SendGameRequest(Requests::ExitRoom{});
}

bool RoomRequests::SendKick(int32_t target)
{
    if (records.IsDesperateRoom() || records.gameInfo.ownerKey != records.ownUser.userKey || target == -1) return false;
    return SendGameRequest(Requests::Kick{target});
}

bool RoomRequests::SendOptionChange(int32_t a, int32_t b)
{
    if (!records.IsUserSeated()) return false;
    return SendGameRequest(Requests::OptionChange{a, b});
}

bool RoomRequests::SendGameReadyAnswer(int timedOut)
{
    if (!records.IsUserSeated() || records.timers.phaseTimerKind != DecisionKind::GameReady) return false;
    if (!SendGameRequest(Requests::GameReadyAnswer{timedOut})) return false;
    stage.StopPhaseTimer();
    stage.HideRoundResult();
    return true;
}

bool RoomRequests::SendStart()
{
    stage.ShowStartButton(false);
    stage.SetAutoPlay(false);
    if (records.GetPlayer(0).userKey != records.ownUser.userKey || records.ownUser.userKey == -1) return false;
    if (records.GetRoomState() == RoomState::Waiting && records.HasSeatWithoutUser()) {
        if (records.IsTournamentRoom()) return false;
        return SendGameRequest(Requests::StartWithEmptySeat{0});
    }
    return SendGameRequest(Requests::StartGame{0});
}

bool RoomRequests::SendSunPick(int32_t pick, int timedOut)
{
    if (records.timers.phaseTimerKind != DecisionKind::SunPick || !records.IsUserSeated()) return false;
    return SendGameRequest(Requests::SunPick{timedOut, pick});
}

bool RoomRequests::SendMonthChoice(int32_t choice)
{
    const int own = records.OwnSeat();
    if (records.timers.phaseTimerKind != DecisionKind::MonthChoice || own < 0 || records.IsRobotSeat(own)) return false;
    if (!SendGameRequest(Requests::MonthChoice{choice})) return false;
    CloseDecision();
    return true;
}

bool RoomRequests::SendPlayCard(int32_t card, int timedOut)
{
    const int missed = engine.MissesAvailableMatch(card) ? 1 : 0;
    if (!AnswerDecision(DecisionKind::PlayCard, Requests::PlayCard{timedOut, card, missed})) return false;
    stage.ShowOwnOutline(false);
    stage.ShowHandHints(false);
    if (timedOut && !records.HasRobotSeat()) CountOwnTimeout();
    return true;
}

void RoomRequests::CountOwnTimeout()
{
    const int own = records.OwnSeat();
    if (own < 0) return;
    PlayerInfo& me = records.GetPlayer(own);
    ++me.turnTimeoutCount;
    // The play went out; a lost count or auto-play flag only leaves the server's tally behind,
    // and SendGameRequest has reported it.
    static_cast<void>(SendTimeoutCount(me.turnTimeoutCount));
    if (me.turnTimeoutCount == 1) {
        stage.PrintChatText(records.room.option.turnTime != 2
                                ? "`1120`대기 시간이 초과되었습니다. 대기 시간이 감소합니다.`0010`"
                                : "`1120`대기 시간이 초과되었습니다.`0010`");
    } else if (me.turnTimeoutCount == 2) {
        stage.SetAutoPlay(true);
        static_cast<void>(SendAutoPlay(1));
        stage.PrintChatText("`1120`대기 시간이 2회 초과되어 자동 치기로 변경됩니다.`0010`");
    }
}

bool RoomRequests::SendCardChoice(int32_t card, int timedOut)
{
    return AnswerDecision(DecisionKind::CardChoice, Requests::CardChoice{timedOut, card});
}

bool RoomRequests::SendYesNoChoice(int32_t choice, int timedOut)
{
    return AnswerDecision(DecisionKind::YesNoChoice, Requests::YesNoChoice{timedOut, choice});
}

bool RoomRequests::SendSeptAnimalChoice(int32_t choice, int timedOut)
{
    return AnswerDecision(DecisionKind::SeptAnimal, Requests::SeptAnimalChoice{timedOut, choice, 32});
}

bool RoomRequests::SendGoOrStop(int32_t choice, int timedOut)
{
    return AnswerDecision(DecisionKind::GoOrStop, Requests::GoOrStop{timedOut, choice});
}

bool RoomRequests::SendResultChoice(int32_t choice)
{
    if (!records.IsUserSeated()) return false;
    return SendGameRequest(Requests::ResultChoice{choice, records.options.skin});
}

bool RoomRequests::SendTournamentResultOk()
{
    if (!records.IsUserSeated()) return false;
    return SendGameRequest(Requests::TournamentResultOk{});
}

bool RoomRequests::SendDealShown(int32_t a, int32_t b)
{
    if (!records.IsUserSeated()) return false;
    return SendGameRequest(Requests::DealShown{a, b});
}

bool RoomRequests::SendGiveUp()
{
    if (!records.IsUserSeated() || !records.IsTournamentRoom()) return false;
    if (stage.ShowMessageBox(" 기권을 하시게 되면 소지하고 계신 토너먼트 금액을 상대에게 모두 잃게 됩니다. ", BoxType::OkCancel, 0, "",
                             kBoxTextColor) != BoxAnswer::Ok)
        return false;
    return SendGameRequest(Requests::GiveUp{});
}

bool RoomRequests::SendChamgi(int32_t choice)
{
    if (records.IsTournamentRoom() || !records.IsUserSeated()) return false;
    if (!SendGameRequest(Requests::Chamgi{choice})) return false;
    for (PlayerInfo& p : records.room.seats.players) p.targetScorePoints = p.targetScorePointsBefore;
    return true;
}

bool RoomRequests::SendBettingChoice(int32_t index)
{
    if (!SendGameRequest(Requests::BettingChoice{index})) return false;
    for (GVQZAniWnd* choice : widgets.entryWidgets.handButtons)
        if (choice) choice->Enable(false);
    return true;
}

bool RoomRequests::SendHostPageState(int32_t state)
{
    return SendGameRequest(Requests::HostPageState{state});
}

bool RoomRequests::SendMacro(int32_t number)
{
    if (!records.controls.macroEnabled) return false;
    // The rest starts here: an observer's macro or a lost echo must not leave the control off.
    stage.SetMacroEnabled(false);
    return SendGameRequest(Requests::Macro{number});
}

bool RoomRequests::SendTung(int32_t value)
{
    return SendGameRequest(Requests::Tung{value});
}

bool RoomRequests::SendChallenge(int32_t choice)
{
    if (!records.IsUserSeated() || choice < 1 || choice > 3) return false;
    return SendGameRequest(Requests::Challenge{choice});
}

bool RoomRequests::SendBet(int32_t a, int32_t b)
{
    if (records.timers.phaseTimerKind != DecisionKind::Bet) return false;
    if (!SendGameRequest(Requests::Bet{a, b})) return false;
    stage.StopPhaseTimer();
    return true;
}

bool RoomRequests::SendDesperateExit()
{
    if (!records.IsUserSeated() || !records.IsDesperateRoom() || !records.controls.roundStarted) return false;
    if (stage.ShowMessageBox("정정당당 방에서 나가시겠습니까?\n목표점수를 채우지 못하고 나가면 베팅금액을 잃게됩니다.\n", BoxType::OkCancel, 0,
                             "", kBoxTextColor) != BoxAnswer::Ok)
        return false;
    return SendGameRequest(Requests::DesperateExit{});
}

bool RoomRequests::SendDesperateDecline()
{
    if (!records.IsDesperateRoom() || records.HasRobotSeat()) return false;
    return SendGameRequest(Requests::DesperateDecline{});
}

bool RoomRequests::SendAutoPlay(int32_t flag)
{
    if (records.HasRobotSeat()) return false;
    return SendGameRequest(Requests::AutoPlay{flag});
}

bool RoomRequests::SendTimeoutCount(int32_t count)
{
    return SendGameRequest(Requests::TimeoutCount{count});
}

bool RoomRequests::SendCheckNoticeReply()
{
    return SendGameRequest(Requests::CheckNoticeReply{records.ownUser.userKey});
}

bool RoomRequests::SendHostUserText(const std::string& text)
{
    return SendGameRequest(Requests::HostUserText{records.ownUser.userKey, text});
}

bool RoomRequests::RequestItemUse(int64_t amount)
{
    if (!records.IsUserSeated() || records.GetRoomState() != RoomState::RoundOver || amount <= 0) return false;
    IHostInterface* host = stage.GetHost();
    if (!host) return false;
    HostRequestRecord record;
    record.code = static_cast<int32_t>(HostRequestCode::UseSafe);
    record.value = static_cast<int32_t>(amount);
    record.amount = amount;
    int64_t value = amount;
    int32_t inOut = 8;
    host->HostRequest(records.ownUser.userKey, &record, reinterpret_cast<char*>(&value), &inOut);
    stage.HideRoundResult();
    stage.SetDirty();
    return true;
}

bool RoomRequests::IsRoomKind5To10InPlay() const
{
    return IsEventRoom(records.room.roomKind) && !records.HasRobotSeat();
}
