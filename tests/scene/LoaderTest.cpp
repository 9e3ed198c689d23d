#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <set>
#include <string>

#include "support/RoomTestSupport.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CCheckNotice.h"
#include "views/CVBakIconWnd.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"
#include "views/CVDesperateResultWnd.h"
#include "views/CVDesperateWnd.h"
#include "views/CVGFPlayCountWnd.h"
#include "views/CVMirelleBijouWnd.h"
#include "views/CVObserveSystemWnd.h"
#include "views/CVRankingPointWnd.h"
#include "views/CVRestrictOptionWnd.h"
#include "views/CVGoBakAlertUIWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVNotifyWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVResultWnd.h"

namespace fs = std::filesystem;

namespace {

// The files of a room folder by their path under it, with "\\" between folders.
std::set<std::string> FilesUnder(const fs::path& root)
{
    std::set<std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) {
            std::string name = fs::relative(e.path(), root).string();
            std::replace(name.begin(), name.end(), '/', '\\');
            files.insert(name);
        }
    return files;
}

// A reading moves a file's last-access time past an old one it was given (the file system keeps
// access times relative to the change time), so the files a load read are those past it.
const FILETIME kLongAgo{0x00000000, 0x01C00000};  // in 1999

bool SetAccessTime(const fs::path& file, FILETIME t)
{
    const HANDLE h = CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const bool set = SetFileTime(h, nullptr, &t, nullptr);
    CloseHandle(h);
    return set;
}

bool WasReadSinceLongAgo(const fs::path& file)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data) &&
           CompareFileTime(&data.ftLastAccessTime, &kLongAgo) > 0;
}

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

TEST_F(Loader, GeneratedRoomLoadsEveryWidgetInDrawingOrderAndItsFirstState)
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
    // The widgets keep their steps' order, and the result window lies directly below the money-gift
    // notice although it was made before the target-score and money-limit ones.
    const MoneyWidgets& money = s.moneyWidgets;
    const PeripheryWidgets& p = s.periphery;
    ASSERT_TRUE(s.resultWidgets.result && money.giftNotice);
    EXPECT_EQ(DepthOf(s.resultWidgets.result), DepthOf(money.giftNotice) + 1);
    const struct { const char* name; const GVWnd* below; const GVWnd* above; } order[] = {
        {"card 49 over the deck and the outlines", t.floorMarkers[11], t.cardWnds[49]},
        {"card 0 over card 49", t.cardWnds[49], t.cardWnds[0]},
        {"hand markers over the moving cards", t.cardSizeTemplates[2], t.handMarkers[0][0]},
        {"avatars over the seat panels", s.seatPanels.bakIcons[1], s.entryWidgets.robotAvatars[5]},
        {"start animations over the hand markers", t.nuclearMarker, s.entryWidgets.roundStart[0]},
        {"countdown over the money return", s.moneyWidgets.returnTexts[3], s.roomWidgets.countdownAnimation},
        {"table cover over the betting", s.betting.multiplier, s.betting.tableCover},
        {"action popups over the table cover", s.betting.tableCover, s.effects.actionPopups[0]},
        {"refills over the fireworks", s.resultWidgets.fireworks, money.refill[0]},
        {"pick board over the jewel gain", money.getBijou, s.entryWidgets.pickBoard},
        {"menu over the round banner", s.roundBanner.caption, s.roomButtons.popupMenu[0]},
        {"deck over the target-score panel", p.desperate, t.deckImage},
        {"play-count panel over the deck's back", t.deckBackAnimation, p.playCount},
        {"restrict panel over the seat panels", s.seatPanels.bakIcons[1], p.restrictOption},
        {"invite panel over the restrict panel", p.restrictOption, s.entryWidgets.inviteBack},
        {"ranking panel over the avatars' marks", s.avatarMarks.firstPlayer[1], p.rankingPoint},
        {"observer bar over the layer anchor", t.layerAnchor, s.entryWidgets.observerBar},
        {"prompt over the observer bar", s.entryWidgets.observerBar, s.roomWidgets.notify},
        {"target-score result over the result box", s.resultWidgets.resultBox, p.desperateResult},
        {"money-limit mark over the target-score result", p.desperateResult, money.winLimitMark},
        {"jewel panel over the refill texts", money.refillTexts[1], p.bijou},
        {"jewel gain over the jewel panel", p.bijou, money.getBijou},
    };
    for (const auto& c : order) {
        ASSERT_TRUE(c.below && c.above) << c.name;
        EXPECT_GE(DepthOf(c.above), 0) << c.name;
        EXPECT_LT(DepthOf(c.above), DepthOf(c.below)) << c.name;
    }
    EXPECT_EQ(s.GetWnds().front(), p.checkNotice) << "the check notice is not on top";
    EXPECT_EQ(DepthOf(money.bombTooltip), 1) << "the money-limit tips are not directly below the check notice";

    // The panels around the table wait hidden for their rooms; the check notice shows but idle and
    // out of the mouse's way, its scrolling picture queued at 178 pixels per 4000 ms.
    const MissionPanels& m = s.missions;
    const GVWnd* const hiddenPanels[] = {p.desperate, p.playCount, p.restrictOption, p.rankingPoint, p.desperateResult,
                                         s.entryWidgets.observerBar, m.single, m.twoCard, m.cardC, m.cardC2, m.kungjjak};
    for (const GVWnd* panel : hiddenPanels) {
        ASSERT_NE(panel, nullptr);
        EXPECT_FALSE(panel->IsVisible()) << "a panel shows before its room asks";
    }
    const auto* bar = dynamic_cast<const CVObserveSystemWnd*>(s.entryWidgets.observerBar);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->GetButton(CVObserveSystemWnd::Button::Join)->IsVisible()) << "the bar starts expanded";
    for (const GVWnd* folded : {static_cast<const GVWnd*>(bar->GetTextTab()), static_cast<const GVWnd*>(bar->GetItemTooltip()),
                                static_cast<const GVWnd*>(bar->GetButton(CVObserveSystemWnd::Button::TextTab))})
        EXPECT_FALSE(folded->IsVisible()) << "the folded tab or the tooltip shows on the expanded bar";
    for (const GVWnd* child : p.bijou->Children()) EXPECT_FALSE(child->IsVisible()) << "the jewel panel shows before it counts";
    EXPECT_EQ(p.bijou->GetGainAnimation()->GetSubAnimation(), 11) << "the gain plays its \"dama\" clip";
    const CCheckNotice* notice = p.checkNotice;
    EXPECT_TRUE(notice->IsVisible());
    EXPECT_FALSE(notice->IsEnabled());
    EXPECT_FALSE(notice->IsActive());
    EXPECT_EQ(notice->GetAnimationSet().GetChildCount(), 27) << "captions, digits and effects up to child 27";
    const CScroll_Text& scroller = notice->GetScroller();
    ASSERT_EQ(scroller.sprites.size(), 1u);
    const KK_LLESprite_Scroll& picture = *scroller.sprites.front();
    EXPECT_EQ(picture.move.end, picture.GetWidth() + 178);
    EXPECT_EQ(picture.move.duration, static_cast<uint32_t>((picture.GetWidth() + 178) * 4000 / 178));

    // What the tick and the handlers drive is set, and what the tick steps is in its list.
    const GVWnd* driven[] = {
        s.roomButtons.invite, s.roomButtons.autoPlayCancel, s.roomMarks.nineTenClip, s.roomMarks.autoPlayNotice,
        s.roomMarks.gameLevel, s.avatarMarks.disconnected[0], s.avatarMarks.voiceOff[1], s.avatarMarks.blacklisted[1],
        s.entryWidgets.roundStart[3], s.betting.buttons[2], s.betting.kinds[1], s.betting.dieWarning, s.betting.text,
        money.returnBack, money.giftAnimationOther, money.limitTooltip, money.limitExplain,
        s.avatarMarks.robot[1], s.avatarMarks.badge[0], s.entryWidgets.prizeBack, s.entryWidgets.prizeTexts[1],
    };
    for (size_t i = 0; i < std::size(driven); ++i) EXPECT_NE(driven[i], nullptr) << "driven widget " << i;
    const auto& stepped = s.roomWidgets.animations;
    const auto steppedOnce = [&](const GVQZAniWnd* a) { return std::count(stepped.begin(), stepped.end(), a) == 1; };
    for (const GVQZAniWnd* a : {s.roomWidgets.countdownAnimation, s.roomWidgets.hourlyAnimation, money.giftAnimation,
                                money.refill[1], s.betting.back, s.roomMarks.firstPlace, t.turnHint,
                                s.roomWidgets.playingAnimation, s.roomWidgets.entryAnimation})
        EXPECT_TRUE(steppedOnce(a)) << "an animation the tick must step is not listed";
    EXPECT_EQ(s.roomWidgets.countdownAnimation->GetFrameCount(), 10) << "one frame per second of the countdown";
    EXPECT_EQ(std::vector<CVPSPPushBtn*>(s.roomButtons.menuButtons.begin(), s.roomButtons.menuButtons.end()),
              std::vector<CVPSPPushBtn*>(s.roomButtons.popupMenu.begin(), s.roomButtons.popupMenu.end()));
    // The buttons whose second image set the room shows have its four frames (the exit button's is give-up).
    for (const CVPSPPushBtn* b : {s.roomButtons.exit, s.betting.buttons[1], s.roomButtons.popupMenu[2],
                                  s.roomButtons.popupMenu[3], s.roomButtons.fullScreen, s.roomButtons.start,
                                  p.desperate->GetGiveUpButton(), p.playCount->GetRefillButton(),
                                  p.desperateResult->GetButton(CVDesperateResultWnd::Button::Chamgi)})
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
    for (int slot = 0; slot < kHandSlots; ++slot) {
        for (int i = 0; i < TableWidgets::kMarkersPerHandSlot; ++i) {
            SCOPED_TRACE("hand slot " + std::to_string(slot) + " marker " + std::to_string(i));
            const auto* marker =
                dynamic_cast<const GVQZAniWnd*>(t.handMarkers[static_cast<size_t>(slot)][static_cast<size_t>(i)]);
            ASSERT_NE(marker, nullptr);
            EXPECT_FALSE(marker->IsVisible());
            EXPECT_EQ(std::count(stepped.begin(), stepped.end(), marker), 0);
            EXPECT_EQ(marker->GetSubAnimation(), i < 9 ? i : 3);
        }
    }

    // The mission panels lie in mode order between the ranking panel and the go alert; the promotion
    // banners are made hidden and their animations stepped; the VIP icons lie directly below the
    // layer anchor in their order, and the VIP lists hold each combination's cards.
    const GVWnd* const stack[] = {s.periphery.rankingPoint, m.single, m.twoCard, m.cardC, m.cardC2, m.kungjjak,
                                  s.seatPanels.goBakAlert};
    for (size_t i = 1; i < std::size(stack); ++i)
        EXPECT_EQ(DepthOf(stack[i]), DepthOf(stack[i - 1]) - 1) << "not directly over the one before: " << i;
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
    const GVQZAniWnd* alert = s.vip.GetAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(steppedOnce(alert));
    EXPECT_LT(DepthOf(s.vip.GetAlertText(1)), DepthOf(alert)) << "alert texts not over the alert";
    for (int i = 0; i < 2; ++i) EXPECT_FALSE(s.vip.GetAlertText(i)->IsVisible());
    const struct { const char* name; CMirelleVIPMgr::Combination c; std::vector<int32_t> cards; } lists[] = {
        {"gwang", CMirelleVIPMgr::kGwang, {0, 8, 28, 40, 44}},
        {"godori", CMirelleVIPMgr::kGodori, {4, 12, 29}},
        {"hongdan", CMirelleVIPMgr::kHongdan, {1, 5, 9}},
        {"chungdan", CMirelleVIPMgr::kChungdan, {21, 33, 37}},
        {"chodan", CMirelleVIPMgr::kChodan, {13, 17, 25}},
    };
    for (const auto& l : lists) EXPECT_EQ(s.vip.GetCombinationCards(l.c), l.cards) << l.name;
}

// Every file of the generated room is read by a full load, but for those a room reads later. A
// later load in the same process is timed too.
TEST_F(Loader, FullLoadReadsEveryRoomFileButThoseLeftForLater)
{
    const struct { const char* folder; const char* prefix; const char* why; } leftUnread[] = {
        {"GameImage", "Back\\skin_1.qzs", "the other table skin"},
        {"GameImage", "Back\\tournament_title.psp", "made by room entry in tournament rooms"},
        {"GameImage", "Avatar\\default.gif", "a seat avatar's fallback, read when a seat's avatar loads"},
        {"GameImage", "VIP\\bg_", "the VIP side dialog's pictures, read when it opens"},
        {"GameImage", "VIP\\btn_", "the VIP side dialog's pictures"},
        {"GameImage", "VIP\\img_", "the VIP side dialog's pictures"},
        {"GameSound", "Female", "voices, spoken on demand"},
        {"GameSound", "Male", "voices, spoken on demand"},
        {"GameSound", "Robot\\", "the robot's voice, spoken on demand"},
        {"GameSound", "kungjjak_bgm", "music streamed while a kungjjak mission plays"},
    };
    const fs::path room = fs::path(dir);
    const fs::path probe = room / "GameImage" / "Back" / "deck.psp";
    ASSERT_TRUE(SetAccessTime(probe, kLongAgo));
    char first = 0;
    std::ifstream(probe, std::ios::binary).read(&first, 1);
    if (!WasReadSinceLongAgo(probe)) GTEST_SKIP() << "this file system does not keep access times";
    std::set<std::string> files[2];
    const char* const folders[2] = {"GameImage", "GameSound"};
    for (int i = 0; i < 2; ++i) {
        files[i] = FilesUnder(room / folders[i]);
        for (const std::string& f : files[i]) ASSERT_TRUE(SetAccessTime(room / folders[i] / f, kLongAgo)) << f;
    }

    OpenAndWait();
    ASSERT_TRUE(Scene().IsReady());
    for (int i = 0; i < 2; ++i) {
        for (const std::string& f : files[i]) {
            if (WasReadSinceLongAgo(room / folders[i] / f)) continue;
            const bool onPurpose = std::any_of(std::begin(leftUnread), std::end(leftUnread), [&](const auto& e) {
                return folders[i] == std::string(e.folder) && f.rfind(e.prefix, 0) == 0;
            });
            EXPECT_TRUE(onPurpose) << folders[i] << "\\" << f << " was not read";
        }
    }
    for (const auto& e : leftUnread) {
        const auto& in = files[std::string(e.folder) == folders[0] ? 0 : 1];
        EXPECT_TRUE(std::any_of(in.begin(), in.end(), [&](const std::string& f) { return f.rfind(e.prefix, 0) == 0; }))
            << "no file left for: " << e.why;
    }

    CloseRoom();
    PumpFor(200);
    OpenAndWait();
    std::cout << "a later load in the process: widgets " << widgetsMs << " ms, sounds " << soundsMs << " ms\n";
    EXPECT_TRUE(Scene().IsReady());
}

// A file missing from the generated room: loading stops at once at its widget.
TEST_F(Loader, MissingFileStopsLoadingWithOneReport)
{
    using Created = bool (*)(const CMirelleVWS&);
    const struct { const char* name; const char* file; Created before; Created after; } cases[] = {
        {"skin", "Back\\skin_0.qzs", nullptr,
         [](const CMirelleVWS& s) { return s.tableWidgets.skin != nullptr || s.tableWidgets.deckImage != nullptr; }},
        {"exit button", "Button\\exit_btn.psp",
         [](const CMirelleVWS& s) { return s.roomButtons.close && s.roomButtons.vip && s.roomButtons.option; },
         [](const CMirelleVWS& s) { return s.roomButtons.exit || s.roomButtons.cancelExit || s.entryWidgets.stakeText; }},
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
        // A panel's child: the panel is deleted, the step's later widgets are not made.
        {"target-score panel's second digits", "GameRule\\Desperate\\jumsu1.psp",
         [](const CMirelleVWS& s) { return s.tableWidgets.skin != nullptr; },
         [](const CMirelleVWS& s) { return s.periphery.desperate || s.tableWidgets.deckImage; }},
        {"play-count panel's gauge", "PCRefill\\gauge.bmp",
         [](const CMirelleVWS& s) { return s.tableWidgets.deckBackAnimation && s.periphery.desperate; },
         [](const CMirelleVWS& s) { return s.periphery.playCount || s.roomButtons.titleText; }},
        {"restrict panel's back", "GameRule\\Restrict\\back.qzs",
         [](const CMirelleVWS& s) { return s.seatPanels.bakIcons[1] != nullptr; },
         [](const CMirelleVWS& s) { return s.periphery.restrictOption || s.entryWidgets.inviteBack; }},
        {"ranking panel's badge", "Ranking\\level.psp",
         [](const CMirelleVWS& s) { return s.avatarMarks.firstPlayer[1] != nullptr; },
         [](const CMirelleVWS& s) { return s.periphery.rankingPoint || s.seatPanels.goBakAlert; }},
        {"observer bar's text tab", "ObserveSystem\\text_btn.psp",
         [](const CMirelleVWS& s) { return s.tableWidgets.layerAnchor != nullptr; },
         [](const CMirelleVWS& s) { return s.entryWidgets.observerBar || s.roomWidgets.notify; }},
        {"target-score result's challenge", "DesperateResult\\challenge_btn.psp",
         [](const CMirelleVWS& s) { return s.resultWidgets.result != nullptr; },
         [](const CMirelleVWS& s) { return s.periphery.desperateResult || s.moneyWidgets.winLimitMark; }},
        {"jewel panel's gain, read twice", "Bijou\\getbijou.qza",
         [](const CMirelleVWS& s) { return s.moneyWidgets.refillTexts[1] != nullptr; },
         [](const CMirelleVWS& s) { return s.periphery.bijou || s.moneyWidgets.getBijou; }},
        // The check notice loads its animations itself and reports them once.
        {"check notice's animations", "Etc\\CheckNotice.qza",
         [](const CMirelleVWS& s) { return s.moneyWidgets.bombTooltip != nullptr; },
         [](const CMirelleVWS& s) { return s.periphery.checkNotice != nullptr; }},
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
        // The tick passes over what was not made.
        Sleep(60);
        EXPECT_EQ(s.Tick(), 1);
        CloseRoom();
        PumpFor(200);
        fs::copy_file(source / "GameImage" / fs::path(c.file), file);
    }
    // Loading on the window thread: the start fails.
    ASSERT_TRUE(fs::remove(ImageFile("Hwatoo\\hold.bmp")));
    EXPECT_FALSE(OpenRoom(false));
}
