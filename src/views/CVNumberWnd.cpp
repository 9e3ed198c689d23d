#include "views/CVNumberWnd.h"

#include "views/core/NumberDigits.h"

void CVNumberWnd::SetDigitRect(const Rect& r)
{
    strip = r;
    Invalidate();
}

void CVNumberWnd::SetSpacing(int pixels)
{
    if (pixels == spacing) return;
    spacing = pixels;
    Invalidate();
}

void CVNumberWnd::SetNumber(uint64_t n)
{
    auto next = DecimalDigits(n);
    if (next == digits) return;
    digits = std::move(next);
    Invalidate();
}

int CVNumberWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!GVWnd::Draw(surface, clip)) return 0;
    if (!visible) return 1;
    for (const DigitPlace& place : DigitPlaces(digits, strip, rect.right, spacing))
        if (!DrawPicture(surface, clip, {place.x, rect.top}, place.source)) return 0;
    return 1;
}
