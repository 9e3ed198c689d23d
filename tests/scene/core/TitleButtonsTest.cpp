#include <gtest/gtest.h>

#include "scene/core/TitleButtonRules.h"

using namespace TitleButtons;
using S = RoomState;

namespace TitleButtons {
void PrintTo(const ButtonStep& s, std::ostream* os)
{
    *os << "{" << s.name << " visible " << s.visible << " enabled " << s.enabled << " state " << s.state << "}";
}
void PrintTo(const HostControl& c, std::ostream* os) { *os << "{" << c.name << " " << c.value << "}"; }
}  // namespace TitleButtons

TEST(TitleButtons, ControlRequestsKeepTheExitAndGiveUpPairApart)
{
    const struct { const char* name; std::string control; bool visible, enabled; int state;
                   std::vector<HostControl> want; } cases[] = {
        {"shown enabled", "option", true, true, 0, {{"option", 17}}},
        {"shown disabled", "play", true, false, 0, {{"play", 1}}},
        {"hidden ignores enabled", "vip", false, true, 0, {{"vip", 0}}},
        {"exit shown hides give-up first", "exit", true, true, 0, {{"giveup", 0}, {"exit", 17}}},
        {"exit state 1 is give-up, exit hidden first", "exit", true, true, 1, {{"exit", 0}, {"giveup", 17}}},
        {"give-up shown disabled", "exit", true, false, 1, {{"exit", 0}, {"giveup", 1}}},
        {"hiding exit leaves give-up alone", "exit", false, false, 0, {{"exit", 0}}},
        {"hiding give-up leaves exit alone", "exit", false, false, 1, {{"giveup", 0}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ControlRequests(c.control, c.visible, c.enabled, c.state), c.want) << c.name;
}

TEST(TitleButtons, PlayAndObserveFollowTheSeats)
{
    using J = std::optional<std::pair<bool, bool>>;
    const struct { const char* name; SeatFacts f; std::vector<ButtonStep> steps; J join; } cases[] = {
        {"show 0 hides both", {.show = false, .ownSeated = true},
         {{"play", false, false}, {"observe", false, false}}, {}},
        {"seated", {.state = S::Waiting, .ownSeated = true}, {{"play", false, false}, {"observe", true, true}}, {}},
        {"seated with observe reserved", {.state = S::Playing, .ownSeated = true, .observeReserved = true},
         {{"play", true, true}, {"observe", false, false}}, {}},
        {"tournament game: observe shown, disabled", {.tournament = true, .state = S::Playing, .ownSeated = true},
         {{"play", false, false}, {"observe", true, false}}, {}},
        {"tournament while waiting", {.tournament = true, .state = S::Waiting, .ownSeated = true},
         {{"play", false, false}, {"observe", true, true}}, {}},
        {"observer with a seat free", {.state = S::Waiting, .seatWithoutUser = true},
         {{"play", true, true}, {"observe", false, false}}, J{{true, true}}},
        {"observer in a full room", {.state = S::Playing},
         {{"play", true, false}, {"observe", false, false}}, J{{true, false}}},
    };
    for (const auto& c : cases) {
        const PlayObservePlan plan = PlanPlayObserve(c.f);
        EXPECT_EQ(plan.steps, c.steps) << c.name;
        EXPECT_EQ(plan.joinBar, c.join) << c.name;
    }
}

TEST(TitleButtons, ExitFollowsTheRoomAndTheReservation)
{
    const struct { const char* name; SeatFacts f; std::vector<ButtonStep> want; } cases[] = {
        {"tournament round under way: give-up",
         {.tournament = true, .state = S::Playing, .roundStarted = true, .ownSeated = true}, {{"exit", true, true, 1}}},
        {"tournament result shown: give-up", {.tournament = true, .state = S::RoundOver, .ownSeated = true},
         {{"exit", true, true, 1}}},
        {"tournament playing before the round starts: exit",
         {.tournament = true, .state = S::Playing, .ownSeated = true}, {{"exit", true, true, 0}}},
        {"tournament hidden keeps cancelexit", {.show = false, .tournament = true, .state = S::Waiting,
                                                .ownSeated = true}, {{"exit", false, false, 0}}},
        {"tournament observer as any room", {.tournament = true, .state = S::Playing, .roundStarted = true},
         {{"exit", true, true}, {"cancelexit", false, false}}},
        {"show 0 hides both", {.show = false, .ownSeated = true}, {{"exit", false, false}, {"cancelexit", false, false}}},
        {"exit reserved", {.state = S::Playing, .ownSeated = true, .exitReserved = true},
         {{"exit", false, false}, {"cancelexit", true, true}}},
        {"plain", {.state = S::Playing, .ownSeated = true}, {{"exit", true, true}, {"cancelexit", false, false}}},
    };
    for (const auto& c : cases) EXPECT_EQ(PlanExit(c.f), c.want) << c.name;
}

TEST(TitleButtons, HostButtonsActByRoomAndState)
{
    using A = HostAction;
    const struct { const char* name; std::string button; HostButtonFacts f; A want; } cases[] = {
        {"play while waiting", "play", {.state = S::Waiting, .ownSeated = true}, A::Play},
        {"play in a game, unseated", "play", {.state = S::Playing}, A::Play},
        {"play in a game, seated", "play", {.state = S::Playing, .ownSeated = true}, A::Observe},
        {"play on the result observes", "play", {.state = S::RoundOver}, A::Observe},
        {"play before entry", "play", {.state = S::None}, A::None},
        {"observe asks the anti-leave question", "observe", {}, A::ConfirmObserve},
        {"exit in an ordinary room", "exit", {.roomKind = 9, .state = S::Playing, .ownSeated = true}, A::ConfirmExit},
        {"cancelexit is exit", "cancelexit", {.roomKind = 1}, A::ConfirmExit},
        {"tournament exit seated in a game", "exit", {.roomKind = 21, .state = S::Playing, .ownSeated = true}, A::None},
        {"tournament exit seated, waiting", "cancelexit", {.roomKind = 31, .state = S::Waiting, .ownSeated = true},
         A::Exit},
        {"tournament give-up in the round", "giveup",
         {.roomKind = 20, .state = S::Playing, .ownSeated = true, .roundStarted = true}, A::GiveUp},
        {"tournament give-up unseated", "giveup", {.roomKind = 20, .state = S::Playing, .roundStarted = true}, A::Exit},
        {"tournament give-up on the result", "giveup", {.roomKind = 26, .state = S::RoundOver, .ownSeated = true},
         A::None},
        {"target-score give-up seated", "giveup", {.roomKind = 40, .state = S::Playing, .ownSeated = true},
         A::DesperateExit},
        {"target-score give-up after the round", "giveup",
         {.roomKind = 43, .state = S::RoundOver, .ownSeated = true, .desperateRoundFinished = true}, A::Exit},
        {"target-score give-up with a robot", "giveup", {.roomKind = 41, .ownSeated = true, .robotSeated = true},
         A::None},
        {"give-up in another room", "giveup", {.roomKind = 9, .state = S::Playing, .ownSeated = true}, A::None},
        {"option", "option", {}, A::OpenOption},
        {"macro", "macro", {}, A::Macro},
        {"vip", "vip", {}, A::OpenVip},
        {"unknown name", "chat", {}, A::None},
    };
    for (const auto& c : cases) EXPECT_EQ(DecideHostButton(c.button, c.f), c.want) << c.name;
}
