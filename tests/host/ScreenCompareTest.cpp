#include "host/ScreenCompare.h"

#include <gtest/gtest.h>

#include "protocol_json/ProtocolJson.h"

#include <string>

namespace {

// A 6x4 screen of one grey, with pixel (x, y) set to `rgb` when x >= 0.
ScreenPixels Screen(int x = -1, int y = 0, uint8_t r = 100, uint8_t g = 100, uint8_t b = 100)
{
    ScreenPixels s{6, 4, std::vector<uint8_t>(6 * 4 * 3, 100)};
    if (x >= 0) {
        const size_t at = (static_cast<size_t>(y) * 6 + static_cast<size_t>(x)) * 3;
        s.rgb[at] = r;
        s.rgb[at + 1] = g;
        s.rgb[at + 2] = b;
    }
    return s;
}

std::string Check(const char* step, const ScreenPixels& taken, const ScreenPixels& earlier)
{
    std::optional<RegionCheck> check;
    std::string error;
    if (!ReadRegionCheck(*ParseJson(step), check, error)) return "bad step: " + error;
    if (!check) return "no check";
    return RunRegionCheck(*check, "now.png", taken, earlier);
}

TEST(ScreenCompare, PlantedDifferencesFailInsideTheRegionAndTheToleranceOnly)
{
    const ScreenPixels base = Screen();
    struct Case {
        const char* step;
        ScreenPixels taken;
        bool passes;
    } cases[] = {
        {R"({"same_as": "a"})", Screen(), true},
        {R"({"same_as": "a"})", Screen(5, 3, 100, 100, 101), false},
        {R"({"same_as": "a", "tolerance": 1})", Screen(5, 3, 100, 100, 101), true},
        {R"({"same_as": "a", "tolerance": 8})", Screen(2, 1, 100, 91, 100), false},
        {R"({"same_as": "a", "tolerance": 8})", Screen(2, 1, 108, 92, 100), true},
        {R"({"same_as": "a", "region": [1, 1, 2, 2]})", Screen(3, 1, 0, 0, 0), true},
        {R"({"same_as": "a", "region": [1, 1, 2, 2]})", Screen(2, 2, 0, 0, 0), false},
        {R"({"same_as": "a", "region": [0, 0, 6, 4]})", Screen(0, 0, 255, 100, 100), false},
        {R"({"differs_from": "a", "region": [1, 1, 2, 2]})", Screen(2, 2, 0, 0, 0), true},
        {R"({"differs_from": "a", "region": [1, 1, 2, 2]})", Screen(3, 1, 0, 0, 0), false},
        {R"({"differs_from": "a", "tolerance": 30})", Screen(4, 0, 100, 130, 100), false},
        {R"({"differs_from": "a", "tolerance": 30})", Screen(4, 0, 100, 131, 100), true},
        {R"({"differs_from": "a"})", Screen(), false},
    };
    for (const auto& c : cases) {
        const std::string failed = Check(c.step, c.taken, base);
        EXPECT_EQ(failed.empty(), c.passes) << c.step << ": " << failed;
    }
}

TEST(ScreenCompare, AFailureSaysWhereAndByHowMuch)
{
    EXPECT_EQ(Check(R"({"same_as": "a.png", "region": [1, 1, 4, 3], "tolerance": 2})", Screen(3, 2, 90, 100, 100),
                    Screen()),
              "region [1, 1, 4, 3] of now.png differs from a.png (tolerance 2) in 1 pixels, first at (3, 2), by up to 10");
    EXPECT_EQ(Check(R"({"differs_from": "a.png"})", Screen(), Screen()),
              "the whole screen of now.png does not differ from a.png (tolerance 0): the largest difference is 0");
}

TEST(ScreenCompare, RegionsOutsideTheScreenAndOtherSizesAreErrorsNotPasses)
{
    EXPECT_NE(Check(R"({"same_as": "a", "region": [5, 0, 2, 1]})", Screen(), Screen()), "");
    EXPECT_NE(Check(R"({"differs_from": "a", "region": [0, 3, 1, 2]})", Screen(0, 3, 0, 0, 0), Screen()), "");
    ScreenPixels wider{7, 4, std::vector<uint8_t>(7 * 4 * 3, 100)};
    EXPECT_NE(Check(R"({"same_as": "a", "region": [0, 0, 1, 1]})", wider, Screen()), "");
    ScreenPixels shortOfPixels{6, 4, std::vector<uint8_t>(10, 100)};
    EXPECT_NE(Check(R"({"same_as": "a"})", shortOfPixels, Screen()), "");
}

TEST(ScreenCompare, StepsOfTheWrongShapeAreRefused)
{
    const char* bad[] = {
        R"({"screenshot": "x", "same_as": "a", "differs_from": "b"})",
        R"({"screenshot": "x", "region": [0, 0, 1, 1]})",
        R"({"screenshot": "x", "tolerance": 3})",
        R"({"screenshot": "x", "same_as": ""})",
        R"({"screenshot": "x", "same_as": 3})",
        R"({"screenshot": "x", "same_as": "a", "region": [0, 0, 1]})",
        R"({"screenshot": "x", "same_as": "a", "region": [0, -1, 1, 1]})",
        R"({"screenshot": "x", "same_as": "a", "region": [0, 0, 0, 1]})",
        R"({"screenshot": "x", "same_as": "a", "region": "0,0,1,1"})",
        R"({"screenshot": "x", "same_as": "a", "tolerance": 256})",
        R"({"screenshot": "x", "same_as": "a", "tolerance": -1})",
    };
    for (const char* step : bad) {
        std::optional<RegionCheck> check;
        std::string error;
        EXPECT_FALSE(ReadRegionCheck(*ParseJson(step), check, error)) << step;
        EXPECT_FALSE(error.empty()) << step;
    }
    std::optional<RegionCheck> check;
    std::string error;
    ASSERT_TRUE(ReadRegionCheck(*ParseJson(R"({"screenshot": "x"})"), check, error));
    EXPECT_FALSE(check);
}

}  // namespace
