#include "table/flows/DecisionFlow.h"

#include <algorithm>
#include <limits>

#include "foundation/Debug.h"
#include "table/TableEngine.h"
#include "table/core/RoundRules.h"
#include "table/core/TurnRules.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomRequests.h"
#include "table/flows/RoomStage.h"

namespace {

using SoundTables::SoundId;

namespace Notice {
constexpr int CardChoice = 5, OtherPicks = 6, OtherGoOrStop = 10, OtherSeptAnimal = 11, RoomOptions = 16,
              RoomOptionsCleared = 17, YesNoChoice = 18, SeptAnimal = 20;
}

namespace Cue {
constexpr int Stop = 10027;
}

constexpr int kOwnMonthChoice = 3;
constexpr int kGoPopup = 8;
constexpr int kStopPopup = 9;
// The prompt's line says what the opponent would lose at a stop: the amount shown negated.
int64_t Negated(int64_t amount)
{
    return amount == std::numeric_limits<int64_t>::min() ? std::numeric_limits<int64_t>::max() : -amount;
}

}  // namespace

void DecisionFlow::OnMonthChoicePrompt(const MonthChoicePrompt& body)
{
    stage.StopTurnMarker();
    const auto key = static_cast<int32_t>(body.userKey);
    const bool ownChoice = key == ownUser.userKey;
    const TurnRules::MonthChoicePlan plan =
        TurnRules::PlanMonthChoice({body.kind, ownChoice, records.IsUserSeated(), body.cards});
    stage.ShowNotifySimple(plan.promptKind, plan.cards);
    stage.SetDirty();
    stage.FlushRedraw();
    if (plan.playerChoice) {
        const int seat = records.FindSeatByKey(key);
        if (seat >= 0) flows.round.MoveTurnMarker(engine.ScreenSlotOf(seat));
        // Timed with auto-play on too: nothing else would answer it.
        if (seat >= 0 && ownChoice && plan.promptKind == kOwnMonthChoice && !records.IsRobotSeat(seat))
            stage.StartPhaseTimer(DecisionKind::MonthChoice);
        flows.round.SetCountdownTo(DecisionKind::MonthChoice);
        timers.countdownLimit = 10;
    } else {
        stage.Delay(1000);
    }
    stage.Delay(1000);
}

void DecisionFlow::OnCardChoicePrompt(const CardChoicePrompt& body)
{
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    tableState.promptKey = body.userKey;
    flows.round.SetCountdownTo(DecisionKind::CardChoice);
    if (body.userKey == ownUser.userKey && !records.IsRobotSeat(seat)) {
        std::vector<int32_t> cards = ValidCardIds(body.offered);
        if (cards.size() != body.offered.size()) DebugLine("card choice: card ids outside 0..49 dropped");
        stage.ShowNotifySimple(Notice::CardChoice, cards);
        timers.countdownLimit = 3;
        stage.StartPhaseTimer(DecisionKind::CardChoice);
    } else {
        stage.ShowNotify(Notice::OtherPicks);
        timers.countdownLimit = 5;
    }
    stage.SetDirty();
}

void DecisionFlow::OnYesNoChoicePrompt(const YesNoChoicePrompt& body)
{
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    tableState.promptKey = body.userKey;
    flows.round.SetCountdownTo(DecisionKind::YesNoChoice);
    timers.countdownLimit = 3;
    if (body.userKey == ownUser.userKey && !records.IsRobotSeat(seat)) {
        stage.ShowNotify(Notice::YesNoChoice);
        stage.StartPhaseTimer(DecisionKind::YesNoChoice);
    }
    stage.SetDirty();
}

void DecisionFlow::OnSeptAnimalPrompt(const SeptAnimalPrompt& body)
{
    stage.HideNotify();
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    tableState.promptKey = body.userKey;
    flows.round.SetCountdownTo(DecisionKind::SeptAnimal);
    if (body.userKey == ownUser.userKey) {
        // The prompt warns of what moving the animal costs: 7 animals (meong-tta) or, with the flag, a go.
        const int32_t value = body.flag != 0 ? 18 : static_cast<int32_t>(records.RoundUser(seat).animalPile.size());
        stage.ShowNotify(Notice::SeptAnimal, value);
        timers.countdownLimit = 3;
        stage.StartPhaseTimer(DecisionKind::SeptAnimal);
    } else {
        stage.ShowNotify(Notice::OtherSeptAnimal);
        timers.countdownLimit = 5;
    }
    stage.SetDirty();
}

void DecisionFlow::OnSeptAnimalMoved(const SeptAnimalMoved& body)
{
    if (!tableState.active) return;
    stage.ShowNineTenClip(2, false);
    stage.StopTurnMarker();
    stage.RestartCountdown();
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    if (!IsValidCardId(body.cardId)) {
        DebugLine("September animal moved: card id %d dropped", static_cast<int>(body.cardId));
        return;
    }
    engine.MoveCardToPile(body.cardId, seat, CardCategory::Animal, CardCategory::Pi);
    stage.SetDirty();
}

void DecisionFlow::OnSeptAnimalKept(const SeptAnimalKept& body)
{
    gameInfo.septemberChoice = 0;
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    stage.ShowNineTenClip(seat, true);
    stage.SetDirty();
}

void DecisionFlow::OnGoOrStopPrompt(const GoOrStopPrompt& body)
{
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    tableState.promptKey = body.userKey;
    // Another player's prompt right after one: let the last one's effects finish first.
    if (gameInfo.lastPointsKey >= 1 && gameInfo.lastPointsKey != body.userKey) {
        stage.Delay(500);
        stage.Delay(500);
    }
    gameInfo.lastPointsKey = body.userKey;
    const int slot = engine.ScreenSlotOf(seat);
    if (slot != 0 && slot != 1) return;
    records.RoundUser(seat).points = body.points;
    for (int s = 0; s < 2; ++s) {
        engine.UpdateScoreMultiplier(s, body.septemberFlag != 0);
        stage.RefreshSeatPanels(s);
    }
    stage.UpdateGoBakAlert();

    const PlayerInfo& prompted = records.GetPlayer(seat);
    const PlayerInfo& other = records.GetPlayer(1 - seat);
    RoundRules::GoStopInputs in;
    in.ownSeated = records.IsUserSeated();
    in.roomKind = room.roomKind;
    in.robotSeated = records.HasRobotSeat();
    in.pointValue = gameInfo.pointValue;
    in.stake = room.option.stake;
    in.total = records.RoundUser(seat).total;
    in.promptedMoney = prompted.gameMoney;
    in.otherMoney = records.IsTournamentRoom() ? other.tournamentMoney : other.gameMoney;
    in.targetIndex = room.option.targetIndex;
    in.seatScore = prompted.targetScorePoints;
    if (body.userKey == ownUser.userKey) {
        const RoundRules::GoStopPrompt prompt = RoundRules::ChooseGoStopPrompt(in);
        stage.ShowNotify(prompt.kind, in.total, prompt.amount, records.RoundUser(seat).goCount, prompt.flag, 0);
        stage.StartPhaseTimer(DecisionKind::GoOrStop);
        stage.PlaySoundId(SoundId::Pulse);
        flows.round.SetCountdownTo(DecisionKind::GoOrStop);
    } else {
        stage.ShowNotify(Notice::OtherGoOrStop, 0, Negated(RoundRules::ComputeGoStopAmount(in).amount));
    }
    stage.SetDirty();
}

void DecisionFlow::OnGoOrStopResult(const GoOrStopResult& body)
{
    stage.HideNotify();
    const int seat = records.FindSeatByKey(body.userKey);
    const int slot = engine.ScreenSlotOf(seat);
    if (seat < 0 || (slot != 0 && slot != 1)) return;
    // A stop is a stop whoever sits in the room.
    if (body.goFlag == 0) {
        stage.PlayVoice(Cue::Stop, seat);
        stage.ShowActionPopup(kStopPopup, 0);
        stage.SetDirty();
        stage.Delay(500);
        return;
    }
    CHTUser& user = records.RoundUser(seat);
    user.goCount = body.goCount;
    user.pointsWithGo = static_cast<int32_t>(
        std::clamp<int64_t>(int64_t{user.points} + user.goCount, INT32_MIN, INT32_MAX));
    for (int s = 0; s < 2; ++s) {
        engine.UpdateScoreMultiplier(s, body.septemberFlag != 0);
        stage.RefreshSeatPanels(s);
    }
    const bool robot = records.IsRobotSeat(seat);
    if (const int cue = RoundRules::GoVoiceCue(body.goCount, robot)) stage.PlayVoice(cue, seat);
    stage.ShowActionPopup(kGoPopup, body.goCount);
    stage.ShowRobotAvatar(robot ? 1 : body.goCount >= 4 ? 3 : 4, {});
    stage.SetDirty();
    stage.Delay(500);
    if (body.goCount == 3) stage.PlayThreeGoMusic(seat);
}

void DecisionFlow::OnResultStep(const ResultStep& body)
{
    gameInfo.missionMusic = body.step;
    const int seat = RoundRules::CheckedSeat(body.seat);
    stage.SetResultStep(body);
    if (body.step == 0 && seat >= 0 && ownUser.userKey != -1 && records.GetPlayer(seat).userKey == ownUser.userKey) {
        stage.HideRoundResult();
        // Nothing here follows the answer; a lost one is reported where it is sent.
        static_cast<void>(requests.SendResultChoice(0));
    }
    stage.SetDirty();
}

void DecisionFlow::OnBetPrompt(const BetPrompt& body)
{
    stage.HideRoundResult();
    const RoundRules::BetPromptPlan plan =
        RoundRules::PlanBetPrompt(body.userKey == ownUser.userKey, records.IsUserSeated(), body.kind);
    if (plan.startDecision) stage.StartPhaseTimer(DecisionKind::Bet);
    if (plan.notifyKind != 0) stage.ShowNotify(plan.notifyKind, 0, body.amount);
    stage.SetDirty();
}

void DecisionFlow::OnRoomOptionNotice(const RoomOptionNotice& body)
{
    stage.StartPhaseTimer(DecisionKind::BetPrompt);
    if (body.flag == 0) {
        stage.ShowNotify(Notice::RoomOptionsCleared);
        stage.SetDirty();
        return;
    }
    stage.ShowNotify(Notice::RoomOptions, 0, body.amount);
    room.option.betAmount = body.amount;
    room.option.betKind = body.betKind;
    records.noticedBet = RoundRules::NoticedBet(room.roomKind, body.betKind, body.amount);
    flows.missions.SetTargetScoreBet(body.betKind, body.amount);
    records.stakeLevel = RoundRules::StakeLevel(room.roomKind, body.betKind, body.amount);
    flows.periphery.ShowStakeLevel();
    flows.periphery.RebuildRoomOptionText();
    stage.SetDirty();
}
