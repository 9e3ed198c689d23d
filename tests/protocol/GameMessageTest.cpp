#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "AllocationWatch.h"
#include "FillFields.h"
#include "foundation/core/XBuf.h"
#include "protocol/GameMessage.h"
#include "protocol/GameRequest.h"
#include "support/ProtocolPrint.h"

namespace {

template <class T> GameMessage Filled()
{
    T body;
    FillFields(body);
    return GameMessage(std::move(body));
}

std::vector<uint8_t> Bytes(std::initializer_list<int32_t> values, const std::string& tail = {})
{
    std::vector<uint8_t> bytes;
    ByteWriter w(bytes);
    for (const int32_t v : values) w.I32(v);
    w.Append(tail.data(), tail.size());
    return bytes;
}

bool Read(const std::vector<uint8_t>& bytes, GameMessage& m)
{
    return ReadGameMessage(bytes.data(), bytes.size(), m);
}

}  // namespace

// Messages come from the server; requests are read back by the stand-in host.
TEST(WireReader, RefusesBadIdsAndShortBuffers)
{
    const struct { const char* name; bool request; std::vector<uint8_t> bytes; bool ok; int32_t id; } cases[] = {
        {"empty buffer", false, {}, false, 0},
        {"three bytes of an id", false, {25, 0, 0}, false, 0},
        {"id 0 has no body", false, Bytes({0}), true, 0},
        {"id 81", false, Bytes({81, 0, 0, 0}), false, 0},
        {"negative id", false, Bytes({-1, 0, 0}), false, 0},
        {"empty body of 73", false, Bytes({73}), true, 73},
        {"trailing bytes are ignored", false, Bytes({25, 1, 2, 99}), true, 25},
        {"body one field short", false, Bytes({25, 1}), false, 0},
        {"snapshot with three seats", false, Bytes({4, 5, -1, 0, 0, 0, 0, -1, 0, 0, 1, -1, 0, 0, 0, 0, 3}), false, 0},
        {"request type 37", true, Bytes({37}), false, 0},
        {"request type -1", true, Bytes({-1}), false, 0},
        {"request one field short", true, Bytes({12, 0, 12}), false, 0},
        {"request text longer than the bytes", true, Bytes({36, 1, 5}, "abc"), false, 0},
        {"request without payload", true, Bytes({17}), true, 17},
    };
    for (const auto& c : cases) {
        if (c.request) {
            GameRequest r;
            EXPECT_EQ(ReadGameRequest(c.bytes.data(), c.bytes.size(), r), c.ok) << c.name;
            EXPECT_EQ(r.Type(), c.id) << c.name;
            continue;
        }
        GameMessage m = GameMessage(TurnStart{});  // a stale message must not survive a failed read
        EXPECT_EQ(Read(c.bytes, m), c.ok) << c.name;
        EXPECT_EQ(m.id, c.id) << c.name;
        EXPECT_EQ(m.body != nullptr, c.ok && c.id != 0) << c.name;
    }
}

TEST(WireReader, RefusesEveryTruncationOfALargeBody)
{
    for (const GameMessage& m : {Filled<RoomEnterAnswer>(), Filled<GameDataSync>(), Filled<RoundResult>(),
                                 Filled<GameEnd>(), Filled<DesperateRoundResult>(), Filled<MoneyCapNotice>()}) {
        const std::vector<uint8_t> bytes = WriteGameMessage(m);
        for (size_t n = 0; n < bytes.size(); ++n) {
            GameMessage back;
            ASSERT_FALSE(ReadGameMessage(bytes.data(), n, back)) << GameMessageName(m.id) << " cut at " << n;
            ASSERT_EQ(back.body, nullptr);
        }
    }
}

TEST(WireReader, RefusesHugeCountsAndLengthsWithoutAllocating)
{
    const struct { const char* name; std::vector<uint8_t> bytes; } cases[] = {
        {"card list of 2^31 cards", Bytes({27, 7, 0x7FFFFFFF, 1, 2})},
        {"card list one longer than the bytes", Bytes({27, 7, 3, 1, 2, 0})},
        {"text of 4 GiB", Bytes({13, -16, 0, 0})},
        {"list of records", Bytes({62, 0x10000000, 1, 2, 3, 4})},
        {"nested list inside a snapshot", Bytes({4, 5, -1, 0, 0, 0, 1, -1, 0x40000000})},
    };
    largestAllocation = 0;
    watching = true;
    std::vector<uint8_t> probe(10000);
    watching = false;
    ASSERT_GE(largestAllocation.load(), probe.size()) << "the allocation watch sees nothing";
    for (const auto& c : cases) {
        GameMessage m;
        largestAllocation = 0;
        watching = true;
        const bool ok = Read(c.bytes, m);
        watching = false;
        EXPECT_FALSE(ok) << c.name;
        EXPECT_LT(largestAllocation.load(), 4096u) << c.name;
    }
}

TEST(GameMessage, CopyIsDeepAndTakesANullBody)
{
    GameMessage original = Filled<RoomEnterAnswer>();
    const GameMessage copy = CopyGameMessage(original);
    original.Get<RoomEnterAnswer>()->room.seats.players[1].nickname = "changed";
    EXPECT_NE(copy, original);
    DeleteGameMessage(original);
    EXPECT_EQ(copy, Filled<RoomEnterAnswer>()) << "the copy kept the original's values";

    GameMessage empty;
    empty.id = 68;
    const GameMessage emptyCopy = CopyGameMessage(empty);
    EXPECT_EQ(emptyCopy.body, nullptr);
    EXPECT_EQ(WriteGameMessage(emptyCopy), Bytes({68}));
    DeleteGameMessage(empty);
    DeleteGameMessage(empty);
    EXPECT_EQ(empty.id, 0);
}

TEST(GameMessage, ReadsABufferWithoutConsumingIt)
{
    const std::vector<uint8_t> bytes = WriteGameMessage(Filled<DealCards>());
    IXBuf* buffer = CreateXBuf(bytes.data(), static_cast<uint32_t>(bytes.size()));
    ASSERT_NE(buffer, nullptr);
    GameMessage m;
    EXPECT_TRUE(ReadGameMessage(buffer, m));
    EXPECT_EQ(m, Filled<DealCards>());
    EXPECT_EQ(buffer->GetLength(), bytes.size());
    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_FALSE(ReadGameMessage(static_cast<IXBuf*>(nullptr), m));
    EXPECT_EQ(m.body, nullptr);
}

namespace {

// Wire bytes built field by field; Cut drops the last n bytes.
struct Wire {
    std::vector<uint8_t> bytes;
    Wire& I(std::initializer_list<int32_t> values) { return Put(Bytes(values)); }
    Wire& L(int64_t v)
    {
        ByteWriter(bytes).I64(v);
        return *this;
    }
    Wire& S(const std::string& text) { return Put(Bytes({static_cast<int32_t>(text.size())}, text)); }
    Wire& Cut(size_t n)
    {
        bytes.resize(bytes.size() - n);
        return *this;
    }
    Wire& Put(const std::vector<uint8_t>& more)
    {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
};

Wire EntryLimit() { return Wire().I({10, 3, 77}).S("ab"); }
// Seat 101's sweep: card 7 captured, multiplier 2, points 3 and 4, no pi taken, KJ value 9.
Wire TurnResultOf() { return Wire().I({34, 101, 6, 1, 7, 2, 3, 4, 0, 9}); }

TurnResult Sweep(int32_t bonusFlag)
{
    return TurnResult{.userKey = 101, .turnKind = 6, .captured = {7}, .multiplier = 2, .points = {3, 4},
                      .kjValue = 9, .bonusFlag = bonusFlag};
}

}  // namespace

// A server that sends the older layouts, which end earlier, still gets its messages read; a body
// cut anywhere else is dropped.
TEST(WireReader, ReadsMissingTrailingFieldsAsZeroAndKeepsTheOthersStrict)
{
    const struct { const char* name; std::vector<uint8_t> bytes; std::optional<GameMessage> want; } cases[] = {
        {"entry limit ending after its text", EntryLimit().bytes, GameMessage(EntryLimitChanged{3, 77, "ab", 0, 0})},
        {"entry limit without its show flag", EntryLimit().I({5}).bytes, GameMessage(EntryLimitChanged{3, 77, "ab", 5, 0})},
        {"entry limit in full", EntryLimit().I({5, 1}).bytes, GameMessage(EntryLimitChanged{3, 77, "ab", 5, 1})},
        {"turn result ending after the KJ value", TurnResultOf().bytes, GameMessage(Sweep(0))},
        {"turn result in full", TurnResultOf().I({1}).bytes, GameMessage(Sweep(1))},
        {"entry limit cut inside its text", EntryLimit().Cut(1).bytes, std::nullopt},
        {"entry limit cut inside its value", EntryLimit().I({5}).Cut(2).bytes, std::nullopt},
        {"entry limit cut inside its show flag", EntryLimit().I({5, 1}).Cut(1).bytes, std::nullopt},
        {"turn result cut inside the KJ value", TurnResultOf().Cut(2).bytes, std::nullopt},
        {"turn result ending before the KJ value", TurnResultOf().Cut(4).bytes, std::nullopt},
        {"turn result cut inside the bonus flag", TurnResultOf().I({1}).Cut(3).bytes, std::nullopt},
        // Fields the older layouts lack inside the body stay required.
        {"money returned without its value", Wire().I({59, 202}).L(int64_t{5} << 32).bytes, std::nullopt},
        {"play count without its value", Wire().I({60, 202}).L(1).I({500, 3}).bytes, std::nullopt},
        {"S mission result without second money", Wire().I({39, 0, 1, 0}).L(10).L(20).L(30).bytes, std::nullopt},
        {"D mission result without second money", Wire().I({40, 1, 0, 0, 1}).L(10).L(20).L(30).bytes, std::nullopt},
        {"kick reserve without its value", Wire().I({8, 1, 202, 101}).L(1000).S("name").bytes, std::nullopt},
    };
    for (const auto& c : cases) {
        GameMessage m = GameMessage(TurnStart{});
        EXPECT_EQ(Read(c.bytes, m), c.want.has_value()) << c.name;
        if (c.want) EXPECT_EQ(m, *c.want) << c.name;
        else EXPECT_EQ(m.body, nullptr) << c.name;
    }
}

// An optional field read as absent leaves no byte for the fields after it: only optional fields
// may follow one.
TEST(WireReader, OptionalFieldsOnlyEndABody)
{
    int optionalBodies = 0;
    for (int32_t id = 1; id <= kMaxGameMessageId; ++id) {
        bool optionalSeen = false;
        for (const FieldDescription& f : DescribeGameMessage(id)) {
            const bool optional = f.type.ends_with('?');
            EXPECT_FALSE(optionalSeen && !optional) << GameMessageName(id) << ": " << f.name << " follows an optional field";
            optionalSeen = optionalSeen || optional;
        }
        optionalBodies += optionalSeen;
    }
    EXPECT_EQ(optionalBodies, 2) << "EntryLimitChanged and TurnResult";
}
