#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "foundation/core/XBuf.h"

TEST(XBuf, AppendsAtTheEndAndConsumesAtTheFrontAcrossBlockSizes)
{
    IXBuf* b = CreateXBuf();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetData(), nullptr) << "empty";
    EXPECT_EQ(b->Append(nullptr, 3), 0);
    char out[4] = {};
    EXPECT_EQ(b->Consume(out, 1), 0) << "a short consume removes nothing";
    std::string want;
    for (int i = 0; i < 3000; ++i) {
        const std::string piece = std::to_string(i) + ",";
        ASSERT_EQ(b->Append(piece.data(), static_cast<uint32_t>(piece.size())), 1);
        want += piece;
        if (i % 7 == 0) {  // consume from the front now and then
            ASSERT_EQ(b->Consume(out, 2), 1);
            EXPECT_EQ(std::string(out, 2), want.substr(0, 2)) << i;
            want.erase(0, 2);
        }
    }
    ASSERT_EQ(b->GetLength(), want.size());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b->GetData()), b->GetLength()), want);
    EXPECT_EQ(b->Consume(out, static_cast<uint32_t>(want.size()) + 1), 0);
    EXPECT_EQ(b->GetLength(), want.size());
    EXPECT_EQ(b->Consume(nullptr, static_cast<uint32_t>(want.size())), 1);
    EXPECT_EQ(b->GetLength(), 0u);
    EXPECT_EQ(b->Release(), 0u);
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
