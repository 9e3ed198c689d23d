#include "Replay.h"

#include <cstdio>

#include "Png.h"

namespace {

std::string WithoutPng(const std::string& name)
{
    const std::string ext = ".png";
    if (name.size() > ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0)
        return name.substr(0, name.size() - ext.size());
    return name;
}

}  // namespace

std::string Replay::GoldenPath(const std::string& reference, int bitsPerPixel, std::string* shown) const
{
    // 15 and 16 bits are the 565 path; 24 and 32 the true-colour one.
    const std::string depthName = bitsPerPixel <= 16 ? "16" : "24";
    if (shown) *shown = depthName + "/" + reference + ".png";
    return goldenDir + "/" + depthName + "/" + reference + ".png";
}

bool Replay::ScreenChecksPass(const std::optional<RegionCheck>& check, const std::optional<GoldenCheck>& golden,
                              const std::string& name, const ScreenPixels& taken, int bitsPerPixel) const
{
    if (check) {
        const auto it = takenPixels.find(check->earlier);
        if (it != takenPixels.end() && !RunRegionCheck(*check, name, taken, it->second).empty()) return false;
    }
    if (golden && !goldenDir.empty() && !updateGolden) {
        ScreenPixels reference, cropped;
        if (ReadPng(GoldenPath(golden->reference, bitsPerPixel, nullptr), reference.width, reference.height,
                    reference.rgb) &&
            !RunGoldenCheck(*golden, name, taken, reference, "", cropped).empty())
            return false;
    }
    return true;
}

bool Replay::Golden(const ScriptStep& step, const GoldenCheck& check, const std::string& name, const ScreenPixels& taken,
                    int bitsPerPixel)
{
    if (goldenDir.empty()) return Fail(step, "golden " + check.reference + ": the host was given no --golden folder");
    std::string shown;
    const std::string path = GoldenPath(check.reference, bitsPerPixel, &shown);
    const std::string folder = path.substr(0, path.rfind('\\'));
    ScreenPixels reference;
    const bool have = ReadPng(path, reference.width, reference.height, reference.rgb);
    ScreenPixels cropped;
    const std::string failed =
        have ? RunGoldenCheck(check, name, taken, reference, shown, cropped) : std::string("no reference");
    if (updateGolden) {
        if (failed.empty()) return true;
        std::string why;
        const ScreenRegion r = check.region.value_or(ScreenRegion{0, 0, taken.width, taken.height});
        if (!CropPixels(taken, r, cropped, why)) return Fail(step, why);
        CreateDirectoryA(goldenDir.c_str(), nullptr);
        CreateDirectoryA(folder.c_str(), nullptr);
        if (!WritePng(path, cropped.width, cropped.height, cropped.rgb)) return Fail(step, "cannot write " + path);
        std::printf("golden %s written\n", path.c_str());
        return true;
    }
    if (!have)
        return Fail(step, "golden " + check.reference + ": no reference " + path +
                              " (write it with --update-golden or MIRELLE_UPDATE_GOLDEN=1)");
    const std::string diffPath = OutPath(WithoutPng(name) + ".diff.png");
    if (failed.empty()) {
        DeleteFileA(diffPath.c_str());  // a difference image of an earlier run
        return true;
    }
    if (cropped.width != reference.width || cropped.height != reference.height)
        return Fail(step, "golden " + check.reference + ": " + failed);
    const ScreenPixels diff = DifferenceImage(cropped, reference, check.tolerance);
    const bool wrote = WritePng(diffPath, diff.width, diff.height, diff.rgb);
    return Fail(step, "golden " + check.reference + ": " + failed + (wrote ? "; difference image " + diffPath : ""));
}
