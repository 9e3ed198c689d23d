#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/core/CTimeMgr.h"
#include "foundation/core/Geometry.h"
#include "protocol/Records.h"
#include "protocol/RoundRecords.h"
#include "scene/SceneState.h"
#include "scene/SceneTimers.h"
#include "scene/SceneWidgets.h"
#include "scene/core/RoomTypes.h"
#include "scene/core/SoundTables.h"
#include "sound/SoundSystem.h"
#include "table/core/CardMotion.h"
#include "table/core/MessageQueue.h"
#include "toolkit/GVWS.h"
#include "views/CardMarkerSource.h"
#include "views/RegistryKey.h"
#include "views/LoadErrorSink.h"
#include "views/NotifyOwner.h"

class SceneTable;
class SceneWindow;
class WidgetFactory;
struct GameRequest;
struct IHostInterface;
enum class HostControlState : int32_t;
enum class HostRequestCode : int32_t;

// A load error: code 0 allocation failed, 1 a file failed to load; the path relative to the image folder.
struct LoadError {
    int32_t code = 0;
    std::string name;
};

enum class DeckStack { DeckOnly, AllSlots };

// The game room scene: one per game window. It owns its widgets (through GVWS), the room and
// round records, the message queue, the sound system and the user's options, and runs the room
// on the window's timers. Its members live in the folder of their concern: start-up, tick, timers,
// sounds and requests here, the message handlers and the table engine in table/.
class CMirelleVWS : public GVWS, public CardMarkerSource, public LoadErrorSink, public NotifyOwner {
public:
    using DecisionKind = SceneRules::DecisionKind;

    explicit CMirelleVWS(SceneWindow* window);
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
    const std::string& GetImageRoot() const override { return imageRoot; }
    const std::string& GetSoundRoot() const { return soundRoot; }
    const std::string& GetRegistryPath() const { return registryPath; }
    // The table that handles the server's messages; without one they are consumed unhandled.
    void AttachTable(const SceneTable* handlers) { table = handlers; }

    // Sounds of the table (ids 0..112), gated on the sounds being loaded.
    bool PlaySoundId(SoundTables::SoundId id, Loop loop = Loop::Once);
    bool PlaySoundAtVolume(SoundTables::SoundId id, int volumeValue);
    bool StopSoundId(SoundTables::SoundId id);
    void StopLoopSounds();
    void PlayThreeGoMusic(int seat);
    SoundSystem& GetSound() { return sound; }
    void SetSoundsLoaded(bool flag) { soundsLoaded.store(flag); }
    bool AreSoundsLoaded() const { return soundsLoaded.load(); }
    void SetReady(bool flag) { ready.store(flag); }
    bool IsReady() const { return ready.load(); }
    // Speaks a cue (10000..10055) in the seat's voice; seat -1 is the seat of the voice key.
    int PlayVoice(int cue, int seat);
    // Variant 1 of a cue in voice type 0..3, the gender of the seat (-1: the own user).
    int PreviewVoice(int cue, int previewType, int seat);

    // Frame tick, modal wait and drawing.
    int Tick();
    void Delay(uint32_t ms);
    void SetDirty() { dirty = true; }
    bool IsDirty() const { return dirty; }
    void InvalidateWnd(GVWnd* wnd);
    void FlushRedraw();
    Rect Render(const Rect& area, IDirectDrawSurface4* surface);
    Rect RenderScreen();

    // The game window's timers.
    int OnTimer(UINT_PTR id) override;
    bool IsTimerRunning(TimerId id) const { return timers.IsRunning(id); }
    // Starts a timer of fixed period (all but the phase timer), or starts it again when it runs.
    void StartTimer(TimerId id);
    void StopTimer(TimerId id);
    void StartFrameTimer();
    int StartPhaseTimer(DecisionKind kind);
    void StopPhaseTimer();
    void OnPhaseTimeout();
    void StartBlinkTimer();
    void StopBlinkTimer();
    void SetMacroEnabled(bool enabled);
    void StepCountdownAndBlink();
    void SetAutoPlay(bool on);

    // The message queue (one message handled at a time).
    void EnqueueGameMessage(const GameMessage& message);
    void DispatchGameMessage();
    CPayloadMgr& GetQueue() { return queue; }
    // Whether a handler is running; destroying the room waits for it.
    bool IsHandlingMessage() const { return queue.busy != 0; }
    bool IsLoadingResources() const;

    // Message handlers (entered in the table's dispatch table).
    void OnRoomDeletedNotice(const RoomDeletedNotice& body);
    void OnHostCode70(const HostCode70& body);
    void OnHostCode75(const HostCode75& body);

    // Loading (on the loader thread or at once): the widgets, then the sounds. `stop` is checked
    // between loads so the room can be destroyed while it loads.
    int LoadResources(const std::atomic<bool>& stop);
    int LoadSounds(const std::atomic<bool>& stop);
    // {0, name}: an allocation failed.
    void AddLoadError(const std::string& name) override;
    // {1, name}: a file failed to load; the host hears of it (code 36), not of the name.
    void ReportLoadError(const std::string& name) override;

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
    bool IsRoomKind5To10InPlay() const;

    // The decision prompt. The loader makes it; message handlers open it, answers and the phase
    // timer close it.
    [[nodiscard]] bool CreateNotifyWnd();
    // Notice kinds 6..28: a2, the 64-bit amount of a3:a4, the go count a5 and the flags a6, a7.
    int ShowNotify(int kind, int32_t a2 = 0, int64_t money = 0, int32_t goCount = 0, int32_t a6 = 0, int32_t a7 = 0);
    // Card notices and decisions, kinds 0..5, on the offered card ids.
    int ShowNotifySimple(int kind, const std::vector<int32_t>& cards);
    int ShowMissionNotify(int kind, int missionId, int variant, int64_t money);
    // Closes the prompt and stops sound 54.
    void HideNotify() override;
    // F1 and F2 for the prompt, from the scene's key input; true when the prompt was shown to take them.
    bool AnswerNotifyByKey(int key);
    // The prompt's step of the frame tick.
    void StepNotify();
    Notify::NotifyRoom GetNotifyRoom() const override;
    void SendNotifyReply(const Notify::Reply& reply) override;
    void PlayNotifySound(int id) override;
    void StopNotifySound(int id) override;
    LoadErrorSink& GetLoadErrorSink() override { return *this; }

    // Host-facing helpers.
    int HostRequest(int32_t userKey, HostRequestCode code, int32_t value, char* text, int32_t* inOut);
    void SetTitleButtonState(const char* control, HostControlState state);
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
    // Whether playing `card` leaves a match on the floor that another hand card could take.
    bool MissesAvailableMatch(int32_t card) const;
    // The floor slots at their places for the room kind, every slot empty, and the round's
    // display and records back to their start; the own hand's ids of a pending deal stay.
    void InitFloorSlots();
    // The card window takes the picture and size of card size kind 0 small, 1 normal or 2 big
    // and keeps its card frame; any other kind, or a template not loaded, changes nothing.
    void SetCardSize(CVHTWnd* card, int kind);
    // A straight path of `steps` steps from the window's place to `target`, replacing its path;
    // slot -1 uses `card`.
    void BuildMovePath(int32_t slot, Point target, int32_t steps, CVHTWnd* card = nullptr);
    // Walks the card of `slot` to `target` in `steps` frames, one frame wait each, and leaves it
    // there at the normal size. Slot -1 does nothing.
    void AnimateCardMove(int32_t slot, Point target, int32_t steps, LiftSide lift, Zoom zoom);
    // Draws the deck (or all 50 windows) as a stack rising up and left.
    void StackDeck(DeckStack which);
    // Fades the listed cards out over ten rounds of 20 ms, then leaves them invisible.
    void FadeOutCards(const std::vector<int32_t>& list);

    // Seat queries.
    PlayerInfo& GetPlayer(int index);
    int FindSeatByKey(int32_t key) const;
    bool IsUserSeated(int32_t key = -1) const;
    bool HasSeatWithoutUser() const;
    bool IsRobotSeat(int index) const;
    bool HasRobotSeat() const;
    bool IsSeatDisconnected(int index) const;
    RoomState GetRoomState() const { return static_cast<RoomState>(room.roomState); }
    bool IsRoomKind20To26() const { return room.roomKind >= 20 && room.roomKind <= 26; }
    bool IsRoomKind30To32() const { return room.roomKind >= 30 && room.roomKind <= 32; }
    bool IsTournamentRoom() const { return IsRoomKind20To26() || IsRoomKind30To32(); }
    bool IsDesperateRoom() const { return room.roomKind >= 40 && room.roomKind <= 43; }
    bool IsAntiLeaveRoom() const;
    bool IsOwnTurn() const { return gameInfo.turnKey == ownUser.userKey; }

    // The records and the state the handlers and panels share.
    RCRoomData room;
    RCUser ownUser;
    CGameInfo gameInfo;
    COpenInfo floor;
    std::vector<LoadError> loadErrors;
    std::vector<int32_t> markedCards;
    SceneOptions options;
    RoomControls controls;
    SceneEnvironment env;
    SceneTimers timers;
    TableWidgets tableWidgets;
    RoomWidgets roomWidgets;

private:
    // Every widget of the room; false as soon as one is not made or loading is stopped.
    bool LoadWidgets(const std::atomic<bool>& stop);
    // The table's loading steps, in drawing order; each answers false at the first widget not made.
    bool LoadTableAndDeck(WidgetFactory& factory);
    bool LoadTurnBlink(WidgetFactory& factory);
    bool LoadFloorMarkers(WidgetFactory& factory);
    bool LoadFloorSlots(WidgetFactory& factory);
    bool LoadCardWnds(WidgetFactory& factory);
    bool LoadMovingCards(WidgetFactory& factory);
    bool LoadPlayMarks(WidgetFactory& factory);
    bool LoadHandMarkers(WidgetFactory& factory);
    // Adds a made widget on top of the scene; false for null.
    bool AddLoaded(GVWnd* wnd);
    // Also steps it with the tick.
    bool AddRunning(GVQZAniWnd* animation);

    // One frame's wait of a card move: the step delay, skipped after a slow frame at a positive speed.
    void WaitFrame(FrameWaitPacer& pacer);
    void ApplyCountdown(const SceneRules::CountdownActions& actions);
    void ReadOptions();
    int ReadIniService(const std::string& iniPath);
    void LoadCursors();
    void StartTimerFor(TimerId id, uint32_t periodMs);
    void CloseDecision();
    // The check, close and send every decision answer shares: only while seated and the decision runs.
    bool AnswerDecision(DecisionKind kind, const GameRequest& request);
    IHostInterface* GetHost() const;
    HWND GetGameWnd() const;

    SceneWindow* window;
    const SceneTable* table = nullptr;
    bool dirty = false;
    std::atomic<bool> ready{false};
    std::atomic<bool> soundsLoaded{false};
    uint32_t lastMusicRefresh = 0;
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
