#include "protocol/GameRequest.h"

#include <array>
#include <utility>

#include "foundation/core/Wire.h"
#include "foundation/core/XBuf.h"

namespace {

static_assert(std::variant_size_v<Requests::Payload> == kMaxGameRequestType + 1);

template <size_t... I>
constexpr bool TypesMatchIndexes(std::index_sequence<I...>)
{
    return ((std::variant_alternative_t<I, Requests::Payload>::kType == static_cast<int32_t>(I)) && ...);
}
static_assert(TypesMatchIndexes(std::make_index_sequence<kMaxGameRequestType + 1>{}), "alternative i is type i");

// A default payload of the type; false for a type out of range.
template <size_t I = 0>
bool MakePayload(int32_t type, Requests::Payload& out)
{
    if constexpr (I < std::variant_size_v<Requests::Payload>) {
        if (type == static_cast<int32_t>(I)) {
            out.emplace<I>();
            return true;
        }
        return MakePayload<I + 1>(type, out);
    } else {
        return false;
    }
}

template <size_t... I>
constexpr std::array<std::string_view, sizeof...(I)> Names(std::index_sequence<I...>)
{
    return {std::string_view(std::variant_alternative_t<I, Requests::Payload>::kName)...};
}
constexpr auto kNames = Names(std::make_index_sequence<kMaxGameRequestType + 1>{});

}  // namespace

std::string_view GameRequestName(int32_t type)
{
    if (type < 0 || type > kMaxGameRequestType) return {};
    return kNames[static_cast<size_t>(type)];
}

int32_t GameRequestTypeByName(std::string_view name)
{
    for (size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name) return static_cast<int32_t>(i);
    return -1;
}

std::optional<GameRequest> DefaultGameRequest(int32_t type)
{
    GameRequest request;
    if (!MakePayload(type, request.payload)) return std::nullopt;
    return request;
}

std::vector<uint8_t> SerializeGameRequest(const GameRequest& request)
{
    std::vector<uint8_t> bytes;
    ByteWriter out(bytes);
    out.I32(request.Type());
    std::visit([&out](const auto& p) { WriteFields(out, p); }, request.payload);
    return bytes;
}

IXBuf* CreateGameRequestBuffer(const GameRequest& request)
{
    try {
        const std::vector<uint8_t> bytes = SerializeGameRequest(request);
        return CreateXBuf(bytes.data(), static_cast<uint32_t>(bytes.size()));
    } catch (...) {
        return nullptr;
    }
}

bool ReadGameRequest(const uint8_t* data, size_t size, GameRequest& out)
{
    try {
        ByteReader in(data, size);
        int32_t type = 0;
        Requests::Payload payload;
        if (!in.I32(type) || !MakePayload(type, payload)) return false;
        const bool ok = std::visit([&in](auto& p) { return ReadFields(in, p); }, payload);
        if (!ok) return false;
        out.payload = std::move(payload);
        return true;
    } catch (...) {
        return false;
    }
}

std::vector<FieldDescription> DescribeGameRequest(int32_t type)
{
    Requests::Payload payload;
    if (!MakePayload(type, payload)) return {};
    return std::visit([](auto& p) { return DescribeFields<std::decay_t<decltype(p)>>(); }, payload);
}
