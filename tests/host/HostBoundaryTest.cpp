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
class Exports : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (client) DestroyGameWnd(client);
    }
    HWND Init(bool async)
    {
        EXPECT_EQ(CreateGameWnd(&host, &client), 0);
        if (!client) return nullptr;
        const std::wstring dir = AnsiToWide(portal.dir);
        return InitGameWnd(client, hostWnd.Get(), dir.c_str(), dir.c_str(), async ? 1 : 0, 0);
    }
    bool WaitForLoadFinished(DWORD ms)
    {
        HostWindow::PumpFor(ms, [&] { return LoadFinished() != nullptr; });
        return LoadFinished() != nullptr;
    }
    const HostWindow::Posted* LoadFinished() const
    {
        for (const auto& p : hostWnd.posted)
            if (p.msg == WM_USER + 6) return &p;
        return nullptr;
    }

    FakeHost host;
    HostWindow hostWnd;
    PortalFolder portal;
    IClientInterface* client = nullptr;
};

// Answers -1 everywhere: a client face that is not the module's.
struct ForeignClient final : IClientInterface {
    int __stdcall ReceiveGameMessage(const uint8_t*, int) override { return -1; }
    int __stdcall Reserved1() override { return -1; }
    int __stdcall Reserved2() override { return -1; }
    int __stdcall Reserved3() override { return -1; }
    int __stdcall SetUserAvatar(int, BSTR) override { return -1; }
    int __stdcall SetUserTitle(int, BSTR) override { return -1; }
    int __stdcall GetUserSeat(int) override { return -1; }
    int __stdcall IsOwnUser(int) override { return -1; }
    int __stdcall ResetRoom() override { return -1; }
    int __stdcall ResetRoomView() override { return -1; }
    int __stdcall ReinitScreen() override { return -1; }
    int __stdcall RequestForcedExit(int) override { return -1; }
    int __stdcall SetTitleBarText(BSTR) override { return -1; }
    int __stdcall SetScreenMode(int, int, int) override { return -1; }
    int __stdcall HostCommand(int, const int32_t*, BSTR, int32_t*) override { return -1; }
    int __stdcall Reserved15() override { return -1; }
};

}  // namespace

TEST_F(Exports, GameWindowIsAnEightHundredBySixHundredChildOfTheHost)
{
    portal.WriteOwnIni();
    const HWND w = Init(false);
    ASSERT_NE(w, nullptr);
    char text[64] = {};
    GetClassNameA(w, text, sizeof text);
    EXPECT_STREQ(text, "QuorvelMirelleGameWndT");
    GetWindowTextA(w, text, sizeof text);
    EXPECT_STREQ(text, "MirelleWnd");
    EXPECT_EQ(GetParent(w), hostWnd.Get());
    EXPECT_TRUE(GetWindowLongA(w, GWL_STYLE) & WS_CHILD);
    RECT rc{};
    GetClientRect(w, &rc);
    EXPECT_EQ(rc.right - rc.left, 800);
    EXPECT_EQ(rc.bottom - rc.top, 600);
    EXPECT_EQ(CMirelleWnd::FromClient(client)->GetPortalDir().back(), '\\');
    EXPECT_EQ(LoadFinished(), nullptr) << "a synchronous start posts nothing";
}

TEST_F(Exports, DirectoriesWithoutTheirBackslashGetOne)
{
    portal.WriteOwnIni();
    ASSERT_EQ(CreateGameWnd(&host, &client), 0);
    std::wstring dir = AnsiToWide(portal.dir);
    dir.pop_back();
    ASSERT_NE(InitGameWnd(client, hostWnd.Get(), dir.c_str(), dir.c_str(), 0, 0), nullptr)
        << "the ini is found under the portal folder";
    EXPECT_EQ(CMirelleWnd::FromClient(client)->GetScene()->GetRegistryPath(), portal.company + "\\" + portal.domain);
}

TEST_F(Exports, EmptyCompanyFailsTheStartAndWritesNothing)
{
    portal.WriteIni("[SERVICEINFO]\r\nsDllVer=1\r\nsCompany=\r\nsDomainName=" + portal.domain + "\r\n");
    EXPECT_EQ(Init(false), nullptr);
    EXPECT_FALSE(portal.KeyExists("Software\\" + portal.domain));
    EXPECT_FALSE(portal.KeyExists("Software\\Ostrel\\" + portal.domain));
    EXPECT_TRUE(host.RequestsWithCode(45).empty()) << "the options were not read";
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(Exports, EmptyDomainFailsTheStart)
{
    portal.WriteIni("[SERVICEINFO]\r\nsCompany=" + portal.company + "\r\nsDomainName=\r\n");
    EXPECT_EQ(Init(false), nullptr);
    EXPECT_FALSE(portal.KeyExists("Software\\" + portal.company));
    EXPECT_EQ(FindWindowExA(hostWnd.Get(), nullptr, "QuorvelMirelleGameWndT", nullptr), nullptr)
        << "a failed start leaves no game window in the host's window";
}

TEST_F(Exports, MissingIniUsesTheDefaultCompanyAndDomain)
{
    ASSERT_NE(Init(false), nullptr);
    const CMirelleVWS* scene = CMirelleWnd::FromClient(client)->GetScene();
    EXPECT_EQ(scene->GetRegistryPath(), "Ostrel\\Vexor");
    EXPECT_EQ(scene->env.dllVersion, 0);
}

TEST_F(Exports, AsyncStartPostsLoadFinishedWithTheResult)
{
    portal.WriteOwnIni();
    const HWND w = Init(true);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(WaitForLoadFinished(10000)) << "WM_USER+6 never came";
    EXPECT_EQ(LoadFinished()->wParam, 1u);
    EXPECT_EQ(WM_USER + 6, 1030);
    HostWindow::PumpFor(50);
    EXPECT_TRUE(CMirelleWnd::FromClient(client)->GetScene()->IsReady());
}

TEST_F(Exports, DestroyWhileLoadingReturnsPromptly)
{
    portal.WriteOwnIni();
    ASSERT_NE(Init(true), nullptr);
    const DWORD start = GetTickCount();
    EXPECT_EQ(DestroyGameWnd(client), 0);
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_EQ(CMirelleWnd::FromClient(client), nullptr);
    client = nullptr;
    HostWindow::PumpFor(100);  // a late WM_USER+6 finds the host alone; nothing may reach the deleted room
}

TEST_F(Exports, BadArgumentsAndForeignObjectsAreRefused)
{
    EXPECT_EQ(CreateGameWnd(&host, nullptr), -1);
    ForeignClient foreign;
    EXPECT_EQ(DestroyGameWnd(&foreign), -1);
    EXPECT_EQ(DestroyGameWnd(nullptr), -1);
    const std::wstring dir = AnsiToWide(portal.dir);
    EXPECT_EQ(InitGameWnd(&foreign, hostWnd.Get(), dir.c_str(), dir.c_str(), 0, 0), nullptr);

    ASSERT_EQ(CreateGameWnd(&host, &client), 0);
    EXPECT_EQ(InitGameWnd(client, nullptr, dir.c_str(), dir.c_str(), 0, 0), nullptr) << "no host window";
    EXPECT_EQ(DestroyGameWnd(client), 0);
    EXPECT_EQ(DestroyGameWnd(client), -1) << "destroyed once only";
    client = nullptr;
}

namespace {

class DeferredDestroy : public RoomFixture {};

IClientInterface* destroyTarget = nullptr;

// From the message box's loop: destroy the room, then answer yes.
void CALLBACK DestroyThenAnswerYes(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND box = GetOpenMessageBox();
    if (!box) return;
    KillTimer(nullptr, id);
    DestroyGameWnd(destroyTarget);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

}  // namespace

// The host destroys the room from inside a call the module made: the room lives until the
// module's handler has returned.
TEST_F(DeferredDestroy, DestroyInsideAHandlerWaitsForIt)
{
    Clock::UseVirtual(0, Clock::Now());  // before the scene: its time bases take the clock's frequency
    ASSERT_TRUE(OpenRoom());
    IClientInterface* client = Client();
    bool sceneUsable = false;
    host.onHostRequest = [&](const HostRequestCall& c) {
        if (c.code != 70) return;
        EXPECT_EQ(DestroyGameWnd(client), 0);
        EXPECT_NE(CMirelleWnd::FromClient(client), nullptr) << "deleted under the running handler";
        Scene().Delay(100);
        sceneUsable = Scene().SendTimeoutCount(3) == 1;
    };
    EXPECT_EQ(Deliver(HostCode70{5}), 0);
    EXPECT_TRUE(sceneUsable);
    EXPECT_EQ(CMirelleWnd::FromClient(client), nullptr) << "destroyed once the handler returned";
    EXPECT_FALSE(IsWindow(gameWnd));
    wnd = nullptr;
}

TEST_F(DeferredDestroy, DestroyDuringAMessageBoxWaitsForTheBox)
{
    ASSERT_TRUE(OpenRoom());
    Seat(true);
    Scene().room.roomKind = 20;
    IClientInterface* client = Client();
    destroyTarget = client;
    host.onHostRequest = [&](const HostRequestCall& c) {
        if (c.code != 70) return;
        SetTimer(nullptr, 0, 30, DestroyThenAnswerYes);
        EXPECT_EQ(Scene().SendGiveUp(), 1);
    };
    EXPECT_EQ(Deliver(HostCode70{1}), 0);
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0], GameRequest(Requests::GiveUp{}));
    EXPECT_EQ(CMirelleWnd::FromClient(client), nullptr);
    wnd = nullptr;
}

TEST_F(DeferredDestroy, UnreadableMessagesAreDroppedAndAnswerZero)
{
    ASSERT_TRUE(OpenRoom());
    host.Forget();
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"id above 80", {81, 0, 0, 0}},
        {"body cut short", {77, 0, 0}},
        {"id only, body missing", {77, 0, 0, 0}},
        {"negative id", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"string longer than the bytes left", {13, 0, 0, 0, 0xFF, 0xFF, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Client()->ReceiveGameMessage(c.bytes.data(), static_cast<int>(c.bytes.size())), 0) << c.name;
        EXPECT_TRUE(Scene().GetQueue().IsEmpty()) << c.name;
    }
    EXPECT_EQ(Client()->ReceiveGameMessage(nullptr, 4), 0);
    EXPECT_EQ(Client()->ReceiveGameMessage(cases[0].bytes.data(), 0), 0);
    EXPECT_TRUE(host.hostRequests.empty());
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(Deliver(HostCode70{9}), 0);
    ASSERT_EQ(host.RequestsWithCode(70).size(), 1u) << "the room still handles good messages";
}

namespace {

class AsyncLoading : public RoomFixture {
protected:
    bool LoadFinishedPosted() const
    {
        for (const auto& p : hostWnd.posted)
            if (p.msg == WM_USER + 6) return true;
        return false;
    }
};

}  // namespace

// The loader makes its surfaces on the display: the host's calls that would draw or replace the
// display while it runs wait for the loader's end.
TEST_F(AsyncLoading, ScreenCallsDuringLoadingWaitForTheLoader)
{
    ASSERT_TRUE(OpenRoom(true));
    const GDDScreen* before = wnd->GetScreen();
    EXPECT_EQ(Client()->ReinitScreen(), 0);
    EXPECT_EQ(Client()->ResetRoomView(), 0);
    EXPECT_EQ(Client()->SetScreenMode(0, 800, 600), 0);
    if (!wnd->IsLoading()) GTEST_SKIP() << "the loader ended before the calls could overlap it";
    EXPECT_EQ(wnd->GetScreen(), before) << "display replaced under the loader";
    HostWindow::PumpFor(10000, [&] { return LoadFinishedPosted() && wnd->GetScreen() != before; });
    EXPECT_TRUE(LoadFinishedPosted());
    EXPECT_NE(wnd->GetScreen(), before) << "the screen mode asked for during loading was never applied";
}
