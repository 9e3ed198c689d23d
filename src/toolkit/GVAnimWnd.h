#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/GVDDSWnd.h"

// A frame animation on a horizontal strip of equal frames (an animated GIF's frames are laid side
// by side into one). Each frame shows for its delay.
class GVAnimWnd : public GVDDSWnd {
public:
    // The strip and the size of one frame; 0 on failure.
    int LoadImage(const std::string& path, Point p, Size frameSize);
    // The same on frames made in memory (each of the frame size); 0 for none.
    int SetFrames(std::vector<Image> frames, Size frameSize);
    // Delay of every frame that has none of its own, in ms.
    void SetFrameDelay(uint32_t ms) { defaultDelay = ms ? ms : 1; }
    void Play(bool loop);
    void Stop();
    bool IsPlaying() const { return playing; }
    // Per tick while playing and visible: 1 when the frame changed.
    int Step();
    // Out of range (negative included) selects frame 0.
    void SetFrame(int n);
    int GetFrame() const { return frame; }
    int GetFrameCount() const { return frameCount; }

private:
    uint32_t DelayOf(int n) const;

    Size frameSize;
    int frameCount = 0;
    int frame = 0;
    std::vector<uint32_t> delays;  // ms per frame, 0 for the default
    uint32_t defaultDelay = 100;
    uint32_t shownAt = 0;
    bool playing = false;
    bool loop = true;
};
