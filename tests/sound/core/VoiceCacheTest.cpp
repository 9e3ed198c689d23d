#include <gtest/gtest.h>

#include <array>

#include "sound/core/VoiceCache.h"

namespace {

const PcmFormat kMono = {1, 1, 22050, 44100, 2, 16};
const PcmFormat kStereo = {1, 2, 22050, 88200, 4, 16};

}  // namespace

TEST(VoiceCache, ChoosesFreeThenReusableThenOldest)
{
    const uint32_t now = 100000;
    using Slots = std::array<VoiceSlotView, 20>;
    const struct {
        const char* name;
        void (*setup)(Slots&);
        PcmFormat format;
        uint32_t bytes;
        VoiceChoice expected;
    } cases[] = {
        {"first free slot", [](Slots& s) { s[7].hasBuffer = false, s[9].hasBuffer = false; }, kMono, 9000, {7, false}},
        {"1000 bytes smaller reuses the last reusable slot", [](Slots& s) { s[3].useCount = 1, s[12].useCount = 0; },
         kMono, 9000, {12, true}},
        {"exactly the buffer size reuses", [](Slots& s) { s[4].useCount = 1; }, kMono, 10000, {4, true}},
        {"1024 bytes smaller reuses", [](Slots& s) { s[4].useCount = 1; }, kMono, 8976, {4, true}},
        {"1025 bytes smaller is evicted instead", [](Slots& s) { s[4].useCount = 1; }, kMono, 8975, {4, false}},
        {"larger data cannot reuse", [](Slots& s) { s[4].useCount = 0, s[5].lastUseTime = 0; }, kMono, 10001, {5, false}},
        {"another format cannot reuse", [](Slots& s) { s[4].useCount = 0, s[8].lastUseTime = 0; }, kStereo, 9000,
         {8, false}},
        {"replayed twice cannot reuse", [](Slots& s) { s[4].lastUseTime = 0; }, kMono, 9000, {4, false}},
        {"equal ages evict the lowest index", [](Slots&) {}, kMono, 100, {0, false}},
        {"used just before the clock wrapped is the oldest", [](Slots& s) { s[6].lastUseTime = 0xFFFF0000u; }, kMono,
         100, {6, false}},
        {"40 s ago replayed once outlives 10 s ago never replayed",
         [](Slots& s) {
             for (auto& v : s) v.useCount = 5, v.lastUseTime = now;
             s[2].useCount = 1, s[2].lastUseTime = now - 40000;   // age 7232
             s[15].useCount = 0, s[15].lastUseTime = now - 10000;  // age 10000
         },
         kMono, 100, {15, false}},
    };
    for (const auto& c : cases) {
        Slots slots;
        slots.fill({true, "phrase", kMono, 2, 90000, 10000});  // replayed twice: not reusable
        c.setup(slots);
        const VoiceChoice got = ChooseVoiceSlot(slots, c.format, c.bytes, now);
        EXPECT_EQ(std::pair(got.slot, got.keepBuffer), std::pair(c.expected.slot, c.expected.keepBuffer)) << c.name;
    }
}
