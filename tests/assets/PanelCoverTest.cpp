#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <iterator>
#include <sstream>
#include <vector>

#include "Manifest.h"
#include "foundation/core/Geometry.h"
#include "table/core/TableLayout.h"
#include "views/core/PanelLayout.h"

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

Point TargetGaugeAt(int screenSlot)
{
    return {15, PanelLayout::kTargetScoreGaugeTop[screenSlot]};
}

Point TargetScoreAt(int screenSlot)
{
    return TargetGaugeAt(screenSlot) + PanelLayout::kTargetScoreScoreOffset;
}
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
        {"target-score panel", {"GameRule\\Desperate\\desperate_back.psp"}, {{0, 0}},
         {{"GameRule\\Desperate\\targetscore.psp", {30, 8}, {}},
          {"GameRule\\Desperate\\giveup.psp", PanelLayout::kTargetScoreGiveUp, {}},
          {"GameRule\\Desperate\\zeropt.psp", TargetScoreAt(0), {}}, {"GameRule\\Desperate\\zeropt.psp", TargetScoreAt(1), {}},
          {nullptr, TargetScoreAt(0), PanelLayout::kTargetScoreScoreSize},
          {nullptr, TargetScoreAt(1), PanelLayout::kTargetScoreScoreSize},
          {"GameRule\\Desperate\\text.psp", TargetGaugeAt(0) + PanelLayout::kTargetScoreLabelOffset, {}},
          {"GameRule\\Desperate\\text.psp", TargetGaugeAt(1) + PanelLayout::kTargetScoreLabelOffset, {}},
          {"GameRule\\Desperate\\gauge.bmp", TargetGaugeAt(0), {}}, {"GameRule\\Desperate\\gauge.bmp", TargetGaugeAt(1), {}}}},
        {"two-card mission", {"Mission\\dmissionback.psp"}, {{0, 0}},
         {{"Mission\\mul.psp", PanelLayout::kTwoCardSides[0].multiplier, {}},
          {"Mission\\mul.psp", PanelLayout::kTwoCardSides[1].multiplier, {}},
          {"Mission\\double_status.psp", PanelLayout::kTwoCardSides[0].status, {}},
          {"Mission\\double_status.psp", PanelLayout::kTwoCardSides[1].status, {}}}},
        {"room information", {"Option\\gameroomoption.psp"}, {{0, 0}},
         {{nullptr, {0, 0}, PanelLayout::kRoomInfoSize}, {nullptr, {5, 5 + 6 * 18}, {130, 14}}}},
        // The refill button's picture sits by its hot spot inside the panel.
        {"play count", {}, {}, {{"PCRefill\\btn.psp", {0, 0}, {}}, {"PCRefill\\alert.psp", {0, 0}, {}}}},
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
        if (panel.backs.empty()) backs.push_back({0, 0, PanelLayout::kPlayCountSize.cx, PanelLayout::kPlayCountSize.cy});
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

namespace {

bool Overlap(const Box& a, const Box& b)
{
    return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
}

// What a player reads on the table: every floor slot's fan (plain and target-score rooms), both
// hands and the captured piles.
std::vector<std::pair<std::string, Box>> TableInformation()
{
    std::vector<std::pair<std::string, Box>> boxes;
    for (const int32_t roomKind : {0, 40})
        for (int32_t slot = 0; slot < kFloorSlotCount; ++slot) {
            const Point p = *FloorSlotPosition(slot, roomKind);
            boxes.push_back({"floor slot " + std::to_string(slot) + " of room kind " + std::to_string(roomKind),
                             {p.x, p.y, kFloorFanWidth, kNormalCardSize.cy}});
        }
    for (int32_t screenSlot = 0; screenSlot < 2; ++screenSlot) {
        for (int32_t i = 0; i < 10; ++i) {
            const Point p = *HandPosition(screenSlot, i);
            boxes.push_back({"hand card " + std::to_string(i) + " of screen slot " + std::to_string(screenSlot),
                             {p.x, p.y, kBigCardSize.cx, kBigCardSize.cy}});
        }
        for (int32_t category = 0; category < 4; ++category) {
            const PileArea area = *GetPileArea(screenSlot, category);
            boxes.push_back({"pile " + std::to_string(category) + " of screen slot " + std::to_string(screenSlot),
                             {area.origin.x, area.origin.y, area.width, kNormalCardSize.cy}});
        }
    }
    return boxes;
}

}  // namespace

// Widgets placed where the table or a panel shows something a player must read leave it
// uncovered: the give-up button the own score, a two-card mission's status its multiplier, the
// jackpot gauge the jewel count, the refill button the play-count alert; the event banners and the
// room's information rows no card on the table.
TEST(PanelLayout, WidgetsLeaveLiveInformationUncovered)
{
    const std::vector<ManifestEntry> manifest = RoomManifest();
    const auto picture = [&](const char* file, Point at) {
        const auto p = Find(manifest, file);
        EXPECT_TRUE(p) << file << " is not in the manifest";
        return p ? Box{at.x - p->hots[0].x, at.y - p->hots[0].y, p->size.cx, p->size.cy} : Box{at.x, at.y, 0, 0};
    };
    const auto box = [](Point at, Size size) { return Box{at.x, at.y, size.cx, size.cy}; };
    const Point panel = PanelLayout::kTargetScoreOrigin;
    const Point jewel = PanelLayout::kJewelOrigin;
    const Size alertMark{16, PanelLayout::kPlayCountSize.cy};  // the alert's glyph columns
    const struct {
        const char* name;
        Box widget;
        Box information;
    } cases[] = {
        {"give-up button over the own score", picture("GameRule\\Desperate\\giveup.psp", panel + PanelLayout::kTargetScoreGiveUp),
         box(panel + TargetScoreAt(0), PanelLayout::kTargetScoreScoreSize)},
        {"left status over its multiplier", picture("Mission\\double_status.psp", PanelLayout::kTwoCardSides[0].status),
         picture("Mission\\mul.psp", PanelLayout::kTwoCardSides[0].multiplier)},
        {"right status over its multiplier", picture("Mission\\double_status.psp", PanelLayout::kTwoCardSides[1].status),
         picture("Mission\\mul.psp", PanelLayout::kTwoCardSides[1].multiplier)},
        {"jackpot gauge over the jewel count", picture("Promotion\\Jackpot\\gauge.psp", PanelLayout::kJackpotGauge),
         box(jewel + PanelLayout::kJewelCount, PanelLayout::kJewelCountSize)},
        {"single mission's multiplier over its cards",
         picture("Mission\\mul.psp", PanelLayout::kSingleMissionMultiplier),
         box(PanelLayout::kSingleMissionCards, {PanelLayout::kSingleMissionCardRoom, kNormalCardSize.cy})},
        {"refill button over the play-count alert", picture("PCRefill\\btn.psp", {0, 0}), box({0, 0}, alertMark)},
        {"refill button over the play count", picture("PCRefill\\btn.psp", {0, 0}),
         {PanelLayout::kPlayCountText.left, PanelLayout::kPlayCountText.top, PanelLayout::kPlayCountText.Width(),
          PanelLayout::kPlayCountText.Height()}},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(Overlap(c.widget, c.information))
            << c.name << ": (" << c.widget.x << ", " << c.widget.y << ") " << c.widget.cx << " x " << c.widget.cy
            << " meets (" << c.information.x << ", " << c.information.y << ") " << c.information.cx << " x "
            << c.information.cy;

    const struct {
        const char* name;
        Box widget;
    } overTheTable[] = {
        {"jackpot banner", picture("Promotion\\Jackpot\\jackpotbanner.psp", PanelLayout::kEventBanner)},
        {"win-money-limit banner",
         picture("Promotion\\WinMoneyLimit\\anibanner_winmoneylimit.psp", PanelLayout::kEventBanner)},
        {"room information", box(PanelLayout::kRoomInfoPlace, PanelLayout::kRoomInfoSize)},
    };
    for (const auto& w : overTheTable)
        for (const auto& [what, information] : TableInformation())
            EXPECT_FALSE(Overlap(w.widget, information)) << w.name << " covers " << what;
}
