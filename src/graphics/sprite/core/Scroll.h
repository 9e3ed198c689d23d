#pragma once

#include <cstdint>
#include <deque>
#include <memory>

#include "foundation/core/Geometry.h"
#include "graphics/sprite/core/LLESprite.h"

// A linear motion of one value over time on the module clock.
struct tagScroll_Move {
    int32_t start = 0;
    int32_t end = 0;
    int32_t current = 0;
    uint32_t duration = 0;  // ms; 0: the motion is at its end at once
    uint32_t elapsed = 0;
    uint32_t lastTime = 0;
    bool running = false;

    // duration = |end - start| x time / unit (time itself when the unit is 0); elapsed 0.
    void SetSpeed(int32_t unit, uint32_t time);
    // Runs from now; back to the start when the value stands at the end.
    void Start();
    void Stop() { running = false; }
    // current = start + (end - start) x elapsed / duration, truncated. 1 when the end is reached:
    // with loop the motion starts over, else it stops at the end.
    int Update(uint32_t now, bool loop);
};

// A run-length sprite that scrolls leftwards through a text strip.
class KK_LLESprite_Scroll : public KK_LLESprite {
public:
    // The motion runs from 0 to `distance` at `unit` pixels per `time` ms; the text width is
    // the point past which the sprite has left the strip.
    void SetScroll(int32_t distance, int32_t unit, uint32_t time, int32_t textWidth);
    void Start() { move.Start(); }
    int Update(uint32_t now, bool loop) { return move.Update(now, loop); }
    // (right - position, top): the sprite enters at the strip's right edge.
    Point GetDrawPos(const Rect& textRect) const { return {textRect.right - move.current, textRect.top}; }
    bool IsPastEnd() const { return move.current > textSize.cx; }

    tagScroll_Move move;
    Size textSize;
    int id = 0;
};

// The queue of scrolling sprites of the check notice.
class CScroll_Text {
public:
    CScroll_Text() { Clear(); }
    // Zeroes the text rectangle, the speed and pause values and the current item.
    void Clear();
    // Stopped, every sprite back at its start, the first current.
    void Rewind();
    // Rewinds and runs from the first sprite now.
    void Restart();
    // Advances the current sprite (and the next once the current has cleared the strip for it).
    // 0 stopped or empty, 1 running, 2 the queue has run out. A sprite that has passed its end
    // starts over with `loop`, is deleted with `remove`, else rewound; then the next is current.
    int Step(uint32_t now, bool loop, bool remove);

    uint32_t state = 0;
    Rect textRect;
    uint32_t pause = 0;
    uint32_t scrollTime = 0;  // ms for the strip's width
    std::deque<std::unique_ptr<KK_LLESprite_Scroll>> sprites;  // owning
    int nextId = 0;
    int current = 0;
    Size canvas;
};
