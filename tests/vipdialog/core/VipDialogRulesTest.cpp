#include <gtest/gtest.h>

#include "vipdialog/core/VipDialogRules.h"

using namespace VipDialogRules;

TEST(VipDialogRules, PairVectorKeepsDuplicatesAndFindsTheFirst)
{
    CTPairVector<int32_t, RadioRecord> table;
    EXPECT_EQ(table.Add(220).first, 0);
    EXPECT_EQ(table.Add(221).first, 1);
    auto [index, rec] = table.Add(220);
    EXPECT_EQ(index, 2);
    rec.group = {9};
    EXPECT_EQ(table.Find(220), 0);
    EXPECT_TRUE(table.FindRecord(220)->group.empty()) << "the first pair answers";
    EXPECT_EQ(table.Find(7), -1);
    EXPECT_FALSE(table.IsValidIndex(-1));
    EXPECT_FALSE(table.IsValidIndex(3));
    EXPECT_EQ(table.GetAt(3), nullptr);
    EXPECT_TRUE(table.RemoveAt(0));
    EXPECT_EQ(table.Find(220), 1) << "the later pairs move up";
    EXPECT_FALSE(table.RemoveAt(2));
}

TEST(VipDialogRules, JoinRadioGroupSkipsMissingIds)
{
    CTPairVector<int32_t, RadioRecord> table;
    table.Add(223);
    table.Add(225);
    JoinRadioGroup(table, {223, 224, 225, -1});
    EXPECT_EQ(table.FindRecord(223)->group, (RadioGroup{223, 224, 225}));
    EXPECT_EQ(table.FindRecord(225)->group, (RadioGroup{223, 224, 225}));
    JoinRadioGroup(table, {-1, 223, 225});
    EXPECT_EQ(table.FindRecord(223)->group, (RadioGroup{223, 224, 225})) << "a list starting with -1";
}

TEST(VipDialogRules, NumericEditJudgesTheTextItWouldMake)
{
    const struct {
        const char* name;
        EditState edit;
        char key;
        EditVerdict verdict;
    } cases[] = {
        {"a letter", {"12", 2, 2}, 'a', EditVerdict::RefuseChar},
        {"a digit at the end", {"12", 2, 2}, '3', EditVerdict::Accept},
        {"a fifth digit", {"9999", 4, 4}, '9', EditVerdict::RefuseValue},
        {"caret first: 90001", {"0001", 0, 0}, '9', EditVerdict::RefuseValue},
        {"over a selection", {"9999", 0, 4}, '5', EditVerdict::Accept},
        {"replacing part", {"9999", 1, 3}, '0', EditVerdict::Accept},
        {"backspace", {"12", 2, 2}, '\b', EditVerdict::Accept},
        {"backspace to empty", {"1", 1, 1}, '\b', EditVerdict::Accept},
        {"a caret past the text", {"12", 9, 9}, '1', EditVerdict::Accept},
    };
    for (const auto& c : cases) EXPECT_EQ(JudgeEditKey(c.edit, c.key, kEditMin, kEditMax), c.verdict) << c.name;
    EXPECT_FALSE(IsAcceptableEditText("12a", kEditMin, kEditMax));
    EXPECT_FALSE(IsAcceptableEditText(std::string(9999, '1'), kEditMin, kEditMax));
    EXPECT_EQ(ClampEditNumber("123456"), 9999);
    EXPECT_EQ(ClampEditNumber(""), 0);
}

TEST(VipDialogRules, AmountIn64Bits)
{
    EXPECT_EQ(AlertAmount(3, 5000), 350'000'000);
    EXPECT_EQ(AlertAmount(9999, 9999), 999'999'990'000);
    EXPECT_EQ(AlertAmount(20000, -3), 999'900'000'000) << "held to the limits";
    const AmountParts parts = SplitAlertAmount(999'999'990'000);
    EXPECT_EQ(parts.high, 9999);
    EXPECT_EQ(parts.low, 9999);
}

TEST(VipDialogRules, StatisticsTexts)
{
    const auto t = StatisticsTexts(24, {3725, 3, 2, 123'450'000, 150'000});
    EXPECT_EQ(t[0], "별맞고/1시간2분");
    EXPECT_EQ(t[1], "3승2패(5판)");
    EXPECT_EQ(t[2], "1억2345만냥");
    EXPECT_EQ(t[3], "(+15만냥)");
    EXPECT_EQ(StatisticsTexts(99, {25 * 3600, 0, 0, 0, -150'000})[0], "-/25시간0분");
    EXPECT_EQ(StatisticsTexts(1, {0, 0, 0, 0, 0})[3], "(0냥)");
}

TEST(VipDialogRules, GameCountsOfAnyWireValue)
{
    const struct {
        const char* name;
        uint32_t wins, losses;
        const char* text;
    } cases[] = {
        {"none", 0, 0, "0승0패(0판)"},
        {"sum past the signed range", 0x7FFFFFFF, 1, "2147483647승1패(2147483648판)"},
        {"both at the top", 0xFFFFFFFF, 0xFFFFFFFF, "4294967295승4294967295패(8589934590판)"},
    };
    for (const auto& c : cases) EXPECT_EQ(StatisticsTexts(24, {0, c.wins, c.losses, 0, 0})[1], c.text) << c.name;
}

TEST(VipDialogRules, GatePlans)
{
    auto find = [](const GatePlan& p, int32_t id) {
        for (const auto& c : p.controls)
            if (c.id == id) return c;
        return ControlState{-1};
    };
    const GatePlan all = PlanForGates({1, 1, 1}, true, false);
    EXPECT_EQ(find(all, kSecondEdit), (ControlState{kSecondEdit, true, true}));
    EXPECT_EQ(find(all, kMoneyHigh), (ControlState{kMoneyHigh, true, false}));
    EXPECT_EQ(find(all, kShopOption), (ControlState{kShopOption, false, false}));
    EXPECT_TRUE(all.imageShown[kMoneyImage]);
    EXPECT_FALSE(all.imageShown[kOptionImage]);
    const GatePlan none = PlanForGates({0, 0, 0}, true, true);
    EXPECT_EQ(find(none, kShopNormal), (ControlState{kShopNormal, true, true}));
    EXPECT_EQ(find(none, kStat1), (ControlState{kStat1, false, false}));
    EXPECT_TRUE(none.imageShown[kNormalImage]);
    const GatePlan two = PlanForGates({2, 2, 0}, false, false);
    EXPECT_EQ(find(two, kFirst30), (ControlState{kFirst30, false, true})) << "2: enabled but not shown";
    EXPECT_TRUE(two.imageShown[kOptionImage]);
}

TEST(VipDialogRules, RegionRunsAndBatches)
{
    constexpr uint32_t M = 0xFF00FF, G = 0x101010;
    // Near-key pixels count as key: 0xFF10FF (G 16) is key, 0xFF11FF (G 17) is not.
    const uint32_t px[] = {M, G, G, 0xFF10FF, 0xFF11FF, M,
                           M, M, M, M, M, M};
    EXPECT_EQ(OpaqueRuns(px, 6, 2), (std::vector<RowRun>{{1, 3, 0}, {4, 5, 0}}));
    EXPECT_TRUE(OpaqueRuns(px, 0, 2).empty());
    std::vector<RowRun> runs(4001, RowRun{0, 1, 0});
    const auto batches = BatchRuns(runs);
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(batches[0].size(), 2000u);
    EXPECT_EQ(batches[2].size(), 1u);
    EXPECT_TRUE(BatchRuns({}).empty());
}
