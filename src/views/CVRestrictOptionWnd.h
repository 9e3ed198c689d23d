#pragma once

#include "views/CVPanel.h"
#include "views/PeripheryOwner.h"

class GVQZSWnd;
class GVTextWnd;

// The anti-leave label: how many games a seated player must still play. Takes no input.
class CVRestrictOptionWnd : public CVPanel {
public:
    static constexpr Size kSize{89, 49};
    static constexpr Point kOrigin{537, 141};

    CVRestrictOptionWnd() : CVPanel(kSize, MouseRouting::No) {}

    // Makes the back and the text at the panel's place, hidden. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PeripheryOwner& room);
    void Clear() override;
    // Hides the back, empties the text and hides the panel; 1.
    int Reset();
    // In an anti-leave room: the count's text from the room's values, the back and the panel shown
    // by `show`; 1. Elsewhere Reset and 0.
    int Update(bool show, bool countdown);

    GVQZSWnd* GetBack() const { return back; }
    GVTextWnd* GetText() const { return text; }

private:
    PeripheryOwner* room = nullptr;
    GVQZSWnd* back = nullptr;
    GVTextWnd* text = nullptr;
};
