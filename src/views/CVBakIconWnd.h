#pragma once

#include "views/CVPanel.h"

class CHTUser;
class GVQZAniWnd;

// A seat's bak icons: gwang-bak, meong-tta and pi-bak, each clip of the bak animation in that order.
// A flag that stays set keeps its icon as it is. Takes no input.
class CVBakIconWnd : public CVPanel {
public:
    static constexpr Size kSize{85, 20};
    static constexpr Point kOrigin[2] = {{712, 367}, {712, 154}};
    static constexpr const char* kIconImage = "Icon\\bak.qza";
    enum Icon { kGwangBak, kMeongTta, kPiBak, kIconCount };

    CVBakIconWnd() : CVPanel(kSize, MouseRouting::No) {}

    // Makes the three icons (hidden) for seat 0 or 1 and puts the panel at the seat's origin, shown
    // and disabled. False when an icon cannot be made (reported) or the seat is wrong.
    [[nodiscard]] bool CreateChildren(PanelOwner& panelOwner, int seat);
    void Clear() override;

    void SetBakFlags(const CHTUser& user);
    // Stops and hides the three icons. Returns 1.
    int HideAll();

    GVQZAniWnd* GetIcon(Icon icon) const { return icons[icon]; }

private:
    GVQZAniWnd* icons[kIconCount] = {};
};
