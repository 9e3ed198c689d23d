#pragma once

#include <cstdint>

#include "views/CVPanel.h"

class CHTUser;
class GVQZAniWnd;

// A seat's counter icons: go count, ppeok count, shakes and bombs. A count shows as clip count - 1
// of its icon; only a count above the one shown changes the icon. Takes no input.
class CVHTIconWnd : public CVPanel {
public:
    static constexpr Size kSize{91, 20};
    static constexpr Point kOrigin[2] = {{624, 367}, {624, 154}};
    enum Icon { kGo, kPpeok, kShakeBomb, kIconCount };

    CVHTIconWnd() : CVPanel(kSize, MouseRouting::No) {}

    // Makes the three icons (hidden) for seat 0 or 1 and puts the panel at the seat's origin, shown
    // and disabled. False when an icon cannot be made (reported) or the seat is wrong.
    [[nodiscard]] bool CreateChildren(PanelOwner& panelOwner, int seat);
    void Clear() override;

    void SetCounters(const CHTUser& user);
    // Stops and hides the icons and forgets the counts shown. Returns 1.
    int Reset();
    // The icons have no skin of their own; kept beside the score panel's.
    void SetSkin(int) {}

    GVQZAniWnd* GetIcon(Icon icon) const { return icons[icon]; }
    int32_t GetShownValue(Icon icon) const { return shown[icon]; }

private:
    GVQZAniWnd* icons[kIconCount] = {};
    int32_t shown[kIconCount] = {};
};
