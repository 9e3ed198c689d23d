#include <gtest/gtest.h>

#include "scene/core/InputRules.h"

using namespace InputRules;

namespace {

constexpr int kF3 = 114;

}  // namespace

TEST(InputKeys, KeyDownGoesWhereTheRoomStands)
{
    using S = RoomState;
    // A prompt left open during the own turn does not take F1.
    const KeyContext ownTurn{.ownTurn = true, .roomState = S::Playing, .notifyVisible = true};
    const KeyContext prompt{.roomState = S::Playing, .notifyVisible = true};
    const KeyContext waiting{.roomState = S::Waiting, .startButtonVisible = true};
    const KeyContext playing{.roomState = S::Playing, .startButtonVisible = true};
    const KeyContext robot{.roomState = S::Playing, .startButtonVisible = true, .robotSeated = true};
    const KeyContext result{.roomState = S::RoundOver, .resultVisible = true};
    const KeyContext target{.roomState = S::RoundOver, .targetScoreRoom = true, .desperateResultVisible = true};
    const KeyContext targetRobot{.roomState = S::RoundOver, .robotSeated = true, .targetScoreRoom = true,
                                 .desperateResultVisible = true};
    const struct { const char* name; int vk; KeyContext c; KeyRoute want; } cases[] = {
        {"Enter always tells the host", kKeyEnter, {}, {KeyAction::PostClose}},
        {"Space starts while waiting", kKeySpace, waiting, {KeyAction::SendStart}},
        {"Space with the start button hidden does nothing", kKeySpace, {.roomState = S::Waiting}, {}},
        {"Space during play starts only against the robot", kKeySpace, playing, {}},
        {"Space during play with a robot", kKeySpace, robot, {KeyAction::SendStart}},
        {"Space on the result", kKeySpace, result, {KeyAction::Result}},
        {"Space in a target-score room", kKeySpace, target, {KeyAction::DesperateResult}},
        {"Space reaches the target-score result with a robot too", kKeySpace, targetRobot, {KeyAction::DesperateResult}},
        {"F1 in the own turn plays hand card 1", kKeyF1, ownTurn, {KeyAction::HandCard, 1}},
        {"F1 answers the prompt", kKeyF1, prompt, {KeyAction::Notify, 1}},
        {"F1 on a target-score result as Space", kKeyF1, target, {KeyAction::DesperateResult}},
        {"F2 has no target-score result", kKeyF2, target, {}},
        {"F2 on the ordinary result", kKeyF2, result, {KeyAction::Result}},
        {"F1 without prompt during play", kKeyF1, playing, {}},
        {"F3 plays card 3 in any state", kF3, {}, {KeyAction::HandCard, 3}},
        {"F12 is not the room's", kKeyF11 + 1, ownTurn, {}},
        {"0 sends macro 0", '0', {}, {KeyAction::Macro, 0}},
        {"a letter goes down unanswered", 'Q', ownTurn, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RouteKeyDown(c.vk, c.c), c.want) << c.name;
}

TEST(InputPress, TitleStripLeavesThePressToTheWindowDragOnlyWhenWindowed)
{
    const struct { const char* name; Point p; bool full; PressResult want; } cases[] = {
        {"top-left corner", {0, 0}, false, {0, false}},
        {"last pixel of the strip", {699, 19}, false, {0, false}},
        {"right of the strip: the title buttons", {700, 5}, false, {1, true}},
        {"below the strip", {10, 20}, false, {1, true}},
        {"strip in full screen", {100, 5}, true, {1, false}},
        {"table in full screen", {400, 300}, true, {1, true}},
    };
    for (const auto& c : cases) EXPECT_EQ(DecidePress(c.p, c.full), c.want) << c.name;
}

TEST(InputHandCards, KeyPicksHandCardOrPendingDeckCard)
{
    const auto turn = [](int hand, int flips, int deck) {
        return HandContext{.ownTurn = true, .seated = true, .handSize = hand, .deckFlips = flips, .deckSize = deck};
    };
    const HandPick none{};
    const struct { const char* name; int n; HandContext c; HandPick want; } cases[] = {
        {"first card", 1, turn(3, 0, 20), {PickKind::Hand, 0, -1}},
        {"F5 with three cards and no flip", 5, turn(3, 0, 20), none},
        {"F4 with three cards and one flip plays the deck, marker 0", 4, turn(3, 1, 20), {PickKind::Deck, -1, 0}},
        {"F5 with three cards and one flip", 5, turn(3, 1, 20), none},
        {"F11 plays the deck with a full hand", 11, turn(10, 1, 20), {PickKind::Deck, -1, -1}},
        {"F11 plays the deck with an empty hand", 11, turn(0, 2, 20), {PickKind::Deck, -1, -1}},
        {"F11 without a flip", 11, turn(3, 0, 20), none},
        {"an empty deck plays nothing", 11, turn(3, 1, 0), none},
        {"seventh flip has no marker", 7, turn(0, 9, 20), none},
        {"sixth flip takes the last marker", 6, turn(0, 9, 20), {PickKind::Deck, -1, 5}},
        {"G with nine cards and no flip", 10, turn(9, 0, 20), none},
        {"zero", 0, turn(3, 1, 20), none},
        {"opponent's turn", 1, {.seated = true, .handSize = 5, .deckSize = 20}, none},
        {"not seated", 1, {.ownTurn = true, .handSize = 5, .deckSize = 20}, none},
        {"robot seat", 1, {.ownTurn = true, .seated = true, .robot = true, .handSize = 5, .deckSize = 20}, none},
    };
    for (const auto& c : cases) {
        const HandPick got = ChooseHandCard(c.n, c.c);
        EXPECT_EQ(got, c.want) << c.name << ": came kind " << static_cast<int>(got.kind) << " hand " << got.handIndex
                               << " marker " << got.marker;
    }
}

// A server count above six must never walk past the six markers.
TEST(InputHandCards, DeckFlipMarkersWalkedStayWithinTheSix)
{
    const struct { int flips; int want; } cases[] = {{-3, 0}, {0, 0}, {1, 1}, {6, 6}, {7, 6}, {0x7FFFFFFF, 6}};
    for (const auto& c : cases) EXPECT_EQ(DeckFlipMarkersToWalk(c.flips), c.want) << c.flips << " flips";
}

TEST(InputLeave, AntiLeaveQuestionOnlyInAnActiveAntiLeaveGame)
{
    const AntiLeaveContext asked{.roomState = RoomState::Playing, .ownSeated = true, .roomKind = 9,
                                 .antiLeaveSetting = 2, .antiLeaveActive = true};
    const auto with = [&](auto change) { AntiLeaveContext c = asked; change(c); return c; };
    const struct { const char* name; AntiLeaveContext c; bool want; } cases[] = {
        {"anti-leave game under way", asked, true},
        {"waiting", with([](auto& c) { c.roomState = RoomState::Waiting; }), false},
        {"robot seated", with([](auto& c) { c.robotSeated = true; }), false},
        {"not seated", with([](auto& c) { c.ownSeated = false; }), false},
        {"already reserved", with([](auto& c) { c.alreadyReserved = true; }), false},
        {"rule not in force", with([](auto& c) { c.antiLeaveActive = false; }), false},
        {"room kind 7", with([](auto& c) { c.roomKind = 7; }), false},
        {"room kind 11", with([](auto& c) { c.roomKind = 11; }), false},
        {"setting 0", with([](auto& c) { c.antiLeaveSetting = 0; }), false},
        {"setting 4", with([](auto& c) { c.antiLeaveSetting = 4; }), false},
    };
    for (const auto& c : cases) EXPECT_EQ(NeedsAntiLeaveConfirmation(c.c), c.want) << c.name;
}

TEST(InputLeave, LeaveButtonsGiveUpStayOrLeave)
{
    using S = RoomState;
    const struct { const char* name; LeaveContext c; LeaveAction want; } cases[] = {
        {"ordinary room asks first", {1, S::Playing, true, true}, LeaveAction::ConfirmThenExit},
        {"tournament game under way gives up", {20, S::Playing, true, true}, LeaveAction::GiveUp},
        {"tournament before the round started stays", {26, S::Playing, true, false}, LeaveAction::Stay},
        {"tournament waiting leaves", {30, S::Waiting, true, true}, LeaveAction::Exit},
        {"tournament result shown, seated, stays", {21, S::RoundOver, true, true}, LeaveAction::Stay},
        {"room kind 27 is no tournament", {27, S::Playing, true, true}, LeaveAction::ConfirmThenExit},
    };
    for (const auto& c : cases) EXPECT_EQ(DecideLeave(c.c), c.want) << c.name;
}
