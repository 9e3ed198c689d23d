#include "table/flows/NoticeFlow.h"

#include "protocol/HostInterfaces.h"
#include "table/TableEngine.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomStage.h"

void NoticeFlow::OnRoomDeletedNotice(const RoomDeletedNotice&)
{
    stage.PrintChatText("[폴리스]`1111` 불건전 방제로 방이 삭제됩니다`0110`");
}

void NoticeFlow::OnServerValueForHost(const ServerValueForHost& body)
{
    int32_t value = body.value;
    stage.HostRequest(ownUser.userKey, HostRequestCode::ServerValue, 0, nullptr, &value);
}

void NoticeFlow::OnServerNoticeForHost(const ServerNoticeForHost&)
{
    int32_t value = 0;
    stage.HostRequest(ownUser.userKey, HostRequestCode::ServerNotice, 0, nullptr, &value);
}

void NoticeFlow::OnChatMacro(const ChatMacro& body)
{
    const auto key = static_cast<int32_t>(body.userKey);
    if (records.IsUserSeated(key)) stage.SendChatMacro(static_cast<int>(body.macro), key);
}
