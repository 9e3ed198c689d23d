#pragma once

#include "views/CVPanel.h"

class CVQZATextWnd;
class GVPSPNumberWnd;
class GVPSPWnd;
class GVQZAniWnd;

// The jewel panel at the room's bottom left: the jewel's kind, the jewels gained in this room, a
// "+n" gain and, in target-score rooms, a level image from the stake. It counts nothing until the
// jewel information enables it.
// FIXME: SetBijouInfo, AddBijou, SetBijouKind, SetStakeLevel, StartEffect, the Step of the gain
// effect and HideAll's hiding of the default promotion banners come with the panel's own work.
class CVMirelleBijouWnd : public CVPanel {
public:
    static constexpr Size kSize{118, 55};
    static constexpr Point kOrigin{1, 519};
    static constexpr const char* kGainClip = "dama";

    CVMirelleBijouWnd() : CVPanel(kSize, MouseRouting::No) {}

    // Makes the children at the panel's place, every child hidden; the panel shows nothing until it
    // is enabled. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PanelOwner& room);
    void Clear() override;
    // Not enabled: nothing to step, 0. FIXME: the enabled panel's step with the panel's own work.
    int Step() override;

    bool IsCounting() const { return enabled; }
    GVPSPWnd* GetLevelBack() const { return levelBack; }
    GVPSPWnd* GetSuccessBack() const { return successBack; }
    GVQZAniWnd* GetJewelAnimation() const { return jewelAni; }
    GVPSPWnd* GetJewelImage() const { return jewelImage; }
    GVPSPNumberWnd* GetCountNumber() const { return countNumber; }
    CVQZATextWnd* GetGainText() const { return gainText; }
    GVQZAniWnd* GetGainAnimation() const { return gainAni; }

private:
    GVPSPWnd* levelBack = nullptr;     // frame = level 0..4
    GVPSPWnd* successBack = nullptr;   // shown when the limit is reached
    GVQZAniWnd* jewelAni = nullptr;    // clip = kind - 1 (4 for kind 0)
    GVPSPWnd* jewelImage = nullptr;    // frame = kind - 1
    GVPSPNumberWnd* countNumber = nullptr;
    CVQZATextWnd* gainText = nullptr;
    GVQZAniWnd* gainAni = nullptr;
    bool enabled = false;
};
