#include "views/CVTextShadowWnd.h"

#include <algorithm>

void CVTextShadowWnd::SetShadowColor(uint32_t colorRef)
{
    if (colorRef == shadowColor) return;
    shadowColor = colorRef;
    Invalidate();
}

int CVTextShadowWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!visible || !surface) return GVTextWnd::Draw(surface, clip);
    const uint32_t own = GetTextColor();
    SetTextColor(shadowColor);
    // With an empty clip the text widget only renders its surface in the shadow colour; the copy
    // is then drawn at the offset, so the widget's rectangle never moves.
    int drawn = GVTextWnd::Draw(surface, Rect{});
    if (drawn) {
        const Rect src = GetSrcRect();
        const Rect shown{src.left, src.top, src.left + std::min(src.Width(), rect.Width()),
                         src.top + std::min(src.Height(), rect.Height())};
        drawn = DrawPicture(surface, clip, rect.TopLeft() + kShadowOffset, shown);
    }
    SetTextColor(own);
    if (!drawn) return 0;
    return GVTextWnd::Draw(surface, clip);
}
