#include "scene/SceneStage.h"

#include "scene/CMirelleVWS.h"
#include "scene/SceneResult.h"
#include "scene/HostLink.h"
#include "scene/RoomOptions.h"
#include "scene/RoomView.h"
#include "scene/SeatView.h"
#include "scene/RoomInput.h"
#include "scene/ScenePrompt.h"
#include "scene/SceneWindow.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVUserOptionWnd.h"

bool SceneStage::PlaySoundId(SoundTables::SoundId id, Loop loop)
{
    return scene.PlaySoundId(id, loop);
}

int SceneStage::PlayVoice(int cue, int seat)
{
    return scene.PlayVoice(cue, seat);
}

void SceneStage::Delay(uint32_t ms)
{
    scene.Delay(ms);
}

void SceneStage::SetDirty()
{
    scene.SetDirty();
}

void SceneStage::InvalidateWnd(GVWnd* wnd)
{
    scene.InvalidateWnd(wnd);
}

void SceneStage::FlushRedraw()
{
    scene.FlushRedraw();
}

void SceneStage::StackWndBefore(GVWnd* reference, GVWnd* wnd)
{
    scene.StackWndBefore(reference, wnd);
}

void SceneStage::StackWndAfter(GVWnd* reference, GVWnd* wnd)
{
    scene.StackWndAfter(reference, wnd);
}

void SceneStage::PlayEffect(int kind, int seat)
{
    scene.PlayEffect(kind, seat);
}

void SceneStage::ShowEatMark(int kind, Point at)
{
    scene.ShowEatMark(kind, at);
}

void SceneStage::RefreshSeatPanels(int which)
{
    scene.Seats().RefreshSeatPanels(which);
}

void SceneStage::RefreshSeatScores(int which)
{
    scene.Seats().RefreshSeatScores(which);
}

void SceneStage::ShowNineTenClip(int seat, bool show)
{
    scene.Seats().ShowNineTenClip(seat, show);
}

void SceneStage::PlayThreeGoMusic(int seat)
{
    scene.PlayThreeGoMusic(seat);
}

void SceneStage::StopLoopSounds()
{
    scene.StopLoopSounds();
}

int SceneStage::StartPhaseTimer(DecisionKind kind)
{
    return scene.StartPhaseTimer(kind);
}

void SceneStage::StopPhaseTimer()
{
    scene.StopPhaseTimer();
}

void SceneStage::StartTimer(TimerId id)
{
    scene.StartTimer(id);
}

void SceneStage::StartFrameTimer()
{
    scene.StartFrameTimer();
}

void SceneStage::StartBlinkTimer()
{
    scene.StartBlinkTimer();
}

void SceneStage::StopBlinkTimer()
{
    scene.StopBlinkTimer();
}

void SceneStage::StopTurnMarker()
{
    scene.StopTurnMarker();
}

void SceneStage::RestartCountdown()
{
    scene.RestartCountdown();
}

void SceneStage::SetAutoPlay(bool on)
{
    scene.Options().SetAutoPlay(on);
}

void SceneStage::SetMacroEnabled(bool enabled)
{
    scene.Options().SetMacroEnabled(enabled);
}

void SceneStage::HoverAtCursor()
{
    scene.Input().HoverAtCursor();
}

void SceneStage::PostToHost(HostNotifyCode code)
{
    scene.Link().PostToHost(code);
}

void SceneStage::FocusHostWindow()
{
    if (scene.window && scene.window->GetHostWnd()) SetFocus(scene.window->GetHostWnd());
}

void SceneStage::LeaveNoticeToHost(LeaveNoticeCode code)
{
    scene.Link().LeaveNoticeToHost(code);
}

int SceneStage::HostRequest(int32_t userKey, HostRequestCode code, int32_t value, char* text, int32_t* inOut)
{
    return scene.Link().HostRequest(userKey, code, value, text, inOut);
}

std::string SceneStage::FetchHostText()
{
    return scene.Link().FetchHostText();
}

IHostInterface* SceneStage::GetHost() const
{
    return scene.Link().GetHost();
}

void SceneStage::HostMessage(int kind, const std::string& text1, const std::string& text2)
{
    scene.View().HostMessage(kind, text1, text2);
}

void SceneStage::NotifyHostRoomEntered()
{
    scene.View().NotifyHostRoomEntered();
}

void SceneStage::PrintChatText(const std::string& text)
{
    scene.Link().PrintChatText(text);
}

int SceneStage::ShowMessageBox(const std::string& text, int type, uint32_t autoCloseMs, const std::string& title, uint32_t textColor)
{
    return scene.Link().ShowMessageBox(text, type, autoCloseMs, title, textColor);
}

void SceneStage::ReportSeatMoney()
{
    scene.Link().ReportSeatMoney();
}

void SceneStage::SendKickListToHost()
{
    scene.Link().SendKickListToHost();
}

void SceneStage::RevealRemainingCards(const std::vector<int32_t>& deck, const PerSeat<std::vector<int32_t>>& hands)
{
    scene.Link().RevealRemainingCards(deck, hands);
}

void SceneStage::LoadSeatAvatar(int seat)
{
    scene.Link().LoadSeatAvatar(seat);
}

void SceneStage::SendChatMacro(int index, int32_t userKey)
{
    scene.Options().SendChatMacro(index, userKey);
}

void SceneStage::PrintMoneyGiftNotice(int64_t amount)
{
    scene.Link().PrintMoneyGiftNotice(amount);
}

void SceneStage::PrintRefillNotice(int32_t kind, const std::vector<RefillRecord>& records)
{
    scene.Link().PrintRefillNotice(kind, records);
}

bool SceneStage::StopSoundId(SoundTables::SoundId id)
{
    return scene.StopSoundId(id);
}

void SceneStage::RemoveSeatAvatar(int seat)
{
    scene.Link().RemoveSeatAvatar(seat);
}

void SceneStage::SetOwnVoiceType(int32_t voiceType)
{
    scene.options.voiceType = voiceType;
    if (scene.userOption && !scene.IsLoadingResources()) scene.userOption->SetVoiceType(voiceType);
}

int SceneStage::ShowNotify(int kind, int32_t a2, int64_t money, int32_t goCount, int32_t a6, int32_t a7)
{
    return scene.Prompt().ShowNotify(kind, a2, money, goCount, a6, a7);
}

int SceneStage::ShowNotifySimple(int kind, const std::vector<int32_t>& cards)
{
    return scene.Prompt().ShowNotifySimple(kind, cards);
}

void SceneStage::HideNotify()
{
    scene.Prompt().HideNotify();
}

void SceneStage::ShowRoundResult(const RoundResult& body)
{
    scene.Result().ShowRoundResult(body);
}

void SceneStage::ShowEventResult(const EventRoundResult& body)
{
    scene.Result().ShowEventResult(body);
}

void SceneStage::ShowTournamentResult(const TournamentRoundResult& body)
{
    scene.Result().ShowTournamentResult(body);
}

void SceneStage::SetResultStep(const ResultStep& body)
{
    scene.Result().SetResultStep(body);
}

void SceneStage::HideRoundResult()
{
    scene.Result().HideRoundResult();
}

void SceneStage::ShowSeatMoney(int seat)
{
    scene.Seats().ShowSeatMoney(seat);
}

void SceneStage::UpdateGoBakAlert()
{
    scene.Seats().UpdateGoBakAlert();
}

void SceneStage::ShowRoundBanner(const std::string& number)
{
    scene.ShowRoundBanner(number);
}

int SceneStage::ExitRoom()
{
    return scene.View().ExitRoom();
}

void SceneStage::ClearTable()
{
    scene.View().ClearTable();
}

void SceneStage::InitFloorSlots()
{
    scene.InitFloorSlots();
}

void SceneStage::ApplyCardSpeed()
{
    scene.ApplyCardSpeed();
}

void SceneStage::UpdateStakeText()
{
    scene.View().UpdateStakeText();
}

void SceneStage::UpdateExitButtons(int flag)
{
    scene.Options().UpdateExitButtons(flag);
}

void SceneStage::UpdatePlayObserveButtons(int flag)
{
    scene.Options().UpdatePlayObserveButtons(flag);
}

void SceneStage::ShowInviteButton(bool show)
{
    scene.View().ShowInviteButton(show);
}

void SceneStage::ShowRoundStartAnimation(bool show, int kind)
{
    scene.View().ShowRoundStartAnimation(show, kind);
}

void SceneStage::ShowChamgiBackground(bool show, int kind)
{
    scene.View().ShowChamgiBackground(show, kind);
}

void SceneStage::HideBettingPanel()
{
    scene.View().HideBettingPanel();
}

void SceneStage::ShowObserveSystem(bool show)
{
    scene.View().ShowObserveSystem(show);
}

void SceneStage::ShowRobotAvatar(int index, Point at)
{
    scene.View().ShowRobotAvatar(index, at);
}

void SceneStage::ShowTournamentTitle()
{
    scene.View().ShowTournamentTitle();
}

void SceneStage::PrintOptionSummary()
{
    scene.Options().PrintOptionSummary();
}

void SceneStage::ShowHandHints(bool show)
{
    scene.Seats().ShowHandHints(show);
}

void SceneStage::ShowUserPopupMenu(bool show, int32_t userKey, Point at)
{
    scene.Seats().ShowUserPopupMenu(show, userKey, at);
}

void SceneStage::ShowOwnOutline(bool show)
{
    scene.Seats().ShowOwnOutline(show);
}

void SceneStage::ShowFloorSlotMarkers(int flag)
{
    scene.Seats().ShowFloorSlotMarkers(flag);
}

void SceneStage::ShowActionPopup(int kind, int count)
{
    scene.ShowActionPopup(kind, count);
}

void SceneStage::ShowStartButton(bool show)
{
    scene.Input().ShowStartButton(show);
}

void SceneStage::ShowAutoPlayNotice(bool show)
{
    scene.Options().ShowAutoPlayNotice(show);
}

void SceneStage::SetAutoPlayButtonEnabled(bool enable)
{
    scene.Options().SetAutoPlayButtonEnabled(enable);
}

void SceneStage::SetTitleButtonState(const std::string& name, bool visible, bool enabled, int state)
{
    scene.Options().SetTitleButtonState(name, visible, enabled, state);
}

bool SceneStage::PlaySoundAtVolume(SoundTables::SoundId id, int volume)
{
    return scene.PlaySoundAtVolume(id, volume);
}

int SceneStage::ShowMissionNotify(int kind, int missionId, int variant, int64_t money)
{
    return scene.Prompt().ShowMissionNotify(kind, missionId, variant, money);
}

void SceneStage::ShowDesperateResult(const DesperateRoundResult& body)
{
    scene.Result().ShowDesperateResult(body);
}

void SceneStage::PlayEffectAt(int kind, Point at)
{
    scene.PlayEffectAt(kind, at);
}

void SceneStage::StopEffect(int kind)
{
    if (kind < 0 || kind >= EffectWidgets::kCardEffects) return;
    GVQZAniWnd* effect = scene.effects.cardEffects[static_cast<size_t>(kind)];
    if (!effect || !effect->IsVisible()) return;
    effect->Stop();  // hides it
    scene.SetDirty();
}

PromotionStage& SceneStage::Promotions()
{
    return scene.promotion;
}

VipStage& SceneStage::Vip()
{
    return scene.vip;
}
