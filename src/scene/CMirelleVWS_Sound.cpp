#include "scene/CMirelleVWS.h"

#include <cstdlib>

#include "scene/SceneWindow.h"
#include "sound/StartedSounds.h"
#include "table/flows/RoomFlows.h"

namespace {

using SoundTables::SoundId;

bool IsEffectId(int id)
{
    return id >= 0 && id < SoundTables::kEffectCount;
}

bool NoteEffect(int id, int played)
{
    if (played) NoteSoundStarted(StartedKind::Sound, id, -1);
    return played != 0;
}

}  // namespace

bool CMirelleVWS::PlaySoundId(SoundId id, Loop loop)
{
    const int n = static_cast<int>(id);
    if (!AreSoundsLoaded() || !IsEffectId(n)) return false;
    sound.SetVolume(n, options.volume);
    return NoteEffect(n, sound.Play(n, loop));
}

bool CMirelleVWS::PlaySoundAtVolume(SoundId id, int volumeValue)
{
    const int n = static_cast<int>(id);
    if (!AreSoundsLoaded() || !IsEffectId(n)) return false;
    sound.SetVolume(n, volumeValue);
    return NoteEffect(n, sound.Play(n, Loop::Once));
}

bool CMirelleVWS::StopSoundId(SoundId id)
{
    const int n = static_cast<int>(id);
    if (!IsEffectId(n)) return false;
    if (AreSoundsLoaded() && sound.IsPlaying(n)) sound.Stop(n);
    return true;
}

void CMirelleVWS::StopLoopSounds()
{
    for (SoundId id : {SoundId::StartEffect, SoundId::ThreeGoWin, SoundId::ThreeGoLose, SoundId::ChamgiMusic1,
                       SoundId::ChamgiMusic2})
        StopSoundId(id);
    if (AreSoundsLoaded() && sound.IsMusicPlaying()) sound.StopMusic();
}

void CMirelleVWS::PlayThreeGoMusic(int seat)
{
    if (gameInfo.missionMusic || gameInfo.missionMode == 5) return;
    StopLoopSounds();
    if (!AreSoundsLoaded() || !IsUserSeated()) return;
    PlaySoundAtVolume(seat == FindSeatByKey(ownUser.userKey) ? SoundId::ThreeGoWin : SoundId::ThreeGoLose,
                      Flows().missions.MusicVolume());
}

int CMirelleVWS::LoadSounds(const std::atomic<bool>& stop)
{
    int loaded = 0;
    if (window && sound.Init(window->GetHostWnd(), soundRoot) && IsReady()) {
        for (int id : SoundTables::EffectLoadOrder()) {
            if (stop.load()) break;
            // A file that does not load leaves its id silent; the rest go on.
            sound.Load(SoundTables::EffectFileName(id), id, 0);
        }
        loaded = stop.load() ? 0 : 1;
    }
    sound.EndLoading();
    if (loaded) {
        // Before the flag rises: from then on the window thread plays and sets volumes too.
        sound.SetVolumeAll(options.volume);
        sound.SetVoiceVolumeAll(options.volume);
    }
    SetSoundsLoaded(loaded != 0);
    return loaded;
}

int CMirelleVWS::PlayVoice(int cue, int seat)
{
    if (!AreSoundsLoaded() || !options.soundOn) return 0;
    const SoundTables::VoiceCue entry = SoundTables::GetVoiceCue(cue);
    if (!*entry.name) return 0;
    if (seat == -1) {
        seat = FindSeatByKey(gameInfo.voiceKey);
        if (seat < 0) return 0;
    } else if (!room.seats.players.IsValidIndex(seat) || gameInfo.IsVoiceMuted(GetPlayer(seat).userKey)) {
        return 0;
    }
    const PlayerInfo& p = GetPlayer(seat);
    const bool robot = IsRobotSeat(seat);
    if (robot && !SoundTables::RobotSpeaks(cue)) return 0;
    const SoundTables::Voice voice = robot ? SoundTables::Voice::Robot : SoundTables::VoiceOfGender(p.gender);
    // The robot voice has two recordings of each cue, whatever the table says.
    const int variant = voice == SoundTables::Voice::Robot ? std::rand() % 2 + 1 : std::rand() % entry.variants + 1;
    if (sound.PlayFile(SoundTables::VoicePath(voice, p.voiceType, entry.name, variant), options.volume))
        NoteSoundStarted(StartedKind::Voice, cue, seat);
    return 1;
}

int CMirelleVWS::PreviewVoice(int cue, int previewType, int seat)
{
    if (!AreSoundsLoaded() || !options.soundOn) return 0;
    const SoundTables::VoiceCue entry = SoundTables::GetVoiceCue(cue);
    if (!*entry.name) return 0;
    int32_t gender = ownUser.gender;
    if (seat != -1) {
        if (!room.seats.players.IsValidIndex(seat)) return 0;
        gender = GetPlayer(seat).gender;
    }
    if (sound.PlayFile(SoundTables::VoicePath(SoundTables::VoiceOfGender(gender), previewType, entry.name, 1),
                       options.volume))
        NoteSoundStarted(StartedKind::Voice, cue, seat);
    return 1;
}
