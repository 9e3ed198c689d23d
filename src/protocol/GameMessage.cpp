#include "protocol/GameMessage.h"

#include <iterator>

#include "foundation/core/XBuf.h"

namespace {

#define MIRELLE_BODY_NAME(T) std::string_view(T::kName),
constexpr std::string_view kNames[] = {MIRELLE_FOR_EACH_BODY(MIRELLE_BODY_NAME)};
#undef MIRELLE_BODY_NAME

#define MIRELLE_BODY_ID(T) T::kId,
constexpr int32_t kIds[] = {MIRELLE_FOR_EACH_BODY(MIRELLE_BODY_ID)};
#undef MIRELLE_BODY_ID

constexpr bool ListedInIdOrder()
{
    for (size_t i = 0; i < std::size(kIds); ++i)
        if (kIds[i] != static_cast<int32_t>(i) + 1) return false;
    return true;
}
static_assert(std::size(kIds) == static_cast<size_t>(kMaxGameMessageId) && ListedInIdOrder(), "one body per id 1..80, in id order");

}  // namespace

bool GameMessage::operator==(const GameMessage& other) const
{
    if (id != other.id) return false;
    if (!body || !other.body) return !body && !other.body;
    return body->Equals(*other.body);
}

std::string_view GameMessageName(int32_t id)
{
    if (id < 1 || id > kMaxGameMessageId) return {};
    return kNames[id - 1];
}

int32_t GameMessageIdByName(std::string_view name)
{
    for (int32_t id = 1; id <= kMaxGameMessageId; ++id)
        if (kNames[id - 1] == name) return id;
    return -1;
}

std::unique_ptr<MessageBody> CreateMessageBody(int32_t id)
{
    std::unique_ptr<MessageBody> body;
    VisitMessageBodyType(id, [&body]<class T>(std::type_identity<T>) { body = std::make_unique<BodyOf<T>>(); });
    return body;
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

std::vector<FieldDescription> DescribeGameMessage(int32_t id)
{
    std::vector<FieldDescription> fields;
    VisitMessageBodyType(id, [&fields]<class T>(std::type_identity<T>) { fields = DescribeFields<T>(); });
    return fields;
}
