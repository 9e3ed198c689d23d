#include "table/flows/FirstPlayerFlow.h"

#include <algorithm>

#include "foundation/Debug.h"
#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "table/TableEngine.h"
#include "table/core/DealPlan.h"
#include "table/core/EntryRules.h"
#include "table/core/RoundRules.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomRequests.h"
#include "table/flows/RoomStage.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVUserInfoWnd.h"

namespace {

constexpr uint32_t kDealPauseMs = 500;
constexpr uint32_t kPickPauseMs = 500;
constexpr uint32_t kResetPauseMs = 500;
constexpr int kBoardReadyFrame = 14;
constexpr Point kPickPositions[12] = {{279, 160}, {355, 320}, {236, 234}, {391, 239}, {266, 321}, {363, 163},
                                      {192, 157}, {451, 319}, {175, 320}, {472, 157}, {147, 237}, {481, 232}};
constexpr Point kTurnMarkerAt[2] = {{320, 361}, {320, 104}};
constexpr const char* kHandNames[3] = {"KAWI", "BAWI", "BO"};

Point TurnMarkerPoint(int32_t screenSlot)
{
    return kTurnMarkerAt[screenSlot == 1 ? 1 : 0];
}

void PlayClip(GVQZAniWnd* animation, const std::string& name, int loops)
{
    if (!animation) return;
    animation->SelectAnimationByName(name);
    animation->Show(true);
    animation->Play(loops, false);
}

}  // namespace

void FirstPlayerFlow::OnShuffleCards(const ShuffleCards& body)
{
    if (tableState.dealing) return;
    room.roomState = static_cast<int32_t>(RoomState::Playing);
    records.desperateRoundFinished = false;
    if (records.IsTournamentRoom() || (records.IsDesperateRoom() && !records.HasRobotSeat())) stage.UpdatePlayObserveButtons(1);
    stage.ShowStartButton(false);
    stage.UpdateExitButtons(1);
    stage.ShowRoundStartAnimation(false, 0);
    if (records.IsAntiLeaveRoom()) flows.periphery.UpdateRestrict(true, true);
    if (RoundRules::IsEventPlayRoom(room.roomKind, records.HasRobotSeat(), records.IsUserSeated()))
        flows.seats.LoopPlayingAnimation(true);
    stage.InitFloorSlots();
    gameInfo.firstPlayerMode = body.mode;
    entryState.pickSlots.clear();
    if (body.mode == 1) OpenHandPick();
    else OpenCardPick(body);
    if (!records.IsUserSeated()) return;
    stage.StartBlinkTimer();
    const int own = records.OwnSeat();
    if (GVQZAniWnd* marker = tableWidgets.turnBlinkAnimation) {
        marker->SetPos(TurnMarkerPoint(records.GetPlayer(own).screenSlot));
        marker->Show(true);
        marker->Play(0, false);
    }
    // The input routes a click to the pick only while the own outline blinks.
    timers.outlineBlink = true;
    const int seconds = stage.StartPhaseTimer(DecisionKind::SunPick);
    timers.countdown = seconds;
    timers.countdownStart = seconds - 1;
    stage.SetDirty();
}

void FirstPlayerFlow::OpenHandPick()
{
    for (CVHTWnd* card : tableWidgets.cardWnds)
        if (card) card->Show(false);
    if (tableWidgets.deckImage) tableWidgets.deckImage->Show(false);
    stage.PlaySoundId(SoundId::SunShuffle);
    GVQZAniWnd* board = entryWidgets.pickBoard;
    PlayClip(board, "SHUFFLE", 1);
    PlayClip(entryWidgets.pickBoardSecond, "NORMAL", -1);
    WaitWhile([&] { return board && board->IsVisible() && board->IsPlaying() && board->GetFrame() < kBoardReadyFrame; });
    std::string name;
    entryState.hoveredChoice = -1;
    for (size_t i = 0; i < entryWidgets.handButtons.size(); ++i) {
        GVQZAniWnd* button = entryWidgets.handButtons[i];
        PlayClip(button, Format(name, "%d_BLINK", static_cast<int>(i)), -1);
        if (button) button->Enable(true);
    }
    PlayClip(board, "MSG_SHOW", -1);
}

void FirstPlayerFlow::OpenCardPick(const ShuffleCards& body)
{
    for (int i = 0; i < COpenInfo::kSlotCount && i < 12; ++i) floor.GetSlot(i).position = kPickPositions[i];
    const int32_t count = EntryRules::PickCardCount(body.cardCount, body.cards.size());
    if (count != body.cardCount) DebugLine("pick: %d cards announced, %d laid out", body.cardCount, count);
    for (int32_t i = 0; i < count; ++i) {
        const auto place = static_cast<int32_t>(entryState.pickSlots.size());
        if (!engine.Model().SetSlotCard(i, body.cards[static_cast<size_t>(i)]) ||
            !engine.Model().PutOnFloorSlot(i, engine.Model().FindList(i), place))
            continue;
        entryState.pickSlots.push_back(i);
        if (CVHTWnd* card = engine.CardWndBySlot(i)) engine.SetCardSize(card, CardSizeKind::Normal);
    }
    stage.PlaySoundId(SoundId::CardSort);
    engine.StackDeck(DeckStack::AllSlots);
    stage.Delay(kPickPauseMs);
    // The picks land face down; a pick shows the card the server names.
    engine.DealFloorCards(0, static_cast<int32_t>(entryState.pickSlots.size()), Landing::FaceDown);
    if (GVQZAniWnd* prompt = tableWidgets.selectSunAnimation) {
        prompt->Show(true);
        prompt->Play(0, false);
    }
}

void FirstPlayerFlow::OnSunPicked(const SunPicked& body)
{
    const bool handMode = gameInfo.firstPlayerMode == 1;
    const bool inRange = handMode ? body.pick >= 0 && body.pick <= 2 && body.value >= 0 && body.value <= 2
                                  : body.pick >= 0 && body.pick <= 11;
    const int seat = records.FindSeatByKey(body.userKey);
    if (!inRange || seat < 0 || body.userKey == -1) return;
    const bool own = body.userKey == ownUser.userKey;
    if (own) {
        stage.StopTurnMarker();
        if (GVQZAniWnd* marker = tableWidgets.turnBlinkAnimation) marker->Show(false);
        if (GVQZAniWnd* prompt = tableWidgets.selectSunAnimation) prompt->Show(false);
        timers.countdown = timers.countdownStart;
        timers.outlineBlink = false;
        if (timers.phaseTimerKind == DecisionKind::SunPick) stage.StopPhaseTimer();
        for (GVWnd* m : tableWidgets.floorMarkers)
            if (m) m->Show(false);
    } else if (GVWnd* m = tableWidgets.floorMarkers[static_cast<size_t>(std::clamp(body.pick, 0, 11))]) {
        m->Show(false);
    }
    if (handMode) ShowHandPicked(body, seat, own);
    else ShowCardPicked(body, seat);
    stage.SetDirty();
}

void FirstPlayerFlow::ShowHandPicked(const SunPicked& body, int seat, bool own)
{
    std::string name;
    if (own) {
        PlayClip(entryWidgets.pickBoard, "MSG_HIDE", 1);
        for (size_t i = 0; i < entryWidgets.handButtons.size(); ++i) {
            GVQZAniWnd* button = entryWidgets.handButtons[i];
            if (!button || !button->IsVisible() || !button->IsEnabled()) continue;
            PlayClip(button, Format(name, "%d_NORMAL", static_cast<int>(i)), 1);
            button->Enable(false);
        }
    }
    const int32_t slot = records.GetPlayer(seat).screenSlot;
    if (slot < 0 || slot > 1) return;
    stage.PlaySoundId(SoundId::SunSelect);
    GVQZAniWnd* button = entryWidgets.handButtons[static_cast<size_t>(body.pick)];
    if (button) button->Enable(false);
    PlayClip(button, Format(name, "%d_MOVE_%d", body.pick, slot), 1);
    WaitWhile([&] { return button && button->IsVisible() && button->IsPlaying(); });
    PlayClip(button, Format(name, "%s_%d", kHandNames[body.value], slot), 1);
    stage.PlaySoundId(static_cast<SoundId>(93 + body.value));
    WaitWhile([&] { return button && button->IsVisible() && button->IsPlaying(); });
}

void FirstPlayerFlow::ShowCardPicked(const SunPicked& body, int seat)
{
    const auto it = std::find_if(entryState.pickSlots.begin(), entryState.pickSlots.end(),
                                 [&](int32_t s) { return engine.FaceOfSlot(s).floorSlot == body.pick; });
    if (it == entryState.pickSlots.end()) return;
    const int32_t slot = *it;
    entryState.pickSlots.erase(it);
    if (!IsValidCardId(body.value)) return;
    static_cast<void>(engine.Model().TakeFromFloorSlot(slot, TableList::Nowhere()));
    static_cast<void>(engine.Model().SetSlotCard(slot, body.value));
    engine.Faces().FaceAt(slot).floorSlot = -1;
    if (CVHTWnd* card = engine.CardWndBySlot(slot)) card->SetImageFrame(body.value);
    const int32_t screenSlot = records.GetPlayer(seat).screenSlot;
    const Point side = TurnMarkerPoint(screenSlot) + Point{0, screenSlot == 1 ? 20 : -80};
    engine.AnimateCardMove(slot, side, options.moveSteps[0], screenSlot == 1 ? LiftSide::Other : LiftSide::Own, Zoom::No);
    if (GVQZAniWnd* effect = effects.sunNotify[screenSlot == 1 ? 1 : 0]) {
        effect->Show(true);
        effect->Play(1, false);
    }
}

void FirstPlayerFlow::StopPickEffects()
{
    for (GVQZAniWnd* effect : effects.sunNotify) {
        if (!effect) continue;
        effect->Stop();
        effect->Show(false);
    }
}

void FirstPlayerFlow::WaitWhile(const std::function<bool()>& stillWaiting)
{
    constexpr uint32_t kStepMs = 30;
    constexpr uint32_t kLimitMs = 3000;
    for (uint32_t waited = 0; waited < kLimitMs && stillWaiting(); waited += kStepMs) stage.Delay(kStepMs);
}

int FirstPlayerFlow::OnSunPickClicked(GVWnd* wnd)
{
    if (!wnd || timers.phaseTimerKind != DecisionKind::SunPick || !records.IsUserSeated()) return 0;
    int32_t pick = -1;
    if (gameInfo.firstPlayerMode == 1) {
        const auto& buttons = entryWidgets.handButtons;
        const auto it = std::find(buttons.begin(), buttons.end(), wnd);
        if (it != buttons.end()) pick = static_cast<int32_t>(it - buttons.begin());
    } else if (auto* card = dynamic_cast<CVHTWnd*>(wnd)) {
        const int32_t slot = card->GetSlot();
        if (std::find(entryState.pickSlots.begin(), entryState.pickSlots.end(), slot) != entryState.pickSlots.end())
            pick = engine.FaceOfSlot(slot).floorSlot;
    }
    if (pick < 0) return 0;
    if (!requests.SendSunPick(pick, 0)) return 0;
    stage.StopPhaseTimer();
    stage.PlaySoundId(SoundId::ButtonClick);
    stage.SetAutoPlay(false);
    return 1;
}

void FirstPlayerFlow::OnTableReset(const TableReset& body)
{
    room.roomState = static_cast<int32_t>(RoomState::Waiting);
    room.roomValue = 0;
    // The target scores run over the game's rounds: a new round only updates the give-up button.
    flows.missions.UpdateGiveUpButton();
    stage.PlaySoundId(SoundId::GameClear);
    stage.ClearTable();
    stage.InitFloorSlots();
    entryState.pickSlots.clear();
    entryState.chamgiKind = 0;
    // A watcher's seats change screen slots when they rotate: their avatars move with them.
    auto avatars = EntryFlow::Avatar::Keep;
    if (body.firstKey != 0 && body.firstKey != -1) {
        flows.entry.RefreshBothSeats();
        stage.ReportSeatMoney();
        if (records.GetPlayer(0).userKey != body.firstKey) stage.ShowUserPopupMenu(false, -1, {0, 0});
        if (room.seats.RotatePlayers(body.firstKey)) {
            if (!records.IsUserSeated()) avatars = EntryFlow::Avatar::Fetch;
            room.seats.AssignScreenSlots(ownUser.userKey);
            flows.entry.ShowSeatMarks();
            // The panels stay by screen slot: refilled below, they follow the players for a watcher too.
        }
    }
    flows.entry.RefreshBothSeats(avatars);
    stage.LeaveNoticeToHost(LeaveNoticeCode::Waiting);
    stage.Delay(kResetPauseMs);
}

void FirstPlayerFlow::OnDealCards(const DealCards& body)
{
    if (CheckDealCards(body.floorCards, body.handCards) != DealCheck::Ok) {
        DebugLine("deal: %d floor and %d hand ids, nothing dealt", static_cast<int>(body.floorCards.size()),
                  static_cast<int>(body.handCards.size()));
        stage.PostToHost(HostNotifyCode::Stay);
        return;
    }
    stage.LeaveNoticeToHost(LeaveNoticeCode::Dealt);
    const bool ownSeated = records.IsUserSeated();
    stage.Promotions().ShowDealGauge(records.IsUserSeated(static_cast<int32_t>(body.userKey)));
    if (records.IsUserSeated(static_cast<int32_t>(body.userKey))) {
        stage.SetAutoPlay(false);
        stage.SetAutoPlayButtonEnabled(true);
    }
    stage.ShowRoundStartAnimation(false, 0);
    room.roomState = static_cast<int32_t>(RoomState::Playing);
    if (records.IsTournamentRoom() || (records.IsDesperateRoom() && !records.HasRobotSeat())) {
        room.roomValue = 0;
        stage.UpdatePlayObserveButtons(1);
    }
    stage.ShowStartButton(false);
    stage.UpdateExitButtons(1);
    if (RoundRules::IsEventPlayRoom(room.roomKind, records.HasRobotSeat(), ownSeated)) flows.seats.LoopWaitingAnimation(false);
    // The table clear emptied the stake.
    stage.UpdateStakeText();
    // The pick's windows go back face down before the deal takes them.
    entryState.pickSlots.clear();
    stage.InitFloorSlots();
    // Kept after InitFloorSlots, which resets the round records.
    gameInfo.ownHandIds = ValidCardIds(body.handCards);
    tableState.dealFloorIds = ValidCardIds(body.floorCards);
    entryState.chamgiKind = body.chamgiKind;
    if (records.IsAntiLeaveRoom()) flows.periphery.UpdateRestrict(true, true);
    if (body.chamgiKind != 0 && (body.chamgiStage == 1 || body.chamgiStage == 2)) {
        stage.PlaySoundAtVolume(body.chamgiStage == 1 ? SoundId::ChamgiMusic1 : SoundId::ChamgiMusic2,
                                flows.missions.MusicVolume());
    }
    stage.PlaySoundId(SoundId::CardSort);
    gameInfo.missionMode = body.missionKind;
    flows.missions.OpenKungJJak();
    tableState.dealing = true;
    engine.StackDeck(DeckStack::AllSlots);
    if (!records.IsTournamentRoom() && !records.IsDesperateRoom()) stage.Delay(kDealPauseMs);
    engine.DealRound(true);
    if (ownSeated) engine.SortOwnHand(false);
    stage.StartBlinkTimer();
    tableState.dealing = false;
    tableState.active = true;
    // The snapshot alone set it before: a dealt round could not be given up.
    if (records.IsDesperateRoom()) controls.roundStarted = true;
    flows.missions.UpdateGiveUpButton();
    flows.missions.StartKungJJakMusic();
    stage.LeaveNoticeToHost(ownSeated ? LeaveNoticeCode::SeatChanged : LeaveNoticeCode::Waiting);
    stage.Promotions().ShowEventBanner(true);
    if (stage.Promotions().IsDefaultBannerVisible()) stage.Promotions().ShowDefaultBanner(true);
    static_cast<void>(requests.SendDealShown(5, 0));  // nothing here waits for it
    stage.SetDirty();
    stage.FlushRedraw();
}
