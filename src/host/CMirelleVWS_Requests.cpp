#include "scene/CMirelleVWS.h"

#include "foundation/Debug.h"
#include "host/CHostProxy.h"
#include "host/CMirelleWnd.h"
#include "toolkit/GVQZAniWnd.h"

namespace {

constexpr uint32_t kBoxColor = 0xCF7F00;
constexpr int32_t kHostTextBytes = 256;

}  // namespace

int CMirelleVWS::SendGameRequest(const GameRequest& request)
{
    IHostInterface* host = owner ? owner->GetHost() : nullptr;
    if (!host) return -1;
    const std::vector<uint8_t> bytes = SerializeGameRequest(request);
    return host->Send(-1, 1, bytes.data(), static_cast<int>(bytes.size()));
}

int CMirelleVWS::HostRequest(int32_t userKey, int32_t code, int32_t value, char* text, int32_t* inOut)
{
    IHostInterface* host = owner ? owner->GetHost() : nullptr;
    if (!host) return 0;
    HostRequestRecord record;
    record.code = code;
    record.value = value;
    return host->HostRequest(userKey, &record, text, inOut);
}

std::string CMirelleVWS::FetchHostText()
{
    // The host fills up to 256 bytes and need not terminate them: the spare byte does.
    char buffer[kHostTextBytes + 1] = {};
    int32_t inOut = kHostTextBytes;
    HostRequest(ownUser.userKey, 62, 0, buffer, &inOut);
    buffer[kHostTextBytes] = '\0';
    return buffer;
}

void CMirelleVWS::SetTitleButtonState(const char* control, int32_t state)
{
    const bool macro = std::string(control) == "macro";
    std::string name = control;
    int32_t length = static_cast<int32_t>(name.size());
    HostRequest(macro ? 0 : ownUser.userKey, 45, state, name.data(), &length);
}

void CMirelleVWS::PostToHost(int32_t code)
{
    if (owner) owner->PostToHost(code);
}

void CMirelleVWS::PrintChatText(const std::string& text)
{
    CHostProxy(owner ? owner->GetHost() : nullptr).PrintChatText(text);
}

int CMirelleVWS::ShowMessageBox(const std::string& text, int type, uint32_t autoCloseMs, const std::string& title,
                                uint32_t textColor)
{
    return owner ? owner->ShowMessageBox(text, type, autoCloseMs, title, textColor) : 2;
}

// The decision is answered: its timer stops and the countdown starts over.
void CMirelleVWS::CloseDecision()
{
    StopPhaseTimer();
    if (turnBlinkAnimation) {
        turnBlinkAnimation->Stop();
        InvalidateWnd(turnBlinkAnimation);
    }
    countdown = countdownStart;
}

int CMirelleVWS::SendVoiceType()
{
    SendGameRequest(Requests::VoiceType{voiceType});
    return 1;
}

int CMirelleVWS::SendPlay(int flag)
{
    if (IsUserSeated()) return 0;
    if (room.roomState != 1 && !HasRobotSeat() && flag == 0) return 0;
    if (IsTournamentRoom() && tournamentGradeMismatch) {
        ShowMessageBox(" 토너먼트 등급이 맞지 않아 방에 입장할 수 없습니다. ", 0, 3000, "", kBoxColor);
        PostToHost(1);
        PlaySoundId(1, 0);
        return 0;
    }
    SendGameRequest(Requests::Play{voiceType, flag});
    SetTitleButtonState("play", 1);
    // FIXME: the observer bar's join button (shown, disabled) once the bar exists.
    return 1;
}

int CMirelleVWS::SendObserve()
{
    if (!IsUserSeated()) return 0;
    SendGameRequest(Requests::Observe{});
    SetTitleButtonState("observe", 1);
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
    if (!IsUserSeated() || phaseTimerKind != 1) return 0;
    StopPhaseTimer();
    SendGameRequest(Requests::GameReadyAnswer{timedOut});
    // FIXME: close the round result (HideRoundResult) once the result panel exists.
    return 1;
}

int CMirelleVWS::SendStart()
{
    // FIXME: hide the start button (ShowStartButton (0)) once it is loaded.
    SetAutoPlay(0);
    if (GetPlayer(0).userKey != ownUser.userKey || ownUser.userKey == -1) return 0;
    if (room.roomState == 1 && HasSeatWithoutUser()) {
        if (IsTournamentRoom()) return 0;
        SendGameRequest(Requests::Request8{0});
        return 1;
    }
    SendGameRequest(Requests::Request9{0});
    return 1;
}

int CMirelleVWS::SendSunPick(int32_t pick, int timedOut)
{
    if (phaseTimerKind != 3 || !IsUserSeated()) return 0;
    SendGameRequest(Requests::SunPick{timedOut, pick});
    return 1;
}

int CMirelleVWS::SendRequest11(int32_t choice)
{
    const int own = FindSeatByKey(ownUser.userKey);
    if (phaseTimerKind != 6 || own < 0 || IsRobotSeat(own)) return 0;
    CloseDecision();
    SendGameRequest(Requests::Request11{choice});
    return 1;
}

int CMirelleVWS::SendPlayCard(int32_t card, int timedOut)
{
    if (!IsUserSeated() || phaseTimerKind != 8) return 0;
    CloseDecision();
    SendGameRequest(Requests::PlayCard{timedOut, card, MissesAvailableMatch(card)});
    // FIXME: hide the own outline and the hand hints once they are loaded.
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
        SetAutoPlay(1);
        SendAutoPlay(1);
        PrintChatText("`1120`대기 시간이 2회 초과되어 자동 치기로 변경됩니다.`0010`");
    }
    return 1;
}

int CMirelleVWS::SendCardChoice(int32_t card, int timedOut)
{
    if (!IsUserSeated() || phaseTimerKind != 11) return 0;
    CloseDecision();
    SendGameRequest(Requests::CardChoice{timedOut, card});
    return 1;
}

int CMirelleVWS::SendRequest14(int32_t choice, int timedOut)
{
    if (!IsUserSeated() || phaseTimerKind != 9) return 0;
    CloseDecision();
    SendGameRequest(Requests::Request14{timedOut, choice});
    return 1;
}

int CMirelleVWS::SendSeptAnimalChoice(int32_t choice, int timedOut)
{
    if (!IsUserSeated() || phaseTimerKind != 14) return 0;
    CloseDecision();
    SendGameRequest(Requests::SeptAnimalChoice{timedOut, choice, 32});
    return 1;
}

int CMirelleVWS::SendGoOrStop(int32_t choice, int timedOut)
{
    if (!IsUserSeated() || phaseTimerKind != 15) return 0;
    CloseDecision();
    SendGameRequest(Requests::GoOrStop{timedOut, choice});
    return 1;
}

int CMirelleVWS::SendResultChoice(int32_t choice)
{
    if (!IsUserSeated()) return 0;
    SendGameRequest(Requests::ResultChoice{choice, skin});
    return 1;
}

int CMirelleVWS::SendRequest19()
{
    if (!IsUserSeated()) return 0;
    SendGameRequest(Requests::Request19{});
    return 1;
}

int CMirelleVWS::SendRequest20(int32_t a, int32_t b)
{
    if (!IsUserSeated()) return 0;
    SendGameRequest(Requests::Request20{a, b});
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

int CMirelleVWS::SendRequest24(int32_t index)
{
    // FIXME: disable the three first-player choice widgets once they are loaded.
    SendGameRequest(Requests::Request24{index});
    return 1;
}

int CMirelleVWS::SendRequest25(int32_t state)
{
    SendGameRequest(Requests::Request25{state});
    return 1;
}

int CMirelleVWS::SendMacro(int32_t number)
{
    if (!macroEnabled) return 0;
    macroEnabled = 0;
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
    if (phaseTimerKind != 21) return 0;
    StopPhaseTimer();
    SendGameRequest(Requests::Bet{a, b});
    return 1;
}

int CMirelleVWS::SendDesperateExit()
{
    if (!IsUserSeated() || !IsDesperateRoom() || !roundStarted) return 0;
    if (ShowMessageBox("정정당당 방에서 나가시겠습니까?\n목표점수를 채우지 못하고 나가면 베팅금액을 잃게됩니다.\n", 1, 0, "",
                       kBoxColor) != 1)
        return 0;
    SendGameRequest(Requests::DesperateExit{});
    return 1;
}

int CMirelleVWS::SendRequest32()
{
    if (!IsDesperateRoom() || HasRobotSeat()) return 0;
    SendGameRequest(Requests::Request32{});
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

int CMirelleVWS::SendRequest35()
{
    SendGameRequest(Requests::Request35{ownUser.userKey});
    return 1;
}

int CMirelleVWS::SendRequest36(const std::string& text)
{
    SendGameRequest(Requests::Request36{ownUser.userKey, text});
    return 1;
}

int CMirelleVWS::RequestItemUse(int64_t amount)
{
    if (!IsUserSeated() || room.roomState != 3 || amount <= 0) return 0;
    IHostInterface* host = owner ? owner->GetHost() : nullptr;
    if (!host) return 0;
    HostRequestRecord record;
    record.code = 22;
    record.value = static_cast<int32_t>(amount);
    record.amount = amount;
    int64_t value = amount;
    int32_t inOut = 8;
    host->HostRequest(ownUser.userKey, &record, reinterpret_cast<char*>(&value), &inOut);
    // FIXME: close the round result (HideRoundResult) once the result panel exists.
    dirty = 1;
    return 1;
}

int CMirelleVWS::IsRoomKind5To10InPlay() const
{
    return room.roomKind >= 5 && room.roomKind <= 10 && !HasRobotSeat() ? 1 : 0;
}
