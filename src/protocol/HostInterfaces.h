#pragma once

#include <cstdint>

#include "foundation/Win32.h"

#include <oleauto.h>

// The two COM-style interfaces between the host (the portal's launcher) and the module:
// standard-call methods in fixed slots, no virtual destructor. Nothing thrown may cross them.

// What the module asks of the host through HostRequest.
enum class HostRequestCode : int32_t {
    PassText = 0,          // user key 0, in/out the text's length
    PendingValue = 1,
    EntryLimitLifted = 2,  // the room no longer limits the entry money (value 0)
    AntiLeaveEntered = 4,
    AntiLeaveLeft = 5,
    Capture = 9,
    RoomEntered = 14,
    StartInviting = 15,
    ReserveItem = 20,
    UseSafe = 22,          // the amount in `amount` and behind the text pointer
    ForcedExitRefused = 26,
    UserCounters = 27,
    OpenSafePage = 30,
    RefillAmount = 31,
    OutOfDate = 36,        // also reports a resource that failed to load
    HoldsItem = 43,        // the answer is the result
    OpenHostPage = 44,
    SetNamedControl = 45,  // the control's name as text, a HostControlState as value
    Memo = 50,
    MacroPhrase = 57,
    FetchText = 62,        // a zeroed 256-byte buffer, in/out 256
    ServerValue = 70,      // in/out the server's value
    SeatTaken = 72,
    ServerNotice = 75,
};

// The state of a named control of the host's title bar.
// The code of the notification posted to the host's window (WM_USER+1), with the room's value.
enum class HostNotifyCode : int32_t {
    Stay = 0,                // stay, or synchronise again
    Leave = 1,               // leave the room
    LeaveAntiLeaveRoom = 6,  // leave an anti-leave room
};

// IHostInterface::LeaveNotice codes: the moments the room tells the host about.
enum class LeaveNoticeCode : int32_t {
    Dealt = 0,        // a round was dealt
    RoundOver = 1,    // a round result came
    Waiting = 3,      // the room waits for a round (entry, an exit not handed over)
    SeatChanged = 4,  // the own seat or voice changed
};

enum class HostControlState : int32_t {
    Hidden = 0,
    ShownDisabled = 1,
    ShownEnabled = 17,
};

// A HostRequest: a code and a value; `amount` carries 64-bit values (code 22).
struct HostRequestRecord {
    int32_t code = 0;
    int32_t value = 0;
    int64_t amount = 0;
};

// The host's interface object, called by the module.
struct IHostInterface {
    // Slot 0: one serialised request (channel -1, kind 1); -1 means failure.
    virtual int __stdcall Send(int channel, int kind, const uint8_t* data, int size) = 0;
    // Slot 1: a user's avatar item list ("|"-separated) into *itemList; 1 when it is valid.
    virtual int __stdcall GetUserAvatar(BSTR userId, BSTR avatar, BSTR* itemList) = 0;
    // Slot 2: a notice for the host; the kind stands between the two texts.
    virtual int __stdcall HostMessage(BSTR text1, int kind, BSTR text2) = 0;
    // Slot 3: leave notices (0, 1, 3, 4).
    virtual int __stdcall LeaveNotice(int code) = 0;
    // Slot 4: not used by the module.
    virtual int __stdcall Reserved4() = 0;
    // Slot 5: one run of chat text.
    virtual int __stdcall AddChatText(BSTR text, int weight, int color, int zero, BSTR link, int bold) = 0;
    // Slot 6: switch between windowed and full screen; the host answers through IClientInterface slot 13.
    virtual int __stdcall RequestScreenMode(int fullScreen, int width, int height, int zero) = 0;
    // Slot 7: named controls, values and notices; `text` may be null or an in/out buffer (code 62).
    virtual int __stdcall HostRequest(int userKey, const HostRequestRecord* request, char* text, int32_t* inOut) = 0;
};

// The module's face to the host, implemented by the main window.
struct IClientInterface {
    // Slot 0: the bytes of one server message; 0.
    virtual int __stdcall ReceiveGameMessage(const uint8_t* data, int size) = 0;
    // Slots 1 to 3: reserved, answer -1.
    virtual int __stdcall Reserved1() = 0;
    virtual int __stdcall Reserved2() = 0;
    virtual int __stdcall Reserved3() = 0;
    // Slot 4: a user's avatar item list; slot 5: a user's title text.
    virtual int __stdcall SetUserAvatar(int userKey, BSTR itemList) = 0;
    virtual int __stdcall SetUserTitle(int userKey, BSTR text) = 0;
    // Slots 6 and 7: queries about users: the seat index of a user (-1 none), whether the user is the own user.
    virtual int __stdcall GetUserSeat(int userKey) = 0;
    virtual int __stdcall IsOwnUser(int userKey) = 0;
    // Slot 8: reset the room's game state; slot 9: forget the room the view shows.
    virtual int __stdcall ResetRoom() = 0;
    virtual int __stdcall ResetRoomView() = 0;
    // Slot 10: the screen was re-initialised by the host: redraw and restart the frame tick.
    virtual int __stdcall ReinitScreen() = 0;
    // Slot 11: the user asks to force a player out.
    virtual int __stdcall RequestForcedExit(int targetUserKey) = 0;
    // Slot 12: the text of the title-bar caption.
    virtual int __stdcall SetTitleBarText(BSTR text) = 0;
    // Slot 13: windowed (0) or full screen (1) at that client size.
    virtual int __stdcall SetScreenMode(int fullScreen, int width, int height) = 0;
    // Slot 14: host commands 14 to 29; `command` points at the command number first.
    virtual int __stdcall HostCommand(int userKey, const int32_t* command, BSTR text, int32_t* value) = 0;
    // Slot 15: reserved, answers -1.
    virtual int __stdcall Reserved15() = 0;
};

// Window messages posted to the host's window.
constexpr UINT kHostNotify = WM_USER + 1;         // wParam: the scene's notify value, lParam: code
constexpr UINT kHostCloseRequest = WM_USER + 2;   // Enter in the game window
constexpr UINT kHostScreenRecreated = WM_USER + 3;
constexpr UINT kHostLoadFinished = WM_USER + 6;   // wParam: the loader's result

// The exports, as the host declares them.
extern "C" {
typedef int(__stdcall* CreateGameWndProc)(IHostInterface* host, IClientInterface** out);
typedef HWND(__stdcall* InitGameWndProc)(IClientInterface* client, HWND hostWnd, const wchar_t* gameDir,
                                           const wchar_t* portalDir, int async, int fullScreen);
typedef int(__stdcall* DestroyGameWndProc)(IClientInterface* client);
}
