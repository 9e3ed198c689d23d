#include "scene/RoomOptions.h"

#include "scene/CMirelleVWS.h"

#include "foundation/Debug.h"
#include "foundation/core/Text.h"
#include "protocol/HostInterfaces.h"
#include "scene/core/RoomControlRules.h"
#include "table/core/EntryRules.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVDesperateWnd.h"
#include "views/CVHTIconWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"
#include "views/CVJumsuInfoWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/WidgetFactory.h"
#include "scene/HostLink.h"

namespace {

constexpr uint32_t kRefusalMs = 3000;
constexpr uint32_t kQuestionMs = 5000;
constexpr const char* kTooLittleMoney = " 강제퇴장 비용(고스톱 머니)이 부족하여 강제퇴장 시킬 수 없습니다. ";
constexpr const char* kKickFailed = " 강제퇴장 요청이 실패했습니다.";
constexpr const char* kAutoPlayOnLine = "자동치기`1131` 진행중 입니다.`0030`";
constexpr const char* kAutoPlayOffLine = "자동치기`1131` 기능을 `0030`종료`0130`합니다.`0030`";

}  // namespace

int RoomOptions::RequestForcedExit(int32_t targetUserKey)
{
    using SceneRules::ForcedExitStep;
    SceneRules::ForcedExitInputs in;
    in.ownIsOwner = scene.gameInfo.ownerKey == scene.ownUser.userKey;
    in.ownSeated = scene.IsUserSeated();
    in.target = targetUserKey;
    in.targetSeated = scene.FindSeatByKey(targetUserKey) >= 0;
    in.targetReserved = scene.gameInfo.IsKickReserved(targetUserKey);
    in.desperateRoom = scene.IsDesperateRoom();
    in.antiLeaveRestricted = scene.IsAntiLeaveRoom() && scene.controls.antiLeaveActive;
    in.roomState = scene.room.roomState;
    in.stake = scene.room.option.stake;
    in.ownMoney = scene.ownUser.gameMoney;
    const SceneRules::ForcedExitPlan plan = SceneRules::PlanForcedExit(in);
    switch (plan.step) {
    case ForcedExitStep::Nothing: return 0;
    case ForcedExitStep::KickAtOnce: return scene.Requests().SendKick(targetUserKey) ? 1 : 0;
    case ForcedExitStep::TooLittleMoney:
        scene.PlaySoundId(SoundId::BoxNotify);
        scene.Link().ShowMessageBox(kTooLittleMoney, BoxType::Ok, kRefusalMs, "", kBoxTextColor);
        return 0;
    case ForcedExitStep::Ask: break;
    }
    scene.PlaySoundId(SoundId::BoxNotify);
    const BoxAnswer answer = scene.Link().ShowMessageBox(SceneRules::ForcedExitQuestion(plan.cost), BoxType::OkCancel, kQuestionMs, "", kBoxTextColor);
    // The room may have moved on while the box was open: judge the state as it is now.
    switch (SceneRules::AnswerForcedExit(answer, scene.room.roomState, scene.tableState.active)) {
    case SceneRules::ForcedExitAnswer::Stop: return 0;
    case SceneRules::ForcedExitAnswer::Refused: scene.Link().ShowMessageBox(kKickFailed, BoxType::Ok, kRefusalMs, "", kBoxTextColor); return 0;
    case SceneRules::ForcedExitAnswer::Kick: break;
    }
    return scene.Requests().SendKick(targetUserKey) ? 1 : 0;
}

void RoomOptions::SetAutoPlay(bool on)
{
    if (on != scene.controls.autoPlay) {
        SceneRules::AutoPlaySwitch change;
        change.wasOn = scene.controls.autoPlay;
        change.on = on;
        change.kind = scene.timers.phaseTimerKind;
        change.phaseSeconds = scene.timers.phaseSeconds;
        change.ownTurn = scene.ownUser.userKey != -1 && scene.IsOwnTurn();
        if (const auto seconds = SceneRules::AutoPlayRestartSeconds(change)) {
            // The decision stays; only its deadline moves.
            scene.StartTimerFor(TimerId::Phase, static_cast<uint32_t>(*seconds) * 1000);
            if (!scene.timers.IsRunning(TimerId::Phase)) scene.timers.phaseTimerKind = CMirelleVWS::DecisionKind::None;
        }
        if (on) scene.StopTurnMarker();
        scene.Link().PrintChatText(on ? kAutoPlayOnLine : kAutoPlayOffLine);
    }
    scene.controls.autoPlay = on;
    if (CVPSPPushBtn* setting = scene.roomButtons.autoPlaySetting) {
        if (setting->SetImageSet(on ? 1 : 0)) scene.InvalidateWnd(setting);
    }
    ShowAutoPlayNotice(on);
    scene.SetDirty();
}

void RoomOptions::ShowAutoPlayNotice(bool show)
{
    for (GVWnd* wnd : {static_cast<GVWnd*>(scene.roomMarks.autoPlayNotice), static_cast<GVWnd*>(scene.roomButtons.autoPlayCancel)}) {
        if (!wnd) continue;
        wnd->Show(show);
    }
}

void RoomOptions::SetAutoPlayButtonEnabled(bool enable)
{
    if (CVPSPPushBtn* setting = scene.roomButtons.autoPlaySetting) {
        setting->Enable(enable);
    }
}

void RoomOptions::SendChatMacro(int index, int32_t userKey)
{
    const bool own = userKey == scene.ownUser.userKey;
    const int seat = scene.FindSeatByKey(userKey);
    const SceneRules::MacroHeard heard =
        SceneRules::PlanMacroHeard(index, own, seat >= 0, scene.gameInfo.IsVoiceMuted(userKey));
    if (heard.voiceCue) scene.PlayVoice(*heard.voiceCue, seat);
    if (!heard.ownPhrase) return;
    std::string phrase = SceneRules::FindMacroPhrase(index)->text;
    scene.Link().HostRequest(0, HostRequestCode::MacroPhrase, 0, phrase.data(), nullptr);
    SetMacroEnabled(false);
}

void RoomOptions::SetMacroEnabled(bool enabled)
{
    scene.controls.macroEnabled = SceneRules::MacroControlAllowed(enabled, scene.options.soundOn, scene.controls.macroLocked);
    ShowMacroControl(scene.controls.macroEnabled);
    if (!enabled) scene.StartTimer(TimerId::Macro);
}

int RoomOptions::SetSkin(int skin, int reload)
{
    TableWidgets& t = scene.tableWidgets;
    if (reload) {
        WidgetFactory factory(scene.imageRoot, scene);
        GVQZSWnd* back = factory.CreateQZSWnd(FormatText("Back\\skin_%d.qzs", skin), {0, 0}, Visible::Yes);
        if (!back) return 0;
        if (t.skin) scene.DestroyWnd(t.skin);
        scene.AddWndToBack(back);
        t.skin = back;
    }
    if (auto* deck = dynamic_cast<GVPSPWnd*>(t.deckImage)) deck->SetFrame(skin);
    if (GVQZAniWnd* edge = t.deckBackAnimation) {
        const int frame = edge->GetFrame();
        edge->SelectAnimation(skin);
        edge->SetFrame(frame);
    }
    for (size_t i = 0; i < scene.seatPanels.score.size(); ++i) {
        if (CVJumsuInfoWnd* score = scene.seatPanels.score[i]) score->SetSkin(skin);
        if (CVHTIconWnd* counters = scene.seatPanels.counters[i]) counters->SetSkin(skin);
    }
    SetMissionSkins(skin);
    if (scene.periphery.desperate && scene.IsDesperateRoom()) scene.periphery.desperate->SetSkin(skin);
    scene.SetRedrawAll(true);
    scene.SetDirty();
    return 1;
}

void RoomOptions::SetMissionSkins(int skin)
{
    MissionPanels& m = scene.missions;
    if (m.single) m.single->SetSkin(skin);
    if (m.twoCard) m.twoCard->SetSkin(skin);
    if (m.cardC) m.cardC->SetSkin(skin);
    if (m.cardC2) m.cardC2->SetSkin(skin);
    if (m.kungjjak) m.kungjjak->SetSkin(skin);
}
