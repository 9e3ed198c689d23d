#include "scene/SceneResult.h"

#include "scene/CMirelleVWS.h"

#include <algorithm>

#include "scene/PanelMaker.h"
#include "scene/PeripheryPanels.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVDesperateResultWnd.h"
#include "views/core/TargetScoreRules.h"
#include "table/flows/RoomFlows.h"
#include "views/CVGoBakAlertUIWnd.h"
#include "views/CVItemWnd.h"
#include "views/CVResultWnd.h"
#include "views/WidgetFactory.h"
#include "scene/HostLink.h"
#include "scene/RoomOptions.h"
#include "scene/ScenePrompt.h"

CVItemWnd* SceneResult::CreateItemWnd()
{
    return MakePanel<CVItemWnd>(scene, scene.Periphery());
}

void SceneResult::ShowRoundResult(const RoundResult& body)
{
    CVResultWnd* result = scene.resultWidgets.result;
    if (!result || scene.IsLoadingResources()) return;
    scene.Prompt().HideNotify();  // also stops sound 54
    result->SetRoundResult(body);
    ShowResultBox();
    const int own = scene.OwnSeat();
    GVPSPWnd* badge = scene.resultWidgets.streakBadge;
    if (badge && own >= 0 && !scene.HasRobotSeat()) {
        const int32_t streak = scene.GetPlayer(own).streakCount;
        if (streak > 0) {
            // One frame per streak length; a longer streak keeps the last.
            badge->SetFrame(std::min(streak, badge->GetFrameCount()) - 1);
            badge->Show(true);
        }
    }
    if (scene.seatPanels.goBakAlert) scene.seatPanels.goBakAlert->HideAll();
    scene.InvalidateWnd(result);
}

void SceneResult::ShowTournamentResult(const TournamentRoundResult& body)
{
    CVResultWnd* result = scene.resultWidgets.result;
    if (!result || scene.IsLoadingResources()) return;
    scene.Options().SetAutoPlay(false);
    scene.Prompt().HideNotify();
    result->SetTournamentResult(body);
    ShowResultBox();
    if (scene.seatPanels.goBakAlert) scene.seatPanels.goBakAlert->HideAll();
    scene.SetDirty();
}

void SceneResult::ShowEventResult(const EventRoundResult& body)
{
    CVResultWnd* result = scene.resultWidgets.result;
    if (!result || scene.IsLoadingResources()) return;
    scene.Options().SetAutoPlay(false);
    scene.Prompt().HideNotify();
    result->SetEventResult(body);
    ShowResultBox();
    if (scene.seatPanels.goBakAlert) scene.seatPanels.goBakAlert->HideAll();
    scene.SetDirty();
}

// The box dims the table only under a result that shows: a rejected one leaves the table as it was.
void SceneResult::ShowResultBox()
{
    GVBoxWnd* box = scene.resultWidgets.resultBox;
    if (!box || !scene.resultWidgets.result) return;
    box->Show(scene.resultWidgets.result->IsVisible());
}

void SceneResult::SetResultStep(const ResultStep& body)
{
    if (CVResultWnd* result = scene.resultWidgets.result; result && !scene.IsLoadingResources()) {
        result->SetResultStep(body.step, body.seat, body.value);
        scene.InvalidateWnd(result);
    }
}

void SceneResult::HideRoundResult()
{
    if (scene.IsLoadingResources()) return;
    // The target-score result closes whoever sits: it took the keys whenever it showed.
    if (scene.periphery.desperateResult) scene.periphery.desperateResult->Reset();
    scene.Flows().missions.StopTargetScoreEffects();
    ResultWidgets& w = scene.resultWidgets;
    if (w.result) w.result->Reset();
    for (GVWnd* wnd : {static_cast<GVWnd*>(w.resultBox), static_cast<GVWnd*>(w.streakBadge)})
        if (wnd) wnd->Show(false);
    if (w.fireworks) {
        w.fireworks->Stop();
        w.fireworks->Show(false);
    }
    scene.SetRedrawAll(true);
    scene.SetDirty();
}

bool SceneResult::AnswerResultByKey(int key)
{
    if (scene.IsLoadingResources()) return false;
    CVResultWnd* result = scene.resultWidgets.result;
    if (!result || !result->IsVisible()) return false;
    result->OnKeyDown(static_cast<UINT>(key), 0, 0);
    scene.SetDirty();
    return true;
}

void SceneResult::StepResult()
{
    if (scene.IsLoadingResources()) return;
    CVResultWnd* result = scene.resultWidgets.result;
    if (result && result->IsVisible() && result->Step()) scene.InvalidateWnd(result);
}

ResultOwner::Room SceneResult::GetResultRoom() const
{
    Room r;
    const int own = scene.OwnSeat();
    r.viewer.ownKey = scene.ownUser.userKey;
    r.viewer.ownSeat = own;
    for (int seat = 0; seat < 2; ++seat) {
        const size_t i = static_cast<size_t>(seat);
        const PlayerInfo& p = scene.room.seats.players[i];
        r.viewer.seatKeys[i] = p.userKey;
        r.nicknames[i] = p.nickname;
        r.robotSeat[i] = scene.IsRobotSeat(seat);
        r.seatOnScreen[i] = p.screenSlot == 0 || p.screenSlot == 1;
    }
    r.robotSeated = scene.HasRobotSeat();
    r.eventRoomInPlay = scene.Requests().IsRoomKind5To10InPlay();
    r.roomKind = scene.room.roomKind;
    r.autoStart = {own >= 0, r.robotSeated, scene.room.roomKind, scene.room.option.antiLeave, scene.controls.antiLeaveActive};
    r.autoStartOn = scene.controls.autoStart;
    return r;
}

void SceneResult::SendResultAnswer(ResultRules::Answer answer)
{
    using ResultRules::Answer;
    RoomRequests& r = scene.Requests();
    // The panel has closed itself; nothing here follows the answer, and a lost one is reported
    // where it is sent.
    switch (answer) {
    case Answer::ResultOk: static_cast<void>(r.SendResultChoice(0)); break;
    case Answer::ChamgiOk: static_cast<void>(r.SendChamgi(0)); break;
    case Answer::Chamgi: static_cast<void>(r.SendChamgi(1)); break;
    case Answer::TournamentOk: static_cast<void>(r.SendTournamentResultOk()); break;
    case Answer::Rechallenge: static_cast<void>(r.SendResultChoice(1)); break;
    case Answer::Tung:
        // The result choice follows the tung either way.
        static_cast<void>(r.SendTung(1));
        static_cast<void>(r.SendResultChoice(0));
        break;
    case Answer::None: break;
    }
}

void SceneResult::PlayResultSound(SoundId id)
{
    scene.PlaySoundId(id);
}

void SceneResult::StopResultSound(SoundId id)
{
    scene.StopSoundId(id);
}

void SceneResult::PlayResultVoice(VoiceCue cue, int seat)
{
    scene.PlayVoice(cue, seat);
}

void SceneResult::PrintResultChat(const std::string& text)
{
    scene.Link().PrintChatText(text);
}

void SceneResult::ShowEventMark(bool show)
{
    if (GVPSPWnd* mark = scene.resultWidgets.eventMark; mark && mark->IsVisible() != show) {
        mark->Show(show);
    }
}

void SceneResult::StartFireworks()
{
    if (GVQZAniWnd* fireworks = scene.resultWidgets.fireworks) fireworks->Play(-1, false);
}

bool SceneResult::ToggleAutoStart()
{
    scene.controls.autoStart = !scene.controls.autoStart;
    return scene.controls.autoStart;
}

const std::string& SceneResult::GetImageRoot() const
{
    return scene.GetImageRoot();
}

LoadErrorSink& SceneResult::GetLoadErrorSink()
{
    return scene;
}

void SceneResult::ShowDesperateResult(const DesperateRoundResult& body)
{
    if (scene.IsLoadingResources()) return;
    scene.Options().SetAutoPlay(false);
    if (CVDesperateResultWnd* panel = scene.periphery.desperateResult) {
        panel->SetResult(body);
        scene.InvalidateWnd(panel);
    }
    scene.SetDirty();
}

// The room's second challenge rule is named by the room's options (challengeRule, non-zero).
ResultOwner::TargetScoreRoom SceneResult::GetTargetScoreRoom() const
{
    TargetScoreRoom r;
    const Option& o = scene.room.option;
    // A room option notice replaces the entry's bet.
    r.bet = scene.noticedBet ? *scene.noticedBet
                             : TargetScoreRules::BetOf(scene.room.roomKind, o.betIndex, o.customBet).value_or(0);
    for (size_t i = 0; i < 2; ++i) {
        const PlayerInfo& p = scene.room.seats.players[i];
        r.seatMoney[i] = p.gameMoney;
        r.points[i] = p.targetScorePoints;
    }
    r.otherChallengeRule = o.challengeRule != 0;
    return r;
}

void SceneResult::SendChallenge(int choice)
{
    static_cast<void>(scene.Requests().SendChallenge(choice));
}
