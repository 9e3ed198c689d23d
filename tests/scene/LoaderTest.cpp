#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>

#include "support/RoomTestSupport.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/CVHTWnd.h"

namespace fs = std::filesystem;

namespace {

// A room opened on a copy of the generated images and sounds.
class Loader : public RoomFixture {
protected:
    void SetUp() override
    {
        source = fs::path(GeneratedGameDir());
        ASSERT_TRUE(fs::exists(source / "generated.stamp")) << "build the game_tree target first: " << source.string();
        for (const char* folder : {"GameImage", "GameSound"})
            fs::copy(source / folder, fs::path(dir) / folder, fs::copy_options::recursive);
        gameDir = dir;
    }

    fs::path ImageFile(const std::string& name) const { return fs::path(dir) / "GameImage" / fs::path(name); }

    // Opens the room loading on the loader thread; waits for the loader's answer and its sounds.
    void OpenAndWait()
    {
        hostWnd.posted.clear();
        ASSERT_TRUE(OpenRoom(true));
        PumpFor(30000, [&] { return hostWnd.posted.count(WM_USER + 6) && !Scene().GetSound().IsLoading(); });
        ASSERT_EQ(hostWnd.posted.count(WM_USER + 6), 1u) << "the loader never answered";
    }

    // Position from the top of the drawing order; -1 when not in the scene.
    int DepthOf(const GVWnd* w)
    {
        const auto& wnds = Scene().GetWnds();
        const auto at = std::find(wnds.begin(), wnds.end(), w);
        return at == wnds.end() ? -1 : static_cast<int>(std::distance(wnds.begin(), at));
    }

    fs::path source;
};

}  // namespace

TEST_F(Loader, GeneratedRoomLoadsTheTableInDrawingOrder)
{
    OpenAndWait();
    CMirelleVWS& s = Scene();
    const TableWidgets& t = s.tableWidgets;
    EXPECT_TRUE(s.loadErrors.empty()) << s.loadErrors.front().name;
    EXPECT_TRUE(s.IsReady());
    EXPECT_EQ(hostWnd.posted[WM_USER + 6].wParam, 1u);
    EXPECT_TRUE(host.RequestsWithCode(36).empty());
    EXPECT_GT(s.GetSound().GetSoundCount(), 0u) << "a room that loaded registers its sounds";

    ASSERT_NE(t.skin, nullptr);
    EXPECT_EQ(s.GetWnds().back(), t.skin) << "the skin is not at the bottom";
    const struct { const char* name; const GVWnd* below; const GVWnd* above; } order[] = {
        {"deck over the skin", t.skin, t.deckImage},
        {"card 49 over the deck and the outlines", t.floorMarkers[11], t.cardWnds[49]},
        {"card 0 over card 49", t.cardWnds[49], t.cardWnds[0]},
        {"hand markers over the moving cards", t.cardSizeTemplates[2], t.handMarkers[0][0]},
    };
    for (const auto& c : order) {
        ASSERT_TRUE(c.below && c.above) << c.name;
        EXPECT_GE(DepthOf(c.above), 0) << c.name;
        EXPECT_LT(DepthOf(c.above), DepthOf(c.below)) << c.name;
    }

    // Each card window is its slot's, face down at the deck, on frame 50 of a strip of cards one under the other.
    for (int slot = 0; slot < kCardCount; ++slot) {
        const CVHTWnd* card = t.cardWnds[static_cast<size_t>(slot)];
        ASSERT_NE(card, nullptr) << slot;
        EXPECT_EQ(card->GetSlot(), slot);
        EXPECT_EQ(card->GetRect(), Rect(Point(320, 240), Size(36, 55))) << slot;
        EXPECT_EQ(card->GetSrcRect(), Rect(0, 55 * 50, 36, 55 * 51)) << slot;
    }

    // Ten hidden markers per hand slot, left out of the tick: the icon set's nine in the loader's
    // order, then the VIP alert's animation 3.
    const auto& running = s.roomWidgets.animations;
    for (int slot = 0; slot < TableWidgets::kHandSlots; ++slot) {
        for (int i = 0; i < TableWidgets::kMarkersPerHandSlot; ++i) {
            SCOPED_TRACE("hand slot " + std::to_string(slot) + " marker " + std::to_string(i));
            const auto* m = dynamic_cast<const GVQZAniWnd*>(t.handMarkers[static_cast<size_t>(slot)][static_cast<size_t>(i)]);
            ASSERT_NE(m, nullptr);
            EXPECT_FALSE(m->IsVisible());
            EXPECT_EQ(std::count(running.begin(), running.end(), m), 0);
            EXPECT_EQ(m->GetSubAnimation(), i < 9 ? i : 3);
        }
    }
}

// A file missing from the generated room: loading stops at once at its widget.
TEST_F(Loader, MissingFileStopsLoadingWithOneReport)
{
    using Created = bool (*)(const TableWidgets&);
    const struct { const char* name; const char* file; Created before; Created after; } cases[] = {
        {"skin", "Back\\skin_0.qzs", nullptr,
         [](const TableWidgets& t) { return t.skin != nullptr || t.deckImage != nullptr; }},
        {"deck", "Back\\deck.psp", [](const TableWidgets& t) { return t.skin != nullptr; },
         [](const TableWidgets& t) { return t.deckImage || t.deckBackAnimation; }},
        {"card strip", "Hwatoo\\normal.bmp",
         [](const TableWidgets& t) { return t.floorMarkers[11] && t.litOutlines[10] && t.remainHoldMarkers[19]; },
         [](const TableWidgets& t) { return t.cardWnds[49] || t.cardSizeTemplates[0]; }},
        {"VIP alert of the first hand slot", "VIP\\hold_alert.qza",
         [](const TableWidgets& t) { return t.cardWnds[0] && t.hitEffect && t.handMarkers[0][8]; },
         [](const TableWidgets& t) { return t.handMarkers[0][9] || t.handMarkers[1][0] || t.nuclearMarker; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = ImageFile(c.file);
        ASSERT_TRUE(fs::remove(file));
        host.Forget();
        OpenAndWait();
        CMirelleVWS& s = Scene();
        if (c.before) {
            EXPECT_TRUE(c.before(s.tableWidgets)) << "a widget made before the missing file is gone";
        }
        EXPECT_FALSE(c.after(s.tableWidgets)) << "loading went on past the missing file";
        EXPECT_EQ(s.tableWidgets.nuclearMarker, nullptr) << "loading went on to the end";
        ASSERT_EQ(s.loadErrors.size(), 1u);
        EXPECT_EQ(s.loadErrors[0].code, 1);
        EXPECT_EQ(s.loadErrors[0].name, c.file);
        EXPECT_EQ(host.RequestsWithCode(36).size(), 1u);
        EXPECT_FALSE(s.IsReady());
        EXPECT_EQ(hostWnd.posted[WM_USER + 6].wParam, 0u);
        EXPECT_EQ(s.GetSound().GetSoundCount(), 0u) << "sounds registered after a failed load";
        EXPECT_FALSE(s.AreSoundsLoaded());
        CloseRoom();
        PumpFor(200);
        fs::copy_file(source / "GameImage" / fs::path(c.file), file);
    }
    // Loading on the window thread: the start fails.
    ASSERT_TRUE(fs::remove(ImageFile("Hwatoo\\hold.bmp")));
    EXPECT_FALSE(OpenRoom(false));
}
