#include "TraceNames.h"

#include "protocol/HostInterfaces.h"

const char* HostRequestName(int code)
{
    switch (static_cast<HostRequestCode>(code)) {
    case HostRequestCode::PassText: return "PassText";
    case HostRequestCode::PendingValue: return "PendingValue";
    case HostRequestCode::EntryLimitLifted: return "EntryLimitLifted";
    case HostRequestCode::AntiLeaveEntered: return "AntiLeaveEntered";
    case HostRequestCode::AntiLeaveLeft: return "AntiLeaveLeft";
    case HostRequestCode::Capture: return "Capture";
    case HostRequestCode::RoomEntered: return "RoomEntered";
    case HostRequestCode::StartInviting: return "StartInviting";
    case HostRequestCode::ReserveItem: return "ReserveItem";
    case HostRequestCode::UseSafe: return "UseSafe";
    case HostRequestCode::ForcedExitRefused: return "ForcedExitRefused";
    case HostRequestCode::UserCounters: return "UserCounters";
    case HostRequestCode::OpenSafePage: return "OpenSafePage";
    case HostRequestCode::RefillAmount: return "RefillAmount";
    case HostRequestCode::OutOfDate: return "OutOfDate";
    case HostRequestCode::HoldsItem: return "HoldsItem";
    case HostRequestCode::OpenHostPage: return "OpenHostPage";
    case HostRequestCode::SetNamedControl: return "SetNamedControl";
    case HostRequestCode::Memo: return "Memo";
    case HostRequestCode::MacroPhrase: return "MacroPhrase";
    case HostRequestCode::FetchText: return "FetchText";
    case HostRequestCode::ServerValue: return "ServerValue";
    case HostRequestCode::SeatTaken: return "SeatTaken";
    case HostRequestCode::ServerNotice: return "ServerNotice";
    }
    return "";
}

const char* ControlStateName(int state)
{
    switch (static_cast<HostControlState>(state)) {
    case HostControlState::Hidden: return "Hidden";
    case HostControlState::ShownDisabled: return "ShownDisabled";
    case HostControlState::ShownEnabled: return "ShownEnabled";
    }
    return "";
}

const char* LeaveNoticeName(int code)
{
    switch (static_cast<LeaveNoticeCode>(code)) {
    case LeaveNoticeCode::Dealt: return "Dealt";
    case LeaveNoticeCode::RoundOver: return "RoundOver";
    case LeaveNoticeCode::Waiting: return "Waiting";
    case LeaveNoticeCode::SeatChanged: return "SeatChanged";
    }
    return "";
}

const char* PostedName(UINT msg)
{
    switch (msg) {
    case kHostNotify: return "HostNotify";
    case kHostCloseRequest: return "CloseRequest";
    case kHostScreenRecreated: return "ScreenRecreated";
    case kHostLoadFinished: return "LoadFinished";
    default: return "";
    }
}
