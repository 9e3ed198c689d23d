#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "protocol/MessageBodies.h"
#include "protocol/Records.h"

namespace ScoreDetail {

// The result panel's score icons, in the order of their children.
enum class Icon { Gwang, Chungdan, Hongdan, Chodan, Godori, Mission, GoCount };
constexpr int kIcons = 7;
// The first frame of the icon pack's go-count pictures: frame = go points + kGoFrameBase.
constexpr int kGoFrameBase = 4;
// Exponents above this would leave 32 bits; the multiplier saturates at INT32_MAX anyway.
constexpr int kMaxExponent = 30;

// 2 to the exponent, the exponent clamped to 0..kMaxExponent.
int32_t PowerOfTwo(int32_t exponent);

struct Input {
    WinInfo win;
    std::vector<BakEntry> baks;
    int32_t drawCount = 0;
    int32_t chamgiExponent = 0;  // the target-score result's: 2 to it after the meongtta item
    std::array<bool, 2> seatOnScreen{};  // whether each seat's player has a screen slot
    int goIconFrames = 0;                // frames of the icon pack: a go frame past them has no picture
};

struct Breakdown {
    std::string pointsText;      // "고도리%d점/..." joined by "/"
    std::string multiplierText;  // "미션%d배/..." joined by "/"
    int32_t total = 0;           // saturated at INT32_MAX
    int32_t multiplier = 1;      // saturated at INT32_MAX
    std::array<bool, kIcons> icons{};  // the icons the breakdown touches (shown on a won result)
    int goFrame = -1;                  // the go-count icon's frame when touched
    // Below a multiplier of 4 the points line shows at once; from 4 the points-times text and the
    // multiplier glyphs wait for the panel's reveal.
    std::string pointsLine;
    std::string pointsTimesText;
    std::string multiplierGlyphs;
    std::string chatText;  // one styled chat text
    bool BigMultiplier() const { return multiplier >= 4; }
};

// The score breakdown of a finished round from the winner's record. Bak records count only for
// seat 0 or 1 with a screen slot; any other seat index counts as none.
Breakdown Build(const Input& in);

}  // namespace ScoreDetail
