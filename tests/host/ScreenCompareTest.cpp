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
        R"({"screenshot": "x", "same_as": "a", "golden": "g"})",
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

// A golden check of `step` of the 6x4 `screen` against `reference`: "" when it passes.
std::string Golden(const char* step, const ScreenPixels& screen, const ScreenPixels& reference, ScreenPixels* cropped = nullptr)
{
    std::optional<GoldenCheck> check;
    std::string error;
    if (!ReadGoldenCheck(*ParseJson(step), check, error)) return "bad step: " + error;
    if (!check) return "no check";
    ScreenPixels crop;
    std::string failed = RunGoldenCheck(*check, "now.png", screen, reference, "24/ref.png", crop);
    if (cropped) *cropped = crop;
    return failed;
}

ScreenPixels Flat(int w, int h, uint8_t grey = 100)
{
    return ScreenPixels{w, h, std::vector<uint8_t>(static_cast<size_t>(w) * h * 3, grey)};
}

TEST(GoldenCheck, ComparesTheRegionWithItsReferenceWithinTheTolerance)
{
    const struct {
        const char* name;
        const char* step;
        ScreenPixels screen;
        ScreenPixels reference;
        std::string failure;
    } cases[] = {
        {"the whole screen agrees", R"({"golden": "ref"})", Screen(), Flat(6, 4), ""},
        {"the default tolerance is 8", R"({"golden": "ref"})", Screen(2, 1, 108, 92, 100), Flat(6, 4), ""},
        {"beyond the default tolerance", R"({"golden": "ref"})", Screen(2, 1, 109, 100, 100), Flat(6, 4),
         "the whole screen of now.png differs from 24/ref.png (tolerance 8) in 1 pixels, first at (2, 1), by up to 9"},
        {"a tolerance of 0", R"({"golden": "ref", "tolerance": 0})", Screen(5, 3, 100, 100, 101), Flat(6, 4),
         "the whole screen of now.png differs from 24/ref.png (tolerance 0) in 1 pixels, first at (5, 3), by up to 1"},
        {"a difference outside the region", R"({"golden": "ref", "region": [1, 1, 2, 2]})", Screen(3, 1, 0, 0, 0),
         Flat(2, 2), ""},
        {"a difference inside, in the screen's coordinates", R"({"golden": "ref", "region": [1, 1, 2, 2]})",
         Screen(2, 2, 0, 0, 0), Flat(2, 2),
         "region [1, 1, 2, 2] of now.png differs from 24/ref.png (tolerance 8) in 1 pixels, first at (2, 2), by up to 100"},
        {"a reference of another size", R"({"golden": "ref", "region": [1, 1, 2, 2]})", Screen(), Flat(2, 3),
         "region [1, 1, 2, 2] of now.png is 2x2, its reference 24/ref.png 2x3"},
        {"a region outside the screen", R"({"golden": "ref", "region": [5, 0, 2, 1]})", Screen(), Flat(2, 1),
         "region [5, 0, 2, 1] does not lie inside the 6x4 screen"},
    };
    for (const auto& c : cases) EXPECT_EQ(Golden(c.step, c.screen, c.reference), c.failure) << c.name;
}

TEST(GoldenCheck, TheRegionComparedIsTheCropOfTheScreen)
{
    ScreenPixels screen = Screen(4, 2, 1, 2, 3);
    ScreenPixels cropped;
    ScreenPixels reference = Flat(2, 2);
    reference.rgb[3 * 3] = 1;  // the crop's (1, 1)
    reference.rgb[3 * 3 + 1] = 2;
    reference.rgb[3 * 3 + 2] = 3;
    EXPECT_EQ(Golden(R"({"golden": "ref", "region": [3, 1, 2, 2], "tolerance": 0})", screen, reference, &cropped), "");
    EXPECT_EQ(cropped.rgb, reference.rgb);
}

TEST(GoldenCheck, TheDifferenceImageMarksEachDifferingPixelOnTheDimmedScreenshot)
{
    ScreenPixels taken = Flat(3, 1, 90);
    taken.rgb[3] = 255, taken.rgb[4] = 0, taken.rgb[5] = 0;  // pure red, differing: marked green
    taken.rgb[6] = 120;                                      // differs by 30
    const ScreenPixels diff = DifferenceImage(taken, Flat(3, 1, 90), 8);
    EXPECT_EQ(diff.rgb, (std::vector<uint8_t>{30, 30, 30, 0, 255, 0, 255, 0, 0}));
}

TEST(GoldenCheck, GoldenStepsOfTheWrongShapeAreRefused)
{
    const char* bad[] = {
        R"({"screenshot": "x", "golden": ""})",
        R"({"screenshot": "x", "golden": "a.png"})",
        R"({"screenshot": "x", "golden": "../a"})",
        R"({"screenshot": "x", "golden": 3})",
        R"({"screenshot": "x", "golden": "a", "differs_from": "b"})",
        R"({"screenshot": "x", "golden": "a", "region": [0, 0, 0, 1]})",
        R"({"screenshot": "x", "golden": "a", "tolerance": 300})",
    };
    for (const char* step : bad) {
        std::optional<GoldenCheck> check;
        std::string error;
        EXPECT_FALSE(ReadGoldenCheck(*ParseJson(step), check, error)) << step;
        EXPECT_FALSE(error.empty()) << step;
    }
    std::optional<RegionCheck> region;
    std::string error;
    EXPECT_TRUE(ReadRegionCheck(*ParseJson(R"({"screenshot": "x", "golden": "a", "region": [0, 0, 1, 1]})"), region, error))
        << error;
    EXPECT_FALSE(region);
}

}  // namespace

TEST(ScreenCompare, ScreenshotNamesStayInTheRunsFolder)
{
    const struct {
        const char* name;
        std::string shot;
        bool accepted;
    } cases[] = {
        {"a plain name", "dealt.png", true},
        {"Korean and spaces", "\xEA\xB2\xB0\xEA\xB3\xBC 1.png", true},
        {"dots inside a name", "a..b.png", true},
        {"the parent folder", "../x.png", false},
        {"the parent folder, Windows' way", "..\\x.png", false},
        {"an absolute path", "/tmp/x.png", false},
        {"a drive", "C:x.png", false},
        {"a subfolder", "sub/x.png", false},
        {"nothing", "", false},
        {"the folder itself", ".", false},
        {"the parent alone", "..", false},
        {"a control character", "a\nb.png", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScreenshotNameError(c.shot).empty(), c.accepted) << c.name << ": " << ScreenshotNameError(c.shot);
}
