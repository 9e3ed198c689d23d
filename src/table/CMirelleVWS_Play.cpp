#include "scene/CMirelleVWS.h"

#include "foundation/Debug.h"
#include "table/core/DealPlan.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"

namespace {

using SoundTables::SoundId;

// Voice cues of the card play.
namespace Cue {
constexpr int Ddadak = 10014, Jjock = 10015, Poktan = 10013, Shake = 10012, Assa = 10017, Huck = 10018,
              Yup = 10020, Puck = 10023, BringPuck = 10025, BringJaPuck = 10026, FourShake = 10031,
              BonusPi = 10037, TwoPoktan = 10040;
}

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

Point CMirelleVWS::LastFloorSlotPoint() const
{
    const int32_t slot = gameInfo.lastFloorSlot;
    return slot >= 0 && slot < COpenInfo::kSlotCount ? floor.GetSlot(slot).position : Point{};
}

void CMirelleVWS::ShowHandPointer(int frame, Point at)
{
    GVPSPWnd* pointer = tableWidgets.handPointer;
    if (!pointer) return;
    pointer->SetFrame(frame);
    pointer->SetPos(at);
    pointer->Show(true);
    RaiseBelowAnchor(pointer);
    InvalidateWnd(pointer);
}

void CMirelleVWS::OnInitialFloorBonus(const InitialFloorBonus& body)
{
    if (!tableState.active) return;
    for (int32_t id : CardIdsOf(body.toPile, "floor bonus")) TakeFloorCard(id, 0);
    for (int32_t id : CardIdsOf(body.toFloor, "floor bonus")) PutFloorCard(id, -1);
    SetDirty();
}

void CMirelleVWS::OnBonusCardPlayed(const BonusCardPlayed& body)
{
    if (!tableState.active) return;
    const int seat = FindSeatByKey(body.userKey);
    if (seat < 0) return;
    StopTurnMarker();
    RestartCountdown();
    if (IsValidCardId(body.bonusCard))
        PlayBonusToPile(body.bonusCard, seat, body.keepOrder != 0);
    else
        DebugLine("bonus card played: card id %d dropped", static_cast<int>(body.bonusCard));
    PlayVoice(Cue::BonusPi, seat);
    if (IsValidCardId(body.replacementCard))
        DrawDeckCardToHand(body.replacementCard, seat);
    else
        DebugLine("bonus card played: replacement id %d dropped", static_cast<int>(body.replacementCard));

    int seconds = SceneRules::PhaseSeconds(DecisionKind::PlayCard, room.option.turnTime, controls.autoPlay);
    timers.countdownLimit = 3;
    if (body.userKey == ownUser.userKey && !IsRobotSeat(seat)) {
        timers.outlineBlink = true;
        ShowOwnOutline(true);
        ShowHandHints(true);
        HoverAtCursor();
        seconds = StartPhaseTimer(DecisionKind::PlayCard);
    } else {
        timers.outlineBlink = false;
    }
    const int other = 1 - seat;
    const std::vector<int32_t>& otherPi = RoundUser(other).piPile;
    if (!otherPi.empty()) {
        if (const CVHTWnd* last = CardWndBySlot(otherPi.back())) ShowHandPointer(1, last->GetPos() + kHandPointerOffset);
    }
    timers.countdownStart = seconds;
    timers.countdown = seconds - 1;
    tableState.handPointerShown = true;
    SetDirty();
}

void CMirelleVWS::OnHandCardPlayed(const HandCardPlayed& body)
{
    HideNotify();
    if (!tableState.active) return;
    ShowOwnOutline(false);
    ShowHandHints(false);
    // The held bomb is played or given up with this card.
    tableState.handMarked = false;
    StopTurnMarker();
    RestartCountdown();
    const int seat = FindSeatByKey(body.userKey);
    if (seat < 0) return;
    const std::vector<int32_t> cards = CardIdsOf(body.cards, "hand card played");
    const int played = static_cast<int>(cards.size());
    if (played == 0) return;
    const bool bomb = body.bombFlag != 0;
    if (played == 2) {
        PlayVoice(Cue::TwoPoktan, seat);
        PlayTwoHandCards(cards, seat, true);
    } else {
        if (played == 3) PlayVoice(Cue::Poktan, seat);
        int count = played;
        for (int32_t id : cards) {
            PlayHandCard(id, seat, count < 2);
            if (bomb && count == 3) {
                PlayEffect(kBombEffect, seat);
                PlaySoundId(SoundId::NuBomb);
                if (effects.bombHoldOutline) effects.bombHoldOutline->Stop();
            }
            --count;
        }
    }
    if (played >= 2) {
        ++RoundUser(seat).shakeBombCount;
        UpdateScoreMultiplier(seat, gameInfo.septemberChoice != 0);
        RefreshSeatPanels(seat);
        if (!bomb) {
            PlayEffect(kShakeEffect, seat);
            if (played > 2) PlaySoundId(SoundId::NotifyBomb);
        }
    }
    // FIXME: the floor's mission markers (MarkMissionCards (1)) with the missions.
    SetDirty();
    Delay(played >= 2 ? 200 : 250);
}

void CMirelleVWS::OnShakeDeclared(const ShakeDeclared& body)
{
    const int seat = FindSeatByKey(body.userKey);
    if (seat < 0) return;
    RoundUser(seat).shakeBombCount = body.shakeBombCount;
    UpdateScoreMultiplier(seat, gameInfo.septemberChoice != 0);
    RefreshSeatPanels(seat);
    StopTurnMarker();
    RestartCountdown();
    ShowNotifySimple(kShakeNotice, CardIdsOf(body.cards, "shake declared"));
    PlaySoundId(SoundId::NotifyShake);
    const bool robot = IsRobotSeat(seat);
    ShowRobotAvatar(robot ? 1 : 4, {});
    SetDirty();
    Delay(500);
    PlayVoice(body.kind == 4 && !robot ? Cue::FourShake : Cue::Shake, seat);
    if (options.soundOn) Delay(700);
}

void CMirelleVWS::OnCaptureEvent(const CaptureEvent& body)
{
    if (!tableState.active) return;
    StopTurnMarker();
    if (!tableState.handPointerShown) RestartCountdown();
    const int seat = FindSeatByKey(static_cast<int32_t>(body.userKey));
    if (seat < 0) return;
    const bool robot = IsRobotSeat(seat);
    const Point eatAt = LastFloorSlotPoint();
    switch (body.kind) {
    case 1: ShowActionPopup(kCapturePopup, 0); break;
    case 2:
        PlayVoice(robot ? Cue::Assa : Cue::BringPuck, seat);
        ShowActionPopup(kCapturePopup, 0);
        ShowEatMark(0, eatAt);
        break;
    case 3:
        PlayEffect(3, seat);
        PlayVoice(robot ? Cue::Yup : Cue::BringJaPuck, seat);
        ShowEatMark(0, eatAt);
        break;
    case 4:
        PlayEffect(0, seat);
        PlayVoice(Cue::Jjock, seat);
        ShowActionPopup(kCapturePopup, 0);
        break;
    case 5:
        PlayEffect(1, seat);
        PlayVoice(Cue::Ddadak, seat);
        ShowActionPopup(kCapturePopup, 0);
        break;
    case 7:
        if (!robot) StartTimer(TimerId::Popup);
        break;
    default: break;
    }
    if ((body.kind >= 1 && body.kind <= 5) || body.kind == 7) ShowRobotAvatar(robot ? 1 : 3, {});
    SetDirty();
    FlushRedraw();
    if (body.kind != 0) Delay(500);
}

void CMirelleVWS::OnDeckCardsFlipped(const DeckCardsFlipped& body)
{
    if (!tableState.active) return;
    StopTurnMarker();
    RestartCountdown();
    const int seat = FindSeatByKey(body.userKey);
    if (seat < 0) return;
    if (body.userKey == ownUser.userKey && !IsRobotSeat(seat))
        RoundUser(seat).deckFlips = body.pendingPassCount;
    for (int32_t id : CardIdsOf(body.cards, "deck cards flipped")) {
        PutFloorCard(id, seat);
        if (body.bonusTake != 0 && GetCardInfo(id).month == kBonusMonth) {
            Delay(100);
            TakeFloorCard(id, seat);
        }
    }
    if (gameInfo.missionMode == 5) {
        RoundUser(seat).missionValue = body.missionValue;
        // FIXME: the KJ mission window shows the value (SetMultiplier) with the missions.
        UpdateScoreMultiplier(seat, gameInfo.septemberChoice != 0);
        RefreshSeatPanels(0);
        RefreshSeatPanels(1);
    }
    // FIXME: the floor's mission markers (MarkMissionCards (1)) with the missions.
    SetDirty();
    Delay(300);
}

void CMirelleVWS::OnPpeok(const Ppeok& body)
{
    const int seat = FindSeatByKey(body.userKey);
    if (seat < 0) return;
    if (gameInfo.missionMode == 5) {
        // FIXME: ShowKungJJakStep (4) and the KJ window showing 1, with the missions.
        RoundUser(seat).missionValue = 1;
    }
    RoundUser(seat).markCount = body.count;
    UpdateScoreMultiplier(seat, gameInfo.septemberChoice != 0);
    RefreshSeatPanels(seat);
    const bool robot = IsRobotSeat(seat);
    const int ppeokVoice = robot ? Cue::Huck : Cue::Puck;
    if (body.moneyFlag == 0) {
        PlayEffect(kPpeokEffect, seat);
        if (body.count < 3) PlayVoice(ppeokVoice, seat);
        ShowActionPopup(kPpeokPopup, 0);
        ShowRobotAvatar(robot ? 4 : 1, {});
        SetDirty();
        Delay(500);
        return;
    }
    for (int s = 0; s < 2; ++s) {
        PlayerInfo& p = GetPlayer(s);
        if (IsTournamentRoom()) {
            p.tournamentMoney = body.money[static_cast<size_t>(s)];
        } else {
            p.gameMoney = body.money[static_cast<size_t>(s)];
            p.secondMoney = body.secondMoney[static_cast<size_t>(s)];
        }
        ShowSeatMoney(s);
    }
    ReportSeatMoney();
    // FIXME: the restrict window in an anti-leave room, with the room controls.
    if (body.count <= 3) PlayEffect(kPpeokEffect, seat);
    if (body.count <= 2) PlayVoice(ppeokVoice, seat);
    ShowActionPopup(kPpeokPopup, 0);
    ShowRobotAvatar(robot ? 1 : 3, {});
    ShowNotify(body.count == 1 ? kFirstPpeokNotice : kPpeokNotice, body.count, body.amount);
    SetDirty();
    Delay(500);
    Delay(1000);
}

void CMirelleVWS::OnScoreRefresh(const ScoreRefresh& body)
{
    StopTurnMarker();
    RestartCountdown();
    for (int s = 0; s < 2; ++s) {
        RoundUser(s).points = body.points[static_cast<size_t>(s)];
        UpdateScoreMultiplier(s, body.septemberFlag != 0);
    }
    RefreshSeatPanels(0);
    RefreshSeatPanels(1);
    UpdateGoBakAlert();
    SetDirty();
}
