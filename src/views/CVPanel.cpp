#include "views/CVPanel.h"

#include "toolkit/GVQZAniWnd.h"

CVPanel::~CVPanel()
{
    Release();
}

void CVPanel::Clear()
{
    owner = nullptr;
    remembered = nullptr;
    children.clear();
}

void CVPanel::Release()
{
    for (GVWnd* child : children) delete child;
    children.clear();
    Clear();
}

WidgetFactory CVPanel::BeginChildren(PanelOwner& panelOwner)
{
    owner = &panelOwner;
    return WidgetFactory(panelOwner.GetImageRoot(), panelOwner.GetLoadErrorSink());
}

bool CVPanel::Adopt(GVWnd* child)
{
    if (!child) return false;
    children.push_back(child);
    return true;
}

void CVPanel::SetPos(Point p)
{
    const Point delta = p - GetPos();
    for (GVWnd* child : children) child->SetPos(child->GetPos() + delta);
    SetRect(Rect(p, size));
}

int CVPanel::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!surface) return 0;
    if (visible)
        for (GVWnd* child : children)
            if (!child->Draw(surface, clip)) return 0;
    MarkDrawn();
    return 1;
}

int CVPanel::Step()
{
    int changed = 0;
    for (GVWnd* child : children) {
        auto* animation = dynamic_cast<GVQZAniWnd*>(child);
        if (animation && animation->IsVisible() && animation->Update()) changed = 1;
    }
    if (changed) Invalidate();
    return changed;
}

GVWnd* CVPanel::ChildFromPoint(Point p, unsigned flags) const
{
    for (GVWnd* child : children)
        if (child->HitTest(p.x, p.y, flags)) return child;
    return nullptr;
}

int CVPanel::OnLButtonDown(UINT flags, Point p)
{
    if (!routesMouse || !visible || !enabled) return 0;
    GVWnd* child = ChildFromPoint(p, kHitVisibleEnabled);
    if (!child || !child->OnLButtonDown(flags, p)) return 0;
    // The drag and the release that follow go to the child that took the press.
    remembered = child;
    Invalidate();
    return 1;
}

int CVPanel::OnMouseMove(UINT flags, Point p)
{
    if (!routesMouse) return 0;
    if (!(visible && enabled) && !remembered) return 0;
    if (flags & MK_LBUTTON) {
        if (!remembered) return 0;
        remembered->OnMouseMove(flags, p);
    } else {
        GVWnd* under = ChildFromPoint(p, kHitVisibleEnabled);
        if (!remembered) {
            if (!under) return 0;
            under->OnMouseMove(flags, p);
            remembered = under;
        } else {
            // The child the pointer was over hears first, so it can drop its hover.
            remembered->OnMouseMove(flags, p);
            if (!under) {
                remembered = nullptr;
            } else if (under != remembered) {
                under->OnMouseMove(flags, p);
                if (under->IsHot()) remembered = under;
            }
        }
    }
    Invalidate();
    return 1;
}

int CVPanel::OnLButtonUp(UINT flags, Point p)
{
    if (!routesMouse || !visible || !enabled) return 0;
    GVWnd* const old = remembered;
    GVWnd* const under = ChildFromPoint(p, kHitVisibleEnabled);
    remembered = under;
    if (old && old != under) {
        // A button pressed and released elsewhere pops up without a click.
        old->OnLButtonUp(flags, p);
        Invalidate();
    }
    if (!under) return 0;
    const int taken = under->OnLButtonUp(flags, p);
    Invalidate();
    if (taken) OnChildClick(*under);
    return taken ? 1 : 0;
}

void CVPanel::OnChildClick(GVWnd&) {}
