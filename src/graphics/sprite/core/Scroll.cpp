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

void CScroll_Text::Rewind()
{
    state = 0;
    current = 0;
    for (auto& sprite : sprites) {
        sprite->move.current = sprite->move.start;
        sprite->move.Stop();
    }
}

void CScroll_Text::Restart()
{
    Rewind();
    if (sprites.empty()) return;
    state = 1;
    sprites.front()->Start();
}

int CScroll_Text::Step(uint32_t now, bool loop, bool remove)
{
    if (state == 0 || sprites.empty()) return 0;
    if (current < 0 || static_cast<size_t>(current) >= sprites.size()) {
        if (!loop) return 2;
        Restart();
    }
    KK_LLESprite_Scroll& sprite = *sprites[static_cast<size_t>(current)];
    if (!sprite.move.running && sprite.move.current == sprite.move.start) sprite.Start();
    const bool passed = sprite.Update(now, false) != 0;
    const size_t next = static_cast<size_t>(current) + 1;
    if (!passed && sprite.IsPastEnd() && next < sprites.size()) {
        KK_LLESprite_Scroll& follower = *sprites[next];
        if (!follower.move.running) follower.Start();
        follower.Update(now, false);
    }
    if (!passed) return 1;
    if (remove) {
        sprites.erase(sprites.begin() + current);
    } else {
        if (loop) sprite.Start();
        else sprite.move.current = sprite.move.start;
        ++current;
    }
    if (static_cast<size_t>(current) < sprites.size()) return 1;
    if (loop && !sprites.empty()) {
        Restart();
        return 1;
    }
    state = 0;
    return 2;
}
