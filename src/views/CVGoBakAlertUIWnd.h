#pragma once

#include "views/CVPanel.h"
#include "views/SeatPanelOwner.h"

class GVPSPNumberWnd;
class GVQZSWnd;

// The own seat's go alert: the score the own player must exceed after declaring go. Takes no input.
class CVGoBakAlertUIWnd : public CVPanel {
public:
    static constexpr Size kSize{167, 59};
    static constexpr Point kOrigin{620, 345};
    // The style value of the number besides its spacing.
    static constexpr uint32_t kNumberStyle = 4;

    CVGoBakAlertUIWnd() : CVPanel(kSize, MouseRouting::No) {}

    // Makes the back and the number (hidden) and puts the panel at its place, shown and disabled.
    // False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(SeatPanelOwner& panelOwner);
    void Clear() override;

    // Follows the own seat's round record; nothing when the own user has no seat.
    void Update();
    void HideAll();

    GVQZSWnd* GetBack() const { return back; }
    GVPSPNumberWnd* GetNumber() const { return number; }

private:
    SeatPanelOwner* seatOwner = nullptr;
    GVQZSWnd* back = nullptr;
    GVPSPNumberWnd* number = nullptr;
};
