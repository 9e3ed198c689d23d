#pragma once

#include "table/flows/FlowBase.h"

// The room's notices: the deleted room, the host's values and the chat macro echo.
class NoticeFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnChatMacro(const ChatMacro& body);  // 67
    void OnRoomDeletedNotice(const RoomDeletedNotice& body);  // 68
    void OnServerValueForHost(const ServerValueForHost& body);  // 77
    void OnServerNoticeForHost(const ServerNoticeForHost& body);  // 80
};
