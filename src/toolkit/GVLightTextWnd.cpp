#include "toolkit/GVLightTextWnd.h"

#include "toolkit/DDSurface.h"

int GVLightTextWnd::Init(Size size, int32_t key, int fontHeight, int fontWeight)
{
    SetRect(Rect(GetPos(), size));
    SetColorKey(key);
    return SetFont(fontHeight, fontWeight);
}

int GVLightTextWnd::SetText(const std::string& t)
{
    if (t != text) {
        text = t;
        Invalidate();
    }
    return 1;
}

void GVLightTextWnd::SetTextColor(uint32_t colorRef)
{
    if (colorRef == textColor) return;
    textColor = colorRef;
    Invalidate();
}

void GVLightTextWnd::SetTextFormat(unsigned f)
{
    // A single line unless the caller asks for word breaks.
    if (!(f & DT_WORDBREAK)) f |= DT_SINGLELINE;
    if (f == format) return;
    format = f;
    Invalidate();
}

int GVLightTextWnd::SetFont(int height, int weight)
{
    if (!font.Create(height, weight)) return 0;
    Invalidate();
    return 1;
}

int GVLightTextWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!GVWnd::Draw(surface, clip)) return 0;
    if (DrawArea(clip).IsEmpty()) return 1;
    return DrawTextOnSurface(surface, rect, clip, text, font.Get(), textColor, format) ? 1 : 0;
}
