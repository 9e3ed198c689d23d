#include "ScreenCompare.h"

#include <cstdlib>

namespace {

std::string RegionText(const std::optional<ScreenRegion>& r)
{
    if (!r) return "the whole screen";
    return "region [" + std::to_string(r->x) + ", " + std::to_string(r->y) + ", " + std::to_string(r->width) + ", " +
           std::to_string(r->height) + "]";
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
        if (region || tolerance) {
            error = "region and tolerance need same_as or differs_from";
            return false;
        }
        return true;
    }
    if (same && differs) {
        error = "a screenshot is either same_as or differs_from an earlier one, not both";
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
        c.region = ScreenRegion{v[0], v[1], v[2], v[3]};
    }
    if (tolerance) {
        const std::optional<int64_t> t = IntegerOf(*tolerance);
        if (!t || *t < 0 || *t > 255) {
            error = "tolerance is a number from 0 to 255";
            return false;
        }
        c.tolerance = static_cast<int>(*t);
    }
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
