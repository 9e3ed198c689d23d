#pragma once

#include <list>

#include "table/core/CardModel.h"
#include "toolkit/GVDDSWnd.h"

class CMirelleVWS;

// The markers a card drags along when it lifts: ten hint markers per hand slot and one marker
// per floor slot. The scene provides them.
class CardMarkerSource {
public:
    virtual GVWnd* GetHandMarker(int handSlot, int index) const = 0;
    virtual GVWnd* GetFloorMarker(int floorSlot) const = 0;

protected:
    ~CardMarkerSource() = default;
};

// One hwatu card on the table: a frame of the card image strip (frame n is card n, frame 50 the
// back), a home position, the path of its current move and the hover lift.
class CVHTWnd : public GVDDSWnd {
public:
    static constexpr int kHandSlots = 10;
    static constexpr int kMarkersPerHandSlot = 10;
    static constexpr int kBackFrame = 50;

    explicit CVHTWnd(CMirelleVWS* owner);
    ~CVHTWnd() override = default;

    void Reset();
    // Frame n of the vertical strip: (0, h*n, w, h*(n+1)) with the window's own size.
    void SetImageFrame(int n);
    // The id and the card table's month, category and special; then the id's frame.
    void SetCard(int32_t id);
    // 0 rest, 1 hover (lifted one pixel), 2 pressed (one pixel right and down). 1 on a change.
    int SetHoverState(int state, const CardMarkerSource* markers, int slot, bool onFloor);
    void ResetHoverState(const CardMarkerSource* markers, int slot, bool onFloor);
    void PlaceMarkers(Point position, const CardMarkerSource* markers, int slot, bool onFloor) const;
    int OnLButtonUp(UINT flags, Point p) override;

    static Point HoverOffset(int state);

    const CardFace& GetFace() const { return face; }
    CardFace& Face() { return face; }
    int GetHoverState() const { return hoverState; }
    Point GetHome() const { return home; }
    void SetHome(Point p) { home = p; }
    std::list<Point>& Path() { return path; }
    int32_t moveValue = 0;

private:
    CMirelleVWS* owner;
    CardFace face;
    Point home;
    std::list<Point> path;
    int hoverState = 0;
    Point hoverOffset;
};
