#pragma once

// An incoming server message: a 32-bit id 0..80 and the body of that id. Id 0 has no body; a
// read that fails leaves id 0 and no body, so no handler ever sees a partial body.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "foundation/core/Wire.h"
#include "protocol/FieldVisitors.h"
#include "protocol/MessageBodies.h"

struct IXBuf;

constexpr int32_t kMaxGameMessageId = 80;

// The body of one message id; the operations follow from the body's `Fields`.
class MessageBody {
public:
    virtual ~MessageBody() = default;
    virtual int32_t Id() const = 0;
    virtual std::unique_ptr<MessageBody> Clone() const = 0;
    [[nodiscard]] virtual bool Read(ByteReader& in) = 0;
    virtual void Write(ByteWriter& out) const = 0;
    virtual bool Equals(const MessageBody& other) const = 0;
};

template <class T>
class BodyOf final : public MessageBody {
public:
    BodyOf() = default;
    explicit BodyOf(T v) : value(std::move(v)) {}

    int32_t Id() const override { return T::kId; }
    std::unique_ptr<MessageBody> Clone() const override { return std::make_unique<BodyOf>(value); }
    bool Read(ByteReader& in) override { return ReadFields(in, value); }
    void Write(ByteWriter& out) const override { WriteFields(out, value); }
    bool Equals(const MessageBody& other) const override
    {
        const auto* o = dynamic_cast<const BodyOf*>(&other);
        return o && o->value == value;
    }

    T value;
};

struct GameMessage {
    int32_t id = 0;
    std::unique_ptr<MessageBody> body;  // null for id 0 and after a failed read

    GameMessage() = default;
    template <class T>
    explicit GameMessage(T b) : id(T::kId), body(std::make_unique<BodyOf<T>>(std::move(b)))
    {
    }

    // The body as its type, null when the message holds another id or no body.
    template <class T> const T* Get() const
    {
        if (id != T::kId || !body) return nullptr;
        const auto* b = dynamic_cast<const BodyOf<T>*>(body.get());
        return b ? &b->value : nullptr;
    }
    template <class T> T* Get() { return const_cast<T*>(std::as_const(*this).Get<T>()); }

    bool operator==(const GameMessage& other) const;
};

// The name of an id ("DealCards"), empty for 0 and ids out of range.
std::string_view GameMessageName(int32_t id);
// The id of a name, -1 when none has it.
int32_t GameMessageIdByName(std::string_view name);
// A new default body of the id, null for id 0 and ids out of range.
std::unique_ptr<MessageBody> CreateMessageBody(int32_t id);

// Calls f(std::type_identity<T>{}) with the body type of the id, so code outside the protocol
// (the JSON form of scripts and traces) can walk that type's `Fields`. False, and f is not
// called, for id 0 and ids out of range.
template <class F>
bool VisitMessageBodyType(int32_t id, F&& f)
{
#define MIRELLE_BODY_CASE(T) \
    case T::kId: f(std::type_identity<T>{}); return true;
    switch (id) {
        MIRELLE_FOR_EACH_BODY(MIRELLE_BODY_CASE)
    default: return false;
    }
#undef MIRELLE_BODY_CASE
}

// Reads one message. Fails on a short buffer, an id above 80 or a count or length larger than
// the bytes left; bytes after the body are ignored. Never throws.
[[nodiscard]] bool ReadGameMessage(const uint8_t* data, size_t size, GameMessage& out);
// Reads the unconsumed bytes of a buffer without consuming them.
[[nodiscard]] bool ReadGameMessage(IXBuf* buffer, GameMessage& out);

// The id and the body's fields as the wire carries them.
std::vector<uint8_t> WriteGameMessage(const GameMessage& message);

// A deep copy by id.
GameMessage CopyGameMessage(const GameMessage& message);
// Destroys the body (a null body included) and sets the id to 0.
void DeleteGameMessage(GameMessage& message);

// The body's top-level fields of the id, in wire order, for the wire document.
std::vector<FieldDescription> DescribeGameMessage(int32_t id);
