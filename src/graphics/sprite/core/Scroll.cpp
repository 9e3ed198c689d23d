#include "graphics/sprite/core/Scroll.h"

#include "foundation/core/Clock.h"

void tagScroll_Move::SetSpeed(int32_t unit, uint32_t time)
{
    const int64_t distance = int64_t{end} - start;
    const int64_t span = distance < 0 ? -distance : distance;
    const int64_t d = unit == 0 ? int64_t{time} : span * time / (unit < 0 ? -int64_t{unit} : int64_t{unit});
    duration = d > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(d);
    elapsed = 0;
}

void tagScroll_Move::Start()
{
    running = true;
    elapsed = 0;
    lastTime = Clock::NowMs();
    if (current == end) current = start;
}

int tagScroll_Move::Update(uint32_t now, bool loop)
{
    if (!running) return 0;
    const uint32_t step = now - lastTime;
    lastTime = now;
    elapsed = UINT32_MAX - elapsed < step ? UINT32_MAX : elapsed + step;
    if (elapsed < duration) {
        current = static_cast<int32_t>(start + (int64_t{end} - start) * elapsed / duration);
        return 0;
    }
    if (loop) {
        current = start;
        elapsed = 0;
    } else {
        current = end;
        running = false;
    }
    return 1;
}

void KK_LLESprite_Scroll::SetScroll(int32_t distance, int32_t unit, uint32_t time, int32_t textWidth)
{
    move.start = 0;
    move.end = distance;
    move.current = 0;
    move.SetSpeed(unit, time);
    textSize = {textWidth, GetHeight()};
}

void CScroll_Text::Clear()
{
    state = 0;
    textRect = {};
    pause = 0;
    scrollTime = 0;
    nextId = 0;
    current = 0;
    canvas = {};
}
