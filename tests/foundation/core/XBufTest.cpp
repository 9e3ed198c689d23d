#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "foundation/core/XBuf.h"

TEST(XBuf, AppendAtTheEndConsumeAtTheFront)
{
    IXBuf* b = CreateXBuf();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetLength(), 0u);
    EXPECT_EQ(b->GetData(), nullptr);
    ASSERT_EQ(b->Append("abcdef", 6), 1);
    char out[4] = {};
    ASSERT_EQ(b->Consume(out, 2), 1);
    EXPECT_EQ(std::string(out, 2), "ab");
    EXPECT_EQ(b->GetLength(), 4u);
    EXPECT_EQ(std::memcmp(b->GetData(), "cdef", 4), 0);
    EXPECT_EQ(b->Consume(out, 5), 0) << "a short consume removes nothing";
    EXPECT_EQ(b->GetLength(), 4u);
    EXPECT_EQ(b->Consume(nullptr, 4), 1);
    EXPECT_EQ(b->GetLength(), 0u);
    EXPECT_EQ(b->Append(nullptr, 3), 0);
    EXPECT_EQ(b->Release(), 0u);
}

TEST(XBuf, GrowsAcrossBlockSizesKeepingTheBytes)
{
    IXBuf* b = CreateXBuf();
    std::string want;
    for (int i = 0; i < 3000; ++i) {
        const std::string piece = std::to_string(i) + ",";
        ASSERT_EQ(b->Append(piece.data(), static_cast<uint32_t>(piece.size())), 1);
        want += piece;
        if (i % 7 == 0) {  // consume from the front now and then
            ASSERT_EQ(b->Consume(nullptr, 1), 1);
            want.erase(0, 1);
        }
    }
    ASSERT_EQ(b->GetLength(), want.size());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b->GetData()), b->GetLength()), want);
    b->Release();
}

TEST(XBuf, ReferenceCountsHoldUnderTwoThreadsAndPoolsReturnEverything)
{
    const XBufPoolStats before = GetXBufPoolStats();
    IXBuf* shared = CreateXBuf("x", 1);
    auto worker = [shared] {
        for (int i = 0; i < 20000; ++i) {
            shared->AddRef();
            IXBuf* own = CreateXBuf("payload", 7);
            own->Release();
            shared->Release();
        }
    };
    std::thread t1(worker), t2(worker);
    t1.join();
    t2.join();
    EXPECT_EQ(shared->GetLength(), 1u);
    EXPECT_EQ(shared->Release(), 0u) << "every AddRef was matched";
    const XBufPoolStats after = GetXBufPoolStats();
    EXPECT_EQ(after.liveBuffers, before.liveBuffers);
    EXPECT_EQ(after.liveBlocks, before.liveBlocks);
}
