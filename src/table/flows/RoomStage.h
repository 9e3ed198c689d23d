#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/core/Geometry.h"
#include "protocol/MessageBodies.h"
#include "scene/core/DecisionRules.h"
#include "table/RoomTimers.h"
#include "table/TableStage.h"
#include "table/flows/PromotionStage.h"
#include "table/flows/VipStage.h"

struct IHostInterface;
enum class HostNotifyCode : int32_t;
enum class HostRequestCode : int32_t;
enum class LeaveNoticeCode : int32_t;

// What the message flows and the requests need of the scene beyond the table's stage: sounds,
// timers, the host, the panels and the room's view. The scene implements it; tests give a fake.
class RoomStage : public TableStage {
public:
    using DecisionKind = SceneRules::DecisionKind;
    // The effect kind that hides every effect.
    static constexpr int kHideEffects = 10;

    // Sounds.
    virtual void PlayThreeGoMusic(int seat) = 0;
    virtual void StopLoopSounds() = 0;
    virtual bool PlaySoundAtVolume(SoundId id, int volume) = 0;

    // The game window's timers and the controls they drive.
    virtual int StartPhaseTimer(DecisionKind kind) = 0;
    virtual void StopPhaseTimer() = 0;
    // Starts a timer of fixed period (all but the phase timer), or starts it again when it runs.
    virtual void StartTimer(TimerId id) = 0;
    virtual void StartFrameTimer() = 0;
    virtual void StartBlinkTimer() = 0;
    virtual void StopBlinkTimer() = 0;
    // The countdown animation the turn messages start and stop.
    virtual void StopTurnMarker() = 0;
    virtual void RestartCountdown() = 0;
    virtual void SetAutoPlay(bool on) = 0;
    virtual void SetMacroEnabled(bool enabled) = 0;
    // The mouse-over state again at the cursor's place, as a move there would set it.
    virtual void HoverAtCursor() = 0;

    // The host.
    virtual void PostToHost(HostNotifyCode code) = 0;
    // The keyboard focus to the host's window.
    virtual void FocusHostWindow() = 0;
    // IHostInterface::LeaveNotice, when a host is attached.
    virtual void LeaveNoticeToHost(LeaveNoticeCode code) = 0;
    virtual int HostRequest(int32_t userKey, HostRequestCode code, int32_t value, char* text, int32_t* inOut) = 0;
    // The host's text for the own user (code 62), at most 256 bytes.
    virtual std::string FetchHostText() = 0;
    virtual IHostInterface* GetHost() const = 0;
    virtual void HostMessage(int kind, const std::string& text1, const std::string& text2) = 0;
    virtual void NotifyHostRoomEntered() = 0;
    virtual void PrintChatText(const std::string& text) = 0;
    virtual BoxAnswer ShowMessageBox(const std::string& text, BoxType type, uint32_t autoCloseMs, const std::string& title,
                       uint32_t textColor) = 0;
    // Each seated player's key and money to the host, after every money change.
    virtual void ReportSeatMoney() = 0;
    virtual void SendKickListToHost() = 0;
    // Round end: the deck's next card face up and each seat's remaining hand, sorted.
    virtual void RevealRemainingCards(const std::vector<int32_t>& deck, const PerSeat<std::vector<int32_t>>& hands) = 0;
    // The seat's avatar as the host gives it for the user's avatar string; none without one.
    virtual void LoadSeatAvatar(int seat) = 0;
    // Speaks macro 0..9 in the user's seat; the own user's phrase goes to the host and the control rests.
    virtual void SendChatMacro(int index, int32_t userKey) = 0;
    // The money gift's chat lines; refill kinds 2 and 3: each seated user's money, badge and label.
    virtual void PrintMoneyGiftNotice(int64_t amount) = 0;
    virtual void PrintRefillNotice(int32_t kind, const std::vector<RefillRecord>& records) = 0;

    // Seats and sounds of the notices.
    virtual bool StopSoundId(SoundId id) = 0;
    // The avatar of seat 0 or 1 goes from its screen slot.
    virtual void RemoveSeatAvatar(int seat) = 0;
    // The scene's voice type and the option panel's copy.
    virtual void SetOwnVoiceType(int32_t voiceType) = 0;

    // The prompt, the result panel and the seat panels.
    // Notice kinds 6..28: a2, the 64-bit amount of a3:a4, the go count a5 and the flags a6, a7.
    virtual int ShowNotify(int kind, int32_t a2 = 0, int64_t money = 0, int32_t goCount = 0, int32_t a6 = 0, int32_t a7 = 0) = 0;
    // Card notices and decisions, kinds 0..5, on the offered card ids.
    virtual int ShowNotifySimple(int kind, const std::vector<int32_t>& cards) = 0;
    // Closes the prompt and stops sound 54.
    virtual void HideNotify() = 0;
    // The two-card mission's notice (kind 27) of hand `missionId`, side `variant`, with its money.
    virtual int ShowMissionNotify(int kind, int missionId, int variant, int64_t money) = 0;
    // Closes the prompt, shows the result box and fills the panel; the own player's winning streak
    // badge shows with a round result, the go and bak alerts hide.
    virtual void ShowRoundResult(const RoundResult& body) = 0;
    virtual void ShowEventResult(const EventRoundResult& body) = 0;
    virtual void ShowTournamentResult(const TournamentRoundResult& body) = 0;
    // The target-score rooms' round result panel.
    virtual void ShowDesperateResult(const DesperateRoundResult& body) = 0;
    virtual void SetResultStep(const ResultStep& body) = 0;
    // Resets the panel, hides the result box, the badge and the fireworks.
    virtual void HideRoundResult() = 0;
    // A seat's money on its player panel.
    virtual void ShowSeatMoney(int seat) = 0;
    virtual void UpdateGoBakAlert() = 0;
    virtual void ShowRoundBanner(const std::string& number) = 0;

    // The room view.
    virtual int ExitRoom() = 0;
    // The card part: timers, the 50 card windows face down at home and the round records.
    virtual void ClearTable() = 0;
    // The floor slots at their places for the room kind, every slot empty, and the round's
    // display and records back to their start; the own hand's ids of a pending deal stay.
    virtual void InitFloorSlots() = 0;
    virtual void ApplyCardSpeed() = 0;
    virtual void UpdateStakeText() = 0;
    virtual void UpdateExitButtons(int flag) = 0;
    virtual void UpdatePlayObserveButtons(int flag) = 0;
    virtual void ShowInviteButton(bool show) = 0;
    virtual void ShowRoundStartAnimation(bool show, int kind) = 0;
    virtual void ShowChamgiBackground(bool show, int kind) = 0;
    // The betting panel: its back, buttons, text, kinds, die warning, multiplier and table cover.
    virtual void HideBettingPanel() = 0;
    virtual void ShowObserveSystem(bool show) = 0;
    // Hides the six robot avatars; index 0..5 shows one while a robot is seated, at (0, 0) on the robot's seat.
    virtual void ShowRobotAvatar(int index, Point at) = 0;
    virtual void ShowTournamentTitle() = 0;
    virtual void PrintOptionSummary() = 0;
    virtual void ShowHandHints(bool show) = 0;
    // Opens the popup menu of a user's panel at the point; show 0 or a key below 0 closes it.
    virtual void ShowUserPopupMenu(bool show, int32_t userKey, Point at) = 0;
    virtual void ShowOwnOutline(bool show) = 0;
    virtual void ShowFloorSlotMarkers(int flag) = 0;
    // Hides the action popups; kind 0..9 shows one beside the turn's seat until the popup timer ends.
    virtual void ShowActionPopup(int kind, int count) = 0;
    virtual void ShowStartButton(bool show) = 0;
    virtual void ShowAutoPlayNotice(bool show) = 0;
    virtual void SetAutoPlayButtonEnabled(bool enable) = 0;
    // The one place a title control changes: the host's control and the scene's own button.
    virtual void SetTitleButtonState(const std::string& name, bool visible, bool enabled, int state) = 0;

    // The promotion banners and the VIP helper.
    virtual PromotionStage& Promotions() = 0;
    virtual VipStage& Vip() = 0;

protected:
    ~RoomStage() = default;
};
