#include "scene/core/InputRules.h"

#include <algorithm>

namespace InputRules {

namespace {

// Space and, outside the own turn and the prompt, F1: whichever result window shows takes the key.
KeyRoute RouteToResult(const KeyContext& c)
{
    // The target-score result shows whoever sits, so it takes the keys whenever it is visible.
    if (c.desperateResultVisible) return KeyRoute{KeyAction::DesperateResult};
    return c.resultVisible ? KeyRoute{KeyAction::Result} : KeyRoute{};
}

KeyRoute RouteSpace(const KeyContext& c)
{
    switch (c.roomState) {
    case RoomState::Waiting: return c.startButtonVisible ? KeyRoute{KeyAction::SendStart} : KeyRoute{};
    case RoomState::Playing:
        return c.startButtonVisible && c.robotSeated ? KeyRoute{KeyAction::SendStart} : KeyRoute{};
    case RoomState::RoundOver: return RouteToResult(c);
    default: return {};
    }
}

KeyRoute RoutePromptKey(int n, const KeyContext& c)
{
    if (c.ownTurn) return {KeyAction::HandCard, n};
    if (c.notifyVisible) return {KeyAction::Notify, n};
    if (c.roomState != RoomState::RoundOver) return {};
    // F2 has no target-score counterpart: only the ordinary result window takes it.
    if (n == 2) return c.resultVisible ? KeyRoute{KeyAction::Result} : KeyRoute{};
    return RouteToResult(c);
}

}  // namespace

KeyRoute RouteKeyDown(int vk, const KeyContext& c)
{
    if (vk == kKeyEnter) return {KeyAction::PostClose};
    if (vk == kKeySpace) return RouteSpace(c);
    if (vk == kKeyF1 || vk == kKeyF2) return RoutePromptKey(vk - kKeyF1 + 1, c);
    if (vk > kKeyF2 && vk <= kKeyF11) return {KeyAction::HandCard, vk - kKeyF1 + 1};
    if (vk >= '0' && vk <= '9') return {KeyAction::Macro, vk - '0'};
    return {};
}

int HandCardOfKeyUp(int vk)
{
    constexpr char kKeys[] = "QWERTASDFG";
    for (int i = 0; i < 10; ++i)
        if (vk == kKeys[i]) return i + 1;
    return 0;
}

bool IsInTitleStrip(Point p)
{
    return kTitleStrip.Contains(p);
}

PressResult DecidePress(Point p, bool fullScreen)
{
    if (!IsInTitleStrip(p)) return {1, true};
    return {fullScreen ? 1 : 0, false};
}

HandPick ChooseHandCard(int n, const HandContext& c)
{
    if (!c.ownTurn || !c.seated || c.robot) return {};
    if (n < 1 || n > kDeckKey) return {};
    if (n <= c.handSize) return {PickKind::Hand, n - 1, -1};
    if (c.deckFlips < 1 || c.deckSize < 1) return {};
    if (n == kDeckKey) return {PickKind::Deck, -1, -1};
    // The n-th key past the hand names the (n - hand size)-th pending flip and its marker.
    const int past = n - std::max(c.handSize, 0);
    if (past > c.deckFlips || past > kDeckFlipMarkers) return {};
    return {PickKind::Deck, -1, past - 1};
}

int DeckFlipMarkersToWalk(int deckFlips)
{
    return std::clamp(deckFlips, 0, kDeckFlipMarkers);
}

bool NeedsAntiLeaveConfirmation(const AntiLeaveContext& c)
{
    if (c.robotSeated || !c.ownSeated || c.alreadyReserved) return false;
    if (static_cast<int32_t>(c.roomState) < static_cast<int32_t>(RoomState::Playing)) return false;
    return IsAntiLeaveRoom(c.roomKind, c.antiLeaveSetting) && c.antiLeaveActive;
}

LeaveAction DecideLeave(const LeaveContext& c)
{
    if (!IsTournamentRoom(c.roomKind)) return LeaveAction::ConfirmThenExit;
    if (c.roomState == RoomState::Playing && c.ownInTable && c.roundStarted) return LeaveAction::GiveUp;
    if (c.roomState == RoomState::Waiting) return LeaveAction::Exit;
    return c.ownInTable ? LeaveAction::Stay : LeaveAction::Exit;
}

JoinAction DecideJoin(RoomState state, bool ownInTable)
{
    switch (state) {
    case RoomState::Waiting: return JoinAction::Play;
    case RoomState::Playing: return ownInTable ? JoinAction::Observe : JoinAction::Play;
    case RoomState::RoundOver: return JoinAction::Observe;
    default: return JoinAction::None;
    }
}

CursorKind ChooseCursor(const CursorContext& c)
{
    if (!c.widget) return c.overAvatar ? CursorKind::Click : CursorKind::Normal;
    if (c.ownTurnSeated && (c.ownCard || c.pendingDeckCard)) return CursorKind::Click;
    return c.pushButton ? CursorKind::Click : CursorKind::Normal;
}

}  // namespace InputRules
