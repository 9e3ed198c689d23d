#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/core/CTimeMgr.h"
#include "foundation/core/Geometry.h"
#include "protocol/Records.h"
#include "protocol/RoundRecords.h"
#include "scene/CMirellePromotionMgr.h"
#include "scene/CMirelleVIPMgr.h"
#include "scene/SceneMissions.h"
#include "scene/SceneTargetScore.h"
#include "scene/ScenePromotions.h"
#include "scene/SceneVip.h"
#include "scene/core/RoomTypes.h"
#include "scene/core/SoundTables.h"
#include "sound/SoundSystem.h"
#include "table/RoomRecords.h"
#include "table/RoomWidgetSet.h"
#include "table/core/CardMotion.h"
#include "table/core/DealPlan.h"
#include "table/core/MessageQueue.h"
#include "table/core/TableModel.h"
#include "table/flows/RoomRequests.h"
#include "table/RoomTimers.h"
#include "scene/core/DecisionRules.h"
#include "toolkit/GVWS.h"
#include "views/LoadErrorSink.h"
#include "views/RegistryKey.h"
#include "views/SeatPanelOwner.h"

class CVQZATextWnd;
class CVUserOptionWnd;
class GVQZAniWnd;
class HostLink;
class RoomFlows;
class RoomInput;
class PeripheryPanels;
class RoomOptions;
class RoomView;
class SceneResult;
class ScenePrompt;
class SceneStage;
class SceneWindow;
class SeatView;
class TableEngine;
struct GameMessage;

// A load error: code 0 allocation failed, 1 a file failed to load; the path relative to the image folder.
struct LoadError {
    int32_t code = 0;
    std::string name;
};

// The game room scene: one per game window. It owns its widgets (through GVWS), the room's records,
// the message queue, the sound system and the user's options, runs the room on the window's timers,
// and owns the parts that do the rest: the table engine, the requests and the message flows, which
// reach the room only through its stage (SceneStage), and the parts of the room's view below.
class CMirelleVWS : public GVWS,
                    public RoomRecords,
                    public RoomWidgetSet,
                    public LoadErrorSink,
                    public SeatPanelOwner {
public:
    using DecisionKind = SceneRules::DecisionKind;

    // Start-up and release (CMirelleVWS_Startup.cpp).
    explicit CMirelleVWS(SceneWindow* window);
    ~CMirelleVWS() override;
    // The scene of the game window, for code that holds no scene pointer; null when none.
    static CMirelleVWS* Current();
    int Init(const Rect& view);
    void Release();
    void ResetGameState();
    void ResetRoundState();
    // The floor slots at their places for the room kind, every slot empty, and the round's
    // display and records back to their start; the own hand's ids of a pending deal stay.
    void InitFloorSlots();
    std::string GetRankTitle(int index) const override;
    const CHTUser* FindOwnRoundRecord() const override;
    void SetVolume(int value);
    void QueryScreenDepth();
    void ApplyCardSpeed();
    const std::string& GetImageRoot() const override { return imageRoot; }
    int32_t GetRoomKind() const override { return room.roomKind; }
    const std::string& GetSoundRoot() const { return soundRoot; }
    const std::string& GetRegistryPath() const { return registryPath; }
    void SetReady(bool flag) { ready.store(flag); }
    bool IsReady() const { return ready.load(); }
    // The game's number, also the options' registry subkey as decimal text.

    // The parts the scene owns.
    SceneStage& Stage() { return *stage; }
    TableEngine& Engine() { return *engine; }
    const TableEngine& Engine() const { return *engine; }
    RoomRequests& Requests() { return *requests; }
    const RoomRequests& Requests() const { return *requests; }
    RoomFlows& Flows() { return *flows; }
    RoomInput& Input() { return *input; }
    ScenePrompt& Prompt() { return *prompt; }
    SceneResult& Result() { return *result; }
    RoomOptions& Options() { return *optionsPart; }
    HostLink& Link() { return *linkPart; }
    SeatView& Seats() { return *seatsPart; }
    RoomView& View() { return *viewPart; }
    // The panels around the table: their owner and the host's commands for them.
    PeripheryPanels& Periphery() { return *peripheryPanels; }
    // The mission panels' and the target-score panel's owners.
    MissionOwner& MissionPanelsOwner() { return missionGlue; }
    SceneMissions missionGlue{*this};
    TargetScoreOwner& TargetScorePanelOwner() { return targetScoreGlue; }
    SceneTargetScore targetScoreGlue{*this};
    CMirellePromotionMgr promotion;
    CMirelleVIPMgr vip;
    // The promotions and the VIP helper reach the room through these (ScenePromotions.cpp, SceneVip.cpp).
    ScenePromotions promotionsPart{*this};
    SceneVip vipPart{*this};

    // Loading, on the loader thread or at once: the widgets, then the sounds; `stop` is checked
    // between loads so the room can be destroyed while it loads (CMirelleVWS_Loader.cpp).
    int LoadResources(const std::atomic<bool>& stop);
    // {0, name}: an allocation failed.
    void AddLoadError(const std::string& name) override;
    // {1, name}: a file failed to load; the host hears of it (code 36), not of the name.
    void ReportLoadError(const std::string& name) override;
    LoadErrorSink& GetLoadErrorSink() override { return *this; }
    std::vector<LoadError> loadErrors;
    CVUserOptionWnd* userOption = nullptr;  // owned by the scene's widget list

    // Sounds of the table (ids 0..112), gated on the sounds being loaded (CMirelleVWS_Sound.cpp).
    int LoadSounds(const std::atomic<bool>& stop);
    bool PlaySoundId(SoundId id, Loop loop = Loop::Once);
    bool PlaySoundAtVolume(SoundId id, int volumeValue);
    bool StopSoundId(SoundId id);
    void StopLoopSounds();
    void PlayThreeGoMusic(int seat);
    SoundSystem& GetSound() { return sound; }
    void SetSoundsLoaded(bool flag) { soundsLoaded.store(flag); }
    bool AreSoundsLoaded() const { return soundsLoaded.load(); }
    // Speaks a cue in the seat's voice; seat -1 is the seat of the voice key.
    int PlayVoice(VoiceCue cue, int seat);
    // Variant 1 of a cue in voice type 0..3, the gender of the seat (-1: the own user).
    int PreviewVoice(VoiceCue cue, int previewType, int seat);

    // Frame tick, modal wait and drawing (CMirelleVWS_Tick.cpp).
    int Tick();
    void Delay(uint32_t ms);
    // A frame without a widget changing; a change of a widget in the scene asks for one by itself.
    void SetDirty() { RequestDraw(); }
    bool IsDirty() const { return IsDrawRequested(); }
    void InvalidateWnd(GVWnd* wnd);
    void StackWndBefore(GVWnd* reference, GVWnd* wnd) { InsertWndBefore(reference, wnd); }
    void StackWndAfter(GVWnd* reference, GVWnd* wnd) { InsertWndAfter(reference, wnd); }
    void FlushRedraw();
    Rect Render(const Rect& area, IDirectDrawSurface4* surface) override;
    Rect RenderScreen();

    // The game window's timers (CMirelleVWS_Timers.cpp).
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
    void StepCountdownAndBlink();
    // The countdown animation the turn messages start and stop.
    void StopTurnMarker();
    void RestartCountdown() { timers.countdown = timers.countdownStart; }

    // Effects of the card play (CMirelleVWS_Effects.cpp). Kinds 0..9 play once at a seat or a
    // point; RoomStage::kHideEffects hides them all.
    void PlayEffect(int kind, int seat);
    void PlayEffectAt(int kind, Point at);
    // Hides the action popups; kind 0..9 shows one beside the turn's seat until the popup timer ends.
    void ShowActionPopup(int kind, int count);
    // Capture mark 0 (with its sound), 1 (the mission's, with its sound) or 2 (mark 0, silent) at a point.
    void ShowEatMark(int kind, Point at);
    void OnPopupTimeout();

    // The message queue, one message handled at a time (CMirelleVWS_Messages.cpp).
    void EnqueueGameMessage(const GameMessage& message);
    void DispatchGameMessage();
    CPayloadMgr& GetQueue() { return queue; }
    // Whether a handler is running; destroying the room waits for it.
    bool IsHandlingMessage() const { return queue.busy != 0; }
    bool IsLoadingResources() const;

    // The round number's back, glyphs and caption; null until loaded (CMirelleVWS_RoundBanner.cpp).
    struct RoundBanner {
        GVQZAniWnd* back = nullptr;
        CVQZATextWnd* number = nullptr;
        GVQZAniWnd* caption = nullptr;
    };
    void ShowRoundBanner(const std::string& number);
    RoundBanner roundBanner;

    // The auto-play card with auto-play on, else the time-out card; the deck's card goes as 50
    // (CMirelleVWS_Score.cpp).
    void PlayOwnCardByItself();

    // Input from the main window, handed to RoomInput (CMirelleVWS_Input.cpp). The room has no chat
    // edit: composition is left to the window's default handling.
    int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;
    int OnKeyUp(UINT vk, UINT repeat, UINT flags) override;
    int OnMouseMove(UINT flags, Point p) override;
    int OnLButtonDown(UINT flags, Point p) override;
    int OnLButtonUp(UINT flags, Point p) override;
    int OnImeStartComposition(WPARAM wParam, LPARAM lParam) override;
    int OnImeComposition(WPARAM wParam, LPARAM lParam) override;
    int OnImeEndComposition(WPARAM wParam, LPARAM lParam) override;
    int OnSetFocus();
    int OnKillFocus();
    int OnAppCommand();

private:
    friend class HostLink;
    friend class RoomInput;
    friend class RoomLoader;
    friend class RoomOptions;
    friend class RoomView;
    friend class ScenePrompt;
    friend class SceneResult;
    friend class SceneStage;
    friend class SceneVip;
    friend class SeatView;

    // The scene as the seat panels' owner.
    SeatPanelOwner& SeatPanelsOwner() { return *this; }
    // Adds a made widget on top of the scene; false for null.
    bool AddLoaded(GVWnd* wnd);
    // Also steps it with the tick.
    bool AddRunning(GVQZAniWnd* animation);
    void ApplyCountdown(const SceneRules::CountdownActions& actions);
    void ReadOptions();
    int ReadIniService(const std::string& iniPath);
    void LoadCursors();
    void StartTimerFor(TimerId id, uint32_t periodMs);
    HWND GetGameWnd() const;
    void StepPeripheryPanels();

    SceneWindow* window;
    std::unique_ptr<SceneStage> stage;
    std::unique_ptr<TableEngine> engine;
    std::unique_ptr<RoomRequests> requests;
    std::unique_ptr<RoomFlows> flows;
    std::unique_ptr<RoomInput> input;
    std::unique_ptr<ScenePrompt> prompt;
    std::unique_ptr<SceneResult> result;
    std::unique_ptr<RoomOptions> optionsPart;
    std::unique_ptr<HostLink> linkPart;
    std::unique_ptr<SeatView> seatsPart;
    std::unique_ptr<RoomView> viewPart;
    std::unique_ptr<PeripheryPanels> peripheryPanels;
    std::atomic<bool> ready{false};
    std::atomic<bool> soundsLoaded{false};
    uint32_t lastMusicRefresh = 0;
    uint32_t lastTick = 0;     // the tick runs at most once per 50 ms
    bool hourlyShown = false;  // the hourly animation played in this on-the-hour second
    std::string imageRoot;
    std::string soundRoot;
    std::optional<std::string> pendingTitle;  // set while loading, shown by the first tick after
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
