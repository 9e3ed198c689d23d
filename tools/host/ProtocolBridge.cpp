// The replay's use of the protocol: messages built from their JSON form, requests read back.
#include "Replay.h"

#include "protocol_json/ProtocolJson.h"

std::optional<std::vector<uint8_t>> EncodeMessage(const std::string& name, const Json& fields, std::string& error)
{
    const Json json = {{"name", name}, {"fields", fields}};
    GameMessage message;
    if (!GameMessageFromJson(json, message)) {
        error = "unknown message or fields that do not fit it";
        return std::nullopt;
    }
    return WriteGameMessage(message);
}

Json DescribeRequest(const uint8_t* data, int size)
{
    GameRequest request;
    if (size <= 0 || !ReadGameRequest(data, static_cast<size_t>(size), request)) return {{"unreadable", size}};
    return GameRequestToJson(request);
}
