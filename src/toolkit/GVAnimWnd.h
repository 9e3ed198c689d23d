#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/GVDDSWnd.h"

// A frame animation on a horizontal strip of equal frames (an animated GIF's frames lie side by
// side in its entry). Each frame shows for its delay.
class GVAnimWnd : public GVDDSWnd {
public:
    // The strip and the size of one frame; 0 on failure.
    int LoadImage(const std::string& path, Point p, Size frameSize);
    // The same on frames made in memory, each cut or padded to the frame size; 0 for none.
    int SetFrames(const std::vector<Image>& frames, Size frameSize);
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

protected:
    // Shows the entry's frames, adopting the caller's reference: the entry's own frames when it
    // has several, else its picture cut into frames of frameSize's width. 0 on failure (the
    // reference is then released).
    int AdoptFrames(XResHandle handle, Size frameSize);

private:
    uint32_t DelayOf(int n) const;

    Size frameSize;  // one cell of the strip
    int frameCount = 0;
    int frame = 0;
    std::vector<uint32_t> delays;  // ms per frame, 0 for the default
    uint32_t defaultDelay = 100;
    uint32_t shownAt = 0;
    bool playing = false;
    bool loop = true;
};
