#include "toolkit/GVTextWnd.h"

#include <cstring>

int GVTextWnd::Create(Size s, int fontHeight, int fontWeight)
{
    if (!SetFont(fontHeight, fontWeight)) return 0;
    return SetSize(s);
}

int GVTextWnd::SetText(const std::string& t)
{
    if (t != text) {
        text = t;
        Render();
    }
    return 1;
}

int GVTextWnd::SetSize(Size s)
{
    if (s.cx <= 0 || s.cy <= 0) return 0;
    size = s;
    Render();
    return 1;
}

void GVTextWnd::SetTextColor(uint32_t colorRef)
{
    if (colorRef == textColor) return;
    textColor = colorRef;
    Render();
}

void GVTextWnd::SetTextFormat(unsigned f)
{
    if (f == format) return;
    format = f;
    Render();
}

int GVTextWnd::SetFont(int height, int weight)
{
    if (!font.Create(height, weight)) return 0;
    if (size.cx > 0) Render();
    return 1;
}

// GDI draws onto a 32-bit DIB cleared to the colour key; every pixel GDI left alone becomes
// transparent. The font is drawn without smoothing so no edge pixel mixes with the key.
void GVTextWnd::Render()
{
    if (size.cx <= 0 || size.cy <= 0) return;
    auto picture = Image::Create(size.cx, size.cy, 0);
    if (!picture) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP dib = dc ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (dib && bits) {
        auto* px = static_cast<uint32_t*>(bits);
        const size_t count = static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy);
        std::fill(px, px + count, 0x00FF00FFu);
        const HGDIOBJ oldBitmap = SelectObject(dc, dib);
        LOGFONTA lf{};
        GetObjectA(font.Get(), sizeof lf, &lf);
        lf.lfQuality = NONANTIALIASED_QUALITY;
        const HFONT sharp = CreateFontIndirectA(&lf);
        const HGDIOBJ oldFont = SelectObject(dc, sharp ? sharp : font.Get());
        SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, textColor);
        RECT r{0, 0, size.cx, size.cy};
        DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r, format | DT_NOPREFIX);
        GdiFlush();
        for (size_t i = 0; i < count; ++i) {
            const uint32_t p = px[i] & 0xFFFFFF;
            picture->pixels[i] = p == 0xFF00FF ? 0 : (0xFF000000u | p);
        }
        SelectObject(dc, oldFont);
        if (sharp) DeleteObject(sharp);
        SelectObject(dc, oldBitmap);
    }
    if (dib) DeleteObject(dib);
    if (dc) DeleteDC(dc);
    SetImage(std::move(*picture));
}
