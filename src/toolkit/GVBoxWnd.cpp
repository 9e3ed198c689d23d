#include "toolkit/GVBoxWnd.h"

#include <algorithm>

#include "toolkit/DDSurface.h"

int GVBoxWnd::Create(Point p, Size size, int32_t fillColorRef, int value)
{
    SetRect(Rect(p, size));
    SetFill(fillColorRef, value);
    return 1;
}

void GVBoxWnd::SetFill(int32_t colorRef, int value)
{
    value = std::clamp(value, 0, 255);
    if (colorRef == GetFillColor() && value == fillValue) return;
    SetFillColor(colorRef);
    fillValue = value;
    Invalidate();
}

void GVBoxWnd::SetBorder(int32_t lightColorRef, int32_t darkColorRef, BorderStyle style)
{
    light = lightColorRef;
    dark = darkColorRef;
    border = style;
    Invalidate();
}

int GVBoxWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!surface) return 0;
    MarkDrawn();
    const Rect area = DrawArea(clip);
    if (area.IsEmpty()) return 1;
    if (GetFillColor() != kNoColor && FAILED(BlendSurfaceRect(surface, area, static_cast<uint32_t>(GetFillColor()),
                                                              fillValue)))
        return 0;
    if (border == BorderStyle::None) return 1;
    const int32_t topLeft = border == BorderStyle::Sunken ? dark : light;
    const int32_t bottomRight = border == BorderStyle::Flat ? light : border == BorderStyle::Raised ? dark : light;
    const Rect edges[] = {
        {rect.left, rect.top, rect.right, rect.top + 1},
        {rect.left, rect.top, rect.left + 1, rect.bottom},
        {rect.left, rect.bottom - 1, rect.right, rect.bottom},
        {rect.right - 1, rect.top, rect.right, rect.bottom},
    };
    for (int i = 0; i < 4; ++i) {
        const int32_t c = i < 2 ? topLeft : bottomRight;
        if (c != kNoColor && FAILED(FillSurfaceRect(surface, edges[i].Intersected(area), static_cast<uint32_t>(c))))
            return 0;
    }
    return 1;
}
