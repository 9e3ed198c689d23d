#include "scene/CMirelleVWS.h"

#include <string>

#include "foundation/core/Text.h"
#include "scene/core/OptionRules.h"
#include "views/CVKJMissionWnd.h"

// The option panel's room rows and its sliders' volumes.

UserOptionRules::RoomInfo CMirelleVWS::GetOptionRoomInfo() const
{
    UserOptionRules::RoomInfo info;
    info.roomKind = room.roomKind;
    info.playerLimit = room.option.ruleValue;
    info.password = room.text2;
    info.options = room.text4;
    info.entryLimit = room.option.minMoney;
    info.moneyPerPoint = room.option.stakeMoney;
    info.requiredGames = room.option.extraValue;
    return info;
}

void CMirelleVWS::OnGameVolumeReleased(int32_t volume)
{
    SetVolume(volume);  // the slider's low end silences the room
    PlaySoundAtVolume(SoundTables::SoundId::ButtonClick, options.volume);
}

void CMirelleVWS::OnMusicVolumeReleased(int32_t volume)
{
    optionsKey.WriteString(FormatText("%d", kGameNumber), CVKJMissionWnd::kVolumeValue, std::to_string(volume));
    if (AreSoundsLoaded() && sound.IsMusicPlaying()) sound.SetMusicVolume(SceneRules::ClampVolume(volume));
    PlaySoundAtVolume(SoundTables::SoundId::ButtonClick, SceneRules::ClampVolume(volume));
}
