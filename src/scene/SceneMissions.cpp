#include "scene/SceneMissions.h"

#include "scene/CMirelleVWS.h"
#include "views/CVUserOptionWnd.h"

namespace {

SoundTables::SoundId ToSoundId(MissionSound id)
{
    return static_cast<SoundTables::SoundId>(static_cast<int>(id));
}

}  // namespace

const std::string& SceneMissions::GetImageRoot() const
{
    return scene.GetImageRoot();
}

LoadErrorSink& SceneMissions::GetLoadErrorSink()
{
    return scene;
}

void SceneMissions::PlayMissionSound(MissionSound id)
{
    scene.PlaySoundId(ToSoundId(id));
}

void SceneMissions::PlayMissionSoundAtVolume(MissionSound id, int volume)
{
    scene.PlaySoundAtVolume(ToSoundId(id), volume);
}

int SceneMissions::ScreenSlotOfSeat(int seat) const
{
    if (!RoomRecords::IsSeat(seat)) return -1;
    return scene.GetPlayer(seat).screenSlot;
}

bool SceneMissions::OpenMusic(const std::string& name)
{
    return scene.AreSoundsLoaded() && scene.GetSound().OpenMusic(name) != 0;
}

void SceneMissions::PlayMusic(bool loop, int volume)
{
    if (scene.AreSoundsLoaded()) scene.GetSound().PlayMusic(loop ? 1 : 0, volume);
}

void SceneMissions::SetMusicVolume(int volume)
{
    if (scene.AreSoundsLoaded()) scene.GetSound().SetMusicVolume(volume);
    // The options panel shows the same volume on its own music slider.
    if (CVUserOptionWnd* options = scene.userOption) options->SetBgmVolume(volume);
}

void SceneMissions::SetLoopMusicVolume(int volume)
{
    if (!scene.AreSoundsLoaded()) return;
    using SoundTables::SoundId;
    for (SoundId id : {SoundId::ThreeGoWin, SoundId::ThreeGoLose, SoundId::ChamgiMusic1, SoundId::ChamgiMusic2}) {
        const int n = static_cast<int>(id);
        if (scene.GetSound().IsPlaying(n)) scene.GetSound().SetVolume(n, volume);
    }
}
