#include <gtest/gtest.h>

#include <windows.h>
#include <imm.h>
#include <shlwapi.h>

#include <filesystem>
#include <string>
#include <vector>

#include "vipdialog/CHelperView.h"
#include "vipdialog/core/VipDialogRules.h"

using namespace VipDialogRules;

namespace {

// The generated room's pictures beside the build (build/game), with a trailing backslash.
std::string GeneratedImageRoot()
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return (std::filesystem::path(exe).parent_path().parent_path().parent_path() / "game" / "GameImage").string() +
           "\\";
}

struct FakeOwner final : VipDialogOwner {
    void SetAlert(int32_t minutes, int32_t games, int64_t money) override
    {
        alerts.push_back({minutes, games, money});
    }
    void RefreshAfterApply() override { ++refreshes; }
    void DialogClosed() override { ++closes; }

    struct Alert {
        int32_t minutes, games;
        int64_t money;
        bool operator==(const Alert&) const = default;
    };
    std::vector<Alert> alerts;
    int refreshes = 0;
    int closes = 0;
};

std::vector<HWND> shopOpened;
void RecordShop(HWND parent, const char*)
{
    shopOpened.push_back(parent);
}

class HelperViewTest : public ::testing::Test {
public:
    void SetUp() override
    {
        parent = CreateWindowExA(0, "static", "", WS_POPUP | WS_VISIBLE, 40, 30, 800, 600, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
        CHelperView::SetShopOpener(RecordShop);
        if (!std::filesystem::exists(GeneratedImageRoot() + "VIP\\bg_gamehelp.bmp"))
            GTEST_SKIP() << "build the game_tree target first: " << GeneratedImageRoot();
    }
    void TearDown() override
    {
        view.reset();
        if (parent) DestroyWindow(parent);
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\" + registryPath).c_str());
        CHelperView::SetShopOpener(nullptr);
    }
    bool Create(const std::string& root = GeneratedImageRoot())
    {
        return view->CreateVIPDialog(24, 102, parent, root, registryPath, &owner);
    }
    HWND Control(int id) const { return view->GetControl(id); }
    bool Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(int id) const { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    std::string Text(int id) const
    {
        char buffer[256] = {};
        GetWindowTextA(Control(id), buffer, sizeof buffer);
        return buffer;
    }
    void Type(int id, const std::string& keys) const
    {
        for (char c : keys) SendMessageA(Control(id), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 0);
    }
    void Pump() const
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    void ShowAllGates()
    {
        view->UpdateVIPDialogControls(1, 1, 1);
        view->ShowVIPDialog(true, true);
    }

    const std::string registryPath = "MirelleVipTest" + std::to_string(GetCurrentProcessId());
    HWND parent = nullptr;
    FakeOwner owner;
    std::unique_ptr<CHelperView> view = std::make_unique<CHelperView>();
};

}  // namespace

TEST_F(HelperViewTest, WithoutItsBackgroundThereIsNoDialogAndNothingFails)
{
    EXPECT_FALSE(Create("C:\\nowhere\\"));
    EXPECT_EQ(view->GetWindow(), nullptr);
    view->ShowVIPDialog(true, true);
    view->UpdateVIPDialogControls(1, 1, 1);
    view->SetVIPDialogTexts(3725, 3, 2, 0, 150000);
    view->RepositionVIPDialog(parent, true);
    EXPECT_FALSE(view->IsVisible());
    EXPECT_EQ(owner.closes, 0);
    ASSERT_FALSE(owner.alerts.empty()) << "the alert is still set to nothing";
    EXPECT_EQ(owner.alerts.front(), (FakeOwner::Alert{0, 0, 0}));
}

TEST_F(HelperViewTest, RadioGroupsExcludeEachOtherAndDriveTheEdits)
{
    ASSERT_TRUE(Create());
    ShowAllGates();
    EXPECT_TRUE(Checked(kFirstOff) && Checked(kSecondOff) && Checked(kMoneyOff) && Checked(kAlertOff));
    EXPECT_FALSE(IsWindowEnabled(Control(kSecondEdit)));
    Click(kSecondTyped);
    EXPECT_TRUE(IsWindowEnabled(Control(kSecondEdit)));
    Click(kFirst30);
    EXPECT_TRUE(Checked(kSecondOff)) << "the second group goes back to off";
    EXPECT_FALSE(Checked(kSecondTyped));
    EXPECT_FALSE(IsWindowEnabled(Control(kSecondEdit)));
    Click(kMoneyOn);
    EXPECT_TRUE(Checked(kFirstOff));
    EXPECT_TRUE(IsWindowEnabled(Control(kMoneyHigh)) && IsWindowEnabled(Control(kMoneyLow)));
}

TEST_F(HelperViewTest, NumericEditsRefuseLettersLongNumbersAndPastes)
{
    ASSERT_TRUE(Create());
    ShowAllGates();
    Click(kSecondTyped);
    SetWindowTextA(Control(kSecondEdit), "");
    Type(kSecondEdit, "1a2");
    EXPECT_EQ(Text(kSecondEdit), "12");
    Type(kSecondEdit, "345");
    EXPECT_EQ(Text(kSecondEdit), "1234") << "four digits at most";
    SetWindowTextA(Control(kSecondEdit), "0001");
    SendMessageA(Control(kSecondEdit), EM_SETSEL, 0, 0);
    Type(kSecondEdit, "9");
    EXPECT_EQ(Text(kSecondEdit), "0001") << "9 before 0001 would make 90001";
    SetWindowTextA(Control(kSecondEdit), "9999");
    SendMessageA(Control(kSecondEdit), EM_SETSEL, 0, -1);
    Type(kSecondEdit, "5");
    EXPECT_EQ(Text(kSecondEdit), "5") << "a digit typed over the whole text replaces it";

    SetWindowTextA(Control(kSecondEdit), "5");
    ASSERT_TRUE(OpenClipboard(parent));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, 8);
    memcpy(GlobalLock(data), "7x", 3);
    GlobalUnlock(data);
    SetClipboardData(CF_TEXT, data);
    CloseClipboard();
    SendMessageA(Control(kSecondEdit), EM_SETSEL, 1, 1);
    SendMessageA(Control(kSecondEdit), WM_PASTE, 0, 0);
    EXPECT_EQ(Text(kSecondEdit), "5") << "a paste with a letter";
}

TEST_F(HelperViewTest, ApplyKeepsEveryValueAndTheAmountIn64Bits)
{
    ASSERT_TRUE(Create());
    ShowAllGates();
    owner.alerts.clear();
    Click(kAlertOn);
    Click(kSecondTyped);
    SetWindowTextA(Control(kSecondEdit), "1");
    Click(kApply);
    ASSERT_EQ(owner.alerts.size(), 1u);
    EXPECT_EQ(owner.alerts[0], (FakeOwner::Alert{0, 1, 0}));
    EXPECT_EQ(owner.closes, 1);
    EXPECT_EQ(owner.refreshes, 1);
    EXPECT_FALSE(view->IsVisible());
    DWORD value = 0, size = sizeof value;
    EXPECT_EQ(SHGetValueA(HKEY_CURRENT_USER, ("Software\\" + registryPath + "\\24").c_str(), "Helper_Add_Alert",
                          nullptr, &value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 1u);

    view->ShowVIPDialog(true, true);
    EXPECT_TRUE(Checked(kSecondTyped)) << "the stored choice shows again";
    Click(kFirst60);
    Click(kApply);
    EXPECT_EQ(CHelperView::GetChoice().first, 60) << "the first value is stored too";
    EXPECT_EQ(owner.alerts.back(), (FakeOwner::Alert{60, 0, 0}));

    view->ShowVIPDialog(true, true);
    Click(kMoneyOn);
    SetWindowTextA(Control(kMoneyHigh), "9999");
    SetWindowTextA(Control(kMoneyLow), "9999");
    Click(kApply);
    EXPECT_EQ(owner.alerts.back(), (FakeOwner::Alert{0, 0, 999'999'990'000}));
}

TEST_F(HelperViewTest, EveryWayOfClosingTellsTheRoomOnce)
{
    ASSERT_TRUE(Create());
    const struct {
        const char* name;
        void (*close)(HelperViewTest&);
    } ways[] = {
        {"escape", [](HelperViewTest& t) { SendMessageA(t.view->GetWindow(), WM_COMMAND, IDCANCEL, 0); }},
        {"alt+f4", [](HelperViewTest& t) { SendMessageA(t.view->GetWindow(), WM_CLOSE, 0, 0); }},
        {"close button", [](HelperViewTest& t) { t.Click(kClose); }},
        {"exit button", [](HelperViewTest& t) { t.Click(kExit); }},
    };
    for (const auto& way : ways) {
        owner.closes = 0;
        ShowAllGates();
        ASSERT_TRUE(view->IsVisible()) << way.name;
        way.close(*this);
        Pump();
        EXPECT_FALSE(view->IsVisible()) << way.name;
        EXPECT_EQ(owner.closes, 1) << way.name;
        SendMessageA(view->GetWindow(), WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(owner.closes, 1) << way.name << ": a hidden dialog closes no more";
    }
}

TEST_F(HelperViewTest, SitsInTheBottomRightCornerAfterADragAndAMove)
{
    ASSERT_TRUE(Create());
    ShowAllGates();
    const auto expectCorner = [&](const char* when) {
        RECT p{}, d{};
        GetWindowRect(parent, &p);
        GetWindowRect(view->GetWindow(), &d);
        EXPECT_EQ(d.right, p.right) << when;
        EXPECT_EQ(d.bottom, p.bottom) << when;
        EXPECT_EQ(d.right - d.left, 297) << when;
    };
    expectCorner("shown");
    SetWindowPos(view->GetWindow(), nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    view->CloseVIPDialog(0);
    view->ShowVIPDialog(true, true);
    expectCorner("shown after a drag");
    SetWindowPos(parent, nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    view->RepositionVIPDialog(parent, true);
    expectCorner("after the parent moved");
}

TEST_F(HelperViewTest, ShapedByTheBackgroundAndReleasingEveryPicture)
{
    ASSERT_TRUE(Create());
    ShowAllGates();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(view->GetWindow(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0)) << "the magenta corner is outside";
    EXPECT_FALSE(PtInRegion(region, 296, 367));
    EXPECT_TRUE(PtInRegion(region, 148, 184));
    EXPECT_TRUE(PtInRegion(region, 30, 0)) << "past the cut the top row is in";
    DeleteObject(region);

    const std::vector<HGDIOBJ> held = CHelperView::GetOwnedGdiObjects();
    EXPECT_GE(held.size(), 20u) << "background, images, buttons and fonts";
    for (HGDIOBJ o : held) EXPECT_NE(GetObjectType(o), 0u);
    view->DestroyVIPDialog();
    EXPECT_EQ(view->GetWindow(), nullptr);
    for (HGDIOBJ o : held) EXPECT_EQ(GetObjectType(o), 0u) << "object " << o << " left after the dialog";
    EXPECT_TRUE(CHelperView::GetOwnedGdiObjects().empty());
}

TEST_F(HelperViewTest, GatesShowTheControlsAndTheShopButtonOpensTheShop)
{
    ASSERT_TRUE(Create());
    view->UpdateVIPDialogControls(1, 1, 1);
    view->ShowVIPDialog(true, true);
    EXPECT_TRUE(IsWindowVisible(Control(kStat1)));
    EXPECT_FALSE(IsWindowVisible(Control(kShopNormal)));
    view->UpdateVIPDialogControls(0, 0, 0);
    EXPECT_FALSE(IsWindowVisible(Control(kStat1)));
    EXPECT_FALSE(IsWindowVisible(Control(kFirst30)));
    EXPECT_TRUE(IsWindowVisible(Control(kShopNormal)));
    Click(kShopNormal);
    ASSERT_EQ(shopOpened.size(), 1u);
    EXPECT_EQ(shopOpened[0], parent);
}

TEST_F(HelperViewTest, ANewTextLeavesNoTraceOfTheOld)
{
    ASSERT_TRUE(Create());
    ShowAllGates();
    Pump();
    view->SetVIPDialogTexts(3725, 1234, 5678, 0, 0);
    Pump();
    view->SetVIPDialogTexts(3725, 3, 2, 0, 0);
    Pump();
    HWND dialog = view->GetWindow();
    HDC dc = GetDC(dialog);
    // The long line reached past x 180; the short one ends well before. Right of the control is skin.
    const COLORREF skin = GetPixel(dc, 270, 72);
    int traces = 0;
    for (int y = 67; y < 78; ++y)
        for (int x = 180; x < 255; ++x) traces += GetPixel(dc, x, y) != skin;
    ReleaseDC(dialog, dc);
    EXPECT_EQ(traces, 0) << "pixels of the old text left beside the new";
}

TEST_F(HelperViewTest, NumericEditsTakeNoComposedKorean)
{
    ASSERT_TRUE(Create());
    ShowAllGates();
    Click(kSecondTyped);
    const HIMC context = ImmGetContext(Control(kSecondEdit));
    EXPECT_EQ(context, nullptr) << "the edit has a composition context";
    if (context) ImmReleaseContext(Control(kSecondEdit), context);
    const struct {
        const char* name;
        UINT msg;
        WPARAM wp;
        const char* text;
    } cases[] = {
        {"a composed syllable", WM_IME_CHAR, 0xB0A1, "5"},  // 가 in code page 949
        {"a digit through the IME", WM_IME_CHAR, '7', "57"},
        {"a letter through the IME", WM_IME_CHAR, 'x', "5"},
    };
    for (const auto& c : cases) {
        SetWindowTextA(Control(kSecondEdit), "5");
        SendMessageA(Control(kSecondEdit), EM_SETSEL, 1, 1);
        SendMessageA(Control(kSecondEdit), c.msg, c.wp, 1);
        EXPECT_EQ(Text(kSecondEdit), c.text) << c.name;
    }
}

TEST_F(HelperViewTest, ANewDialogClosesAnOpenOneFirst)
{
    ASSERT_TRUE(Create());
    ASSERT_TRUE(Create());
    EXPECT_EQ(owner.closes, 0) << "a hidden dialog was never opened";
    ShowAllGates();
    // Minimising the host hides its owned popups; the dialog is still open.
    ShowWindow(view->GetWindow(), SW_HIDE);
    EXPECT_TRUE(view->IsOpen());
    ASSERT_TRUE(Create());
    EXPECT_EQ(owner.closes, 1);
    EXPECT_FALSE(view->IsOpen());
}

// A host's frame with the game window as its child, the game window holding the keyboard.
class HelperViewFocusTest : public HelperViewTest {
public:
    void SetUp() override
    {
        HelperViewTest::SetUp();
        if (IsSkipped()) return;
        frame = CreateWindowExA(0, "static", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 840, 660, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        game = CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0, 800, 600, frame, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(frame && game);
        SetForegroundWindow(frame);
        SetFocus(game);
        Pump();
        ASSERT_EQ(GetFocus(), game) << "no focus to begin with";
    }
    void TearDown() override
    {
        view.reset();
        if (frame) DestroyWindow(frame);
        HelperViewTest::TearDown();
    }
    bool CreateOnGame() { return view->CreateVIPDialog(24, 102, game, GeneratedImageRoot(), registryPath, &owner); }

    HWND frame = nullptr;
    HWND game = nullptr;
};

TEST_F(HelperViewFocusTest, BuildingTheDialogLeavesTheKeyboardToTheGame)
{
    ASSERT_TRUE(CreateOnGame());
    Pump();
    EXPECT_EQ(GetFocus(), game);
    EXPECT_EQ(GetActiveWindow(), frame);
    EXPECT_FALSE(view->IsVisible());
}

TEST_F(HelperViewFocusTest, ClosingGivesTheKeyboardBackToTheGame)
{
    ASSERT_TRUE(CreateOnGame());
    const struct {
        const char* name;
        void (*close)(HelperViewFocusTest&);
    } ways[] = {
        {"close button", [](HelperViewFocusTest& t) { t.Click(kClose); }},
        {"exit button", [](HelperViewFocusTest& t) { t.Click(kExit); }},
        {"escape", [](HelperViewFocusTest& t) { SendMessageA(t.view->GetWindow(), WM_COMMAND, IDCANCEL, 0); }},
        {"apply", [](HelperViewFocusTest& t) { t.Click(kApply); }},
        {"hidden by the room", [](HelperViewFocusTest& t) { t.view->CloseVIPDialog(0); }},
        {"destroyed by the room", [](HelperViewFocusTest& t) { t.view->CloseVIPDialog(1); }},
    };
    for (const auto& way : ways) {
        if (!view->GetWindow()) {
            ASSERT_TRUE(CreateOnGame()) << way.name;
        }
        ShowAllGates();
        SetFocus(Control(kFirst30));
        Pump();
        ASSERT_EQ(GetFocus(), Control(kFirst30)) << way.name << ": the user is in the dialog";
        way.close(*this);
        Pump();
        EXPECT_EQ(GetFocus(), game) << way.name;
    }
}
