#include "scene/ScenePrompt.h"

#include "scene/CMirelleVWS.h"

#include <new>

#include "views/CVNotifyWnd.h"

namespace {

constexpr SoundId kNotifySoundStop = SoundId::Pulse;

}  // namespace

int ScenePrompt::ShowNotify(int kind, int32_t a2, int64_t money, int32_t goCount, int32_t a6, int32_t a7)
{
    CVNotifyWnd* notify = scene.roomWidgets.notify;
    if (!notify) return 0;
    const int shown = notify->Show(kind, {a2, money, goCount, a6, a7});
    scene.InvalidateWnd(notify);
    return shown;
}

int ScenePrompt::ShowNotifySimple(int kind, const std::vector<int32_t>& cards)
{
    CVNotifyWnd* notify = scene.roomWidgets.notify;
    if (!notify) return 0;
    const int shown = notify->ShowChoice(kind, cards);
    scene.InvalidateWnd(notify);
    return shown;
}

int ScenePrompt::ShowMissionNotify(int kind, int missionId, int variant, int64_t money)
{
    CVNotifyWnd* notify = scene.roomWidgets.notify;
    if (!notify) return 0;
    const int shown = notify->ShowHandMission(kind, missionId, variant, money);
    scene.InvalidateWnd(notify);
    return shown;
}

void ScenePrompt::HideNotify()
{
    if (CVNotifyWnd* notify = scene.roomWidgets.notify) {
        notify->Close();
        scene.InvalidateWnd(notify);
    }
    StopNotifySound(kNotifySoundStop);
}

bool ScenePrompt::AnswerNotifyByKey(int key)
{
    // The loader thread may still be making the prompt.
    if (scene.IsLoadingResources()) return false;
    CVNotifyWnd* notify = scene.roomWidgets.notify;
    if (!notify || !notify->IsVisible() || (key != VK_F1 && key != VK_F2)) return false;
    notify->OnKeyDown(static_cast<UINT>(key), 0, 0);
    scene.SetDirty();
    return true;
}

void ScenePrompt::StepNotify()
{
    if (scene.IsLoadingResources()) return;
    CVNotifyWnd* notify = scene.roomWidgets.notify;
    if (notify && notify->IsVisible() && notify->Step()) scene.InvalidateWnd(notify);
}

Notify::NotifyRoom ScenePrompt::GetNotifyRoom() const
{
    const int own = scene.OwnSeat();
    // The last room option is the flag the prompt of kind 3 reads: non-zero answers "no" with
    // request 32.
    return {scene.IsDesperateRoom() && !scene.HasRobotSeat(), scene.room.option.targetScoreLevel, own >= 0 && !scene.IsRobotSeat(own)};
}

void ScenePrompt::SendNotifyReply(const Notify::Reply& reply)
{
    using Notify::Request;
    RoomRequests& r = scene.Requests();
    // A reply that did not go out leaves its decision and the phase timer running: the time-out
    // answers it. The prompt closes itself after the reply either way.
    switch (reply.request) {
    case Request::MonthChoice: static_cast<void>(r.SendMonthChoice(reply.a)); break;
    case Request::YesNoChoice: static_cast<void>(r.SendYesNoChoice(reply.a, 0)); break;
    case Request::DesperateDecline: static_cast<void>(r.SendDesperateDecline()); break;
    case Request::CardChoice: static_cast<void>(r.SendCardChoice(reply.a, 0)); break;
    case Request::SeptAnimal: static_cast<void>(r.SendSeptAnimalChoice(reply.a, 0)); break;
    case Request::GoOrStop: static_cast<void>(r.SendGoOrStop(reply.a, 0)); break;
    // The ready answer's one field: 1 yes (or timed out), 0 no.
    case Request::GameReady: static_cast<void>(r.SendGameReadyAnswer(reply.a)); break;
    case Request::Bet: static_cast<void>(r.SendBet(reply.a, reply.b)); break;
    case Request::None: break;
    }
}

void ScenePrompt::PlayNotifySound(SoundId id)
{
    scene.PlaySoundId(id);
}

void ScenePrompt::StopNotifySound(SoundId id)
{
    scene.StopSoundId(id);
}

const std::string& ScenePrompt::GetImageRoot() const
{
    return scene.GetImageRoot();
}

LoadErrorSink& ScenePrompt::GetLoadErrorSink()
{
    return scene;
}
