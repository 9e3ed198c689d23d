#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/core/HandHints.h"
#include "scene/core/HostNotices.h"
#include "scene/core/TextTokens.h"

using namespace HintRules;

namespace {

// Each slot's icon names joined by "+", slots by " ".
std::string Describe(const std::vector<std::vector<HintIcon>>& slots)
{
    std::string text;
    for (const auto& icons : slots) {
        if (!text.empty()) text += " ";
        std::string slot;
        for (HintIcon icon : icons) slot += (slot.empty() ? "" : "+") + std::string(HintIconName(icon));
        text += slot.empty() ? "-" : slot;
    }
    return text;
}

HintInputs Hand(std::vector<HintHandCard> hand, std::vector<std::pair<int, int>> floor,
                std::vector<std::pair<int, int>> state = {}, bool nubomb = false)
{
    HintInputs in;
    in.hand = std::move(hand);
    for (auto [month, count] : floor) in.floorCounts[static_cast<size_t>(month)] = count;
    for (auto [month, value] : state) in.monthState[static_cast<size_t>(month)] = value;
    in.nubomb = nubomb;
    return in;
}

}  // namespace

TEST(HandHints, IconsPerSlotFromHandAndFloor)
{
    const struct { const char* name; HintInputs in; std::string want; } cases[] = {
        {"three in hand, one on the floor: Bomb on all three", Hand({{3}, {3}, {3}, {5}}, {{3, 1}}), "Bomb Bomb Bomb -"},
        {"two and two: nuclear", Hand({{4}, {4}}, {{4, 2}}), "nuclear nuclear"},
        {"three in hand, none on the floor: Shake", Hand({{1}, {1}, {1}}, {}), "Shake Shake Shake"},
        {"four in hand: Shake", Hand({{1}, {1}, {1}, {1}}, {}), "Shake Shake Shake Shake"},
        {"one of a month on the floor: CanEat", Hand({{6}}, {{6, 1}}), "CanEat"},
        {"three left in play with the month's pair captured: CanEatFix", Hand({{6}}, {{6, 1}}, {{6, 2}}), "CanEatFix"},
        {"one in hand and three on the floor make four: CanEatFix", Hand({{6}}, {{6, 3}}), "CanEatFix"},
        {"bonus card only CanEat, never a mission", Hand({{12, true}}, {}, {}), "CanEat"},
        {"bonus card reads no month's state", Hand({{12}, {12}}, {}, {{11, 2}}), "CanEat CanEat"},
        {"two in hand with the month's state 2: Mine", Hand({{2}, {2}}, {}, {{2, 2}}), "Mine Mine"},
        {"Mine beside a floor match", Hand({{2}, {2}}, {{2, 1}}, {{2, 2}}), "CanEatFix+Mine CanEatFix+Mine"},
        {"mission card with a floor match", Hand({{7, true}}, {{7, 1}}), "CanEat+Mission"},
        {"mission card without a floor match", Hand({{7, true}}, {}), "MissionGray"},
        {"nubomb: slots 0..2 play 2Bomb", Hand({{3}, {3}, {3}}, {{3, 1}}, {}, true), "2Bomb 2Bomb 2Bomb"},
        {"nubomb past slot 2 stays Bomb", Hand({{5}, {3}, {3}, {3}}, {{3, 1}}, {}, true), "- 2Bomb 2Bomb Bomb"},
        {"month out of range gets nothing", Hand({{-1}, {13}}, {}), "- -"},
        {"an 11-card hand has hints for ten slots", Hand(std::vector<HintHandCard>(11, {12}), {}),
         "CanEat CanEat CanEat CanEat CanEat CanEat CanEat CanEat CanEat CanEat"},
    };
    for (const auto& c : cases) EXPECT_EQ(Describe(ComputeHandHints(c.in)), c.want) << c.name;
}

TEST(PopupMenu, EntriesByTargetAndRoom)
{
    const PopupInputs owner{.targetKey = 7, .ownKey = 1, .targetSeated = true, .ownSeated = true,
                            .ownIsRoomOwner = true, .roomState = 1};
    const auto with = [&](auto change) { PopupInputs in = owner; change(in); return in; };
    using E = PopupEntry;
    const E on{true, true, 0}, off{true, false, 0}, hidden{};
    const struct { const char* name; PopupInputs in; std::array<E, 4> want; } cases[] = {
        {"owner on another seated user", owner, {on, on, on, on}},
        {"the own user: no page, no kick", with([](PopupInputs& i) { i.targetKey = 1; }), {on, off, off, on}},
        {"not the owner", with([](PopupInputs& i) { i.ownIsRoomOwner = false; }), {on, on, off, on}},
        {"anti-leave rule with the target seated", with([](PopupInputs& i) { i.antiLeaveRestricted = true; }),
         {on, on, off, on}},
        {"playing before the table is synchronised", with([](PopupInputs& i) { i.roomState = 2; }), {on, on, off, on}},
        {"result shown: kick disabled", with([](PopupInputs& i) { i.roomState = 3; }), {on, on, off, on}},
        {"reserved target may cancel, even with a result shown",
         with([](PopupInputs& i) { i.roomState = 3; i.kickReserved = true; }), {on, on, E{true, true, 1}, on}},
        {"target-score room never kicks", with([](PopupInputs& i) { i.desperateRoom = true; i.kickReserved = true; }),
         {on, on, E{true, false, 1}, on}},
        {"voice-muted target", with([](PopupInputs& i) { i.voiceMuted = true; }), {on, on, on, E{true, true, 1}}},
        {"watching target: no mute entry", with([](PopupInputs& i) { i.targetSeated = false; }), {on, on, on, hidden}},
        {"no target: all hidden", with([](PopupInputs& i) { i.targetKey = -1; }), {hidden, hidden, hidden, hidden}},
    };
    for (const auto& c : cases) {
        const auto got = PopupEntries(c.in);
        for (size_t i = 0; i < got.size(); ++i)
            EXPECT_TRUE(got[i] == c.want[i]) << c.name << ", entry " << i << ": shown " << got[i].shown << ", enabled "
                                             << got[i].enabled << ", image set " << got[i].imageSet;
    }
}

TEST(PopupMenu, StacksDownwardsEndingAt520AtMost)
{
    const struct { const char* name; Point at; int height; int firstY; } cases[] = {
        {"room below: from the point", {300, 100}, 20, 100},
        {"exactly fits", {300, 440}, 20, 440},
        {"near the bottom: moved up", {300, 500}, 20, 440},
        {"below the table: moved up", {300, 590}, 25, 420},
    };
    for (const auto& c : cases) {
        const auto points = PopupEntryPoints(c.at, c.height);
        for (size_t i = 0; i < points.size(); ++i)
            EXPECT_EQ(points[i], Point(c.at.x, c.firstY + c.height * static_cast<int>(i))) << c.name << ", entry " << i;
        EXPECT_LE(points.back().y + c.height, kPopupBottom) << c.name;
    }
}

TEST(SplitToken, PiecesAndTheEmptyDelimiter)
{
    std::string source = "|a|b", token;
    EXPECT_EQ(SceneRules::SplitToken(source, token, "|"), 1);
    EXPECT_EQ(token, "a");
    EXPECT_EQ(SceneRules::SplitToken(source, token, "|"), 0);
    EXPECT_EQ(token, "b");
    EXPECT_EQ(source, "");
    // An empty delimiter takes the whole source, so a loop over the pieces ends.
    source = "a|b";
    SceneRules::SplitToken(source, token, "");
    EXPECT_EQ(token, "a|b");
    EXPECT_EQ(source, "");
}

TEST(MoneyNotices, GiftAndRefillTexts)
{
    EXPECT_EQ(NoticeRules::MoneyGiftText(1230000),
              "축하합니다!`1120` 10판마다 `0020`'떴다!코인종'`0121` 고스톱머니를 드립니다!\n    고스톱머니 "
              "`0020`123만냥`0121`이 지급되었습니다.`0020`");
    const struct { const char* name; int kind; int64_t amount; int left; int badge; std::string chat, label; } cases[] = {
        {"automatic 200000, refills left", 3, 200000, 2, 0,
         "자동리필`1130` +20만냥`0131`, 리필이 `0030`2회`0131` 남았습니다.`0030`", "남은 리필 2회"},
        {"automatic 300000, none left", 3, 300000, 0, 1, "자동리필`1130` +30만냥`0131`, 남은 리필이 없습니다.`0030`",
         "남은 리필 없음"},
        {"automatic, other amount: no badge", 3, 500000, 1, -1,
         "자동리필`1130` +50만냥`0131`, 리필이 `0030`1회`0131` 남았습니다.`0030`", "남은 리필 1회"},
        {"PC-cafe refill", 2, 100000, 3, 2, "세린’PC방 리필`1130` +10만냥`0131`, 리필이 `0030`3회`0131` 남았습니다.`0030`",
         "남은 리필 3회"},
        {"other kinds tell nothing", 1, 100000, 3, -1, "", ""},
    };
    for (const auto& c : cases) {
        const NoticeRules::RefillNotice n = NoticeRules::RefillNoticeFor(c.kind, c.amount, c.left);
        EXPECT_EQ(n.badgeFrame, c.badge) << c.name;
        EXPECT_EQ(n.chat, c.chat) << c.name;
        EXPECT_EQ(n.label, c.label) << c.name;
    }
}

TEST(Blacklist, HostCommands)
{
    using List = std::vector<int32_t>;
    const struct { const char* name; List before; int command; std::string text; List after; bool changed; } cases[] = {
        {"14 replaces", {1, 2}, 14, "|7|8|", {7, 8}, true},
        {"14 skips pieces that are no keys", {}, 14, "7|x|9999999999|8", {7, 8}, true},
        {"14 with an empty text empties", {1}, 14, "", {}, true},
        {"15 adds", {1}, 15, "5", {1, 5}, true},
        {"15 of a listed key changes nothing", {5}, 15, "5", {5}, false},
        {"16 removes", {1, 5, 6}, 16, "5", {1, 6}, true},
        {"16 of an unlisted key", {1}, 16, "5", {1}, false},
        {"other commands", {1}, 17, "5", {1}, false},
    };
    for (const auto& c : cases) {
        List list = c.before;
        EXPECT_EQ(NoticeRules::ApplyBlacklistCommand(list, c.command, c.text), c.changed) << c.name;
        EXPECT_EQ(list, c.after) << c.name;
    }
    EXPECT_EQ(NoticeRules::KeyListText({101, -5}), "|101|-5|");
    EXPECT_EQ(NoticeRules::KeyListText({}), "");
}

TEST(SeatBadge, KindsOneToFiveShowFramesZeroToFour)
{
    for (int32_t kind = 1; kind <= 5; ++kind) EXPECT_EQ(SeatBadgeFrame(kind), kind - 1) << "kind " << kind;
    for (int32_t kind : {0, 6, -1, INT32_MIN, INT32_MAX}) EXPECT_FALSE(SeatBadgeFrame(kind).has_value()) << "kind " << kind;
}
