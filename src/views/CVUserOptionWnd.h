#pragma once

#include <array>
#include <cstdint>

#include "views/CVPanel.h"
#include "views/UserOptionOwner.h"

class CVPSPPushBtn;
class CVRoomInfoWnd;
class GVLightTextWnd;
class GVPSPWnd;
class GVQZAniWnd;
class GVQZSWnd;
class GVSlideWnd;
class RegistryKey;

// The in-room options panel at the right edge: game and background-music volume, card speed, the
// voices switch with the choice of voice, and the table skin. Radios and the check box change only
// the panel; OK hands the choices to the owner, which applies and stores them.
class CVUserOptionWnd : public CVPanel {
public:
    static constexpr Size kSize{191, 342};
    static constexpr Point kPlace{609, 177};
    static constexpr int kSpeedCount = 5;
    static constexpr int kRoomLines = 7;
    static constexpr int kVolumeLow = -5000;
    static constexpr int kVoiceCount = 4;
    static constexpr int kSkinCount = 2;

    CVUserOptionWnd() : CVPanel(kSize, MouseRouting::Yes) {}
    ~CVUserOptionWnd() override = default;

    void Clear() override;
    // Builds the children, hidden with the panel; the background music's volume comes from the
    // options key ("KungJJakBGM_Volume", written as -1250 when missing). False at the first child
    // that fails (the factory has reported it).
    [[nodiscard]] bool CreateChildren(UserOptionOwner& room, const RegistryKey& optionsKey, const std::string& subkey);

    // The values Open shows: volume -5000..0, speed position 0..4, voice type 0..3, skin 0..1.
    void SetChoices(int32_t volumeValue, int32_t speedPosition, bool voiceOnFlag, int32_t voice, int32_t skinValue);
    // Shows the panel with its values for the user's gender (0 male, 1 female, else other); 0 when
    // it was already shown.
    int Open(int32_t userGender);
    // 1 when it was shown and is now hidden.
    int Close();
    // The game volume's slider, and the sound-off mark at -5000 and below.
    void SetVolume(int32_t volumeValue);
    // The music's volume where another slider (the kungjjak panel's) set it; the slider stands at
    // its left end for silence.
    void SetBgmVolume(int32_t volumeValue);
    // The room's information rows from the owner's room values (none outside kinds 0..11, 40..43),
    // shown in the room block while the panel is open.
    void BuildRoomOptionText();
    // The widget that shows the room's rows beside the panel; the room owns it.
    void SetRoomBlock(CVRoomInfoWnd* block) { roomBlock = block; }
    // Row i as last built, shown or not; empty outside 0..6.
    std::string GetRoomRow(int i) const;
    void SetSpeed(int32_t position);
    void SetVoiceOn(bool on);
    void SetVoiceType(int32_t voice);

    int32_t GetVolume() const { return volume; }
    int32_t GetSpeed() const { return speed; }
    bool IsVoiceOn() const { return voiceOn; }
    int32_t GetVoiceType() const { return voiceType; }
    int32_t GetSkin() const { return skin; }
    int32_t GetBgmVolume() const { return bgmVolume; }
    bool IsSoundOffShown() const;
    GVPSPWnd* GetSpeedRadio(int i) const;
    GVPSPWnd* GetVoiceRadio(int i) const;
    GVPSPWnd* GetSkinRadio(int i) const;
    GVPSPWnd* GetVoiceCheck() const { return voiceCheck; }
    CVPSPPushBtn* GetOkButton() const { return ok; }

    int OnLButtonDown(UINT flags, Point p) override;
    // The end of a slider's drag sets its volume, wherever the pointer is let go.
    int OnLButtonUp(UINT flags, Point p) override;
    // A drag of the game-volume slider shows the sound-off mark as it goes.
    int OnMouseMove(UINT flags, Point p) override;
    GVSlideWnd* GetVolumeSlider() const { return volumeSlider; }
    GVSlideWnd* GetMusicSlider() const { return bgmSlider; }

protected:
    void OnChildClick(GVWnd& child) override;

private:
    // A radio, check box or label press; false when the press is a child's own.
    bool PressChoice(GVWnd* child);
    void ShowSpeed();
    void ShowVoices();
    void ShowSkin();

    UserOptionOwner* optionOwner = nullptr;
    GVSlideWnd* volumeSlider = nullptr;
    GVSlideWnd* bgmSlider = nullptr;
    GVQZSWnd* soundOff = nullptr;
    std::array<GVPSPWnd*, kSpeedCount> speedRadios{};
    GVPSPWnd* voiceCheck = nullptr;
    GVLightTextWnd* voiceCheckLabel = nullptr;
    std::array<GVPSPWnd*, kVoiceCount> voiceRadios{};
    std::array<GVLightTextWnd*, kVoiceCount> voiceLabels{};
    std::array<GVPSPWnd*, kSkinCount> skinRadios{};
    std::array<GVLightTextWnd*, kSkinCount> skinLabels{};
    CVRoomInfoWnd* roomBlock = nullptr;  // not owned
    std::array<std::string, kRoomLines> roomRows{};
    CVPSPPushBtn* ok = nullptr;

    int32_t volume = 0;
    int32_t bgmVolume = -1250;
    int32_t speed = 0;
    bool voiceOn = true;
    int32_t voiceType = 0;
    int32_t skin = 0;
    int32_t gender = 0;
};
