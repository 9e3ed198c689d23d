#include "scene/RoomOptions.h"

#include "scene/CMirelleVWS.h"

#include "scene/RoomInput.h"

#include "protocol/HostInterfaces.h"
#include "scene/core/TitleButtonRules.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVObserveSystemWnd.h"
#include "views/CVPSPPushBtn.h"
#include "scene/HostLink.h"
#include "scene/RoomView.h"

namespace {

}  // namespace

void RoomOptions::SetTitleButtonState(const std::string& name, bool visible, bool enabled, int state)
{
    RoomButtons& b = scene.roomButtons;
    CVPSPPushBtn* own = nullptr;
    if (name == "observe") own = b.watch;
    else if (name == "play") own = b.join;
    else if (name == "exit") own = b.exit;
    else if (name == "cancelexit") own = b.cancelExit;
    else if (name == "option") own = b.option;
    else if (name == "vip") own = b.vip;
    else return;
    for (const TitleButtons::HostControl& c : TitleButtons::ControlRequests(name, visible, enabled, state)) {
        std::string text = c.name;
        int32_t length = static_cast<int32_t>(text.size());
        scene.Link().HostRequest(scene.ownUser.userKey, HostRequestCode::SetNamedControl, c.value, text.data(), &length);
    }
    if (!own) return;
    // A state past the button's image sets keeps its picture.
    if (own->SetImageSet(state)) own->UpdateFrame();
    own->Show(visible);
    own->Enable(enabled);
}

void RoomOptions::UpdatePlayObserveButtons(int flag)
{
    const int own = scene.OwnSeat();
    TitleButtons::SeatFacts f;
    f.show = flag != 0;
    f.tournament = scene.IsTournamentRoom();
    f.state = scene.GetRoomState();
    f.ownSeated = own >= 0;
    f.observeReserved = own >= 0 && scene.GetPlayer(own).observeReserved != 0;
    f.seatWithoutUser = scene.HasSeatWithoutUser() || scene.HasRobotSeat();
    const TitleButtons::PlayObservePlan plan = TitleButtons::PlanPlayObserve(f);
    for (const TitleButtons::ButtonStep& s : plan.steps) SetTitleButtonState(s.name, s.visible, s.enabled, s.state);
    if (plan.joinBar && scene.entryWidgets.observerBar)
        scene.entryWidgets.observerBar->SetJoinButton(plan.joinBar->first, plan.joinBar->second);
    scene.SetDirty();
}

void RoomOptions::UpdateExitButtons(int flag)
{
    const int own = scene.OwnSeat();
    TitleButtons::SeatFacts f;
    f.show = flag != 0;
    f.tournament = scene.IsTournamentRoom();
    f.state = scene.GetRoomState();
    f.roundStarted = scene.controls.roundStarted;
    f.ownSeated = own >= 0;
    f.exitReserved = own >= 0 && scene.GetPlayer(own).exitReserved != 0;
    for (const TitleButtons::ButtonStep& s : TitleButtons::PlanExit(f))
        SetTitleButtonState(s.name, s.visible, s.enabled, s.state);
}

// Tournament rooms show "exit" and "giveup" enabled where a click may do nothing, and "cancelexit"
// leaves as "exit" does: both kept as the room has always behaved.
void RoomOptions::OnHostButton(const std::string& name, int32_t value)
{
    using TitleButtons::HostAction;
    // No room yet while the loader makes the buttons a press would touch.
    if (scene.IsLoadingResources()) return;
    const int own = scene.OwnSeat();
    TitleButtons::HostButtonFacts f;
    f.roomKind = scene.room.roomKind;
    f.state = scene.GetRoomState();
    f.ownSeated = own >= 0;
    f.robotSeated = scene.HasRobotSeat();
    f.roundStarted = scene.controls.roundStarted;
    f.desperateRoundFinished = scene.desperateRoundFinished;
    RoomRequests& r = scene.Requests();
    // The senders change the title buttons once their request went out; nothing else follows here.
    switch (TitleButtons::DecideHostButton(name, f)) {
    case HostAction::None: return;
    case HostAction::Play: static_cast<void>(r.SendPlay(0)); return;
    case HostAction::Observe: static_cast<void>(r.SendObserve()); return;
    case HostAction::ConfirmObserve:
        if (scene.input->ConfirmAntiLeave(own >= 0 && scene.GetPlayer(own).observeReserved != 0)) static_cast<void>(r.SendObserve());
        return;
    case HostAction::Exit: scene.View().ExitRoom(); return;
    case HostAction::ConfirmExit:
        if (scene.input->ConfirmAntiLeave(own >= 0 && scene.GetPlayer(own).exitReserved != 0)) scene.View().ExitRoom();
        return;
    case HostAction::GiveUp: static_cast<void>(r.SendGiveUp()); return;
    case HostAction::DesperateExit: static_cast<void>(r.SendDesperateExit()); return;
    case HostAction::OpenOption: OpenOptionWindow(); return;
    case HostAction::Macro: static_cast<void>(r.SendMacro(value)); return;
    case HostAction::OpenVip: OpenVipDialog(); return;
    }
}

int RoomOptions::OpenVipDialog()
{
    scene.vip.Helper().ShowVIPDialog(true, true);
    if (!scene.vip.Helper().IsVisible()) return 0;
    SetTitleButtonState("vip", true, false, 0);
    scene.PlaySoundId(SoundId::ButtonClick);
    return 1;
}

void RoomOptions::OnVipDialogClosed()
{
    SetTitleButtonState("vip", true, true, 0);
    scene.PlaySoundId(SoundId::ButtonClick);
}

void RoomOptions::SetTitleBarText(const std::string& text)
{
    // The loader thread may be making the caption: the first tick after loading shows the text.
    if (scene.IsLoadingResources()) {
        scene.pendingTitle = text;
        return;
    }
    scene.pendingTitle.reset();
    GVTextWnd* caption = scene.roomButtons.titleText;
    if (!caption) return;
    caption->SetText(text);
    scene.InvalidateWnd(caption);
}
