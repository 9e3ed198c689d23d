#include "scene/RoomOptions.h"

#include "scene/CMirelleVWS.h"

#include <algorithm>
#include <new>

#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "scene/core/OptionLabels.h"
#include "scene/core/OptionPlan.h"
#include "views/CVUserOptionWnd.h"
#include "scene/HostLink.h"

namespace {

using SoundTables::SoundId;

constexpr int kWelcomeCue = 10033;

std::string OptionsSubkey()
{
    return FormatText("%d", CMirelleVWS::kGameNumber);
}

// The option window's OK carried out on the scene: the registry, the skin, the voice request and
// the macros.
class SceneOptionTarget final : public OptionPlan::OptionTarget {
public:
    SceneOptionTarget(CMirelleVWS& s, const RegistryKey& k) : scene(s), key(k), subkey(OptionsSubkey()) {}

    bool WriteString(const std::string& name, const std::string& text) override
    {
        return key.WriteString(subkey, name, text) != 0;
    }
    bool WriteDword(const std::string& name, uint32_t value) override
    {
        return key.WriteDword(subkey, name, value) != 0;
    }
    bool LoadSkin(int32_t skin) override { return scene.Options().SetSkin(skin, 1) != 0; }
    // The request's first value carries nothing of the options: 0.
    // The choice is stored either way; the server hears of it when the request goes out.
    void SendVoiceType(int32_t voiceType) override
    {
        static_cast<void>(scene.Requests().SendOptionChange(0, voiceType));
    }
    void SetMacros(bool on) override
    {
        // The macros follow the voices: the switch counts before the window's values are kept.
        scene.options.soundOn = on;
        if (on) {
            scene.Options().SetMacroEnabled(true);
            return;
        }
        scene.controls.macroEnabled = false;
        scene.Options().ShowMacroControl(false);
    }

private:
    CMirelleVWS& scene;
    const RegistryKey& key;
    std::string subkey;
};

}  // namespace

void RoomOptions::ShowMacroControl(bool enabled)
{
    // The macro control is the room's, not the user's: user key 0.
    std::string name = "macro";
    int32_t length = static_cast<int32_t>(name.size());
    scene.Link().HostRequest(0, HostRequestCode::SetNamedControl, static_cast<int32_t>(enabled ? HostControlState::ShownEnabled
                                                                                   : HostControlState::ShownDisabled),
                name.data(), &length);
}

int RoomOptions::OpenOptionWindow()
{
    if (!scene.userOption) return 0;
    // A fast room's speed was forced at the entry; the window shows the user's own speed.
    scene.userOption->SetChoices(std::max(scene.options.volume, CVUserOptionWnd::kVolumeLow),
                                 OptionPlan::SpeedPosition(scene.userCardSpeed.value_or(scene.options.cardSpeed)),
                                 scene.options.soundOn, scene.options.voiceType, scene.options.skin);
    if (!scene.userOption->Open(scene.ownUser.gender)) return 0;
    SetTitleButtonState("option", true, false, 0);
    scene.PlaySoundId(SoundId::ButtonClick);
    return 1;
}

int RoomOptions::CloseOptionWindow()
{
    return scene.userOption ? scene.userOption->Close() : 0;
}

std::string RoomOptions::GetVoiceName(int32_t gender, int32_t voiceType) const
{
    return OptionLabels::VoiceName(gender, voiceType);
}

void RoomOptions::PreviewOptionVoice(int32_t voiceType)
{
    scene.PreviewVoice(kWelcomeCue, voiceType, -1);
}

// The speed is compared with the user's stored speed, never with a fast room's forced one, so an OK
// there does not write the room's speed over the user's.
void RoomOptions::ApplyGameOptions()
{
    if (!CloseOptionWindow()) return;
    CVUserOptionWnd& w = *scene.userOption;
    // The volume took effect when its slider moved: the panel's value is also the scene's.
    const OptionPlan::OptionValues stored{w.GetVolume(), scene.userCardSpeed.value_or(scene.options.cardSpeed), scene.options.soundOn,
                                          scene.options.voiceType, scene.options.skin};
    const std::optional<int32_t> forced = scene.userCardSpeed ? std::optional<int32_t>(scene.options.cardSpeed) : std::nullopt;
    const OptionPlan::OptionChoice choice{w.GetVolume(), w.GetSpeed(), w.IsVoiceOn(), w.GetVoiceType(), w.GetSkin()};
    SceneOptionTarget target(scene, scene.optionsKey);
    const OptionPlan::Outcome out = OptionPlan::Apply(stored, forced, choice, target);
    if (out.speedChanged) {
        if (out.kept.cardSpeed != stored.cardSpeed) {
            scene.options.cardSpeed = out.kept.cardSpeed;
            scene.userCardSpeed.reset();
        }
        w.SetSpeed(OptionPlan::SpeedPosition(scene.options.cardSpeed));
        scene.ApplyCardSpeed();
    }
    scene.options.soundOn = out.kept.voiceOn;
    w.SetVoiceOn(scene.options.soundOn);
    scene.options.voiceType = out.kept.voiceType;
    w.SetVoiceType(scene.options.voiceType);
    scene.options.skin = out.kept.skin;
    SetTitleButtonState("option", true, true, 0);
    scene.PlaySoundId(SoundId::ButtonClick);
    if (out.summaryDue) PrintOptionSummary();
}

void RoomOptions::PrintOptionSummary()
{
    scene.Link().PrintChatText(OptionPlan::SummaryLine(
        scene.ownUser.gender, {scene.options.volume, scene.options.cardSpeed, scene.options.soundOn, scene.options.voiceType, scene.options.skin}));
}

bool RoomOptions::IsRoundInPlay() const
{
    return scene.GetRoomState() == RoomState::Playing;
}

const std::string& RoomOptions::GetImageRoot() const
{
    return scene.GetImageRoot();
}

LoadErrorSink& RoomOptions::GetLoadErrorSink()
{
    return scene;
}
