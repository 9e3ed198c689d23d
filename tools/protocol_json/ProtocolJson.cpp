#include "protocol_json/ProtocolJson.h"

#include <type_traits>
#include <utility>
#include <variant>

namespace {

// The number a message or request is given by: "name", the number member or both. -1 when
// neither is there, a name names nothing, the number is out of 0..maxNumber or the two disagree.
int32_t NumberOf(const Json& json, const char* numberKey, int32_t maxNumber, int32_t (*numberOfName)(std::string_view))
{
    int32_t byName = -1;
    if (const Json* name = FindMember(json, "name")) {
        if (!name->is_string()) return -1;
        byName = numberOfName(name->get_ref<const std::string&>());
        if (byName < 0) return -1;
    }
    const Json* number = FindMember(json, numberKey);
    if (!number) return byName;
    const std::optional<int64_t> n = IntegerOf(*number);
    if (!n || *n < 0 || *n > maxNumber || (byName >= 0 && *n != byName)) return -1;
    return static_cast<int32_t>(*n);
}

// Message id 0: no body, so only an empty "fields" fits.
struct NoFields {
    template <class V> void Fields(V&) {}
};

}  // namespace

Json GameMessageToJson(const GameMessage& message)
{
    Json fields = Json::object();
    VisitMessageBodyType(message.id, [&]<class T>(std::type_identity<T>) {
        if (const T* body = message.Get<T>()) fields = FieldsToJson(*body);
    });
    Json json = Json::object();
    json["id"] = message.id;
    if (const std::string_view name = GameMessageName(message.id); !name.empty()) json["name"] = std::string(name);
    json["fields"] = std::move(fields);
    return json;
}

bool GameMessageFromJson(const Json& json, GameMessage& out)
{
    DeleteGameMessage(out);
    try {
        const int32_t id = NumberOf(json, "id", kMaxGameMessageId, GameMessageIdByName);
        if (id < 0) return false;
        const Json* fields = FindMember(json, "fields");
        if (id == 0) {
            NoFields none;
            return !fields || FieldsFromJson(*fields, none);
        }
        GameMessage message;
        VisitMessageBodyType(id, [&]<class T>(std::type_identity<T>) {
            T body;
            if (!fields || FieldsFromJson(*fields, body)) message = GameMessage(std::move(body));
        });
        if (!message.body) return false;
        out = std::move(message);
        return true;
    } catch (...) {
        DeleteGameMessage(out);
        return false;
    }
}

Json GameRequestToJson(const GameRequest& request)
{
    Json json = Json::object();
    json["type"] = request.Type();
    json["name"] = std::string(GameRequestName(request.Type()));
    json["fields"] = std::visit([](const auto& p) { return FieldsToJson(p); }, request.payload);
    return json;
}

bool GameRequestFromJson(const Json& json, GameRequest& out)
{
    try {
        std::optional<GameRequest> request =
            DefaultGameRequest(NumberOf(json, "type", kMaxGameRequestType, GameRequestTypeByName));
        if (!request) return false;
        if (const Json* fields = FindMember(json, "fields")) {
            const bool ok = std::visit([fields](auto& p) { return FieldsFromJson(*fields, p); }, request->payload);
            if (!ok) return false;
        }
        out = std::move(*request);
        return true;
    } catch (...) {
        return false;
    }
}

std::optional<Json> ParseJson(std::string_view text)
{
    try {
        Json json = Json::parse(text.begin(), text.end(), nullptr, false);
        if (json.is_discarded()) return std::nullopt;
        return json;
    } catch (...) {
        return std::nullopt;
    }
}

std::string DumpJson(const Json& json)
{
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}
