#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <tuple>
#include <string>
#include <vector>

#include "foundation/core/Wire.h"

TEST(Wire, RoundTripIsLittleEndianWithoutPadding)
{
    ByteWriter w;
    w.U8(0x12);
    w.U16(0x3456);
    w.I32(-2);
    w.I64(INT64_MIN);
    w.String("가나");
    const std::vector<uint8_t> want = {0x12, 0x56, 0x34, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0x80,
                                       4, 0, 0, 0, 0xB0, 0xA1, 0xB3, 0xAA};  // no terminator
    EXPECT_EQ(w.Bytes(), want);

    ByteReader r(w.Bytes().data(), w.Bytes().size());
    std::tuple<uint8_t, uint16_t, int32_t, int64_t, std::string> got;
    auto& [a, b, c, d, e] = got;
    ASSERT_TRUE(r.U8(a) && r.U16(b) && r.I32(c) && r.I64(d) && r.String(e));
    EXPECT_EQ(got, std::tuple(uint8_t{0x12}, uint16_t{0x3456}, -2, INT64_MIN, std::string("가나")));
    EXPECT_EQ(r.Remaining(), 0u);
}

namespace {
bool ReadString(ByteReader& r) { std::string v; return r.String(v); }
bool ReadShortString(ByteReader& r) { std::string v; return r.String(v, 2); }
bool CountOf4(ByteReader& r) { uint32_t n; return r.Count(n, 4); }
bool CountOf2(ByteReader& r) { uint32_t n; return r.Count(n, 2); }
bool ByteThenSkip(ByteReader& r, size_t n) { uint8_t b; return r.U8(b) && r.Skip(n); }
// A failed read leaves its output alone.
bool PoisonedU32(ByteReader& r) { uint32_t v = 0xCDCDCDCD; return r.U32(v) || v != 0xCDCDCDCD; }
}  // namespace

TEST(Wire, ReadsLengthsCountsAndSkipsAreCheckedAgainstTheBytesLeft)
{
    const std::vector<uint8_t> twelve = {3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0};
    const struct { const char* name; std::vector<uint8_t> bytes; std::function<bool(ByteReader&)> read; bool ok; } cases[] = {
        {"u32 from three bytes", {1, 2, 3}, PoisonedU32, false},
        {"null data counts as no bytes", {}, [](ByteReader&) { uint8_t b; return ByteReader(nullptr, 100).U8(b); }, false},
        {"string length beyond the data", {5, 0, 0, 0, 'a', 'b'}, ReadString, false},
        {"huge string length", {0xFF, 0xFF, 0xFF, 0xFF, 'a'}, ReadString, false},
        {"exact string", {2, 0, 0, 0, 'a', 'b'}, ReadString, true},
        {"string length cut short", {2, 0}, ReadString, false},
        {"string above the caller's limit", twelve, ReadShortString, false},
        {"three 4-byte elements in 8 bytes", twelve, CountOf4, false},
        {"three 2-byte elements in 8 bytes", twelve, CountOf2, true},
        {"skip to the end", twelve, [](ByteReader& r) { return ByteThenSkip(r, 11) && r.Remaining() == 0; }, true},
        {"skip one past the end", twelve, [](ByteReader& r) { return ByteThenSkip(r, 12); }, false},
        // The position plus these counts wraps around: only a check against the bytes left refuses them.
        {"skip that wraps the position", twelve, [](ByteReader& r) { return ByteThenSkip(r, SIZE_MAX); }, false},
        {"bytes that wrap the position", twelve, [](ByteReader& r) { return ByteThenSkip(r, 2) && r.Bytes(nullptr, SIZE_MAX - 2); }, false},
    };
    for (const auto& c : cases) {
        ByteReader r(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(c.read(r), c.ok) << c.name;
        uint8_t b = 0;
        if (!c.ok) { EXPECT_TRUE(!r.U8(b) && r.Failed() && r.Remaining() == 0) << c.name << ": the reader stays failed"; }
    }
}
