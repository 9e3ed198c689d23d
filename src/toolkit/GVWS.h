#pragma once

#include <atomic>
#include <cstdint>

#include <ddraw.h>

#include "foundation/Win32.h"
#include "foundation/core/Containers.h"
#include "foundation/core/Geometry.h"
#include "toolkit/GVWnd.h"

// The widget scene: the top-level widgets (front of the list drawn on top), the focus and mouse
// widgets, input routing and drawing by dirty rectangles. It owns its widgets. Any change of a widget
// in its list (shown, hidden, moved, enabled, invalidated, added or taken out) asks for a frame, which
// the next Flush draws.
class GVWS {
public:
    GVWS() = default;
    virtual ~GVWS();
    GVWS(const GVWS&) = delete;
    GVWS& operator=(const GVWS&) = delete;

    int SetViewRect(const Rect& r);
    Rect GetViewRect() const { return viewRect; }

    // Adopt the widget (also when it is already in the list, it moves): front or back of the z-order.
    int AddWnd(GVWnd* wnd);
    int AddWndToBack(GVWnd* wnd);
    // Put the widget directly over (Before) or under (After) the reference. 0 when either is null,
    // they are the same, or the reference is not in the list; the widget then stays where it was.
    int InsertWndBefore(GVWnd* reference, GVWnd* wnd);
    int InsertWndAfter(GVWnd* reference, GVWnd* wnd);
    // Takes the widget out and hands it back to the caller (not deleted); 0 when it is not in the list.
    int RemoveWnd(GVWnd* wnd);
    // Takes the widget out and deletes it; 0 when it is not in the list (then nothing is deleted).
    int DestroyWnd(GVWnd* wnd);
    void DestroyAll();
    bool Contains(const GVWnd* wnd) const { return wnds.Contains(wnd); }
    const plist<GVWnd>& GetWnds() const { return wnds; }

    // The top-most widget at the point whose hit test with the flags succeeds; null for none.
    GVWnd* WndFromPoint(Point p, unsigned flags = kHitVisibleEnabled) const;

    // Draws into the surface either everything back to front (redraw-all, then cleared) or the widgets
    // that are dirty or meet the area to repaint, clipped to it. Answers the area drawn (empty for none).
    virtual Rect Render(const Rect& area, IDirectDrawSurface4* surface);
    // Renders only when a frame was asked for since the last flush; answers the area drawn.
    Rect Flush(const Rect& area, IDirectDrawSurface4* surface);
    // Asks for a frame without a widget changing (a forced repaint); safe from the loader thread.
    void RequestDraw() { drawRequested.store(true, std::memory_order_relaxed); }
    bool IsDrawRequested() const { return drawRequested.load(std::memory_order_relaxed); }
    // Answers whether a frame was asked for, and forgets the request.
    bool TakeDrawRequest() { return drawRequested.exchange(false, std::memory_order_relaxed); }
    void SetRedrawAll(bool flag) { redrawAll = flag ? 1 : 0; }
    bool IsRedrawAll() const { return redrawAll != 0; }
    // An area to repaint at the next frame whatever the widgets say (a widget taken out leaves one).
    void InvalidateArea(const Rect& r)
    {
        pendingArea = pendingArea.United(r);
        RequestDraw();
    }
    // True when at least one frame of drawing failed since the last call (a widget answered 0).
    bool TakeDrawFailed();

    // Routes a window message to the handlers below; true when it was one the scene routes.
    bool OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    virtual int OnKeyDown(UINT vk, UINT repeat, UINT flags);
    virtual int OnKeyUp(UINT vk, UINT repeat, UINT flags);
    virtual int OnChar(UINT ch, UINT repeat, UINT flags);
    virtual int OnMouseMove(UINT flags, Point p);
    virtual int OnLButtonDown(UINT flags, Point p);
    virtual int OnLButtonUp(UINT flags, Point p);
    virtual int OnLButtonDblClk(UINT flags, Point p);
    virtual int OnRButtonDown(UINT flags, Point p);
    virtual int OnRButtonUp(UINT flags, Point p);
    // The middle button and the right double click reach the scene only.
    virtual int OnOtherMouse(UINT msg, UINT flags, Point p);
    virtual int OnImeStartComposition(WPARAM wParam, LPARAM lParam);
    virtual int OnImeComposition(WPARAM wParam, LPARAM lParam);
    virtual int OnImeEndComposition(WPARAM wParam, LPARAM lParam);
    virtual int OnTimer(UINT_PTR id);

    bool IsInputEnabled() const { return inputEnabled; }
    void EnableInput(bool flag) { inputEnabled = flag; }
    GVWnd* GetFocusWnd() const { return focusWnd; }
    // The previous focus widget gets OnKillFocus, the new one OnSetFocus.
    void SetFocusWnd(GVWnd* wnd);
    GVWnd* GetMouseWnd() const { return mouseWnd; }
    // The previous mouse widget gets OnKillFocus with the new one.
    void SetMouseWnd(GVWnd* wnd);

protected:
    // The focus widget when keys may go to it: input enabled, focus widget there and enabled.
    GVWnd* KeyTarget() const;

private:
    void Adopt(GVWnd* wnd);
    void Forget(GVWnd* wnd);
    Rect RenderAll(const Rect& area, IDirectDrawSurface4* surface);
    Rect RenderDirty(const Rect& area, IDirectDrawSurface4* surface);

    plist<GVWnd> wnds;  // owning: deleted by DestroyWnd and DestroyAll
    GVWnd* focusWnd = nullptr;
    GVWnd* mouseWnd = nullptr;
    bool inputEnabled = true;
    int32_t redrawAll = 1;
    Rect viewRect;
    Rect pendingArea;
    bool drawFailed = false;
    std::atomic<bool> drawRequested{false};
};
