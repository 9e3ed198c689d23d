#include <gtest/gtest.h>

#include <optional>

#include "views/core/ButtonFrames.h"

namespace {

constexpr ButtonLook kIdle{true, false, false, false};
constexpr ButtonLook kHover{true, false, true, true};
constexpr ButtonLook kDown{true, true, true, false};
// Pressed inside, then dragged out with the button held: the button keeps its hover.
constexpr ButtonLook kDraggedOut{true, true, false, true};
// Pressed inside and released outside: neither pressed nor hovered any more.
constexpr ButtonLook kReleasedOutside{true, false, false, false};
constexpr ButtonLook kDisabledDown{false, true, true, true};
constexpr ButtonLook kDisabledIdle{false, false, false, false};

}  // namespace

TEST(ButtonFrames, EachLookPicksItsFrameInTheImageSet)
{
    const struct { const char* name; int set, perSet; ButtonLook look; std::optional<int> frame; } cases[] = {
        {"one frame: idle", 2, 1, kIdle, 2},
        {"one frame: pressed shows the same frame", 2, 1, kDown, 2},
        {"one frame: disabled shows the same frame", 2, 1, kDisabledDown, 2},
        {"two frames: idle", 1, 2, kIdle, 2},
        {"two frames: hover lights", 1, 2, kHover, 3},
        {"two frames: pressed inside lights", 1, 2, kDown, 3},
        {"two frames: dragged out stays lit by its hover", 1, 2, kDraggedOut, 3},
        {"two frames: pressed outside without hover is dark", 1, 2, {true, true, false, false}, 2},
        {"two frames: disabled never lights", 1, 2, kDisabledDown, 2},
        {"four frames: idle", 0, 4, kIdle, 0},
        {"four frames: hover", 0, 4, kHover, 1},
        {"four frames: down", 0, 4, kDown, 2},
        {"four frames: dragged out shows hover, not down", 0, 4, kDraggedOut, 1},
        {"four frames: released outside is normal", 0, 4, kReleasedOutside, 0},
        {"four frames: disabled whatever its flags", 1, 4, kDisabledDown, 7},
        {"four frames: disabled idle", 1, 4, kDisabledIdle, 7},
        {"four frames: second set", 1, 4, kDown, 6},
        {"three frames per set keeps the frame", 1, 3, kHover, std::nullopt},
        {"no frames per set keeps the frame", 0, 0, kIdle, std::nullopt},
        {"negative frames per set keeps the frame", 0, -4, kIdle, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ButtonFrame(c.set, c.perSet, c.look), c.frame) << c.name;
}
