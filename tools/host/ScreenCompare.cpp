#include "ScreenCompare.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::string RegionText(const std::optional<ScreenRegion>& r)
{
    if (!r) return "the whole screen";
    return "region [" + std::to_string(r->x) + ", " + std::to_string(r->y) + ", " + std::to_string(r->width) + ", " +
           std::to_string(r->height) + "]";
}

// The step's "region" and "tolerance", each left as it is when missing.
bool ReadRegionAndTolerance(const Json& step, std::optional<ScreenRegion>& regionOut, int& toleranceOut,
                            std::string& error)
{
    const Json* region = FindMember(step, "region");
    const Json* tolerance = FindMember(step, "tolerance");
    if (region) {
        int v[4] = {};
        bool ok = region->is_array() && region->size() == 4;
        for (size_t i = 0; ok && i < 4; ++i) {
            const std::optional<int64_t> n = IntegerOf((*region)[i]);
            ok = n && *n >= 0 && *n <= 100000;
            if (ok) v[i] = static_cast<int>(*n);
        }
        if (!ok || v[2] == 0 || v[3] == 0) {
            error = "region is [x, y, width, height], not negative, width and height not 0";
            return false;
        }
        regionOut = ScreenRegion{v[0], v[1], v[2], v[3]};
    }
    if (tolerance) {
        const std::optional<int64_t> t = IntegerOf(*tolerance);
        if (!t || *t < 0 || *t > 255) {
            error = "tolerance is a number from 0 to 255";
            return false;
        }
        toleranceOut = static_cast<int>(*t);
    }
    return true;
}

bool ValidReferenceName(const std::string& name)
{
    if (name.empty() || name.size() > 64) return false;
    for (const char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
        if (!ok) return false;
    }
    return true;
}

}  // namespace

bool ReadRegionCheck(const Json& step, std::optional<RegionCheck>& check, std::string& error)
{
    check.reset();
    const Json* same = FindMember(step, "same_as");
    const Json* differs = FindMember(step, "differs_from");
    const Json* region = FindMember(step, "region");
    const Json* tolerance = FindMember(step, "tolerance");
    if (!same && !differs) {
        if ((region || tolerance) && !FindMember(step, "golden")) {
            error = "region and tolerance need same_as, differs_from or golden";
            return false;
        }
        return true;
    }
    if (same && differs) {
        error = "a screenshot is either same_as or differs_from an earlier one, not both";
        return false;
    }
    if (FindMember(step, "golden")) {
        error = "a screenshot is compared either with its golden reference or with an earlier one, not both";
        return false;
    }
    const Json& earlier = same ? *same : *differs;
    if (!earlier.is_string() || earlier.get_ref<const std::string&>().empty()) {
        error = "same_as and differs_from name an earlier screenshot";
        return false;
    }
    RegionCheck c;
    c.earlier = earlier.get<std::string>();
    c.same = same != nullptr;
    if (!ReadRegionAndTolerance(step, c.region, c.tolerance, error)) return false;
    check = c;
    return true;
}

bool CompareRegion(const ScreenPixels& a, const ScreenPixels& b, const std::optional<ScreenRegion>& region,
                   int tolerance, RegionDifference& out, std::string& error)
{
    out = RegionDifference{};
    if (a.width != b.width || a.height != b.height) {
        error = "the screenshots' sizes differ (" + std::to_string(a.width) + "x" + std::to_string(a.height) + " and " +
                std::to_string(b.width) + "x" + std::to_string(b.height) + ")";
        return false;
    }
    const size_t bytes = static_cast<size_t>(a.width) * static_cast<size_t>(a.height) * 3;
    if (a.width < 0 || a.height < 0 || a.rgb.size() != bytes || b.rgb.size() != bytes) {
        error = "a screenshot holds fewer pixels than its size";
        return false;
    }
    const ScreenRegion r = region.value_or(ScreenRegion{0, 0, a.width, a.height});
    if (r.x < 0 || r.y < 0 || r.width <= 0 || r.height <= 0 || r.x > a.width - r.width || r.y > a.height - r.height) {
        error = RegionText(r) + " does not lie inside the " + std::to_string(a.width) + "x" + std::to_string(a.height) +
                " screen";
        return false;
    }
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(a.width) + static_cast<size_t>(x)) * 3;
            int worst = 0;
            for (size_t c = 0; c < 3; ++c) {
                const int d = std::abs(static_cast<int>(a.rgb[at + c]) - static_cast<int>(b.rgb[at + c]));
                if (d > worst) worst = d;
            }
            if (worst > out.largest) out.largest = worst;
            if (worst <= tolerance) continue;
            if (out.count++ == 0) {
                out.firstX = x;
                out.firstY = y;
            }
        }
    }
    return true;
}

std::string RunRegionCheck(const RegionCheck& check, const std::string& name, const ScreenPixels& taken,
                           const ScreenPixels& earlier)
{
    RegionDifference d;
    std::string error;
    if (!CompareRegion(taken, earlier, check.region, check.tolerance, d, error)) return error;
    const std::string where = RegionText(check.region) + " of " + name;
    const std::string tol = " (tolerance " + std::to_string(check.tolerance) + ")";
    if (check.same && d.count > 0) {
        return where + " differs from " + check.earlier + tol + " in " + std::to_string(d.count) + " pixels, first at (" +
               std::to_string(d.firstX) + ", " + std::to_string(d.firstY) + "), by up to " + std::to_string(d.largest);
    }
    if (!check.same && d.count == 0)
        return where + " does not differ from " + check.earlier + tol + ": the largest difference is " +
               std::to_string(d.largest);
    return std::string();
}

bool ReadGoldenCheck(const Json& step, std::optional<GoldenCheck>& check, std::string& error)
{
    check.reset();
    const Json* golden = FindMember(step, "golden");
    if (!golden) return true;
    if (FindMember(step, "same_as") || FindMember(step, "differs_from")) {
        error = "a screenshot is compared either with its golden reference or with an earlier one, not both";
        return false;
    }
    if (!golden->is_string() || !ValidReferenceName(golden->get<std::string>())) {
        error = "golden names a reference: up to 64 letters, digits, '_' or '-', without \".png\"";
        return false;
    }
    GoldenCheck c;
    c.reference = golden->get<std::string>();
    c.tolerance = kGoldenTolerance;
    if (!ReadRegionAndTolerance(step, c.region, c.tolerance, error)) return false;
    check = c;
    return true;
}

bool CropPixels(const ScreenPixels& from, const ScreenRegion& r, ScreenPixels& out, std::string& error)
{
    if (from.rgb.size() != static_cast<size_t>(from.width) * static_cast<size_t>(from.height) * 3) {
        error = "a screenshot holds fewer pixels than its size";
        return false;
    }
    if (r.x < 0 || r.y < 0 || r.width <= 0 || r.height <= 0 || r.x > from.width - r.width ||
        r.y > from.height - r.height) {
        error = RegionText(r) + " does not lie inside the " + std::to_string(from.width) + "x" +
                std::to_string(from.height) + " screen";
        return false;
    }
    out = ScreenPixels{r.width, r.height, {}};
    out.rgb.reserve(static_cast<size_t>(r.width) * static_cast<size_t>(r.height) * 3);
    for (int y = r.y; y < r.y + r.height; ++y) {
        const auto row = from.rgb.begin() + (static_cast<ptrdiff_t>(y) * from.width + r.x) * 3;
        out.rgb.insert(out.rgb.end(), row, row + static_cast<ptrdiff_t>(r.width) * 3);
    }
    return true;
}

ScreenPixels DifferenceImage(const ScreenPixels& taken, const ScreenPixels& reference, int tolerance)
{
    ScreenPixels out = taken;
    if (taken.rgb.size() != reference.rgb.size()) return out;
    for (size_t at = 0; at + 2 < out.rgb.size(); at += 3) {
        int worst = 0;
        for (size_t c = 0; c < 3; ++c)
            worst = std::max(worst, std::abs(static_cast<int>(taken.rgb[at + c]) - static_cast<int>(reference.rgb[at + c])));
        const bool pureRed = taken.rgb[at] == 255 && taken.rgb[at + 1] == 0 && taken.rgb[at + 2] == 0;
        for (size_t c = 0; c < 3; ++c) out.rgb[at + c] = static_cast<uint8_t>(out.rgb[at + c] / 3);
        if (worst > tolerance) {
            out.rgb[at] = pureRed ? 0 : 255;
            out.rgb[at + 1] = pureRed ? 255 : 0;
            out.rgb[at + 2] = 0;
        }
    }
    return out;
}

std::string RunGoldenCheck(const GoldenCheck& check, const std::string& name, const ScreenPixels& screen,
                           const ScreenPixels& reference, const std::string& referenceName, ScreenPixels& cropped)
{
    std::string error;
    const ScreenRegion r = check.region.value_or(ScreenRegion{0, 0, screen.width, screen.height});
    if (!CropPixels(screen, r, cropped, error)) return error;
    const std::string where = RegionText(check.region) + " of " + name;
    if (reference.width != cropped.width || reference.height != cropped.height)
        return where + " is " + std::to_string(cropped.width) + "x" + std::to_string(cropped.height) + ", its reference " +
               referenceName + " " + std::to_string(reference.width) + "x" + std::to_string(reference.height);
    RegionDifference d;
    if (!CompareRegion(cropped, reference, std::nullopt, check.tolerance, d, error)) return error;
    if (d.count == 0) return std::string();
    return where + " differs from " + referenceName + " (tolerance " + std::to_string(check.tolerance) + ") in " +
           std::to_string(d.count) + " pixels, first at (" + std::to_string(d.firstX + r.x) + ", " +
           std::to_string(d.firstY + r.y) + "), by up to " + std::to_string(d.largest);
}

std::string ScreenshotNameError(const std::string& name)
{
    if (name.empty()) return "a screenshot needs a file name";
    if (name == "." || name == "..") return "screenshot name " + name + " is a folder";
    for (const char c : name) {
        // Windows takes both slashes and a drive's colon: any of them reaches out of the folder.
        if (c == '/' || c == '\\' || c == ':')
            return "screenshot name " + name + " is not a file name in the run's folder (no '/', '\\' or ':')";
        if (static_cast<unsigned char>(c) < 0x20) return "screenshot name " + name + " holds a control character";
    }
    return {};
}
