#include "scene/RoomInput.h"

#include "scene/CMirelleVWS.h"
#include "scene/ScenePrompt.h"
#include "scene/SceneResult.h"

#include <algorithm>

#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "scene/SceneWindow.h"
#include "scene/core/InputRules.h"
#include "table/TableEngine.h"
#include "table/core/EntryRules.h"
#include "table/core/RoundRules.h"
#include "table/flows/RoomFlows.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVPushBtn.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVDesperateResultWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVNotifyWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVResultWnd.h"
#include "scene/HostLink.h"
#include "scene/RoomOptions.h"
#include "scene/RoomView.h"
#include "scene/SeatView.h"

namespace {

using InputRules::CursorKind;

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

bool RoomInput::IsFloorPickMode() const
{
    return scene.timers.phaseTimerKind == CMirelleVWS::DecisionKind::SunPick && scene.gameInfo.firstPlayerMode == 0;
}

int RoomInput::OnKeyDown(UINT vk, UINT repeat, UINT flags)
{
    InputRules::KeyContext c;
    c.ownTurn = scene.timers.outlineBlink;
    c.roomState = scene.GetRoomState();
    c.startButtonVisible = scene.roomButtons.start && scene.roomButtons.start->IsVisible();
    c.robotSeated = scene.HasRobotSeat();
    c.targetScoreRoom = scene.IsDesperateRoom();
    c.notifyVisible = scene.roomWidgets.notify && scene.roomWidgets.notify->IsVisible();
    c.resultVisible = scene.resultWidgets.result && scene.resultWidgets.result->IsVisible();
    c.desperateResultVisible = scene.periphery.desperateResult && scene.periphery.desperateResult->IsVisible();
    const InputRules::KeyRoute route = InputRules::RouteKeyDown(static_cast<int>(vk), c);
    switch (route.action) {
    case InputRules::KeyAction::PostClose:
        scene.Link().PostCloseToHost();
        break;
    // A key whose request is refused or lost does nothing more; a lost one is reported where it is sent.
    case InputRules::KeyAction::SendStart: static_cast<void>(scene.Requests().SendStart()); break;
    case InputRules::KeyAction::HandCard: SelectHandCard(route.value); break;
    case InputRules::KeyAction::Macro: static_cast<void>(scene.Requests().SendMacro(route.value)); break;
    case InputRules::KeyAction::Notify: scene.Prompt().AnswerNotifyByKey(static_cast<int>(vk)); return 0;
    case InputRules::KeyAction::Result: scene.Result().AnswerResultByKey(static_cast<int>(vk)); return 0;
    case InputRules::KeyAction::DesperateResult:
        if (CVDesperateResultWnd* panel = scene.periphery.desperateResult) panel->OnKeyDown(vk, 0, 0);
        scene.SetDirty();
        return 0;
    case InputRules::KeyAction::None: break;
    }
    return scene.GVWS::OnKeyDown(vk, repeat, flags);
}

int RoomInput::OnKeyUp(UINT vk, UINT, UINT)
{
    if (const int n = InputRules::HandCardOfKeyUp(static_cast<int>(vk))) SelectHandCard(n);
    return 0;
}

void RoomInput::SelectHandCard(int n)
{
    const int own = scene.OwnSeat();
    InputRules::HandContext c;
    c.ownTurn = scene.timers.outlineBlink;
    c.seated = own >= 0;
    c.robot = own >= 0 && scene.IsRobotSeat(own);
    const CHTUser* record = own >= 0 ? &scene.RoundUser(own) : nullptr;
    if (record) {
        c.handSize = static_cast<int>(record->hand.size());
        c.deckFlips = record->deckFlips;
    }
    c.deckSize = static_cast<int>(scene.gameInfo.deck.size());
    const InputRules::HandPick pick = InputRules::ChooseHandCard(n, c);
    if (pick.kind == InputRules::PickKind::Hand) {
        OnHandCardClicked(scene.Engine().CardWndBySlot(record->hand[static_cast<size_t>(pick.handIndex)]));
    } else if (pick.kind == InputRules::PickKind::Deck) {
        if (pick.marker >= 0) {
            if (GVQZSWnd* marker = scene.tableWidgets.holdBombs[static_cast<size_t>(pick.marker)]) {
                marker->Show(false);
            }
        }
        OnHandCardClicked(scene.Engine().CardWndBySlot(scene.gameInfo.deck.front()));
    }
}

bool RoomInput::IsPendingDeckCard(const GVWnd* wnd) const
{
    const int own = scene.OwnSeat();
    if (!wnd || own < 0 || scene.gameInfo.deck.empty()) return false;
    return scene.RoundUser(own).deckFlips >= 1 && scene.Engine().CardWndBySlot(scene.gameInfo.deck.front()) == wnd;
}

int RoomInput::OnHandCardClicked(CVHTWnd* card)
{
    const int own = scene.OwnSeat();
    if (!card || own < 0 || scene.IsRobotSeat(own)) return 0;
    // A hand card goes by its id, as the time-out and auto-play choices send it; the deck card is 50.
    int32_t cardId = -1;
    if (FindOwnCardWnd(card, false)) cardId = card->GetFace().cardId;
    else if (IsPendingDeckCard(card)) cardId = kCardCount;
    if (cardId < 0 || !scene.Requests().SendPlayCard(cardId, 0)) return 0;
    HoverCards(nullptr, false, false);
    // The own card is out: F1 and F2 go to a prompt that opens later in this turn.
    scene.timers.outlineBlink = false;
    scene.StopPhaseTimer();
    scene.PlaySoundId(SoundId::ButtonClick);
    scene.Options().SetAutoPlay(false);
    scene.SetDirty();
    return 1;
}

CVHTWnd* RoomInput::FindOwnCardWnd(GVWnd* wnd, bool floorMode) const
{
    auto* card = dynamic_cast<CVHTWnd*>(wnd);
    const int own = scene.OwnSeat();
    if (!card || own < 0) return nullptr;
    const std::vector<int32_t>& list = floorMode ? scene.floor.cards : scene.RoundUser(own).hand;
    for (int32_t slot : list)
        if (scene.Engine().CardWndBySlot(slot) == card) return card;
    return nullptr;
}

int RoomInput::HoverCards(CVHTWnd* card, bool pressed, bool floorMode)
{
    const int own = scene.OwnSeat();
    if (!scene.timers.outlineBlink || own < 0) return 0;
    const std::vector<int32_t>& list = floorMode ? scene.floor.cards : scene.RoundUser(own).hand;
    const HoverState lifted = pressed ? HoverState::Pressed : HoverState::Hover;

    // A group of one month marked by its hint rises with the card under the pointer.
    int found = -1;
    for (size_t k = 0; k < list.size(); ++k)
        if (card && scene.Engine().CardWndBySlot(list[k]) == card) found = static_cast<int>(k);
    bool group = false;
    if (!floorMode && found >= 0 && found < kHandSlots) {
        group = std::any_of(std::begin(kGroupMarkers), std::end(kGroupMarkers), [&](int i) {
            const GVWnd* m = scene.Engine().GetHandMarker(found, i);
            return m && m->IsVisible();
        });
    }
    bool changed = false;
    for (size_t k = 0; k < list.size(); ++k) {
        CVHTWnd* w = scene.Engine().CardWndBySlot(list[k]);
        if (!w) continue;
        const bool lift = w == card || (group && w->GetFace().month == card->GetFace().month);
        const HoverState want = lift ? lifted : HoverState::Rest;
        if (w->GetHoverState() == want) continue;
        changed |= w->SetHoverState(want, &scene.Engine(), static_cast<int>(k), floorMode);
        scene.InvalidateWnd(w);
    }
    return changed ? 1 : 0;
}

void RoomInput::ShowCursorKind(CursorKind kind)
{
    SetCursor(kind == CursorKind::Click ? scene.clickCursor : scene.normalCursor);
    cursorState = static_cast<int>(kind);
}

// The money-limit tooltip shows while the pointer is over its mark.
void RoomInput::FollowMoneyLimitMark(Point p)
{
    GVPSPWnd* tip = scene.moneyWidgets.limitTooltip;
    if (!tip || !RoundRules::IsEventPlayRoom(scene.room.roomKind, scene.HasRobotSeat(), scene.IsUserSeated())) return;
    const GVQZAniWnd* mark = scene.moneyWidgets.limitTooltipAnimation;
    const bool over = mark && mark->IsVisible() && mark->GetRect().Contains(p);
    if (tip->IsVisible() == over) return;
    tip->Show(over);
}

int RoomInput::OnMouseMove(UINT flags, Point p)
{
    if (!scene.IsInputEnabled()) return 0;
    GVWnd* previous = scene.GetMouseWnd();
    GVWnd* wnd = scene.WndFromPoint(p);
    const bool floorMode = IsFloorPickMode();
    CVHTWnd* card = FindOwnCardWnd(wnd, floorMode);
    FollowMoneyLimitMark(p);

    InputRules::CursorContext c;
    c.widget = wnd != nullptr;
    c.ownTurnSeated = scene.timers.outlineBlink && scene.IsUserSeated();
    c.ownCard = card != nullptr;
    c.pendingDeckCard = IsPendingDeckCard(wnd);
    c.pushButton = IsPushButton(wnd);
    c.overAvatar = !wnd && scene.Seats().SeatAvatarKeyAt(p, SeatView::AvatarArea::AvatarOnly) >= 0;
    ShowCursorKind(InputRules::ChooseCursor(c));

    if (HoverCards(card, (flags & MK_LBUTTON) != 0, floorMode)) scene.SetDirty();
    if (flags & MK_LBUTTON) {
        if (previous && previous->OnMouseMove(flags, p)) scene.InvalidateWnd(previous);
        return 0;
    }
    if (wnd) {
        const int took = wnd->OnMouseMove(flags, p);
        scene.InvalidateWnd(wnd);
        if (took && cursorState == static_cast<int>(CursorKind::Normal)) ShowCursorKind(CursorKind::Click);
    }
    HoverBettingButtons(wnd);
    HoverPickChoices(wnd, previous);
    if (previous && previous != wnd) {
        previous->OnMouseMove(flags, p);
        scene.InvalidateWnd(previous);
    }
    if (!wnd) scene.SetMouseWnd(nullptr);
    else if (wnd != previous && wnd->IsHot()) scene.SetMouseWnd(wnd);
    return 0;
}

int RoomInput::OnLButtonDown(UINT flags, Point p)
{
    if (!scene.IsInputEnabled()) return 0;
    const HWND game = scene.GetGameWnd();
    if (game) SetFocus(game);
    if (!GetCursor()) OnMouseMove(flags, p);
    const InputRules::PressResult press = InputRules::DecidePress(p, scene.window && scene.window->IsFullScreen());
    if (press.capture && game) SetCapture(game);
    // The option panel at the right edge takes only its own 191 x 342 rectangle from (609, 177).
    GVWnd* wnd = scene.WndFromPoint(p);
    if (!wnd) {
        const int32_t key = scene.Seats().SeatAvatarKeyAt(p, SeatView::AvatarArea::WithPanel);
        scene.Seats().ShowUserPopupMenu(key >= 0, key, p);
        return key >= 0 ? 1 : press.result;
    }
    if (scene.Seats().IsPopupMenuEntry(wnd) && wnd->OnLButtonDown(flags, p)) {
        scene.InvalidateWnd(wnd);
        return 1;
    }
    if (scene.Seats().IsPopupMenuShown()) scene.Seats().ShowUserPopupMenu(false, -1, {});
    if (scene.timers.outlineBlink) {
        const bool floorMode = IsFloorPickMode();
        CVHTWnd* card = FindOwnCardWnd(wnd, floorMode);
        // Only a press on an own card stops here; dropping a stray lift lets the press go on.
        if (HoverCards(card, true, floorMode)) {
            scene.SetDirty();
            if (card) return 1;
        }
    }
    if (wnd->OnLButtonDown(flags, p)) {
        scene.InvalidateWnd(wnd);
        return 1;
    }
    return press.result;
}

int RoomInput::OnLButtonUp(UINT flags, Point p)
{
    if (!scene.IsInputEnabled()) return 0;
    ReleaseCapture();
    GVWnd* wnd = scene.WndFromPoint(p);
    if (!wnd) {
        ReleaseOverNothing(flags, p);
        return 0;
    }
    GVWnd* previous = scene.GetMouseWnd();
    scene.SetMouseWnd(wnd);
    if (previous && previous != wnd) {
        previous->OnLButtonUp(flags, p);
        scene.SetDirty();
    }
    if (cursorState != static_cast<int>(CursorKind::Normal)) ShowCursorKind(CursorKind::Normal);
    if (ClickRoomButton(wnd, flags, p) || ClickTableCard(wnd)) {
        scene.SetDirty();
        return 0;
    }
    if (ClickBettingButton(wnd, flags, p)) {
        scene.SetDirty();
        return 0;
    }
    if (wnd->OnLButtonUp(flags, p)) {
        scene.InvalidateWnd(wnd);
        scene.SetDirty();
    }
    return 0;
}

void RoomInput::HoverAtCursor()
{
    POINT cursor{};
    if (HWND wnd = scene.GetGameWnd(); wnd && GetCursorPos(&cursor) && ScreenToClient(wnd, &cursor))
        OnMouseMove(0, Point(cursor.x, cursor.y));
}

void RoomInput::HoverBettingButtons(const GVWnd* wnd)
{
    GVQZAniWnd* kind = scene.betting.kinds[0];
    const int own = scene.OwnSeat();
    if (!kind || own < 0) return;
    const auto& buttons = scene.betting.buttons;
    const auto at = wnd ? std::find(buttons.begin(), buttons.end(), wnd) : buttons.end();
    if (at == buttons.end()) {
        // Odd clips are not the hover's: they stay.
        if (kind->IsVisible() && kind->GetSubAnimation() % 2 == 0) {
            kind->Stop();
            kind->Show(false);
        }
        if (scene.betting.dieWarning) scene.betting.dieWarning->Show(false);
        return;
    }
    const auto index = at - buttons.begin();
    const int clip = index == 0 ? 0 : index == 1 ? 2 * (*at)->GetImageSet() + 2 : 6;
    if ((!kind->IsVisible() || kind->GetSubAnimation() != clip) && kind->SelectAnimation(clip)) {
        kind->Play(-1, false);
    }
    if (index == 2 && scene.betting.dieWarning && scene.GetPlayer(own).dieWarningCount >= kDieWarningCount)
        scene.betting.dieWarning->Show(true);
}

void RoomInput::HoverPickChoices(const GVWnd* wnd, const GVWnd* previous)
{
    if (!scene.IsUserSeated() || scene.timers.phaseTimerKind != CMirelleVWS::DecisionKind::SunPick || scene.gameInfo.firstPlayerMode != 1) return;
    const auto& choices = scene.entryWidgets.handButtons;
    int over = -1;
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i] && choices[i] == wnd && wnd->IsVisible() && wnd->IsEnabled()) over = static_cast<int>(i);
    if (over >= 0) ShowCursorKind(CursorKind::Click);
    // Clips restart only when the choice under the pointer changes.
    if (over == scene.entryState.hoveredChoice) return;
    scene.entryState.hoveredChoice = over;
    std::string name;
    for (size_t i = 0; i < choices.size(); ++i) {
        GVQZAniWnd* choice = choices[i];
        if (!choice || !choice->IsVisible() || !choice->IsEnabled()) continue;
        choice->SelectAnimationByName(Format(name, static_cast<int>(i) == over ? "%d_MOUSEOVER" : "%d_BLINK", static_cast<int>(i)));
        choice->Play(-1, false);
    }
    if (over >= 0 && !previous) scene.PlaySoundId(SoundId::SunOver);
}

bool RoomInput::ClickBettingButton(GVWnd* wnd, UINT flags, Point p)
{
    if (scene.GetRoomState() != RoomState::Playing || scene.timers.outlineBlink) return false;
    const auto& buttons = scene.betting.buttons;
    const auto at = std::find(buttons.begin(), buttons.end(), wnd);
    if (!wnd || at == buttons.end()) return false;
    // Nothing here follows the request; the sender disables the choices once it went out.
    if (wnd->OnLButtonUp(flags, p))
        static_cast<void>(scene.Requests().SendBettingChoice(static_cast<int32_t>(at - buttons.begin())));
    return true;
}

void RoomInput::ReleaseOverNothing(UINT flags, Point p)
{
    if (scene.timers.outlineBlink) {
        HoverCards(nullptr, false, scene.timers.phaseTimerKind == CMirelleVWS::DecisionKind::SunPick);
        scene.SetDirty();
        const int own = scene.OwnSeat();
        const int flips = own >= 0 ? scene.RoundUser(own).deckFlips : 0;
        // The server's count may exceed the six markers: walk at most those.
        const int walk = scene.IsOwnTurn() ? InputRules::DeckFlipMarkersToWalk(flips) : 0;
        for (int i = 0; i < walk; ++i) {
            GVQZSWnd* marker = scene.tableWidgets.holdBombs[static_cast<size_t>(i)];
            if (!marker || !marker->IsVisible() || !marker->HitTest(p.x, p.y, 0)) continue;
            marker->Show(false);
            SelectHandCard(InputRules::kDeckKey);
            break;
        }
    }
    if (scene.Seats().IsPopupMenuShown() && !scene.Seats().PopupMenuRect().Contains(p)) scene.Seats().ShowUserPopupMenu(false, -1, {});
    if (GVWnd* mouse = scene.GetMouseWnd()) mouse->OnLButtonUp(flags, p);
    scene.SetDirty();
}

// A card of the table during the own turn: the pick of the first player or the own card to play.
bool RoomInput::ClickTableCard(GVWnd* wnd)
{
    if (scene.GetRoomState() != RoomState::Playing || !scene.timers.outlineBlink) return false;
    if (scene.timers.phaseTimerKind == CMirelleVWS::DecisionKind::SunPick) return scene.Flows().firstPlayer.OnSunPickClicked(wnd) != 0;
    if (!scene.IsOwnTurn()) return false;
    auto* card = dynamic_cast<CVHTWnd*>(wnd);
    return card && OnHandCardClicked(card) != 0;
}

// The room's own buttons act on a click released inside them; false for any other widget.
bool RoomInput::ClickRoomButton(GVWnd* wnd, UINT flags, Point p)
{
    RoomButtons& b = scene.roomButtons;
    const CVPSPPushBtn* known[] = {b.close,  b.exit,  b.cancelExit, b.memo,  b.capture,         b.minimize,
                                   b.fullScreen, b.join, b.watch, b.option, b.vip, b.start, b.autoPlaySetting,
                                   b.autoPlayCancel, b.invite};
    auto* button = dynamic_cast<CVPSPPushBtn*>(wnd);
    if (button && scene.Seats().IsPopupMenuShown() && scene.Seats().IsPopupMenuEntry(button)) {
        const auto entry = std::find(b.popupMenu.begin(), b.popupMenu.end(), button);
        if (button->OnLButtonUp(flags, p)) scene.Seats().OnUserPopupCommand(static_cast<int>(entry - b.popupMenu.begin()));
        return true;
    }
    if (!button || std::find(std::begin(known), std::end(known), button) == std::end(known)) return false;
    if (!button->OnLButtonUp(flags, p)) return true;
    const int own = scene.OwnSeat();
    if (button == b.close || button == b.exit || button == b.cancelExit) {
        OnLeaveButton();
    } else if (button == b.memo) {
        scene.Link().HostRequest(scene.ownUser.userKey, HostRequestCode::Memo, 0, nullptr, nullptr);
    } else if (button == b.capture) {
        scene.PlaySoundId(SoundId::Capture);
        scene.Link().HostRequest(scene.ownUser.userKey, HostRequestCode::Capture, 0, nullptr, nullptr);
    } else if (button == b.minimize || button == b.fullScreen) {
        OnTitleWindowButton(button);
    } else if (button == b.join) {
        const InputRules::JoinAction join = InputRules::DecideJoin(scene.GetRoomState(), own >= 0);
        // The title buttons change only once the request went out; nothing else follows it here.
        if (join == InputRules::JoinAction::Play) static_cast<void>(scene.Requests().SendPlay(0));
        else if (join == InputRules::JoinAction::Observe) static_cast<void>(scene.Requests().SendObserve());
    } else if (button == b.watch) {
        if (ConfirmAntiLeave(own >= 0 && scene.GetPlayer(own).observeReserved != 0))
            static_cast<void>(scene.Requests().SendObserve());
    } else if (button == b.option) {
        scene.Options().OpenOptionWindow();
    } else if (button == b.vip) {
        scene.Options().OpenVipDialog();
    } else if (button == b.start) {
        static_cast<void>(scene.Requests().SendStart());  // refused or lost: the button stays hidden either way
    } else if (button == b.autoPlaySetting || button == b.autoPlayCancel) {
        OnAutoPlayButton(button == b.autoPlaySetting && !scene.controls.autoPlay);
    } else if (button == b.invite && scene.GetRoomState() == RoomState::Waiting && scene.Seats().IsRobotAvatarHidden()) {
        scene.Link().HostRequest(scene.ownUser.userKey, HostRequestCode::StartInviting, 0, nullptr, nullptr);
        scene.PlaySoundId(SoundId::ButtonClick);
    }
    return true;
}

void RoomInput::OnAutoPlayButton(bool on)
{
    // The local switch follows the click; the server's copy is only told, and a lost request is
    // reported where it is sent.
    scene.Options().SetAutoPlay(on);
    static_cast<void>(scene.Requests().SendAutoPlay(on ? 1 : 0));
    const int own = scene.OwnSeat();
    if (own >= 0) scene.GetPlayer(own).turnTimeoutCount = 0;
    static_cast<void>(scene.Requests().SendTimeoutCount(0));
}

void RoomInput::OnTitleWindowButton(CVPSPPushBtn* button)
{
    scene.PlaySoundId(SoundId::ButtonClick);
    button->SetHover(false);
    if (!scene.window) return;
    if (button == scene.roomButtons.minimize) {
        PostMessageA(scene.window->GetHostWnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return;
    }
    const bool full = scene.window->IsFullScreen();
    (void)button->SetImageSet(full ? 0 : 1);
    RECT client{};
    GetClientRect(scene.GetGameWnd(), &client);
    if (IHostInterface* host = scene.Link().GetHost()) host->RequestScreenMode(full ? 0 : 1, client.right, client.bottom, 0);
}

void RoomInput::OnLeaveButton()
{
    const int own = scene.OwnSeat();
    InputRules::LeaveContext c;
    c.roomKind = scene.room.roomKind;
    c.roomState = scene.GetRoomState();
    c.ownInTable = own >= 0;
    c.roundStarted = scene.controls.roundStarted;
    switch (InputRules::DecideLeave(c)) {
    case InputRules::LeaveAction::GiveUp: static_cast<void>(scene.Requests().SendGiveUp()); return;  // nothing follows it
    case InputRules::LeaveAction::Stay: return;
    case InputRules::LeaveAction::ConfirmThenExit:
        if (!ConfirmAntiLeave(own >= 0 && scene.GetPlayer(own).exitReserved != 0)) return;
        [[fallthrough]];
    case InputRules::LeaveAction::Exit:
        scene.View().ExitRoom();
        return;
    }
}

bool RoomInput::ConfirmAntiLeave(bool alreadyReserved)
{
    InputRules::AntiLeaveContext c;
    c.robotSeated = scene.HasRobotSeat();
    c.roomState = scene.GetRoomState();
    c.ownSeated = scene.IsUserSeated();
    c.alreadyReserved = alreadyReserved;
    c.roomKind = scene.room.roomKind;
    c.antiLeaveSetting = scene.room.option.antiLeave;
    c.antiLeaveActive = scene.controls.antiLeaveActive;
    if (!InputRules::NeedsAntiLeaveConfirmation(c)) return true;
    return scene.Link().ShowMessageBox(kAntiLeaveText, BoxType::OkCancel, 0, kAntiLeaveTitle, kBoxTextColor) == BoxAnswer::Ok;
}

void RoomInput::ShowStartButton(bool show)
{
    scene.StopTimer(TimerId::Start);
    CVPSPPushBtn* start = scene.roomButtons.start;
    if (!start) return;
    const bool emptySeat = scene.HasSeatWithoutUser();
    bool visible = show;
    if (show && !scene.IsTournamentRoom()) visible = scene.ownUser.userKey != -1 && scene.GetPlayer(0).userKey == scene.ownUser.userKey;
    else if (show) visible = !emptySeat;
    if (visible && !start->IsVisible()) scene.PlaySoundId(SoundId::GameStart);
    (void)start->SetImageSet(emptySeat ? 1 : 0);
    start->Show(visible);
}





int RoomInput::OnKillFocus()
{
    if (HoverCards(nullptr, false, IsFloorPickMode())) scene.SetDirty();
    return 0;
}

