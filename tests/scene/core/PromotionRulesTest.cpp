#include <gtest/gtest.h>

#include "scene/core/PromotionRules.h"

using namespace PromotionRules;

namespace {

EventState Jackpot(int32_t count, int32_t progress = 0)
{
    EventState s;
    s.jackpotFlags = {1, 1, 1};
    s.jackpotCount = s.jackpotCountCopy = count;
    s.jackpotProgress = progress;
    return s;
}

}  // namespace

TEST(PromotionRules, EventBannerByStateRoomAndChance)
{
    const struct {
        const char* name;
        EventState state;
        int32_t mode, roomKind;
        int coin;
        EventBanner expected;
    } cases[] = {
        {"jackpot running, plain room", Jackpot(0), 0, 1, 1, EventBanner::Jackpot},
        {"jackpot running, limit room, heads", Jackpot(2), 0, 5, 1, EventBanner::WinMoneyLimit},
        {"jackpot running, limit room, tails", Jackpot(2), 0, 10, 0, EventBanner::Jackpot},
        {"count 3: no jackpot banner", Jackpot(3), 0, 1, 1, EventBanner::Mission},
        {"count 3 in a limit room, heads", Jackpot(3), 0, 7, 3, EventBanner::WinMoneyLimit},
        {"no event, limit room, tails", EventState{}, 0, 8, 2, EventBanner::Mission},
        {"room kind 11 is no limit room", EventState{}, 0, 11, 1, EventBanner::Mission},
        {"kungjjak mode shows none", Jackpot(0), 5, 1, 1, EventBanner::None},
        {"two flags only: no event", [] { auto s = Jackpot(0); s.jackpotFlags[2] = 0; return s; }(), 0, 1, 1,
         EventBanner::Mission},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseEventBanner(c.state, c.mode, c.roomKind, c.coin), c.expected) << c.name;
}

TEST(PromotionRules, GaugeFramesAndAmountClips)
{
    EXPECT_EQ(GaugeFrame(17), 2);
    EXPECT_EQ(GaugeFrame(14), 14);
    EXPECT_EQ(GaugeFrame(-1), 14) << "a negative progress still names a frame";
    EXPECT_FALSE(Jackpot(3).GaugeOn());
    EXPECT_TRUE(Jackpot(2).GaugeOn());
    const struct { int64_t amount; std::optional<int32_t> clip; } clips[] = {
        {1'000'000, 0}, {5'880'000, 14}, {15'570'000, 15}, {5'000'000'000, 19},
        {5'000'000'000 - (int64_t{1} << 32), std::nullopt}, {12'345, std::nullopt}, {0, std::nullopt},
    };
    for (const auto& c : clips) EXPECT_EQ(JackpotClip(c.amount), c.clip) << c.amount;
}

TEST(PromotionRules, OwnJackpotResult)
{
    const std::array<int32_t, 3> on{1, 1, 1}, off{1, 0, 1};
    const struct {
        const char* name;
        EventState before;
        std::array<int32_t, 3> flags;
        JackpotSeatResult seat;
        GaugeAction gauge;
        std::optional<int32_t> clip;
        int32_t countAfter;
        const char* money;  // in the chat line, or null for none
    } cases[] = {
        {"stage 2 with a won amount", Jackpot(1), on, {2, 5, 12'500'000, 0}, GaugeAction::Keep, 6, 2, "1250만냥"},
        {"stage 3 ends the event", Jackpot(2), on, {3, 0, 5'000'000'000, 0}, GaugeAction::Stop, 19, 4, "50억냥"},
        {"no amount: the gauge at the progress", Jackpot(1), on, {2, 17, 0, 0}, GaugeAction::ShowFrame, {}, 1, nullptr},
        {"stage equal to the count", Jackpot(2), on, {2, 3, 1'000'000, 0}, GaugeAction::ShowFrame, {}, 2, nullptr},
        {"amount not in the table", Jackpot(0), on, {1, 0, 1'234, 0}, GaugeAction::Keep, {}, 1, nullptr},
        {"stage 4", Jackpot(1), on, {4, 0, 1'000'000, 0}, GaugeAction::Stop, {}, 4, nullptr},
        {"event off", Jackpot(1), off, {2, 0, 1'000'000, 0}, GaugeAction::Stop, {}, 1, nullptr},
    };
    for (const auto& c : cases) {
        EventState s = c.before;
        const OwnJackpotOutcome out = ApplyOwnJackpotResult(s, c.flags, c.seat);
        EXPECT_EQ(out.gauge, c.gauge) << c.name;
        EXPECT_EQ(out.clip, c.clip) << c.name;
        EXPECT_EQ(s.jackpotCount, c.countAfter) << c.name;
        if (c.money) {
            EXPECT_NE(out.chatLine.find(c.money), std::string::npos) << c.name << ": " << out.chatLine;
        } else {
            EXPECT_TRUE(out.chatLine.empty()) << c.name << ": " << out.chatLine;
        }
        if (out.gauge == GaugeAction::ShowFrame) {
            EXPECT_EQ(out.gaugeFrame, GaugeFrame(c.seat.progress)) << c.name;
        }
    }
}

TEST(PromotionRules, EventNotices)
{
    EventState s = Jackpot(0);
    s.luckyFlags = {1, 1, 1};
    auto lines = EventNoticeLines(s);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("보너스잭팟"), std::string::npos);
    EXPECT_NE(lines[1].find("100%당첨"), std::string::npos);
    lines = EventNoticeLines(EventState{});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("응모권을 받을 수"), std::string::npos);
    EXPECT_TRUE(LuckyTicketLine(0).empty());
    EXPECT_FALSE(LuckyTicketLine(1).empty());
}
