#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "table/core/EntryRules.h"

using namespace EntryRules;

namespace {

std::vector<int32_t> Kinds(const std::vector<HostNote>& notes)
{
    std::vector<int32_t> kinds;
    for (const HostNote& n : notes) kinds.push_back(n.kind);
    return kinds;
}

// A room at stake 3000.
ResultRoom Room(int32_t kind, bool tournamentFinished = false, int32_t antiLeave = 0, int32_t antiLeaveCount = 0)
{
    return {.roomKind = kind, .antiLeave = antiLeave, .antiLeaveCount = antiLeaveCount,
            .tournamentFinished = tournamentFinished, .stake = 3000};
}
ResultRoom Tournament(bool finished) { return Room(21, finished); }
ResultRoom AntiLeave(int32_t count) { return Room(9, false, 2, count); }

std::string BoxText(const ResultPlan& plan) { return plan.box ? plan.box->text : "(none)"; }

}  // namespace

TEST(EntryResult, EachCodeShowsItsBoxAndEndsByItsTail)
{
    const Tail end = Tail::End, leave = Tail::Leave, watch = Tail::Observer;
    const std::string none = "(none)";
    const struct { const char* name; int32_t code; bool fromJoin; ResultRoom room; bool alert; std::string text;
                   uint32_t ms; Tail tail; int32_t post; std::vector<int32_t> notes; } cases[] = {
        {"0 watches", 0, false, Room(0), false, none, 0, watch, 0, {}},
        {"1 in an ordinary room ends", 1, false, Room(0), false, none, 0, end, 0, {}},
        {"1 in a tournament before 210 stays", 1, false, Tournament(false), false, none, 0, end, 0, {}},
        {"1 in a tournament after 210 leaves", 1, false, Tournament(true), false, none, 0, leave, 1, {23}},
        {"1 outside tournaments ignores the flag", 1, false, Room(5, true), false, none, 0, end, 0, {}},
        {"2 leaves", 2, false, Room(0), true, none, 0, leave, 1, {23}},
        {"300 leaves", 300, false, Room(0), true, none, 0, leave, 1, {23}},
        {"3 severe error", 3, false, Room(0), true, "EXITCODE_SEVERERROR 방에 입장할 수 없습니다. ", 3000, end, 0, {}},
        {"unlisted 25 quiet but alerted", 25, false, Room(0), true, none, 0, end, 0, {}},
        {"-1 not alerted", -1, false, Room(0), false, none, 0, end, 0, {}},
        {"7", 7, false, Room(0), true, "방에 입장할 수 없습니다. ", 3000, end, 0, {}},
        {"11 in an anti-leave room", 11, false, AntiLeave(0), true,
         "먹튀방지금액 이상을 소지해야 게임에 참여할 수 있습니다.", 3000, end, 0, {}},
        {"11 outside anti-leave rooms", 11, false, Room(0), true, none, 0, end, 0, {}},
        {"11 in kind 9 with the setting off", 11, false, Room(9), true, none, 0, end, 0, {}},
        {"12 with an anti-leave count posts 6", 12, false, AntiLeave(3), true, none, 0, end, 6, {}},
        {"12 without a count posts 0", 12, false, AntiLeave(0), true, none, 0, end, 0, {}},
        {"13 room full watches", 13, true, Room(0), true, "빈 자리가 없습니다.", 5000, watch, 0, {}},
        {"14 connection lost", 14, false, Room(0), true,
         " 서버와의 연결이 끊어져 게임을 종료합니다. \n 이번 게임의 결과가 저장되지 않을 수 있습니다. ", 6000, leave, 1, {23}},
        {"16 too much money", 16, false, Room(0), true,
         "죄송합니다.\n소지하신 머니가 너무 많아,\n해당채널에는 입장하실 수 없습니다.", 5000, end, 0, {}},
        {"23 abuse leaves", 23, false, Room(0), true, " 어뷰징 의심으로 인해 게임에 더 이상 참여 하실 수 없습니다. ",
         3000, leave, 1, {23}},
        {"207 play limit watches", 207, false, Room(0), true,
         " 오늘 이용할 수 있는 판수 제한에 걸리셨습니다. \n 게임아이템이나 토벨 회원 서비스를 구매하시면 \n 판수제한 해제 혜택을 이용하실 수 있습니다. ",
         5000, watch, 0, {}},
        {"208 grade", 208, false, Room(21), true, " 토너먼트 등급이 맞지 않아 방에 입장할 수 없습니다. ", 3000, leave, 1, {23}},
        {"210 chances used", 210, false, Room(21), true, " 토너먼트에 참여 할 기회를 모두 사용하셨습니다. ", 5000, leave, 1, {23}},
        {"211 waits only", 211, false, Room(0), true, none, 0, end, 0, {}},
        {"212 prize", 212, false, Room(26), true, none, 0, end, 0, {31}},
        {"213 tells 34 then leaves once", 213, false, Room(32), true, none, 0, leave, 1, {34, 23}},
    };
    for (const auto& c : cases) {
        const ResultPlan p = PlanEntryResult(c.code, "", c.fromJoin, c.room);
        const uint32_t ms = p.box ? p.box->autoCloseMs : 0, color = p.box ? p.box->color : kBoxTextColor;
        const int32_t post = p.tail == watch ? 0 : p.postCode;
        EXPECT_EQ((std::tuple{p.alertSound, BoxText(p), ms, color, p.tail, post, Kinds(p.hostNotes)}),
                  (std::tuple{c.alert, c.text, c.ms, kBoxTextColor, c.tail, c.post, c.notes}))
            << c.name << ": alert, box text, auto-close, colour, tail, post code, notes";
    }
}

TEST(EntryResult, TournamentFlagAndForcedExitAndWaits)
{
    const struct { const char* name; int32_t code; int32_t kind; bool finished, forced; uint32_t wait; size_t prizes; } cases[] = {
        {"210 marks the tournament finished", 210, 21, true, false, 0, 0},
        {"213 marks it too", 213, 30, true, false, 0, 0},
        {"208 does not", 208, 21, false, false, 0, 0},
        {"8 asks code 26 first", 8, 0, false, true, 0, 0},
        {"9 asks code 26 first", 9, 0, false, true, 0, 0},
        {"211 waits half a second", 211, 0, false, false, 500, 0},
        {"212 in kind 26 shows the prize and waits", 212, 26, false, false, 3000, 2},
        {"212 in kind 32 shows the prize and waits", 212, 32, false, false, 3000, 2},
        {"212 elsewhere only waits", 212, 21, false, false, 500, 0},
    };
    for (const auto& c : cases) {
        const ResultPlan p = PlanEntryResult(c.code, "", false, Room(c.kind));
        EXPECT_EQ((std::tuple{p.setTournamentFinished, p.forcedExitRequest, p.waitMs, p.prizeTexts.size()}),
                  (std::tuple{c.finished, c.forced, c.wait, c.prizes})) << c.name << ": finished, forced exit, wait, prizes";
    }
    EXPECT_EQ(PlanEntryResult(212, "", false, Room(32)).prizeTexts.at(0), "18억냥을 지급 받으셨습니다");
}

TEST(EntryResult, DetailTextsFillTheBoxes)
{
    ResultRoom desperate = Room(41);
    desperate.customBet = 200'000;
    ResultRoom bigBet = Room(43);
    bigBet.customBet = 50'000'000;
    const struct { const char* name; int32_t code; std::string detail; bool fromJoin; ResultRoom room; std::string title; Tail tail; } cases[] = {
        {"10 from a seat, detail 0, room 5: the stake", 10, "0", true, Room(5), "[3000냥베팅 방] 입니다.", Tail::End},
        {"10 from elsewhere watches", 10, "0", false, Room(5), "[3000냥베팅 방] 입니다.", Tail::Observer},
        {"10 in room 41 names the kind's minimum over a smaller bet", 10, "0", true, desperate, "[30만냥]이상 소지하셔야 합니다.", Tail::End},
        {"10 in room 43 names a larger custom bet", 10, "", false, bigBet, "[5000만냥]이상 소지하셔야 합니다.", Tail::Observer},
        {"10 with money held has no title", 10, "150000", true, Room(5), "", Tail::End},
        {"10 with a negative detail", 10, "-5", true, Room(5), "[3000냥베팅 방] 입니다.", Tail::End},
    };
    for (const auto& c : cases) {
        const ResultPlan plan = PlanEntryResult(c.code, c.detail, c.fromJoin, c.room);
        ASSERT_TRUE(plan.box) << c.name;
        EXPECT_EQ((std::pair{plan.box->title, plan.tail}), (std::pair{c.title, c.tail})) << c.name << ": title, tail";
    }

    const struct { const char* name; int32_t code; std::string detail; int32_t kind; std::string text; } texts[] = {
        {"5 names the stake of the detail", 5, "3", 0,
         "등급이 맞지 않아 방에 입장할 수 없습니다.\n점1만냥채널로 이동하면 게임참여가 가능합니다."},
        {"6 with a non-number detail names index 0", 6, "abc", 0,
         "등급이 맞지 않아 방에 입장할 수 없습니다.\n점1천냥채널로 이동하면 게임참여가 가능합니다."},
        {"5 in a target-score room names the grade group", 5, "4", 40,
         "등급이 맞지 않아 방에 입장할 수 없습니다.\n중수/고수채널로 이동하면 게임참여가 가능합니다."},
        {"202 with a 14-character stamp", 202, "20111231235959", 0,
         " \"뚝딱로봇\"의 유효기간(12월31일23시59분)이 지나 게임을 종료합니다."},
        {"202 with a short stamp keeps it", 202, "2011", 0, " \"뚝딱로봇\"의 유효기간(2011)이 지나 게임을 종료합니다."},
    };
    for (const auto& c : texts) EXPECT_EQ(BoxText(PlanEntryResult(c.code, c.detail, false, Room(c.kind))), c.text) << c.name;
}

TEST(JoinQuestion, AsksForTheRoomsThatNeedConsent)
{
    struct Flags { int32_t freeChannel = 0, noMinimum = 0, asked = 1, playState = 1; bool robot = false; };
    auto room = [](int32_t kind, int32_t antiLeave, int32_t speed, Flags f = {}) {
        JoinRoom r;
        r.roomKind = kind, r.antiLeave = antiLeave, r.gameSpeed = speed, r.freeChannel = f.freeChannel;
        r.noMinimumEntry = f.noMinimum, r.askBeforeJoining = f.asked, r.playState = f.playState, r.robotSeated = f.robot;
        return r;
    };
    const std::string antiLeaveText = "먹튀방지 방입니다. 참여하시겠습니까?\n(판수를 채우거나 올인시 먹튀방지옵션이 해제됩니다.)";
    const std::string freeTitle = "자유채널 점500만냥 방입니다.";
    const struct { const char* name; JoinRoom room; std::string text, title; uint32_t color; } cases[] = {
        {"plain room: no question", room(0, 0, 0), "", "", 0},
        {"free channel", room(0, 0, 0, {.freeChannel = 1}), "선택하신 방이 맞는지 확인해 주세요.", freeTitle, kWarningColor},
        {"fast free channel keeps the title", room(0, 0, 2, {.freeChannel = 1}), "게임속도가 빠른 방입니다. 참여하시겠습니까?",
         freeTitle, kWarningColor},
        {"no minimum entry", room(41, 0, 0, {.noMinimum = 1}),
         "최소입장금액에 제한이 없는 방입니다. 참여 하시겠습니까?\n(상대와 베팅금액이 맞지 않아 불이익을 받을 수 있습니다.)", "", kBoxTextColor},
        {"anti-leave", room(8, 3, 0), antiLeaveText, "", kBoxTextColor},
        {"anti-leave and fast", room(10, 1, 2),
         "먹튀방지방 및 게임속도가 빠른 방입니다. 참여하시겠습니까?\n(판수를 채우거나 올인시 먹튀방지옵션이 해제됩니다.)", "", kBoxTextColor},
        {"kind 9 with the setting off is not anti-leave", room(9, 0, 0), "", "", 0},
        {"fast only", room(3, 0, 2), "게임속도가 빠른 방입니다. 참여하시겠습니까?", "", kBoxTextColor},
        {"the flag off never asks", room(9, 1, 2, {.asked = 0}), "", "", 0},
        {"a round under way without a robot: no question", room(9, 1, 0, {.playState = 2}), "", "", 0},
        {"a robot seated asks during a round", room(9, 1, 0, {.playState = 2, .robot = true}), antiLeaveText, "", kBoxTextColor},
    };
    for (const auto& c : cases) {
        const auto box = JoinQuestion(c.room);
        ASSERT_EQ(box.has_value(), !c.text.empty()) << c.name;
        if (!box) continue;
        EXPECT_EQ((std::tuple{box->text, box->title, box->color, box->autoCloseMs}),
                  (std::tuple{c.text, c.title, c.color, 5000u})) << c.name << ": text, title, colour, auto-close";
    }
}

TEST(SnapshotCheck, RefusesMoreCardsThanTheTableHolds)
{
    auto snapshot = [](size_t floor, size_t pi0, size_t hand0, size_t hand1) {
        GameDataTable t;
        t.floor.assign(floor, 1);
        t.players[0].piPile.assign(pi0, 2);
        t.players[0].hand.assign(hand0, 3);
        t.players[1].hand.assign(hand1, 4);
        t.players[1].gwangPile = {0, 8};
        return t;
    };
    const struct { const char* name; GameDataTable table; SnapshotCheck want; } cases[] = {
        {"an empty table", GameDataTable{}, SnapshotCheck::Ok},
        {"50 cards", snapshot(12, 18, 9, 9), SnapshotCheck::Ok},
        {"51 cards", snapshot(13, 18, 9, 9), SnapshotCheck::TooManyCards},
        {"a hand of 10", snapshot(8, 0, 10, 10), SnapshotCheck::Ok},
        {"a hand of 11", snapshot(8, 0, 10, 11), SnapshotCheck::HandTooLarge},
        {"the own hand of 11", snapshot(0, 0, 11, 0), SnapshotCheck::HandTooLarge},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckSnapshot(c.table), c.want) << c.name;
}

TEST(SnapshotCheck, RefusesABonusCardWithoutACardToJoin)
{
    auto floor = [](std::vector<int32_t> ids, std::vector<BonusCardMonth> pairs) {
        GameDataTable t;
        t.floor = std::move(ids);
        t.bonusCards = std::move(pairs);
        return t;
    };
    const struct { const char* name; GameDataTable table; SnapshotCheck want; } cases[] = {
        {"a bonus card with its pair", floor({8, 49}, {{2, 49}}), SnapshotCheck::Ok},
        {"a bonus card without its pair", floor({8, 49}, {}), SnapshotCheck::BonusWithoutPlace},
        {"bonus cards only", floor({48}, {{3, 48}}), SnapshotCheck::BonusWithoutPlace},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckSnapshot(c.table), c.want) << c.name;
}

TEST(PickCards, CountBoundByListAndPositions)
{
    const struct { const char* name; int32_t count; size_t list; int32_t want; } cases[] = {
        {"13 of 12 cards", 13, 12, 12},
        {"12 of 3 cards", 12, 3, 3},
        {"20 of 20 cards: 12 positions", 20, 20, 12},
        {"5 of 12", 5, 12, 5},
        {"a negative count", -1, 12, 0},
        {"no list", 4, 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(PickCardCount(c.count, c.list), c.want) << c.name;
}

TEST(StakeName, IndexesOutsideTheListFallBack)
{
    const struct { int32_t index, kind; std::string want; } cases[] = {
        {0, 0, "점1천냥"}, {8, 0, "점300만냥"}, {9, 0, "점1천냥"}, {-1, 5, "점1천냥"},
        {2, 40, "입문/초보/하수"}, {5, 43, "선수이상"}, {9, 42, "자유"}, {-1, 41, "자유"},
    };
    for (const auto& c : cases) EXPECT_EQ(StakeName(c.index, c.kind), c.want) << c.index << " in kind " << c.kind;
    EXPECT_EQ(LeadingNumber(" 42abc"), 42);
    EXPECT_EQ(LeadingNumber("-7"), -7);
    EXPECT_EQ(LeadingNumber("99999999999999999999"), INT64_MAX) << "overflow saturates";
}
