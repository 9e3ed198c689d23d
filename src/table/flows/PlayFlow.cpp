#include "table/flows/PlayFlow.h"

#include "foundation/Debug.h"
#include "table/TableEngine.h"
#include "table/core/DealPlan.h"
#include "table/core/TurnRules.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomStage.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"

namespace {

constexpr uint32_t kSweepTurn = 6;
constexpr int kSweepEffect = 4;
constexpr int kRobotGladFace = 1;
constexpr int kRobotSweepFace = 3;
constexpr int32_t kRainGwang = 44;

constexpr int kShakeEffect = 8;
constexpr int kBombEffect = 9;
constexpr int kPpeokEffect = 2;
constexpr int kCapturePopup = 1;
constexpr int kPpeokPopup = 2;
constexpr int kShakeNotice = 4;
constexpr int kFirstPpeokNotice = 7;
constexpr int kPpeokNotice = 8;

// The ids of a message that are card ids; the others are dropped with one debug line.
std::vector<int32_t> CardIdsOf(const std::vector<int32_t>& ids, const char* message)
{
    std::vector<int32_t> valid = ValidCardIds(ids);
    if (valid.size() != ids.size())
        DebugLine("%s: %d card ids outside 0..49 dropped", message, static_cast<int>(ids.size() - valid.size()));
    return valid;
}

}  // namespace

Point PlayFlow::LastFloorSlotPoint() const
{
    const int32_t slot = gameInfo.lastFloorSlot;
    return slot >= 0 && slot < COpenInfo::kSlotCount ? floor.GetSlot(slot).position : Point{};
}

void PlayFlow::ShowHandPointer(int frame, Point at)
{
    GVPSPWnd* pointer = tableWidgets.handPointer;
    if (!pointer) return;
    pointer->SetFrame(frame);
    pointer->SetPos(at);
    pointer->Show(true);
    engine.RaiseBelowAnchor(pointer);
}

void PlayFlow::OnInitialFloorBonus(const InitialFloorBonus& body)
{
    if (!tableState.active) return;
    for (int32_t id : CardIdsOf(body.toPile, "floor bonus")) engine.TakeFloorCard(id, 0);
    for (int32_t id : CardIdsOf(body.toFloor, "floor bonus")) engine.PutFloorCard(id, -1);
    stage.SetDirty();
}

void PlayFlow::OnBonusCardPlayed(const BonusCardPlayed& body)
{
    if (!tableState.active) return;
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    stage.StopTurnMarker();
    stage.RestartCountdown();
    if (IsValidCardId(body.bonusCard))
        engine.PlayBonusToPile(body.bonusCard, seat, body.keepOrder != 0);
    else
        DebugLine("bonus card played: card id %d dropped", static_cast<int>(body.bonusCard));
    stage.PlayVoice(VoiceCue::BonusPi, seat);
    if (IsValidCardId(body.replacementCard))
        engine.DrawDeckCardToHand(body.replacementCard, seat);
    else
        DebugLine("bonus card played: replacement id %d dropped", static_cast<int>(body.replacementCard));

    int seconds = SceneRules::PhaseSeconds(DecisionKind::PlayCard, room.option.turnTime, controls.autoPlay);
    timers.countdownLimit = 3;
    if (body.userKey == ownUser.userKey && !records.IsRobotSeat(seat)) {
        timers.outlineBlink = true;
        stage.ShowOwnOutline(true);
        stage.ShowHandHints(true);
        stage.HoverAtCursor();
        seconds = stage.StartPhaseTimer(DecisionKind::PlayCard);
    } else {
        timers.outlineBlink = false;
    }
    const int other = 1 - seat;
    const std::vector<int32_t>& otherPi = records.RoundUser(other).piPile;
    if (!otherPi.empty()) {
        if (const CVHTWnd* last = engine.CardWndBySlot(otherPi.back())) ShowHandPointer(1, last->GetPos() + kHandPointerOffset);
    }
    timers.countdownStart = seconds;
    timers.countdown = seconds - 1;
    tableState.handPointerShown = true;
    stage.SetDirty();
}

void PlayFlow::OnHandCardPlayed(const HandCardPlayed& body)
{
    stage.HideNotify();
    if (!tableState.active) return;
    stage.ShowOwnOutline(false);
    stage.ShowHandHints(false);
    // The held bomb is played or given up with this card.
    tableState.handMarked = false;
    stage.StopTurnMarker();
    stage.RestartCountdown();
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    const std::vector<int32_t> cards = CardIdsOf(body.cards, "hand card played");
    const int played = static_cast<int>(cards.size());
    if (played == 0) return;
    const bool bomb = body.bombFlag != 0;
    if (played == 2) {
        stage.PlayVoice(VoiceCue::TwoPoktan, seat);
        engine.PlayTwoHandCards(cards, seat, true);
    } else {
        if (played == 3) stage.PlayVoice(VoiceCue::Poktan, seat);
        int count = played;
        for (int32_t id : cards) {
            engine.PlayHandCard(id, seat, count < 2);
            if (bomb && count == 3) {
                stage.PlayEffect(kBombEffect, seat);
                stage.PlaySoundId(SoundId::NuBomb);
                if (effects.bombHoldOutline) effects.bombHoldOutline->Stop();
            }
            --count;
        }
    }
    if (played >= 2) {
        ++records.RoundUser(seat).shakeBombCount;
        engine.UpdateScoreMultiplier(seat, gameInfo.septemberChoice != 0);
        stage.RefreshSeatScores(seat);
        if (!bomb) {
            stage.PlayEffect(kShakeEffect, seat);
            if (played > 2) stage.PlaySoundId(SoundId::NotifyBomb);
        }
    }
    engine.MarkMissionCards(true);
    stage.SetDirty();
    stage.Delay(played >= 2 ? 200 : 250);
}

void PlayFlow::OnShakeDeclared(const ShakeDeclared& body)
{
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    records.RoundUser(seat).shakeBombCount = body.shakeBombCount;
    engine.UpdateScoreMultiplier(seat, gameInfo.septemberChoice != 0);
    stage.RefreshSeatScores(seat);
    stage.StopTurnMarker();
    stage.RestartCountdown();
    stage.ShowNotifySimple(kShakeNotice, CardIdsOf(body.cards, "shake declared"));
    stage.PlaySoundId(SoundId::NotifyShake);
    const bool robot = records.IsRobotSeat(seat);
    stage.ShowRobotAvatar(robot ? 1 : 4, {});
    stage.SetDirty();
    stage.Delay(500);
    stage.PlayVoice(body.kind == 4 && !robot ? VoiceCue::FourShake : VoiceCue::Shake, seat);
    if (options.soundOn) stage.Delay(700);
}

void PlayFlow::OnCaptureEvent(const CaptureEvent& body)
{
    if (!tableState.active) return;
    stage.StopTurnMarker();
    if (!tableState.handPointerShown) stage.RestartCountdown();
    const int seat = records.FindSeatByKey(static_cast<int32_t>(body.userKey));
    if (seat < 0) return;
    const bool robot = records.IsRobotSeat(seat);
    const Point eatAt = LastFloorSlotPoint();
    switch (body.kind) {
    case 1: stage.ShowActionPopup(kCapturePopup, 0); break;
    case 2:
        stage.PlayVoice(robot ? VoiceCue::Assa : VoiceCue::BringPuck, seat);
        stage.ShowActionPopup(kCapturePopup, 0);
        stage.ShowEatMark(0, eatAt);
        break;
    case 3:
        stage.PlayEffect(3, seat);
        stage.PlayVoice(robot ? VoiceCue::Yup : VoiceCue::BringJaPuck, seat);
        stage.ShowEatMark(0, eatAt);
        break;
    case 4:
        stage.PlayEffect(0, seat);
        stage.PlayVoice(VoiceCue::Jjock, seat);
        stage.ShowActionPopup(kCapturePopup, 0);
        break;
    case 5:
        stage.PlayEffect(1, seat);
        stage.PlayVoice(VoiceCue::Ddadak, seat);
        stage.ShowActionPopup(kCapturePopup, 0);
        break;
    case 7:
        if (!robot) stage.StartTimer(TimerId::Popup);
        break;
    default: break;
    }
    if ((body.kind >= 1 && body.kind <= 5) || body.kind == 7) stage.ShowRobotAvatar(robot ? 1 : 3, {});
    stage.SetDirty();
    stage.FlushRedraw();
    if (body.kind != 0) stage.Delay(500);
}

void PlayFlow::OnDeckCardsFlipped(const DeckCardsFlipped& body)
{
    if (!tableState.active) return;
    stage.StopTurnMarker();
    stage.RestartCountdown();
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    if (body.userKey == ownUser.userKey && !records.IsRobotSeat(seat))
        records.RoundUser(seat).deckFlips = body.pendingPassCount;
    for (int32_t id : CardIdsOf(body.cards, "deck cards flipped")) {
        engine.PutFloorCard(id, seat);
        if (body.bonusTake != 0 && GetCardInfo(id).month == kBonusMonth) {
            stage.Delay(100);
            engine.TakeFloorCard(id, seat);
        }
    }
    if (gameInfo.missionMode == 5) {
        flows.missions.OnDeckFlipKungJJak(seat, body.missionValue);
        engine.UpdateScoreMultiplier(seat, gameInfo.septemberChoice != 0);
        stage.RefreshSeatScores(0);
        stage.RefreshSeatScores(1);
    }
    engine.MarkMissionCards(true);
    stage.SetDirty();
    stage.Delay(300);
}

void PlayFlow::OnPpeok(const Ppeok& body)
{
    const int seat = records.FindSeatByKey(body.userKey);
    if (seat < 0) return;
    if (gameInfo.missionMode == 5) {
        flows.missions.OnPpeokKungJJak(seat);
    }
    records.RoundUser(seat).markCount = body.count;
    engine.UpdateScoreMultiplier(seat, gameInfo.septemberChoice != 0);
    stage.RefreshSeatScores(seat);
    const bool robot = records.IsRobotSeat(seat);
    const VoiceCue ppeokVoice = robot ? VoiceCue::Huck : VoiceCue::Puck;
    if (body.moneyFlag == 0) {
        stage.PlayEffect(kPpeokEffect, seat);
        if (body.count < 3) stage.PlayVoice(ppeokVoice, seat);
        stage.ShowActionPopup(kPpeokPopup, 0);
        stage.ShowRobotAvatar(robot ? 4 : 1, {});
        stage.SetDirty();
        stage.Delay(500);
        return;
    }
    for (int s = 0; s < 2; ++s) {
        PlayerInfo& p = records.GetPlayer(s);
        if (records.IsTournamentRoom()) {
            p.tournamentMoney = body.money[static_cast<size_t>(s)];
        } else {
            p.gameMoney = body.money[static_cast<size_t>(s)];
            p.secondMoney = body.secondMoney[static_cast<size_t>(s)];
        }
        stage.ShowSeatMoney(s);
    }
    stage.ReportSeatMoney();
    if (records.IsAntiLeaveRoom()) flows.periphery.UpdateRestrict(true, true);
    if (body.count >= 1 && body.count <= 3) stage.PlayEffect(kPpeokEffect, seat);
    if (body.count >= 1 && body.count <= 2) stage.PlayVoice(ppeokVoice, seat);
    stage.ShowActionPopup(kPpeokPopup, 0);
    stage.ShowRobotAvatar(robot ? 1 : 3, {});
    stage.ShowNotify(body.count == 1 ? kFirstPpeokNotice : kPpeokNotice, body.count, body.amount);
    stage.SetDirty();
    stage.Delay(500);
    stage.Delay(1000);
}

void PlayFlow::OnScoreRefresh(const ScoreRefresh& body)
{
    stage.StopTurnMarker();
    stage.RestartCountdown();
    for (int s = 0; s < 2; ++s) {
        records.RoundUser(s).points = body.points[static_cast<size_t>(s)];
        engine.UpdateScoreMultiplier(s, body.septemberFlag != 0);
    }
    stage.RefreshSeatScores(0);
    stage.RefreshSeatScores(1);
    stage.UpdateGoBakAlert();
    stage.SetDirty();
}

void PlayFlow::HideHandPointer()
{
    tableState.handPointerShown = false;
    if (GVPSPWnd* pointer = tableWidgets.handPointer) {
        pointer->Show(false);
    }
}

bool PlayFlow::ShowSweep(int seat)
{
    stage.PlayEffect(kSweepEffect, seat);
    const bool voiced = stage.PlayVoice(VoiceCue::Sweep, seat) > 0;
    stage.ShowActionPopup(kCapturePopup, 0);
    stage.ShowRobotAvatar(records.IsRobotSeat(seat) ? kRobotGladFace : kRobotSweepFace, {});
    stage.Delay(100);
    if (voiced) stage.Delay(200);
    return voiced;
}

void PlayFlow::Announce(int seat, const TurnResult& body, bool sweepVoice)
{
    CHTUser& user = records.RoundUser(seat);
    TurnRules::AnnouncementInputs in;
    in.before = user.announced;
    in.after = user.announced;
    in.after[CardSpecial::Gwang] = engine.CountCardsOfSpecial(user.gwangPile, CardSpecial::Gwang);
    in.after[CardSpecial::Godori] = engine.CountCardsOfSpecial(user.animalPile, CardSpecial::Godori);
    for (int32_t ribbon : {CardSpecial::Chungdan, CardSpecial::Hongdan, CardSpecial::Chodan})
        in.after[static_cast<size_t>(ribbon)] = engine.CountCardsOfSpecial(user.ribbonPile, ribbon);
    user.announced = in.after;
    in.robot = records.IsRobotSeat(seat);
    in.rainGwang = engine.FindCardById(user.gwangPile, kRainGwang) >= 0;
    in.bonusFlag = body.bonusFlag != 0;
    in.bonusInPile = engine.CountCardsOfMonth(user.piPile, kBonusMonth) > 0;

    const TurnRules::Announcement a = TurnRules::ChooseAnnouncement(in);
    if (a.highlight >= 0) {
        const std::vector<int32_t>& pile = a.highlight == CardSpecial::Gwang    ? user.gwangPile
                                           : a.highlight == CardSpecial::Godori ? user.animalPile
                                                                                : user.ribbonPile;
        std::vector<int32_t> flashed;
        engine.CollectCardsOfSpecial(flashed, pile, a.highlight);
        engine.FadeOutCards(flashed);
    }
    if (!a.cue) return;
    if (body.turnKind == kSweepTurn && !(sweepVoice && in.bonusFlag)) stage.Delay(300);
    stage.PlayVoice(*a.cue, seat);
    stage.ShowActionPopup(a.popup, 0);
    stage.Delay(100);
}

void PlayFlow::OnTurnResult(const TurnResult& body)
{
    if (!tableState.active) return;
    const int seat = records.FindSeatByKey(static_cast<int32_t>(body.userKey));
    if (seat < 0) return;
    HideHandPointer();
    for (GVQZAniWnd* mark : effects.eatMarks) {
        if (!mark) continue;
        mark->Stop();
        mark->Show(false);
    }
    flows.missions.OnTurnResultKungJJak(seat, body.kjValue);
    for (int32_t id : CardIdsOf(body.captured, "turn result")) engine.TakeFloorCard(id, seat);
    const bool sweepVoice = body.turnKind == kSweepTurn && ShowSweep(seat);
    for (const PiTransfer& t : body.piTransfers) {
        const int from = records.FindSeatByKey(t.fromKey);
        if (from < 0 || from == seat || !IsValidCardId(t.cardIndex)) continue;
        engine.TakePiFromSeat(t.cardIndex, from, seat);
    }
    for (int s = 0; s < 2; ++s) {
        records.RoundUser(s).points = body.points[static_cast<size_t>(s)];
        engine.UpdateScoreMultiplier(s, gameInfo.septemberChoice != 0);
    }
    stage.RefreshSeatScores(0);
    stage.RefreshSeatScores(1);
    stage.UpdateGoBakAlert();
    if (sweepVoice || body.bonusFlag != 0) stage.Delay(500);
    Announce(seat, body, sweepVoice);
    stage.SetDirty();
    stage.FlushRedraw();
    stage.Delay(500);
}
