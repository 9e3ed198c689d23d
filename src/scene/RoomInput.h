#pragma once

#include <windows.h>

#include "foundation/core/Geometry.h"

class CMirelleVWS;
class CVHTWnd;
class CVPSPPushBtn;
class GVWnd;
namespace InputRules {
enum class CursorKind;
}

// The room's input: hot keys, clicks on the room's buttons and hand cards, hovering and the
// cursor. What it does not take goes on to the widgets through the scene.
class RoomInput {
public:
    explicit RoomInput(CMirelleVWS& owner) : scene(owner) {}

    int OnKeyDown(UINT vk, UINT repeat, UINT flags);
    int OnKeyUp(UINT vk, UINT repeat, UINT flags);
    int OnMouseMove(UINT flags, Point p);
    int OnLButtonDown(UINT flags, Point p);
    int OnLButtonUp(UINT flags, Point p);
    int OnKillFocus();
    // Plays hand card n (1..11; 11 and the keys past the hand the pending deck card) as a click would.
    void SelectHandCard(int n);
    // 1 when the click on an own hand card or the pending deck card sent the play.
    int OnHandCardClicked(CVHTWnd* card);
    // Lifts (pressed: pushes) the card and drops every other; 1 when a card moved. Null drops all.
    int HoverCards(CVHTWnd* card, bool pressed, bool floorMode);
    // The mouse-over state again at the cursor's place, as a move there would set it.
    void HoverAtCursor();
    // True when the action may go on: no question was due, or the user answered yes.
    bool ConfirmAntiLeave(bool alreadyReserved);
    void ShowStartButton(bool show);
    int GetCursorState() const { return cursorState; }

private:
    bool IsFloorPickMode() const;
    bool IsPendingDeckCard(const GVWnd* wnd) const;
    // The card window the widget is, when it lies in the own hand (on the floor in floor mode).
    CVHTWnd* FindOwnCardWnd(GVWnd* wnd, bool floorMode) const;
    void ShowCursorKind(InputRules::CursorKind kind);
    void FollowMoneyLimitMark(Point p);
    void ReleaseOverNothing(UINT flags, Point p);
    // The bet-kind clip and the die warning follow the pointer over the betting buttons.
    void HoverBettingButtons(const GVWnd* wnd);
    // The hand pick's choices blink, the one under the pointer shows its mouse-over clip.
    void HoverPickChoices(const GVWnd* wnd, const GVWnd* previous);
    // A betting button's click outside the own turn: true when the button took the release.
    bool ClickBettingButton(GVWnd* wnd, UINT flags, Point p);
    bool ClickRoomButton(GVWnd* wnd, UINT flags, Point p);
    bool ClickTableCard(GVWnd* wnd);
    void OnLeaveButton();
    void OnTitleWindowButton(CVPSPPushBtn* button);
    void OnAutoPlayButton(bool on);

    CMirelleVWS& scene;
    int cursorState = 1;  // 1 the normal cursor shows, 2 the click cursor
};
