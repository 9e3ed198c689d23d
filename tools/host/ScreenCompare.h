#pragma once

// Comparing a region of two screenshots, for the replay's screenshot step. No Windows API: both
// toolchains build it, so its test also runs natively.
//
//   {"screenshot": NAME, "region": [x, y, w, h], "same_as": EARLIER, "tolerance": T}
//   {"screenshot": NAME, "region": [x, y, w, h], "differs_from": EARLIER, "tolerance": T}
//
// Two pixels agree when each of their red, green and blue values lies within T of the other's
// (T defaults to 0). "same_as" passes when every pixel of the region agrees with the same pixel of
// the earlier screenshot, "differs_from" when at least one does not. Without "region" the whole
// screenshot is compared.
//
//   {"screenshot": NAME, "golden": REFERENCE, "region": [x, y, w, h], "tolerance": T}
//
// compares the region (the whole screenshot when none) with a reference picture kept in the
// repository, one per colour depth; T defaults to kGoldenTolerance there.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "protocol_json/JsonFields.h"

struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // width * height pixels, three bytes each, rows top to bottom
};

struct ScreenRegion {
    int x = 0, y = 0, width = 0, height = 0;
};

// What a screenshot step asks to compare, read from the step.
struct RegionCheck {
    std::string earlier;               // the screenshot to compare with
    bool same = true;                  // "same_as" (true) or "differs_from" (false)
    std::optional<ScreenRegion> region;  // none: the whole screenshot
    int tolerance = 0;
};

// The check a step asks for: nothing when it names no earlier screenshot; false with `error` on a
// step that names both or a region or tolerance of the wrong shape.
[[nodiscard]] bool ReadRegionCheck(const Json& step, std::optional<RegionCheck>& check, std::string& error);

struct RegionDifference {
    int count = 0;       // pixels that do not agree
    int firstX = -1;     // the first of them, in reading order
    int firstY = -1;
    int largest = 0;     // the largest difference of one channel
};

// The pixels of `region` (the whole of `a` when none) that differ by more than `tolerance` in a
// channel. False with `error` when the screenshots' sizes differ or the region does not lie inside.
[[nodiscard]] bool CompareRegion(const ScreenPixels& a, const ScreenPixels& b, const std::optional<ScreenRegion>& region,
                                 int tolerance, RegionDifference& out, std::string& error);

// Why a screenshot's name cannot be written into the run's folder ("" when it can): it must be a
// file name in that folder, not a path that leaves it.
std::string ScreenshotNameError(const std::string& name);

// A golden check of a screenshot step: the reference's name and what of the screenshot it holds.
struct GoldenCheck {
    std::string reference;               // a file name without ".png": letters, digits, '_' and '-'
    std::optional<ScreenRegion> region;  // none: the whole screenshot
    int tolerance = 0;
};
constexpr int kGoldenTolerance = 8;

// The golden check a step asks for: nothing without "golden"; false with `error` when it also
// names an earlier screenshot, names no valid reference or has a region or tolerance of the wrong
// shape.
[[nodiscard]] bool ReadGoldenCheck(const Json& step, std::optional<GoldenCheck>& check, std::string& error);

// The pixels of `region` of `from`; false with `error` when it does not lie inside.
[[nodiscard]] bool CropPixels(const ScreenPixels& from, const ScreenRegion& region, ScreenPixels& out, std::string& error);

// `taken` dimmed to a third, each pixel that differs from `reference` by more than `tolerance` in
// a channel in full red (pure red ones in full green). Both are the same size.
ScreenPixels DifferenceImage(const ScreenPixels& taken, const ScreenPixels& reference, int tolerance);

// Compares the golden region of `screen` (named `name`) with `reference` (shown as `referenceName`):
// empty when they agree, else what failed, the first differing pixel in the screen's coordinates.
// `cropped` receives the region compared.
std::string RunGoldenCheck(const GoldenCheck& check, const std::string& name, const ScreenPixels& screen,
                           const ScreenPixels& reference, const std::string& referenceName, ScreenPixels& cropped);

// Runs a check of `taken` (named `name`) against `earlier`: empty when it passes, else what failed.
std::string RunRegionCheck(const RegionCheck& check, const std::string& name, const ScreenPixels& taken,
                           const ScreenPixels& earlier);
