#include "toolkit/GVSlideWnd.h"

#include "toolkit/DDSurface.h"

int GVSlideWnd::Create(const Rect& r, Size thumb)
{
    SetRect(r);
    thumbSize = thumb;
    track.thumb = thumb.cx;
    SetTrack(r.Width(), r.Height());
    return 1;
}

void GVSlideWnd::SetTrack(int length, int height)
{
    track.track = length;
    trackHeight = height;
    Invalidate();
}

void GVSlideWnd::SetRange(int lo, int hi)
{
    if (hi < lo) hi = lo;
    track.lo = lo;
    track.hi = hi;
    value = track.Clamp(value);
    Invalidate();
}

void GVSlideWnd::SetValue(int v)
{
    v = track.Clamp(v);
    if (v == value) return;
    value = v;
    Invalidate();
}

Rect GVSlideWnd::GetThumbRect() const
{
    const int x = rect.left + track.OffsetOf(value);
    const int y = rect.top + (trackHeight - thumbSize.cy) / 2;
    return Rect({x, y}, thumbSize);
}

void GVSlideWnd::SetColors(int32_t trackColorRef, int32_t thumbColorRef)
{
    trackColor = trackColorRef;
    thumbColor = thumbColorRef;
    Invalidate();
}

int GVSlideWnd::LoadThumbImage(const std::string& path)
{
    auto image = std::make_unique<GVDDSWnd>();
    if (!image->LoadImage(path, -1)) return 0;
    thumbImage = std::move(image);
    thumbSize = thumbImage->GetRect().GetSize();
    track.thumb = thumbSize.cx;
    Invalidate();
    return 1;
}

void GVSlideWnd::MoveThumbTo(int x)
{
    SetValue(track.ValueAt(x - grab - rect.left));
}

int GVSlideWnd::OnLButtonDown(UINT, Point p)
{
    if (!IsVisible() || !IsEnabled()) return 0;
    const Rect thumb = GetThumbRect();
    // Held where it was grabbed; a press on the track centres the thumb under the pointer.
    grab = thumb.Contains(p) ? p.x - thumb.left : thumbSize.cx / 2;
    dragging = true;
    MoveThumbTo(p.x);
    return 1;
}

int GVSlideWnd::OnMouseMove(UINT flags, Point p)
{
    if (!dragging) return 0;
    if (!(flags & MK_LBUTTON)) {
        dragging = false;
        return 0;
    }
    const int before = value;
    MoveThumbTo(p.x);
    return value != before ? 1 : 0;
}

int GVSlideWnd::OnLButtonUp(UINT, Point p)
{
    if (!dragging) return 0;
    MoveThumbTo(p.x);
    dragging = false;
    return 1;
}

int GVSlideWnd::DrawThumb(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (thumbImage) {
        thumbImage->SetPos(GetThumbRect().TopLeft());
        return thumbImage->Draw(surface, clip);
    }
    return SUCCEEDED(FillSurfaceRect(surface, GetThumbRect().Intersected(clip), static_cast<uint32_t>(thumbColor)))
               ? 1
               : 0;
}

int GVSlideWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!GVWnd::Draw(surface, clip)) return 0;
    const Rect area = DrawArea(clip);
    if (area.IsEmpty()) return 1;
    if (trackColor != kNoColor) {
        const int mid = rect.top + trackHeight / 2;
        const Rect groove{rect.left, mid - 1, rect.left + track.track, mid + 1};
        if (FAILED(FillSurfaceRect(surface, groove.Intersected(area), static_cast<uint32_t>(trackColor)))) return 0;
    }
    return thumbColor == kNoColor && !thumbImage ? 1 : DrawThumb(surface, area);
}
