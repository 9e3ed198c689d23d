#include "views/core/GlyphText.h"

#include "toolkit/core/Cp949Text.h"

std::vector<std::string> GlyphNames(std::string_view text)
{
    std::vector<std::string> names;
    for (size_t i = 0; i < text.size() && names.size() < kMaxGlyphs;) {
        const size_t n = CharLength949(text, i);
        names.emplace_back(text.substr(i, n));
        i += n;
    }
    return names;
}

std::vector<Point> GlyphPositions(const Rect& box, int count, int glyphWidth, int spacing, GlyphAlign align)
{
    const int step = glyphWidth + spacing;
    int x = box.left;
    if (align == GlyphAlign::Center)
        x = box.left + ((box.Width() + spacing - count * step) >> 1);  // arithmetic shift: floor for odd negatives
    else if (align == GlyphAlign::Right)
        x = box.right + spacing - count * step;
    std::vector<Point> positions;
    for (int i = 0; i < count; ++i, x += step) positions.push_back({x, box.top});
    return positions;
}

void GlyphReveal::Start(int count, bool allAtOnce, uint32_t intervalMs, uint32_t nowMs)
{
    interval = intervalMs;
    last = nowMs;
    next = allAtOnce ? -1 : count - 1;
}

std::optional<int> GlyphReveal::Next(uint32_t nowMs)
{
    // Unsigned difference: right across the wrap of the millisecond clock.
    if (next < 0 || nowMs - last < interval) return std::nullopt;
    last = nowMs;
    return next--;
}
