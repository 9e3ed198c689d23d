#pragma once

#include <cstdint>

#include <ddraw.h>

#include "foundation/Win32.h"
#include "foundation/core/Containers.h"
#include "foundation/core/Geometry.h"

// Hit-test flags: besides lying inside the rectangle, the widget must be visible and/or enabled.
constexpr unsigned kHitVisible = 1;
constexpr unsigned kHitEnabled = 2;
constexpr unsigned kHitVisibleEnabled = kHitVisible | kHitEnabled;

constexpr int32_t kNoColor = -1;

class GVWS;

// The windowless widget every toolkit widget and every view window derives from. Its rectangle is in
// back-buffer coordinates. A change that alters the picture marks the widget dirty and widens its
// invalid rectangle (where it has to be repainted: its old place and its new one), and asks the
// widget scene holding it for a frame.
//
// Draw contract: Draw answers 0 only for a real failure (no target, a failed copy). A hidden
// widget, or one that lies outside the clip, has nothing to draw and answers 1, so a panel drawing
// its children can stop at the first 0 without a hidden child hiding the ones after it.
class GVWnd {
public:
    GVWnd() = default;
    virtual ~GVWnd() = default;
    GVWnd(const GVWnd&) = delete;
    GVWnd& operator=(const GVWnd&) = delete;

    virtual void SetPos(Point p);
    virtual Point GetPos() const { return rect.TopLeft(); }
    virtual void SetRect(const Rect& r);
    virtual Rect GetRect() const { return rect; }
    virtual void Show(bool show);
    virtual int IsHot() const { return 0; }
    virtual bool HitTest(int x, int y, unsigned flags) const;
    virtual int Draw(IDirectDrawSurface4* surface, const Rect& clip);
    virtual int OnKillFocus(GVWnd* next);
    virtual int OnKeyDown(UINT vk, UINT repeat, UINT flags);
    virtual int OnLButtonDown(UINT flags, Point p);
    virtual int OnLButtonUp(UINT flags, Point p);
    virtual int OnMouseMove(UINT flags, Point p);
    virtual int OnRButtonDown(UINT flags, Point p);
    virtual int OnRButtonUp(UINT flags, Point p);
    virtual int OnLButtonDblClk(UINT flags, Point p);
    virtual int OnKeyUp(UINT vk, UINT repeat, UINT flags);
    virtual int OnChar(UINT ch, UINT repeat, UINT flags);
    virtual int OnSetFocus(GVWnd* previous);
    virtual int OnImeStartComposition(WPARAM wParam, LPARAM lParam);
    virtual int OnImeComposition(WPARAM wParam, LPARAM lParam);
    virtual int OnImeEndComposition(WPARAM wParam, LPARAM lParam);

    void Enable(bool enable);
    bool IsVisible() const { return visible; }
    bool IsEnabled() const { return enabled; }
    bool IsDirty() const { return dirty; }
    // Clearing the flag remembers the current rectangle as the invalid one (where it now shows).
    void SetDirty(bool flag);
    // After a frame: clean, and the invalid rectangle is where the widget now shows (none when hidden).
    void MarkDrawn();
    // Marks dirty without moving: the widget's own picture changed.
    void Invalidate() { SetDirty(true); }
    Rect GetInvalidRect() const { return invalid; }
    // The area that has to be repainted for this widget: its old place and, when visible, its current one.
    Rect GetDirtyArea() const;
    // COLORREF, kNoColor for none.
    void SetFillColor(int32_t colorRef);
    int32_t GetFillColor() const { return fillColor; }
    // A pixel of the target's format, kNoColor for none.
    void SetColorKey(int32_t key) { colorKey = key; }
    int32_t GetColorKey() const { return colorKey; }

    plist<GVWnd>& Children() { return children; }

    // Set by the scene that adopts the widget, cleared when it leaves; null outside a scene.
    void SetScene(GVWS* owner) { scene = owner; }

protected:
    // The part of the widget the clip lets through; empty when nothing is to be drawn.
    Rect DrawArea(const Rect& clip) const;
    // Dirty, and the scene holding the widget draws at its next flush.
    void MarkChanged();

    Rect rect;
    bool visible = true;
    bool enabled = true;
    bool dirty = true;
    Rect invalid;
    int32_t fillColor = kNoColor;
    int32_t colorKey = kNoColor;
    plist<GVWnd> children;  // not owned: panels delete their own
    GVWS* scene = nullptr;  // not owned: the scene whose list holds the widget
};
