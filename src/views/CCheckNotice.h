#pragma once

#include "graphics/sprite/core/K_Animation.h"
#include "graphics/sprite/core/Scroll.h"
#include "toolkit/GVWnd.h"
#include "views/PanelOwner.h"

// The one-shot banner across the top of the table that the host raises with a notice text: an
// animated caption with the time in animated digits, an effect, a picture scrolled once through a
// text strip and an ending. It is drawn on top of everything and takes no input.
// FIXME: ParseNoticeText, the caption and effect players, the banner's steps and its drawing while
// active come with the banner's own work; until then it stays inactive and draws nothing.
class CCheckNotice : public GVWnd {
public:
    static constexpr Rect kStrip{0, 0, 800, 17};
    static constexpr Rect kTextRect{96, 5, 274, 17};
    static constexpr uint32_t kScrollTimeMs = 4000;  // for the text strip's width
    static constexpr Size kTextCanvas{1000, 12};
    static constexpr const char* kAnimationFile = "Etc\\CheckNotice.qza";
    static constexpr const char* kScrollFile = "Etc\\CheckNotice.psp";

    // The strip across the top, shown and disabled so that hit tests for enabled widgets pass over it; 1.
    int Create();
    // Loads the notice's animation set and queues the scrolling picture, frame 0 of its pack. False
    // when a file fails (reported to the owner's load errors).
    [[nodiscard]] bool CreateChildren(PanelOwner& owner);
    // Ends any notice at once: inactive, the scroller back at its first picture.
    void Reset();

    // Inactive: nothing drawn, 1.
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

    bool IsActive() const { return active; }
    const K_Animation_RSC& GetAnimationSet() const { return animationSet; }
    const CScroll_Text& GetScroller() const { return scroller; }

private:
    [[nodiscard]] bool QueueScrollPicture(const std::string& packPath, int frame);

    bool active = false;
    int phase = 0;  // 1 or 2 caption, 12 effect, 20 scrolling, 36 ending, 0 none
    K_Animation_RSC animationSet;  // child i is addressed as GetChild(i)
    CScroll_Text scroller;
};
