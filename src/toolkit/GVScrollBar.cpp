#include "toolkit/GVScrollBar.h"

#include "toolkit/DDSurface.h"

namespace {
constexpr int kMinThumb = 8;
}

int GVScrollBar::Create(const Rect& r)
{
    SetRect(r);
    return 1;
}

void GVScrollBar::SetRange(int l, int h, int p)
{
    lo = l;
    hi = h < l ? l : h;
    page = p < 1 ? 1 : p;
    value = Track().Clamp(value);
    Invalidate();
}

ThumbTrack GVScrollBar::Track() const
{
    ThumbTrack t;
    t.lo = lo;
    t.hi = hi;
    t.track = rect.Height();
    t.thumb = ScrollThumbLength(rect.Height(), lo, hi, page, kMinThumb);
    return t;
}

void GVScrollBar::SetValue(int v)
{
    v = Track().Clamp(v);
    if (v == value) return;
    value = v;
    Invalidate();
}

void GVScrollBar::Change(int v)
{
    const int before = value;
    SetValue(v);
    if (value != before && onChange) onChange(value);
}

Rect GVScrollBar::GetThumbRect() const
{
    const ThumbTrack t = Track();
    return {rect.left, rect.top + t.OffsetOf(value), rect.right, rect.top + t.OffsetOf(value) + t.thumb};
}

void GVScrollBar::SetColors(uint32_t trackColorRef, uint32_t thumbColorRef)
{
    trackColor = trackColorRef;
    thumbColor = thumbColorRef;
    Invalidate();
}

int GVScrollBar::OnLButtonDown(UINT, Point p)
{
    if (!IsVisible() || !IsEnabled() || !rect.Contains(p)) return 0;
    const Rect thumb = GetThumbRect();
    if (thumb.Contains(p)) {
        dragging = true;
        grab = p.y - thumb.top;
    } else {
        Change(p.y < thumb.top ? value - page : value + page);
    }
    return 1;
}

int GVScrollBar::OnMouseMove(UINT flags, Point p)
{
    if (!dragging) return 0;
    if (!(flags & MK_LBUTTON)) {
        dragging = false;
        return 0;
    }
    const int before = value;
    Change(Track().ValueAt(p.y - grab - rect.top));
    return value != before ? 1 : 0;
}

int GVScrollBar::OnLButtonUp(UINT, Point)
{
    const bool was = dragging;
    dragging = false;
    return was ? 1 : 0;
}

int GVScrollBar::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!surface) return 0;
    MarkDrawn();
    const Rect area = DrawArea(clip);
    if (area.IsEmpty()) return 1;
    if (FAILED(FillSurfaceRect(surface, area, trackColor))) return 0;
    return SUCCEEDED(FillSurfaceRect(surface, GetThumbRect().Intersected(area), thumbColor)) ? 1 : 0;
}
