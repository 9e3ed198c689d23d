#pragma once

#include <list>

#include "protocol/RoomCodes.h"
#include "table/core/CardModel.h"
#include "toolkit/GVDDSWnd.h"
#include "views/CardMarkerSource.h"

// How a card answers the mouse: at rest, lifted one pixel, pressed one pixel right and down.
enum class HoverState { Rest, Hover, Pressed };

// One hwatu card on the table: a frame of the card image strip (frame n is card n, frame 50 the
// back), a home position, the path of its current move and the hover lift.
class CVHTWnd : public GVDDSWnd {
public:
    static constexpr int kMarkersPerHandSlot = 10;
    static constexpr int kFloorSlots = 12;
    static constexpr int kBackFrame = 50;

    CVHTWnd() { Reset(); }
    // The card window of table slot `slotNumber` (0..49).
    explicit CVHTWnd(int slotNumber) : tableSlot(slotNumber) { Reset(); }
    ~CVHTWnd() override = default;

    void Reset();
    // Frame n of the vertical strip: (0, h*n, w, h*(n+1)) with the window's own size.
    void SetImageFrame(int n);
    int GetImageFrame() const { return imageFrame; }
    // The id and the card table's month, category and special; then the id's frame.
    void SetCard(int32_t id);
    // True when the state changed; the markers follow the card.
    bool SetHoverState(HoverState state, const CardMarkerSource* markers, int slot, bool onFloor);
    void ResetHoverState(const CardMarkerSource* markers, int slot, bool onFloor);
    void PlaceMarkers(Point position, const CardMarkerSource* markers, int slot, bool onFloor) const;
    int OnLButtonUp(UINT flags, Point p) override;

    static Point HoverOffset(HoverState state);

    const CardFace& GetFace() const { return face; }
    CardFace& Face() { return face; }
    HoverState GetHoverState() const { return hoverState; }
    int GetSlot() const { return tableSlot; }
    Point GetHome() const { return home; }
    void SetHome(Point p) { home = p; }
    std::list<Point>& Path() { return path; }
    // Moves the card to the front point of its path and drops that point; false when the path is empty.
    bool StepPath();
    int32_t moveValue = 0;

private:
    int tableSlot = 0;
    CardFace face;
    Point home;
    std::list<Point> path;
    int imageFrame = kBackFrame;
    HoverState hoverState = HoverState::Rest;
    Point hoverOffset;
};
