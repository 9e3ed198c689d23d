#include "views/CVKJMissionWnd.h"

#include <cstdlib>

#include "foundation/core/Text.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVSlideWnd.h"
#include "views/MissionParts.h"

namespace {

// Offsets of the back's clips from the skin: closed, then the two looks step 0 alternates.
constexpr int kClosedLook = 0;
constexpr int kFirstLook = 2;
constexpr int kSecondLook = 4;

}  // namespace

bool CVKJMissionWnd::CreateChildren(MissionOwner& panelOwner, int tableSkin, const RegistryKey& options,
                                    const std::string& subkey)
{
    WidgetFactory f = BeginChildren(panelOwner);
    missionOwner = &panelOwner;
    optionsKey = options;
    optionsSubkey = subkey;
    skin = tableSkin;
    if (!Adopt(back = f.CreateQZAniWnd("Mission\\kungjjak_back.qza", kBack))) return false;
    if (!Adopt(status = f.CreateQZAniWnd("Mission\\kungjjak_status.qza", kBack))) return false;
    for (size_t slot = 0; slot < 2; ++slot)
        if (!Adopt(multiplierIcons[slot] = f.CreateQZAniWnd("Mission\\kungjjak_mul.qza", kMultiplierIcon[slot])))
            return false;
    const Size track = kSlider.GetSize();
    if (!Adopt(slider = f.CreateSlideWnd("Mission\\kungjjak_slide_btn.bmp", kSlider, track.cx, track.cy))) return false;
    slider->SetRange(kSliderMin, 0);
    ReadMusicVolume();
    slider->SetValue(musicVolume);
    // Hidden but enabled: the slider takes the mouse once the panel shows.
    MissionParts::HideAll(*this);
    SetPos(kOrigin);
    return true;
}

// A value that is no number (or none) is replaced by the default; a number outside the volumes
// is clamped, so DirectSound never sees it.
void CVKJMissionWnd::ReadMusicVolume()
{
    std::string text;
    if (optionsKey.ReadString(optionsSubkey, kVolumeValue, text)) {
        if (const auto volume = MissionRules::ParseMusicVolume(text)) {
            musicVolume = *volume;
            return;
        }
    }
    musicVolume = kDefaultVolume;
    optionsKey.WriteString(optionsSubkey, kVolumeValue, FormatText("%d", kDefaultVolume));
}

void CVKJMissionWnd::Clear()
{
    CVPanel::Clear();
    missionOwner = nullptr;
    back = status = nullptr;
    multiplierIcons.fill(nullptr);
    slider = nullptr;
}

void CVKJMissionWnd::Reset()
{
    multipliers = {1, 1};
    step = -1;
    for (GVQZAniWnd* a : {back, status, multiplierIcons[0], multiplierIcons[1]})
        if (a) a->Stop();
    MissionParts::HideAll(*this);
}

void CVKJMissionWnd::ShowPanel(WithSlider withSlider)
{
    if (!back) return;
    if (withSlider == WithSlider::No) {
        back->SelectAnimation(skin + kClosedLook);
        back->Play(1, true);
        if (missionOwner) missionOwner->PlayMissionSound(MissionSound::KungJJakAppear);
    } else {
        back->SelectAnimation(skin + kFirstLook);
        back->Play(1, true);
        ShowSlider();
    }
    Show(true);
    Invalidate();
}

void CVKJMissionWnd::PlayBgm(bool loop)
{
    if (!missionOwner) return;
    const int number = std::rand() % 2 + 1;
    if (!missionOwner->OpenMusic(FormatText("kungjjak_bgm%d.ogg", number))) return;
    missionOwner->PlayMusic(loop, musicVolume);
    ShowSlider();
}

void CVKJMissionWnd::ShowSlider()
{
    if (!slider) return;
    slider->SetValue(musicVolume);
    slider->Show(true);
    Invalidate();
}

void CVKJMissionWnd::ShowStep(int newStep)
{
    if (newStep < 0 || newStep >= MissionRules::kKungJJakSteps || !status) return;
    step = newStep;
    status->SelectAnimation(step);
    status->Play(1, step == 0 || step == 2);
    if (step == 0) {
        const int look = back->GetSubAnimation() == skin + kFirstLook ? kSecondLook : kFirstLook;
        back->SelectAnimation(skin + look);
        back->Play(1, true);
    }
    Invalidate();
}

int CVKJMissionWnd::SlotOf(int seat) const
{
    if (!missionOwner || seat < 0 || seat > 1) return -1;
    const int slot = missionOwner->ScreenSlotOfSeat(seat);
    return slot == 0 || slot == 1 ? slot : -1;
}

void CVKJMissionWnd::SetMultiplier(int seat, int multiplier, AtEnd atEnd)
{
    if (seat < 0 || seat > 1 || multiplier > kMaxMultiplier || !back) return;
    int& stored = multipliers[static_cast<size_t>(seat)];
    if (multiplier == stored) return;
    stored = multiplier;
    // A seat without a screen slot keeps the value for RefreshMultipliers.
    const int slot = SlotOf(seat);
    if (slot < 0) return;
    GVQZAniWnd* icon = multiplierIcons[static_cast<size_t>(slot)];
    if (multiplier > 1) {
        icon->SelectAnimation(multiplier - 2);
        icon->Play(1, true);
        if (atEnd == AtEnd::Yes) icon->SetFrame(icon->GetFrameCount() - 1);
        if (missionOwner) missionOwner->PlayMissionSound(MissionSound::CoinSuccess);
    } else {
        icon->Stop();
        if (missionOwner) missionOwner->PlayMissionSound(MissionSound::CoinFail);
    }
    Invalidate();
}

void CVKJMissionWnd::RefreshMultipliers()
{
    for (GVQZAniWnd* icon : multiplierIcons)
        if (icon) icon->Stop();
    for (int seat = 0; seat < 2; ++seat) {
        const int value = multipliers[static_cast<size_t>(seat)];
        const int slot = SlotOf(seat);
        if (value <= 1 || slot < 0) continue;
        GVQZAniWnd* icon = multiplierIcons[static_cast<size_t>(slot)];
        icon->SelectAnimation(value - 2);
        icon->Play(1, true);
        icon->SetFrame(icon->GetFrameCount() - 1);
    }
    Invalidate();
}

void CVKJMissionWnd::SetKungJJakBGMVolume(int volume)
{
    musicVolume = MissionRules::ClampMusicVolume(volume);
    if (missionOwner) missionOwner->SetMusicVolume(musicVolume);
    if (slider) slider->SetValue(musicVolume);
    Invalidate();
    optionsKey.WriteString(optionsSubkey, kVolumeValue, FormatText("%d", musicVolume));
    if (missionOwner) missionOwner->SetLoopMusicVolume(musicVolume);
}

void CVKJMissionWnd::SetSkin(int newSkin)
{
    const int offset = back ? back->GetSubAnimation() - skin : 0;
    skin = newSkin;
    if (!back || !back->IsVisible()) return;
    const bool known = offset == kClosedLook || offset == kFirstLook || offset == kSecondLook;
    MissionParts::SwitchClip(back, skin + (known ? offset : kClosedLook), true);
    Invalidate();
}

int CVKJMissionWnd::Step()
{
    int changed = CVPanel::Step();
    if (back && back->IsVisible() && back->GetSubAnimation() == skin + kClosedLook &&
        back->GetFrame() >= kSliderFrame && slider && !slider->IsVisible()) {
        ShowSlider();
        changed = 1;
    }
    return changed;
}

int CVKJMissionWnd::OnLButtonUp(UINT flags, Point p)
{
    if (!IsVisible() || !IsEnabled()) return 0;
    if (slider && GetRememberedChild() == slider && slider->IsDragging()) {
        if (!slider->OnLButtonUp(flags, p)) return 0;
        SetKungJJakBGMVolume(slider->GetValue());
        slider->SetValue(musicVolume);
        if (missionOwner) missionOwner->PlayMissionSoundAtVolume(MissionSound::Click, musicVolume);
        return 1;
    }
    return CVPanel::OnLButtonUp(flags, p);
}
