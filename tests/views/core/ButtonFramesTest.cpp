#include <gtest/gtest.h>

#include <optional>

#include "views/core/ButtonFrames.h"

// Four frames per set are checked on the drawn push button.
TEST(ButtonFrames, EachLookPicksItsFrameInTheImageSet)
{
    const ButtonLook idle{true, false, false, false}, hover{true, false, true, true}, down{true, true, true, false},
        disabledDown{false, true, true, true};
    const struct { const char* name; int set, perSet; ButtonLook look; std::optional<int> frame; } cases[] = {
        {"one frame: pressed shows the set's frame", 2, 1, down, 2},
        {"two frames: idle", 1, 2, idle, 2},
        {"two frames: hover lights", 1, 2, hover, 3},
        {"two frames: pressed inside lights", 1, 2, down, 3},
        {"two frames: disabled never lights", 1, 2, disabledDown, 2},
        {"four frames: disabled whatever its flags", 1, 4, disabledDown, 7},
        {"three frames per set keeps the frame", 1, 3, hover, std::nullopt},
        {"no frames per set keeps the frame", 0, 0, idle, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ButtonFrame(c.set, c.perSet, c.look), c.frame) << c.name;
}
