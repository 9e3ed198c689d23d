#pragma once

#include "views/CVPanel.h"
#include "views/PeripheryOwner.h"
#include "views/core/PanelLayout.h"

class CVQZATextWnd;
class GVPSPNumberWnd;
class GVPSPWnd;
class GVQZAniWnd;

// The jewel panel at the room's bottom left: the jewel's kind, the jewels gained in this room, a
// "+n" gain and, in target-score rooms, a level image from the stake. It counts nothing until the
// jewel information enables it. It shares its place with the default promotion banner: it gains
// nothing while the banner shows, and hiding it hides the banner.
class CVMirelleBijouWnd : public CVPanel {
public:
    static constexpr Size kSize{118, 55};
    static constexpr Point kOrigin = PanelLayout::kJewelOrigin;
    static constexpr const char* kGainClip = "dama";

    CVMirelleBijouWnd() : CVPanel(kSize, MouseRouting::No) {}

    // Makes the children at the panel's place, every child hidden; the panel shows nothing until it
    // is enabled. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PeripheryOwner& room);
    void Clear() override;
    // The own user's jewel state. Below the limit a kind outside 0..5 or a negative count is refused
    // (0) and changes nothing; in target-score rooms the level comes from the stake (level 0 shows
    // the default banner instead). At the limit the success back shows.
    int SetBijouInfo(bool enable, int32_t kind, int32_t jewelCount, int32_t jewelValue);
    // Counts a gain (held at the 32-bit limit) and plays "+n"; nothing at the limit, when not
    // counting, for a negative n or while the default banner shows.
    void AddBijou(int32_t n);
    // Kind 1..5 shows its jewel and plays its clip, 0 plays clip 4; not in target-score rooms.
    void SetBijouKind(int32_t kind);
    // The level image 1..4, or the default banner for 0; not in room kind 40.
    void SetStakeLevel(int32_t level);
    // Starts the gain effect's seven steps; 1.
    int StartEffect(bool a, bool b);
    // Hides every child and the default banner and drops the pending effects.
    void HideAll();
    // Not enabled: 0. Else advances the animations and the effect's 300 ms steps.
    int Step() override;

    int32_t GetCount() const { return count; }
    int32_t GetGained() const { return gained; }
    int32_t GetLimit() const;
    int32_t GetEffectSteps() const { return effectSteps; }

    bool IsCounting() const { return enabled; }
    GVPSPWnd* GetLevelBack() const { return levelBack; }
    GVPSPWnd* GetSuccessBack() const { return successBack; }
    GVQZAniWnd* GetJewelAnimation() const { return jewelAni; }
    GVPSPWnd* GetJewelImage() const { return jewelImage; }
    GVPSPNumberWnd* GetCountNumber() const { return countNumber; }
    CVQZATextWnd* GetGainText() const { return gainText; }
    GVQZAniWnd* GetGainAnimation() const { return gainAni; }

private:
    bool BannerShown() const;

    GVPSPWnd* levelBack = nullptr;     // frame = level 0..4
    GVPSPWnd* successBack = nullptr;   // shown when the limit is reached
    GVQZAniWnd* jewelAni = nullptr;    // clip = kind - 1 (4 for kind 0)
    GVPSPWnd* jewelImage = nullptr;    // frame = kind - 1
    GVPSPNumberWnd* countNumber = nullptr;
    CVQZATextWnd* gainText = nullptr;
    GVQZAniWnd* gainAni = nullptr;
    PeripheryOwner* room = nullptr;
    bool enabled = false;
    bool effectA = false;  // the effects are timers only: they keep the panel stepping
    bool effectB = false;
    int32_t effectSteps = 0;
    int32_t count = 0;
    int32_t value = 0;
    int32_t gained = 0;
    bool highLimit = true;
    uint32_t lastEffectStep = 0;
};
