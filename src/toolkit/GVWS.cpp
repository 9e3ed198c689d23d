#include "toolkit/GVWS.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include <windowsx.h>

GVWS::~GVWS()
{
    DestroyAll();
}

int GVWS::SetViewRect(const Rect& r)
{
    viewRect = r;
    return 1;
}

int GVWS::AddWnd(GVWnd* wnd)
{
    if (!wnd) return 0;
    wnds.Remove(wnd);
    wnds.push_front(wnd);
    Adopt(wnd);
    return 1;
}

int GVWS::AddWndToBack(GVWnd* wnd)
{
    if (!wnd) return 0;
    wnds.Remove(wnd);
    wnds.push_back(wnd);
    Adopt(wnd);
    return 1;
}

int GVWS::InsertWndBefore(GVWnd* reference, GVWnd* wnd)
{
    if (!reference || !wnd || reference == wnd || !wnds.Contains(reference)) return 0;
    wnds.Remove(wnd);
    wnds.insert(std::find(wnds.begin(), wnds.end(), reference), wnd);
    Adopt(wnd);
    return 1;
}

int GVWS::InsertWndAfter(GVWnd* reference, GVWnd* wnd)
{
    if (!reference || !wnd || reference == wnd || !wnds.Contains(reference)) return 0;
    wnds.Remove(wnd);
    wnds.insert(std::next(std::find(wnds.begin(), wnds.end(), reference)), wnd);
    Adopt(wnd);
    return 1;
}

void GVWS::Adopt(GVWnd* wnd)
{
    wnd->SetScene(this);
    wnd->Invalidate();
}

void GVWS::Forget(GVWnd* wnd)
{
    wnds.Remove(wnd);
    wnd->SetScene(nullptr);
    if (wnd->IsVisible()) InvalidateArea(wnd->GetRect());
    InvalidateArea(wnd->GetInvalidRect());
    if (focusWnd == wnd) focusWnd = nullptr;
    if (mouseWnd == wnd) mouseWnd = nullptr;
}

int GVWS::RemoveWnd(GVWnd* wnd)
{
    if (!wnd || !wnds.Contains(wnd)) return 0;
    Forget(wnd);
    return 1;
}

int GVWS::DestroyWnd(GVWnd* wnd)
{
    if (!RemoveWnd(wnd)) return 0;
    delete wnd;
    return 1;
}

void GVWS::DestroyAll()
{
    while (!wnds.empty()) DestroyWnd(wnds.front());
}

GVWnd* GVWS::WndFromPoint(Point p, unsigned flags) const
{
    for (GVWnd* wnd : wnds)
        if (wnd->HitTest(p.x, p.y, flags)) return wnd;
    return nullptr;
}

Rect GVWS::Render(const Rect& area, IDirectDrawSurface4* surface)
{
    if (!surface) return {};
    const bool all = redrawAll != 0;
    redrawAll = 0;
    const Rect drawn = all ? RenderAll(area, surface) : RenderDirty(area, surface);
    // What the widgets change while they draw is drawn with the next change, not by a frame of its own.
    (void)TakeDrawRequest();
    return drawn;
}

Rect GVWS::Flush(const Rect& area, IDirectDrawSurface4* surface)
{
    if (!TakeDrawRequest()) return {};
    return Render(area, surface);
}

Rect GVWS::RenderAll(const Rect& area, IDirectDrawSurface4* surface)
{
    for (auto it = wnds.rbegin(); it != wnds.rend(); ++it) {
        if ((*it)->Draw(surface, area) == 0) drawFailed = true;
        (*it)->MarkDrawn();
    }
    pendingArea = {};
    return area;
}

Rect GVWS::RenderDirty(const Rect& area, IDirectDrawSurface4* surface)
{
    Rect dirtyArea = pendingArea;
    pendingArea = {};
    for (const GVWnd* wnd : wnds)
        if (wnd->IsDirty()) dirtyArea = dirtyArea.United(wnd->GetDirtyArea());
    dirtyArea = dirtyArea.Intersected(area);

    for (auto it = wnds.rbegin(); it != wnds.rend(); ++it) {
        GVWnd* wnd = *it;
        if (!dirtyArea.IsEmpty() && wnd->IsVisible() && wnd->GetRect().Intersects(dirtyArea)) {
            if (wnd->Draw(surface, dirtyArea) == 0) drawFailed = true;
            wnd->MarkDrawn();
        } else if (wnd->IsDirty()) {
            wnd->MarkDrawn();
        }
    }
    return dirtyArea;
}

bool GVWS::TakeDrawFailed()
{
    return std::exchange(drawFailed, false);
}

bool GVWS::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const UINT repeat = LOWORD(lParam);
    const UINT keyFlags = HIWORD(lParam);
    const UINT mouseFlags = static_cast<UINT>(wParam);
    const Point p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    int r = 0;
    switch (msg) {
    case WM_KEYDOWN: r = OnKeyDown(static_cast<UINT>(wParam), repeat, keyFlags); break;
    case WM_KEYUP: r = OnKeyUp(static_cast<UINT>(wParam), repeat, keyFlags); break;
    case WM_CHAR: r = OnChar(static_cast<UINT>(wParam), repeat, keyFlags); break;
    case WM_IME_STARTCOMPOSITION: r = OnImeStartComposition(wParam, lParam); break;
    case WM_IME_COMPOSITION: r = OnImeComposition(wParam, lParam); break;
    case WM_IME_ENDCOMPOSITION: r = OnImeEndComposition(wParam, lParam); break;
    case WM_TIMER: r = OnTimer(static_cast<UINT_PTR>(wParam)); break;
    case WM_MOUSEMOVE: r = OnMouseMove(mouseFlags, p); break;
    case WM_LBUTTONDOWN: r = OnLButtonDown(mouseFlags, p); break;
    case WM_LBUTTONUP: r = OnLButtonUp(mouseFlags, p); break;
    case WM_LBUTTONDBLCLK: r = OnLButtonDblClk(mouseFlags, p); break;
    case WM_RBUTTONDOWN: r = OnRButtonDown(mouseFlags, p); break;
    case WM_RBUTTONUP: r = OnRButtonUp(mouseFlags, p); break;
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: r = OnOtherMouse(msg, mouseFlags, p); break;
    default: return false;
    }
    result = r;
    return r != 0;
}

GVWnd* GVWS::KeyTarget() const
{
    return inputEnabled && focusWnd && focusWnd->IsEnabled() ? focusWnd : nullptr;
}

int GVWS::OnKeyDown(UINT vk, UINT repeat, UINT flags)
{
    GVWnd* target = KeyTarget();
    return target ? target->OnKeyDown(vk, repeat, flags) : 0;
}

int GVWS::OnKeyUp(UINT vk, UINT repeat, UINT flags)
{
    GVWnd* target = KeyTarget();
    return target ? target->OnKeyUp(vk, repeat, flags) : 0;
}

int GVWS::OnChar(UINT ch, UINT repeat, UINT flags)
{
    GVWnd* target = KeyTarget();
    return target ? target->OnChar(ch, repeat, flags) : 0;
}

int GVWS::OnImeStartComposition(WPARAM wParam, LPARAM lParam)
{
    GVWnd* target = KeyTarget();
    return target ? target->OnImeStartComposition(wParam, lParam) : 0;
}

int GVWS::OnImeComposition(WPARAM wParam, LPARAM lParam)
{
    GVWnd* target = KeyTarget();
    return target ? target->OnImeComposition(wParam, lParam) : 0;
}

int GVWS::OnImeEndComposition(WPARAM wParam, LPARAM lParam)
{
    GVWnd* target = KeyTarget();
    return target ? target->OnImeEndComposition(wParam, lParam) : 0;
}

int GVWS::OnTimer(UINT_PTR)
{
    return 0;
}

// Mouse input goes to the front-most widget under the pointer that is visible and enabled: a
// disabled strip on top (a label, a frame) does not swallow clicks meant for the buttons below.
int GVWS::OnMouseMove(UINT flags, Point p)
{
    if (!inputEnabled) return 0;
    if ((flags & MK_LBUTTON) && mouseWnd) return mouseWnd->OnMouseMove(flags, p);
    GVWnd* target = WndFromPoint(p);
    int r = 0;
    if (mouseWnd && mouseWnd != target) r = mouseWnd->OnMouseMove(flags, p);  // lets it drop its hover
    if (!target) {
        SetMouseWnd(nullptr);
        return r;
    }
    r |= target->OnMouseMove(flags, p);
    if (target->IsHot()) SetMouseWnd(target);
    return r;
}

int GVWS::OnLButtonDown(UINT flags, Point p)
{
    if (!inputEnabled) return 0;
    GVWnd* target = WndFromPoint(p);
    if (!target) return 0;
    SetMouseWnd(target);
    return target->OnLButtonDown(flags, p);
}

int GVWS::OnLButtonUp(UINT flags, Point p)
{
    if (!inputEnabled) return 0;
    GVWnd* target = WndFromPoint(p);
    int r = 0;
    if (mouseWnd && mouseWnd != target) r = mouseWnd->OnLButtonUp(flags, p);  // a pressed button pops up
    if (!target) return r;
    SetMouseWnd(target);
    return target->OnLButtonUp(flags, p);
}

int GVWS::OnLButtonDblClk(UINT flags, Point p)
{
    if (!inputEnabled) return 0;
    GVWnd* target = WndFromPoint(p);
    return target ? target->OnLButtonDblClk(flags, p) : 0;
}

int GVWS::OnRButtonDown(UINT flags, Point p)
{
    if (!inputEnabled) return 0;
    GVWnd* target = WndFromPoint(p);
    return target ? target->OnRButtonDown(flags, p) : 0;
}

int GVWS::OnRButtonUp(UINT flags, Point p)
{
    if (!inputEnabled) return 0;
    GVWnd* target = WndFromPoint(p);
    return target ? target->OnRButtonUp(flags, p) : 0;
}

int GVWS::OnOtherMouse(UINT, UINT, Point)
{
    return 0;
}

void GVWS::SetFocusWnd(GVWnd* wnd)
{
    if (wnd == focusWnd) return;
    GVWnd* previous = std::exchange(focusWnd, wnd);
    if (previous) previous->OnKillFocus(wnd);
    if (wnd) wnd->OnSetFocus(previous);
}

void GVWS::SetMouseWnd(GVWnd* wnd)
{
    if (wnd == mouseWnd) return;
    GVWnd* previous = std::exchange(mouseWnd, wnd);
    if (previous) previous->OnKillFocus(wnd);
}
