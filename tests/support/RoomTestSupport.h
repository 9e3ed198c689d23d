#pragma once

// A recording host and a fixture that opens a room (the main window, the display and the scene)
// inside a hidden top-level window, from a portal folder of its own.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
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

#include <shlwapi.h>

struct HostRequestCall {
    int userKey = 0, code = 0, value = 0;
    int64_t amount = 0;
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
        if (channel != -1 || kind != 1 || !data || size <= 0 || !ReadGameRequest(data, static_cast<size_t>(size), request))
            ++badSends;
        else
            sent.push_back(request);
        return 0;
    }
    int __stdcall GetUserAvatar(BSTR, BSTR, BSTR* itemList) override { return itemList ? (*itemList = nullptr, 0) : 0; }
    int __stdcall HostMessage(BSTR, int, BSTR) override { return 0; }
    int __stdcall LeaveNotice(int) override { return 0; }
    int __stdcall Reserved4() override { return 0; }
    // Keeps the text of each run (ANSI, as the module's literals).
    int __stdcall AddChatText(BSTR text, int, int, int, BSTR, int) override
    {
        chat.push_back(text ? WideToAnsi(text) : std::string("(null)"));
        return 0;
    }
    int __stdcall RequestScreenMode(int, int, int, int) override { return 0; }
    int __stdcall HostRequest(int userKey, const HostRequestRecord* request, char* text, int32_t* inOut) override
    {
        HostRequestCall call;
        call.userKey = userKey;
        call.code = request ? request->code : -1;
        call.value = request ? request->value : 0;
        call.amount = request ? request->amount : 0;
        if (text && call.code != 22) call.text = std::string(text);
        if (inOut) call.inOut = *inOut;
        hostRequests.push_back(call);
        // The user's text fills the buffer as the host does: up to its size, without a terminator.
        if (call.code == 62 && text && inOut)
            std::memcpy(text, userText.data(), std::min<size_t>(userText.size(), static_cast<size_t>(*inOut)));
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
    void Forget()
    {
        sent.clear();
        hostRequests.clear();
        chat.clear();
        badSends = 0;
    }

    std::vector<GameRequest> sent;
    int badSends = 0;
    std::vector<HostRequestCall> hostRequests;
    std::vector<std::string> chat;
    std::function<void(const HostRequestCall&)> onHostRequest;
    std::string userText;  // the answer to code 62
};

// A hidden top-level window standing for the host's window; it keeps the WM_USER messages the
// module posts to it.
class HostWindow {
public:
    struct Posted { UINT msg; WPARAM wParam; LPARAM lParam; };

    HostWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &HostWindow::Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "MirelleTestHostWnd";
        RegisterClassA(&wc);  // fails harmlessly when already registered
        hwnd = CreateWindowExA(0, "MirelleTestHostWnd", "host", WS_OVERLAPPEDWINDOW, 0, 0, 820, 640, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~HostWindow()
    {
        if (hwnd) DestroyWindow(hwnd);
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Get() const { return hwnd; }
    // The first message `msg` posted to the host's window, null when none came.
    const Posted* Find(UINT msg) const
    {
        for (const auto& p : posted)
            if (p.msg == msg) return &p;
        return nullptr;
    }

    // Dispatches this thread's messages for `ms` real milliseconds or until `done` holds.
    static void PumpFor(DWORD ms, const std::function<bool()>& done = {})
    {
        const DWORD start = GetTickCount();
        for (;;) {
            MSG m;
            while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&m);
                DispatchMessageA(&m);
            }
            if (done && done()) return;
            if (GetTickCount() - start >= ms) return;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }

    std::vector<Posted> posted;

private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(h, GWLP_USERDATA));
        if (self && msg >= WM_USER && msg < WM_APP) {
            self->posted.push_back({msg, wParam, lParam});
            return 0;
        }
        return DefWindowProcA(h, msg, wParam, lParam);
    }

    HWND hwnd = nullptr;
};

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// What the next message box shown on this thread is answered with.
struct BoxAnswer {
    int command = IDOK;           // WM_COMMAND id posted to the box
    std::function<void()> before;  // runs in the box's loop before the command is posted
    bool answered = false;
};
inline BoxAnswer& NextBoxAnswer()
{
    static BoxAnswer answer;
    return answer;
}
inline void CALLBACK AnswerBoxOnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND box = GetOpenMessageBox();
    // The dialog shows once its loop first runs idle.
    if (!box || !IsWindowVisible(box)) return;
    KillTimer(nullptr, id);
    BoxAnswer& a = NextBoxAnswer();
    if (a.before) a.before();
    a.answered = true;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(a.command, BN_CLICKED), 0);
}
// Answers the next box with `command` once it shows; kill the timer returned when no box may come.
inline UINT_PTR AnswerNextBox(int command, std::function<void()> before = {})
{
    NextBoxAnswer() = {command, std::move(before), false};
    return SetTimer(nullptr, 0, 20, AnswerBoxOnTimer);
}

// A portal folder of its own in the temporary folder, with "common\vexor_24.ini" when asked,
// and the registry key its company names; both removed at the end.
class PortalFolder {
public:
    PortalFolder()
    {
        static std::atomic<int> serial{0};
        const int n = ++serial;
        company = "MirelleRoomTest" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(n);
        domain = "Dom" + std::to_string(n);
        dir = (std::filesystem::temp_directory_path() / company).string() + "\\";
        std::filesystem::create_directories(dir + "common");
    }
    ~PortalFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + company).c_str());
    }
    PortalFolder(const PortalFolder&) = delete;
    PortalFolder& operator=(const PortalFolder&) = delete;

    void WriteIni(const std::string& text) const { WriteBytes(dir + "common\\vexor_24.ini", {text.begin(), text.end()}); }
    // An ini naming this folder's own company and domain.
    void WriteOwnIni() const
    {
        WriteIni("[SERVICEINFO]\r\nsDllVer=20110927\r\nsCompany=" + company + "\r\nsDomainName=" + domain + "\r\n");
    }
    std::string OptionsKey() const { return "Software\\" + company + "\\" + domain + "\\24"; }
    static bool KeyExists(const std::string& path)
    {
        HKEY k = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
        RegCloseKey(k);
        return true;
    }

    std::string dir;  // ends in a backslash, used as game and portal directory
    std::string company;
    std::string domain;
};

// Opens a room on the test's thread (synchronous load unless asked), with its own portal
// folder and registry key. The room is destroyed at the end unless the test did it.
class RoomFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        CloseRoom();
        if (Clock::IsVirtual()) Clock::UseReal();
    }

    // Writes the folder's own ini, opens the room; false when Open failed.
    bool OpenRoom(bool async = false)
    {
        portal.WriteOwnIni();
        wnd = new CMirelleWnd(&host);
        gameWnd = wnd->Open(hostWnd.Get(), portal.dir, portal.dir, async, false);
        return gameWnd != nullptr;
    }
    void CloseRoom()
    {
        if (wnd) wnd->RequestDestroy();
        wnd = nullptr;
    }
    CMirelleVWS& Scene() { return *wnd->GetScene(); }
    IClientInterface* Client() { return wnd; }

    // The own user (key 100) in seat 0 or not seated; seat 1 holds user 200.
    void Seat(bool ownSeated)
    {
        CMirelleVWS& s = Scene();
        s.ownUser.userKey = kOwnKey;
        s.room.seats.players[0].userKey = ownSeated ? kOwnKey : 300;
        s.room.seats.players[0].seatState = 0;
        s.room.seats.players[1].userKey = 200;
        s.room.seats.players[1].seatState = 0;
    }

    // Delivers one message through the client face, as the host does.
    template <class Body>
    int Deliver(Body body)
    {
        const std::vector<uint8_t> bytes = WriteGameMessage(GameMessage(std::move(body)));
        return Client()->ReceiveGameMessage(bytes.data(), static_cast<int>(bytes.size()));
    }

    static constexpr int32_t kOwnKey = 100;

    FakeHost host;
    HostWindow hostWnd;
    PortalFolder portal;
    CMirelleWnd* wnd = nullptr;
    HWND gameWnd = nullptr;
};
