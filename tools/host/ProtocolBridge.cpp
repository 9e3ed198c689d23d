// The replay's use of the protocol: messages built from their JSON form, requests read back.
#include "Replay.h"

#include "protocol/GameMessage.h"
#include "protocol/GameRequest.h"

std::optional<std::vector<uint8_t>> EncodeMessage(const std::string& name, const JsonValue& fields, std::string& error)
{
    JsonValue json = JsonValue::MakeObject();
    json.Set("name", JsonValue::MakeString(name));
    json.Set("fields", fields);
    GameMessage message;
    if (!GameMessageFromJson(json, message)) {
        error = "unknown message or fields that do not fit it";
        return std::nullopt;
    }
    return WriteGameMessage(message);
}

JsonValue DescribeRequest(const uint8_t* data, int size)
{
    GameRequest request;
    if (size <= 0 || !ReadGameRequest(data, static_cast<size_t>(size), request)) {
        JsonValue bad = JsonValue::MakeObject();
        bad.Set("unreadable", JsonValue::MakeInt(size));
        return bad;
    }
    return GameRequestToJson(request);
}
