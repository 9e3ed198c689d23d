#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "foundation/WindowTimer.h"
#include "foundation/core/Clock.h"
#include "host/MessageBox.h"

namespace {

// What the thread timer does while the box runs its loop.
int pressCommand = 0;          // WM_COMMAND id to post to the box, 0 none
uint32_t advanceMs = 0;        // virtual milliseconds to advance, 0 none
bool boxSeenOpen = false;
bool boxOpenAfterAdvance = false;

void CALLBACK PressButton(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND box = GetOpenMessageBox();
    if (!box) return;
    // The dialog shows once its loop first runs idle.
    if (!IsWindowVisible(box)) return;
    KillTimer(nullptr, id);
    boxSeenOpen = true;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(pressCommand, BN_CLICKED), 0);
}

// Advances the virtual clock in two steps: just short of the auto-close, then past it.
void CALLBACK AdvanceVirtualClock(HWND, UINT, UINT_PTR id, DWORD)
{
    if (!GetOpenMessageBox()) return;
    KillTimer(nullptr, id);
    WindowTimer::AdvanceAndFire(advanceMs - 1);
    boxOpenAfterAdvance = GetOpenMessageBox() != nullptr;
    WindowTimer::AdvanceAndFire(1);
}

void CALLBACK AdvanceALongTimeThenPressYes(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND box = GetOpenMessageBox();
    if (!box) return;
    KillTimer(nullptr, id);
    WindowTimer::AdvanceAndFire(600000);
    boxOpenAfterAdvance = GetOpenMessageBox() == box;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

int ShowAndPress(int type, int command)
{
    pressCommand = command;
    boxSeenOpen = false;
    SetTimer(nullptr, 0, 20, PressButton);
    MessageBoxSpec spec;
    spec.text = "`0111`굵은`0010` 글자\n둘째 줄";
    spec.type = type;
    spec.title = "먹튀방지옵션";
    return ShowBitmapMessageBox(nullptr, spec);
}

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM out)
{
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(out) = hwnd;
    return FALSE;
}

}  // namespace

TEST(BitmapMessageBox, AnswersTheButtonPressed)
{
    const struct {
        const char* name;
        int type;
        int command;
        int answer;
    } cases[] = {
        {"OK box, OK", 0, IDOK, 1},
        {"OK box, Escape closes as OK", 0, IDCANCEL, 1},
        {"yes/no box, yes", 1, IDOK, 1},
        {"yes/no box, no", 1, IDNO, 2},
        {"yes/no box, Escape is no", 1, IDCANCEL, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShowAndPress(c.type, c.command), c.answer) << c.name;
        EXPECT_TRUE(boxSeenOpen) << c.name;
        EXPECT_EQ(GetOpenMessageBox(), nullptr) << c.name << ": forgotten once closed";
    }
}

TEST(BitmapMessageBox, AnotherThreadCanAnswer)
{
    const DWORD uiThread = GetCurrentThreadId();
    std::atomic<bool> stop{false};
    std::thread answerer([&] {
        while (!stop.load()) {
            HWND box = nullptr;
            EnumThreadWindows(uiThread, FindDialog, reinterpret_cast<LPARAM>(&box));
            if (box) {
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
                return;
            }
            Sleep(10);
        }
    });
    MessageBoxSpec spec;
    spec.text = "다른 스레드";
    spec.type = 1;
    spec.autoCloseMs = 20000;  // a box never answered fails the test rather than hanging it
    const DWORD start = GetTickCount();
    EXPECT_EQ(ShowBitmapMessageBox(nullptr, spec), 2);
    EXPECT_LT(GetTickCount() - start, 10000u);
    stop.store(true);
    answerer.join();
}

TEST(BitmapMessageBox, ClosesByItselfOnTheRealClock)
{
    const struct {
        const char* name;
        int type;
        int answer;
    } cases[] = {
        {"OK box closes as OK", 0, 1},
        {"yes/no box closes as no", 1, 2},
    };
    for (const auto& c : cases) {
        MessageBoxSpec spec;
        spec.text = "곧 닫힙니다";
        spec.type = c.type;
        spec.autoCloseMs = 150;
        const DWORD start = GetTickCount();
        EXPECT_EQ(ShowBitmapMessageBox(nullptr, spec), c.answer) << c.name;
        const DWORD took = GetTickCount() - start;
        EXPECT_GE(took, 120u) << c.name;
        EXPECT_LT(took, 3000u) << c.name;
    }
}

TEST(BitmapMessageBox, ClosesByItselfOnTheVirtualClock)
{
    const struct {
        const char* name;
        int type;
        int answer;
    } cases[] = {
        {"OK box closes as OK", 0, 1},
        {"yes/no box closes as no", 1, 2},
    };
    for (const auto& c : cases) {
        Clock::UseVirtual(0, Clock::Now());
        advanceMs = 3000;
        boxOpenAfterAdvance = false;
        SetTimer(nullptr, 0, 20, AdvanceVirtualClock);
        MessageBoxSpec spec;
        spec.text = "가상 시계";
        spec.type = c.type;
        spec.autoCloseMs = 3000;
        const DWORD start = GetTickCount();
        EXPECT_EQ(ShowBitmapMessageBox(nullptr, spec), c.answer) << c.name;
        EXPECT_TRUE(boxOpenAfterAdvance) << c.name << ": closed before its time";
        EXPECT_LT(GetTickCount() - start, 2500u) << c.name << ": waited in real time";
        EXPECT_EQ(WindowTimer::VirtualCount(), 0u) << c.name << ": the auto-close timer is left running";
        Clock::UseReal();
    }
}

TEST(BitmapMessageBox, ZeroMillisecondsNeverClosesByItself)
{
    Clock::UseVirtual(0, Clock::Now());
    boxOpenAfterAdvance = false;
    SetTimer(nullptr, 0, 20, AdvanceALongTimeThenPressYes);
    MessageBoxSpec spec;
    spec.text = "안 닫힘";
    spec.type = 1;
    EXPECT_EQ(ShowBitmapMessageBox(nullptr, spec), 1);
    EXPECT_TRUE(boxOpenAfterAdvance);
    Clock::UseReal();
}
