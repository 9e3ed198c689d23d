#pragma once

// Stand-ins for the room around the table engine and the message flows: each call of the stage is
// recorded, Delay moves the virtual clock, and the drawing order is that of a widget scene of the test.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "foundation/core/Clock.h"
#include "table/TableStage.h"
#include "table/flows/RoomStage.h"
#include "toolkit/GVWS.h"

template <class Base>
class FakeTableStageOf : public Base {
public:
    bool PlaySoundId(SoundTables::SoundId id, Loop) override
    {
        sounds.push_back(id);
        return true;
    }
    int PlayVoice(int cue, int seat) override
    {
        voices.push_back({cue, seat});
        return 1;
    }
    // Only the clock moves: nothing is drawn and no message is handled.
    void Delay(uint32_t ms) override
    {
        delayedMs += ms;
        if (Clock::IsVirtual()) Clock::Advance(ms);
        if (onDelay) onDelay(ms);
    }
    void SetDirty() override {}
    void InvalidateWnd(GVWnd*) override {}
    void FlushRedraw() override {}
    void StackWndBefore(GVWnd* reference, GVWnd* wnd) override
    {
        if (widgets) widgets->InsertWndBefore(reference, wnd);
    }
    void StackWndAfter(GVWnd* reference, GVWnd* wnd) override
    {
        if (widgets) widgets->InsertWndAfter(reference, wnd);
    }
    void PlayEffect(int kind, int seat) override { effects.push_back({kind, seat}); }
    void PlayEffectAt(int kind, Point at) override { effectsAt.push_back({kind, at}); }
    void StopEffect(int kind) override { stoppedEffects.push_back(kind); }
    void ShowEatMark(int kind, Point at) override { eatMarks.push_back({kind, at}); }
    void RefreshSeatPanels(int which) override { seatPanelRefreshes.push_back(which); }
    void RefreshSeatScores(int which) override { seatScoreRefreshes.push_back(which); }
    void ShowNineTenClip(int seat, bool show) override { nineTenClips.push_back({seat, show}); }

    GVWS* widgets = nullptr;  // whose drawing order the engine changes; none ignores the order
    std::function<void(uint32_t)> onDelay;  // runs inside each wait, as a frame drawn there would
    std::vector<SoundTables::SoundId> sounds;
    std::vector<std::pair<int, int>> voices;   // cue, seat
    std::vector<std::pair<int, int>> effects;  // kind, seat
    std::vector<std::pair<int, Point>> eatMarks;
    std::vector<int> stoppedEffects;
    std::vector<std::pair<int, Point>> effectsAt;
    std::vector<int> seatPanelRefreshes;
    std::vector<int> seatScoreRefreshes;
    std::vector<std::pair<int, bool>> nineTenClips;
    uint64_t delayedMs = 0;
};
using FakeTableStage = FakeTableStageOf<TableStage>;

// The promotions and the VIP helper as the flows reach them: each call by name into a shared list.
class FakePromotionStage final : public PromotionStage {
public:
    explicit FakePromotionStage(std::vector<std::string>& log) : calls(log) {}
    void SetEventState(const PromotionRecord&) override { calls.emplace_back("Promotions.SetEventState"); }
    void PrintEventNotices(int32_t mode) override { calls.push_back("Promotions.PrintEventNotices " + std::to_string(mode)); }
    void ShowEventBanner(bool show) override { calls.push_back("Promotions.ShowEventBanner " + std::to_string(show)); }
    void ShowDefaultBanner(bool show) override { calls.push_back("Promotions.ShowDefaultBanner " + std::to_string(show)); }
    bool IsDefaultBannerVisible() const override { return defaultBannerVisible; }
    void SetJackpotProgress(const RCUser&) override { calls.emplace_back("Promotions.SetJackpotProgress"); }
    void ShowJackpotGauge(bool show) override { calls.push_back("Promotions.ShowJackpotGauge " + std::to_string(show)); }
    void ShowDealGauge(bool seated) override { calls.push_back("Promotions.ShowDealGauge " + std::to_string(seated)); }
    void ShowJackpotResult(const JackpotRecord&, int32_t userKey, int seat) override
    {
        calls.push_back("Promotions.ShowJackpotResult " + std::to_string(seat) + " " + std::to_string(userKey));
    }
    void HideAll() override { calls.emplace_back("Promotions.HideAll"); }
    bool defaultBannerVisible = false;

private:
    std::vector<std::string>& calls;
};

class FakeVipStage final : public VipStage {
public:
    explicit FakeVipStage(std::vector<std::string>& log) : calls(log) {}
    void OnVIPUpdate(const VIPUpdate&) override { calls.emplace_back("Vip.OnVIPUpdate"); }
    void Refresh() override { calls.emplace_back("Vip.Refresh"); }
    void UpdateJokboIcons(int seat, bool enabled) override
    {
        calls.push_back("Vip.UpdateJokboIcons " + std::to_string(seat) + " " + std::to_string(enabled));
    }
    void UpdateHoldMarks(int seat, bool enabled) override
    {
        calls.push_back("Vip.UpdateHoldMarks " + std::to_string(seat) + " " + std::to_string(enabled));
    }
    void HideAllIcons() override { calls.emplace_back("Vip.HideAllIcons"); }
    void PrintProgressNotice(int64_t change) override { calls.push_back("Vip.PrintProgressNotice " + std::to_string(change)); }
    void BuildDialog() override { calls.emplace_back("Vip.BuildDialog"); }

private:
    std::vector<std::string>& calls;
};

// The room's stage: the prompt's kind and the phase timer as the scene keeps them, every other call
// by name with its main argument ("ShowActionPopup 8"), in order.
class FakeRoomStage final : public FakeTableStageOf<RoomStage> {
public:
    int Count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }
    // The calls whose name starts with `prefix`.
    std::vector<std::string> CallsOf(const std::string& prefix) const
    {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        return out;
    }
    void Forget()
    {
        calls.clear(), sounds.clear(), voices.clear(), effects.clear(), seatPanelRefreshes.clear(), seatScoreRefreshes.clear(), hostAsked = false;
    }

    void PlayThreeGoMusic(int seat) override { Note("PlayThreeGoMusic", seat); }
    void StopLoopSounds() override { Note("StopLoopSounds"); }

    int StartPhaseTimer(DecisionKind kind) override
    {
        phaseTimer = kind;
        Note("StartPhaseTimer", static_cast<int>(kind));
        return phaseSeconds;
    }
    void StopPhaseTimer() override
    {
        phaseTimer = DecisionKind::None;
        Note("StopPhaseTimer");
    }
    void StartTimer(TimerId id) override { Note("StartTimer", static_cast<int>(id)); }
    void StartFrameTimer() override { Note("StartFrameTimer"); }
    void StartBlinkTimer() override { Note("StartBlinkTimer"); }
    void StopBlinkTimer() override { Note("StopBlinkTimer"); }
    void StopTurnMarker() override { Note("StopTurnMarker"); }
    void RestartCountdown() override { Note("RestartCountdown"); }
    void SetAutoPlay(bool on) override { Note("SetAutoPlay", on); }
    void SetMacroEnabled(bool enabled) override { Note("SetMacroEnabled", enabled); }
    void HoverAtCursor() override { Note("HoverAtCursor"); }

    void PostToHost(HostNotifyCode code) override { Note("PostToHost", static_cast<int>(code)); }
    void FocusHostWindow() override { Note("FocusHostWindow"); }
    void LeaveNoticeToHost(LeaveNoticeCode code) override { Note("LeaveNoticeToHost", static_cast<int>(code)); }
    int HostRequest(int32_t, HostRequestCode code, int32_t, char*, int32_t*) override
    {
        Note("HostRequest", static_cast<int>(code));
        return 0;
    }
    std::string FetchHostText() override { return hostText; }
    // No host: every request is refused; a sender asking for it is noted.
    IHostInterface* GetHost() const override { return hostAsked = true, nullptr; }
    void HostMessage(int kind, const std::string&, const std::string&) override { Note("HostMessage", kind); }
    void NotifyHostRoomEntered() override { Note("NotifyHostRoomEntered"); }
    void PrintChatText(const std::string& text) override { calls.push_back("PrintChatText " + text); }
    int ShowMessageBox(const std::string& text, int, uint32_t, const std::string&, uint32_t) override
    {
        calls.push_back("ShowMessageBox " + text);
        return messageBoxAnswer;
    }
    void ReportSeatMoney() override { Note("ReportSeatMoney"); }
    void SendKickListToHost() override { Note("SendKickListToHost"); }
    void RevealRemainingCards(const std::vector<int32_t>&, const PerSeat<std::vector<int32_t>>&) override
    {
        Note("RevealRemainingCards");
    }
    void LoadSeatAvatar(int seat) override { Note("LoadSeatAvatar", seat); }
    void SendChatMacro(int index, int32_t) override { Note("SendChatMacro", index); }
    void PrintMoneyGiftNotice(int64_t) override { Note("PrintMoneyGiftNotice"); }
    void PrintRefillNotice(int32_t kind, const std::vector<RefillRecord>&) override { Note("PrintRefillNotice", kind); }
    bool StopSoundId(SoundTables::SoundId id) override { return Note("StopSoundId", static_cast<int>(id)), true; }
    void RemoveSeatAvatar(int seat) override { Note("RemoveSeatAvatar", seat); }
    void SetOwnVoiceType(int32_t voiceType) override { Note("SetOwnVoiceType", voiceType); }

    void SetTitleButtonState(const std::string& name, bool, bool, int) override
    {
        calls.push_back("SetTitleButtonState " + name);
    }

    int ShowNotify(int kind, int32_t, int64_t money, int32_t, int32_t, int32_t) override
    {
        notifyKind = kind;
        notifyMoney = money;
        Note("ShowNotify", kind);
        return 1;
    }
    int ShowNotifySimple(int kind, const std::vector<int32_t>&) override
    {
        notifyKind = kind;
        Note("ShowNotifySimple", kind);
        return 1;
    }
    void HideNotify() override
    {
        notifyKind = -1;
        Note("HideNotify");
    }
    void ShowRoundResult(const RoundResult&) override { Note("ShowRoundResult"); }
    void ShowEventResult(const EventRoundResult&) override { Note("ShowEventResult"); }
    void ShowTournamentResult(const TournamentRoundResult& body) override { Note("ShowTournamentResult", static_cast<int>(body.resultKind)); }
    void SetResultStep(const ResultStep& body) override { Note("SetResultStep", body.step); }
    void HideRoundResult() override { Note("HideRoundResult"); }
    void ShowSeatMoney(int seat) override { Note("ShowSeatMoney", seat); }
    void UpdateGoBakAlert() override { Note("UpdateGoBakAlert"); }
    void ShowRoundBanner(const std::string& number) override { calls.push_back("ShowRoundBanner " + number); }

    int ExitRoom() override { return Note("ExitRoom"), 1; }
    void ClearTable() override { Note("ClearTable"); }
    void InitFloorSlots() override { Note("InitFloorSlots"); }
    void ApplyCardSpeed() override { Note("ApplyCardSpeed"); }
    void UpdateStakeText() override { Note("UpdateStakeText"); }
    void UpdateExitButtons(int flag) override { Note("UpdateExitButtons", flag); }
    void UpdatePlayObserveButtons(int flag) override { Note("UpdatePlayObserveButtons", flag); }
    void ShowInviteButton(bool show) override { Note("ShowInviteButton", show); }
    void ShowRoundStartAnimation(bool show, int kind) override { Note(show ? "ShowRoundStartAnimation" : "HideRoundStartAnimation", kind); }
    void ShowChamgiBackground(bool show, int kind) override { Note(show ? "ShowChamgiBackground" : "HideChamgiBackground", kind); }
    void HideBettingPanel() override { Note("HideBettingPanel"); }
    void ShowObserveSystem(bool show) override { Note("ShowObserveSystem", show); }
    void ShowRobotAvatar(int index, Point) override { Note("ShowRobotAvatar", index); }
    void ShowTournamentTitle() override { Note("ShowTournamentTitle"); }
    void PrintOptionSummary() override { Note("PrintOptionSummary"); }
    void ShowHandHints(bool show) override { Note("ShowHandHints", show); }
    void ShowUserPopupMenu(bool show, int32_t userKey, Point) override { Note(show ? "ShowUserPopupMenu" : "HideUserPopupMenu", userKey); }
    void ShowOwnOutline(bool show) override { Note("ShowOwnOutline", show); }
    void ShowFloorSlotMarkers(int flag) override { Note("ShowFloorSlotMarkers", flag); }
    int ShowMissionNotify(int kind, int missionId, int variant, int64_t) override
    {
        calls.push_back("ShowMissionNotify " + std::to_string(kind) + " " + std::to_string(missionId) + " " +
                        std::to_string(variant));
        return 1;
    }
    void ShowDesperateResult(const DesperateRoundResult& body) override { Note("ShowDesperateResult", int(body.resultKind)); }
    bool PlaySoundAtVolume(SoundTables::SoundId id, int volume) override
    {
        sounds.push_back(id);
        calls.push_back("PlaySoundAtVolume " + std::to_string(static_cast<int>(id)) + " " + std::to_string(volume));
        return true;
    }
    void ShowActionPopup(int kind, int count) override { calls.push_back("ShowActionPopup " + std::to_string(kind) + " " + std::to_string(count)); }
    void ShowStartButton(bool show) override { Note("ShowStartButton", show); }
    void ShowAutoPlayNotice(bool show) override { Note("ShowAutoPlayNotice", show); }
    void SetAutoPlayButtonEnabled(bool enable) override { Note("SetAutoPlayButtonEnabled", enable); }

    PromotionStage& Promotions() override { return promotions; }
    VipStage& Vip() override { return vipStage; }

    std::vector<std::string> calls;
    FakePromotionStage promotions{calls};
    FakeVipStage vipStage{calls};
    mutable bool hostAsked = false;
    int notifyKind = -1;  // the prompt shown, -1 closed
    int64_t notifyMoney = 0;
    DecisionKind phaseTimer = DecisionKind::None;
    int phaseSeconds = 10;  // what StartPhaseTimer answers
    int messageBoxAnswer = 1;
    std::string hostText;

private:
    void Note(const char* name) { calls.emplace_back(name); }
    void Note(const char* name, int value) { calls.push_back(std::string(name) + " " + std::to_string(value)); }
};
