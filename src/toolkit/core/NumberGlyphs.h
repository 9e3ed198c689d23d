#pragma once

#include <cstdint>
#include <vector>

// Styles of a number drawn in glyphs.
enum : uint32_t {
    kNumberUnits = 0x10000,      // groups of four digits, each followed by its unit (만, 억, 조, 경)
    kNumberThousands = 0x20000,  // groups of three digits with the separator glyph
    kNumberSuffix = 0x40000,     // a suffix glyph after the number
    kNumberPlus = 0x80000,       // a plus sign before a positive number
};

// Glyphs counted from the glyph base of the sprite pack: the digits 0..9, then these.
enum NumberGlyph : int {
    kGlyphSeparator = 10,
    kGlyphPlus = 11,
    kGlyphMinus = 12,
    kGlyphMan = 13,
    kGlyphEok = 14,
    kGlyphJo = 15,
    kGlyphGyeong = 16,
    kGlyphSuffix = 17,
};
constexpr int kNumberGlyphCount = 18;

// The glyphs of n in the style, left to right. With units, groups that are zero are left out
// ("1억5" for 100000005) and 0 is "0".
std::vector<int> NumberGlyphs(int64_t n, uint32_t style);
