#include "toolkit/GVDDSWnd.h"

#include <algorithm>

#include "foundation/Debug.h"

GVDDSWnd::~GVDDSWnd()
{
    ReleaseEntry();
}

int GVDDSWnd::LoadImage(const std::string& path, int hotSpot)
{
    const XResHandle h = XResEntryMgr::Instance().LoadImage(path);
    if (h.IsNull()) return 0;
    AdoptEntry(h, hotSpot >= 0);
    return 1;
}

void GVDDSWnd::SetImage(const Image& picture, bool hotSpot)
{
    const XResHandle h = XResEntryMgr::Instance().CreateFromImage("", picture);
    if (h.IsNull()) {
        DebugLine("GVDDSWnd: no entry for a %dx%d picture", picture.width, picture.height);
        return;
    }
    AdoptEntry(h, hotSpot);
}

bool GVDDSWnd::ShareImage(const GVDDSWnd& other)
{
    if (&other == this) return HasImage();
    if (other.entry.IsNull() || !XResEntryMgr::Instance().AddRef(other.entry)) return false;
    AdoptEntry(other.entry, other.useHotSpot);
    return entry == other.entry;
}

void GVDDSWnd::AdoptEntry(XResHandle h, bool hotSpot)
{
    const Point at = GetPos();
    XResInfo adopted;
    if (!XResEntryMgr::Instance().GetInfo(h, adopted)) {
        XResEntryMgr::Instance().Release(h);
        return;
    }
    ReleaseEntry();
    entry = h;
    info = std::move(adopted);
    imageSize = info.size;
    useHotSpot = hotSpot;
    srcRect = Rect({0, 0}, imageSize);
    SetRect(Rect(rect.TopLeft(), imageSize));
    SetPos(at);
    Invalidate();
}

void GVDDSWnd::ReleaseEntry()
{
    if (entry.IsNull()) return;
    XResEntryMgr::Instance().Release(entry);
    entry = {};
    info = {};
    imageSize = {};
}

void GVDDSWnd::SetSrcRect(const Rect& r)
{
    const Rect clamped = r.Intersected(Rect({0, 0}, imageSize));
    if (clamped == srcRect) return;
    srcRect = clamped;
    Invalidate();
}

void GVDDSWnd::SetDrawMode(uint32_t flags)
{
    if (flags == drawFlags) return;
    drawFlags = flags;
    Invalidate();
}

void GVDDSWnd::SetAlpha(int a)
{
    a = std::clamp(a, 0, 255);
    if (a == alpha) return;
    alpha = a;
    Invalidate();
}

void GVDDSWnd::SetTransparency(int percent)
{
    SetAlpha((100 - std::clamp(percent, 0, 100)) * 255 / 100);
}

void GVDDSWnd::SetPos(Point p)
{
    if (useHotSpot) p = p - info.hotSpot;
    GVWnd::SetPos(p);
}

Point GVDDSWnd::GetPos() const
{
    return useHotSpot ? rect.TopLeft() + info.hotSpot : rect.TopLeft();
}

bool GVDDSWnd::IsOpaqueAt(int x, int y) const
{
    if (entry.IsNull() || info.frameSize.cx <= 0 || x < 0) return false;
    // The manager answers per frame; the widget sees the frames side by side as one picture.
    const int frame = x / info.frameSize.cx;
    return XResEntryMgr::Instance().IsOpaqueAt(entry, x - frame * info.frameSize.cx, y, frame) == 1;
}

bool GVDDSWnd::HitTest(int x, int y, unsigned flags) const
{
    if (!GVWnd::HitTest(x, y, flags)) return false;
    if (!HasImage()) return true;
    return IsOpaqueAt(x - rect.left + srcRect.left, y - rect.top + srcRect.top);
}

int GVDDSWnd::DrawPicture(IDirectDrawSurface4* surface, const Rect& clip, Point at, const Rect& src)
{
    if (!HasImage()) return 1;
    const Rect target = Rect(at, src.GetSize()).Intersected(clip);
    if (target.IsEmpty() || alpha == 0) return 1;
    const HRESULT hr = XResEntryMgr::Instance().Draw(entry, surface, at, src, target, drawFlags,
                                                     static_cast<uint8_t>(alpha));
    return SUCCEEDED(hr) ? 1 : 0;
}

int GVDDSWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!GVWnd::Draw(surface, clip)) return 0;
    const Rect area = DrawArea(clip);
    if (area.IsEmpty()) return 1;
    // Cropped to the widget: a narrowed widget shows the left and top part of its source.
    const Rect src{srcRect.left, srcRect.top, srcRect.left + std::min(srcRect.Width(), rect.Width()),
                   srcRect.top + std::min(srcRect.Height(), rect.Height())};
    return DrawPicture(surface, area, rect.TopLeft(), src);
}
