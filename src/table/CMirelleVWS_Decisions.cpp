#include "scene/CMirelleVWS.h"

#include <algorithm>
#include <limits>

#include "foundation/Debug.h"
#include "table/core/RoundRules.h"

namespace {

using SoundTables::SoundId;

namespace Notice {
constexpr int CardChoice = 5, OtherPicks = 6, OtherGoOrStop = 10, OtherSeptAnimal = 11, RoomOptions = 16,
              RoomOptionsCleared = 17, YesNoChoice = 18, SeptAnimal = 20;
}

namespace Cue {
constexpr int Stop = 10027;
}

constexpr int kGoPopup = 8;
constexpr int kStopPopup = 9;
// The prompt's line says what the opponent would lose at a stop: the amount shown negated.
int64_t Negated(int64_t amount)
{
    return amount == std::numeric_limits<int64_t>::min() ? std::numeric_limits<int64_t>::max() : -amount;
}

}  // namespace

void CMirelleVWS::OnCardChoicePrompt(const CardChoicePrompt& body)
{
    const int seat = FindSeatByKey(body.userKey);
    if (seat < 0) return;
    SetCountdownTo(DecisionKind::CardChoice);
    if (body.userKey == ownUser.userKey && !IsRobotSeat(seat)) {
        std::vector<int32_t> cards = ValidCardIds(body.offered);
        if (cards.size() != body.offered.size()) DebugLine("card choice: card ids outside 0..49 dropped");
        ShowNotifySimple(Notice::CardChoice, cards);
        timers.countdownLimit = 3;
        StartPhaseTimer(DecisionKind::CardChoice);
    } else {
        ShowNotify(Notice::OtherPicks);
        timers.countdownLimit = 5;
    }
    SetDirty();
}

void CMirelleVWS::OnYesNoChoicePrompt(const YesNoChoicePrompt& body)
{
    const int seat = FindSeatByKey(body.userKey);
    if (seat < 0) return;
    SetCountdownTo(DecisionKind::YesNoChoice);
    timers.countdownLimit = 3;
    if (body.userKey == ownUser.userKey && !IsRobotSeat(seat)) {
        ShowNotify(Notice::YesNoChoice);
        StartPhaseTimer(DecisionKind::YesNoChoice);
    }
    SetDirty();
}

void CMirelleVWS::OnSeptAnimalPrompt(const SeptAnimalPrompt& body)
{
    HideNotify();
    const int seat = FindSeatByKey(body.userKey);
    if (seat < 0) return;
    SetCountdownTo(DecisionKind::SeptAnimal);
    if (body.userKey == ownUser.userKey) {
        // The prompt warns of what moving the animal costs: 7 animals (meong-tta) or, with the flag, a go.
        const int32_t value = body.flag != 0 ? 18 : static_cast<int32_t>(RoundUser(seat).animalPile.size());
        ShowNotify(Notice::SeptAnimal, value);
        timers.countdownLimit = 3;
        StartPhaseTimer(DecisionKind::SeptAnimal);
    } else {
        ShowNotify(Notice::OtherSeptAnimal);
        timers.countdownLimit = 5;
    }
    SetDirty();
}

void CMirelleVWS::OnSeptAnimalMoved(const SeptAnimalMoved& body)
{
    if (!tableState.active) return;
    ShowNineTenClip(2, false);
    StopTurnMarker();
    RestartCountdown();
    const int seat = FindSeatByKey(body.userKey);
    if (seat < 0) return;
    if (!IsValidCardId(body.cardId)) {
        DebugLine("September animal moved: card id %d dropped", static_cast<int>(body.cardId));
        return;
    }
    MoveCardToPile(body.cardId, seat, CardCategory::Animal, CardCategory::Pi);
    SetDirty();
}

void CMirelleVWS::OnSeptAnimalKept(const SeptAnimalKept& body)
{
    gameInfo.septemberChoice = 0;
    const int seat = FindSeatByKey(body.userKey);
    if (seat < 0) return;
    ShowNineTenClip(seat, true);
    SetDirty();
}

void CMirelleVWS::OnGoOrStopPrompt(const GoOrStopPrompt& body)
{
    const int seat = FindSeatByKey(body.userKey);
    if (seat < 0) return;
    // Another player's prompt right after one: let the last one's effects finish first.
    if (gameInfo.lastPointsKey >= 1 && gameInfo.lastPointsKey != body.userKey) {
        Delay(500);
        Delay(500);
    }
    gameInfo.lastPointsKey = body.userKey;
    const int slot = ScreenSlotOf(seat);
    if (slot != 0 && slot != 1) return;
    RoundUser(seat).points = body.points;
    for (int s = 0; s < 2; ++s) {
        UpdateScoreMultiplier(s, body.septemberFlag != 0);
        RefreshSeatPanels(s);
    }
    UpdateGoBakAlert();

    const PlayerInfo& prompted = GetPlayer(seat);
    const PlayerInfo& other = GetPlayer(1 - seat);
    RoundRules::GoStopInputs in;
    in.ownSeated = IsUserSeated();
    in.roomKind = room.roomKind;
    in.robotSeated = HasRobotSeat();
    in.pointValue = gameInfo.pointValue;
    in.stake = room.option.stake;
    in.total = RoundUser(seat).total;
    in.promptedMoney = prompted.gameMoney;
    in.otherMoney = IsTournamentRoom() ? other.tournamentMoney : other.gameMoney;
    in.targetIndex = room.option.targetIndex;
    in.seatScore = prompted.targetScorePoints;
    if (body.userKey == ownUser.userKey) {
        const RoundRules::GoStopPrompt prompt = RoundRules::ChooseGoStopPrompt(in);
        ShowNotify(prompt.kind, in.total, prompt.amount, RoundUser(seat).goCount, prompt.flag, 0);
        StartPhaseTimer(DecisionKind::GoOrStop);
        PlaySoundId(SoundId::Pulse);
        SetCountdownTo(DecisionKind::GoOrStop);
    } else {
        ShowNotify(Notice::OtherGoOrStop, 0, Negated(RoundRules::ComputeGoStopAmount(in).amount));
    }
    SetDirty();
}

void CMirelleVWS::OnGoOrStopResult(const GoOrStopResult& body)
{
    HideNotify();
    const int seat = FindSeatByKey(body.userKey);
    const int slot = ScreenSlotOf(seat);
    if (seat < 0 || (slot != 0 && slot != 1)) return;
    // A stop is a stop whoever sits in the room.
    if (body.goFlag == 0) {
        PlayVoice(Cue::Stop, seat);
        ShowActionPopup(kStopPopup, 0);
        SetDirty();
        Delay(500);
        return;
    }
    CHTUser& user = RoundUser(seat);
    user.goCount = body.goCount;
    user.pointsWithGo = static_cast<int32_t>(
        std::clamp<int64_t>(int64_t{user.points} + user.goCount, INT32_MIN, INT32_MAX));
    for (int s = 0; s < 2; ++s) {
        UpdateScoreMultiplier(s, body.septemberFlag != 0);
        RefreshSeatPanels(s);
    }
    const bool robot = IsRobotSeat(seat);
    if (const int cue = RoundRules::GoVoiceCue(body.goCount, robot)) PlayVoice(cue, seat);
    ShowActionPopup(kGoPopup, body.goCount);
    ShowRobotAvatar(robot ? 1 : body.goCount >= 4 ? 3 : 4, {});
    SetDirty();
    Delay(500);
    if (body.goCount == 3) PlayThreeGoMusic(seat);
}

void CMirelleVWS::OnResultStep(const ResultStep& body)
{
    gameInfo.missionMusic = body.step;
    const int seat = RoundRules::CheckedSeat(body.seat);
    SetResultStep(body);
    if (body.step == 0 && seat >= 0 && ownUser.userKey != -1 && GetPlayer(seat).userKey == ownUser.userKey) {
        HideRoundResult();
        SendResultChoice(0);
    }
    SetDirty();
}

void CMirelleVWS::OnBetPrompt(const BetPrompt& body)
{
    HideRoundResult();
    const RoundRules::BetPromptPlan plan =
        RoundRules::PlanBetPrompt(body.userKey == ownUser.userKey, IsUserSeated(), body.kind);
    if (plan.startDecision) StartPhaseTimer(DecisionKind::Bet);
    if (plan.notifyKind != 0) ShowNotify(plan.notifyKind, 0, body.amount);
    SetDirty();
}

void CMirelleVWS::OnRoomOptionNotice(const RoomOptionNotice& body)
{
    StartPhaseTimer(DecisionKind::BetPrompt);
    if (body.flag == 0) {
        ShowNotify(Notice::RoomOptionsCleared);
        SetDirty();
        return;
    }
    ShowNotify(Notice::RoomOptions, 0, body.amount);
    room.option.betAmount = body.amount;
    room.option.betKind = body.betKind;
    // FIXME: the target-score panel takes the bet (CVDesperateWnd::SetBet (kind, amount)).
    stakeLevel = RoundRules::StakeLevel(room.roomKind, body.betKind, body.amount);
    // FIXME: the jewel panel shows stakeLevel (SetStakeLevel); the user option panel rebuilds its room option
    // lines (BuildRoomOptionText (kind, amount)).
    SetDirty();
}
