#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "foundation/core/Geometry.h"
#include "protocol/RoomCodes.h"

// What the decision prompt shows for each notice kind, and how each of its answers is sent: the
// portable half of CVNotifyWnd. Positions are relative to the prompt's top-left corner.
namespace Notify {

constexpr int kCardWindows = 4;
constexpr int kOpeningClip = 29;  // of the back animation; clip n is notice kind n
constexpr int kHandMissions = 15;
constexpr Point kLayoutPosition{243, 182};  // all three layouts put the prompt here
constexpr int kLayouts = 3;

// The room as the prompt sees it. A target-score room is one of kinds 40..43 without a robot.
struct NotifyRoom {
    bool targetScore = false;
    int32_t targetScoreLevel = 0;  // the room's flag: non-zero declines the month choice with request 32
    bool ownSeatPlays = false;     // the own user holds a seat and it is not the robot's
};

// The values a notice kind reads: a2 a count, a score or an amount; money the 64-bit amount
// a3:a4; a5 a go count; a6 and a7 flags.
struct NoticeArgs {
    int32_t a2 = 0;
    int64_t money = 0;
    int32_t goCount = 0;
    int32_t a6 = 0;
    int32_t a7 = 0;
};

enum class Line { Value, SecondValue, Upper, Lower, Bet, GoStop };

struct LineText {
    Line line = Line::Value;
    std::string text;
    bool operator==(const LineText&) const = default;
};

// The request an answer sends. For CardChoice `a` is the card window (0 first, 1 second) whose
// card is sent; for Bet `a` and `b` are the request's two values; otherwise `a` is the choice.
enum class Request {
    None, MonthChoice, YesNoChoice, DesperateDecline, CardChoice, SeptAnimal, GoOrStop, GameReady, Bet
};

struct Reply {
    Request request = Request::None;
    int32_t a = 0;
    int32_t b = 0;
    bool operator==(const Reply&) const = default;
};

struct Buttons {
    bool shown = false;
    int yesSet = 0;
    int noSet = 0;
    bool enabled = true;
    bool operator==(const Buttons&) const = default;
};

// A notice of CVNotifyWnd::Show (kinds 6..28).
struct NoticeView {
    int layout = 0;
    int caption = -1;  // clip of the caption animation; -1 none
    std::vector<LineText> lines;
    Point betLinePos;  // where the bet line goes when it has a text
    Buttons buttons;
    bool stopMark = false;       // loops while open
    bool sideMoneyMark = false;  // shown while open
    Reply yes, no;
    bool opensAtOnce = false;  // no opening animation
};

// Kinds outside 6..28 open nothing.
std::optional<NoticeView> DescribeNotice(int kind, const NoticeArgs& args, const NotifyRoom& room);

// A card notice or decision of CVNotifyWnd::ShowChoice (kinds 0..5).
struct ChoiceView {
    int layout = 0;
    std::vector<int32_t> cards;   // in the order of the card windows
    std::vector<Point> cardPos;   // one per card
    bool sideMarks = false;       // kind 0: a side mark right of each card
    Buttons buttons;
    Reply yes, no;
    bool opensAtOnce = false;
};

// Kinds outside 0..5, and lists of more than four cards, open nothing.
std::optional<ChoiceView> DescribeChoice(int kind, const std::vector<int32_t>& cards, const NotifyRoom& room);

// The two cards of a hand mission and its caption.
struct HandMission {
    int32_t first = 0;
    int32_t second = 0;
    const char* caption = "";
};

// Mission ids outside 0..14 have no entry; a non-zero variant picks the second column.
std::optional<HandMission> FindHandMission(int id, int variant);

// A hand-mission success (notice kind 27): the two cards, where they go and the two lines.
struct HandMissionView {
    std::vector<int32_t> cards;
    std::vector<Point> cardPos;
    std::vector<LineText> lines;
};
std::optional<HandMissionView> DescribeHandMission(int id, int variant, int64_t money);

// The sound the prompt plays when it is open: 30 for the go-or-stop kinds, else 32.
SoundId OpenSound(int kind);
// Whether closing the notice must stop its looping sound 30.
bool StopsGoStopSound(int kind);
// F1 answers only kinds 3..28.
bool IsYesKeyKind(int kind);

}  // namespace Notify
