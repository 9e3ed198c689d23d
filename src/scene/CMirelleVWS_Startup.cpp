#include "scene/CMirelleVWS.h"

#include <cstdlib>

#include "foundation/Debug.h"
#include "foundation/core/Clock.h"
#include "foundation/core/Text.h"
#include "host/CMirelleWnd.h"
#include "scene/core/SceneRules.h"

namespace {

CMirelleVWS* currentScene = nullptr;

constexpr int kGameNumber = 24;
constexpr int kLastSoundId = 112;

}  // namespace

CMirelleVWS::CMirelleVWS(CMirelleWnd* ownerWnd) : owner(ownerWnd)
{
    GetSystemInfo(&system);
    ResetRoundState();
    ResetGameState();
    currentScene = this;
}

CMirelleVWS::~CMirelleVWS()
{
    Release();
    ResetRoundState();
    if (currentScene == this) currentScene = nullptr;
}

CMirelleVWS* CMirelleVWS::Current()
{
    return currentScene;
}

void CMirelleVWS::ResetRoundState()
{
    hourlyAnimation = nullptr;
    countdownAnimation = nullptr;
    turnBlinkAnimation = nullptr;
    cardWnds.fill(nullptr);
    deckImage = nullptr;
    for (auto& slot : handMarkers) slot.fill(nullptr);
    floorMarkers.fill(nullptr);
    animations.clear();
    markedCards.clear();
}

void CMirelleVWS::ResetGameState()
{
    room.roomState = -1;
    frameTimerOn = blinkTimerOn = timer3On = timer4On = 0;
    phaseTimerKind = 0;
    autoPlay = 0;
    autoStart = 0;
    antiLeaveActive = 0;
    gameInfo.missionMode = 0;
    gameInfo.missionMusic = 0;
    // A reset from inside a handler drops the waiting messages only: the handler still runs.
    if (queue.busy) queue.ClearQueue();
    else queue.Clear();
    delayTimer.Init();
    moveTimer.Init();
    floor.Clear();
    gameInfo.voiceMuted.clear();
    // FIXME: the title bar's full-screen button image set and the twelve month-slot flags, once they exist.
}

std::string CMirelleVWS::GetRankTitle(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= rankTitles.size()) return {};
    return rankTitles[static_cast<size_t>(index)];
}

int CMirelleVWS::ReadIniService(const std::string& iniPath)
{
    dllVersion = static_cast<int32_t>(GetPrivateProfileIntA("SERVICEINFO", "sDllVer", 0, iniPath.c_str()));
    char company[1024] = {};
    char domain[1024] = {};
    // A key present with an empty value copies nothing: the portal is misconfigured.
    if (GetPrivateProfileStringA("SERVICEINFO", "sCompany", "Ostrel", company, sizeof company, iniPath.c_str()) == 0)
        return 0;
    if (GetPrivateProfileStringA("SERVICEINFO", "sDomainName", "Vexor", domain, sizeof domain, iniPath.c_str()) == 0)
        return 0;
    registryPath = std::string(company) + "\\" + domain;
    return 1;
}

void CMirelleVWS::LoadCursors()
{
    normalCursor = LoadCursorFromFileA(FormatText("%sCursor\\sg_normal.ani", imageRoot.c_str()).c_str());
    clickCursor = LoadCursorFromFileA(FormatText("%sCursor\\sg_click.ani", imageRoot.c_str()).c_str());
    if (!normalCursor) normalCursor = LoadCursor(nullptr, IDC_ARROW);
    if (!clickCursor) clickCursor = LoadCursor(nullptr, IDC_HAND);
}

int CMirelleVWS::Init(const Rect& view)
{
    if (!SetViewRect(view)) return 0;
    if (owner && owner->GetScreen()) colourKey = static_cast<int32_t>(owner->GetScreen()->GetColorKey());
    const std::string gameDir = owner ? owner->GetGameDir() : std::string();
    const std::string portalDir = owner ? owner->GetPortalDir() : std::string();
    imageRoot = FormatText("%sGameImage\\", gameDir.c_str());
    soundRoot = FormatText("%sGameSound\\", gameDir.c_str());
    ready.store(0);
    if (!ReadIniService(FormatText("%scommon\\vexor_%d.ini", portalDir.c_str(), kGameNumber))) return 0;
    rankTitles = SceneRules::SplitRankTitles(SceneRules::RankTitleList());
    LoadCursors();
    if (!normalCursor || !clickCursor) return 0;
    SetCursor(normalCursor);
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExA(&version)) isNT = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
#pragma GCC diagnostic pop
    optionsKey.SetPath(registryPath);
    std::srand(Clock::NowMs());
    ReadOptions();
    QueryScreenDepth();
    ApplyCardSpeed();
    return 1;
}

// Each value that cannot be read takes its default, which is written back.
void CMirelleVWS::ReadOptions()
{
    const std::string subkey = FormatText("%d", kGameNumber);
    std::string text;
    uint32_t number = 0;

    if (!optionsKey.ReadString(subkey, "Option_Volume", text)) {
        text = "0";
        optionsKey.WriteString(subkey, "Option_Volume", text);
    }
    SetVolume(std::atoi(text.c_str()));

    if (!optionsKey.ReadString(subkey, "Option_Speed", text)) {
        text = "1";
        optionsKey.WriteString(subkey, "Option_Speed", text);
    }
    cardSpeed = SceneRules::ClampOption(std::atoi(text.c_str()), -3, 3, 1);

    if (!optionsKey.ReadDword(subkey, "Option_SoundEffect", number)) {
        number = 1;
        optionsKey.WriteDword(subkey, "Option_SoundEffect", number);
    }
    soundOn = number != 0;
    macroEnabled = soundOn;
    SetTitleButtonState("macro", soundOn ? 17 : 1);

    if (!optionsKey.ReadDword(subkey, "Option_Voice", number)) {
        number = static_cast<uint32_t>(std::rand() % 4);
        optionsKey.WriteDword(subkey, "Option_Voice", number);
    }
    voiceType = SceneRules::ClampOption(static_cast<int32_t>(number), 0, 3, 0);

    if (!optionsKey.ReadDword(subkey, "Option_Skin", number)) {
        number = 0;
        optionsKey.WriteDword(subkey, "Option_Skin", number);
    }
    skin = SceneRules::ClampOption(static_cast<int32_t>(number), 0, 1, 0);
}

void CMirelleVWS::SetVolume(int value)
{
    volume = SceneRules::ClampVolume(value);
    if (!AreSoundsLoaded()) return;
    sound.SetVolumeAll(volume);
    sound.SetVoiceVolumeAll(volume);
}

void CMirelleVWS::QueryScreenDepth()
{
    screenDepth = owner && owner->GetScreen() ? owner->GetScreen()->GetDepth() : 0;
    stepDelay = 6;
}

void CMirelleVWS::ApplyCardSpeed()
{
    const int steps = SceneRules::MoveStepsForSpeed(cardSpeed);
    for (auto& s : moveSteps) s = steps;
}

void CMirelleVWS::Release()
{
    if (frameTimerOn) StopFrameTimer();
    if (phaseTimerKind) StopPhaseTimer();
    if (blinkTimerOn) StopBlinkTimer();
    if (timer3On) StopTimer3();
    if (timer4On) StopTimer4();
    StopLoopSounds();
    // The pointers into the widget list go before the widgets do.
    ResetRoundState();
    DestroyAll();
    ready.store(0);
    sound.ReleaseAll();
    room.Clear();
    soundsLoaded.store(0);
    SetFocusWnd(nullptr);
    SetMouseWnd(nullptr);
    animations.clear();
}

int CMirelleVWS::PlaySoundId(int id, int loop)
{
    if (!AreSoundsLoaded() || id < 0 || id > kLastSoundId) return 0;
    sound.SetVolume(id, volume);
    return sound.Play(id, loop != 0, false, 0);
}

int CMirelleVWS::PlaySoundAtVolume(int id, int volumeValue)
{
    if (!AreSoundsLoaded() || id < 0 || id > kLastSoundId) return 0;
    sound.SetVolume(id, volumeValue);
    return sound.Play(id, false, false, 0);
}

int CMirelleVWS::StopSoundId(int id)
{
    if (id < 0 || id > kLastSoundId) return 0;
    if (AreSoundsLoaded() && sound.IsPlaying(id)) sound.Stop(id);
    return 1;
}

void CMirelleVWS::StopLoopSounds()
{
    for (int id : {83, 81, 82, 97, 98}) StopSoundId(id);
    if (AreSoundsLoaded() && sound.IsMusicPlaying()) sound.StopMusic();
}

void CMirelleVWS::PlayThreeGoMusic(int seat)
{
    if (gameInfo.missionMusic || gameInfo.missionMode == 5) return;
    StopLoopSounds();
    if (!AreSoundsLoaded() || !IsUserSeated()) return;
    // FIXME: play at the KJ mission window's music volume once that window exists.
    PlaySoundId(seat == FindSeatByKey(ownUser.userKey) ? 81 : 82, 0);
}
