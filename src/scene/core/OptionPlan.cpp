#include "scene/core/OptionPlan.h"

#include <algorithm>

#include "scene/core/OptionLabels.h"

namespace OptionPlan {

int32_t SpeedPosition(int32_t cardSpeed)
{
    return std::clamp(cardSpeed + 3, 0, 4);
}

Outcome Apply(const OptionValues& stored, std::optional<int32_t> forcedSpeed, const OptionChoice& choice,
              OptionTarget& target)
{
    Outcome out;
    out.kept = stored;
    if (target.WriteString("Option_Volume", std::to_string(choice.volume))) out.kept.volume = choice.volume;

    const int32_t speed = SpeedOfPosition(choice.speedPosition);
    const bool leftForced = forcedSpeed && speed == *forcedSpeed;
    if (!leftForced && speed != stored.cardSpeed) {
        if (target.WriteString("Option_Speed", std::to_string(speed))) out.kept.cardSpeed = speed;
        out.speedChanged = true;
        out.summaryDue = true;
    }
    if (choice.voiceOn != stored.voiceOn) {
        if (target.WriteDword("Option_SoundEffect", choice.voiceOn ? 1 : 0)) {
            out.kept.voiceOn = choice.voiceOn;
            target.SetMacros(choice.voiceOn);
        }
        out.summaryDue = true;
    }
    if (choice.voiceType != stored.voiceType) {
        if (target.WriteDword("Option_Voice", static_cast<uint32_t>(choice.voiceType))) {
            out.kept.voiceType = choice.voiceType;
            target.SendVoiceType(choice.voiceType);
        }
        out.summaryDue = true;
    }
    if (choice.skin != stored.skin) {
        if (target.LoadSkin(choice.skin) && target.WriteDword("Option_Skin", static_cast<uint32_t>(choice.skin)))
            out.kept.skin = choice.skin;
        out.summaryDue = true;
    }
    return out;
}

std::string SpeedWord(int32_t cardSpeed)
{
    if (cardSpeed == -1) return "보통";
    if (cardSpeed >= 0) return "빠름" + std::to_string(cardSpeed + 1);
    return "느림" + std::to_string(-1 - cardSpeed);
}

std::string SummaryLine(int32_t gender, const OptionValues& values)
{
    const int32_t row = gender == 0 || gender == 1 ? gender : 2;
    const int32_t voice = values.voiceType >= 0 && values.voiceType <= 3 ? values.voiceType : 0;
    const int32_t skin = values.skin == 1 ? 1 : 0;
    const std::string voiceWord = values.voiceOn ? OptionLabels::VoiceName(row, voice) : "클래식";
    return "게임옵션 : `1111`패속도(`0010`" + SpeedWord(values.cardSpeed) + "`0011`), 목소리(`0010`" + voiceWord +
           "`0011`), 배경화면(`0010`" + OptionLabels::SkinName(skin) + "`0011`)`0010`";
}

}  // namespace OptionPlan
