#pragma once

#include <array>
#include <string>

#include "views/CVPanel.h"

class GVQZAniWnd;
class GVSlideWnd;
class RegistryKey;

// The kungjjak mission (mission mode 5): the mission's back and step, each screen slot's running
// multiplier and the slider of the mission's own music, whose volume the registry keeps.
class CVKJMissionWnd : public CVPanel {
public:
    static constexpr Size kSize{373, 311};
    static constexpr Point kOrigin{435, 44};
    static constexpr Point kBack{116, 0};
    static constexpr Point kMultiplierIcon[2] = {{0, 189}, {0, 88}};  // by screen slot
    static constexpr Rect kSlider{Point{215, 273}, Size{100, 24}};
    static constexpr int kSliderMin = -5000;
    static constexpr int kDefaultVolume = -1250;
    static constexpr const char* kVolumeValue = "KungJJakBGM_Volume";

    CVKJMissionWnd() : CVPanel(kSize, MouseRouting::Yes) {}

    // Makes the children (all hidden) with the table's skin, takes the music volume from the
    // options' `subkey` (writing the default there when it cannot be read) and puts the panel,
    // hidden, at its place. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PanelOwner& panelOwner, int tableSkin, const RegistryKey& options,
                                      const std::string& subkey);
    void Clear() override;
    // Every child and the panel hidden.
    void Reset();
    // FIXME: the multipliers back to 1 in Reset; ShowPanel, PlayBgm, ShowStep, SetMultiplier, RefreshMultipliers,
    // SetKungJJakBGMVolume, SetSkin, Step and the slider's input come with the kungjjak messages.

    GVQZAniWnd* GetBack() const { return back; }
    GVQZAniWnd* GetStatus() const { return status; }
    GVQZAniWnd* GetMultiplierIcon(int screenSlot) const { return multiplierIcons[static_cast<size_t>(screenSlot)]; }
    GVSlideWnd* GetSlider() const { return slider; }
    int GetMusicVolume() const { return musicVolume; }
    int GetSkin() const { return skin; }

private:
    void ReadMusicVolume(const RegistryKey& options, const std::string& subkey);

    GVQZAniWnd* back = nullptr;
    GVQZAniWnd* status = nullptr;
    std::array<GVQZAniWnd*, 2> multiplierIcons{};
    GVSlideWnd* slider = nullptr;
    int musicVolume = kDefaultVolume;  // hundredths of a decibel
    int skin = 0;
};
