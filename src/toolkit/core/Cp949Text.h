#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Character-wise editing of CP949 texts: a lead byte 0x81..0xFE starts a two-byte character.

constexpr bool IsLeadByte949(uint8_t b)
{
    return b >= 0x81 && b <= 0xFE;
}

// The byte length of the character starting at i (1 or 2; 1 for a lead byte without trail).
size_t CharLength949(std::string_view text, size_t i);

// The longest prefix of whole characters of at most `room` bytes.
size_t FitPrefix949(std::string_view text, size_t room);

// Removes the last whole character; false when the text is empty.
bool EraseLastChar949(std::string& text);

// The character an IME message carries in its wParam: a DBCS pair (lead byte high) or one byte;
// empty for 0.
std::string CharFromImeParam(uint32_t wParam);

// Breaks a text into lines no wider than `width`, at spaces when it can and between characters
// when a word is too long; "\n" always breaks. `measure` answers the width of a piece.
template <class Measure>
std::vector<std::string> WrapText949(std::string_view text, int width, Measure&& measure);

#include "toolkit/core/Cp949Text.inl"
