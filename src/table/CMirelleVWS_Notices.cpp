#include "scene/CMirelleVWS.h"

#include "protocol/HostInterfaces.h"

void CMirelleVWS::OnRoomDeletedNotice(const RoomDeletedNotice&)
{
    PrintChatText("[폴리스]`1111` 불건전 방제로 방이 삭제됩니다`0110`");
}

void CMirelleVWS::OnServerValueForHost(const ServerValueForHost& body)
{
    int32_t value = body.value;
    HostRequest(ownUser.userKey, HostRequestCode::ServerValue, 0, nullptr, &value);
}

void CMirelleVWS::OnServerNoticeForHost(const ServerNoticeForHost&)
{
    int32_t value = 0;
    HostRequest(ownUser.userKey, HostRequestCode::ServerNotice, 0, nullptr, &value);
}
