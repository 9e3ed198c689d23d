#include <gtest/gtest.h>

#include <functional>

#include "support/RoomTestSupport.h"

#include "toolkit/GVQZAniWnd.h"
#include "views/CCheckNotice.h"
#include "views/CVGFPlayCountWnd.h"

namespace {

// A seated room on the virtual clock, ticked as the frame timer ticks it.
class IdleRoom : public RoomFixture {
protected:
    void SetUp() override
    {
        Clock::UseVirtual();
        ASSERT_TRUE(OpenRoom());
        Seat();
        Scene().RenderScreen();  // the first picture, as the window's first paint draws it
        FramesOver(3000);        // whatever the entry started has ended
    }

    // The frames presented over `ms` of virtual time: ticks that left something to draw on screen.
    int FramesOver(uint32_t ms)
    {
        CMirelleVWS& s = Scene();
        int frames = 0;
        for (uint32_t t = 0; t < ms; t += 50) {
            Clock::Advance(50);
            s.Tick();
            if (s.IsDirty() && !s.RenderScreen().IsEmpty()) ++frames;
            s.FlushRedraw();
        }
        return frames;
    }
};

}  // namespace

// While nothing visible changes the tick draws and presents nothing; a running notice or a
// playing animation on a shown panel does.
TEST_F(IdleRoom, PresentsNoFrameWhileNothingVisibleChanges)
{
    CMirelleVWS& s = Scene();
    CCheckNotice* notice = s.periphery.checkNotice;
    CVGFPlayCountWnd* playCount = s.periphery.playCount;
    ASSERT_TRUE(notice && playCount);
    EXPECT_TRUE(s.RenderScreen().IsEmpty()) << "nothing dirty draws nothing";
    const struct { const char* name; std::function<void()> arrange; bool frames; } cases[] = {
        {"seated waiting room", [] {}, false},
        {"a notice started on the hidden strip", [&] { notice->ParseNoticeText("TYPE=0#TIME=3"); notice->Show(false); }, false},
        {"the notice ended", [&] { notice->Reset(); notice->Show(true); }, false},
        {"an alert playing on a hidden panel", [&] { playCount->GetAlert()->Play(-1, false); playCount->Show(false); }, false},
        {"an alert playing on a shown panel", [&] { playCount->Show(true); }, true},
        {"the alert stopped", [&] { playCount->GetAlert()->Stop(); }, false},
        {"a notice running on the strip", [&] { notice->ParseNoticeText("TYPE=0#TIME=3"); }, true},
    };
    for (const auto& c : cases) {
        c.arrange();
        FramesOver(100);  // the change itself may draw
        const int frames = FramesOver(3000);
        if (c.frames) {
            EXPECT_GT(frames, 0) << c.name;
        } else {
            EXPECT_EQ(frames, 0) << c.name;
        }
    }
}
