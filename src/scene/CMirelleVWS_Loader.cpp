#include "scene/CMirelleVWS.h"

#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "host/CMirelleWnd.h"
#include "scene/core/SoundTables.h"

#include <cstdlib>

namespace {

constexpr int kSpriteSlots = 512;

}  // namespace

int CMirelleVWS::LoadResources(const std::atomic<bool>& stop)
{
    loadErrors.clear();
    if (!QZSRsc_Init(kSpriteSlots, imageRoot)) {
        loadErrors.push_back({0, "sprite resource manager"});
        return 0;
    }
    if (stop.load()) return 0;
    // FIXME: the widget factories and the room's widgets, windows and panels arrive with the resource loader.
    SetReady(loadErrors.empty());
    return IsReady() ? 1 : 0;
}

int CMirelleVWS::LoadSounds(const std::atomic<bool>& stop)
{
    int loaded = 0;
    if (owner && sound.Init(owner->GetHostWnd(), soundRoot) && IsReady()) {
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
        sound.SetVolumeAll(volume);
        sound.SetVoiceVolumeAll(volume);
    }
    SetSoundsLoaded(loaded != 0);
    return loaded;
}

int CMirelleVWS::PlayVoice(int cue, int seat)
{
    if (!AreSoundsLoaded() || !soundOn) return 0;
    const SoundTables::VoiceCue entry = SoundTables::GetVoiceCue(cue);
    if (!*entry.name) return 0;
    if (seat == -1) {
        seat = FindSeatByKey(gameInfo.voiceKey);
        if (seat < 0) return 0;
    } else if (!room.seats.players.IsValidIndex(seat) || gameInfo.IsVoiceMuted(GetPlayer(seat).userKey)) {
        return 0;
    }
    const PlayerInfo& p = GetPlayer(seat);
    const bool robot = IsRobotSeat(seat) != 0;
    if (robot && !SoundTables::RobotSpeaks(cue)) return 0;
    const SoundTables::Voice voice = robot ? SoundTables::Voice::Robot : SoundTables::VoiceOfGender(p.gender);
    // The robot voice has two recordings of each cue, whatever the table says.
    const int variant = voice == SoundTables::Voice::Robot ? std::rand() % 2 + 1 : std::rand() % entry.variants + 1;
    sound.PlayFile(SoundTables::VoicePath(voice, p.voiceType, entry.name, variant), volume);
    return 1;
}

int CMirelleVWS::PreviewVoice(int cue, int previewType, int seat)
{
    if (!AreSoundsLoaded() || !soundOn) return 0;
    const SoundTables::VoiceCue entry = SoundTables::GetVoiceCue(cue);
    if (!*entry.name) return 0;
    int32_t gender = ownUser.gender;
    if (seat != -1) {
        if (!room.seats.players.IsValidIndex(seat)) return 0;
        gender = GetPlayer(seat).gender;
    }
    sound.PlayFile(SoundTables::VoicePath(SoundTables::VoiceOfGender(gender), previewType, entry.name, 1), volume);
    return 1;
}

void CMirelleVWS::ReportLoadError(const std::string& name)
{
    loadErrors.push_back({1, name});
    int32_t inOut = 0;
    HostRequest(ownUser.userKey, 36, 0, nullptr, &inOut);
}
