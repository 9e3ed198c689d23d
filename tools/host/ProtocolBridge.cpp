// The replay's use of the protocol: messages built from their JSON form, requests read back.
#include "Replay.h"

#include "protocol_json/ProtocolJson.h"

std::optional<std::vector<uint8_t>> EncodeMessage(const std::string& name, const Json& fields, std::string& error)
{
    const Json json = {{"name", name}, {"fields", fields}};
    GameMessage message;
    if (GameMessageFromJson(json, message)) return WriteGameMessage(message);
    // Say which: the message, a field it does not have, or a value that does not fit.
    if (!GameMessageFromJson({{"name", name}}, message)) {
        error = "no message is named " + name + " (docs/protocol.md lists them)";
        return std::nullopt;
    }
    const Json known = GameMessageToJson(message)["fields"];
    std::string names;
    for (auto it = known.begin(); it != known.end(); ++it) names += (names.empty() ? "" : ", ") + it.key();
    if (fields.is_object())
        for (auto it = fields.begin(); it != fields.end(); ++it)
            if (!FindMember(known, it.key().c_str())) {
                error = "it has no field \"" + it.key() + "\" (its fields: " + names + ")";
                return std::nullopt;
            }
    error = "a field's value does not fit its type or count (its fields: " + names + ")";
    return std::nullopt;
}

Json DescribeRequest(const uint8_t* data, int size)
{
    GameRequest request;
    if (size <= 0 || !ReadGameRequest(data, static_cast<size_t>(size), request)) return {{"unreadable", size}};
    return GameRequestToJson(request);
}
