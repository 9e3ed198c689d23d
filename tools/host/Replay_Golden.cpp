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

bool Replay::Golden(const ScriptStep& step, const GoldenCheck& check, const std::string& name, const ScreenPixels& taken,
                    int bitsPerPixel)
{
    if (goldenDir.empty()) return Fail(step, "golden " + check.reference + ": the host was given no --golden folder");
    // 15 and 16 bits are the 565 path; 24 and 32 the true-colour one.
    const std::string depthName = bitsPerPixel <= 16 ? "16" : "24";
    const std::string folder = goldenDir + "\\" + depthName;
    const std::string path = folder + "\\" + check.reference + ".png";
    const std::string shown = depthName + "/" + check.reference + ".png";
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
    const std::string diffPath = screenshotDir + "\\" + WithoutPng(name) + ".diff.png";
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
