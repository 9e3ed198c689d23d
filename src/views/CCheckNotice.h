#pragma once

#include <array>
#include <string>

#include "graphics/sprite/core/K_Animation.h"
#include "graphics/sprite/core/Scroll.h"
#include "toolkit/GVWnd.h"
#include "views/PanelOwner.h"
#include "views/core/CheckNoticeRules.h"

class K_Dib_Draw;

// The one-shot banner across the top of the table that the host raises with a notice text: an
// animated caption with the time in animated digits, an effect, a picture scrolled once through a
// text strip and an ending. It is drawn on top of everything and takes no input; it steps itself
// while it draws.
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
    // Ends any notice at once: inactive, the players stopped, the scroller back at its first picture.
    void Reset();
    // Starts the notice of a host text ("TYPE=..#TIME=..#MSG=.."), over a running one; a text
    // without "TYPE" leaves the banner as it is. The plan tells the time and the message.
    CheckNoticeRules::NoticePlan ParseNoticeText(const std::string& text);
    // One step of the running notice at `now`: the players, the phases and the scroller.
    void Step(uint32_t now);

    // Inactive: nothing drawn, 1. Active: steps, draws and stays dirty for the next frame.
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

    bool IsActive() const { return active; }
    int GetPhase() const { return phase; }
    enum class Player { Caption, FirstDigit, SecondDigit, Effect, ScrollBack, Ending, ScrollOverlay, Count };
    const K_Animation& GetPlayer(Player p) const { return players[static_cast<size_t>(p)]; }
    const K_Animation_RSC& GetAnimationSet() const { return animationSet; }
    const CScroll_Text& GetScroller() const { return scroller; }

private:
    [[nodiscard]] bool QueueScrollPicture(const std::string& packPath, int frame);
    K_Animation& At(Player p) { return players[static_cast<size_t>(p)]; }
    // Binds set index `index` (kNone or one beyond the set binds nothing).
    void Bind(Player p, int index);
    // An unbound player draws nothing and counts as stopped.
    bool Stopped(Player p) const;
    void DrawPlayer(K_Dib_Draw& image, Player p, Point offset) const;
    void DrawScroller(K_Dib_Draw& image, const Rect& clip) const;

    bool active = false;
    int phase = 0;  // 1 or 2 caption, 12 effect, 20 scrolling, 36 ending, 0 none
    K_Animation_RSC animationSet;  // child i is addressed as GetChild(i)
    CScroll_Text scroller;
    std::array<K_Animation, static_cast<size_t>(Player::Count)> players;
};
