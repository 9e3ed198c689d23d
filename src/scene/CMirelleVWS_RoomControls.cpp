#include "scene/CMirelleVWS.h"

#include "foundation/Debug.h"
#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "scene/core/RoomControlRules.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVHTIconWnd.h"
#include "views/CVJumsuInfoWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/WidgetFactory.h"

namespace {

constexpr uint32_t kBoxColor = 0x00CF7F00;
constexpr uint32_t kRefusalMs = 3000;
constexpr uint32_t kQuestionMs = 5000;
constexpr const char* kTooLittleMoney = " 강제퇴장 비용(고스톱 머니)이 부족하여 강제퇴장 시킬 수 없습니다. ";
constexpr const char* kKickFailed = " 강제퇴장 요청이 실패했습니다.";
constexpr const char* kAutoPlayOnLine = "자동치기`1131` 진행중 입니다.`0030`";
constexpr const char* kAutoPlayOffLine = "자동치기`1131` 기능을 `0030`종료`0130`합니다.`0030`";

}  // namespace

int CMirelleVWS::RequestForcedExit(int32_t targetUserKey)
{
    using SceneRules::ForcedExitStep;
    SceneRules::ForcedExitInputs in;
    in.ownIsOwner = gameInfo.ownerKey == ownUser.userKey;
    in.ownSeated = IsUserSeated();
    in.target = targetUserKey;
    in.targetReserved = gameInfo.IsKickReserved(targetUserKey);
    in.roomState = room.roomState;
    in.stake = room.option.stake;
    in.ownMoney = ownUser.gameMoney;
    const SceneRules::ForcedExitPlan plan = SceneRules::PlanForcedExit(in);
    switch (plan.step) {
    case ForcedExitStep::Nothing: return 0;
    case ForcedExitStep::KickAtOnce: return Requests().SendKick(targetUserKey) ? 1 : 0;
    case ForcedExitStep::TooLittleMoney:
        PlaySoundId(SoundTables::SoundId::BoxNotify);
        ShowMessageBox(kTooLittleMoney, 0, kRefusalMs, "", kBoxColor);
        return 0;
    case ForcedExitStep::Ask: break;
    }
    PlaySoundId(SoundTables::SoundId::BoxNotify);
    const int answer = ShowMessageBox(SceneRules::ForcedExitQuestion(plan.cost), 1, kQuestionMs, "", kBoxColor);
    // The room may have moved on while the box was open: judge the state as it is now.
    switch (SceneRules::AnswerForcedExit(answer, room.roomState, tableState.active)) {
    case SceneRules::ForcedExitAnswer::Stop: return 0;
    case SceneRules::ForcedExitAnswer::Refused: ShowMessageBox(kKickFailed, 0, kRefusalMs, "", kBoxColor); return 0;
    case SceneRules::ForcedExitAnswer::Kick: break;
    }
    return Requests().SendKick(targetUserKey) ? 1 : 0;
}

void CMirelleVWS::SetAutoPlay(bool on)
{
    if (on != controls.autoPlay) {
        SceneRules::AutoPlaySwitch change;
        change.wasOn = controls.autoPlay;
        change.on = on;
        change.kind = timers.phaseTimerKind;
        change.phaseSeconds = timers.phaseSeconds;
        change.ownTurn = ownUser.userKey != -1 && IsOwnTurn();
        if (const auto seconds = SceneRules::AutoPlayRestartSeconds(change)) {
            // The decision stays; only its deadline moves.
            StartTimerFor(TimerId::Phase, static_cast<uint32_t>(*seconds) * 1000);
            if (!timers.IsRunning(TimerId::Phase)) timers.phaseTimerKind = DecisionKind::None;
        }
        if (on) StopTurnMarker();
        PrintChatText(on ? kAutoPlayOnLine : kAutoPlayOffLine);
    }
    controls.autoPlay = on;
    if (CVPSPPushBtn* setting = roomButtons.autoPlaySetting) {
        if (setting->SetImageSet(on ? 1 : 0)) InvalidateWnd(setting);
    }
    ShowAutoPlayNotice(on);
    SetDirty();
}

void CMirelleVWS::ShowAutoPlayNotice(bool show)
{
    for (GVWnd* wnd : {static_cast<GVWnd*>(roomMarks.autoPlayNotice), static_cast<GVWnd*>(roomButtons.autoPlayCancel)}) {
        if (!wnd) continue;
        wnd->Show(show);
        InvalidateWnd(wnd);
    }
}

void CMirelleVWS::SetAutoPlayButtonEnabled(bool enable)
{
    if (CVPSPPushBtn* setting = roomButtons.autoPlaySetting) {
        setting->Enable(enable);
        InvalidateWnd(setting);
    }
}

void CMirelleVWS::SendChatMacro(int index, int32_t userKey)
{
    const bool own = userKey == ownUser.userKey;
    const int seat = FindSeatByKey(userKey);
    const SceneRules::MacroHeard heard =
        SceneRules::PlanMacroHeard(index, own, seat >= 0, gameInfo.IsVoiceMuted(userKey));
    if (heard.voiceCue >= 0) PlayVoice(heard.voiceCue, seat);
    if (!heard.ownPhrase) return;
    std::string phrase = SceneRules::FindMacroPhrase(index)->text;
    HostRequest(0, HostRequestCode::MacroPhrase, 0, phrase.data(), nullptr);
    SetMacroEnabled(false);
}

void CMirelleVWS::SetMacroEnabled(bool enabled)
{
    controls.macroEnabled = SceneRules::MacroControlAllowed(enabled, options.soundOn, controls.macroLocked);
    ShowMacroControl(controls.macroEnabled);
    if (!enabled) StartTimer(TimerId::Macro);
}

int CMirelleVWS::SetSkin(int skin, int reload)
{
    TableWidgets& t = tableWidgets;
    if (reload) {
        WidgetFactory factory(imageRoot, *this);
        GVQZSWnd* back = factory.CreateQZSWnd(FormatText("Back\\skin_%d.qzs", skin), {0, 0}, Visible::Yes);
        if (!back) return 0;
        if (t.skin) DestroyWnd(t.skin);
        AddWndToBack(back);
        t.skin = back;
    }
    if (auto* deck = dynamic_cast<GVPSPWnd*>(t.deckImage)) deck->SetFrame(skin);
    if (GVQZAniWnd* edge = t.deckBackAnimation) {
        const int frame = edge->GetFrame();
        edge->SelectAnimation(skin);
        edge->SetFrame(frame);
    }
    for (size_t i = 0; i < seatPanels.score.size(); ++i) {
        if (CVJumsuInfoWnd* score = seatPanels.score[i]) score->SetSkin(skin);
        if (CVHTIconWnd* counters = seatPanels.counters[i]) counters->SetSkin(skin);
    }
    // FIXME: CVSMissionWnd, CVDMissionWnd, CVCMissionWnd, CVC2MissionWnd and CVKJMissionWnd::SetSkin (skin).
    // FIXME: CVDesperateWnd::SetSkin (skin) in rooms 40..43.
    SetRedrawAll(true);
    SetDirty();
    return 1;
}
