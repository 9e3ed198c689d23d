#include <gtest/gtest.h>

#include <string>

#include "scene/core/RoomControlRules.h"

using namespace SceneRules;

namespace {

ForcedExitInputs OwnerAsking(int32_t stake, int64_t money)
{
    return {.ownIsOwner = true, .ownSeated = true, .target = 200, .roomState = 2, .stake = stake, .ownMoney = money};
}

}  // namespace

TEST(ForcedExit, CostMoneyStateReservationAndTheQuestion)
{
    const auto with = [](ForcedExitInputs in, auto change) { change(in); return in; };
    const ForcedExitInputs asking = OwnerAsking(1000, 14000);
    const struct { const char* name; ForcedExitInputs in; ForcedExitStep step; int64_t cost; } cases[] = {
        {"13999 cannot pay twice 7000", OwnerAsking(1000, 13999), ForcedExitStep::TooLittleMoney, 7000},
        {"14000 can", asking, ForcedExitStep::Ask, 7000},
        {"a large stake does not wrap", OwnerAsking(400'000'000, 6'000'000'000), ForcedExitStep::Ask, 2'800'000'000},
        {"a reserved target is kicked free",
         with(OwnerAsking(1000, 0), [](auto& in) { in.targetReserved = true; }), ForcedExitStep::KickAtOnce, 0},
        {"a reserved target even with a result shown",
         with(OwnerAsking(1000, 0), [](auto& in) { in.targetReserved = true, in.roomState = 3; }),
         ForcedExitStep::KickAtOnce, 0},
        {"a result shown asks nothing", with(asking, [](auto& in) { in.roomState = 3; }), ForcedExitStep::Nothing, 0},
        {"not the owner", with(asking, [](auto& in) { in.ownIsOwner = false; }), ForcedExitStep::Nothing, 0},
        {"not seated", with(asking, [](auto& in) { in.ownSeated = false; }), ForcedExitStep::Nothing, 0},
        {"no target", with(asking, [](auto& in) { in.target = -1; }), ForcedExitStep::Nothing, 0},
        {"a negative stake costs nothing", OwnerAsking(-1000, 0), ForcedExitStep::Ask, 0},
        {"target-score rooms have no kick", with(asking, [](auto& in) { in.desperateRoom = true; }), ForcedExitStep::Nothing, 0},
        {"not even a reserved one in a target-score room",
         with(asking, [](auto& in) { in.desperateRoom = true, in.targetReserved = true; }), ForcedExitStep::Nothing, 0},
        {"the anti-leave rule keeps a seated target",
         with(asking, [](auto& in) { in.antiLeaveRestricted = true, in.targetSeated = true; }), ForcedExitStep::Nothing, 0},
        {"the anti-leave rule lets a watcher go",
         with(asking, [](auto& in) { in.antiLeaveRestricted = true; }), ForcedExitStep::Ask, 7000},
    };
    for (const auto& c : cases) {
        const ForcedExitPlan plan = PlanForcedExit(c.in);
        EXPECT_EQ(plan.step, c.step) << c.name;
        EXPECT_EQ(plan.cost, c.cost) << c.name;
    }
    EXPECT_GT(ForcedExitCost(0x7FFFFFFF), 0) << "the largest stake";
    // The question writes the cost with separators.
    EXPECT_NE(ForcedExitQuestion(7000).find("7,000"), std::string::npos) << ForcedExitQuestion(7000);
    EXPECT_NE(ForcedExitQuestion(2'800'000'000).find("2,800,000,000"), std::string::npos);
}

// A box closed by its timer answers 2: no kick without a yes.
TEST(ForcedExit, OnlyYesKicksAndOnlyOnATableInStep)
{
    const struct { const char* name; int answer, state; bool synced; ForcedExitAnswer want; } cases[] = {
        {"yes while waiting", 1, 1, false, ForcedExitAnswer::Kick},
        {"yes in a round in step", 1, 2, true, ForcedExitAnswer::Kick},
        {"yes in a round not in step", 1, 2, false, ForcedExitAnswer::Refused},
        {"yes after the round ended meanwhile", 1, 3, true, ForcedExitAnswer::Refused},
        {"no", 2, 1, true, ForcedExitAnswer::Stop},
        {"closed by its timer", 2, 2, true, ForcedExitAnswer::Stop},
        {"no box (no window)", 0, 1, true, ForcedExitAnswer::Stop},
    };
    for (const auto& c : cases) EXPECT_EQ(AnswerForcedExit(c.answer, c.state, c.synced), c.want) << c.name;
}

TEST(AutoPlaySwitch, RestartsOnlyTheOwnDecisionOnAChange)
{
    const auto kind = [](int k) { return static_cast<DecisionKind>(k); };
    const struct { const char* name; AutoPlaySwitch s; std::optional<int> want; } cases[] = {
        {"on in the result item choice of 5 s: 5 + 1 is fewer than 10", {false, true, kind(17), 5, true}, 6},
        {"on in the own turn of 10 s: the table's 1", {false, true, kind(8), 10, true}, 1},
        {"off in the own turn started at 1 s", {true, false, kind(8), 1, true}, 2},
        {"on while on changes nothing", {true, true, kind(8), 10, true}, std::nullopt},
        {"off while off changes nothing", {false, false, kind(8), 10, true}, std::nullopt},
        {"the other user's turn keeps its deadline", {false, true, kind(8), 10, false}, std::nullopt},
        {"notice choice 6 is the own user's in any turn", {false, true, kind(6), 10, false}, 2},
        {"no decision running", {false, true, kind(0), 0, true}, std::nullopt},
        {"a bet has no auto-play seconds", {false, true, kind(21), 7, true}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(AutoPlayRestartSeconds(c.s), c.want) << c.name;
}

TEST(ChatMacro, VoiceAndPhraseByUser)
{
    const struct { const char* name; int index; bool own, seated, muted; int voice; bool phrase; } cases[] = {
        {"own macro 0", 0, true, true, false, 10054, true},
        {"another user's macro 0", 0, false, true, false, 10055, false},
        {"macro 6 differs by user", 6, false, true, false, 10047, false},
        {"macro 9, own", 9, true, true, false, 10052, true},
        {"a muted user: no voice, nothing to the host", 1, false, true, true, -1, false},
        {"an unseated user: no voice", 2, false, false, false, -1, false},
        {"own unseated: the phrase without a voice", 3, true, false, false, -1, true},
        {"-1 ignored", -1, true, true, false, -1, false},
        {"10 ignored", 10, true, true, false, -1, false},
    };
    for (const auto& c : cases) {
        const MacroHeard heard = PlanMacroHeard(c.index, c.own, c.seated, c.muted);
        EXPECT_EQ(heard.voiceCue, c.voice) << c.name;
        EXPECT_EQ(heard.ownPhrase, c.phrase) << c.name;
    }
    for (int i = 0; i < kMacroCount; ++i) EXPECT_STRNE(FindMacroPhrase(i)->text, "") << "macro " << i;
}
