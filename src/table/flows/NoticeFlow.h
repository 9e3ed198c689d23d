#pragma once

#include "table/flows/FlowBase.h"

// The room's notices: entry results and limits, the host's texts and values, the deleted room and the
// chat macro echo.
class NoticeFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnEntryResult(const EntryResult& body);  // 7
    void OnEntryLimitChanged(const EntryLimitChanged& body);  // 10
    void OnHostText(const HostText& body);  // 13
    void OnChatMacro(const ChatMacro& body);  // 67
    void OnRoomDeletedNotice(const RoomDeletedNotice& body);  // 68
    void OnServerValueForHost(const ServerValueForHost& body);  // 77
    void OnServerNoticeForHost(const ServerNoticeForHost& body);  // 80
};
