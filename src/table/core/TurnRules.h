#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "protocol/RoomCodes.h"

// The pure decisions of a turn's end and of the month-choice prompt: which combination a turn
// announces, and which prompt and cards the month choice shows.
namespace TurnRules {

// A seat's counts by card special kind (3 hongdan, 4 chungdan, 5 chodan, 6 godori, 7 gwang), as the
// round record keeps them from the last announcement.
using SpecialCounts = std::array<int32_t, 8>;

struct AnnouncementInputs {
    SpecialCounts before{};
    SpecialCounts after{};
    bool robot = false;        // the seat is the robot player
    bool rainGwang = false;    // card 44 lies in the seat's gwang pile
    bool bonusFlag = false;    // the turn took a bonus card
    bool bonusInPile = false;  // the seat's pi pile holds a bonus card
};

struct Announcement {
    std::optional<VoiceCue> cue;  // the voice cue, none when empty
    int32_t highlight = -1;     // the special kind whose cards flash, -1 none
    int popup = 0;              // the action popup shown with the voice
    bool operator==(const Announcement&) const = default;
};

// The first combination the turn completed (five, godori, four, three gwang, the three ribbons),
// else the bonus phrase; a count that did not change announces nothing.
Announcement ChooseAnnouncement(const AnnouncementInputs& in);

// The month-choice prompt of one message.
struct MonthChoicePlan {
    int promptKind = 0;         // 0..3 of the prompt's card notices
    std::vector<int32_t> cards;  // card ids shown, at most four
    bool playerChoice = false;   // a player's choice (the turn marker moves), else a notice
    bool operator==(const MonthChoicePlan&) const = default;
};

struct MonthChoiceInputs {
    int32_t bodyKind = 0;        // 0 or 1 a player's choice, other values a notice
    bool ownChoice = false;      // the message names the own user
    bool ownSeated = false;      // the own user holds a seat
    std::vector<int32_t> listed; // the message's card ids
};

// Kind 3 for the own choice (and an observer's view), 2 for the seated user watching the other's
// choice; notices 1 (one card listed) or 0. A choice shows the four cards of the first card's
// month, notice 0 the first card of each listed card's month. Ids outside the months 0..11 show
// no card.
MonthChoicePlan PlanMonthChoice(const MonthChoiceInputs& in);

}  // namespace TurnRules
