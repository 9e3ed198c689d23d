#pragma once

#include "table/flows/RoomStage.h"

class CMirelleVWS;

// The room as the message flows and the table engine see it: each operation handed to the part of
// the scene that does it. The scene owns one and gives it to the engine and the flows.
class SceneStage final : public RoomStage {
public:
    explicit SceneStage(CMirelleVWS& owner) : scene(owner) {}

    bool PlaySoundId(SoundTables::SoundId id, Loop loop = Loop::Once) override;
    int PlayVoice(int cue, int seat) override;
    void Delay(uint32_t ms) override;
    void SetDirty() override;
    void InvalidateWnd(GVWnd* wnd) override;
    void FlushRedraw() override;
    void StackWndBefore(GVWnd* reference, GVWnd* wnd) override;
    void StackWndAfter(GVWnd* reference, GVWnd* wnd) override;
    void PlayEffect(int kind, int seat) override;
    void PlayEffectAt(int kind, Point at) override;
    void StopEffect(int kind) override;
    void ShowEatMark(int kind, Point at) override;
    void RefreshSeatPanels(int which) override;
    void RefreshSeatScores(int which) override;
    void ShowNineTenClip(int seat, bool show) override;
    void PlayThreeGoMusic(int seat) override;
    void StopLoopSounds() override;
    bool PlaySoundAtVolume(SoundTables::SoundId id, int volume) override;
    int StartPhaseTimer(DecisionKind kind) override;
    void StopPhaseTimer() override;
    void StartTimer(TimerId id) override;
    void StartFrameTimer() override;
    void StartBlinkTimer() override;
    void StopBlinkTimer() override;
    void StopTurnMarker() override;
    void RestartCountdown() override;
    void SetAutoPlay(bool on) override;
    void SetMacroEnabled(bool enabled) override;
    void HoverAtCursor() override;
    void PostToHost(HostNotifyCode code) override;
    void FocusHostWindow() override;
    void LeaveNoticeToHost(LeaveNoticeCode code) override;
    int HostRequest(int32_t userKey, HostRequestCode code, int32_t value, char* text, int32_t* inOut) override;
    std::string FetchHostText() override;
    IHostInterface* GetHost() const override;
    void HostMessage(int kind, const std::string& text1, const std::string& text2) override;
    void NotifyHostRoomEntered() override;
    void PrintChatText(const std::string& text) override;
    int ShowMessageBox(const std::string& text, int type, uint32_t autoCloseMs, const std::string& title, uint32_t textColor) override;
    void ReportSeatMoney() override;
    void SendKickListToHost() override;
    void RevealRemainingCards(const std::vector<int32_t>& deck, const PerSeat<std::vector<int32_t>>& hands) override;
    void LoadSeatAvatar(int seat) override;
    void SendChatMacro(int index, int32_t userKey) override;
    void PrintMoneyGiftNotice(int64_t amount) override;
    void PrintRefillNotice(int32_t kind, const std::vector<RefillRecord>& records) override;
    bool StopSoundId(SoundTables::SoundId id) override;
    void RemoveSeatAvatar(int seat) override;
    void SetOwnVoiceType(int32_t voiceType) override;
    int ShowNotify(int kind, int32_t a2 = 0, int64_t money = 0, int32_t goCount = 0, int32_t a6 = 0, int32_t a7 = 0) override;
    int ShowNotifySimple(int kind, const std::vector<int32_t>& cards) override;
    void HideNotify() override;
    int ShowMissionNotify(int kind, int missionId, int variant, int64_t money) override;
    void ShowRoundResult(const RoundResult& body) override;
    void ShowEventResult(const EventRoundResult& body) override;
    void ShowTournamentResult(const TournamentRoundResult& body) override;
    void ShowDesperateResult(const DesperateRoundResult& body) override;
    void SetResultStep(const ResultStep& body) override;
    void HideRoundResult() override;
    void ShowSeatMoney(int seat) override;
    void UpdateGoBakAlert() override;
    void ShowRoundBanner(const std::string& number) override;
    int ExitRoom() override;
    void ClearTable() override;
    void InitFloorSlots() override;
    void ApplyCardSpeed() override;
    void UpdateStakeText() override;
    void UpdateExitButtons(int flag) override;
    void UpdatePlayObserveButtons(int flag) override;
    void ShowInviteButton(bool show) override;
    void ShowRoundStartAnimation(bool show, int kind) override;
    void ShowChamgiBackground(bool show, int kind) override;
    void HideBettingPanel() override;
    void ShowObserveSystem(bool show) override;
    void ShowRobotAvatar(int index, Point at) override;
    void ShowTournamentTitle() override;
    void PrintOptionSummary() override;
    void ShowHandHints(bool show) override;
    void ShowUserPopupMenu(bool show, int32_t userKey, Point at) override;
    void ShowOwnOutline(bool show) override;
    void ShowFloorSlotMarkers(int flag) override;
    void ShowActionPopup(int kind, int count) override;
    void ShowStartButton(bool show) override;
    void ShowAutoPlayNotice(bool show) override;
    void SetAutoPlayButtonEnabled(bool enable) override;
    void SetTitleButtonState(const std::string& name, bool visible, bool enabled, int state) override;
    PromotionStage& Promotions() override;
    VipStage& Vip() override;

private:
    CMirelleVWS& scene;
};
