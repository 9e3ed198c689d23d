#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graphics/sprite/core/QZSprite_RSCManager.h"

class K_Dib_Draw;

// One loaded ".qza": a single animation, or a set whose children are its sub-animations. The
// file and its sprite pack are held through the sprite resource manager.
class K_Animation_RSC {
public:
    K_Animation_RSC() = default;
    K_Animation_RSC(const K_Animation_RSC&) = delete;
    K_Animation_RSC& operator=(const K_Animation_RSC&) = delete;
    virtual ~K_Animation_RSC();

    // 1 on success; the pack's frame count is checked against every part.
    int LoadAnimationFile(const std::string& path);
    void Free();

    // 0 gives this object, i gives child i-1; null for a negative index or one beyond the children.
    K_Animation_RSC* GetChild(int i);
    int GetChildCount() const { return static_cast<int>(children.size()); }
    // The GetChild index of the first sub-animation of that name (CP949); -1 for none.
    int FindChild(const std::string& name) const;

    // Null for a set or an empty object: such an object cannot be played.
    const QZAnimation* GetHeader() const { return header; }
    const QZSpriteFile* GetSprite() const { return pack; }

private:
    QZSHandle fileHandle;
    QZSHandle packHandle;
    const QZAnimation* header = nullptr;
    const QZSpriteFile* pack = nullptr;
    std::vector<std::unique_ptr<K_Animation_RSC>> children;
};

// The playback state of one animation on the module clock. Frame delays are in units of 10 ms;
// a delay of 0 counts as 1.
class K_Animation {
public:
    // Binds the animation and rewinds (frame -1, no plays); the stop frame is kept. An animation
    // without a header leaves the player unbound.
    void SetAnimation(const K_Animation_RSC* animation);
    // From frame 0 now, `count` plays (-1 endless, 0 counts as 1), no stop frame.
    void Play(int count);
    void Stop();
    // Advances by the time since the last update; 1 when the shown frame changed.
    int UpdateAnimation(uint32_t now);
    // Draws every part of the shown frame with its hot spot at (x, y); `mirror` holds
    // kFxMirrorX / kFxMirrorY. 0 when nothing is shown.
    int Draw(K_Dib_Draw& image, int32_t x, int32_t y, uint32_t mirror) const;

    bool IsBound() const { return animation != nullptr; }
    bool IsPlaying() const { return playsLeft != 0; }
    int GetFrame() const { return frame; }
    int GetFrameCount() const;
    // Shows frame n (out of range, negative included, is ignored); the time in it restarts.
    void SetFrame(int n);
    // Playback halts when it reaches frame n (-1: no stop frame).
    void SetStopFrame(int n) { stopFrame = n; }
    int GetStopFrame() const { return stopFrame; }
    int GetPlaysLeft() const { return playsLeft; }
    uint32_t GetStartTime() const { return startTime; }

private:
    uint32_t FrameTime(int n) const;
    bool Advance();  // one frame on; false when the plays ran out
    void Finish();

    const K_Animation_RSC* animation = nullptr;
    uint32_t startTime = 0;
    uint32_t lastTime = 0;
    int frame = -1;
    int playsLeft = 0;  // -1 endless
    uint32_t timeInFrame = 0;
    int stopFrame = -1;
    std::vector<uint16_t> jumpsTaken;  // per frame, this pass
};
