#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/core/Containers.h"
#include "foundation/core/Geometry.h"
#include "protocol/GameMessage.h"
#include "protocol/GameRequest.h"
#include "protocol/Records.h"
#include "protocol/RoundRecords.h"
#include "scene/core/SceneRules.h"
#include "sound/SoundSystem.h"
#include "table/core/CardModel.h"
#include "toolkit/GVWS.h"
#include "views/CVHTWnd.h"
#include "views/RegistryKey.h"

class CMirelleWnd;
class CVHTWnd;
class GVQZAniWnd;
class GVAnimWnd;

// A load error: code 0 allocation failed, 1 a file failed to load; the path relative to the image folder.
struct LoadError {
    int32_t code = 0;
    std::string name;
};

// The game room scene: one per game window. It owns its widgets (through GVWS), the room and
// round records, the message queue, the sound system and the user's options, and runs the room
// on the window's timers.
class CMirelleVWS : public GVWS, public CardMarkerSource {
public:
    explicit CMirelleVWS(CMirelleWnd* owner);
    ~CMirelleVWS() override;

    // The scene of the game window, for code that holds no scene pointer; null when none.
    static CMirelleVWS* Current();

    // Start-up and release.
    int Init(const Rect& view);
    void Release();
    void ResetGameState();
    void ResetRoundState();
    std::string GetRankTitle(int index) const;
    void SetVolume(int value);
    void QueryScreenDepth();
    void ApplyCardSpeed();
    const std::string& GetImageRoot() const { return imageRoot; }
    const std::string& GetSoundRoot() const { return soundRoot; }
    const std::string& GetRegistryPath() const { return registryPath; }
    CMirelleWnd* GetOwner() const { return owner; }

    // Sounds of the table (ids 0..112), gated on the sounds being loaded.
    int PlaySoundId(int id, int loop);
    int PlaySoundAtVolume(int id, int volumeValue);
    int StopSoundId(int id);
    void StopLoopSounds();
    void PlayThreeGoMusic(int seat);
    SoundSystem& GetSound() { return sound; }
    void SetSoundsLoaded(bool flag) { soundsLoaded.store(flag ? 1 : 0); }
    bool AreSoundsLoaded() const { return soundsLoaded.load() != 0; }
    void SetReady(bool flag) { ready.store(flag ? 1 : 0); }
    bool IsReady() const { return ready.load() != 0; }

    // Frame tick, modal wait, timers and drawing.
    int Tick();
    void Delay(uint32_t ms);
    void SetDirty() { dirty = 1; }
    void InvalidateWnd(GVWnd* wnd);
    void FlushRedraw();
    Rect Render(const Rect& area, IDirectDrawSurface4* surface);
    Rect RenderScreen();
    int OnTimer(UINT_PTR id) override;
    void StartFrameTimer();
    void StopFrameTimer();
    int StartPhaseTimer(int kind);
    void StopPhaseTimer();
    void OnPhaseTimeout();
    void StartBlinkTimer();
    void StopBlinkTimer();
    void StartTimer3();
    void StopTimer3();
    void StartTimer4();
    void StopTimer4();
    void SetMacroEnabled(int enabled);
    void StepCountdownAndBlink();
    void SetAutoPlay(int on);
    // Whether playing `card` leaves a match on the floor that another hand card could take.
    int32_t MissesAvailableMatch(int32_t card) const;

    // The message queue (one message handled at a time).
    void EnqueueGameMessage(const GameMessage& message);
    void DispatchGameMessage();
    CPayloadMgr& GetQueue() { return queue; }
    // Whether a handler is running; destroying the room waits for it.
    bool IsHandlingMessage() const { return queue.busy != 0; }
    bool IsLoadingResources() const;

    // Message handlers (by id in the dispatch table).
    void OnRoomDeletedNotice(const GameMessage& message);
    void OnHostCode70(const GameMessage& message);
    void OnHostCode75(const GameMessage& message);

    // Loading (on the loader thread or at once): the widgets, then the sounds. `stop` is checked
    // between loads so the room can be destroyed while it loads.
    int LoadResources(const std::atomic<bool>& stop);
    int LoadSounds(const std::atomic<bool>& stop);
    // Speaks a cue (10000..10055) in the seat's voice; seat -1 is the seat of the voice key.
    int PlayVoice(int cue, int seat);
    // Variant 1 of a cue in voice type 0..3, the gender of the seat (-1: the own user).
    int PreviewVoice(int cue, int previewType, int seat);
    void ReportLoadError(const std::string& name);

    // Requests to the server, each with its checks (0 when refused, else 1 unless said).
    int SendGameRequest(const GameRequest& request);
    int SendVoiceType();
    int SendPlay(int flag);
    int SendObserve();
    int SendExitRoom();
    int SendKick(int32_t target);
    int SendOptionChange(int32_t a, int32_t b);
    int SendGameReadyAnswer(int timedOut);
    int SendStart();
    int SendSunPick(int32_t pick, int timedOut);
    int SendRequest11(int32_t choice);
    int SendPlayCard(int32_t card, int timedOut);
    int SendCardChoice(int32_t card, int timedOut);
    int SendRequest14(int32_t choice, int timedOut);
    int SendSeptAnimalChoice(int32_t choice, int timedOut);
    int SendGoOrStop(int32_t choice, int timedOut);
    int SendResultChoice(int32_t choice);
    int SendRequest19();
    int SendRequest20(int32_t a, int32_t b);
    int SendGiveUp();
    int SendChamgi(int32_t choice);
    int SendRequest24(int32_t index);
    int SendRequest25(int32_t state);
    int SendMacro(int32_t number);
    void SendTung(int32_t value);
    int SendChallenge(int32_t choice);
    int SendBet(int32_t a, int32_t b);
    int SendDesperateExit();
    int SendRequest32();
    int SendAutoPlay(int32_t flag);
    int SendTimeoutCount(int32_t count);
    int SendRequest35();
    int SendRequest36(const std::string& text);
    int RequestItemUse(int64_t amount);
    int IsRoomKind5To10InPlay() const;

    // Host-facing helpers.
    int HostRequest(int32_t userKey, int32_t code, int32_t value, char* text, int32_t* inOut);
    void SetTitleButtonState(const char* control, int32_t state);
    // The host's text for the own user (code 62), at most 256 bytes.
    std::string FetchHostText();
    void PostToHost(int32_t code);
    void PrintChatText(const std::string& text);
    int ShowMessageBox(const std::string& text, int type, uint32_t autoCloseMs, const std::string& title,
                       uint32_t textColor);

    // The 50 card windows and the markers they drag along (null until loaded).
    CVHTWnd* CardWndBySlot(int32_t slot) const;
    CardFace FaceOfSlot(int32_t slot) const;
    GVWnd* GetHandMarker(int handSlot, int index) const override;
    GVWnd* GetFloorMarker(int floorSlot) const override;
    // List operations on card-window slots (the slot rule applies).
    int CountCardsOfMonth(const std::vector<int32_t>& list, int32_t month) const;
    int CountCardsOfSpecial(const std::vector<int32_t>& list, int32_t special) const;
    int32_t FindCardById(const std::vector<int32_t>& list, int32_t cardId) const;
    int32_t FindCardOfMonth(const std::vector<int32_t>& list, int32_t month) const;
    int32_t FindCardOfSpecial(const std::vector<int32_t>& list, int32_t special) const;
    size_t CollectCardsOfSpecial(std::vector<int32_t>& out, const std::vector<int32_t>& in, int32_t special) const;
    // Draws the deck (or, with allSlots, all 50 windows) as a stack rising up and left.
    void StackDeck(int allSlots);
    // Fades the listed cards out over ten rounds of 20 ms, then leaves them invisible.
    void FadeOutCards(const std::vector<int32_t>& list);
    std::array<CVHTWnd*, kCardCount> cardWnds{};
    GVWnd* deckImage = nullptr;
    std::array<std::array<GVWnd*, 10>, 10> handMarkers{};
    std::array<GVWnd*, 12> floorMarkers{};

    // Seat queries.
    PlayerInfo& GetPlayer(int index);
    int FindSeatByKey(int32_t key) const;
    int IsUserSeated(int32_t key = -1) const;
    int HasSeatWithoutUser() const;
    int IsRobotSeat(int index) const;
    int HasRobotSeat() const;
    int IsSeatDisconnected(int index) const;
    bool IsRoomKind20To26() const { return room.roomKind >= 20 && room.roomKind <= 26; }
    bool IsRoomKind30To32() const { return room.roomKind >= 30 && room.roomKind <= 32; }
    bool IsTournamentRoom() const { return IsRoomKind20To26() || IsRoomKind30To32(); }
    bool IsDesperateRoom() const { return room.roomKind >= 40 && room.roomKind <= 43; }
    bool IsAntiLeaveRoom() const;

    // The records and the state the handlers and panels share.
    RCRoomData room;
    RCUser ownUser;
    CGameInfo gameInfo;
    COpenInfo floor;
    std::vector<LoadError> loadErrors;
    int32_t colourKey = -1;
    int32_t dllVersion = -1;
    int32_t hostNotifyValue = 0;
    int32_t phaseTimerKind = 0;
    int32_t moveSteps[3] = {3, 3, 3};
    int32_t stepDelay = 6;
    int32_t screenDepth = 0;
    int32_t frameTimerOn = 0, blinkTimerOn = 0, timer3On = 0, timer4On = 0;
    int32_t isNT = 0;
    int32_t volume = 0;
    int32_t volumeReapply = 0;
    int32_t cardSpeed = 0;
    int32_t soundOn = 1;
    int32_t voiceType = 0;
    int32_t skin = 0;
    int32_t autoPlay = 0;
    int32_t autoStart = 0;
    int32_t macroEnabled = 0;
    int32_t dirty = 0;
    int32_t countdown = 0, countdownStart = 0, countdownLimit = 10, blinkPhase = 0;
    int32_t outlineBlink = 0;
    int32_t antiLeaveActive = 0;
    int32_t roundStarted = 0;
    int32_t tournamentGradeMismatch = 0;
    uint32_t lastMusicRefresh = 0;
    std::vector<int32_t> markedCards;
    plist<GVQZAniWnd> animations;  // not owned: the widgets belong to the scene's list

    // Widgets the loader creates and the tick, the timers and the senders use; null until loaded.
    GVQZAniWnd* hourlyAnimation = nullptr;
    GVAnimWnd* countdownAnimation = nullptr;
    GVQZAniWnd* turnBlinkAnimation = nullptr;  // the turn marker

private:
    void ApplyCountdown(const SceneRules::CountdownActions& actions);
    void ReadOptions();
    int ReadIniService(const std::string& iniPath);
    void LoadCursors();
    void CloseDecision();

    CMirelleWnd* owner;
    std::atomic<int32_t> ready{0};
    std::atomic<int32_t> soundsLoaded{0};
    std::string imageRoot;
    std::string soundRoot;
    std::string registryPath;
    std::vector<std::string> rankTitles;
    CPayloadMgr queue;
    CTimeMgr delayTimer;
    CTimeMgr moveTimer;
    SoundSystem sound;
    HCURSOR normalCursor = nullptr;
    HCURSOR clickCursor = nullptr;
    SYSTEM_INFO system{};
    RegistryKey optionsKey;
};
