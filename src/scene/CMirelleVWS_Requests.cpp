#include "scene/CMirelleVWS.h"

#include "protocol/GameRequest.h"
#include "protocol/HostInterfaces.h"
#include "toolkit/GVQZAniWnd.h"

namespace {

constexpr uint32_t kBoxColor = 0xCF7F00;

}  // namespace

// The decision is answered: its timer stops and the countdown starts over.
void CMirelleVWS::CloseDecision()
{
    StopPhaseTimer();
    if (GVQZAniWnd* marker = tableWidgets.turnBlinkAnimation) {
        marker->Stop();
        InvalidateWnd(marker);
    }
    timers.countdown = timers.countdownStart;
}

bool CMirelleVWS::AnswerDecision(DecisionKind kind, const GameRequest& request)
{
    if (!IsUserSeated() || timers.phaseTimerKind != kind) return false;
    CloseDecision();
    SendGameRequest(request);
    return true;
}

int CMirelleVWS::SendVoiceType()
{
    SendGameRequest(Requests::VoiceType{options.voiceType});
    return 1;
}

int CMirelleVWS::SendPlay(int flag)
{
    if (IsUserSeated()) return 0;
    if (GetRoomState() != RoomState::Waiting && !HasRobotSeat() && flag == 0) return 0;
    if (IsTournamentRoom() && controls.tournamentGradeMismatch) {
        ShowMessageBox(" 토너먼트 등급이 맞지 않아 방에 입장할 수 없습니다. ", 0, 3000, "", kBoxColor);
        PostToHost(1);
        PlaySoundId(SoundTables::SoundId::RoomExit);
        return 0;
    }
    SendGameRequest(Requests::Play{options.voiceType, flag});
    SetTitleButtonState("play", true, false, 0);
    // FIXME: the observer bar's join button (shown, disabled) once the bar exists.
    return 1;
}

int CMirelleVWS::SendObserve()
{
    if (!IsUserSeated()) return 0;
    SendGameRequest(Requests::Observe{});
    SetTitleButtonState("observe", true, false, 0);
    return 1;
}

int CMirelleVWS::SendExitRoom()
{
    return SendGameRequest(Requests::ExitRoom{});
}

int CMirelleVWS::SendKick(int32_t target)
{
    if (IsDesperateRoom() || gameInfo.ownerKey != ownUser.userKey || target == -1) return 0;
    SendGameRequest(Requests::Kick{target});
    return 1;
}

int CMirelleVWS::SendOptionChange(int32_t a, int32_t b)
{
    if (!IsUserSeated()) return 0;
    SendGameRequest(Requests::OptionChange{a, b});
    return 1;
}

int CMirelleVWS::SendGameReadyAnswer(int timedOut)
{
    if (!IsUserSeated() || timers.phaseTimerKind != DecisionKind::GameReady) return 0;
    StopPhaseTimer();
    SendGameRequest(Requests::GameReadyAnswer{timedOut});
    HideRoundResult();
    return 1;
}

int CMirelleVWS::SendStart()
{
    ShowStartButton(false);
    SetAutoPlay(false);
    if (GetPlayer(0).userKey != ownUser.userKey || ownUser.userKey == -1) return 0;
    if (GetRoomState() == RoomState::Waiting && HasSeatWithoutUser()) {
        if (IsTournamentRoom()) return 0;
        SendGameRequest(Requests::StartWithEmptySeat{0});
        return 1;
    }
    SendGameRequest(Requests::StartGame{0});
    return 1;
}

int CMirelleVWS::SendSunPick(int32_t pick, int timedOut)
{
    if (timers.phaseTimerKind != DecisionKind::SunPick || !IsUserSeated()) return 0;
    SendGameRequest(Requests::SunPick{timedOut, pick});
    return 1;
}

int CMirelleVWS::SendMonthChoice(int32_t choice)
{
    const int own = FindSeatByKey(ownUser.userKey);
    if (timers.phaseTimerKind != DecisionKind::MonthChoice || own < 0 || IsRobotSeat(own)) return 0;
    CloseDecision();
    SendGameRequest(Requests::MonthChoice{choice});
    return 1;
}

int CMirelleVWS::SendPlayCard(int32_t card, int timedOut)
{
    if (!AnswerDecision(DecisionKind::PlayCard, Requests::PlayCard{timedOut, card, MissesAvailableMatch(card) ? 1 : 0}))
        return 0;
    ShowOwnOutline(false);
    ShowHandHints(false);
    if (!timedOut || HasRobotSeat()) return 1;
    const int own = FindSeatByKey(ownUser.userKey);
    if (own < 0) return 1;
    PlayerInfo& me = GetPlayer(own);
    ++me.turnTimeoutCount;
    SendTimeoutCount(me.turnTimeoutCount);
    if (me.turnTimeoutCount == 1) {
        PrintChatText(room.option.turnTime != 2
                          ? "`1120`대기 시간이 초과되었습니다. 대기 시간이 감소합니다.`0010`"
                          : "`1120`대기 시간이 초과되었습니다.`0010`");
    } else if (me.turnTimeoutCount == 2) {
        SetAutoPlay(true);
        SendAutoPlay(1);
        PrintChatText("`1120`대기 시간이 2회 초과되어 자동 치기로 변경됩니다.`0010`");
    }
    return 1;
}

int CMirelleVWS::SendCardChoice(int32_t card, int timedOut)
{
    return AnswerDecision(DecisionKind::CardChoice, Requests::CardChoice{timedOut, card}) ? 1 : 0;
}

int CMirelleVWS::SendYesNoChoice(int32_t choice, int timedOut)
{
    return AnswerDecision(DecisionKind::YesNoChoice, Requests::YesNoChoice{timedOut, choice}) ? 1 : 0;
}

int CMirelleVWS::SendSeptAnimalChoice(int32_t choice, int timedOut)
{
    return AnswerDecision(DecisionKind::SeptAnimal, Requests::SeptAnimalChoice{timedOut, choice, 32}) ? 1 : 0;
}

int CMirelleVWS::SendGoOrStop(int32_t choice, int timedOut)
{
    return AnswerDecision(DecisionKind::GoOrStop, Requests::GoOrStop{timedOut, choice}) ? 1 : 0;
}

int CMirelleVWS::SendResultChoice(int32_t choice)
{
    if (!IsUserSeated()) return 0;
    SendGameRequest(Requests::ResultChoice{choice, options.skin});
    return 1;
}

int CMirelleVWS::SendTournamentResultOk()
{
    if (!IsUserSeated()) return 0;
    SendGameRequest(Requests::TournamentResultOk{});
    return 1;
}

int CMirelleVWS::SendDealShown(int32_t a, int32_t b)
{
    if (!IsUserSeated()) return 0;
    SendGameRequest(Requests::DealShown{a, b});
    return 1;
}

int CMirelleVWS::SendGiveUp()
{
    if (!IsUserSeated() || !IsTournamentRoom()) return 0;
    if (ShowMessageBox(" 기권을 하시게 되면 소지하고 계신 토너먼트 금액을 상대에게 모두 잃게 됩니다. ", 1, 0, "", kBoxColor) != 1)
        return 0;
    SendGameRequest(Requests::GiveUp{});
    return 1;
}

int CMirelleVWS::SendChamgi(int32_t choice)
{
    if (IsTournamentRoom() || !IsUserSeated()) return 0;
    SendGameRequest(Requests::Chamgi{choice});
    for (PlayerInfo& p : room.seats.players) p.targetScorePoints = p.targetScorePointsBefore;
    return 1;
}

int CMirelleVWS::SendBettingChoice(int32_t index)
{
    for (GVQZAniWnd* choice : entryWidgets.handButtons)
        if (choice) choice->Enable(false);
    SendGameRequest(Requests::BettingChoice{index});
    return 1;
}

int CMirelleVWS::SendHostPageState(int32_t state)
{
    SendGameRequest(Requests::HostPageState{state});
    return 1;
}

int CMirelleVWS::SendMacro(int32_t number)
{
    if (!controls.macroEnabled) return 0;
    // The rest starts here: an observer's macro or a lost echo must not leave the control off.
    SetMacroEnabled(false);
    SendGameRequest(Requests::Macro{number});
    return 1;
}

void CMirelleVWS::SendTung(int32_t value)
{
    SendGameRequest(Requests::Tung{value});
}

int CMirelleVWS::SendChallenge(int32_t choice)
{
    if (!IsUserSeated() || choice < 1 || choice > 3) return 0;
    SendGameRequest(Requests::Challenge{choice});
    return 1;
}

int CMirelleVWS::SendBet(int32_t a, int32_t b)
{
    if (timers.phaseTimerKind != DecisionKind::Bet) return 0;
    StopPhaseTimer();
    SendGameRequest(Requests::Bet{a, b});
    return 1;
}

int CMirelleVWS::SendDesperateExit()
{
    if (!IsUserSeated() || !IsDesperateRoom() || !controls.roundStarted) return 0;
    if (ShowMessageBox("정정당당 방에서 나가시겠습니까?\n목표점수를 채우지 못하고 나가면 베팅금액을 잃게됩니다.\n", 1, 0, "",
                       kBoxColor) != 1)
        return 0;
    SendGameRequest(Requests::DesperateExit{});
    return 1;
}

int CMirelleVWS::SendDesperateDecline()
{
    if (!IsDesperateRoom() || HasRobotSeat()) return 0;
    SendGameRequest(Requests::DesperateDecline{});
    return 1;
}

int CMirelleVWS::SendAutoPlay(int32_t flag)
{
    if (HasRobotSeat()) return 0;
    SendGameRequest(Requests::AutoPlay{flag});
    return 1;
}

int CMirelleVWS::SendTimeoutCount(int32_t count)
{
    SendGameRequest(Requests::TimeoutCount{count});
    return 1;
}

int CMirelleVWS::SendCheckNoticeReply()
{
    SendGameRequest(Requests::CheckNoticeReply{ownUser.userKey});
    return 1;
}

int CMirelleVWS::SendHostUserText(const std::string& text)
{
    SendGameRequest(Requests::HostUserText{ownUser.userKey, text});
    return 1;
}

int CMirelleVWS::RequestItemUse(int64_t amount)
{
    if (!IsUserSeated() || GetRoomState() != RoomState::RoundOver || amount <= 0) return 0;
    IHostInterface* host = GetHost();
    if (!host) return 0;
    HostRequestRecord record;
    record.code = static_cast<int32_t>(HostRequestCode::UseSafe);
    record.value = static_cast<int32_t>(amount);
    record.amount = amount;
    int64_t value = amount;
    int32_t inOut = 8;
    host->HostRequest(ownUser.userKey, &record, reinterpret_cast<char*>(&value), &inOut);
    HideRoundResult();
    SetDirty();
    return 1;
}

bool CMirelleVWS::IsRoomKind5To10InPlay() const
{
    return room.roomKind >= 5 && room.roomKind <= 10 && !HasRobotSeat();
}
