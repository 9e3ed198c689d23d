#include "toolkit/GdiText.h"

#include "foundation/Debug.h"
#include "graphics/resources/XResEntryMgr.h"
#include "toolkit/DDSurface.h"

bool GdiFont::Create(int h, int w, const char* face, BYTE q)
{
    // A negative height asks GDI for the character height, as the texts are laid out.
    const HFONT shared = XResEntryMgr::Instance().GetFont(-h, w, face, q);
    if (!shared) {
        DebugLine("CreateFont %d/%d failed", h, w);
        return false;
    }
    Reset();
    font = shared;
    height = h;
    weight = w;
    quality = q;
    return true;
}

void GdiFont::Reset()
{
    if (font) XResEntryMgr::Instance().ReleaseFont(font);
    font = nullptr;
}

namespace {

// Puts the DC's old font back on scope exit.
class SelectFont {
public:
    SelectFont(HDC d, HFONT f) : dc(d), old(f ? SelectObject(d, f) : nullptr) {}
    ~SelectFont()
    {
        if (old) SelectObject(dc, old);
    }
    SelectFont(const SelectFont&) = delete;
    SelectFont& operator=(const SelectFont&) = delete;

private:
    HDC dc;
    HGDIOBJ old;
};

}  // namespace

bool DrawTextOnSurface(IDirectDrawSurface4* surface, const Rect& box, const Rect& clip, std::string_view text,
                       HFONT font, uint32_t colorRef, unsigned format)
{
    if (text.empty() || box.Intersected(clip).IsEmpty()) return true;
    const SurfaceDC dc(surface);
    if (!dc) return false;
    const SelectFont keep(dc.Get(), font);
    const Rect c = clip.Intersected(box);
    IntersectClipRect(dc.Get(), c.left, c.top, c.right, c.bottom);
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), colorRef);
    RECT r = ToRECT(box);
    DrawTextA(dc.Get(), text.data(), static_cast<int>(text.size()), &r, format | DT_NOPREFIX);
    return true;
}

Size MeasureText(HFONT font, std::string_view text)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return {};
    Size size;
    {
        const SelectFont keep(dc, font);
        SIZE s{};
        if (GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &s)) size = {s.cx, s.cy};
        if (text.empty()) {
            TEXTMETRICA tm{};
            GetTextMetricsA(dc, &tm);
            size = {0, tm.tmHeight};
        }
    }
    DeleteDC(dc);
    return size;
}
