#include "scene/RoomOptions.h"

#include <string>

#include "foundation/core/Text.h"
#include "scene/CMirelleVWS.h"
#include "scene/core/OptionRules.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVUserOptionWnd.h"
#include "views/core/MissionRules.h"

// The option panel's room rows and its sliders' volumes.

UserOptionRules::RoomInfo RoomOptions::GetOptionRoomInfo() const
{
    const RCRoomData& room = scene.room;
    UserOptionRules::RoomInfo info;
    info.roomKind = room.roomKind;
    info.playerLimit = room.option.ruleValue;
    info.password = room.text2;
    info.options = room.text4;
    info.entryLimit = room.option.minMoney;
    info.moneyPerPoint = room.option.stakeMoney;
    info.requiredGames = room.option.extraValue;
    info.noticedBet = scene.noticedBet;
    return info;
}

void RoomOptions::OnGameVolumeReleased(int32_t volume)
{
    scene.SetVolume(volume);  // the slider's low end silences the room
    scene.PlaySoundAtVolume(SoundTables::SoundId::ButtonClick, scene.options.volume);
}

void RoomOptions::OnMusicVolumeReleased(int32_t volume)
{
    // The kungjjak panel keeps the music's volume: it stores it and applies it to the playing music.
    // Without it the value is stored as the panel would, silence below the slider's range.
    if (CVKJMissionWnd* kungjjak = scene.missions.kungjjak) {
        kungjjak->SetKungJJakBGMVolume(volume);
    } else {
        const int stored = MissionRules::ClampMusicVolume(volume);
        scene.optionsKey.WriteString(FormatText("%d", CMirelleVWS::kGameNumber), CVKJMissionWnd::kVolumeValue,
                                     std::to_string(stored));
        if (scene.userOption) scene.userOption->SetBgmVolume(stored);
    }
    scene.PlaySoundAtVolume(SoundTables::SoundId::ButtonClick, SceneRules::ClampVolume(volume));
}
