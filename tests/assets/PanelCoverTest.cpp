#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <iterator>
#include <sstream>
#include <vector>

#include "Manifest.h"
#include "foundation/core/Geometry.h"

// Each panel's back, as the manifest sizes it, covers the rectangles of the children the panel
// places on it: a back smaller than its children leaves them drawn over the table.
namespace {

struct Box {
    int32_t x, y, cx, cy;
};

struct Picture {
    Size size;
    std::vector<Point> hots;  // every hot spot its frames use
};

std::vector<ManifestEntry> RoomManifest()
{
    std::ifstream in(MIRELLE_MANIFEST, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string error;
    auto entries = ParseManifest(text, error);
    EXPECT_TRUE(entries.has_value()) << error;
    return entries ? *entries : std::vector<ManifestEntry>{};
}

std::optional<Picture> Find(const std::vector<ManifestEntry>& manifest, const std::string& path)
{
    for (const ManifestEntry& e : manifest) {
        if (e.path != "GameImage\\" + path) continue;
        Picture p;
        char x = 0;
        std::istringstream size(e.Get("size"));
        size >> p.size.cx >> x >> p.size.cy;
        std::istringstream hots(e.Get("hot", "0,0"));
        for (Point h; hots >> h.x >> x >> h.y; hots >> x) p.hots.push_back(h);
        return p;
    }
    return std::nullopt;
}

// A child: a picture of the manifest placed at `at` (each frame by its hot spot), or a text or
// card of a fixed size.
struct Child {
    const char* file;
    Point at;
    Size size;
};

// The panels and their children, at the offsets their panels place them.
struct Panel {
    const char* name;
    std::vector<const char*> backs;  // drawn at the panel's origin, one under the other
    std::vector<Point> backAt;
    std::vector<Child> children;
};

const Size kLine{181, 14};
const Size kCard{36, 55};

const std::vector<Panel>& Panels()
{
    static const std::vector<Panel> panels = {
        {"decision prompt", {"Notify\\back.psp"}, {{0, 0}},
         {{"Notify\\effect.psp", {0, 0}, {}}, {"Notify\\stopmark.psp", {0, 0}, {}},
          {nullptr, {30, 61}, kLine}, {nullptr, {30, 70}, kLine}, {nullptr, {30, 83}, kLine},
          {nullptr, {30, 85}, kLine}, {nullptr, {30, 100}, kLine}, {nullptr, {30, 137}, kLine},
          {"Notify\\yes_btn.psp", {40, 102}, {}}, {"Notify\\no_btn.psp", {124, 102}, {}},
          {"Notify\\sidemoneymark.qzs", {37, 144}, {}},
          // The widest card row (four cards), the hand mission's pair and a side mark.
          {nullptr, {39, 85}, {4 * 36 + 3 * 3, 55}}, {nullptr, {79, 77}, {84, 55}}, {nullptr, {20, 65}, kCard},
          {"Notify\\hwatoo_side.qzs", {39 + 36, 85}, {}}}},
        {"round result", {"Result\\back.psp", "Result\\back_shadow.qzs"}, {{0, 0}, {0, 323}},
         {{"Result\\jokbo_icon.psp", {0, 0}, {}}, {"Result\\notice.psp", {0, 0}, {}},
          {nullptr, {70, 172}, {250, 50}}, {nullptr, {114, 134}, {163, 22}}, {nullptr, {70, 242}, {248, 18}},
          {"Result\\ok_btn.psp", {80, 285}, {}}, {"Result\\ok_btn.psp", {223, 285}, {}},
          {"Result\\chamgi_btn.psp", {185, 285}, {}}, {"Result\\chamgi_waiting.qzs", {113, 297}, {}},
          {"Result\\tm_continue.psp", {66, 293}, {}}, {"Result\\autostart.psp", {215, 332}, {}}}},
        {"go alert", {"Jumsu\\alert_back.qzs"}, {{0, 0}}, {{nullptr, {102, 11}, {32, 21}}}},
        // Placed by the room, so offsets from the back's point.
        {"betting", {"GameRule\\Betting\\back.psp"}, {{0, 0}},
         {{"GameRule\\Betting\\btn0.psp", {10, 39}, {}}, {"GameRule\\Betting\\btn1.psp", {90, 39}, {}},
          {"GameRule\\Betting\\btn2.psp", {170, 39}, {}}, {nullptr, {10, 11}, {220, 14}},
          {"GameRule\\Betting\\kind0.psp", {20, 79}, {}}, {"GameRule\\Betting\\kind1.psp", {140, 79}, {}}}},
        {"invitation", {"Avatar\\invite_back.qzs"}, {{0, 0}}, {{"Avatar\\invite_btn.psp", {6, 35}, {}}}},
    };
    return panels;
}

bool Inside(const Box& inner, const Box& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

}  // namespace

TEST(PanelBacks, CoverEveryChild)
{
    const std::vector<ManifestEntry> manifest = RoomManifest();
    for (const Panel& panel : Panels()) {
        std::vector<Box> backs;
        for (size_t i = 0; i < panel.backs.size(); ++i) {
            const auto back = Find(manifest, panel.backs[i]);
            ASSERT_TRUE(back) << panel.name << ": " << panel.backs[i] << " is not in the manifest";
            const Point at = panel.backAt[i];
            backs.push_back({at.x - back->hots[0].x, at.y - back->hots[0].y, back->size.cx, back->size.cy});
        }
        for (const Child& child : panel.children) {
            std::vector<Box> rects;
            if (!child.file) rects.push_back({child.at.x, child.at.y, child.size.cx, child.size.cy});
            const auto picture = child.file ? Find(manifest, child.file) : std::nullopt;
            ASSERT_TRUE(!child.file || picture) << panel.name << ": " << child.file << " is not in the manifest";
            if (picture)
                for (const Point hot : picture->hots)
                    rects.push_back({child.at.x - hot.x, child.at.y - hot.y, picture->size.cx, picture->size.cy});
            for (const Box& r : rects) {
                const bool covered = std::any_of(backs.begin(), backs.end(), [&](const Box& b) { return Inside(r, b); });
                EXPECT_TRUE(covered) << panel.name << ": " << (child.file ? child.file : "a text or card") << " at ("
                                     << r.x << ", " << r.y << ") " << r.cx << " x " << r.cy << " lies outside its back";
            }
        }
    }
}

// Pictures the room places at (0, 0) carry a hot spot that puts them on the table, not over the
// table's top-left corner; a clip chosen per screen slot has one hot spot per slot.
TEST(PanelBacks, AnchoredClipsLandOnTheTable)
{
    const std::vector<ManifestEntry> manifest = RoomManifest();
    const struct { const char* file; size_t hots; } clips[] = {
        {"GameProcess\\turn_blink.psp", 2}, {"Effect\\gobak.psp", 2}, {"Effect\\tung.psp", 1},
        {"GameProcess\\robotplay.psp", 1}, {"GameFunction\\SelectSun\\select_ht.psp", 1},
        {"GameFunction\\SelectSun\\sun_notify.psp", 1}, {"Back\\chamgi_back.psp", 1},
    };
    const Box table{0, 20, 800, 557};  // below the title bar, above the bottom bar
    for (const auto& c : clips) {
        const auto picture = Find(manifest, c.file);
        ASSERT_TRUE(picture) << c.file;
        EXPECT_EQ(picture->hots.size(), c.hots) << c.file;
        for (const Point hot : picture->hots)
            EXPECT_TRUE(Inside({-hot.x, -hot.y, picture->size.cx, picture->size.cy}, table))
                << c.file << " with hot spot (" << hot.x << ", " << hot.y << ") lands off the table";
    }
}
