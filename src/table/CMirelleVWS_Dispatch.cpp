#include "scene/CMirelleVWS.h"

#include <array>

#include "host/CMirelleWnd.h"

namespace {

using Handler = void (CMirelleVWS::*)(const GameMessage&);

// Handlers by message id; an id without one is consumed and destroyed.
const std::array<Handler, kMaxGameMessageId + 1>& HandlerTable()
{
    static const auto table = [] {
        std::array<Handler, kMaxGameMessageId + 1> t{};
        t[68] = &CMirelleVWS::OnRoomDeletedNotice;
        t[77] = &CMirelleVWS::OnHostCode70;
        t[80] = &CMirelleVWS::OnHostCode75;
        return t;
    }();
    return table;
}

}  // namespace

void CMirelleVWS::EnqueueGameMessage(const GameMessage& message)
{
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
    if (message.id >= 1 && message.id <= kMaxGameMessageId && message.body) {
        const Handler h = HandlerTable()[static_cast<size_t>(message.id)];
        if (h) (this->*h)(message);
    }
    DeleteGameMessage(message);
}

bool CMirelleVWS::IsLoadingResources() const
{
    return owner && owner->IsLoading();
}

void CMirelleVWS::OnRoomDeletedNotice(const GameMessage&)
{
    PrintChatText("[폴리스]`1111` 불건전 방제로 방이 삭제됩니다`0110`");
}

void CMirelleVWS::OnHostCode70(const GameMessage& message)
{
    const auto* body = message.Get<HostCode70>();
    if (!body) return;
    int32_t value = body->value;
    HostRequest(ownUser.userKey, 70, 0, nullptr, &value);
}

void CMirelleVWS::OnHostCode75(const GameMessage&)
{
    int32_t value = 0;
    HostRequest(ownUser.userKey, 75, 0, nullptr, &value);
}
