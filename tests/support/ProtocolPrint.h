#pragma once

// GoogleTest prints a request or message in a failed comparison as its JSON form, so the failure
// names the fields. Text bytes of the module's code page show as U+FFFD.

#include <ostream>

#include "protocol_json/ProtocolJson.h"

inline void PrintTo(const GameMessage& message, std::ostream* os)
{
    *os << DumpJson(GameMessageToJson(message));
}

inline void PrintTo(const GameRequest& request, std::ostream* os)
{
    *os << DumpJson(GameRequestToJson(request));
}
