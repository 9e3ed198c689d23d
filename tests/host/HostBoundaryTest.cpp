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
        std::wstring dir = AnsiToWide(portal.dir);
        if (!trailingBackslash) dir.pop_back();
        gameWnd = InitGameWnd(client, hostWnd.Get(), dir.c_str(), dir.c_str(), async ? 1 : 0, 0);
        wnd = CMirelleWnd::FromClient(client);
        return gameWnd;
    }
};

// The host's calls into an open room.
class HostCalls : public RoomFixture {};

}  // namespace

// The host may pass its folders without their closing backslash. A misconfigured portal fails the
// start and leaves nothing behind.
TEST_F(Exports, StartOpensAnEightHundredBySixHundredChildFromThePortalsIni)
{
    const std::string own = "[SERVICEINFO]\r\nsDllVer=7\r\nsCompany=" + portal.company + "\r\nsDomainName=" + portal.domain;
    // registryPath empty: the start fails.
    const struct { const char* name; bool backslash; std::string ini, registryPath; int dllVersion; } cases[] = {
        {"own ini, folders without their backslash", false, own, portal.company + "\\" + portal.domain, 7},
        {"no ini: the default company and domain", true, "", "Ostrel\\Vexor", 0},
        {"empty company", true, "[SERVICEINFO]\r\nsCompany=\r\nsDomainName=" + portal.domain, "", 0},
        {"empty domain", true, "[SERVICEINFO]\r\nsCompany=" + portal.company + "\r\nsDomainName=", "", 0},
    };
    for (const auto& c : cases) {
        DeleteFileA((portal.dir + "common\\vexor_24.ini").c_str());
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + portal.company).c_str());
        if (!c.ini.empty()) portal.WriteIni(c.ini + "\r\n");
        host.Forget();
        const HWND w = Init(false, c.backslash);
        if (c.registryPath.empty()) {
            EXPECT_EQ(w, nullptr) << c.name;
            EXPECT_EQ(FindWindowExA(hostWnd.Get(), nullptr, "QuorvelMirelleGameWndT", nullptr), nullptr)
                << c.name << ": a failed start leaves a game window in the host's window";
            EXPECT_FALSE(PortalFolder::KeyExists("Software\\" + portal.company)) << c.name;
            EXPECT_FALSE(PortalFolder::KeyExists("Software\\" + portal.domain)) << c.name;
            EXPECT_TRUE(host.hostRequests.empty()) << c.name << ": the options were read";
            CloseRoom();
            continue;
        }
        ASSERT_NE(w, nullptr) << c.name;
        char cls[64] = {};
        GetClassNameA(w, cls, sizeof cls);
        EXPECT_STREQ(cls, "QuorvelMirelleGameWndT") << c.name << ": the host finds the game window by its class";
        EXPECT_EQ(GetParent(w), hostWnd.Get()) << c.name;
        EXPECT_TRUE(GetWindowLongA(w, GWL_STYLE) & WS_CHILD) << c.name;
        RECT rc{};
        GetClientRect(w, &rc);
        EXPECT_EQ(Size(rc.right, rc.bottom), Size(800, 600)) << c.name;
        EXPECT_EQ(Scene().GetRegistryPath(), c.registryPath) << c.name;
        EXPECT_EQ(Scene().env.dllVersion, c.dllVersion) << c.name;
        EXPECT_EQ(Scene().GetImageRoot(), portal.dir + "GameImage\\") << c.name;
        CloseRoom();
    }
}

TEST_F(Exports, BadArgumentsAndDestroyedObjectsAreRefused)
{
    EXPECT_EQ(CreateGameWnd(&host, nullptr), -1);
    EXPECT_EQ(DestroyGameWnd(nullptr), -1);
    IClientInterface* client = nullptr;
    ASSERT_EQ(CreateGameWnd(&host, &client), 0);
    const std::wstring dir = AnsiToWide(portal.dir);
    EXPECT_EQ(InitGameWnd(client, nullptr, dir.c_str(), dir.c_str(), 0, 0), nullptr) << "no host window";
    EXPECT_EQ(DestroyGameWnd(client), 0);
    EXPECT_EQ(DestroyGameWnd(client), -1) << "destroyed once only";
    EXPECT_EQ(InitGameWnd(client, hostWnd.Get(), dir.c_str(), dir.c_str(), 0, 0), nullptr);
}

TEST_F(Exports, DestroyWhileLoadingReturnsPromptly)
{
    portal.WriteOwnIni();
    ASSERT_NE(Init(true), nullptr);
    IClientInterface* client = wnd;
    const DWORD start = GetTickCount();
    EXPECT_EQ(DestroyGameWnd(client), 0);
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_EQ(CMirelleWnd::FromClient(client), nullptr);
    wnd = nullptr;
    HostWindow::PumpFor(100);  // a late WM_USER+6 finds the host alone; nothing may reach the deleted room
}

// The host destroys the room from inside a call the module made, while the module's handler
// waits: the room lives until the handler has returned.
TEST_F(HostCalls, DestroyInsideAWaitingHandlerWaitsForIt)
{
    const struct {
        const char* name;
        bool messageBox;  // else a Delay
    } cases[] = {{"waiting in a Delay", false}, {"waiting in a message box", true}};
    Clock::UseVirtual(0, Clock::Now());  // before the scene: its time bases take the clock's frequency
    for (const auto& c : cases) {
        ASSERT_TRUE(OpenRoom()) << c.name;
        Seat(true);
        Scene().room.roomKind = 20;
        IClientInterface* client = Client();
        bool usable = false;
        host.onHostRequest = [&](const HostRequestCall& call) {
            if (call.code != 70) return;
            if (c.messageBox) {
                AnswerNextBox(IDOK, [&] { EXPECT_EQ(DestroyGameWnd(client), 0); });
                EXPECT_EQ(Scene().SendGiveUp(), 1) << c.name;
            } else {
                EXPECT_EQ(DestroyGameWnd(client), 0);
                Scene().Delay(100);
            }
            EXPECT_NE(CMirelleWnd::FromClient(client), nullptr) << c.name << ": deleted under the running handler";
            usable = Scene().SendTimeoutCount(3) == 1;
        };
        EXPECT_EQ(Deliver(HostCode70{5}), 0) << c.name;
        host.onHostRequest = nullptr;
        EXPECT_TRUE(usable) << c.name;
        EXPECT_EQ(CMirelleWnd::FromClient(client), nullptr) << c.name << ": not destroyed once the handler returned";
        EXPECT_EQ(CMirelleVWS::Current(), nullptr) << c.name;
        EXPECT_FALSE(IsWindow(gameWnd)) << c.name;
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
        EXPECT_EQ(Client()->ReceiveGameMessage(c.bytes.empty() ? nullptr : c.bytes.data(), static_cast<int>(c.bytes.size())), 0)
            << c.name;
        EXPECT_TRUE(Scene().GetQueue().IsEmpty()) << c.name;
    }
    EXPECT_EQ(Client()->ReceiveGameMessage(nullptr, 4), 0) << "null data with a size";
    EXPECT_TRUE(host.hostRequests.empty());
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(Deliver(HostCode70{9}), 0);
    EXPECT_EQ(host.RequestsWithCode(70).size(), 1u) << "the room still handles good messages";
}

// The loader makes its surfaces on the display: the host's calls that would draw or replace the
// display while it runs wait for the loader's end.
TEST_F(HostCalls, ScreenCallsDuringLoadingWaitForTheLoader)
{
    ASSERT_TRUE(OpenRoom(true));
    const GDDScreen* before = wnd->GetScreen();
    EXPECT_EQ(Client()->ReinitScreen(), 0);
    EXPECT_EQ(Client()->ResetRoomView(), 0);
    EXPECT_EQ(Client()->SetScreenMode(0, 800, 600), 0);
    if (!wnd->IsLoading()) GTEST_SKIP() << "the loader ended before the calls could overlap it";
    EXPECT_EQ(wnd->GetScreen(), before) << "display replaced under the loader";
    const auto finished = [&] { return hostWnd.Find(WM_USER + 6) != nullptr; };
    HostWindow::PumpFor(10000, [&] { return finished() && wnd->GetScreen() != before; });
    EXPECT_TRUE(finished());
    EXPECT_NE(wnd->GetScreen(), before) << "the screen mode asked for during loading was never applied";
}
