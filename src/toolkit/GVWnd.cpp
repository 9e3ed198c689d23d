#include "toolkit/GVWnd.h"

#include "toolkit/DDSurface.h"
#include "toolkit/GVWS.h"

void GVWnd::SetPos(Point p)
{
    SetRect(rect.MovedTo(p));
}

void GVWnd::SetRect(const Rect& r)
{
    if (r == rect) return;
    invalid = invalid.United(rect).United(r);
    MarkChanged();
    rect = r;
}

void GVWnd::Show(bool show)
{
    // Union, not replace: a widget moved and then hidden in the same frame must still clear its old place.
    invalid = invalid.United(rect);
    MarkChanged();
    visible = show;
}

bool GVWnd::HitTest(int x, int y, unsigned flags) const
{
    if ((flags & kHitVisible) && !visible) return false;
    if ((flags & kHitEnabled) && !enabled) return false;
    return rect.Contains(x, y);
}

Rect GVWnd::DrawArea(const Rect& clip) const
{
    return visible ? rect.Intersected(clip) : Rect{};
}

int GVWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!surface) return 0;
    MarkDrawn();
    const Rect area = DrawArea(clip);
    if (area.IsEmpty() || fillColor == kNoColor) return 1;
    return SUCCEEDED(FillSurfaceRect(surface, area, static_cast<uint32_t>(fillColor))) ? 1 : 0;
}

int GVWnd::OnKillFocus(GVWnd*) { return 0; }
int GVWnd::OnKeyDown(UINT, UINT, UINT) { return 0; }
int GVWnd::OnLButtonDown(UINT, Point) { return 0; }
int GVWnd::OnLButtonUp(UINT, Point) { return 0; }
int GVWnd::OnMouseMove(UINT, Point) { return 0; }
int GVWnd::OnRButtonDown(UINT, Point) { return 0; }
int GVWnd::OnRButtonUp(UINT, Point) { return 0; }
int GVWnd::OnLButtonDblClk(UINT, Point) { return 0; }
int GVWnd::OnKeyUp(UINT, UINT, UINT) { return 0; }
int GVWnd::OnChar(UINT, UINT, UINT) { return 0; }
int GVWnd::OnSetFocus(GVWnd*) { return 0; }
int GVWnd::OnImeStartComposition(WPARAM, LPARAM) { return 0; }
int GVWnd::OnImeComposition(WPARAM, LPARAM) { return 0; }
int GVWnd::OnImeEndComposition(WPARAM, LPARAM) { return 0; }

void GVWnd::Enable(bool enable)
{
    invalid = invalid.United(rect);
    MarkChanged();
    enabled = enable;
}

void GVWnd::SetDirty(bool flag)
{
    if (flag) {
        MarkChanged();
        return;
    }
    dirty = false;
    invalid = rect;
}

void GVWnd::MarkChanged()
{
    dirty = true;
    if (scene) scene->RequestDraw();
}

void GVWnd::MarkDrawn()
{
    dirty = false;
    invalid = visible ? rect : Rect{};
}

Rect GVWnd::GetDirtyArea() const
{
    return visible ? invalid.United(rect) : invalid;
}

void GVWnd::SetFillColor(int32_t colorRef)
{
    if (colorRef == fillColor) return;
    fillColor = colorRef;
    MarkChanged();
}
