#include <gtest/gtest.h>

#include "foundation/WindowTimer.h"
#include "support/RoomTestSupport.h"

namespace {

MessageBoxSpec Spec(int type, uint32_t autoCloseMs)
{
    MessageBoxSpec spec;
    spec.text = "`0111`굵은`0010` 글자\n둘째 줄";
    spec.type = type;
    spec.autoCloseMs = autoCloseMs;
    spec.title = "먹튀방지옵션";
    return spec;
}

}  // namespace

TEST(BitmapMessageBox, AnswersTheButtonPressed)
{
    const struct { const char* name; int type, command, answer; } cases[] = {
        {"OK box, OK", 0, IDOK, 1},        {"OK box, Escape closes as OK", 0, IDCANCEL, 1}, {"yes/no box, yes", 1, IDOK, 1},
        {"yes/no box, no", 1, IDNO, 2}, {"yes/no box, Escape is no", 1, IDCANCEL, 2},
    };
    for (const auto& c : cases) {
        AnswerNextBox(c.command);
        EXPECT_EQ(ShowBitmapMessageBox(nullptr, Spec(c.type, 0)), c.answer) << c.name;
        EXPECT_TRUE(nextBox.answered && GetOpenMessageBox() == nullptr) << c.name << ": not shown, or not forgotten";
    }
}

// A box that closes by itself never answers yes; 0 ms never closes.
TEST(BitmapMessageBox, ClosesByItselfAfterItsTimeOnly)
{
    const DWORD realStart = GetTickCount();
    EXPECT_EQ(ShowBitmapMessageBox(nullptr, Spec(1, 150)), 2) << "real clock";
    const DWORD realMs = GetTickCount() - realStart;
    EXPECT_TRUE(realMs >= 120 && realMs < 3000) << "closed after " << realMs << " ms instead of 150";
    const struct { const char* name; int type; uint32_t autoCloseMs; int answer; } cases[] = {
        {"OK box", 0, 3000, 1}, {"yes/no box: no", 1, 3000, 2}, {"0 ms: still open after ten minutes, then yes", 1, 0, 1},
    };
    for (const auto& c : cases) {
        const DWORD start = GetTickCount();
        Clock::UseVirtual();
        const uint32_t span = c.autoCloseMs ? c.autoCloseMs : 600000;
        bool openJustBefore = false, openAfter = false;
        // Advances the virtual clock to just short of the time, then to it; a box still open is answered yes.
        // A closing box is hidden at once but stays the open one until its loop returns.
        AnswerNextBox(IDOK, [&] {
            WindowTimer::AdvanceAndFire(span - 1);
            openJustBefore = IsWindowVisible(GetOpenMessageBox());
            WindowTimer::AdvanceAndFire(1);
            openAfter = IsWindowVisible(GetOpenMessageBox());
        });
        EXPECT_EQ(ShowBitmapMessageBox(nullptr, Spec(c.type, c.autoCloseMs)), c.answer) << c.name;
        EXPECT_TRUE(openJustBefore) << c.name << ": closed before its time";
        EXPECT_EQ(openAfter, c.autoCloseMs == 0) << c.name;
        EXPECT_LT(GetTickCount() - start, 2500u) << c.name << ": waited in real time";
        EXPECT_EQ(WindowTimer::VirtualCount(), 0u) << c.name << ": the auto-close timer is left running";
        Clock::UseReal();
    }
}
