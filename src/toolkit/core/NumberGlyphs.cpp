#include "toolkit/core/NumberGlyphs.h"

#include <algorithm>

namespace {

void AppendDigits(std::vector<int>& out, uint64_t v)
{
    std::vector<int> digits;
    do {
        digits.push_back(static_cast<int>(v % 10));
        v /= 10;
    } while (v != 0);
    out.insert(out.end(), digits.rbegin(), digits.rend());
}

void AppendUnits(std::vector<int>& out, uint64_t v)
{
    if (v == 0) {
        out.push_back(0);
        return;
    }
    static const int kUnits[] = {-1, kGlyphMan, kGlyphEok, kGlyphJo, kGlyphGyeong};
    int groups[5] = {};
    for (int& g : groups) {
        g = static_cast<int>(v % 10000);
        v /= 10000;
    }
    // 2^63 / 10^16 < 10000: every int64 fits in five groups.
    for (int i = 4; i >= 0; --i) {
        if (groups[i] == 0) continue;
        AppendDigits(out, static_cast<uint64_t>(groups[i]));
        if (kUnits[i] >= 0) out.push_back(kUnits[i]);
    }
}

void AppendThousands(std::vector<int>& out, uint64_t v)
{
    std::vector<int> digits;
    AppendDigits(digits, v);
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(kGlyphSeparator);
        out.push_back(digits[i]);
    }
}

}  // namespace

std::vector<int> NumberGlyphs(int64_t n, uint32_t style)
{
    std::vector<int> out;
    // The magnitude in unsigned arithmetic, so the most negative value has one too.
    const uint64_t magnitude = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    if (n < 0) out.push_back(kGlyphMinus);
    else if ((style & kNumberPlus) && n > 0) out.push_back(kGlyphPlus);
    if (style & kNumberUnits) AppendUnits(out, magnitude);
    else if (style & kNumberThousands) AppendThousands(out, magnitude);
    else AppendDigits(out, magnitude);
    if (style & kNumberSuffix) out.push_back(kGlyphSuffix);
    return out;
}
