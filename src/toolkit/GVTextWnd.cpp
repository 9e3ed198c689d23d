#include "toolkit/GVTextWnd.h"

#include "foundation/Debug.h"
#include "toolkit/DDSurface.h"

int GVTextWnd::Create(Size s, int fontHeight, int fontWeight)
{
    if (!SetFont(fontHeight, fontWeight)) return 0;
    return SetSize(s);
}

int GVTextWnd::SetText(const std::string& t)
{
    if (t != text) {
        text = t;
        MarkStale();
    }
    return 1;
}

int GVTextWnd::SetSize(Size s)
{
    if (s.cx <= 0 || s.cy <= 0) return 0;
    const XResHandle h = XResEntryMgr::Instance().CreateSurface("", s);
    if (h.IsNull()) return 0;
    size = s;
    AdoptEntry(h, false);
    MarkStale();
    return 1;
}

void GVTextWnd::SetTextColor(uint32_t colorRef)
{
    if (colorRef == textColor) return;
    textColor = colorRef;
    MarkStale();
}

void GVTextWnd::SetTextFormat(unsigned f)
{
    if (f == format) return;
    format = f;
    MarkStale();
}

int GVTextWnd::SetFont(int height, int weight)
{
    // Unsmoothed: every pixel GDI leaves alone stays the colour key, and no edge pixel mixes with it.
    if (!font.Create(height, weight, nullptr, NONANTIALIASED_QUALITY)) return 0;
    MarkStale();
    return 1;
}

void GVTextWnd::MarkStale()
{
    renderedSerial = 0;
    Invalidate();
}

bool GVTextWnd::IsStale() const
{
    return renderedSerial == 0 || renderedSerial != XResEntryMgr::Instance().GetContentSerial(GetEntry());
}

bool GVTextWnd::Render()
{
    XResEntryMgr& mgr = XResEntryMgr::Instance();
    const ComRef<IDirectDrawSurface4> surface = mgr.GetSurface(GetEntry());
    if (!surface) return false;
    DDBLTFX fx{};
    fx.dwSize = sizeof fx;
    fx.dwFillColor = mgr.GetColorKey();
    RECT all{0, 0, size.cx, size.cy};
    const HRESULT hr = surface->Blt(&all, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    if (FAILED(hr)) {
        Fail("GVTextWnd clear", hr);
        return false;
    }
    if (!text.empty() && !DrawTextOnSurface(surface.Get(), Rect({0, 0}, size), Rect({0, 0}, size), text, font.Get(),
                                            textColor, format))
        return false;
    renderedSerial = mgr.GetContentSerial(GetEntry());
    return true;
}

int GVTextWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    const bool shown = IsVisible() && HasImage();
    if (shown && IsStale() && !Render()) return 0;
    const int drawn = GVDDSWnd::Draw(surface, clip);
    // The manager may have restored a lost surface while drawing it: draw the text again next frame.
    if (shown && drawn && IsStale()) Invalidate();
    return drawn;
}
