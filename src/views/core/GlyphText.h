#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/core/Geometry.h"

constexpr int kMaxGlyphs = 12;

enum class GlyphAlign { Left = 0, Center = 1, Right = 2 };

// The characters of a CP949 text, one string each (a two-byte syllable or one byte), at most
// kMaxGlyphs; the rest is dropped.
std::vector<std::string> GlyphNames(std::string_view text);

// Where each of `count` glyphs of `glyphWidth` goes in `box`, `spacing` apart (negative overlaps):
// left from the box's left edge, right with the last glyph's right edge on the box's right edge,
// centred with the whole row centred (half pixels rounded towards the left). All on the box's top.
std::vector<Point> GlyphPositions(const Rect& box, int count, int glyphWidth, int spacing, GlyphAlign align);

// The one-by-one reveal of a glyph text: the last glyph first, then one more each interval.
class GlyphReveal {
public:
    // All at once: nothing is left to reveal one by one.
    void Start(int count, bool allAtOnce, uint32_t intervalMs, uint32_t nowMs);
    void Cancel() { next = -1; }
    // The glyph to reveal at `nowMs`, when its interval is over; it then counts as revealed.
    std::optional<int> Next(uint32_t nowMs);
    bool IsRunning() const { return next >= 0; }

private:
    int next = -1;
    uint32_t interval = 50;
    uint32_t last = 0;
};
