#pragma once

#include "foundation/core/Geometry.h"
#include "toolkit/GVWnd.h"
#include "views/PanelOwner.h"
#include "views/WidgetFactory.h"

enum class MouseRouting { No, Yes };

// The base of the room's panels: a windowless widget of a fixed size that owns its children (the
// GVWnd child list, in drawing order) and moves, draws and steps them with itself. Children are
// made at positions relative to (0, 0) and follow the panel from there.
//
// A panel made with MouseRouting::Yes passes the mouse to its children and remembers the child that
// last took a press or the pointer, so a drag and the release reach the button that was pressed;
// OnChildClick hears of a release that a child took as a click.
//
// A panel's own CreateChildren(PanelOwner&, ...) starts with BeginChildren, adopts each child the
// factory makes and answers false at the first that fails; its owner then deletes the panel, which
// deletes the children made so far.
class CVPanel : public GVWnd {
public:
    CVPanel(Size panelSize, MouseRouting routing) : size(panelSize), routesMouse(routing == MouseRouting::Yes)
    {
        rect = Rect({0, 0}, size);
    }
    ~CVPanel() override;

    // Forgets the owner and the children without deleting them; panels reset their own state too.
    virtual void Clear();
    // Deletes every child, then Clear.
    void Release();

    // Moves every child by the panel's move, then the panel to `p` with its fixed size.
    void SetPos(Point p) override;
    // Hidden: nothing, 1. Visible: the children in list order; 0 at the first that fails.
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;
    // Per tick: advances the visible child animations; non-zero (and dirty) when one changed.
    virtual int Step();

    // The first child, in list order, whose hit test with `flags` succeeds; null when none.
    GVWnd* ChildFromPoint(Point p, unsigned flags) const;

    int OnLButtonDown(UINT flags, Point p) override;
    int OnLButtonUp(UINT flags, Point p) override;
    int OnMouseMove(UINT flags, Point p) override;

    PanelOwner* GetOwner() const { return owner; }
    Size GetPanelSize() const { return size; }
    GVWnd* GetRememberedChild() const { return remembered; }

protected:
    // Starts a CreateChildren: the owner, and a factory loading from its image folder.
    WidgetFactory BeginChildren(PanelOwner& panelOwner);
    // Appends a child the panel now owns; false for null (the factory has reported why).
    [[nodiscard]] bool Adopt(GVWnd* child);
    // A release on `child` that it took as a click. The panel acts on it; it must not delete
    // children here (Release waits until the input has returned).
    virtual void OnChildClick(GVWnd& child);

private:
    Size size;
    bool routesMouse;
    PanelOwner* owner = nullptr;
    GVWnd* remembered = nullptr;  // one of the children, or null
};
