#include <gtest/gtest.h>

#include <string>

#include "support/RoomTestSupport.h"

extern "C" {
int __stdcall CreateGameWnd(IHostInterface* host, IClientInterface** out);
HWND __stdcall InitGameWnd(IClientInterface* client, HWND hostWnd, const wchar_t* gameDir, const wchar_t* portalDir,
                           int async, int fullScreen);
int __stdcall DestroyGameWnd(IClientInterface* client);
}

namespace {

// The room opened through the exports, as the host's launcher does it.
class Exports : public RoomFixture {
protected:
    HWND Init(bool async, bool trailingBackslash = true)
    {
        IClientInterface* client = nullptr;
        EXPECT_EQ(CreateGameWnd(&host, &client), 0);
        std::wstring wgame = AnsiToWide(gameDir);
        std::wstring wdir = AnsiToWide(dir);
        if (!trailingBackslash) wgame.pop_back(), wdir.pop_back();
        gameWnd = InitGameWnd(client, hostWnd.Get(), wgame.c_str(), wdir.c_str(), async ? 1 : 0, 0);
        wnd = CMirelleWnd::FromClient(client);
        return gameWnd;
    }
};

// The host's calls into an open room.
using HostCalls = RoomFixture;

}  // namespace

// The host may pass its folders without their closing backslash. A misconfigured portal fails the
// start and leaves nothing behind: no window, no key, no options read.
TEST_F(Exports, StartOpensAnEightHundredBySixHundredChildFromThePortalsIni)
{
    const std::string ini = "[SERVICEINFO]\r\nsDllVer=7\r\nsCompany=";
    const struct { const char* name; bool backslash; std::string ini, registryPath; int dllVersion; } cases[] = {
        {"own ini, folders without their backslash", false, ini + company + "\r\nsDomainName=" + domain,
         company + "\\" + domain, 7},
        {"no ini: the default company and domain", true, "", "Ostrel\\Vexor", 0},
        {"empty company", true, ini + "\r\nsDomainName=" + domain, "", 0},
        {"empty domain", true, ini + company + "\r\nsDomainName=", "", 0},
    };
    for (const auto& c : cases) {
        DeleteFileA((dir + "common\\vexor_24.ini").c_str());
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + company).c_str());
        if (!c.ini.empty()) WriteIni(c.ini + "\r\n");
        host.Forget();
        const HWND w = Init(false, c.backslash);
        if (c.registryPath.empty()) {
            EXPECT_EQ(w, nullptr) << c.name;
            EXPECT_EQ(FindWindowExA(hostWnd.Get(), nullptr, "QuorvelMirelleGameWndT", nullptr), nullptr) << c.name;
            for (const std::string& key : {company, domain})  // deleted only when it was made
                EXPECT_NE(SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + key).c_str()), ERROR_SUCCESS) << c.name;
            EXPECT_TRUE(host.hostRequests.empty()) << c.name << ": the options were read";
            CloseRoom();
            continue;
        }
        ASSERT_NE(w, nullptr) << c.name;
        char cls[64] = {};
        GetClassNameA(w, cls, sizeof cls);
        RECT rc{};
        GetClientRect(w, &rc);
        EXPECT_STREQ(cls, "QuorvelMirelleGameWndT") << c.name << ": the host finds the game window by its class";
        EXPECT_TRUE(GetParent(w) == hostWnd.Get() && (GetWindowLongA(w, GWL_STYLE) & WS_CHILD)) << c.name;
        EXPECT_EQ(Size(rc.right, rc.bottom), Size(800, 600)) << c.name;
        EXPECT_EQ(Scene().GetRegistryPath(), c.registryPath) << c.name;
        EXPECT_EQ(Scene().env.dllVersion, c.dllVersion) << c.name;
        EXPECT_EQ(Scene().GetImageRoot(), gameDir + "GameImage\\") << c.name;
        CloseRoom();
    }
}

TEST_F(Exports, BadArgumentsAndDestroyedObjectsAreRefused)
{
    EXPECT_EQ(CreateGameWnd(&host, nullptr), -1);
    EXPECT_EQ(DestroyGameWnd(nullptr), -1);
    IClientInterface* client = nullptr;
    ASSERT_EQ(CreateGameWnd(&host, &client), 0);
    const std::wstring wdir = AnsiToWide(dir);
    EXPECT_EQ(InitGameWnd(client, nullptr, wdir.c_str(), wdir.c_str(), 0, 0), nullptr) << "no host window";
    EXPECT_EQ(DestroyGameWnd(client), 0);
    EXPECT_EQ(DestroyGameWnd(client), -1) << "destroyed once only";
    EXPECT_EQ(InitGameWnd(client, hostWnd.Get(), wdir.c_str(), wdir.c_str(), 0, 0), nullptr);
}

TEST_F(Exports, DestroyWhileLoadingReturnsPromptly)
{
    WriteOwnIni();
    ASSERT_NE(Init(true), nullptr);
    IClientInterface* client = wnd;
    const DWORD start = GetTickCount();
    EXPECT_EQ(DestroyGameWnd(client), 0);
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_EQ(CMirelleWnd::FromClient(client), nullptr);
    wnd = nullptr;
    PumpFor(100);  // a late WM_USER+6 finds the host alone; nothing may reach the deleted room
}

// The host destroys the room from inside a call the module made, while the module's handler
// waits in a Delay or a message box: the room lives until the handler has returned.
TEST_F(HostCalls, DestroyInsideAWaitingHandlerWaitsForIt)
{
    Clock::UseVirtual();  // before the scene: its time bases take the clock's frequency
    for (const bool messageBox : {false, true}) {
        const char* name = messageBox ? "waiting in a message box" : "waiting in a Delay";
        ASSERT_TRUE(OpenRoom()) << name;
        Seat();
        Scene().room.roomKind = 20;
        IClientInterface* client = Client();
        bool usable = false;
        host.onHostRequest = [&](const HostRequestCall& call) {
            if (call.code != 70) return;
            if (messageBox) {
                AnswerNextBox(IDOK, [&] { EXPECT_EQ(DestroyGameWnd(client), 0); });
                EXPECT_TRUE(Scene().Requests().SendGiveUp()) << name;
            } else {
                EXPECT_EQ(DestroyGameWnd(client), 0);
                Scene().Delay(100);
            }
            EXPECT_NE(CMirelleWnd::FromClient(client), nullptr) << name << ": deleted under the running handler";
            usable = Scene().Requests().SendTimeoutCount(3);
        };
        EXPECT_EQ(Deliver(ServerValueForHost{5}), 0) << name;
        host.onHostRequest = nullptr;
        EXPECT_TRUE(usable) << name;
        EXPECT_EQ(CMirelleWnd::FromClient(client), nullptr) << name << ": not destroyed once the handler returned";
        EXPECT_TRUE(CMirelleVWS::Current() == nullptr && !IsWindow(gameWnd)) << name;
        wnd = nullptr;
    }
}

TEST_F(HostCalls, UnreadableMessagesAreDroppedAndAnswerZero)
{
    ASSERT_TRUE(OpenRoom());
    host.Forget();
    const struct { const char* name; std::vector<uint8_t> bytes; } cases[] = {
        {"no bytes", {}},
        {"id above 80", {81, 0, 0, 0}},
        {"body cut short", {77, 0, 0}},
        {"id only, body missing", {77, 0, 0, 0}},
        {"negative id", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"string longer than the bytes left", {13, 0, 0, 0, 0xFF, 0xFF, 0, 0}},
    };
    for (const auto& c : cases) {
        const uint8_t* data = c.bytes.empty() ? nullptr : c.bytes.data();
        EXPECT_EQ(Client()->ReceiveGameMessage(data, static_cast<int>(c.bytes.size())), 0) << c.name;
        EXPECT_TRUE(Scene().GetQueue().IsEmpty()) << c.name;
    }
    EXPECT_EQ(Client()->ReceiveGameMessage(nullptr, 4), 0) << "null data with a size";
    EXPECT_TRUE(host.hostRequests.empty() && host.sent.empty());
    EXPECT_EQ(Deliver(ServerValueForHost{9}), 0);
    EXPECT_EQ(host.RequestsWithCode(70).size(), 1u) << "the room still handles good messages";
}

// The loader makes its surfaces on the display: the host's calls that would draw or replace the
// display while it runs wait for the loader's end.
TEST_F(HostCalls, ScreenCallsDuringLoadingWaitForTheLoader)
{
    ASSERT_TRUE(OpenRoom(true));
    const GDDScreen* before = wnd->GetScreen();
    EXPECT_EQ(Client()->ReinitScreen() + Client()->ResetRoomView() + Client()->SetScreenMode(0, 800, 600), 0);
    if (!wnd->IsLoading()) GTEST_SKIP() << "the loader ended before the calls could overlap it";
    EXPECT_EQ(wnd->GetScreen(), before) << "display replaced under the loader";
    const auto finished = [&] { return hostWnd.posted.count(WM_USER + 6) != 0; };
    PumpFor(10000, [&] { return finished() && wnd->GetScreen() != before; });
    EXPECT_TRUE(finished());
    EXPECT_NE(wnd->GetScreen(), before) << "the screen mode asked for during loading was never applied";
}

// A view reset asked for during loading drops the old room's messages at once and resets the view
// when the loader ends; what came after it is the next room's and is handled.
TEST_F(HostCalls, ViewResetDuringLoadingTakesPlaceWhenTheLoaderEnds)
{
    // Host texts show which message played (pings are answered as they arrive, past the queue).
    const auto text = [](const char* t) {
        HostText body;
        body.text = t;
        return body;
    };
    const int passText = static_cast<int>(HostRequestCode::PassText);
    ASSERT_TRUE(OpenRoom(true));
    EXPECT_EQ(Deliver(text("old")), 0);
    Scene().gameInfo.voiceMuted = {5};
    EXPECT_EQ(Client()->ResetRoomView(), 0);
    if (!wnd->IsLoading()) GTEST_SKIP() << "the loader ended before the calls could overlap it";
    EXPECT_EQ(Deliver(text("next")), 0);
    PumpFor(10000, [&] { return hostWnd.posted.count(WM_USER + 6) != 0 && !host.RequestsWithCode(passText).empty(); });
    EXPECT_TRUE(Scene().gameInfo.voiceMuted.empty()) << "the view was never reset";
    const auto values = host.RequestsWithCode(passText);
    ASSERT_EQ(values.size(), 1u) << "the old room's message played";
    EXPECT_EQ(values[0].text, "next");
}
