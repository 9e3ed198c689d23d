#include "views/core/NumberDigits.h"

std::vector<int> DecimalDigits(uint64_t n)
{
    std::vector<int> digits;
    do {
        digits.insert(digits.begin(), static_cast<int>(n % 10));
        n /= 10;
    } while (n);
    return digits;
}

std::vector<DigitPlace> DigitPlaces(const std::vector<int>& digits, const Rect& strip, int right, int spacing)
{
    const int cell = strip.Width() / 10;
    std::vector<DigitPlace> places;
    int x = right - cell;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        const int d = *it;
        if (d < 0 || d > 9) continue;
        const int left = strip.left + d * cell;
        places.push_back({d, x, {left, strip.top, left + cell, strip.bottom}});
        x -= cell + spacing;
    }
    return places;
}
