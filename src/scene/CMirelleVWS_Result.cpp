#include "scene/CMirelleVWS.h"

#include <algorithm>

#include "scene/PanelMaker.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVDesperateResultWnd.h"
#include "views/CVGoBakAlertUIWnd.h"
#include "scene/PeripheryPanels.h"
#include "views/CVItemWnd.h"
#include "views/CVResultWnd.h"
#include "views/WidgetFactory.h"

namespace {

constexpr int kNotifySoundStop = 54;
constexpr Size kTableArea{800, 520};
constexpr int kResultBoxFill = 96;  // the table stays visible under the result
constexpr Point kEventMarkPos{480, 48};
constexpr Point kStreakBadgePos{168, 48};

}  // namespace

bool CMirelleVWS::LoadResultWidgets(WidgetFactory& factory)
{
    ResultWidgets& w = resultWidgets;
    if (!AddLoaded(w.resultBox = factory.CreateBoxWnd(Rect({0, 0}, kTableArea), 0, kResultBoxFill, Visible::No)))
        return false;
    if (!CreateResultWnd()) return false;
    if (!AddLoaded(periphery.desperateResult = CreateDesperateResultWnd())) return false;
    if (!LoadMoneyGift(factory)) return false;
    if (!AddLoaded(w.eventMark = factory.CreatePSPWnd("Result\\event_mark.psp", kEventMarkPos, Visible::No)))
        return false;
    if (!AddLoaded(w.streakBadge = factory.CreatePSPWnd("Result\\streak_badge.psp", kStreakBadgePos, Visible::No)))
        return false;
    return AddRunning(w.fireworks = factory.CreateQZAniWnd("Effect\\winner.qza", {0, 0}));
}

bool CMirelleVWS::CreateResultWnd()
{
    resultWidgets.result = MakePanel<CVResultWnd>(*this, static_cast<ResultOwner&>(*this));
    return AddLoaded(resultWidgets.result);
}

CVItemWnd* CMirelleVWS::CreateItemWnd()
{
    return MakePanel<CVItemWnd>(*this, Periphery());
}

void CMirelleVWS::ShowRoundResult(const RoundResult& body)
{
    CVResultWnd* result = resultWidgets.result;
    if (!result || IsLoadingResources()) return;
    HideNotify();  // also stops sound 54
    result->SetRoundResult(body);
    ShowResultBox();
    const int own = FindSeatByKey(ownUser.userKey);
    GVPSPWnd* badge = resultWidgets.streakBadge;
    if (badge && own >= 0 && !HasRobotSeat()) {
        const int32_t streak = GetPlayer(own).streakCount;
        if (streak > 0) {
            // One frame per streak length; a longer streak keeps the last.
            badge->SetFrame(std::min(streak, badge->GetFrameCount()) - 1);
            badge->Show(true);
            InvalidateWnd(badge);
        }
    }
    if (seatPanels.goBakAlert) seatPanels.goBakAlert->HideAll();
    InvalidateWnd(result);
}

void CMirelleVWS::ShowTournamentResult(const TournamentRoundResult& body)
{
    CVResultWnd* result = resultWidgets.result;
    if (!result || IsLoadingResources()) return;
    SetAutoPlay(false);
    HideNotify();
    result->SetTournamentResult(body);
    ShowResultBox();
    if (seatPanels.goBakAlert) seatPanels.goBakAlert->HideAll();
    SetDirty();
}

void CMirelleVWS::ShowEventResult(const EventRoundResult& body)
{
    CVResultWnd* result = resultWidgets.result;
    if (!result || IsLoadingResources()) return;
    SetAutoPlay(false);
    HideNotify();
    result->SetEventResult(body);
    ShowResultBox();
    if (seatPanels.goBakAlert) seatPanels.goBakAlert->HideAll();
    SetDirty();
}

// The box dims the table only under a result that shows: a rejected one leaves the table as it was.
void CMirelleVWS::ShowResultBox()
{
    GVBoxWnd* box = resultWidgets.resultBox;
    if (!box || !resultWidgets.result) return;
    box->Show(resultWidgets.result->IsVisible());
    InvalidateWnd(box);
}

void CMirelleVWS::SetResultStep(const ResultStep& body)
{
    if (CVResultWnd* result = resultWidgets.result; result && !IsLoadingResources()) {
        result->SetResultStep(body.step, body.seat, body.value);
        InvalidateWnd(result);
    }
}

void CMirelleVWS::HideRoundResult()
{
    if (IsLoadingResources()) return;
    // FIXME: in target-score rooms without a robot, the target-score result panel and its win effect.
    ResultWidgets& w = resultWidgets;
    if (w.result) w.result->Reset();
    for (GVWnd* wnd : {static_cast<GVWnd*>(w.resultBox), static_cast<GVWnd*>(w.streakBadge)})
        if (wnd) wnd->Show(false);
    if (w.fireworks) {
        w.fireworks->Stop();
        w.fireworks->Show(false);
    }
    SetRedrawAll(true);
    SetDirty();
}

bool CMirelleVWS::AnswerResultByKey(int key)
{
    if (IsLoadingResources()) return false;
    CVResultWnd* result = resultWidgets.result;
    if (!result || !result->IsVisible()) return false;
    result->OnKeyDown(static_cast<UINT>(key), 0, 0);
    SetDirty();
    return true;
}

void CMirelleVWS::StepResult()
{
    if (IsLoadingResources()) return;
    CVResultWnd* result = resultWidgets.result;
    if (result && result->IsVisible() && result->Step()) InvalidateWnd(result);
}

ResultOwner::Room CMirelleVWS::GetResultRoom() const
{
    Room r;
    const int own = FindSeatByKey(ownUser.userKey);
    r.viewer.ownKey = ownUser.userKey;
    r.viewer.ownSeat = own;
    for (int seat = 0; seat < 2; ++seat) {
        const size_t i = static_cast<size_t>(seat);
        const PlayerInfo& p = room.seats.players[i];
        r.viewer.seatKeys[i] = p.userKey;
        r.nicknames[i] = p.nickname;
        r.robotSeat[i] = IsRobotSeat(seat);
        r.seatOnScreen[i] = p.screenSlot == 0 || p.screenSlot == 1;
    }
    r.robotSeated = HasRobotSeat();
    r.eventRoomInPlay = Requests().IsRoomKind5To10InPlay();
    r.roomKind = room.roomKind;
    r.autoStart = {own >= 0, r.robotSeated, room.roomKind, room.option.antiLeave, controls.antiLeaveActive};
    r.autoStartOn = controls.autoStart;
    return r;
}

void CMirelleVWS::SendResultAnswer(ResultRules::Answer answer)
{
    using ResultRules::Answer;
    RoomRequests& r = Requests();
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

void CMirelleVWS::PlayResultSound(int id)
{
    PlaySoundId(static_cast<SoundTables::SoundId>(id));
}

void CMirelleVWS::StopResultSound(int id)
{
    StopSoundId(static_cast<SoundTables::SoundId>(id));
}

void CMirelleVWS::PlayResultVoice(int cue, int seat)
{
    PlayVoice(cue, seat);
}

void CMirelleVWS::PrintResultChat(const std::string& text)
{
    PrintChatText(text);
}

void CMirelleVWS::ShowEventMark(bool show)
{
    if (GVPSPWnd* mark = resultWidgets.eventMark; mark && mark->IsVisible() != show) {
        mark->Show(show);
        InvalidateWnd(mark);
    }
}

void CMirelleVWS::StartFireworks()
{
    if (GVQZAniWnd* fireworks = resultWidgets.fireworks) fireworks->Play(-1, false);
}

bool CMirelleVWS::ToggleAutoStart()
{
    controls.autoStart = !controls.autoStart;
    return controls.autoStart;
}
