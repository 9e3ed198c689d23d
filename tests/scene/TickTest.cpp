#include <gtest/gtest.h>

#include "foundation/core/Clock.h"
#include "scene/CMirelleVWS.h"

namespace {

class TwoScenes : public ::testing::Test {
protected:
    void SetUp() override { Clock::UseVirtual(1000); }
    void TearDown() override { Clock::UseReal(); }
};

}  // namespace

TEST_F(TwoScenes, EachTickKeepsItsOwnGate)
{
    // Two rooms without windows tick on one clock; each step advances it, then ticks one scene.
    CMirelleVWS first(nullptr);
    CMirelleVWS second(nullptr);
    CMirelleVWS* const scenes[] = {&first, &second};
    const struct { const char* name; uint32_t advance; int scene; int ran; } steps[] = {
        {"first scene's first tick runs", 0, 0, 1},
        {"second scene's first tick runs in the same millisecond", 0, 1, 1},
        {"first scene again at once waits", 0, 0, 0},
        {"first scene 49 ms on still waits", 49, 0, 0},
        {"first scene at 50 ms runs", 1, 0, 1},
        {"second scene 20 ms after the first ran still runs its own 50 ms", 20, 1, 1},
        {"first scene 30 ms on waits for its own gate", 10, 0, 0},
        {"second scene 10 ms after its tick waits", 0, 1, 0},
        {"first scene 50 ms after its last tick runs", 20, 0, 1},
    };
    for (const auto& s : steps) {
        Clock::Advance(s.advance);
        EXPECT_EQ(scenes[s.scene]->Tick(), s.ran) << s.name;
    }
}
