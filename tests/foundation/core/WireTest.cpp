#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
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
                                       4, 0, 0, 0};
    ASSERT_GE(w.Bytes().size(), want.size());
    EXPECT_EQ(std::vector<uint8_t>(w.Bytes().begin(), w.Bytes().begin() + static_cast<long>(want.size())), want);
    EXPECT_EQ(w.Bytes().size(), want.size() + 4) << "the string's bytes follow its length, no terminator";

    ByteReader r(w.Bytes().data(), w.Bytes().size());
    uint8_t a = 0;
    uint16_t b = 0;
    int32_t c = 0;
    int64_t d = 0;
    std::string e;
    ASSERT_TRUE(r.U8(a) && r.U16(b) && r.I32(c) && r.I64(d) && r.String(e));
    EXPECT_EQ(a, 0x12);
    EXPECT_EQ(b, 0x3456);
    EXPECT_EQ(c, -2);
    EXPECT_EQ(d, INT64_MIN);
    EXPECT_EQ(e, "가나");
    EXPECT_EQ(r.Remaining(), 0u);
}

TEST(Wire, ShortReadsFailAndStayFailed)
{
    const uint8_t three[] = {1, 2, 3};
    ByteReader r(three, sizeof three);
    uint32_t v = 0xCDCDCDCD;
    EXPECT_FALSE(r.U32(v));
    EXPECT_EQ(v, 0xCDCDCDCDu) << "a failed read leaves the output alone";
    uint8_t b = 0;
    EXPECT_FALSE(r.U8(b)) << "a failed reader fails every later read";
    EXPECT_TRUE(r.Failed());
    EXPECT_EQ(r.Remaining(), 0u);

    ByteReader empty(nullptr, 100);
    EXPECT_FALSE(empty.U8(b)) << "null data counts as no bytes";
}

TEST(Wire, LengthsAndCountsAreCheckedAgainstTheBytesLeft)
{
    const struct { const char* name; std::vector<uint8_t> bytes; bool ok; } strings[] = {
        {"length beyond the data", {5, 0, 0, 0, 'a', 'b'}, false},
        {"huge length", {0xFF, 0xFF, 0xFF, 0xFF, 'a'}, false},
        {"exact", {2, 0, 0, 0, 'a', 'b'}, true},
        {"empty string", {0, 0, 0, 0}, true},
        {"length cut short", {2, 0}, false},
    };
    for (const auto& c : strings) {
        ByteReader r(c.bytes.data(), c.bytes.size());
        std::string s = "poison";
        EXPECT_EQ(r.String(s), c.ok) << c.name;
    }

    const std::vector<uint8_t> count = {3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0};
    ByteReader r(count.data(), count.size());
    uint32_t n = 0;
    EXPECT_FALSE(r.Count(n, 4)) << "three 4-byte elements cannot fit in 8 bytes";
    ByteReader r2(count.data(), count.size());
    EXPECT_TRUE(r2.Count(n, 2));
    EXPECT_EQ(n, 3u);
    ByteReader r3(count.data(), count.size());
    std::string limited;
    EXPECT_FALSE(r3.String(limited, 2)) << "a string above the caller's limit fails";
}
