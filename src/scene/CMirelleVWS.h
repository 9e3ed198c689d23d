#pragma once

#include <array>
#include <atomic>
#include <functional>
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
#include "scene/SceneState.h"
#include "scene/SceneTimers.h"
#include "scene/SceneWidgets.h"
#include "scene/core/RoomTypes.h"
#include "scene/core/SoundTables.h"
#include "sound/SoundSystem.h"
#include "table/core/CardMotion.h"
#include "table/core/MessageQueue.h"
#include "table/core/DealPlan.h"
#include "table/core/TableModel.h"
#include "toolkit/GVWS.h"
#include "views/CardMarkerSource.h"
#include "views/RegistryKey.h"
#include "views/LoadErrorSink.h"
#include "views/SeatPanelOwner.h"
#include "views/NotifyOwner.h"
#include "views/ResultOwner.h"
#include "views/UserOptionOwner.h"

class CVQZATextWnd;
class GVAvatarWnd;
class CVUserOptionWnd;
class SceneTable;
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

// The faces of the scene's 50 card windows; a window not loaded yet answers a spare face.
class SceneCardFaces final : public CardFaces {
public:
    explicit SceneCardFaces(const TableWidgets& widgets) : tableWidgets(widgets) {}
    CardFace& FaceAt(int32_t slot) override;
    const CardFace& FaceAt(int32_t slot) const override;

private:
    const TableWidgets& tableWidgets;
    CardFace spare;
};

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
class CMirelleVWS : public GVWS,
                    public CardMarkerSource,
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
    void ApplyCardSpeed();
    const std::string& GetImageRoot() const override { return imageRoot; }
    int32_t GetRoomKind() const override { return room.roomKind; }
    const CHTUser* FindOwnRoundRecord() const override;
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
    // The countdown animation the turn messages start and stop.
    void StopTurnMarker();
    void RestartCountdown() { timers.countdown = timers.countdownStart; }

    // Effects of the card play. Kinds 0..9 play once at a seat or a point; kHideEffects hides them all.
    static constexpr int kHideEffects = 10;
    void PlayEffect(int kind, int seat);
    void PlayEffectAt(int kind, Point at);
    // Hides the action popups; kind 0..9 shows one beside the turn's seat until the popup timer ends.
    void ShowActionPopup(int kind, int count);
    // Capture mark 0 (with its sound), 1 (the mission's, with its sound) or 2 (mark 0, silent) at a point.
    void ShowEatMark(int kind, Point at);
    void OnPopupTimeout();

    // The message queue (one message handled at a time).
    void EnqueueGameMessage(const GameMessage& message);
    void DispatchGameMessage();
    CPayloadMgr& GetQueue() { return queue; }
    // Whether a handler is running; destroying the room waits for it.
    bool IsHandlingMessage() const { return queue.busy != 0; }
    bool IsLoadingResources() const;

    // Message handlers (entered in the table's dispatch table).
    void OnRoomDeletedNotice(const RoomDeletedNotice& body);
    void OnServerValueForHost(const ServerValueForHost& body);
    void OnServerNoticeForHost(const ServerNoticeForHost& body);
    void OnRoomEnterAnswer(const RoomEnterAnswer& body);
    void OnDealCards(const DealCards& body);
    void OnInitialFloorBonus(const InitialFloorBonus& body);
    void OnBonusCardPlayed(const BonusCardPlayed& body);
    void OnHandCardPlayed(const HandCardPlayed& body);
    void OnShakeDeclared(const ShakeDeclared& body);
    void OnCaptureEvent(const CaptureEvent& body);
    void OnDeckCardsFlipped(const DeckCardsFlipped& body);
    void OnPpeok(const Ppeok& body);
    void OnScoreRefresh(const ScoreRefresh& body);

    // The round flow and the decision prompts (table/CMirelleVWS_RoundFlow.cpp and _Decisions.cpp),
    // and the round-number banner they show (scene/CMirelleVWS_RoundBanner.cpp).
    void OnGameReady(const GameReady& body);
    void OnStakeConfirm(const StakeConfirm& body);
    void OnWaitingForStart(const WaitingForStart& body);
    void OnSunDecided(const SunDecided& body);
    void OnRoundStart(const RoundStart& body);
    void OnTurnStart(const TurnStart& body);
    void OnClearEffects(const ClearEffects& body);
    void OnTimeUp(const TimeUp& body);
    void OnCardChoicePrompt(const CardChoicePrompt& body);
    void OnYesNoChoicePrompt(const YesNoChoicePrompt& body);
    void OnSeptAnimalPrompt(const SeptAnimalPrompt& body);
    void OnSeptAnimalMoved(const SeptAnimalMoved& body);
    void OnSeptAnimalKept(const SeptAnimalKept& body);
    void OnGoOrStopPrompt(const GoOrStopPrompt& body);
    void OnGoOrStopResult(const GoOrStopResult& body);
    void OnResultStep(const ResultStep& body);
    void OnBetPrompt(const BetPrompt& body);
    void OnRoomOptionNotice(const RoomOptionNotice& body);
    // The stake notice of the two seats' values: kind 12 (both values cleared), 14 or 13, for 2 s.
    void ShowStakeConfirm(const PerSeat<int32_t>& values);
    // countdownStart := the decision's seconds, countdown := one less.
    void SetCountdownTo(DecisionKind kind);
    // The round number's back, glyphs and caption; null until loaded.
    struct RoundBanner {
        GVQZAniWnd* back = nullptr;
        CVQZATextWnd* number = nullptr;
        GVQZAniWnd* caption = nullptr;
    };
    [[nodiscard]] bool LoadRoundBanner(WidgetFactory& factory);
    void ShowRoundBanner(const std::string& number);
    RoundBanner roundBanner;
    int32_t stakeLevel = 0;  // 0..4, the room's bet for the jewel panel
    // Round results and the game end (table/CMirelleVWS_Results.cpp).
    void OnRoundResult(const RoundResult& body);
    void OnEventRoundResult(const EventRoundResult& body);
    void OnDesperateRoundResult(const DesperateRoundResult& body);
    void OnGameEnd(const GameEnd& body);
    // Play state 3; the loop sounds, blink timer, prompt, auto-play and turn marker stop.
    void OpenResultPhase();
    // The own record takes the seat's money and membership values.
    void CopyOwnMoney(const PlayerInfo& seat);
    // The own record's play counts and the play-count panel from the own seat.
    void ApplyPlayCount(const PlayerInfo& seat);
    // With a robot seated: its won face when the winner is the robot, else its lost face.
    void ShowRobotResultFace(int winnerSeat);
    // The go-bak animation looped over the screen slot of the player who went bak, with its sound.
    void PlayGoBak(const std::vector<BakEntry>& baks, int winnerSeat);
    void ReserveResultItems(int ownSeat, bool assaRose);
    void UpdateAntiLeaveAtGameEnd(int32_t count);
    void SettleGameEndSeats(const GameEnd& body);
    void SettleOwnGameEnd(PlayerInfo& seat, const GameEndSeat& in);
    // Room entry, seating, the first-player pick and the snapshot (table/).
    void OnPlayerEnter(const PlayerEnter& body);
    void OnGameDataSync(const GameDataSync& body);
    void OnJoinGameAnswer(const JoinGameAnswer& body);
    void OnPlayerLeave(const PlayerLeave& body);
    void OnUserAvatarString(const UserAvatarString& body);
    void OnRoomInfoUpdate(const RoomInfoUpdate& body);
    void OnShuffleCards(const ShuffleCards& body);
    void OnSunPicked(const SunPicked& body);
    void OnTableReset(const TableReset& body);
    void OnMyUserInfo(const MyUserInfo& body);
    void OnHandCardList(const HandCardList& body);
    // The box, the host's notices and the follow-up of a room-entry or exit result.
    void ShowEntryResult(int32_t code, const std::string& detail, bool fromJoin);
    // 1 when a seat held the key and was cleared, else 0.
    int ClearPlayerSeat(int32_t key);
    // 1 when the click on a pick card or hand button sent the pick.
    int OnSunPickClicked(GVWnd* wnd);
    // Hides both seats' marks, then marks the first player (seat 0's user) and the owner.
    void ShowSeatMarks();
    // The seat's player panel from its record (no screen slot: nothing).
    void RefreshSeatInfo(int seat);
    // Host request 62, kept and passed to the server with request 36.
    void PassHostTextToServer();
    // Waits in 30 ms steps while the condition holds, 3 s at most: a clip that never ends stops the wait.
    void WaitWhile(const std::function<bool()>& stillWaiting);

    // Room view operations (scene/CMirelleVWS_RoomView.cpp).
    int ExitRoom();
    // The card part: timers, the 50 card windows face down at home and the round records.
    void ClearTable();
    std::string StakeName(int32_t index) const;
    void UpdateStakeText();
    void NotifyHostRoomEntered();
    void HostMessage(int kind, const std::string& text1, const std::string& text2);
    void ShowInviteButton(bool show);
    void ShowRoundStartAnimation(bool show, int kind);
    void ShowChamgiBackground(bool show, int kind);
    // The betting panel: its back, buttons, text, kinds, die warning, multiplier and table cover.
    void HideBettingPanel();
    void ShowObserveSystem(bool show);
    // Hides the six robot avatars; index 0..5 shows one while a robot is seated, at (0, 0) on the robot's seat.
    void ShowRobotAvatar(int index, Point at);
    Point RobotAvatarPoint() const;
    void ShowTournamentTitle();
    void UpdatePlayObserveButtons(int flag);
    void UpdateExitButtons(int flag);
    void PrintOptionSummary();
    void ShowHandHints(bool show);
    // Opens the popup menu of a user's panel at the point; show 0 or a key below 0 closes it.
    void ShowUserPopupMenu(bool show, int32_t userKey, Point at);
    void OnUserPopupCommand(int entry);
    void ShowOwnOutline(bool show);
    void ShowFloorSlotMarkers(int flag);
    // The September clip over the September animal while the seat's animal pile holds it; show 0 hides it
    // whatever the seat (2 names both).
    void ShowNineTenClip(int seat, bool show);
    // The forced-exit question for a user (the popup menu and the host's slot 11).
    int RequestForcedExit(int32_t targetUserKey);
    // 1 when the skin's table picture loaded (with reload) and the skin changed.
    int SetSkin(int skin, int reload);
    // The option window: 1 when it opened; Close answers 1 when it was open.
    int OpenOptionWindow();
    int CloseOptionWindow();
    void SendKickListToHost();
    void RecountMissionProgress();

    // Forced exit, auto-play, chat macros and the skin (scene/CMirelleVWS_RoomControls.cpp); the
    // room view reset (scene/CMirelleVWS_RoomReset.cpp, beside ClearTable).
    void ShowAutoPlayNotice(bool show);
    void SetAutoPlayButtonEnabled(bool enable);
    void OnChatMacro(const ChatMacro& body);
    // Speaks macro 0..9 in the user's seat; the own user's phrase goes to the host and the control rests.
    void SendChatMacro(int index, int32_t userKey);
    // Forgets the room: table, seats, room record and buttons, as after loading; the frame timer stops.
    void ResetRoomView();
    void RestoreCardOrder();
    void ClearCardWnds();
    void ClearTableMarks();
    void ClearSeatPanels();
    // One per month slot 0..11, all raised by the resets.
    std::array<bool, 12> monthSlotFlags{};

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
    int SendMonthChoice(int32_t choice);
    int SendPlayCard(int32_t card, int timedOut);
    int SendCardChoice(int32_t card, int timedOut);
    int SendYesNoChoice(int32_t choice, int timedOut);
    int SendSeptAnimalChoice(int32_t choice, int timedOut);
    int SendGoOrStop(int32_t choice, int timedOut);
    int SendResultChoice(int32_t choice);
    int SendTournamentResultOk();
    int SendDealShown(int32_t a, int32_t b);
    int SendGiveUp();
    int SendChamgi(int32_t choice);
    int SendBettingChoice(int32_t index);
    int SendHostPageState(int32_t state);
    int SendMacro(int32_t number);
    void SendTung(int32_t value);
    int SendChallenge(int32_t choice);
    int SendBet(int32_t a, int32_t b);
    int SendDesperateExit();
    int SendDesperateDecline();
    int SendAutoPlay(int32_t flag);
    int SendTimeoutCount(int32_t count);
    int SendCheckNoticeReply();
    int SendHostUserText(const std::string& text);
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

    // The round result. The loader makes the panel; the result handlers show it, answers and the
    // game-ready answer close it.
    [[nodiscard]] bool CreateResultWnd();
    CVItemWnd* CreateItemWnd() override;
    // Closes the prompt, shows the result box and fills the panel; the own player's winning streak
    // badge shows with a round result, the go and bak alerts hide.
    void ShowRoundResult(const RoundResult& body);
    void ShowTournamentResult(const TournamentRoundResult& body);
    void ShowEventResult(const EventRoundResult& body);
    void SetResultStep(const ResultStep& body);
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
    int HostRequest(int32_t userKey, HostRequestCode code, int32_t value, char* text, int32_t* inOut);
    // The host's text for the own user (code 62), at most 256 bytes.
    std::string FetchHostText();
    void PostToHost(int32_t code);
    // IHostInterface::LeaveNotice, when a host is attached.
    void LeaveNoticeToHost(int code);
    void PrintChatText(const std::string& text);
    // Seat 0 or 1, or 2 for both: score, counter and bak panels from the round records, the voice-off and
    // black-list marks and the robot's avatar (seats without a screen slot: nothing).
    void RefreshSeatPanels(int which);
    // A seat's money on its player panel.
    void ShowSeatMoney(int seat);
    void UpdateGoBakAlert();
    // The title bar's caption.
    void SetTitleBarText(const std::string& text);
    // Each seated player's key and money to the host, after every money change.
    void ReportSeatMoney();
    int ShowMessageBox(const std::string& text, int type, uint32_t autoCloseMs, const std::string& title,
                       uint32_t textColor);

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
    void LoadSeatAvatar(int seat);
    void RemoveSeatAvatar(int seat);
    void StepSeatAvatars();
    GVAvatarWnd* GetSeatAvatar(int32_t slot) const;
    // Slot 5: the user's title, shown on his player panel; -1 for a user without a seat.
    int SetUserTitle(int32_t userKey, const std::string& text);
    // Command 28: below 1 the memo button is disabled and its notice stops, else it plays.
    void ShowMemoNotify(int32_t count);
    void PrintMoneyGiftNotice(int64_t amount);
    // Refill kinds 2 and 3: each seated user's money, badge and label; the own user's chat and code 31.
    void PrintRefillNotice(int32_t kind, const std::vector<RefillRecord>& records);
    void HideRefillLabels();
    // Round end: the deck's next card face up and each seat's remaining hand, sorted.
    void RevealRemainingCards(const std::vector<int32_t>& deck, const PerSeat<std::vector<int32_t>>& hands);
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
    int32_t popupTarget = -1;                     // the popup menu's user, -1 closed
    std::array<GVAvatarWnd*, 2> seatAvatars{};    // by screen slot; the scene's list owns them

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

    // The table engine: the deal, piles and floor slots, the moves of a turn and the rebuild from
    // a snapshot. Seats are 0 and 1; values from outside out of range change nothing.
    // The deal of tableState.dealFloorIds and gameInfo.ownHandIds, with the intro animation or without.
    void DealRound(bool withAnimation);
    void DealFloorCards(int32_t start, int32_t count);
    void DealHandCards(int seat, int32_t start, int32_t count);
    // True when a card moved to join an earlier card of its month.
    bool GroupFloorMonths();
    void SortOwnHand(bool withoutPassMarkers);
    void SortOwnHandListedLast(const std::vector<int32_t>& listed);
    void LayoutCapturedPile(int seat, int32_t category);
    void LayoutPiPile(int seat);
    void LayoutFloorSlot(int32_t floorSlot, bool flag);
    void PlayHandCard(int32_t cardId, int seat, bool single);
    void PutFloorCard(int32_t cardId, int seat);
    void TakeFloorCard(int32_t cardId, int seat);
    void PlayBonusToPile(int32_t cardId, int seat, bool keepOrder);
    void DrawDeckCardToHand(int32_t cardId, int seat);
    void TakePiFromSeat(int32_t cardId, int fromSeat, int toSeat);
    void MoveCardToPile(int32_t cardId, int seat, int32_t fromCategory, int32_t toCategory);
    void PlayTwoHandCards(const std::vector<int32_t>& ids, int seat, bool flag);
    // The rebuilds take their cards from the top of the deck; one that cannot finish changes nothing.
    void RebuildHand(int seat, int32_t handCount);
    void RebuildPile(int seat, int32_t category, const std::vector<int32_t>& ids);
    bool RebuildFloor(const std::vector<int32_t>& ids, const std::vector<BonusCardMonth>& pairs, int32_t lastId);
    // Room state 2 only: hands, piles and panels of both seats at their screen slots.
    void RelayoutSeats();
    void LiftCard(CVHTWnd* card, LiftSide side);
    void PlayHoldOpen(CVHTWnd* card);
    // The hand pointer sprite's frame at a point, directly below the layer anchor.
    void ShowHandPointer(int frame, Point at);
    // The round record of seat 0 or 1.
    CHTUser& RoundUser(int seat) { return gameInfo.users[static_cast<size_t>(seat)]; }
    const CHTUser& RoundUser(int seat) const { return gameInfo.users[static_cast<size_t>(seat)]; }
    // Seat 0 or 1, or 2 for both: the multiplier, total and the bak flags on the other seat.
    void UpdateScoreMultiplier(int seat, bool september);
    // The own card a run-out turn plays, and the one auto-play plays; -1 none.
    int32_t PickTimeoutCard() const;
    int32_t ChooseAutoPlayCard() const;
    // The auto-play card with auto-play on, else the time-out card; the deck's card goes as 50.
    void PlayOwnCardByItself();
    // Where the turn's last card went on the floor; (0, 0) when none did.
    Point LastFloorSlotPoint() const;

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
    void ShowStartButton(bool show);
    int GetCursorState() const { return cursorState; }

    // Title buttons and user options (scene/CMirelleVWS_TitleButtons.cpp, scene/CMirelleVWS_Options.cpp).
    // The one place a title control changes: the host's control (code 45) and the scene's own button.
    // Names: "observe", "play", "exit" (state 1: the give-up control), "cancelexit", "option", "vip".
    void SetTitleButtonState(const std::string& name, bool visible, bool enabled, int state);
    // Host command 27: one of the host's title buttons was clicked.
    void OnHostButton(const std::string& name, int32_t value);
    int OpenVipDialog();
    void OnVipDialogClosed();
    void ShowMacroControl(bool enabled);
    // The option window's OK: applies and stores the choices.
    void ApplyGameOptions();
    bool IsRoundInPlay() const override { return GetRoomState() == RoomState::Playing; }
    void PreviewOptionVoice(int32_t voiceType) override;
    void OnOptionOk() override { ApplyGameOptions(); }
    std::string GetVoiceName(int32_t gender, int32_t voiceType) const override;
    // Loader step: the option panel with the current volume, hidden.
    CVUserOptionWnd* CreateUserOptionWnd();
    [[nodiscard]] bool LoadUserOptionWnd();
    CVUserOptionWnd* userOption = nullptr;  // owned by the scene's widget list
    // The user's stored card speed while a fast room (speed class 2) forces its own.
    std::optional<int32_t> userCardSpeed;
    bool desperateRoundFinished = false;  // a target-score round ended; the next shuffle clears it

    // The records and the state the handlers and panels share.
    RCRoomData room;
    RCUser ownUser;
    CGameInfo gameInfo;
    COpenInfo floor;
    TableWidgets tableWidgets;
    SceneCardFaces cardFaces{tableWidgets};
    TableModel tableModel{gameInfo, floor, cardFaces};  // every card list change of the table goes through it
    TableState tableState;
    std::vector<LoadError> loadErrors;
    std::vector<int32_t> markedCards;
    SceneOptions options;
    RoomControls controls;
    SceneEnvironment env;
    SceneTimers timers;
    RoomWidgets roomWidgets;
    EffectWidgets effects;
    SeatPanels seatPanels;
    RoomButtons roomButtons;
    ResultWidgets resultWidgets;
    EntryState entryState;
    EntryWidgets entryWidgets;
    AvatarMarks avatarMarks;
    BettingWidgets betting;
    MoneyWidgets moneyWidgets;
    RoomMarks roomMarks;
    PeripheryWidgets periphery;

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
    MissionPanels missions;
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

    // One frame's wait of a card move: the step delay, skipped after a slow frame at a positive speed.
    void WaitFrame(FrameWaitPacer& pacer);
    // Directly below the layer anchor in the drawing order, over every card at rest.
    void RaiseBelowAnchor(GVWnd* wnd);
    // The seat 0..1 when it is one; the other seats are refused.
    static bool IsSeat(int seat) { return seat == 0 || seat == 1; }
    int ScreenSlotOf(int seat);
    // The own hand's seat: screen slot 0, the own user seated, not a robot seat.
    bool IsOwnHandSeat(int seat);
    // A hand card for a play: by id in the own hand, else the seat's last card given the id; -1 when none.
    int32_t PickHandCard(int32_t cardId, int seat);
    // The slots of the seat's last `count` hand cards given these ids, or by id in the own hand; empty when any is missing.
    std::vector<int32_t> PickHandCards(const std::vector<int32_t>& ids, int seat);
    FaceTable CopyFaces() const;
    void PlacePileCard(int32_t slot, Point at);
    void HidePileMarker(int32_t slot);
    // A hand of the seat at its screen slot's hand positions: ten placed, the rest hidden.
    void PlaceHand(int seat);
    void PlayDealIntro();
    void PlayGoCountAnimation(int32_t slot, Point landing, int32_t count);
    SoundTables::SoundId PutSoundForGoCount(int seat);
    // The two-card play's lift, fan-out, drop and shake of cards already on the floor slot.
    void AnimateTwoCards(const std::vector<int32_t>& slots, int32_t floorSlot);
    void StepTwoCards(const std::vector<int32_t>& slots, Size least, int32_t frames);
    void ApplyCountdown(const SceneRules::CountdownActions& actions);
    void ReadOptions();
    int ReadIniService(const std::string& iniPath);
    void LoadCursors();
    void StartTimerFor(TimerId id, uint32_t periodMs);
    void CloseDecision();
    // The check, close and send every decision answer shares: only while seated and the decision runs.
    bool AnswerDecision(DecisionKind kind, const GameRequest& request);
    IHostInterface* GetHost() const;
    // Input helpers.
    bool IsFloorPickMode() const;
    bool IsPendingDeckCard(const GVWnd* wnd) const;
    void ShowCursorKind(InputRules::CursorKind kind);
    void ReleaseOverNothing(UINT flags, Point p);
    // The mouse-over state again at the cursor's place, as a move there would set it.
    void HoverAtCursor();
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
    // Steps of room entry, seating and leaving.
    void EnterByMode(const RoomEnterAnswer& body);
    void PlaceDeckForRoom();
    void RefreshBothSeats();
    void SeatAnswerFollowUp(const JoinGameAnswer& body, bool own);
    void InviteToFreeChannel();
    void LeaveAsOtherUser(const PlayerLeave& body, int seat, bool robot);
    void LeaveAsOwnUser(const PlayerLeave& body);
    void CarryOutEntryResult(const EntryRules::ResultPlan& plan);
    // Steps of the first-player pick and the snapshot.
    void OpenHandPick();
    // Both seats' pick effects, which also show the hand pick's result, stop and hide.
    void StopPickEffects();
    void OpenCardPick(const ShuffleCards& body);
    void ShowHandPicked(const SunPicked& body, int seat, bool own);
    void ShowCardPicked(const SunPicked& body, int seat);
    void RestoreSnapshotCards(const GameDataTable& t);
    void RestoreMissionData(const GameDataTable& t);
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
    const SceneTable* table = nullptr;
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
