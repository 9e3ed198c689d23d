#include "scene/CMirelleVWS.h"

#include <algorithm>

#include "foundation/Debug.h"
#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "table/core/DealPlan.h"
#include "table/core/EntryRules.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVUserInfoWnd.h"

namespace {

using SoundTables::SoundId;

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

void CMirelleVWS::OnShuffleCards(const ShuffleCards& body)
{
    if (tableState.dealing) return;
    room.roomState = static_cast<int32_t>(RoomState::Playing);
    desperateRoundFinished = false;
    if (IsTournamentRoom() || (IsDesperateRoom() && !HasRobotSeat())) UpdatePlayObserveButtons(1);
    ShowStartButton(false);
    UpdateExitButtons(1);
    ShowRoundStartAnimation(false, 0);
    // FIXME: the restrict panel in anti-leave rooms and the waiting and playing animations of rooms
    // 5..10, once they are loaded.
    InitFloorSlots();
    gameInfo.firstPlayerMode = body.mode;
    entryState.pickSlots.clear();
    if (body.mode == 1) OpenHandPick();
    else OpenCardPick(body);
    if (!IsUserSeated()) return;
    StartBlinkTimer();
    const int own = FindSeatByKey(ownUser.userKey);
    if (GVQZAniWnd* marker = tableWidgets.turnBlinkAnimation) {
        marker->SetPos(TurnMarkerPoint(GetPlayer(own).screenSlot));
        marker->Show(true);
        marker->Play(0, false);
    }
    // The input routes a click to the pick only while the own outline blinks.
    timers.outlineBlink = true;
    const int seconds = StartPhaseTimer(DecisionKind::SunPick);
    timers.countdown = seconds;
    timers.countdownStart = seconds - 1;
    SetDirty();
}

void CMirelleVWS::OpenHandPick()
{
    for (CVHTWnd* card : tableWidgets.cardWnds)
        if (card) card->Show(false);
    if (tableWidgets.deckImage) tableWidgets.deckImage->Show(false);
    PlaySoundId(SoundId::SunShuffle);
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

void CMirelleVWS::OpenCardPick(const ShuffleCards& body)
{
    for (int i = 0; i < COpenInfo::kSlotCount && i < 12; ++i) floor.GetSlot(i).position = kPickPositions[i];
    const int32_t count = EntryRules::PickCardCount(body.cardCount, body.cards.size());
    if (count != body.cardCount) DebugLine("pick: %d cards announced, %d laid out", body.cardCount, count);
    for (int32_t i = 0; i < count; ++i) {
        const auto place = static_cast<int32_t>(entryState.pickSlots.size());
        if (!tableModel.SetSlotCard(i, body.cards[static_cast<size_t>(i)]) ||
            !tableModel.PutOnFloorSlot(i, tableModel.FindList(i), place))
            continue;
        entryState.pickSlots.push_back(i);
        if (CVHTWnd* card = CardWndBySlot(i)) SetCardSize(card, CardSizeKind::Normal);
    }
    PlaySoundId(SoundId::CardSort);
    StackDeck(DeckStack::AllSlots);
    Delay(kPickPauseMs);
    DealFloorCards(0, static_cast<int32_t>(entryState.pickSlots.size()));
    // The picks lie face down; a pick shows the card the server names.
    for (const int32_t slot : entryState.pickSlots)
        if (CVHTWnd* card = CardWndBySlot(slot)) card->SetImageFrame(CVHTWnd::kBackFrame);
    if (GVQZAniWnd* prompt = tableWidgets.selectSunAnimation) {
        prompt->Show(true);
        prompt->Play(0, false);
    }
}

void CMirelleVWS::OnSunPicked(const SunPicked& body)
{
    const bool handMode = gameInfo.firstPlayerMode == 1;
    const bool inRange = handMode ? body.pick >= 0 && body.pick <= 2 && body.value >= 0 && body.value <= 2
                                  : body.pick >= 0 && body.pick <= 11;
    const int seat = FindSeatByKey(body.userKey);
    if (!inRange || seat < 0 || body.userKey == -1) return;
    const bool own = body.userKey == ownUser.userKey;
    if (own) {
        StopTurnMarker();
        if (GVQZAniWnd* marker = tableWidgets.turnBlinkAnimation) marker->Show(false);
        if (GVQZAniWnd* prompt = tableWidgets.selectSunAnimation) prompt->Show(false);
        timers.countdown = timers.countdownStart;
        timers.outlineBlink = false;
        if (timers.phaseTimerKind == DecisionKind::SunPick) StopPhaseTimer();
        for (GVWnd* m : tableWidgets.floorMarkers)
            if (m) m->Show(false);
    } else if (GVWnd* m = tableWidgets.floorMarkers[static_cast<size_t>(std::clamp(body.pick, 0, 11))]) {
        m->Show(false);
    }
    if (handMode) ShowHandPicked(body, seat, own);
    else ShowCardPicked(body, seat);
    SetDirty();
}

void CMirelleVWS::ShowHandPicked(const SunPicked& body, int seat, bool own)
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
    const int32_t slot = GetPlayer(seat).screenSlot;
    if (slot < 0 || slot > 1) return;
    PlaySoundId(SoundId::SunSelect);
    GVQZAniWnd* button = entryWidgets.handButtons[static_cast<size_t>(body.pick)];
    if (button) button->Enable(false);
    PlayClip(button, Format(name, "%d_MOVE_%d", body.pick, slot), 1);
    WaitWhile([&] { return button && button->IsVisible() && button->IsPlaying(); });
    PlayClip(button, Format(name, "%s_%d", kHandNames[body.value], slot), 1);
    PlaySoundId(static_cast<SoundId>(93 + body.value));
    WaitWhile([&] { return button && button->IsVisible() && button->IsPlaying(); });
}

void CMirelleVWS::ShowCardPicked(const SunPicked& body, int seat)
{
    const auto it = std::find_if(entryState.pickSlots.begin(), entryState.pickSlots.end(),
                                 [&](int32_t s) { return FaceOfSlot(s).floorSlot == body.pick; });
    if (it == entryState.pickSlots.end()) return;
    const int32_t slot = *it;
    entryState.pickSlots.erase(it);
    if (!IsValidCardId(body.value)) return;
    static_cast<void>(tableModel.TakeFromFloorSlot(slot, TableList::Nowhere()));
    static_cast<void>(tableModel.SetSlotCard(slot, body.value));
    cardFaces.FaceAt(slot).floorSlot = -1;
    if (CVHTWnd* card = CardWndBySlot(slot)) card->SetImageFrame(body.value);
    const int32_t screenSlot = GetPlayer(seat).screenSlot;
    const Point side = TurnMarkerPoint(screenSlot) + Point{0, screenSlot == 1 ? 20 : -80};
    AnimateCardMove(slot, side, options.moveSteps[0], screenSlot == 1 ? LiftSide::Other : LiftSide::Own, Zoom::No);
    if (GVQZAniWnd* effect = effects.sunNotify[screenSlot == 1 ? 1 : 0]) {
        effect->Show(true);
        effect->Play(1, false);
    }
}

void CMirelleVWS::StopPickEffects()
{
    for (GVQZAniWnd* effect : effects.sunNotify) {
        if (!effect) continue;
        effect->Stop();
        effect->Show(false);
        InvalidateWnd(effect);
    }
}

void CMirelleVWS::WaitWhile(const std::function<bool()>& stillWaiting)
{
    constexpr uint32_t kStepMs = 30;
    constexpr uint32_t kLimitMs = 3000;
    for (uint32_t waited = 0; waited < kLimitMs && stillWaiting(); waited += kStepMs) Delay(kStepMs);
}

int CMirelleVWS::OnSunPickClicked(GVWnd* wnd)
{
    if (!wnd || timers.phaseTimerKind != DecisionKind::SunPick || !IsUserSeated()) return 0;
    int32_t pick = -1;
    if (gameInfo.firstPlayerMode == 1) {
        const auto& buttons = entryWidgets.handButtons;
        const auto it = std::find(buttons.begin(), buttons.end(), wnd);
        if (it != buttons.end()) pick = static_cast<int32_t>(it - buttons.begin());
    } else if (auto* card = dynamic_cast<CVHTWnd*>(wnd)) {
        const int32_t slot = card->GetSlot();
        if (std::find(entryState.pickSlots.begin(), entryState.pickSlots.end(), slot) != entryState.pickSlots.end())
            pick = FaceOfSlot(slot).floorSlot;
    }
    if (pick < 0) return 0;
    if (!SendSunPick(pick, 0)) return 0;
    StopPhaseTimer();
    PlaySoundId(SoundId::ButtonClick);
    SetAutoPlay(false);
    return 1;
}

void CMirelleVWS::OnTableReset(const TableReset& body)
{
    room.roomState = static_cast<int32_t>(RoomState::Waiting);
    room.roomValue = 0;
    // FIXME: the give-up button in rooms 40..43, once the target-score panel exists.
    PlaySoundId(SoundId::GameClear);
    ClearTable();
    InitFloorSlots();
    entryState.pickSlots.clear();
    entryState.chamgiKind = 0;
    if (body.firstKey != 0 && body.firstKey != -1) {
        RefreshBothSeats();
        ReportSeatMoney();
        if (GetPlayer(0).userKey != body.firstKey) ShowUserPopupMenu(false, -1, {0, 0});
        if (room.seats.RotatePlayers(body.firstKey)) {
            room.seats.AssignScreenSlots(ownUser.userKey);
            ShowSeatMarks();
            // FIXME: move each seated player's panel item to its slot when the own user watches, with the avatars.
        }
    }
    RefreshBothSeats();
    LeaveNoticeToHost(3);
    Delay(kResetPauseMs);
}

void CMirelleVWS::OnDealCards(const DealCards& body)
{
    if (CheckDealCards(body.floorCards, body.handCards) != DealCheck::Ok) {
        DebugLine("deal: %d floor and %d hand ids, nothing dealt", static_cast<int>(body.floorCards.size()),
                  static_cast<int>(body.handCards.size()));
        PostToHost(0);
        return;
    }
    LeaveNoticeToHost(0);
    // FIXME: the jackpot gauge with the promotions.
    const bool ownSeated = IsUserSeated();
    if (IsUserSeated(static_cast<int32_t>(body.userKey))) SetAutoPlay(false);
    ShowRoundStartAnimation(false, 0);
    room.roomState = static_cast<int32_t>(RoomState::Playing);
    if (IsTournamentRoom() || (IsDesperateRoom() && !HasRobotSeat())) {
        room.roomValue = 0;
        UpdatePlayObserveButtons(1);
    }
    ShowStartButton(false);
    UpdateExitButtons(1);
    // The pick's windows go back face down before the deal takes them.
    entryState.pickSlots.clear();
    InitFloorSlots();
    // Kept after InitFloorSlots, which resets the round records.
    gameInfo.ownHandIds = ValidCardIds(body.handCards);
    tableState.dealFloorIds = ValidCardIds(body.floorCards);
    entryState.chamgiKind = body.chamgiKind;
    if (body.chamgiKind != 0 && (body.chamgiStage == 1 || body.chamgiStage == 2)) {
        // FIXME: at the KJ mission panel's music volume once that panel exists.
        PlaySoundId(body.chamgiStage == 1 ? SoundId::ChamgiMusic1 : SoundId::ChamgiMusic2);
    }
    PlaySoundId(SoundId::CardSort);
    gameInfo.missionMode = body.missionKind;
    // FIXME: mission kind 5 shows the KJ mission panel and sets both seats' mission flags, with the missions.
    tableState.dealing = true;
    StackDeck(DeckStack::AllSlots);
    if (!IsTournamentRoom() && !IsDesperateRoom()) Delay(kDealPauseMs);
    DealRound(true);
    if (ownSeated) SortOwnHand(false);
    StartBlinkTimer();
    tableState.dealing = false;
    tableState.active = true;
    // FIXME: mission kind 5 starts the KJ music, with the missions.
    LeaveNoticeToHost(ownSeated ? 4 : 3);
    // FIXME: the event and default banners, with the promotions.
    SendDealShown(5, 0);
    SetDirty();
    FlushRedraw();
}
