#include "views/CVUserOptionWnd.h"

#include <string>

#include "toolkit/GVLightTextWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVSlideWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVRoomInfoWnd.h"
#include "views/RegistryKey.h"
#include "views/core/MissionRules.h"

namespace {

constexpr const char* kRadio = "Option\\radio_btn.psp";
constexpr const char* kSlideThumb = "Option\\slide_btn.bmp";
constexpr const char* kBgmValue = "KungJJakBGM_Volume";
constexpr uint32_t kLabelColor = 0x878787;  // COLORREF
// The thumb runs from x 69 to the panel's x 149: a longer track would carry it past the window's edge.
constexpr Size kTrack{80, 18};
// Beyond the first of each row the places are ours: the voices two by two, the skins side by side.
constexpr int kColumnStep = 75;
constexpr int kRowStep = 18;
constexpr std::array<const char*, CVUserOptionWnd::kSkinCount> kSkinNames{"그린", "블루"};

Point VoicePoint(int i, Point first)
{
    return {first.x + (i % 2) * kColumnStep, first.y + (i / 2) * kRowStep};
}

void ShowWidget(GVWnd* w, bool show)
{
    if (w) w->Show(show);
}

}  // namespace

void CVUserOptionWnd::Clear()
{
    CVPanel::Clear();
    optionOwner = nullptr;
    volumeSlider = bgmSlider = nullptr;
    soundOff = nullptr;
    speedRadios.fill(nullptr);
    voiceCheck = nullptr;
    voiceCheckLabel = nullptr;
    voiceRadios.fill(nullptr);
    voiceLabels.fill(nullptr);
    skinRadios.fill(nullptr);
    skinLabels.fill(nullptr);
    roomBlock = nullptr;
    roomRows = {};
    ok = nullptr;
}

bool CVUserOptionWnd::CreateChildren(UserOptionOwner& room, const RegistryKey& optionsKey, const std::string& subkey)
{
    WidgetFactory f = BeginChildren(room);
    optionOwner = &room;
    // A press on a radio or a label goes to the panel: they take presses as enabled widgets.
    const auto clickable = [](GVWnd* w) { if (w) w->Enable(true); return w; };
    const auto label = [&f](const std::string& text, Point p, Size s, uint32_t color) {
        return f.CreateLightTextWnd(text, p, s, 12, 400, color);
    };

    if (!Adopt(f.CreateQZSWnd("Option\\back.qzs", {0, 0}, Visible::Yes))) return false;
    if (!Adopt(volumeSlider = f.CreateSlideWnd(kSlideThumb, Rect({69, 77}, kTrack), kTrack.cx, kTrack.cy)))
        return false;
    if (!Adopt(bgmSlider = f.CreateSlideWnd(kSlideThumb, Rect({69, 98}, kTrack), kTrack.cx, kTrack.cy))) return false;
    volumeSlider->SetRange(kVolumeLow, 0);
    bgmSlider->SetRange(kVolumeLow, 0);
    std::string stored;
    if (optionsKey.ReadString(subkey, kBgmValue, stored)) {
        bgmVolume = MissionRules::ParseMusicVolume(stored).value_or(UserOptionRules::kBgmDefault);
    } else {
        bgmVolume = UserOptionRules::kBgmDefault;
        optionsKey.WriteString(subkey, kBgmValue, std::to_string(UserOptionRules::kBgmDefault));
    }
    bgmSlider->SetValue(bgmVolume);
    if (!Adopt(soundOff = f.CreateQZSWnd("Option\\soundoff.qzs", {18, 54}, Visible::No))) return false;

    for (int i = 0; i < kSpeedCount; ++i)
        if (!Adopt(speedRadios[static_cast<size_t>(i)] = static_cast<GVPSPWnd*>(
                       clickable(f.CreatePSPWnd(kRadio, {55 + i * kRowStep, 208}, Visible::Yes)))))
            return false;
    if (!Adopt(label("느림", {23, 209}, {28, 14}, kLabelColor))) return false;
    if (!Adopt(label("빠름", {145, 209}, {28, 14}, kLabelColor))) return false;

    if (!Adopt(voiceCheck = static_cast<GVPSPWnd*>(clickable(f.CreatePSPWnd("Option\\checkbox.psp", {92, 121},
                                                                                 Visible::Yes)))))
        return false;
    if (!Adopt(voiceCheckLabel = static_cast<GVLightTextWnd*>(
                   clickable(label("목소리", {20, 121}, {69, 14}, kLabelColor)))))
        return false;
    for (int i = 0; i < kVoiceCount; ++i) {
        const size_t n = static_cast<size_t>(i);
        if (!Adopt(voiceRadios[n] = static_cast<GVPSPWnd*>(
                       clickable(f.CreatePSPWnd(kRadio, VoicePoint(i, {35, 142}), Visible::Yes)))))
            return false;
        if (!Adopt(voiceLabels[n] = static_cast<GVLightTextWnd*>(
                       clickable(label("", VoicePoint(i, {51, 143}), {50, 14}, kLabelColor)))))
            return false;
    }
    for (int i = 0; i < kSkinCount; ++i) {
        const size_t n = static_cast<size_t>(i);
        if (!Adopt(skinRadios[n] = static_cast<GVPSPWnd*>(
                       clickable(f.CreatePSPWnd(kRadio, {42 + i * kColumnStep, 263}, Visible::Yes)))))
            return false;
        if (!Adopt(skinLabels[n] = static_cast<GVLightTextWnd*>(clickable(
                       label(kSkinNames[static_cast<size_t>(i)], {58 + i * kColumnStep, 264}, {50, 14}, kLabelColor)))))
            return false;
    }
    if (!Adopt(ok = f.CreatePSPPushBtn("Option\\ok_btn.psp", {56, 298}, Visible::Yes, 1))) return false;
    Show(false);
    return true;
}

void CVUserOptionWnd::SetChoices(int32_t volumeValue, int32_t speedPosition, bool voiceOnFlag, int32_t voice,
                                 int32_t skinValue)
{
    volume = volumeValue;
    speed = speedPosition;
    voiceOn = voiceOnFlag;
    voiceType = voice;
    skin = skinValue;
}

int CVUserOptionWnd::Open(int32_t userGender)
{
    if (IsVisible()) return 0;
    gender = userGender == 0 || userGender == 1 ? userGender : 2;
    SetVolume(volume);
    ShowSpeed();
    ShowVoices();
    if (skin < 0 || skin >= kSkinCount) skin = 0;
    ShowSkin();
    Show(true);
    BuildRoomOptionText();
    Invalidate();
    return 1;
}

void CVUserOptionWnd::BuildRoomOptionText()
{
    roomRows = optionOwner ? UserOptionRules::RoomInfoRows(optionOwner->GetOptionRoomInfo())
                           : std::array<std::string, UserOptionRules::kRoomRows>{};
    if (!roomBlock || !IsVisible()) return;
    const bool withBack = optionOwner && UserOptionRules::HasRoomInfo(optionOwner->GetOptionRoomInfo().roomKind);
    roomBlock->Open(roomRows, withBack);
}

std::string CVUserOptionWnd::GetRoomRow(int i) const
{
    return i >= 0 && i < kRoomLines ? roomRows[static_cast<size_t>(i)] : std::string();
}

int CVUserOptionWnd::Close()
{
    if (!IsVisible()) return 0;
    if (roomBlock) roomBlock->Close();
    Show(false);
    Invalidate();
    return 1;
}

void CVUserOptionWnd::SetVolume(int32_t volumeValue)
{
    volume = volumeValue;
    if (volumeSlider) volumeSlider->SetValue(volume);
    const int32_t shown = volumeSlider ? volumeSlider->GetValue() : volume;
    ShowWidget(soundOff, shown <= kVolumeLow);
    Invalidate();
}

void CVUserOptionWnd::SetBgmVolume(int32_t volumeValue)
{
    bgmVolume = volumeValue;
    if (bgmSlider) bgmSlider->SetValue(volumeValue);
    Invalidate();
}

void CVUserOptionWnd::SetSpeed(int32_t position)
{
    speed = position;
    ShowSpeed();
}

void CVUserOptionWnd::SetVoiceOn(bool on)
{
    voiceOn = on;
    ShowVoices();
}

void CVUserOptionWnd::SetVoiceType(int32_t voice)
{
    voiceType = voice;
    ShowVoices();
}

bool CVUserOptionWnd::IsSoundOffShown() const
{
    return soundOff && soundOff->IsVisible();
}

GVPSPWnd* CVUserOptionWnd::GetSpeedRadio(int i) const
{
    return i >= 0 && i < kSpeedCount ? speedRadios[static_cast<size_t>(i)] : nullptr;
}

GVPSPWnd* CVUserOptionWnd::GetVoiceRadio(int i) const
{
    return i >= 0 && i < kVoiceCount ? voiceRadios[static_cast<size_t>(i)] : nullptr;
}

GVPSPWnd* CVUserOptionWnd::GetSkinRadio(int i) const
{
    return i >= 0 && i < kSkinCount ? skinRadios[static_cast<size_t>(i)] : nullptr;
}

void CVUserOptionWnd::ShowSpeed()
{
    for (int i = 0; i < kSpeedCount; ++i)
        if (GVPSPWnd* r = speedRadios[static_cast<size_t>(i)]) r->SetFrame(i == speed ? 1 : 0);
    Invalidate();
}

void CVUserOptionWnd::ShowVoices()
{
    if (voiceCheck) voiceCheck->SetFrame(voiceOn ? 1 : 0);
    const int32_t selected = voiceType >= 0 && voiceType < kVoiceCount ? voiceType : 0;
    for (int i = 0; i < kVoiceCount; ++i) {
        const size_t n = static_cast<size_t>(i);
        const std::string name = optionOwner ? optionOwner->GetVoiceName(gender, i) : std::string();
        if (voiceLabels[n]) voiceLabels[n]->SetText(name);
        const bool show = !name.empty() && voiceOn;
        ShowWidget(voiceRadios[n], show);
        ShowWidget(voiceLabels[n], show);
        if (voiceRadios[n]) voiceRadios[n]->SetFrame(i == selected ? 1 : 0);
    }
    Invalidate();
}

void CVUserOptionWnd::ShowSkin()
{
    for (int i = 0; i < kSkinCount; ++i)
        if (GVPSPWnd* r = skinRadios[static_cast<size_t>(i)]) r->SetFrame(i == skin ? 1 : 0);
    Invalidate();
}

int CVUserOptionWnd::OnLButtonDown(UINT flags, Point p)
{
    if (!IsVisible() || !IsEnabled()) return 0;
    if (PressChoice(ChildFromPoint(p, kHitVisibleEnabled))) return 1;
    return CVPanel::OnLButtonDown(flags, p);
}

bool CVUserOptionWnd::PressChoice(GVWnd* child)
{
    if (!child) return false;
    for (int i = 0; i < kSpeedCount; ++i) {
        if (child != speedRadios[static_cast<size_t>(i)]) continue;
        // The speed holds while a round is in play.
        if (!optionOwner || !optionOwner->IsRoundInPlay()) SetSpeed(i);
        return true;
    }
    if (child == voiceCheck || child == voiceCheckLabel) {
        SetVoiceOn(!voiceOn);
        return true;
    }
    for (int i = 0; i < kVoiceCount; ++i) {
        const size_t n = static_cast<size_t>(i);
        if (child != voiceRadios[n] && child != voiceLabels[n]) continue;
        if (i != voiceType) {
            voiceType = i;
            if (optionOwner) optionOwner->PreviewOptionVoice(i);
            ShowVoices();
        }
        return true;
    }
    for (int i = 0; i < kSkinCount; ++i) {
        const size_t n = static_cast<size_t>(i);
        if (child != skinRadios[n] && child != skinLabels[n]) continue;
        skin = i;
        ShowSkin();
        return true;
    }
    return false;
}

int CVUserOptionWnd::OnMouseMove(UINT flags, Point p)
{
    const int routed = CVPanel::OnMouseMove(flags, p);
    if (volumeSlider && volumeSlider->IsDragging()) {
        const bool off = volumeSlider->GetValue() <= kVolumeLow;
        if (IsSoundOffShown() != off) {
            ShowWidget(soundOff, off);
            Invalidate();
        }
    }
    return routed;
}

// A slider acts when its drag ends, wherever the pointer is let go.
int CVUserOptionWnd::OnLButtonUp(UINT flags, Point p)
{
    GVSlideWnd* dragged = nullptr;
    for (GVSlideWnd* slider : {volumeSlider, bgmSlider})
        if (slider && slider->IsDragging()) dragged = slider;
    const int taken = CVPanel::OnLButtonUp(flags, p);
    if (!dragged || dragged->IsDragging() || !optionOwner) return taken;
    if (dragged == volumeSlider) {
        SetVolume(volumeSlider->GetValue());
        optionOwner->OnGameVolumeReleased(volume);
    } else {
        bgmVolume = bgmSlider->GetValue();
        optionOwner->OnMusicVolumeReleased(bgmVolume);
    }
    return 1;
}

void CVUserOptionWnd::OnChildClick(GVWnd& child)
{
    if (&child == ok && optionOwner) optionOwner->OnOptionOk();
}
