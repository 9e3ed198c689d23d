#include "toolkit/GVPushBtn.h"

int GVPushBtn::LoadImage(const std::string& path, int hotSpot, int c, int r)
{
    if (c <= 0 || r <= 0) return 0;
    if (!GVDDSWnd::LoadImage(path, hotSpot)) return 0;
    columns = c;
    rows = r;
    SetSrcRect(CellRect(ImageCell()));
    SetRect(Rect(rect.TopLeft(), GetSrcRect().GetSize()));
    return 1;
}

int GVPushBtn::SetGrid(const Image& picture, int c, int r)
{
    if (c <= 0 || r <= 0) return 0;
    SetImage(picture);
    if (!HasImage()) return 0;
    columns = c;
    rows = r;
    SetSrcRect(CellRect(ImageCell()));
    SetRect(Rect(rect.TopLeft(), GetSrcRect().GetSize()));
    return 1;
}

int GVPushBtn::ImageCell() const  // grid order: normal, hover, down, disabled
{
    if (!IsEnabled()) return 3;
    if (pressed && hot) return 2;
    return hot ? 1 : 0;
}

Rect GVPushBtn::CellRect(int cell) const
{
    const int count = columns * rows;
    if (cell >= count) cell = count - 1;
    const int w = GetImageSize().cx / columns;
    const int h = GetImageSize().cy / rows;
    return Rect({(cell % columns) * w, (cell / columns) * h}, {w, h});
}

void GVPushBtn::SetState(bool newHot, bool newPressed)
{
    if (newHot == hot && newPressed == pressed) return;
    hot = newHot;
    pressed = newPressed;
    Invalidate();
}

bool GVPushBtn::HitTest(int x, int y, unsigned flags) const
{
    // Every state cell shares the shape of the normal one.
    if (!GVWnd::HitTest(x, y, flags)) return false;
    const Rect normal = CellRect(0);
    return IsOpaqueAt(x - rect.left + normal.left, y - rect.top + normal.top);
}

int GVPushBtn::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    SetSrcRect(CellRect(ImageCell()));
    return GVDDSWnd::Draw(surface, clip);
}

int GVPushBtn::OnLButtonDown(UINT, Point p)
{
    if (!IsVisible() || !IsEnabled() || !HitTest(p.x, p.y, kHitVisibleEnabled)) return 0;
    SetState(true, true);
    return 1;
}

int GVPushBtn::OnLButtonUp(UINT, Point p)
{
    if (!IsVisible() || !IsEnabled()) {
        SetState(false, false);
        return 0;
    }
    if (!pressed) return 0;
    const bool inside = HitTest(p.x, p.y, kHitVisibleEnabled);
    SetState(inside, false);
    return inside ? 1 : 0;
}

int GVPushBtn::OnMouseMove(UINT, Point p)
{
    if (!IsVisible() || !IsEnabled()) {
        SetState(false, false);
        return 0;
    }
    SetState(HitTest(p.x, p.y, kHitVisibleEnabled), pressed);
    return 1;
}

int GVPushBtn::OnKillFocus(GVWnd*)
{
    // The pointer went to another widget: no hover; a press still held stays.
    if (!pressed) SetState(false, false);
    return 0;
}
