#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "FillFields.h"
#include "foundation/core/XBuf.h"
#include "protocol/GameRequest.h"
#include "support/ProtocolPrint.h"

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int32_t> values, const std::string& tail = {})
{
    std::vector<uint8_t> bytes;
    ByteWriter w(bytes);
    for (const int32_t v : values) w.I32(v);
    w.Append(tail.data(), tail.size());
    return bytes;
}

template <size_t I = 0>
void AddFilled(std::vector<GameRequest>& out)
{
    if constexpr (I < std::variant_size_v<Requests::Payload>) {
        std::variant_alternative_t<I, Requests::Payload> payload;
        FillFields(payload, static_cast<int32_t>(I) * 10 + 1);
        out.emplace_back(std::move(payload));
        AddFilled<I + 1>(out);
    }
}

}  // namespace

TEST(GameRequest, EveryTypeRoundTripsThroughBytesAndJson)
{
    std::vector<GameRequest> all;
    AddFilled(all);
    ASSERT_EQ(all.size(), 37u);
    for (int32_t type = 0; type <= kMaxGameRequestType; ++type) {
        const GameRequest& r = all[static_cast<size_t>(type)];
        const std::string name(GameRequestName(type));
        EXPECT_EQ(r.Type(), type) << name;
        EXPECT_EQ(GameRequestTypeByName(name), type) << name;

        const std::vector<uint8_t> bytes = SerializeGameRequest(r);
        const auto* withText = r.Get<Requests::Request36>();
        EXPECT_EQ(bytes.size(), 4 + 4 * DescribeGameRequest(type).size() + (withText ? withText->text.size() : 0)) << name;
        GameRequest back;
        ASSERT_TRUE(ReadGameRequest(bytes.data(), bytes.size(), back)) << name;
        EXPECT_EQ(back, r) << name;

        GameRequest fromJson;
        ASSERT_TRUE(GameRequestFromJson(GameRequestToJson(r), fromJson)) << name;
        EXPECT_EQ(fromJson, r) << name;
    }
}

TEST(GameRequest, BufferHoldsTheSerialisedBytes)
{
    const GameRequest r = Requests::Request36{1001, "text"};
    IXBuf* buffer = CreateGameRequestBuffer(r);
    ASSERT_NE(buffer, nullptr);
    const std::vector<uint8_t> want = SerializeGameRequest(r);
    ASSERT_EQ(buffer->GetLength(), want.size());
    EXPECT_EQ(std::vector<uint8_t>(buffer->GetData(), buffer->GetData() + buffer->GetLength()), want);
    EXPECT_EQ(buffer->Release(), 0u);
}

TEST(GameRequest, ReaderFailsOnBadTypesAndShortPayloads)
{
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        bool ok;
    } cases[] = {
        {"type 37", Bytes({37}), false},
        {"type -1", Bytes({-1}), false},
        {"play card one field short", Bytes({12, 0, 12}), false},
        {"text longer than the bytes", Bytes({36, 1, 5}, "abc"), false},
        {"type 0 alone", Bytes({0}), true},
    };
    for (const auto& c : cases) {
        GameRequest r;
        EXPECT_EQ(ReadGameRequest(c.bytes.data(), c.bytes.size(), r), c.ok) << c.name;
    }
}
