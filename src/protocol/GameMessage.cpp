#include "protocol/GameMessage.h"

#include <array>
#include <new>

#include "foundation/core/XBuf.h"

namespace {

struct MessageType {
    std::string_view name;
    std::unique_ptr<MessageBody> (*create)();
    std::vector<FieldDescription> (*describe)();
};

template <class T>
std::unique_ptr<MessageBody> CreateBody()
{
    return std::make_unique<BodyOf<T>>();
}

#define MIRELLE_BODY_ENTRY(T) {T::kName, &CreateBody<T>, &DescribeFields<T>},
const MessageType kTypes[] = {MIRELLE_FOR_EACH_BODY(MIRELLE_BODY_ENTRY)};
#undef MIRELLE_BODY_ENTRY

static_assert(std::size(kTypes) == kMaxGameMessageId, "one body per id 1..80");

#define MIRELLE_CHECK_ID(T) static_assert(T::kId >= 1 && T::kId <= kMaxGameMessageId);
MIRELLE_FOR_EACH_BODY(MIRELLE_CHECK_ID)
#undef MIRELLE_CHECK_ID

const MessageType* TypeOf(int32_t id)
{
    if (id < 1 || id > kMaxGameMessageId) return nullptr;
    return &kTypes[id - 1];
}

}  // namespace

bool GameMessage::operator==(const GameMessage& other) const
{
    if (id != other.id) return false;
    if (!body || !other.body) return !body && !other.body;
    return body->Equals(*other.body);
}

std::string_view GameMessageName(int32_t id)
{
    const MessageType* t = TypeOf(id);
    return t ? t->name : std::string_view{};
}

int32_t GameMessageIdByName(std::string_view name)
{
    for (int32_t id = 1; id <= kMaxGameMessageId; ++id)
        if (kTypes[id - 1].name == name) return id;
    return -1;
}

std::unique_ptr<MessageBody> CreateMessageBody(int32_t id)
{
    const MessageType* t = TypeOf(id);
    return t ? t->create() : nullptr;
}

bool ReadGameMessage(const uint8_t* data, size_t size, GameMessage& out)
{
    DeleteGameMessage(out);
    try {
        ByteReader in(data, size);
        int32_t id = 0;
        if (!in.I32(id) || id < 0 || id > kMaxGameMessageId) return false;
        if (id == 0) return true;
        std::unique_ptr<MessageBody> body = CreateMessageBody(id);
        if (!body->Read(in)) return false;
        out.id = id;
        out.body = std::move(body);
        return true;
    } catch (...) {
        // Only allocation can throw here; the message is dropped like any other bad one.
        DeleteGameMessage(out);
        return false;
    }
}

bool ReadGameMessage(IXBuf* buffer, GameMessage& out)
{
    if (!buffer) {
        DeleteGameMessage(out);
        return false;
    }
    return ReadGameMessage(buffer->GetData(), buffer->GetLength(), out);
}

std::vector<uint8_t> WriteGameMessage(const GameMessage& message)
{
    std::vector<uint8_t> bytes;
    ByteWriter out(bytes);
    out.I32(message.id);
    if (message.body) message.body->Write(out);
    return bytes;
}

GameMessage CopyGameMessage(const GameMessage& message)
{
    GameMessage copy;
    copy.id = message.id;
    if (message.body) copy.body = message.body->Clone();
    return copy;
}

void DeleteGameMessage(GameMessage& message)
{
    message.body.reset();
    message.id = 0;
}

JsonValue GameMessageToJson(const GameMessage& message)
{
    JsonValue json = JsonValue::MakeObject();
    json.Set("id", JsonValue::MakeInt(message.id));
    json.Set("name", JsonValue::MakeString(std::string(GameMessageName(message.id))));
    json.Set("fields", message.body ? message.body->ToJson() : JsonValue::MakeObject());
    return json;
}

bool GameMessageFromJson(const JsonValue& json, GameMessage& out)
{
    DeleteGameMessage(out);
    try {
        if (!json.IsObject()) return false;
        int32_t id = -1;
        if (const JsonValue* name = json.Find("name")) {
            if (!name->IsString()) return false;
            id = GameMessageIdByName(name->GetString());
        }
        if (const JsonValue* idValue = json.Find("id")) {
            if (!idValue->IsInt() || (id >= 0 && idValue->GetInt() != id)) return false;
            if (idValue->GetInt() < 0 || idValue->GetInt() > kMaxGameMessageId) return false;
            id = static_cast<int32_t>(idValue->GetInt());
        }
        if (id < 0) return false;
        std::unique_ptr<MessageBody> body = CreateMessageBody(id);
        if (const JsonValue* fields = json.Find("fields")) {
            if (!body) {
                if (!fields->IsObject() || !fields->Members().empty()) return false;
            } else if (!body->FromJson(*fields)) {
                return false;
            }
        }
        out.id = id;
        out.body = std::move(body);
        return true;
    } catch (...) {
        DeleteGameMessage(out);
        return false;
    }
}

std::vector<FieldDescription> DescribeGameMessage(int32_t id)
{
    const MessageType* t = TypeOf(id);
    return t ? t->describe() : std::vector<FieldDescription>{};
}
