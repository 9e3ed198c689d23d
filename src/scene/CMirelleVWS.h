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
#include "table/flows/RoomStage.h"
#include "toolkit/GVWS.h"
#include "views/LoadErrorSink.h"
#include "views/NotifyOwner.h"
#include "views/RegistryKey.h"
#include "views/ResultOwner.h"
#include "views/SeatPanelOwner.h"
#include "views/UserOptionOwner.h"

class CVQZATextWnd;
class GVAvatarWnd;
class CVUserOptionWnd;
class RoomFlows;
class TableEngine;
class SceneWindow;
class WidgetFactory;
struct GameRequest;
struct IHostInterface;
enum class HostControlState : int32_t;
enum class HostRequestCode : int32_t;
namespace InputRules {
enum class CursorKind;
}
namespace EntryRules {
struct ResultPlan;
}

// A load error: code 0 allocation failed, 1 a file failed to load; the path relative to the image folder.
struct LoadError {
    int32_t code = 0;
    std::string name;
};

// The game room scene: one per game window. It owns its widgets (through GVWS), the room's records,
// the message queue, the sound system, the user's options, the table engine, the requests and the
// message flows, and runs the room on the window's timers. It is the stage of the engine and the
// flows: they reach it only through TableStage and RoomStage.
class CMirelleVWS : public GVWS,
                    public RoomRecords,
                    public RoomWidgetSet,
                    public RoomStage,
                    public LoadErrorSink,
                    public SeatPanelOwner,
                    public NotifyOwner,
                    public ResultOwner,
                    public UserOptionOwner {
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
    std::string GetRankTitle(int index) const override;
    void SetVolume(int value);
    void QueryScreenDepth();
    void ApplyCardSpeed() override;
    const std::string& GetImageRoot() const override { return imageRoot; }
    int32_t GetRoomKind() const override { return room.roomKind; }
    const CHTUser* FindOwnRoundRecord() const override;
    const std::string& GetSoundRoot() const { return soundRoot; }
    const std::string& GetRegistryPath() const { return registryPath; }
    // The table engine, the requests to the server and the message flows the scene owns.
    TableEngine& Engine() { return *engine; }
    const TableEngine& Engine() const { return *engine; }
    RoomFlows& Flows() { return *flows; }
    RoomRequests& Requests() { return *requests; }
    const RoomRequests& Requests() const { return *requests; }

    // Sounds of the table (ids 0..112), gated on the sounds being loaded.
    bool PlaySoundId(SoundTables::SoundId id, Loop loop = Loop::Once) override;
    bool PlaySoundAtVolume(SoundTables::SoundId id, int volumeValue);
    bool StopSoundId(SoundTables::SoundId id) override;
    void StopLoopSounds() override;
    void PlayThreeGoMusic(int seat) override;
    SoundSystem& GetSound() { return sound; }
    void SetSoundsLoaded(bool flag) { soundsLoaded.store(flag); }
    bool AreSoundsLoaded() const { return soundsLoaded.load(); }
    void SetReady(bool flag) { ready.store(flag); }
    bool IsReady() const { return ready.load(); }
    // Speaks a cue (10000..10055) in the seat's voice; seat -1 is the seat of the voice key.
    int PlayVoice(int cue, int seat) override;
    // Variant 1 of a cue in voice type 0..3, the gender of the seat (-1: the own user).
    int PreviewVoice(int cue, int previewType, int seat);

    // Frame tick, modal wait and drawing.
    int Tick();
    void Delay(uint32_t ms) override;
    void SetDirty() override { dirty = true; }
    bool IsDirty() const { return dirty; }
    void InvalidateWnd(GVWnd* wnd) override;
    void StackWndBefore(GVWnd* reference, GVWnd* wnd) override { InsertWndBefore(reference, wnd); }
    void StackWndAfter(GVWnd* reference, GVWnd* wnd) override { InsertWndAfter(reference, wnd); }
    void FlushRedraw() override;
    Rect Render(const Rect& area, IDirectDrawSurface4* surface);
    Rect RenderScreen();

    // The game window's timers.
    int OnTimer(UINT_PTR id) override;
    bool IsTimerRunning(TimerId id) const { return timers.IsRunning(id); }
    // Starts a timer of fixed period (all but the phase timer), or starts it again when it runs.
    void StartTimer(TimerId id) override;
    void StopTimer(TimerId id);
    void StartFrameTimer() override;
    int StartPhaseTimer(DecisionKind kind) override;
    void StopPhaseTimer() override;
    void OnPhaseTimeout();
    void StartBlinkTimer() override;
    void StopBlinkTimer() override;
    void SetMacroEnabled(bool enabled) override;
    void StepCountdownAndBlink();
    void SetAutoPlay(bool on) override;
    // The countdown animation the turn messages start and stop.
    void StopTurnMarker() override;
    void RestartCountdown() override { timers.countdown = timers.countdownStart; }

    // Effects of the card play. Kinds 0..9 play once at a seat or a point; kHideEffects hides them all.
    void PlayEffect(int kind, int seat) override;
    void PlayEffectAt(int kind, Point at);
    // Hides the action popups; kind 0..9 shows one beside the turn's seat until the popup timer ends.
    void ShowActionPopup(int kind, int count) override;
    // Capture mark 0 (with its sound), 1 (the mission's, with its sound) or 2 (mark 0, silent) at a point.
    void ShowEatMark(int kind, Point at) override;
    void OnPopupTimeout();

    // The message queue (one message handled at a time).
    void EnqueueGameMessage(const GameMessage& message);
    void DispatchGameMessage();
    CPayloadMgr& GetQueue() { return queue; }
    // Whether a handler is running; destroying the room waits for it.
    bool IsHandlingMessage() const { return queue.busy != 0; }
    bool IsLoadingResources() const;

    // The round number's back, glyphs and caption; null until loaded.
    struct RoundBanner {
        GVQZAniWnd* back = nullptr;
        CVQZATextWnd* number = nullptr;
        GVQZAniWnd* caption = nullptr;
    };
    [[nodiscard]] bool LoadRoundBanner(WidgetFactory& factory);
    void ShowRoundBanner(const std::string& number) override;
    RoundBanner roundBanner;

    // Room view operations (scene/CMirelleVWS_RoomView.cpp).
    int ExitRoom() override;
    // The card part: timers, the 50 card windows face down at home and the round records.
    void ClearTable() override;
    std::string StakeName(int32_t index) const;
    void UpdateStakeText() override;
    void NotifyHostRoomEntered() override;
    void HostMessage(int kind, const std::string& text1, const std::string& text2) override;
    void ShowInviteButton(bool show) override;
    void ShowRoundStartAnimation(bool show, int kind) override;
    void ShowChamgiBackground(bool show, int kind) override;
    // The betting panel: its back, buttons, text, kinds, die warning, multiplier and table cover.
    void HideBettingPanel() override;
    void ShowObserveSystem(bool show) override;
    // Hides the six robot avatars; index 0..5 shows one while a robot is seated, at (0, 0) on the robot's seat.
    void ShowRobotAvatar(int index, Point at) override;
    Point RobotAvatarPoint() const;
    void ShowTournamentTitle() override;
    void UpdatePlayObserveButtons(int flag) override;
    void UpdateExitButtons(int flag) override;
    void PrintOptionSummary() override;
    void ShowHandHints(bool show) override;
    // Opens the popup menu of a user's panel at the point; show 0 or a key below 0 closes it.
    void ShowUserPopupMenu(bool show, int32_t userKey, Point at) override;
    void OnUserPopupCommand(int entry);
    void ShowOwnOutline(bool show) override;
    void ShowFloorSlotMarkers(int flag) override;
    // The September clip over the September animal while the seat's animal pile holds it; show 0 hides it
    // whatever the seat (2 names both).
    void ShowNineTenClip(int seat, bool show) override;
    // The forced-exit question for a user (the popup menu and the host's slot 11).
    int RequestForcedExit(int32_t targetUserKey);
    // 1 when the skin's table picture loaded (with reload) and the skin changed.
    int SetSkin(int skin, int reload);
    // The option window: 1 when it opened; Close answers 1 when it was open.
    int OpenOptionWindow();
    int CloseOptionWindow();
    void SendKickListToHost() override;
    void RecountMissionProgress() override;

    // Forced exit, auto-play, chat macros and the skin (scene/CMirelleVWS_RoomControls.cpp); the
    // room view reset (scene/CMirelleVWS_RoomReset.cpp, beside ClearTable).
    void ShowAutoPlayNotice(bool show) override;
    void SetAutoPlayButtonEnabled(bool enable) override;
    
    // Speaks macro 0..9 in the user's seat; the own user's phrase goes to the host and the control rests.
    void SendChatMacro(int index, int32_t userKey) override;
    // Forgets the room: table, seats, room record and buttons, as after loading; the frame timer stops.
    void ResetRoomView();
    void RestoreCardOrder();
    void ClearCardWnds();
    void ClearTableMarks();
    void ClearSeatPanels();

    // Loading (on the loader thread or at once): the widgets, then the sounds. `stop` is checked
    // between loads so the room can be destroyed while it loads.
    int LoadResources(const std::atomic<bool>& stop);
    int LoadSounds(const std::atomic<bool>& stop);
    // {0, name}: an allocation failed.
    void AddLoadError(const std::string& name) override;
    // {1, name}: a file failed to load; the host hears of it (code 36), not of the name.
    void ReportLoadError(const std::string& name) override;

    // The decision prompt. The loader makes it; message handlers open it, answers and the phase
    // timer close it.
    [[nodiscard]] bool CreateNotifyWnd();
    // Notice kinds 6..28: a2, the 64-bit amount of a3:a4, the go count a5 and the flags a6, a7.
    int ShowNotify(int kind, int32_t a2 = 0, int64_t money = 0, int32_t goCount = 0, int32_t a6 = 0, int32_t a7 = 0) override;
    // Card notices and decisions, kinds 0..5, on the offered card ids.
    int ShowNotifySimple(int kind, const std::vector<int32_t>& cards) override;
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

    // The round result. The loader makes the panel; the result handlers show it, answers and the
    // game-ready answer close it.
    [[nodiscard]] bool CreateResultWnd();
    CVItemWnd* CreateItemWnd() override;
    // Closes the prompt, shows the result box and fills the panel; the own player's winning streak
    // badge shows with a round result, the go and bak alerts hide.
    void ShowRoundResult(const RoundResult& body) override;
    void ShowTournamentResult(const TournamentRoundResult& body) override;
    void ShowEventResult(const EventRoundResult& body) override;
    void SetResultStep(const ResultStep& body) override;
    // Resets the panel, hides the result box, the badge and the fireworks.
    void HideRoundResult() override;
    // Space, F1 and F2 for the panel; true when it was shown to take them.
    bool AnswerResultByKey(int key);
    void StepResult();
    Room GetResultRoom() const override;
    void SendResultAnswer(ResultRules::Answer answer) override;
    void PlayResultSound(int id) override;
    void StopResultSound(int id) override;
    void PlayResultVoice(int cue, int seat) override;
    void PrintResultChat(const std::string& text) override;
    void ShowEventMark(bool show) override;
    void StartFireworks() override;
    bool ToggleAutoStart() override;

    // Host-facing helpers.
    int HostRequest(int32_t userKey, HostRequestCode code, int32_t value, char* text, int32_t* inOut) override;
    // The host's text for the own user (code 62), at most 256 bytes.
    std::string FetchHostText() override;
    void PostToHost(int32_t code) override;
    // IHostInterface::LeaveNotice, when a host is attached.
    void LeaveNoticeToHost(int code) override;
    void PrintChatText(const std::string& text) override;
    // Seat 0 or 1, or 2 for both: score, counter and bak panels from the round records, the voice-off and
    // black-list marks and the robot's avatar (seats without a screen slot: nothing).
    void RefreshSeatPanels(int which) override;
    // A seat's money on its player panel.
    void ShowSeatMoney(int seat) override;
    void UpdateGoBakAlert() override;
    // The title bar's caption.
    void SetTitleBarText(const std::string& text);
    // Each seated player's key and money to the host, after every money change.
    void ReportSeatMoney() override;
    int ShowMessageBox(const std::string& text, int type, uint32_t autoCloseMs, const std::string& title,
                       uint32_t textColor) override;

    // Hand hints, the popup menu, avatars and the host's notices (scene/CMirelleVWS_Hints.cpp,
    // scene/CMirelleVWS_HostNotify.cpp).
    // Enter in the game window: WM_USER+2 with 0, 0 to the host's window.
    void PostCloseToHost();
    // The host's commands 14..29 (slot 14): 29 answers 1, the others 0.
    int OnHostCommand(int32_t userKey, int32_t command, const std::string& text, int32_t* value);
    // Command 23: a seated user's two record counters to the host (code 27).
    void SendUserCountsToHost(int32_t userKey);
    // Commands 14 (replace), 15 (add), 16 (remove); both seat panels follow a change.
    void UpdateBlacklist(int32_t command, const std::string& text);
    // Slot 4: a new avatar at the user's screen slot (0 or 1); -1 for anyone else.
    int SetUserAvatar(int32_t userKey, const std::string& itemList);
    // The seat's avatar as the host gives it for the user's avatar string; none without one.
    void LoadSeatAvatar(int seat) override;
    void RemoveSeatAvatar(int seat) override;
    void StepSeatAvatars();
    GVAvatarWnd* GetSeatAvatar(int32_t slot) const;
    // Slot 5: the user's title, shown on his player panel; -1 for a user without a seat.
    int SetUserTitle(int32_t userKey, const std::string& text);
    // Command 28: below 1 the memo button is disabled and its notice stops, else it plays.
    void ShowMemoNotify(int32_t count);
    void PrintMoneyGiftNotice(int64_t amount) override;
    // Refill kinds 2 and 3: each seated user's money, badge and label; the own user's chat and code 31.
    void PrintRefillNotice(int32_t kind, const std::vector<RefillRecord>& records) override;
    void HideRefillLabels();
    // Round end: the deck's next card face up and each seat's remaining hand, sorted.
    void RevealRemainingCards(const std::vector<int32_t>& deck, const PerSeat<std::vector<int32_t>>& hands) override;
    bool IsPopupMenuShown() const;
    bool IsPopupMenuEntry(const GVWnd* wnd) const;
    // The user key of the seat whose avatar (or player panel too) holds the point, else -1.
    enum class AvatarArea { AvatarOnly, WithPanel };
    int32_t SeatAvatarKeyAt(Point p, AvatarArea area) const;
    static Rect SeatAvatarRect(int32_t slot);
    // The first robot avatar is loaded and none shows (no robot sits at the table).
    bool IsRobotAvatarHidden() const;
    // The area from the first to the last popup entry.
    Rect PopupMenuRect() const;
    // The pending card: the first card message 79 named, while the own hand holds it.
    CVHTWnd* FindPendingCard() const;
    bool IsHintMissionCard(int32_t cardId) const;
    void HideHandHints();
    // The held-bomb guides over the pending card and the floor, with their tool-tip and sound.
    void ShowBombGuides(const std::vector<int32_t>& hand);
    void HidePopupMenu();
    void ToggleVoiceMute(int32_t userKey);
    bool ShowSeatAvatar(int32_t slot, const std::string& itemList);
    void RemoveAvatarAt(int32_t slot);

    // The floor slots at their places for the room kind, every slot empty, and the round's
    // display and records back to their start; the own hand's ids of a pending deal stay.
    void InitFloorSlots() override;

    // The auto-play card with auto-play on, else the time-out card; the deck's card goes as 50.
    void PlayOwnCardByItself();

    // Seat queries.

    // Input: hot keys, clicks on the room's buttons and hand cards, the cursor; the rest goes on
    // to the widgets. Focus and the app command come from the main window.
    int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;
    int OnKeyUp(UINT vk, UINT repeat, UINT flags) override;
    int OnMouseMove(UINT flags, Point p) override;
    int OnLButtonDown(UINT flags, Point p) override;
    int OnLButtonUp(UINT flags, Point p) override;
    // The room has no chat edit: composition is left to the window's default handling.
    int OnImeStartComposition(WPARAM wParam, LPARAM lParam) override;
    int OnImeComposition(WPARAM wParam, LPARAM lParam) override;
    int OnImeEndComposition(WPARAM wParam, LPARAM lParam) override;
    int OnSetFocus();
    int OnKillFocus();
    int OnAppCommand();
    // Plays hand card n (1..11; 11 and the keys past the hand the pending deck card) as a click would.
    void SelectHandCard(int n);
    // 1 when the click on an own hand card or the pending deck card sent the play.
    int OnHandCardClicked(CVHTWnd* card);
    // Lifts (pressed: pushes) the card and drops every other; 1 when a card moved. Null drops all.
    int HoverCards(CVHTWnd* card, bool pressed, bool floorMode);
    // The card window the widget is, when it lies in the own hand (on the floor in floor mode).
    CVHTWnd* FindOwnCardWnd(GVWnd* wnd, bool floorMode) const;
    // True when the action may go on: no question was due, or the user answered yes.
    bool ConfirmAntiLeave(bool alreadyReserved);
    void ShowStartButton(bool show) override;
    int GetCursorState() const { return cursorState; }

    // Title buttons and user options (scene/CMirelleVWS_TitleButtons.cpp, scene/CMirelleVWS_Options.cpp).
    // The one place a title control changes: the host's control (code 45) and the scene's own button.
    // Names: "observe", "play", "exit" (state 1: the give-up control), "cancelexit", "option", "vip".
    void SetTitleButtonState(const std::string& name, bool visible, bool enabled, int state) override;
    // Host command 27: one of the host's title buttons was clicked.
    void OnHostButton(const std::string& name, int32_t value);
    int OpenVipDialog();
    void OnVipDialogClosed();
    void ShowMacroControl(bool enabled);
    // The option window's OK: applies and stores the choices.
    void ApplyGameOptions();
    bool IsRoundInPlay() const override { return GetRoomState() == RoomState::Playing; }
    void PreviewOptionVoice(int32_t voiceType) override;
    void SetOwnVoiceType(int32_t voiceType) override;
    void OnOptionOk() override { ApplyGameOptions(); }
    std::string GetVoiceName(int32_t gender, int32_t voiceType) const override;
    // Loader step: the option panel with the current volume, hidden.
    CVUserOptionWnd* CreateUserOptionWnd();
    [[nodiscard]] bool LoadUserOptionWnd();
    CVUserOptionWnd* userOption = nullptr;  // owned by the scene's widget list

    std::vector<LoadError> loadErrors;

    // The mission panels and the promotion and VIP managers' widgets (scene/CMirelleVWS_Missions.cpp).
    // The game's number, also the options' registry subkey as decimal text.
    static constexpr int kGameNumber = 24;
    // Each answers the panel made, or null (the error recorded, the panel deleted).
    CVSMissionWnd* CreateSMissionWnd();
    CVDMissionWnd* CreateDMissionWnd();
    CVCMissionWnd* CreateCMissionWnd();
    CVC2MissionWnd* CreateC2MissionWnd();
    CVKJMissionWnd* CreateKJMissionWnd();
    [[nodiscard]] bool LoadMissionPanels(WidgetFactory& factory);
    PanelOwner& MissionPanelsOwner();
    CMirellePromotionMgr promotion;
    CMirelleVIPMgr vip;

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
    // The scene as the seat panels' owner (it owns the prompt too).
    SeatPanelOwner& SeatPanelsOwner() { return *this; }
    // The seat panels' window factories, by screen slot.
    CVUserInfoWnd* CreateUserInfoWnd(int slot);
    CVJumsuInfoWnd* CreateJumsuInfoWnd(int slot);
    CVHTIconWnd* CreateHTIconWnd(int slot);
    CVBakIconWnd* CreateBakIconWnd(int slot);
    CVGoBakAlertUIWnd* CreateGoBakAlertUIWnd();
    bool LoadSeatPanels();
    bool LoadGoBakAlert();
    void StepSeatPanels();
    bool LoadCardEffects(WidgetFactory& factory);
    bool LoadDealEffects(WidgetFactory& factory);
    bool LoadLayerAnchor(WidgetFactory& factory);
    bool LoadActionPopups(WidgetFactory& factory);
    bool LoadTitleButtons(WidgetFactory& factory);
    bool LoadBottomButtons(WidgetFactory& factory);
    bool LoadStartButton(WidgetFactory& factory);
    bool LoadResultWidgets(WidgetFactory& factory);
    // The hand pick's three buttons, its board and the board's character, hidden.
    bool LoadHandPick(WidgetFactory& factory);
    void ShowResultBox();
    // The room's loading steps after the table's, in drawing order.
    bool LoadSeatPanelStep(WidgetFactory& factory);
    bool LoadGoBakAlertStep(WidgetFactory& factory);
    bool LoadNotifyStep(WidgetFactory& factory);
    bool LoadAvatars(WidgetFactory& factory);
    bool LoadStartAnimations(WidgetFactory& factory);
    bool LoadAutoPlayNotice(WidgetFactory& factory);
    bool LoadMoneyReturnAndCountdown(WidgetFactory& factory);
    bool LoadBetting(WidgetFactory& factory);
    bool LoadMoneyGift(WidgetFactory& factory);
    bool LoadAutoRefill(WidgetFactory& factory);
    bool LoadBijouAndPick(WidgetFactory& factory);
    bool LoadMenuAndMarks(WidgetFactory& factory);
    bool LoadMoneyLimitTips(WidgetFactory& factory);
    // Adds a made widget on top of the scene; false for null.
    bool AddLoaded(GVWnd* wnd);
    // Stores the made button in `slot` and adds it; false for null.
    bool AddLoadedButton(CVPSPPushBtn*& slot, CVPSPPushBtn* made);
    // Also steps it with the tick.
    bool AddRunning(GVQZAniWnd* animation);

    void ApplyCountdown(const SceneRules::CountdownActions& actions);
    void ReadOptions();
    int ReadIniService(const std::string& iniPath);
    void LoadCursors();
    void StartTimerFor(TimerId id, uint32_t periodMs);
    IHostInterface* GetHost() const override;
    // Input helpers.
    bool IsFloorPickMode() const;
    bool IsPendingDeckCard(const GVWnd* wnd) const;
    void ShowCursorKind(InputRules::CursorKind kind);
    void ReleaseOverNothing(UINT flags, Point p);
    // The mouse-over state again at the cursor's place, as a move there would set it.
    void HoverAtCursor() override;
    // The bet-kind clip and the die warning follow the pointer over the betting buttons.
    void HoverBettingButtons(const GVWnd* wnd);
    // The hand pick's choices blink, the one under the pointer shows its mouse-over clip.
    void HoverPickChoices(const GVWnd* wnd, const GVWnd* previous);
    // A betting button's click outside the own turn: true when the button took the release.
    bool ClickBettingButton(GVWnd* wnd, UINT flags, Point p);
    bool ClickRoomButton(GVWnd* wnd, UINT flags, Point p);
    void OnLeaveButton();
    void OnTitleWindowButton(CVPSPPushBtn* button);
    void OnAutoPlayButton(bool on);
    bool ClickTableCard(GVWnd* wnd);
    HWND GetGameWnd() const;

    // The panels around the table and the check notice (scene/CMirelleVWS_Periphery.cpp). Each factory
    // answers the made window or null: a failed allocation recorded, a window whose children failed
    // deleted. The loader steps add what they make; the tick's steps skip what is not loaded.
    CVDesperateWnd* CreateDesperateWnd();
    CVGFPlayCountWnd* CreateGFPlayCountWnd();
    CVRestrictOptionWnd* CreateRestrictOptionWnd();
    CVRankingPointWnd* CreateRankingPointWnd();
    CVObserveSystemWnd* CreateObserveSystemWnd();
    CVDesperateResultWnd* CreateDesperateResultWnd();
    CVMirelleBijouWnd* CreateBijouWnd();
    // The strip only; its loader step makes its children.
    CCheckNotice* CreateCheckNotice();
    bool LoadRankingPointStep(WidgetFactory& factory);
    bool LoadObserverBarStep(WidgetFactory& factory);
    bool LoadCheckNoticeStep(WidgetFactory& factory);
    void StepPeripheryPanels();

    SceneWindow* window;
    std::unique_ptr<TableEngine> engine;
    std::unique_ptr<RoomRequests> requests;
    std::unique_ptr<RoomFlows> flows;
    bool dirty = false;
    std::atomic<bool> ready{false};
    std::atomic<bool> soundsLoaded{false};
    uint32_t lastMusicRefresh = 0;
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
    int cursorState = 1;  // 1 the normal cursor shows, 2 the click cursor
    SYSTEM_INFO system{};
    RegistryKey optionsKey;
};
