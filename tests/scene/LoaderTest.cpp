#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <string>

#include "support/RoomTestSupport.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVBakIconWnd.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"
#include "views/CVGoBakAlertUIWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVNotifyWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVResultWnd.h"

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

    // Opens the room loading on the loader thread; waits for the loader's answer and its sounds,
    // and keeps the real times to both (ms).
    void OpenAndWait()
    {
        hostWnd.posted.clear();
        const DWORD start = GetTickCount();
        ASSERT_TRUE(OpenRoom(true));
        PumpFor(30000, [&] { return hostWnd.posted.count(WM_USER + 6) != 0; });
        widgetsMs = GetTickCount() - start;
        PumpFor(30000, [&] { return !Scene().GetSound().IsLoading(); });
        soundsMs = GetTickCount() - start;
        ASSERT_EQ(hostWnd.posted.count(WM_USER + 6), 1u) << "the loader never answered";
    }

    DWORD widgetsMs = 0;
    DWORD soundsMs = 0;

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
    std::cout << "first load: widgets " << widgetsMs << " ms, sounds " << soundsMs << " ms, "
              << s.GetWnds().size() << " widgets, " << s.roomWidgets.animations.size() << " stepped\n";
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

    // The widgets of the later steps keep their steps' order, and the result window lies directly
    // below the money-gift notice although it was made before the target-score and money-limit ones.
    const MoneyWidgets& money = s.moneyWidgets;
    ASSERT_TRUE(s.resultWidgets.result && money.giftNotice);
    EXPECT_EQ(DepthOf(s.resultWidgets.result), DepthOf(money.giftNotice) + 1);
    EXPECT_LT(DepthOf(money.winLimitMark), DepthOf(s.resultWidgets.resultBox));
    const struct { const char* name; const GVWnd* below; const GVWnd* above; } later[] = {
        {"avatars over the seat panels", s.seatPanels.bakIcons[1], s.entryWidgets.robotAvatars[5]},
        {"go alert over the avatars' marks", s.avatarMarks.firstPlayer[1], s.seatPanels.goBakAlert},
        {"start animations over the hand markers", t.nuclearMarker, s.entryWidgets.roundStart[0]},
        {"prompt over the layer anchor", t.layerAnchor, s.roomWidgets.notify},
        {"countdown over the money return", s.moneyWidgets.returnTexts[3], s.roomWidgets.countdownAnimation},
        {"table cover over the betting", s.betting.multiplier, s.betting.tableCover},
        {"action popups over the table cover", s.betting.tableCover, s.effects.actionPopups[0]},
        {"refills over the fireworks", s.resultWidgets.fireworks, money.refill[0]},
        {"pick board over the jewel gain", money.getBijou, s.entryWidgets.pickBoard},
        {"menu over the round banner", s.roundBanner.caption, s.roomButtons.popupMenu[0]},
    };
    for (const auto& c : later) {
        ASSERT_TRUE(c.below && c.above) << c.name;
        EXPECT_LT(DepthOf(c.above), DepthOf(c.below)) << c.name;
    }
    EXPECT_EQ(s.GetWnds().front(), money.bombTooltip) << "the last step's widget is not on top";

    // What the tick and the handlers drive is set, and what the tick steps is in its list.
    const GVWnd* driven[] = {
        s.roomButtons.invite, s.roomButtons.autoPlayCancel, s.roomButtons.popupMenu[3], s.roomMarks.nineTenClip,
        s.roomMarks.autoPlayNotice, s.roomMarks.gameLevel, s.roomMarks.firstPlace, s.avatarMarks.disconnected[0],
        s.avatarMarks.voiceOff[1], s.avatarMarks.blacklisted[1], s.entryWidgets.inviteBack,
        s.entryWidgets.roundStart[3], s.betting.buttons[2], s.betting.kinds[1], s.betting.dieWarning, s.betting.text,
        money.returnBack, money.refillTexts[1], money.giftAnimationOther, money.limitTooltip, money.limitExplain,
        s.roomWidgets.hourlyAnimation, s.roomWidgets.countdownAnimation,
    };
    for (size_t i = 0; i < std::size(driven); ++i) EXPECT_NE(driven[i], nullptr) << "driven widget " << i;
    const auto& stepped = s.roomWidgets.animations;
    for (const GVQZAniWnd* a : {s.roomWidgets.countdownAnimation, s.roomWidgets.hourlyAnimation, money.giftAnimation,
                                money.refill[1], s.betting.back, s.roomMarks.firstPlace})
        EXPECT_EQ(std::count(stepped.begin(), stepped.end(), a), 1) << "an animation the tick must step is not listed";
    EXPECT_EQ(s.roomWidgets.countdownAnimation->GetFrameCount(), 10) << "one frame per second of the countdown";
    EXPECT_EQ(std::vector<CVPSPPushBtn*>(s.roomButtons.menuButtons.begin(), s.roomButtons.menuButtons.end()),
              std::vector<CVPSPPushBtn*>(s.roomButtons.popupMenu.begin(), s.roomButtons.popupMenu.end()));
    // The buttons whose second image set the room shows have its four frames (the exit button's is give-up).
    for (const CVPSPPushBtn* b : {s.roomButtons.exit, s.betting.buttons[1], s.roomButtons.popupMenu[2],
                                  s.roomButtons.popupMenu[3], s.roomButtons.fullScreen, s.roomButtons.start})
        EXPECT_GE(b->GetFrameCount(), 8) << "a button without its second image set";

    // Each mission marker plays its "OpenMission" clip endlessly, hidden until a mission marks the card.
    for (const GVQZAniWnd* marker : t.missionMarkers) {
        ASSERT_NE(marker, nullptr);
        EXPECT_FALSE(marker->IsVisible());
        EXPECT_TRUE(marker->IsPlaying());
        EXPECT_EQ(marker->GetSubAnimation(), 9) << "not the icon set's OpenMission clip";
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
    using Created = bool (*)(const CMirelleVWS&);
    const struct { const char* name; const char* file; Created before; Created after; } cases[] = {
        {"skin", "Back\\skin_0.qzs", nullptr,
         [](const CMirelleVWS& s) { return s.tableWidgets.skin != nullptr || s.tableWidgets.deckImage != nullptr; }},
        {"deck", "Back\\deck.psp", [](const CMirelleVWS& s) { return s.tableWidgets.skin != nullptr; },
         [](const CMirelleVWS& s) { return s.tableWidgets.deckImage || s.tableWidgets.deckBackAnimation; }},
        {"exit button", "Button\\exit_btn.psp",
         [](const CMirelleVWS& s) { return s.roomButtons.close && s.roomButtons.vip && s.roomButtons.option; },
         [](const CMirelleVWS& s) { return s.roomButtons.exit || s.roomButtons.cancelExit || s.roomButtons.bottomText; }},
        // The single mission's cards read the strip first.
        {"card strip", "Hwatoo\\normal.bmp",
         [](const CMirelleVWS& s) { return s.tableWidgets.remainHoldMarkers[19] && s.avatarMarks.firstPlayer[1]; },
         [](const CMirelleVWS& s) {
             const TableWidgets& t = s.tableWidgets;
             return s.missions.single || t.floorMarkers[11] || t.cardWnds[49] || t.cardSizeTemplates[0];
         }},
        {"kungjjak slider's thumb", "Mission\\kungjjak_slide_btn.bmp",
         [](const CMirelleVWS& s) { return s.missions.twoCard && s.missions.cardC2; },
         [](const CMirelleVWS& s) { return s.missions.kungjjak || s.seatPanels.goBakAlert; }},
        {"VIP alert of the first hand slot", "VIP\\hold_alert.qza",
         [](const CMirelleVWS& s) {
             const TableWidgets& t = s.tableWidgets;
             return t.cardWnds[0] && t.hitEffect && t.handMarkers[0][8];
         },
         [](const CMirelleVWS& s) {
             const TableWidgets& t = s.tableWidgets;
             return t.handMarkers[0][9] || t.handMarkers[1][0] || t.nuclearMarker;
         }},
        // The result window's own child: the window is deleted, nothing of its step follows.
        {"result panel's button", "Result\\ok_btn.psp",
         [](const CMirelleVWS& s) { return s.resultWidgets.resultBox && s.effects.goBakAnimation; },
         [](const CMirelleVWS& s) { return s.resultWidgets.result || s.moneyWidgets.giftNotice; }},
        {"VIP alert", "VIP\\vip_alarm.qza",
         [](const CMirelleVWS& s) {
             return s.roomButtons.popupMenu[3] && s.vip.GetIcon(1, CMirelleVIPMgr::kRibbonIcon);
         },
         [](const CMirelleVWS& s) { return s.vip.GetAlertText(0) || s.roomMarks.firstPlace; }},
        {"the last step's tooltip", "GameRule\\nubombtooltip.psp",
         [](const CMirelleVWS& s) { return s.moneyWidgets.limitExplain && s.roomWidgets.hourlyAnimation; },
         [](const CMirelleVWS& s) { return s.moneyWidgets.bombTooltip != nullptr; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = ImageFile(c.file);
        ASSERT_TRUE(fs::remove(file));
        host.Forget();
        OpenAndWait();
        CMirelleVWS& s = Scene();
        if (c.before) {
            EXPECT_TRUE(c.before(s)) << "a widget made before the missing file is gone";
        }
        EXPECT_FALSE(c.after(s)) << "loading went on past the missing file";
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

// The mission panels lie in mode order between the avatars' marks and the go alert, hidden; the
// promotion banners are made hidden and their animations stepped; the VIP icons lie directly below
// the layer anchor in their order, and the VIP lists hold each combination's cards.
TEST_F(Loader, MissionPanelsAndManagersTakeTheirPlaces)
{
    OpenAndWait();
    CMirelleVWS& s = Scene();
    ASSERT_TRUE(s.IsReady());
    const MissionPanels& m = s.missions;
    const GVWnd* const stack[] = {s.avatarMarks.firstPlayer[1], m.single, m.twoCard, m.cardC, m.cardC2, m.kungjjak,
                                  s.seatPanels.goBakAlert};
    for (size_t i = 1; i < std::size(stack); ++i) {
        ASSERT_NE(stack[i], nullptr) << i;
        EXPECT_EQ(DepthOf(stack[i]), DepthOf(stack[i - 1]) - 1) << "not directly over the one before: " << i;
    }
    for (size_t i = 1; i + 1 < std::size(stack); ++i) EXPECT_FALSE(stack[i]->IsVisible()) << "mission panel " << i;

    const auto& stepped = s.roomWidgets.animations;
    const auto steppedOnce = [&](const GVQZAniWnd* a) { return std::count(stepped.begin(), stepped.end(), a) == 1; };
    const auto& b = s.promotion.GetBanners();
    const GVQZAniWnd* const animated[] = {b.defaultAniBanner, b.jackpotAni, b.jackpotAni2, b.jackpotBanner, b.gauge,
                                          b.gauge2, b.winMoneyLimitBanner, b.bonanzoEffect, b.bonanzoMission};
    for (size_t i = 0; i < std::size(animated); ++i) {
        ASSERT_NE(animated[i], nullptr) << "banner animation " << i;
        EXPECT_FALSE(animated[i]->IsVisible()) << "banner animation " << i;
        EXPECT_TRUE(steppedOnce(animated[i])) << "banner animation " << i;
    }
    ASSERT_TRUE(b.defaultBanner && b.altBanner);
    EXPECT_FALSE(b.defaultBanner->IsVisible() || b.altBanner->IsVisible());
    EXPECT_LT(DepthOf(b.defaultBanner), DepthOf(s.moneyWidgets.getBijou)) << "banners not over the jewel gain";

    // Moved below the anchor one by one, the icons keep their order: slot 1's ribbons on top.
    const int anchor = DepthOf(s.tableWidgets.layerAnchor);
    ASSERT_GE(anchor, 0);
    for (int slot = 0; slot < 2; ++slot)
        for (int i = 0; i < CMirelleVIPMgr::kIconsPerSlot; ++i) {
            const GVQZAniWnd* icon = s.vip.GetIcon(slot, static_cast<CMirelleVIPMgr::Icon>(i));
            ASSERT_NE(icon, nullptr);
            EXPECT_EQ(DepthOf(icon), anchor + 6 - (slot * 3 + i)) << "icon " << slot << "," << i;
            EXPECT_FALSE(icon->IsVisible());
            EXPECT_TRUE(steppedOnce(icon));
        }
    EXPECT_EQ(s.vip.GetIcon(1, CMirelleVIPMgr::kRibbonIcon)->GetPos(), Point(117, 121));
    const GVQZAniWnd* alert = s.vip.GetAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(steppedOnce(alert));
    EXPECT_LT(DepthOf(s.vip.GetAlertText(1)), DepthOf(alert)) << "alert texts not over the alert";
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(s.vip.GetAlertText(i)->IsVisible());
        EXPECT_EQ(s.vip.GetAlertText(i)->GetPos(), Point(410, 498));
    }
    const struct { const char* name; CMirelleVIPMgr::Combination c; std::vector<int32_t> cards; } lists[] = {
        {"gwang", CMirelleVIPMgr::kGwang, {0, 8, 28, 40, 44}},
        {"godori", CMirelleVIPMgr::kGodori, {4, 12, 29}},
        {"hongdan", CMirelleVIPMgr::kHongdan, {1, 5, 9}},
        {"chungdan", CMirelleVIPMgr::kChungdan, {21, 33, 37}},
        {"chodan", CMirelleVIPMgr::kChodan, {13, 17, 25}},
    };
    for (const auto& l : lists) EXPECT_EQ(s.vip.GetCombinationCards(l.c), l.cards) << l.name;
}
