#include <gtest/gtest.h>

#include <string>

#include "scene/core/InputRules.h"

using namespace InputRules;

namespace {

constexpr int kF3 = 114, kF5 = 116;

std::string Describe(const KeyRoute& r)
{
    return std::to_string(static_cast<int>(r.action)) + "/" + std::to_string(r.value);
}

}  // namespace

TEST(InputKeys, KeyDownGoesWhereTheRoomStands)
{
    KeyContext ownTurn;
    ownTurn.ownTurn = true;
    ownTurn.roomState = RoomState::Playing;
    ownTurn.notifyVisible = true;  // a prompt left open during the own turn does not take F1
    KeyContext prompt;
    prompt.roomState = RoomState::Playing;
    prompt.notifyVisible = true;
    KeyContext waitingWithStart;
    waitingWithStart.roomState = RoomState::Waiting;
    waitingWithStart.startButtonVisible = true;
    KeyContext waitingNoStart = waitingWithStart;
    waitingNoStart.startButtonVisible = false;
    KeyContext playingWithStart = waitingWithStart;
    playingWithStart.roomState = RoomState::Playing;
    KeyContext robotWithStart = playingWithStart;
    robotWithStart.robotSeated = true;
    KeyContext result;
    result.roomState = RoomState::RoundOver;
    result.resultVisible = true;
    KeyContext target = result;
    target.resultVisible = false;
    target.targetScoreRoom = true;
    target.desperateResultVisible = true;
    KeyContext targetWithRobot = target;
    targetWithRobot.robotSeated = true;
    targetWithRobot.resultVisible = true;
    KeyContext resultHidden;
    resultHidden.roomState = RoomState::RoundOver;

    const struct { const char* name; int vk; KeyContext c; KeyRoute want; } cases[] = {
        {"Enter always tells the host", kKeyEnter, {}, {KeyAction::PostClose}},
        {"Space starts while waiting", kKeySpace, waitingWithStart, {KeyAction::SendStart}},
        {"Space with the start button hidden does nothing", kKeySpace, waitingNoStart, {}},
        {"Space during play starts only against the robot", kKeySpace, playingWithStart, {}},
        {"Space during play with a robot", kKeySpace, robotWithStart, {KeyAction::SendStart}},
        {"Space on the result", kKeySpace, result, {KeyAction::Result}},
        {"Space on a hidden result", kKeySpace, resultHidden, {}},
        {"Space in a target-score room", kKeySpace, target, {KeyAction::DesperateResult}},
        {"Space in a target-score room with a robot takes the ordinary result", kKeySpace, targetWithRobot,
         {KeyAction::Result}},
        {"F1 in the own turn plays hand card 1", kKeyF1, ownTurn, {KeyAction::HandCard, 1}},
        {"F2 in the own turn plays hand card 2", kKeyF2, ownTurn, {KeyAction::HandCard, 2}},
        {"F1 answers the prompt", kKeyF1, prompt, {KeyAction::Notify, 1}},
        {"F2 answers the prompt", kKeyF2, prompt, {KeyAction::Notify, 2}},
        {"F1 on a target-score result as Space", kKeyF1, target, {KeyAction::DesperateResult}},
        {"F2 has no target-score result", kKeyF2, target, {}},
        {"F2 on the ordinary result", kKeyF2, result, {KeyAction::Result}},
        {"F1 without prompt during play", kKeyF1, playingWithStart, {}},
        {"F3 plays card 3 in any state", kF3, {}, {KeyAction::HandCard, 3}},
        {"F11 plays card 11", kKeyF11, {}, {KeyAction::HandCard, 11}},
        {"F12 is not the room's", kKeyF11 + 1, ownTurn, {}},
        {"0 sends macro 0", '0', {}, {KeyAction::Macro, 0}},
        {"9 sends macro 9", '9', {}, {KeyAction::Macro, 9}},
        {"a letter goes down unanswered", 'Q', ownTurn, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RouteKeyDown(c.vk, c.c), c.want) << c.name << ": came " << Describe(RouteKeyDown(c.vk, c.c));
}

TEST(InputKeys, ReleasedLettersNameHandCardsByTheirPlaceOnTheKeyboard)
{
    const struct { int vk; int want; } cases[] = {
        {'Q', 1}, {'T', 5}, {'A', 6}, {'G', 10}, {'Y', 0}, {'H', 0}, {'q', 0}, {'1', 0}, {kF3, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(HandCardOfKeyUp(c.vk), c.want) << "key " << c.vk;
}

TEST(InputPress, TitleStripLeavesThePressToTheWindowDragOnlyWhenWindowed)
{
    const struct { const char* name; Point p; bool full; PressResult want; } cases[] = {
        {"top-left corner", {0, 0}, false, {0, false}},
        {"last pixel of the strip", {699, 19}, false, {0, false}},
        {"right of the strip: the title buttons", {700, 5}, false, {1, true}},
        {"below the strip", {10, 20}, false, {1, true}},
        {"table", {400, 300}, false, {1, true}},
        {"strip in full screen", {100, 5}, true, {1, false}},
        {"table in full screen", {400, 300}, true, {1, true}},
        {"left of the window (captured drag)", {-1, 5}, false, {1, true}},
    };
    for (const auto& c : cases) EXPECT_EQ(DecidePress(c.p, c.full), c.want) << c.name;
}

TEST(InputHandCards, KeyPicksHandCardOrPendingDeckCard)
{
    const auto turn = [](int hand, int flips, int deck) {
        HandContext c;
        c.ownTurn = c.seated = true;
        c.handSize = hand, c.deckFlips = flips, c.deckSize = deck;
        return c;
    };
    HandContext notTurn = turn(5, 0, 20);
    notTurn.ownTurn = false;
    HandContext notSeated = turn(5, 0, 20);
    notSeated.seated = false;
    HandContext robot = turn(5, 0, 20);
    robot.robot = true;
    const HandPick none{};
    const struct { const char* name; int n; HandContext c; HandPick want; } cases[] = {
        {"first card", 1, turn(3, 0, 20), {PickKind::Hand, 0, -1}},
        {"last card", 10, turn(10, 0, 20), {PickKind::Hand, 9, -1}},
        {"F5 with three cards and no flip", 5, turn(3, 0, 20), none},
        {"F4 with three cards and one flip plays the deck, marker 0", 4, turn(3, 1, 20), {PickKind::Deck, -1, 0}},
        {"F5 with three cards and one flip", 5, turn(3, 1, 20), none},
        {"F6 with three cards and three flips, marker 2", 6, turn(3, 3, 20), {PickKind::Deck, -1, 2}},
        {"F11 plays the deck with a full hand", 11, turn(10, 1, 20), {PickKind::Deck, -1, -1}},
        {"F11 plays the deck with an empty hand", 11, turn(0, 2, 20), {PickKind::Deck, -1, -1}},
        {"F11 without a flip", 11, turn(3, 0, 20), none},
        {"an empty deck plays nothing", 11, turn(3, 1, 0), none},
        {"seventh flip has no marker", 7, turn(0, 9, 20), none},
        {"sixth flip takes the last marker", 6, turn(0, 9, 20), {PickKind::Deck, -1, 5}},
        {"G with nine cards and no flip", 10, turn(9, 0, 20), none},
        {"zero", 0, turn(3, 1, 20), none},
        {"beyond F11", 12, turn(3, 1, 20), none},
        {"opponent's turn", 1, notTurn, none},
        {"not seated", 1, notSeated, none},
        {"robot seat", 1, robot, none},
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
    AntiLeaveContext asked;
    asked.roomState = RoomState::Playing;
    asked.ownSeated = true;
    asked.roomKind = 9;
    asked.antiLeaveSetting = 2;
    asked.antiLeaveActive = true;
    const auto with = [&](auto change) {
        AntiLeaveContext c = asked;
        change(c);
        return c;
    };
    const struct { const char* name; AntiLeaveContext c; bool want; } cases[] = {
        {"anti-leave game under way", asked, true},
        {"result shown", with([](auto& c) { c.roomState = RoomState::RoundOver; }), true},
        {"waiting", with([](auto& c) { c.roomState = RoomState::Waiting; }), false},
        {"robot seated", with([](auto& c) { c.robotSeated = true; }), false},
        {"not seated", with([](auto& c) { c.ownSeated = false; }), false},
        {"already reserved", with([](auto& c) { c.alreadyReserved = true; }), false},
        {"rule not in force", with([](auto& c) { c.antiLeaveActive = false; }), false},
        {"room kind 7", with([](auto& c) { c.roomKind = 7; }), false},
        {"room kind 8", with([](auto& c) { c.roomKind = 8; }), true},
        {"room kind 10", with([](auto& c) { c.roomKind = 10; }), true},
        {"room kind 11", with([](auto& c) { c.roomKind = 11; }), false},
        {"setting 0", with([](auto& c) { c.antiLeaveSetting = 0; }), false},
        {"setting 3", with([](auto& c) { c.antiLeaveSetting = 3; }), true},
        {"setting 4", with([](auto& c) { c.antiLeaveSetting = 4; }), false},
    };
    for (const auto& c : cases) EXPECT_EQ(NeedsAntiLeaveConfirmation(c.c), c.want) << c.name;
}

TEST(InputLeave, LeaveButtonsGiveUpStayOrLeave)
{
    using S = RoomState;
    const struct { const char* name; LeaveContext c; LeaveAction want; } cases[] = {
        {"ordinary room asks first", {1, S::Playing, true, true}, LeaveAction::ConfirmThenExit},
        {"target-score room asks first", {41, S::Waiting, true, false}, LeaveAction::ConfirmThenExit},
        {"tournament game under way gives up", {20, S::Playing, true, true}, LeaveAction::GiveUp},
        {"tournament 32 under way gives up", {32, S::Playing, true, true}, LeaveAction::GiveUp},
        {"tournament before the round started stays", {26, S::Playing, true, false}, LeaveAction::Stay},
        {"tournament waiting leaves", {30, S::Waiting, true, true}, LeaveAction::Exit},
        {"tournament result shown, seated, stays", {21, S::RoundOver, true, true}, LeaveAction::Stay},
        {"tournament observer leaves", {21, S::Playing, false, true}, LeaveAction::Exit},
        {"room kind 27 is no tournament", {27, S::Playing, true, true}, LeaveAction::ConfirmThenExit},
        {"room kind 29 is no tournament", {29, S::Playing, true, true}, LeaveAction::ConfirmThenExit},
    };
    for (const auto& c : cases) EXPECT_EQ(DecideLeave(c.c), c.want) << c.name;

    const struct { const char* name; S state; bool inTable; JoinAction want; } joins[] = {
        {"waiting", S::Waiting, true, JoinAction::Play},
        {"playing, seated", S::Playing, true, JoinAction::Observe},
        {"playing, watching", S::Playing, false, JoinAction::Play},
        {"result shown", S::RoundOver, false, JoinAction::Observe},
        {"no room", S::None, false, JoinAction::None},
    };
    for (const auto& c : joins) EXPECT_EQ(DecideJoin(c.state, c.inTable), c.want) << "join, " << c.name;
}

TEST(InputCursor, ClickCursorOverWhatTakesAClick)
{
    const struct { const char* name; CursorContext c; CursorKind want; } cases[] = {
        {"nothing", {}, CursorKind::Normal},
        {"an avatar", {false, false, false, false, false, true}, CursorKind::Click},
        {"a plain widget", {true}, CursorKind::Normal},
        {"a push button", {true, false, false, false, true}, CursorKind::Click},
        {"own card in the own turn", {true, true, true}, CursorKind::Click},
        {"own card outside the turn", {true, false, true}, CursorKind::Normal},
        {"pending deck card in the own turn", {true, true, false, true}, CursorKind::Click},
        {"avatar flag ignored over a widget", {true, false, false, false, false, true}, CursorKind::Normal},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooseCursor(c.c), c.want) << c.name;
}
