#pragma once

#include <cstdint>
#include <vector>

#include "foundation/core/Geometry.h"

// The decimal digits of n, most significant first; 0 is one digit.
std::vector<int> DecimalDigits(uint64_t n);

// Where a digit of a number drawn from a digit strip goes: its left edge and the strip's cell.
struct DigitPlace {
    int digit = 0;
    int x = 0;
    Rect source;
    bool operator==(const DigitPlace&) const = default;
};

// The strip holds ten cells side by side, digit d in cell d, each a tenth of its width. The number is
// right-aligned: the last digit's cell ends on `right`, each earlier one `spacing` further left.
// Listed from the least significant digit; digits outside 0..9 are skipped.
std::vector<DigitPlace> DigitPlaces(const std::vector<int>& digits, const Rect& strip, int right, int spacing);
