#pragma once

#include <cstdint>

#include "foundation/core/Geometry.h"
#include "protocol/RoomCodes.h"
#include "scene/core/RoomTypes.h"

// What the room does with a key, a click or a press, decided from plain facts about the room.
// The scene gathers the facts and carries the decision out.
namespace InputRules {

// Virtual-key codes the room answers (the Windows values).
constexpr int kKeyEnter = 13;
constexpr int kKeySpace = 32;
constexpr int kKeyF1 = 112;
constexpr int kKeyF2 = 113;
constexpr int kKeyF11 = 122;

// Where a key press goes.
enum class KeyAction {
    None,            // nothing of the room's: the focus widget may take it
    PostClose,       // tell the host's window (Enter)
    SendStart,
    HandCard,        // SelectHandCard(value)
    Macro,           // chat macro `value`
    Notify,          // the decision prompt takes the key
    Result,          // the result window takes the key
    DesperateResult, // the target-score result window takes the key
};
struct KeyRoute {
    KeyAction action = KeyAction::None;
    int value = 0;
    bool operator==(const KeyRoute&) const = default;
};

struct KeyContext {
    bool ownTurn = false;  // the own outline blinks
    RoomState roomState = RoomState::None;
    bool startButtonVisible = false;
    bool robotSeated = false;
    bool targetScoreRoom = false;  // room kind 40..43
    bool notifyVisible = false;
    bool resultVisible = false;
    bool desperateResultVisible = false;
};
KeyRoute RouteKeyDown(int vk, const KeyContext& c);
// A window took the key: the scene stops there and answers 0.
constexpr bool WentToWindow(KeyAction a)
{
    return a == KeyAction::Notify || a == KeyAction::Result || a == KeyAction::DesperateResult;
}

// The hand card 1..10 of a released letter key by its place on the keyboard (Q W E R T / A S D F G);
// 0 for any other key.
int HandCardOfKeyUp(int vk);

// The title strip: a press there with nothing under it drags the window.
constexpr Rect kTitleStrip{0, 0, 700, 20};
bool IsInTitleStrip(Point p);
struct PressResult {
    int result = 0;        // what the button-down handler answers when nothing takes the press
    bool capture = false;  // capture the mouse
    bool operator==(const PressResult&) const = default;
};
// Windowed, a press in the title strip answers 0 and leaves the mouse free for the window drag;
// full screen never drags.
PressResult DecidePress(Point p, bool fullScreen);

// Which card a hand-card key or a hand-card click plays.
enum class PickKind { None, Hand, Deck };
struct HandPick {
    PickKind kind = PickKind::None;
    int handIndex = -1;  // Hand: 0-based position in the hand
    int marker = -1;     // Deck: the deck-flip marker to hide first, -1 none
    bool operator==(const HandPick&) const = default;
};
struct HandContext {
    bool ownTurn = false;
    bool seated = false;
    bool robot = false;  // the own seat is the robot's
    int handSize = 0;
    int deckFlips = 0;   // pending deck flips of the own round record
    int deckSize = 0;
};
constexpr int kDeckFlipMarkers = 6;
constexpr int kDeckKey = 11;  // F11 plays the deck card whatever the hand holds
HandPick ChooseHandCard(int n, const HandContext& c);

// How many of the six deck-flip markers a release walks for `deckFlips` pending flips.
int DeckFlipMarkersToWalk(int deckFlips);

// The anti-leave question before leaving or watching during a game.
struct AntiLeaveContext {
    bool robotSeated = false;
    RoomState roomState = RoomState::None;
    bool ownSeated = false;
    bool alreadyReserved = false;  // the own seat reserved this action already
    int32_t roomKind = 0;
    int32_t antiLeaveSetting = 0;  // the room option, 1..3 when the room has the rule
    bool antiLeaveActive = false;
};
bool NeedsAntiLeaveConfirmation(const AntiLeaveContext& c);

// The three leave buttons (the title bar's close, exit and cancel-exit).
enum class LeaveAction { Stay, GiveUp, Exit, ConfirmThenExit };
struct LeaveContext {
    int32_t roomKind = 0;
    RoomState roomState = RoomState::None;
    bool ownInTable = false;
    bool roundStarted = false;
};
LeaveAction DecideLeave(const LeaveContext& c);

// The join button.
enum class JoinAction { None, Play, Observe };
JoinAction DecideJoin(RoomState state, bool ownInTable);

// The cursor the pointer shows.
enum class CursorKind { Normal = 1, Click = 2 };
struct CursorContext {
    bool widget = false;            // a widget lies under the pointer
    bool ownTurnSeated = false;     // own turn while the own user holds a seat
    bool ownCard = false;           // the widget is an own card window
    bool pendingDeckCard = false;   // it is the deck's first card while deck flips are pending
    bool pushButton = false;
    bool overAvatar = false;        // no widget, but a seat's avatar
};
CursorKind ChooseCursor(const CursorContext& c);

}  // namespace InputRules
