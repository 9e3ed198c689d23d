#include "views/CVKJMissionWnd.h"

#include <cstdlib>

#include "foundation/core/Text.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVSlideWnd.h"
#include "views/MissionParts.h"
#include "views/RegistryKey.h"

bool CVKJMissionWnd::CreateChildren(PanelOwner& panelOwner, int tableSkin, const RegistryKey& options,
                                    const std::string& subkey)
{
    WidgetFactory f = BeginChildren(panelOwner);
    skin = tableSkin;
    if (!Adopt(back = f.CreateQZAniWnd("Mission\\kungjjak_back.qza", kBack))) return false;
    if (!Adopt(status = f.CreateQZAniWnd("Mission\\kungjjak_status.qza", kBack))) return false;
    for (size_t slot = 0; slot < 2; ++slot)
        if (!Adopt(multiplierIcons[slot] = f.CreateQZAniWnd("Mission\\kungjjak_mul.qza", kMultiplierIcon[slot])))
            return false;
    const Size track = kSlider.GetSize();
    if (!Adopt(slider = f.CreateSlideWnd("Mission\\kungjjak_slide_btn.bmp", kSlider, track.cx, track.cy))) return false;
    slider->SetRange(kSliderMin, 0);
    ReadMusicVolume(options, subkey);
    slider->SetValue(musicVolume);
    // Hidden but enabled: the slider takes the mouse once the panel shows.
    MissionParts::HideAll(*this);
    SetPos(kOrigin);
    return true;
}

void CVKJMissionWnd::ReadMusicVolume(const RegistryKey& options, const std::string& subkey)
{
    std::string text;
    if (options.ReadString(subkey, kVolumeValue, text)) {
        musicVolume = std::atoi(text.c_str());
        return;
    }
    musicVolume = kDefaultVolume;
    options.WriteString(subkey, kVolumeValue, FormatText("%d", kDefaultVolume));
}

void CVKJMissionWnd::Clear()
{
    CVPanel::Clear();
    back = status = nullptr;
    multiplierIcons.fill(nullptr);
    slider = nullptr;
}

void CVKJMissionWnd::Reset()
{
    MissionParts::HideAll(*this);
}
