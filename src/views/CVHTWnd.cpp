#include "views/CVHTWnd.h"

void CVHTWnd::Reset()
{
    face.Reset();
    moveValue = 0;
    path.clear();
    ResetHoverState(nullptr, -1, false);
}

void CVHTWnd::SetImageFrame(int n)
{
    const int w = rect.Width();
    const int h = rect.Height();
    imageFrame = n;
    SetSrcRect({0, h * n, w, h * (n + 1)});
    SetDirty(true);
}

void CVHTWnd::SetCard(int32_t id)
{
    face.SetCard(id);
    // A card id from outside the table shows the back rather than a frame past the strip.
    SetImageFrame(IsValidCardId(id) ? id : kBackFrame);
}

bool CVHTWnd::StepPath()
{
    if (path.empty()) return false;
    SetPos(path.front());
    path.pop_front();
    return true;
}

Point CVHTWnd::HoverOffset(HoverState state)
{
    switch (state) {
    case HoverState::Hover: return {0, -1};
    case HoverState::Pressed: return {1, 1};
    default: return {0, 0};
    }
}

bool CVHTWnd::SetHoverState(HoverState state, const CardMarkerSource* markers, int slot, bool onFloor)
{
    if (state == hoverState) return false;
    const Point rest = GetPos() - hoverOffset;
    hoverOffset = HoverOffset(state);
    hoverState = state;
    const Point p = rest + hoverOffset;
    SetPos(p);
    if (markers) PlaceMarkers(p, markers, slot, onFloor);
    return true;
}

void CVHTWnd::ResetHoverState(const CardMarkerSource* markers, int slot, bool onFloor)
{
    hoverState = HoverState::Rest;
    hoverOffset = {0, 0};
    if (markers) PlaceMarkers(GetPos(), markers, slot, onFloor);
}

void CVHTWnd::PlaceMarkers(Point position, const CardMarkerSource* markers, int slot, bool onFloor) const
{
    if (!markers) return;
    if (!onFloor) {
        if (slot < 0 || slot >= kHandSlots) return;
        for (int i = 0; i < kMarkersPerHandSlot; ++i) {
            GVWnd* m = markers->GetHandMarker(slot, i);
            if (m && m->GetPos() != position) m->SetPos(position);
        }
        return;
    }
    if (slot < 0 || slot >= kFloorSlots) return;
    GVWnd* m = markers->GetFloorMarker(slot);
    const Point at = position + Point{-3, -3};
    if (m && m->GetPos() != at) m->SetPos(at);
}

int CVHTWnd::OnLButtonUp(UINT flags, Point p)
{
    if (HitTest(p.x, p.y, kHitVisibleEnabled)) return 1;
    return GVDDSWnd::OnLButtonUp(flags, p);
}
