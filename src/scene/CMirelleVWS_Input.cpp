#include "scene/CMirelleVWS.h"

#include <algorithm>

#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "scene/SceneWindow.h"
#include "scene/core/InputRules.h"
#include "table/TableEngine.h"
#include "table/flows/RoomFlows.h"
#include "views/CVDesperateResultWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVPushBtn.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVNotifyWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVResultWnd.h"

namespace {

using InputRules::CursorKind;
using SoundTables::SoundId;

constexpr uint32_t kBoxColor = 0xCF7F00;
// From this many dies on, the third betting button warns.
constexpr int32_t kDieWarningCount = 10;
constexpr char kAntiLeaveTitle[] = "먹튀방지옵션";
constexpr char kAntiLeaveText[] =
    "판수를 모두 채우면 나갈수 있지만 그렇지 않으면 획득하신 금액을\n상대방에게 모두 돌려줘야 합니다. \n"
    "(최대머니소지 제한에 묶여 있는 사용자도 원금에서 차감합니다.)";

// The hint markers of a hand slot that mark a group of one month (bomb, nuclear, double bomb,
// shake): hovering one card of the group lifts them all.
constexpr int kGroupMarkers[] = {2, 3, 4, 5};

bool IsPushButton(const GVWnd* wnd)
{
    return dynamic_cast<const GVPushBtn*>(wnd) || dynamic_cast<const CVPSPPushBtn*>(wnd);
}

}  // namespace

bool CMirelleVWS::IsFloorPickMode() const
{
    return timers.phaseTimerKind == DecisionKind::SunPick && gameInfo.firstPlayerMode == 0;
}

int CMirelleVWS::OnKeyDown(UINT vk, UINT repeat, UINT flags)
{
    InputRules::KeyContext c;
    c.ownTurn = timers.outlineBlink;
    c.roomState = GetRoomState();
    c.startButtonVisible = roomButtons.start && roomButtons.start->IsVisible();
    c.robotSeated = HasRobotSeat();
    c.targetScoreRoom = IsDesperateRoom();
    c.notifyVisible = roomWidgets.notify && roomWidgets.notify->IsVisible();
    c.resultVisible = resultWidgets.result && resultWidgets.result->IsVisible();
    c.desperateResultVisible = periphery.desperateResult && periphery.desperateResult->IsVisible();
    const InputRules::KeyRoute route = InputRules::RouteKeyDown(static_cast<int>(vk), c);
    switch (route.action) {
    case InputRules::KeyAction::PostClose:
        PostCloseToHost();
        break;
    // A key whose request is refused or lost does nothing more; a lost one is reported where it is sent.
    case InputRules::KeyAction::SendStart: static_cast<void>(Requests().SendStart()); break;
    case InputRules::KeyAction::HandCard: SelectHandCard(route.value); break;
    case InputRules::KeyAction::Macro: static_cast<void>(Requests().SendMacro(route.value)); break;
    case InputRules::KeyAction::Notify: AnswerNotifyByKey(static_cast<int>(vk)); return 0;
    case InputRules::KeyAction::Result: AnswerResultByKey(static_cast<int>(vk)); return 0;
    case InputRules::KeyAction::DesperateResult:
        if (CVDesperateResultWnd* panel = periphery.desperateResult) panel->OnKeyDown(vk, 0, 0);
        SetDirty();
        return 0;
    case InputRules::KeyAction::None: break;
    }
    return GVWS::OnKeyDown(vk, repeat, flags);
}

int CMirelleVWS::OnKeyUp(UINT vk, UINT, UINT)
{
    if (const int n = InputRules::HandCardOfKeyUp(static_cast<int>(vk))) SelectHandCard(n);
    return 0;
}

void CMirelleVWS::SelectHandCard(int n)
{
    const int own = FindSeatByKey(ownUser.userKey);
    InputRules::HandContext c;
    c.ownTurn = timers.outlineBlink;
    c.seated = own >= 0;
    c.robot = own >= 0 && IsRobotSeat(own);
    const CHTUser* record = own >= 0 ? &gameInfo.users[static_cast<size_t>(own)] : nullptr;
    if (record) {
        c.handSize = static_cast<int>(record->hand.size());
        c.deckFlips = record->deckFlips;
    }
    c.deckSize = static_cast<int>(gameInfo.deck.size());
    const InputRules::HandPick pick = InputRules::ChooseHandCard(n, c);
    if (pick.kind == InputRules::PickKind::Hand) {
        OnHandCardClicked(Engine().CardWndBySlot(record->hand[static_cast<size_t>(pick.handIndex)]));
    } else if (pick.kind == InputRules::PickKind::Deck) {
        if (pick.marker >= 0) {
            if (GVQZSWnd* marker = tableWidgets.holdBombs[static_cast<size_t>(pick.marker)]) {
                marker->Show(false);
                InvalidateWnd(marker);
            }
        }
        OnHandCardClicked(Engine().CardWndBySlot(gameInfo.deck.front()));
    }
}

bool CMirelleVWS::IsPendingDeckCard(const GVWnd* wnd) const
{
    const int own = FindSeatByKey(ownUser.userKey);
    if (!wnd || own < 0 || gameInfo.deck.empty()) return false;
    return gameInfo.users[static_cast<size_t>(own)].deckFlips >= 1 && Engine().CardWndBySlot(gameInfo.deck.front()) == wnd;
}

int CMirelleVWS::OnHandCardClicked(CVHTWnd* card)
{
    const int own = FindSeatByKey(ownUser.userKey);
    if (!card || own < 0 || IsRobotSeat(own)) return 0;
    // A hand card goes by its id, as the time-out and auto-play choices send it; the deck card is 50.
    int32_t cardId = -1;
    if (FindOwnCardWnd(card, false)) cardId = card->GetFace().cardId;
    else if (IsPendingDeckCard(card)) cardId = kCardCount;
    if (cardId < 0 || !Requests().SendPlayCard(cardId, 0)) return 0;
    HoverCards(nullptr, false, false);
    // The own card is out: F1 and F2 go to a prompt that opens later in this turn.
    timers.outlineBlink = false;
    StopPhaseTimer();
    PlaySoundId(SoundId::ButtonClick);
    SetAutoPlay(false);
    SetDirty();
    return 1;
}

CVHTWnd* CMirelleVWS::FindOwnCardWnd(GVWnd* wnd, bool floorMode) const
{
    auto* card = dynamic_cast<CVHTWnd*>(wnd);
    const int own = FindSeatByKey(ownUser.userKey);
    if (!card || own < 0) return nullptr;
    const std::vector<int32_t>& list = floorMode ? floor.cards : gameInfo.users[static_cast<size_t>(own)].hand;
    for (int32_t slot : list)
        if (Engine().CardWndBySlot(slot) == card) return card;
    return nullptr;
}

int CMirelleVWS::HoverCards(CVHTWnd* card, bool pressed, bool floorMode)
{
    const int own = FindSeatByKey(ownUser.userKey);
    if (!timers.outlineBlink || own < 0) return 0;
    const std::vector<int32_t>& list = floorMode ? floor.cards : gameInfo.users[static_cast<size_t>(own)].hand;
    const HoverState lifted = pressed ? HoverState::Pressed : HoverState::Hover;

    // A group of one month marked by its hint rises with the card under the pointer.
    int found = -1;
    for (size_t k = 0; k < list.size(); ++k)
        if (card && Engine().CardWndBySlot(list[k]) == card) found = static_cast<int>(k);
    bool group = false;
    if (!floorMode && found >= 0 && found < TableWidgets::kHandSlots) {
        group = std::any_of(std::begin(kGroupMarkers), std::end(kGroupMarkers), [&](int i) {
            const GVWnd* m = Engine().GetHandMarker(found, i);
            return m && m->IsVisible();
        });
    }
    bool changed = false;
    for (size_t k = 0; k < list.size(); ++k) {
        CVHTWnd* w = Engine().CardWndBySlot(list[k]);
        if (!w) continue;
        const bool lift = w == card || (group && w->GetFace().month == card->GetFace().month);
        const HoverState want = lift ? lifted : HoverState::Rest;
        if (w->GetHoverState() == want) continue;
        changed |= w->SetHoverState(want, &Engine(), static_cast<int>(k), floorMode);
        InvalidateWnd(w);
    }
    return changed ? 1 : 0;
}

void CMirelleVWS::ShowCursorKind(CursorKind kind)
{
    SetCursor(kind == CursorKind::Click ? clickCursor : normalCursor);
    cursorState = static_cast<int>(kind);
}

int CMirelleVWS::OnMouseMove(UINT flags, Point p)
{
    if (!IsInputEnabled()) return 0;
    GVWnd* previous = GetMouseWnd();
    GVWnd* wnd = WndFromPoint(p);
    const bool floorMode = IsFloorPickMode();
    CVHTWnd* card = FindOwnCardWnd(wnd, floorMode);
    // FIXME: the money-limit tooltip follows its mark once the money-limit widgets are loaded.

    InputRules::CursorContext c;
    c.widget = wnd != nullptr;
    c.ownTurnSeated = timers.outlineBlink && IsUserSeated();
    c.ownCard = card != nullptr;
    c.pendingDeckCard = IsPendingDeckCard(wnd);
    c.pushButton = IsPushButton(wnd);
    c.overAvatar = !wnd && SeatAvatarKeyAt(p, AvatarArea::AvatarOnly) >= 0;
    ShowCursorKind(InputRules::ChooseCursor(c));

    if (HoverCards(card, (flags & MK_LBUTTON) != 0, floorMode)) SetDirty();
    if (flags & MK_LBUTTON) {
        if (previous && previous->OnMouseMove(flags, p)) InvalidateWnd(previous);
        return 0;
    }
    if (wnd) {
        const int took = wnd->OnMouseMove(flags, p);
        InvalidateWnd(wnd);
        if (took && cursorState == static_cast<int>(CursorKind::Normal)) ShowCursorKind(CursorKind::Click);
    }
    HoverBettingButtons(wnd);
    HoverPickChoices(wnd, previous);
    if (previous && previous != wnd) {
        previous->OnMouseMove(flags, p);
        InvalidateWnd(previous);
    }
    if (!wnd) SetMouseWnd(nullptr);
    else if (wnd != previous && wnd->IsHot()) SetMouseWnd(wnd);
    return 0;
}

int CMirelleVWS::OnLButtonDown(UINT flags, Point p)
{
    if (!IsInputEnabled()) return 0;
    const HWND game = GetGameWnd();
    if (game) SetFocus(game);
    if (!GetCursor()) OnMouseMove(flags, p);
    const InputRules::PressResult press = InputRules::DecidePress(p, window && window->IsFullScreen());
    if (press.capture && game) SetCapture(game);
    // The option panel at the right edge takes only its own 191 x 342 rectangle from (609, 177).
    GVWnd* wnd = WndFromPoint(p);
    if (!wnd) {
        const int32_t key = SeatAvatarKeyAt(p, AvatarArea::WithPanel);
        ShowUserPopupMenu(key >= 0, key, p);
        return key >= 0 ? 1 : press.result;
    }
    if (IsPopupMenuEntry(wnd) && wnd->OnLButtonDown(flags, p)) {
        InvalidateWnd(wnd);
        return 1;
    }
    if (IsPopupMenuShown()) ShowUserPopupMenu(false, -1, {});
    if (timers.outlineBlink) {
        const bool floorMode = IsFloorPickMode();
        CVHTWnd* card = FindOwnCardWnd(wnd, floorMode);
        // Only a press on an own card stops here; dropping a stray lift lets the press go on.
        if (HoverCards(card, true, floorMode)) {
            SetDirty();
            if (card) return 1;
        }
    }
    if (wnd->OnLButtonDown(flags, p)) {
        InvalidateWnd(wnd);
        return 1;
    }
    return press.result;
}

int CMirelleVWS::OnLButtonUp(UINT flags, Point p)
{
    if (!IsInputEnabled()) return 0;
    ReleaseCapture();
    GVWnd* wnd = WndFromPoint(p);
    if (!wnd) {
        ReleaseOverNothing(flags, p);
        return 0;
    }
    GVWnd* previous = GetMouseWnd();
    SetMouseWnd(wnd);
    if (previous && previous != wnd) {
        previous->OnLButtonUp(flags, p);
        SetDirty();
    }
    if (cursorState != static_cast<int>(CursorKind::Normal)) ShowCursorKind(CursorKind::Normal);
    if (ClickRoomButton(wnd, flags, p) || ClickTableCard(wnd)) {
        SetDirty();
        return 0;
    }
    if (ClickBettingButton(wnd, flags, p)) {
        SetDirty();
        return 0;
    }
    if (wnd->OnLButtonUp(flags, p)) {
        InvalidateWnd(wnd);
        SetDirty();
    }
    return 0;
}

void CMirelleVWS::HoverAtCursor()
{
    POINT cursor{};
    if (HWND wnd = GetGameWnd(); wnd && GetCursorPos(&cursor) && ScreenToClient(wnd, &cursor))
        OnMouseMove(0, Point(cursor.x, cursor.y));
}

void CMirelleVWS::HoverBettingButtons(const GVWnd* wnd)
{
    GVQZAniWnd* kind = betting.kinds[0];
    const int own = FindSeatByKey(ownUser.userKey);
    if (!kind || own < 0) return;
    const auto& buttons = betting.buttons;
    const auto at = wnd ? std::find(buttons.begin(), buttons.end(), wnd) : buttons.end();
    if (at == buttons.end()) {
        // Odd clips are not the hover's: they stay.
        if (kind->IsVisible() && kind->GetSubAnimation() % 2 == 0) {
            kind->Stop();
            kind->Show(false);
            InvalidateWnd(kind);
        }
        if (betting.dieWarning) betting.dieWarning->Show(false);
        return;
    }
    const auto index = at - buttons.begin();
    const int clip = index == 0 ? 0 : index == 1 ? 2 * (*at)->GetImageSet() + 2 : 6;
    if ((!kind->IsVisible() || kind->GetSubAnimation() != clip) && kind->SelectAnimation(clip)) {
        kind->Play(-1, false);
        InvalidateWnd(kind);
    }
    if (index == 2 && betting.dieWarning && GetPlayer(own).dieWarningCount >= kDieWarningCount)
        betting.dieWarning->Show(true);
}

void CMirelleVWS::HoverPickChoices(const GVWnd* wnd, const GVWnd* previous)
{
    if (!IsUserSeated() || timers.phaseTimerKind != DecisionKind::SunPick || gameInfo.firstPlayerMode != 1) return;
    const auto& choices = entryWidgets.handButtons;
    int over = -1;
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i] && choices[i] == wnd && wnd->IsVisible() && wnd->IsEnabled()) over = static_cast<int>(i);
    if (over >= 0) ShowCursorKind(CursorKind::Click);
    // Clips restart only when the choice under the pointer changes.
    if (over == entryState.hoveredChoice) return;
    entryState.hoveredChoice = over;
    std::string name;
    for (size_t i = 0; i < choices.size(); ++i) {
        GVQZAniWnd* choice = choices[i];
        if (!choice || !choice->IsVisible() || !choice->IsEnabled()) continue;
        choice->SelectAnimationByName(Format(name, static_cast<int>(i) == over ? "%d_MOUSEOVER" : "%d_BLINK", static_cast<int>(i)));
        choice->Play(-1, false);
        InvalidateWnd(choice);
    }
    if (over >= 0 && !previous) PlaySoundId(SoundId::SunOver);
}

bool CMirelleVWS::ClickBettingButton(GVWnd* wnd, UINT flags, Point p)
{
    if (GetRoomState() != RoomState::Playing || timers.outlineBlink) return false;
    const auto& buttons = betting.buttons;
    const auto at = std::find(buttons.begin(), buttons.end(), wnd);
    if (!wnd || at == buttons.end()) return false;
    // Nothing here follows the request; the sender disables the choices once it went out.
    if (wnd->OnLButtonUp(flags, p))
        static_cast<void>(Requests().SendBettingChoice(static_cast<int32_t>(at - buttons.begin())));
    return true;
}

void CMirelleVWS::ReleaseOverNothing(UINT flags, Point p)
{
    if (timers.outlineBlink) {
        HoverCards(nullptr, false, timers.phaseTimerKind == DecisionKind::SunPick);
        SetDirty();
        const int own = FindSeatByKey(ownUser.userKey);
        const int flips = own >= 0 ? gameInfo.users[static_cast<size_t>(own)].deckFlips : 0;
        // The server's count may exceed the six markers: walk at most those.
        const int walk = IsOwnTurn() ? InputRules::DeckFlipMarkersToWalk(flips) : 0;
        for (int i = 0; i < walk; ++i) {
            GVQZSWnd* marker = tableWidgets.holdBombs[static_cast<size_t>(i)];
            if (!marker || !marker->IsVisible() || !marker->HitTest(p.x, p.y, 0)) continue;
            marker->Show(false);
            InvalidateWnd(marker);
            SelectHandCard(InputRules::kDeckKey);
            break;
        }
    }
    if (IsPopupMenuShown() && !PopupMenuRect().Contains(p)) ShowUserPopupMenu(false, -1, {});
    if (GVWnd* mouse = GetMouseWnd()) mouse->OnLButtonUp(flags, p);
    SetDirty();
}

// A card of the table during the own turn: the pick of the first player or the own card to play.
bool CMirelleVWS::ClickTableCard(GVWnd* wnd)
{
    if (GetRoomState() != RoomState::Playing || !timers.outlineBlink) return false;
    if (timers.phaseTimerKind == DecisionKind::SunPick) return Flows().firstPlayer.OnSunPickClicked(wnd) != 0;
    if (!IsOwnTurn()) return false;
    auto* card = dynamic_cast<CVHTWnd*>(wnd);
    return card && OnHandCardClicked(card) != 0;
}

// The room's own buttons act on a click released inside them; false for any other widget.
bool CMirelleVWS::ClickRoomButton(GVWnd* wnd, UINT flags, Point p)
{
    RoomButtons& b = roomButtons;
    const CVPSPPushBtn* known[] = {b.close,  b.exit,  b.cancelExit, b.memo,  b.capture,         b.minimize,
                                   b.fullScreen, b.join, b.watch, b.option, b.vip, b.start, b.autoPlaySetting,
                                   b.autoPlayCancel, b.invite};
    auto* button = dynamic_cast<CVPSPPushBtn*>(wnd);
    if (button && IsPopupMenuShown() && IsPopupMenuEntry(button)) {
        const auto entry = std::find(b.popupMenu.begin(), b.popupMenu.end(), button);
        if (button->OnLButtonUp(flags, p)) OnUserPopupCommand(static_cast<int>(entry - b.popupMenu.begin()));
        return true;
    }
    if (!button || std::find(std::begin(known), std::end(known), button) == std::end(known)) return false;
    if (!button->OnLButtonUp(flags, p)) return true;
    const int own = FindSeatByKey(ownUser.userKey);
    if (button == b.close || button == b.exit || button == b.cancelExit) {
        OnLeaveButton();
    } else if (button == b.memo) {
        HostRequest(ownUser.userKey, HostRequestCode::Memo, 0, nullptr, nullptr);
    } else if (button == b.capture) {
        PlaySoundId(SoundId::Capture);
        HostRequest(ownUser.userKey, HostRequestCode::Capture, 0, nullptr, nullptr);
    } else if (button == b.minimize || button == b.fullScreen) {
        OnTitleWindowButton(button);
    } else if (button == b.join) {
        const InputRules::JoinAction join = InputRules::DecideJoin(GetRoomState(), own >= 0);
        // The title buttons change only once the request went out; nothing else follows it here.
        if (join == InputRules::JoinAction::Play) static_cast<void>(Requests().SendPlay(0));
        else if (join == InputRules::JoinAction::Observe) static_cast<void>(Requests().SendObserve());
    } else if (button == b.watch) {
        if (ConfirmAntiLeave(own >= 0 && GetPlayer(own).observeReserved != 0))
            static_cast<void>(Requests().SendObserve());
    } else if (button == b.option) {
        OpenOptionWindow();
    } else if (button == b.vip) {
        OpenVipDialog();
    } else if (button == b.start) {
        static_cast<void>(Requests().SendStart());  // refused or lost: the button stays hidden either way
    } else if (button == b.autoPlaySetting || button == b.autoPlayCancel) {
        OnAutoPlayButton(button == b.autoPlaySetting && !controls.autoPlay);
    } else if (button == b.invite && GetRoomState() == RoomState::Waiting && IsRobotAvatarHidden()) {
        HostRequest(ownUser.userKey, HostRequestCode::StartInviting, 0, nullptr, nullptr);
        PlaySoundId(SoundId::ButtonClick);
    }
    return true;
}

void CMirelleVWS::OnAutoPlayButton(bool on)
{
    // The local switch follows the click; the server's copy is only told, and a lost request is
    // reported where it is sent.
    SetAutoPlay(on);
    static_cast<void>(Requests().SendAutoPlay(on ? 1 : 0));
    const int own = FindSeatByKey(ownUser.userKey);
    if (own >= 0) GetPlayer(own).turnTimeoutCount = 0;
    static_cast<void>(Requests().SendTimeoutCount(0));
}

void CMirelleVWS::OnTitleWindowButton(CVPSPPushBtn* button)
{
    PlaySoundId(SoundId::ButtonClick);
    button->SetHover(false);
    if (!window) return;
    if (button == roomButtons.minimize) {
        PostMessageA(window->GetHostWnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return;
    }
    const bool full = window->IsFullScreen();
    (void)button->SetImageSet(full ? 0 : 1);
    RECT client{};
    GetClientRect(GetGameWnd(), &client);
    if (IHostInterface* host = GetHost()) host->RequestScreenMode(full ? 0 : 1, client.right, client.bottom, 0);
}

void CMirelleVWS::OnLeaveButton()
{
    const int own = FindSeatByKey(ownUser.userKey);
    InputRules::LeaveContext c;
    c.roomKind = room.roomKind;
    c.roomState = GetRoomState();
    c.ownInTable = own >= 0;
    c.roundStarted = controls.roundStarted;
    switch (InputRules::DecideLeave(c)) {
    case InputRules::LeaveAction::GiveUp: static_cast<void>(Requests().SendGiveUp()); return;  // nothing follows it
    case InputRules::LeaveAction::Stay: return;
    case InputRules::LeaveAction::ConfirmThenExit:
        if (!ConfirmAntiLeave(own >= 0 && GetPlayer(own).exitReserved != 0)) return;
        [[fallthrough]];
    case InputRules::LeaveAction::Exit:
        ExitRoom();
        return;
    }
}

bool CMirelleVWS::ConfirmAntiLeave(bool alreadyReserved)
{
    InputRules::AntiLeaveContext c;
    c.robotSeated = HasRobotSeat();
    c.roomState = GetRoomState();
    c.ownSeated = IsUserSeated();
    c.alreadyReserved = alreadyReserved;
    c.roomKind = room.roomKind;
    c.antiLeaveSetting = room.option.antiLeave;
    c.antiLeaveActive = controls.antiLeaveActive;
    if (!InputRules::NeedsAntiLeaveConfirmation(c)) return true;
    return ShowMessageBox(kAntiLeaveText, 1, 0, kAntiLeaveTitle, kBoxColor) == 1;
}

void CMirelleVWS::ShowStartButton(bool show)
{
    StopTimer(TimerId::Start);
    CVPSPPushBtn* start = roomButtons.start;
    if (!start) return;
    const bool emptySeat = HasSeatWithoutUser();
    bool visible = show;
    if (show && !IsTournamentRoom()) visible = ownUser.userKey != -1 && GetPlayer(0).userKey == ownUser.userKey;
    else if (show) visible = !emptySeat;
    if (visible && !start->IsVisible()) PlaySoundId(SoundId::GameStart);
    (void)start->SetImageSet(emptySeat ? 1 : 0);
    start->Show(visible);
    InvalidateWnd(start);
}

int CMirelleVWS::OnImeStartComposition(WPARAM, LPARAM)
{
    return 0;
}

int CMirelleVWS::OnImeComposition(WPARAM, LPARAM)
{
    return 0;
}

int CMirelleVWS::OnImeEndComposition(WPARAM, LPARAM)
{
    return 0;
}

int CMirelleVWS::OnSetFocus()
{
    return 0;
}

int CMirelleVWS::OnKillFocus()
{
    if (HoverCards(nullptr, false, IsFloorPickMode())) SetDirty();
    return 0;
}

int CMirelleVWS::OnAppCommand()
{
    return 0;
}
