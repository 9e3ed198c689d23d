#include "scene/GameFolders.h"
#include "scene/CMirelleVWS.h"

#include "scene/RoomInput.h"
#include "scene/ScenePrompt.h"
#include "scene/SceneStage.h"
#include "scene/RoomOptions.h"
#include "scene/HostLink.h"
#include "scene/SeatView.h"
#include "scene/RoomView.h"
#include "scene/SceneResult.h"

#include "table/TableEngine.h"
#include "table/flows/RoomFlows.h"
#include "scene/PeripheryPanels.h"

#include <cstdlib>
#include <utility>

#include "foundation/Debug.h"
#include "foundation/core/Clock.h"
#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "scene/SceneWindow.h"
#include "scene/core/OptionRules.h"
#include "scene/core/TextTokens.h"
#include "table/core/TableLayout.h"
#include "toolkit/GDDScreen.h"
#include "views/CVPSPPushBtn.h"

namespace {

CMirelleVWS* currentScene = nullptr;

}  // namespace

CMirelleVWS::CMirelleVWS(SceneWindow* sceneWindow)
    : window(sceneWindow),
      stage(std::make_unique<SceneStage>(*this)),
      engine(std::make_unique<TableEngine>(*stage, *this, *this)),
      requests(std::make_unique<RoomRequests>(*stage, *engine, *this, *this)),
      flows(std::make_unique<RoomFlows>(*stage, *engine, *requests, *this, *this)),
      input(std::make_unique<RoomInput>(*this)),
      prompt(std::make_unique<ScenePrompt>(*this)),
      result(std::make_unique<SceneResult>(*this)),
      optionsPart(std::make_unique<RoomOptions>(*this)),
      linkPart(std::make_unique<HostLink>(*this)),
      seatsPart(std::make_unique<SeatView>(*this)),
      viewPart(std::make_unique<RoomView>(*this)),
      peripheryPanels(std::make_unique<PeripheryPanels>(*this))
{
    GetSystemInfo(&system);
    promotion.SetHost(&promotionsPart);
    vip.SetHost(&vipPart);
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
    tableWidgets = {};
    entryWidgets = {};
    roomButtons = {};
    avatarMarks = {};
    betting = {};
    moneyWidgets = {};
    roomMarks = {};
    roomWidgets.hourlyAnimation = nullptr;
    roomWidgets.countdownAnimation = nullptr;
    roomWidgets.animations.clear();
    markedCards.clear();
}

void CMirelleVWS::ResetGameState()
{
    room.roomState = static_cast<int32_t>(RoomState::None);
    timers.running.fill(false);
    timers.phaseTimerKind = DecisionKind::None;
    controls.autoPlay = false;
    controls.autoStart = false;
    controls.antiLeaveActive = false;
    gameInfo.missionMode = 0;
    gameInfo.missionMusic = 0;
    // A reset from inside a handler drops the waiting messages only: the handler still runs.
    if (queue.busy) queue.ClearQueue();
    else queue.Clear();
    delayTimer.Init();
    moveTimer.Init();
    InitFloorSlots();
    gameInfo.voiceMuted.clear();
    monthSlotFlags.fill(true);
    desperateRoundFinished = false;
    if (CVPSPPushBtn* full = roomButtons.fullScreen)
        static_cast<void>(full->SetImageSet(window && window->IsFullScreen() ? 1 : 0));  // kept when it has one set
    // A fast room's forced card speed ends with the room: the user's own comes back.
    if (userCardSpeed) {
        options.cardSpeed = *userCardSpeed;
        userCardSpeed.reset();
        ApplyCardSpeed();
    }
}

// The floor slots at their places for the room kind, the round records and the countdown as new.
void CMirelleVWS::InitFloorSlots()
{
    for (int i = 0; i < COpenInfo::kSlotCount; ++i)
        if (const auto at = FloorSlotPosition(i, room.roomKind)) floor.GetSlot(i).position = *at;
    timers.countdownLimit = 10;
    timers.countdownStart = 0;
    timers.countdown = 0;
    timers.blinkPhase = 0;
    timers.outlineBlink = false;
    tableState.handPointerShown = false;
    tableState.dealing = false;
    // No selected target to forget: the hover and the pending card are what the turn display keeps.
    floor.Clear();
    // No card lies on the emptied floor any more.
    for (int32_t s = 0; s < kCardCount; ++s) Engine().Faces().FaceAt(s).floorSlot = -1;
    // The deal handler keeps the own hand's ids before it calls here; the deal still needs them.
    std::vector<int32_t> ownHandIds = std::move(gameInfo.ownHandIds);
    gameInfo.Reset();
    gameInfo.ownHandIds = std::move(ownHandIds);
    lastMusicRefresh = 0;
    using SoundTables::SoundId;
    for (SoundId id : {SoundId::ResultWinner, SoundId::ResultLoser, SoundId::ResultGreatWinner,
                       SoundId::ResultGreatLoser, SoundId::ResultPokjook})
        StopSoundId(id);
}

std::string CMirelleVWS::GetRankTitle(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= rankTitles.size()) return {};
    return rankTitles[static_cast<size_t>(index)];
}

int CMirelleVWS::ReadIniService(const std::string& iniPath)
{
    env.dllVersion = static_cast<int32_t>(GetPrivateProfileIntA("SERVICEINFO", "sDllVer", 0, iniPath.c_str()));
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
    GDDScreen* screen = window ? window->GetScreen() : nullptr;
    if (screen) env.colourKey = static_cast<int32_t>(screen->GetColorKey());
    const std::string gameDir = window ? window->GetGameDir() : std::string();
    const std::string portalDir = window ? window->GetPortalDir() : std::string();
    imageRoot = ImageFolderOf(gameDir);
    soundRoot = SoundFolderOf(gameDir);
    ready.store(false);
    if (!ReadIniService(FormatText("%scommon\\vexor_%d.ini", portalDir.c_str(), kGameNumber))) return 0;
    rankTitles = SceneRules::SplitRankTitles(SceneRules::RankTitleList());
    LoadCursors();
    if (!normalCursor || !clickCursor) return 0;
    SetCursor(normalCursor);
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExA(&version)) env.isNT = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
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
    options.cardSpeed = SceneRules::ClampOption(std::atoi(text.c_str()), -3, 3, 1);

    if (!optionsKey.ReadDword(subkey, "Option_SoundEffect", number)) {
        number = 1;
        optionsKey.WriteDword(subkey, "Option_SoundEffect", number);
    }
    options.soundOn = number != 0;
    controls.macroEnabled = options.soundOn;
    Options().ShowMacroControl(options.soundOn);

    if (!optionsKey.ReadDword(subkey, "Option_Voice", number)) {
        number = static_cast<uint32_t>(std::rand() % 4);
        optionsKey.WriteDword(subkey, "Option_Voice", number);
    }
    options.voiceType = SceneRules::ClampOption(static_cast<int32_t>(number), 0, 3, 0);

    if (!optionsKey.ReadDword(subkey, "Option_Skin", number)) {
        number = 0;
        optionsKey.WriteDword(subkey, "Option_Skin", number);
    }
    options.skin = SceneRules::ClampOption(static_cast<int32_t>(number), 0, 1, 0);
}

void CMirelleVWS::SetVolume(int value)
{
    options.volume = SceneRules::ClampVolume(value);
    if (!AreSoundsLoaded()) return;
    sound.SetVolumeAll(options.volume);
    sound.SetVoiceVolumeAll(options.volume);
}

void CMirelleVWS::QueryScreenDepth()
{
    GDDScreen* screen = window ? window->GetScreen() : nullptr;
    env.screenDepth = screen ? screen->GetDepth() : 0;
    options.stepDelay = 6;
}

void CMirelleVWS::ApplyCardSpeed()
{
    options.moveSteps.fill(SceneRules::MoveStepsForSpeed(options.cardSpeed));
}

void CMirelleVWS::Release()
{
    StopTimer(TimerId::Frame);
    StopPhaseTimer();
    StopBlinkTimer();
    StopTimer(TimerId::Popup);
    StopTimer(TimerId::Start);
    StopLoopSounds();
    // The pointers into the widget list go before the widgets do.
    ResetRoundState();
    DestroyAll();
    ready.store(false);
    vip.Helper().DestroyVIPDialog();
    vip.Clear();  // its widgets went with the scene's
    sound.ReleaseAll();
    room.Clear();
    soundsLoaded.store(false);
    SetFocusWnd(nullptr);
    SetMouseWnd(nullptr);
}

const CHTUser* CMirelleVWS::FindOwnRoundRecord() const
{
    return seatsPart->FindOwnRoundRecord();
}
