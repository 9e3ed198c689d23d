#pragma once

// A recording host and a fixture that opens a room (the main window, the display and the scene)
// inside a hidden top-level window, from a portal folder and registry key of its own.

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "foundation/TextWin32.h"
#include "foundation/Win32.h"
#include "foundation/core/Clock.h"
#include "host/CMirelleWnd.h"
#include "host/MessageBox.h"
#include "protocol/GameMessage.h"
#include "protocol/GameRequest.h"
#include "protocol/HostInterfaces.h"
#include "scene/CMirelleVWS.h"
#include "support/ProtocolPrint.h"
#include "table/TableEngine.h"
#include "table/flows/RoomFlows.h"

#include <shlwapi.h>

struct HostRequestCall {
    int userKey = 0, code = 0, value = 0;
    std::optional<std::string> text;
    std::optional<int32_t> inOut;
};

// IHostInterface that remembers every call. `onHostRequest` runs inside HostRequest, after the
// call is recorded, so a test can act while a handler of the module waits for the host.
class FakeHost final : public IHostInterface {
public:
    int __stdcall Send(int channel, int kind, const uint8_t* data, int size) override
    {
        GameRequest request;
        EXPECT_TRUE(channel == -1 && kind == 1 && data && size > 0 && ReadGameRequest(data, size_t(size), request))
            << "a request the host cannot read";
        sent.push_back(request);
        return sendResult;
    }
    int __stdcall GetUserAvatar(BSTR, BSTR, BSTR* itemList) override { return itemList ? (*itemList = nullptr, 0) : 0; }
    int __stdcall HostMessage(BSTR, int, BSTR) override { return 0; }
    int __stdcall LeaveNotice(int) override { return 0; }
    int __stdcall Reserved4() override { return 0; }
    int __stdcall RequestScreenMode(int, int, int, int) override { return 0; }
    int __stdcall AddChatText(BSTR text, int, int, int, BSTR, int) override
    {
        chat += text ? WideToAnsi(text) : "(null)";
        return 0;
    }
    int __stdcall HostRequest(int userKey, const HostRequestRecord* r, char* text, int32_t* inOut) override
    {
        HostRequestCall call{userKey, r ? r->code : -1, r ? r->value : 0};
        if (text && call.code != 22) call.text = std::string(text);  // code 22 passes an amount
        if (inOut) call.inOut = *inOut;
        hostRequests.push_back(call);
        // The user's text fills the buffer as the host does: up to its size, without a terminator.
        if (call.code == 62 && text && inOut)
            std::memcpy(text, userText.data(), std::min<size_t>(userText.size(), size_t(*inOut)));
        if (onHostRequest) onHostRequest(call);
        return 0;
    }

    std::vector<HostRequestCall> RequestsWithCode(int code) const
    {
        std::vector<HostRequestCall> out;
        for (const auto& c : hostRequests)
            if (c.code == code) out.push_back(c);
        return out;
    }
    void Forget() { sent.clear(), hostRequests.clear(), chat.clear(); }

    std::vector<GameRequest> sent;  // every request Send was given, also when it answered failure
    int sendResult = 0;             // -1: Send fails
    std::vector<HostRequestCall> hostRequests;
    std::string chat;  // the runs of every chat text, ANSI as the module's literals
    std::function<void(const HostRequestCall&)> onHostRequest;
    std::string userText;  // the answer to code 62
};

// Dispatches this thread's messages for `ms` real milliseconds or until `done` holds.
inline void PumpFor(DWORD ms, const std::function<bool()>& done = {})
{
    for (const DWORD start = GetTickCount(); !(done && done()) && GetTickCount() - start < ms;) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// A hidden top-level window standing for the host's; it keeps the lParam of the first WM_USER
// message of each kind the module posts to it.
class HostWindow {
public:
    HostWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &HostWindow::Proc;
        wc.lpszClassName = "MirelleTestHostWnd";
        RegisterClassA(&wc);  // fails harmlessly when already registered
        hwnd = CreateWindowExA(0, wc.lpszClassName, "host", WS_OVERLAPPEDWINDOW, 0, 0, 820, 640, nullptr, nullptr,
                               nullptr, nullptr);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~HostWindow() { DestroyWindow(hwnd); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND Get() const { return hwnd; }

    struct Posted {
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    std::map<UINT, Posted> posted;  // the first message of each kind

private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(h, GWLP_USERDATA));
        if (!self || msg < WM_USER || msg >= WM_APP) return DefWindowProcA(h, msg, wParam, lParam);
        self->posted.insert({msg, {wParam, lParam}});
        return 0;
    }

    HWND hwnd = nullptr;
};

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// What the next message box shown on this thread is answered with.
struct PlannedBoxAnswer {
    int command = IDOK;            // WM_COMMAND id posted to the box
    std::function<void()> before;  // runs in the box's loop before the command is posted
    bool answered = false;
};
inline PlannedBoxAnswer nextBox;
inline void CALLBACK AnswerBoxOnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND box = GetOpenMessageBox();
    if (!box || !IsWindowVisible(box)) return;  // the dialog shows once its loop first runs idle
    KillTimer(nullptr, id);
    if (nextBox.before) nextBox.before();
    nextBox.answered = true;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(nextBox.command, BN_CLICKED), 0);
}
// Answers the next box with `command` once it shows; kill the timer returned when no box may come.
inline UINT_PTR AnswerNextBox(int command, std::function<void()> before = {})
{
    nextBox = {command, std::move(before), false};
    return SetTimer(nullptr, 0, 20, AnswerBoxOnTimer);
}

// The generated room beside the build (build/game, three folders up from the test program), with
// a trailing backslash.
inline std::string GeneratedGameDir()
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return (std::filesystem::path(exe).parent_path().parent_path().parent_path() / "game").string() + "\\";
}

// Opens a room on the test's thread (synchronous load unless asked) on the generated game folder,
// from a portal folder in the temporary folder and the registry key its company names; the room is
// destroyed at the end unless the test did it, the folder and the key are removed.
class RoomFixture : public ::testing::Test {
protected:
    RoomFixture() { std::filesystem::create_directories(dir + "common"); }
    void TearDown() override
    {
        CloseRoom();
        Clock::UseReal();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + company).c_str());
    }

    void WriteIni(const std::string& text) const { std::ofstream(dir + "common\\vexor_24.ini", std::ios::binary) << text; }
    void WriteOwnIni() const { WriteIni("[SERVICEINFO]\r\nsCompany=" + company + "\r\nsDomainName=" + domain); }
    bool OpenRoom(bool async = false)
    {
        WriteOwnIni();
        wnd = new CMirelleWnd(&host);
        gameWnd = wnd->Open(hostWnd.Get(), gameDir, dir, async, false);
        return gameWnd != nullptr;
    }
    void CloseRoom()
    {
        if (wnd) wnd->RequestDestroy();
        wnd = nullptr;
    }
    CMirelleVWS& Scene() { return *wnd->GetScene(); }
    IClientInterface* Client() { return wnd; }

    // The own user (key 100) in seat 0, user 200 in seat 1.
    void Seat()
    {
        auto& players = Scene().room.seats.players;
        Scene().ownUser.userKey = players[0].userKey = kOwnKey;
        players[1].userKey = 200;
        players[0].seatState = players[1].seatState = 0;
    }

    // Delivers one message through the client face, as the host does.
    template <class Body>
    int Deliver(Body body)
    {
        const std::vector<uint8_t> bytes = WriteGameMessage(GameMessage(std::move(body)));
        return Client()->ReceiveGameMessage(bytes.data(), static_cast<int>(bytes.size()));
    }

    static constexpr int32_t kOwnKey = 100;
    static inline std::atomic<int> serial{0};

    const int folderNumber = ++serial;
    const std::string company =
        "MirelleRoomTest" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(folderNumber);
    const std::string domain = "Dom" + std::to_string(folderNumber);
    const std::string dir = (std::filesystem::temp_directory_path() / company).string() + "\\";  // the portal
    std::string gameDir = GeneratedGameDir();
    FakeHost host;
    HostWindow hostWnd;
    CMirelleWnd* wnd = nullptr;
    HWND gameWnd = nullptr;
};
