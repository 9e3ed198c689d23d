#pragma once

#include <array>
#include <string>

#include "views/CVPanel.h"
#include "views/MissionOwner.h"
#include "views/RegistryKey.h"
#include "views/core/MissionRules.h"

class GVQZAniWnd;
class GVSlideWnd;

// The kungjjak mission (mission mode 5): the mission's back and step, each screen slot's running
// multiplier and the slider of the mission's own music, whose volume the registry keeps.
class CVKJMissionWnd : public CVPanel {
public:
    static constexpr Size kSize{373, 311};
    static constexpr Point kOrigin{435, 44};
    static constexpr Point kBack{116, 0};
    static constexpr Point kMultiplierIcon[2] = {{0, 189}, {0, 88}};  // by screen slot
    static constexpr Rect kSlider{Point{215, 273}, Size{100, 24}};
    static constexpr int kSliderMin = MissionRules::kSliderMin;
    static constexpr int kDefaultVolume = MissionRules::kDefaultMusicVolume;
    static constexpr const char* kVolumeValue = "KungJJakBGM_Volume";
    static constexpr int kMaxMultiplier = 11;
    // The back's frame after which the slider shows on the opening.
    static constexpr int kSliderFrame = 8;

    CVKJMissionWnd() : CVPanel(kSize, MouseRouting::Yes) {}

    // Makes the children (all hidden) with the table's skin, takes the music volume from the
    // options' `subkey` (writing the default there when it cannot be read) and puts the panel,
    // hidden, at its place. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(MissionOwner& panelOwner, int tableSkin, const RegistryKey& options,
                                      const std::string& subkey);
    void Clear() override;
    // Both multipliers 1, every child and the panel hidden.
    void Reset();
    enum class WithSlider { No, Yes };
    // The deal opens the panel (sound), the restore shows it at once with the slider.
    void ShowPanel(WithSlider withSlider);
    // One of the two mission tunes as the room's music, at the music volume.
    void PlayBgm(bool loop);
    // Step 0..5 of the mission; another step changes nothing.
    void ShowStep(int newStep);
    enum class AtEnd { No, Yes };
    void SetMultiplier(int seat, int multiplier, AtEnd atEnd);
    // The icons again after the seats changed screen slots.
    void RefreshMultipliers();
    // The slider's or the options' volume: clamped, applied to the music and stored.
    void SetKungJJakBGMVolume(int volume);
    void SetSkin(int newSkin);
    int Step() override;
    int OnLButtonUp(UINT flags, Point p) override;

    GVQZAniWnd* GetBack() const { return back; }
    GVQZAniWnd* GetStatus() const { return status; }
    GVQZAniWnd* GetMultiplierIcon(int screenSlot) const { return multiplierIcons[static_cast<size_t>(screenSlot)]; }
    GVSlideWnd* GetSlider() const { return slider; }
    int GetMusicVolume() const { return musicVolume; }
    int GetSkin() const { return skin; }
    int GetMultiplier(int seat) const { return multipliers[seat == 1 ? 1 : 0]; }
    // The last step shown, -1 none since the reset.
    int GetStep() const { return step; }

private:
    void ReadMusicVolume();
    void ShowSlider();
    int SlotOf(int seat) const;

    MissionOwner* missionOwner = nullptr;
    RegistryKey optionsKey;
    std::string optionsSubkey;
    GVQZAniWnd* back = nullptr;
    GVQZAniWnd* status = nullptr;
    std::array<GVQZAniWnd*, 2> multiplierIcons{};
    GVSlideWnd* slider = nullptr;
    std::array<int, 2> multipliers{1, 1};  // by seat
    int musicVolume = kDefaultVolume;      // hundredths of a decibel
    int skin = 0;
    int step = -1;
};
