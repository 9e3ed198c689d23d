#pragma once

#include "table/flows/FlowBase.h"

// The room's notices: the deleted room, the host's values and the chat macro echo.
class NoticeFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnChatMacro(const ChatMacro& body);  // 67
    void OnRoomDeletedNotice(const RoomDeletedNotice& body);  // 68
    void OnHostCode70(const HostCode70& body);  // 77
    void OnHostCode75(const HostCode75& body);  // 80
};
