#include <gtest/gtest.h>

#include <array>
#include <string>

#include "sound/core/VoiceCache.h"

namespace {

const PcmFormat kMono = {1, 1, 22050, 44100, 2, 16};
const PcmFormat kStereo = {1, 2, 22050, 88200, 4, 16};

// Twenty loaded slots of one format, each 10000 bytes, replayed twice (not reusable), last used at 90000.
std::array<VoiceSlotView, 20> FullCache()
{
    std::array<VoiceSlotView, 20> slots;
    slots.fill({true, "phrase", kMono, 2, 90000, 10000});
    return slots;
}

}  // namespace

TEST(VoiceCache, FindsLoadedSlotsByName)
{
    const std::array<VoiceSlotView, 3> slots = {
        {{false, "a.ogg", kMono, 0, 0, 0}, {true, "b.ogg", kMono, 0, 0, 100}, {true, "a.ogg", kMono, 0, 0, 100}}};
    EXPECT_EQ(FindCachedVoice(slots, "a.ogg"), 2) << "a slot without a buffer holds nothing";
    EXPECT_EQ(FindCachedVoice(slots, "b.ogg"), 1);
    EXPECT_EQ(FindCachedVoice(slots, "B.ogg"), -1);
    EXPECT_EQ(FindCachedVoice(slots, ""), -1);
}

TEST(VoiceCache, ChoosesFreeThenReusableThenOldest)
{
    const uint32_t now = 100000;
    struct Case {
        const char* name;
        void (*setup)(std::array<VoiceSlotView, 20>&);
        PcmFormat format;
        uint32_t bytes;
        VoiceChoice expected;
    };
    const Case cases[] = {
        {"first free slot", [](auto& s) { s[7].hasBuffer = false, s[9].hasBuffer = false; }, kMono, 9000, {7, false}},
        {"1000 bytes smaller reuses the last reusable slot",
         [](auto& s) { s[3].useCount = 1, s[12].useCount = 0; }, kMono, 9000, {12, true}},
        {"exactly the buffer size reuses", [](auto& s) { s[4].useCount = 1; }, kMono, 10000, {4, true}},
        {"1024 bytes smaller reuses", [](auto& s) { s[4].useCount = 1; }, kMono, 8976, {4, true}},
        {"1025 bytes smaller does not: the slot is evicted instead", [](auto& s) { s[4].useCount = 1; }, kMono, 8975,
         {4, false}},
        {"larger data cannot reuse", [](auto& s) { s[4].useCount = 0, s[5].lastUseTime = 0; }, kMono, 10001,
         {5, false}},
        {"another format cannot reuse", [](auto& s) { s[4].useCount = 0, s[8].lastUseTime = 0; }, kStereo, 9000,
         {8, false}},
        {"replayed twice cannot reuse", [](auto& s) { s[4].lastUseTime = 0; }, kMono, 9000, {4, false}},
        {"equal ages evict the lowest index", [](auto&) {}, kMono, 100, {0, false}},
        {"40 s ago replayed once outlives 10 s ago never replayed",
         [](auto& s) {
             for (auto& v : s) v.useCount = 5, v.lastUseTime = now;
             s[2].useCount = 1, s[2].lastUseTime = now - 40000;  // age 7232
             s[15].useCount = 0, s[15].lastUseTime = now - 10000;  // age 10000
         },
         kMono, 100, {15, false}},
    };
    for (const auto& c : cases) {
        auto slots = FullCache();
        c.setup(slots);
        const VoiceChoice got = ChooseVoiceSlot(slots, c.format, c.bytes, now);
        EXPECT_EQ(got.slot, c.expected.slot) << c.name;
        EXPECT_EQ(got.keepBuffer, c.expected.keepBuffer) << c.name;
    }
}

// Positive ages are checked through the choice above.
TEST(VoiceCache, AgeCountsReplaysAndSurvivesTheClockWrapping)
{
    const struct {
        const char* name;
        uint32_t lastUse, now;
        int useCount;
        int64_t age;
    } cases[] = {
        {"just used, replayed three times", 7, 7, 3, -98304},
        {"across the wrap", 0xFFFFF000u, 0x1000, 0, 0x2000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VoiceAge({true, "", kMono, c.useCount, c.lastUse, 0}, c.now), c.age) << c.name;
    }
}
