#pragma once

// GoogleTest prints a request or message in a failed comparison as its JSON form, so the failure
// names the fields. Bytes of the module's code page show as \u00XX, one escape a byte.

#include <ostream>
#include <string>

#include "protocol_json/ProtocolJson.h"

namespace protocol_print_detail {

inline Json BytesAsCodePoints(const Json& v)
{
    if (v.is_string()) {
        std::string utf8;
        for (const char c : v.get_ref<const std::string&>()) {
            const auto b = static_cast<unsigned char>(c);
            if (b < 0x80) {
                utf8 += c;
            } else {
                utf8 += static_cast<char>(0xC0 | (b >> 6));
                utf8 += static_cast<char>(0x80 | (b & 0x3F));
            }
        }
        return utf8;
    }
    if (!v.is_structured()) return v;
    Json out = v.is_array() ? Json::array() : Json::object();
    for (auto it = v.begin(); it != v.end(); ++it) {
        if (v.is_array()) out.push_back(BytesAsCodePoints(*it));
        else out[it.key()] = BytesAsCodePoints(*it);
    }
    return out;
}

inline void Print(const Json& json, std::ostream* os)
{
    *os << BytesAsCodePoints(json).dump(-1, ' ', true);
}

}  // namespace protocol_print_detail

inline void PrintTo(const GameMessage& message, std::ostream* os)
{
    protocol_print_detail::Print(GameMessageToJson(message), os);
}

inline void PrintTo(const GameRequest& request, std::ostream* os)
{
    protocol_print_detail::Print(GameRequestToJson(request), os);
}
