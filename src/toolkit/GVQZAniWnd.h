#pragma once

#include <memory>
#include <string>

#include "graphics/sprite/core/K_Animation.h"
#include "toolkit/GVWnd.h"

// Plays a ".qza" animation (or one sub-animation of a set) at an anchor point. Its rectangle covers
// every frame of the selected animation, so moving frames never leave marks behind.
class GVQZAniWnd : public GVWnd {
public:
    // 1, or 0 on failure. A single animation is selected at once; a set waits for a selection.
    int Load(const std::string& path, int x, int y);
    // 0-based among the set's sub-animations (a single animation has only 0); 0 when there is none.
    int SelectAnimation(int index);
    int SelectAnimationByName(const std::string& name);
    int GetSubAnimation() const { return selected; }
    int GetSubAnimationCount() const;
    // Shows the widget and plays `loops` times (-1 endless); hold keeps the last frame shown after.
    void Play(int loops, bool hold);
    void Stop();
    // Per tick: 0 when stopped, 1 when the frame changed; an ended animation without hold hides.
    int Update();
    // Jumps to frame n; outside the frames (negative included) frame 0. Returns 1.
    int SetFrame(int n);
    int GetFrame() const { return player.GetFrame(); }
    int GetFrameCount() const { return player.GetFrameCount(); }
    bool IsPlaying() const { return player.IsPlaying(); }
    void SetMirror(uint32_t kFxMirrorFlags);

    void SetPos(Point p) override;
    Point GetPos() const override { return anchor; }
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

private:
    void Bind(const K_Animation_RSC* animation);
    void ComputeBounds();
    void PlaceRect();

    std::unique_ptr<K_Animation_RSC> rsc;
    const K_Animation_RSC* current = nullptr;
    K_Animation player;
    int selected = -1;
    bool hold = false;
    uint32_t mirror = 0;
    Point anchor;
    Rect bounds;  // of every frame, relative to the anchor
};
