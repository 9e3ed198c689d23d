#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the mission panels work out themselves: the single mission's table and card places, the
// two-card hands, the broken test, and the kungjjak music's volume.
namespace MissionRules {

constexpr int kSingleMissions = 34;  // ids 0..33
constexpr int kMaxMissionCards = 4;
constexpr int kCardWidth = 36;
constexpr int kMaxMultiplier = 11;  // the multiplier image has frames for 1..11

// Screen slot of seat 0 and seat 1; -1 for a seat without one.
using SeatSlots = std::array<int, 2>;

// The single mission: its caption, and either its cards (card ids, in the row's order) or the
// special icon's frame (-1 with cards).
struct SingleMission {
    std::string caption;
    std::vector<int> cards;
    int specialFrame = -1;
    int multiplierFrame = -1;  // -1: no multiplier image
};
// The mission of `id` with `multiplier`; nothing for an id outside 0..33. In a seven-point
// target-score room mission 0 shows frame 10 with no caption and no multiplier.
std::optional<SingleMission> PlanSingleMission(int id, int multiplier, bool sevenPointRoom);

// The x distance between `count` mission cards laid in 96 pixels: 36, or less when they would not fit.
int CardSpacing(int count);

// The multiplier image's frame for `multiplier`, -1 outside 1..11.
int MultiplierFrame(int multiplier);

// Captured flags by seat, then mission card.
using Captured = std::array<std::array<bool, kMaxMissionCards>, 2>;
// Broken when each seat holds a mission card the other lacks: neither can collect them all.
bool IsBroken(const Captured& captured, int cardCount);

// The broken test on a panel's status (-1 none, 0 success, 1 failure). `ownFailure` is whether the
// failure shown came from the test itself: a status the server set stays as it is.
struct BrokenChange {
    int status = -1;
    bool ownFailure = false;
    bool changed = false;
};
BrokenChange ApplyBrokenTest(int status, bool ownFailure, bool broken);

// One side of a two-card hand mission: the hand's name (its clip) and its two card ids.
struct Hand {
    std::string name;
    std::array<int, 2> cards{};
};
constexpr int kHandMissions = 15;  // ids 0..14
// The hand of `side` (0 left, 1 right) for mission `id`; nothing for an id outside 0..14.
std::optional<Hand> HandOf(int id, int side);

// The kungjjak music's volume in hundredths of a decibel.
constexpr int kDefaultMusicVolume = -1250;
constexpr int kSilence = -10000;
constexpr int kSliderMin = -5000;
// A stored volume: a decimal number, optionally signed, nothing else; clamped to -10000..0.
// Nothing when the text is not such a number.
std::optional<int> ParseMusicVolume(const std::string& text);
// A volume the slider or the options set: the slider's left end and below is silence.
int ClampMusicVolume(int volume);

constexpr int kKungJJakSteps = 6;  // steps 0..5

}  // namespace MissionRules
