#pragma once

#include "views/CVPanel.h"

class GVQZSWnd;
class GVTextWnd;

// The anti-leave label: how many games a seated player must still play. Takes no input.
// FIXME: Update (the count from the room's anti-leave values) comes with the panel's own work.
class CVRestrictOptionWnd : public CVPanel {
public:
    static constexpr Size kSize{89, 49};
    static constexpr Point kOrigin{537, 141};

    CVRestrictOptionWnd() : CVPanel(kSize, MouseRouting::No) {}

    // Makes the back and the text at the panel's place, hidden. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PanelOwner& room);
    void Clear() override;
    // Hides the back, empties the text and hides the panel; 1.
    int Reset();

    GVQZSWnd* GetBack() const { return back; }
    GVTextWnd* GetText() const { return text; }

private:
    GVQZSWnd* back = nullptr;
    GVTextWnd* text = nullptr;
};
