#pragma once

class GVWnd;

// The markers a card drags along when it lifts: ten hint markers per hand slot and one marker
// per floor slot. The scene provides them.
class CardMarkerSource {
public:
    virtual GVWnd* GetHandMarker(int handSlot, int index) const = 0;
    virtual GVWnd* GetFloorMarker(int floorSlot) const = 0;

protected:
    ~CardMarkerSource() = default;
};
