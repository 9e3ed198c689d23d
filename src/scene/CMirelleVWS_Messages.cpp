#include "scene/CMirelleVWS.h"

#include "scene/SceneWindow.h"
#include "table/flows/RoomFlows.h"

namespace {

// The host's values change nothing of the scene and the server waits for their answers: they are
// answered as they come, also while a handler waits in a box or the room still loads.
bool IsAnsweredOnArrival(int32_t id)
{
    return id == ServerValueForHost::kId || id == ServerNoticeForHost::kId;
}

}  // namespace

void CMirelleVWS::EnqueueGameMessage(const GameMessage& message)
{
    if (message.body && IsAnsweredOnArrival(message.id)) {
        flows->Dispatch(message);
        return;
    }
    queue.Append(message);
    if (!queue.busy && !IsLoadingResources()) DispatchGameMessage();
}

void CMirelleVWS::DispatchGameMessage()
{
    if (queue.busy || queue.IsEmpty()) return;
    // The message leaves the queue before it is handled: a reset of the queue while the handler
    // waits in Delay then touches only the messages not yet handled.
    GameMessage message = std::move(queue.Front());
    queue.RemoveFront();
    // A handler that fails by throwing must not leave the queue busy for ever.
    struct BusyScope {
        int32_t& busy;
        explicit BusyScope(int32_t& flag) : busy(flag) { busy = 1; }
        ~BusyScope() { busy = 0; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;
    } busyScope(queue.busy);
    SetRedrawAll(true);
    if (message.body) flows->Dispatch(message);
    DeleteGameMessage(message);
}

bool CMirelleVWS::IsLoadingResources() const
{
    return window && window->IsLoading();
}
