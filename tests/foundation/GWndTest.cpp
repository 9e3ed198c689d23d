#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "foundation/GWnd.h"
#include "foundation/WindowTimer.h"
#include "foundation/core/Clock.h"

namespace {

class RecordingWnd : public GWnd {
public:
    std::vector<std::string> seen;

protected:
    bool OnCreate() override { return Note("create"); }
    bool OnKeyDown(UINT vk, UINT, UINT) override { return Note("key " + std::to_string(vk)); }
    bool OnChar(UINT ch, UINT, UINT) override { return Note("char " + std::to_string(ch)); }
    bool OnLButtonDown(UINT, int x, int y) override { return Note("down " + std::to_string(x) + "," + std::to_string(y)); }
    bool OnMouseMove(UINT, int x, int y) override { return Note("move " + std::to_string(x) + "," + std::to_string(y)); }
    bool OnTimer(UINT_PTR id) override { return Note("timer " + std::to_string(id)); }
    bool OnDestroy() override { return Note("destroy"); }
    bool OnOtherMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        if (msg != WM_USER + 6) return false;
        result = static_cast<LRESULT>(wParam) + 1;
        return Note("user6");
    }

private:
    bool Note(const std::string& s)
    {
        seen.push_back(s);
        return true;
    }
};

}  // namespace

TEST(GWnd, RoutesWindowMessagesToItsHandlers)
{
    RecordingWnd wnd;
    const HWND h = wnd.Create("MirelleTestWnd", "test", WS_POPUP, 0, 0, 0, 100, 100, nullptr);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GWndMgr::Instance().Find(h), &wnd);

    SendMessageA(h, WM_KEYDOWN, 'Q', 0);
    SendMessageA(h, WM_CHAR, 'q', 0);
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
    SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(-5), 7));
    SendMessageA(h, WM_TIMER, 3, 0);
    EXPECT_EQ(SendMessageA(h, WM_USER + 6, 41, 0), 42) << "an other-message handler sets the result";

    wnd.Destroy();
    EXPECT_EQ(wnd.seen, std::vector<std::string>({"create", "key 81", "char 113", "down 10,20", "move -5,7", "timer 3",
                                                  "user6", "destroy"}));
    EXPECT_EQ(wnd.GetHwnd(), nullptr);
    EXPECT_EQ(GWndMgr::Instance().Find(h), nullptr) << "a destroyed window is forgotten";
}

TEST(GWnd, WindowsOfOneClassKeepTheirOwnObjectsAndDieWithThem)
{
    HWND hb = nullptr;
    RecordingWnd a;
    ASSERT_NE(a.Create("MirelleTestWnd", "a", WS_POPUP, 0, 0, 0, 10, 10, nullptr), nullptr);
    {
        RecordingWnd b;
        hb = b.Create("MirelleTestWnd", "b", WS_POPUP, 0, 0, 0, 10, 10, nullptr);
        ASSERT_NE(hb, nullptr);
        SendMessageA(hb, WM_TIMER, 7, 0);
        EXPECT_EQ(a.seen.back(), "create");
        EXPECT_EQ(b.seen.back(), "timer 7");
    }
    EXPECT_FALSE(IsWindow(hb)) << "destroyed when the object goes";
    EXPECT_EQ(GWndMgr::Instance().Find(hb), nullptr);
    EXPECT_EQ(a.Create("MirelleTestWnd", "again", WS_POPUP, 0, 0, 0, 10, 10, nullptr), nullptr)
        << "a GWnd holds one window";
}

namespace {

struct VirtualTimerWnd : RecordingWnd {
    VirtualTimerWnd() { Clock::UseVirtual(5000, {2026, 12, 6, 12, 0, 0, 0, 0}); }
    ~VirtualTimerWnd() { WindowTimer::StopAll(GetHwnd()); Clock::UseReal(); }
    int Count(const std::string& s) const { return static_cast<int>(std::count(seen.begin(), seen.end(), s)); }
};

}  // namespace

TEST(WindowTimer, VirtualTimersFireInOrderOnlyWhenTimeAdvances)
{
    VirtualTimerWnd wnd;
    ASSERT_NE(wnd.Create("MirelleTestWnd", "t", WS_POPUP, 0, 0, 0, 10, 10, nullptr), nullptr);
    wnd.seen.clear();
    ASSERT_TRUE(WindowTimer::Start(wnd.GetHwnd(), 0, 50));
    ASSERT_TRUE(WindowTimer::Start(wnd.GetHwnd(), 2, 500));

    Sleep(120);  // real time passes, virtual time does not
    WindowTimer::AdvanceAndFire(0);  // dispatches what is waiting
    EXPECT_TRUE(wnd.seen.empty());

    WindowTimer::AdvanceAndFire(1000);
    EXPECT_EQ(wnd.Count("timer 0"), 20) << "a 50 ms timer fires 20 times in one virtual second";
    EXPECT_EQ(wnd.Count("timer 2"), 2);
    EXPECT_EQ(Clock::NowMs(), 6000u);

    WindowTimer::Start(wnd.GetHwnd(), 2, 500);  // restart: due 500 ms from now
    WindowTimer::Stop(wnd.GetHwnd(), 0);
    wnd.seen.clear();
    WindowTimer::AdvanceAndFire(499);
    EXPECT_TRUE(wnd.seen.empty());
    WindowTimer::AdvanceAndFire(1);
    EXPECT_EQ(wnd.seen, std::vector<std::string>{"timer 2"});

    WindowTimer::StopAll(wnd.GetHwnd());
    EXPECT_EQ(WindowTimer::VirtualCount(), 0u);
}

// A wait that only advances the virtual clock (a buffer restore's) passes several ticks at once.
TEST(WindowTimer, VirtualTimerStaysOnItsGridWhenTheClockJumps)
{
    const struct { const char* name; uint32_t jump; int posted; int64_t untilNext; } cases[] = {
        {"less than a period", 49, 0, 1},
        {"exactly one period", 50, 1, 50},
        {"between two periods", 130, 1, 20},
        {"many whole periods", 1000, 1, 50},
    };
    VirtualTimerWnd wnd;
    ASSERT_NE(wnd.Create("MirelleTestWnd", "t", WS_POPUP, 0, 0, 0, 10, 10, nullptr), nullptr);
    for (const auto& c : cases) {
        ASSERT_TRUE(WindowTimer::Start(wnd.GetHwnd(), 1, 50)) << c.name;
        wnd.seen.clear();
        Clock::Advance(c.jump);
        WindowTimer::AdvanceAndFire(0);
        EXPECT_EQ(wnd.Count("timer 1"), c.posted) << c.name << ": one WM_TIMER however late, no burst";
        EXPECT_EQ(WindowTimer::MsUntilNextDue(), c.untilNext) << c.name << ": the next tick on the 50 ms grid";
        WindowTimer::AdvanceAndFire(static_cast<uint32_t>(c.untilNext) + 100);
        EXPECT_EQ(wnd.Count("timer 1"), c.posted + 3) << c.name << ": then every 50 ms again";
    }
}
