#pragma once

#include <cstdint>

#include "foundation/core/Geometry.h"

// Places of widgets that share the screen with live information, kept here so the places can be
// checked against what they must not cover (the cards, the scores, the counts).
namespace PanelLayout {

// The target-score panel: a score and its suffix per screen slot above the slot's gauge, the
// give-up button under the own (slot 0) score.
constexpr Point kTargetScoreOrigin{0, 142};
constexpr Size kTargetScoreSize{182, 257};
constexpr int32_t kTargetScoreGaugeTop[2] = {194, 121};
constexpr Point kTargetScoreScoreOffset{20, 10};  // from the gauge's top-left
constexpr Size kTargetScoreScoreSize{90, 30};
constexpr Point kTargetScoreLabelOffset{114, 16};
constexpr Point kTargetScoreGiveUp{51, 235};

// The two-card mission: per side the multiplier, and the status below it.
struct TwoCardSide {
    Point multiplier;
    Point status;
};
constexpr Size kTwoCardMissionSize{250, 250};
constexpr TwoCardSide kTwoCardSides[2] = {{{40, 186}, {30, 220}}, {{140, 186}, {130, 220}}};

// The single mission: its cards from kSingleMissionCards.x, within kSingleMissionCardRoom pixels,
// and its multiplier, whose picture stands right of them by its hot spot.
constexpr Point kSingleMissionCards{45, 132};
constexpr int32_t kSingleMissionCardRoom = 96;
constexpr Point kSingleMissionMultiplier{127, 143};

// The jewel panel and its count; the jackpot gauge stands right of them.
constexpr Point kJewelOrigin{1, 519};
constexpr Point kJewelCount{69, 35};
constexpr Size kJewelCountSize{44, 14};
constexpr Point kJackpotGauge{122, 526};
// The event banners (jackpot, win-money limit), right of the floor slots.
constexpr Point kEventBanner{610, 240};

// The room's information rows beside the options panel, at the table's left edge.
constexpr Point kRoomInfoPlace{2, 150};
constexpr Size kRoomInfoSize{140, 136};

// The play-count panel: the count and its gauge at the left, the refill button's picture at the
// right end (by its hot spot), the alert under them.
constexpr Size kPlayCountSize{67, 21};
constexpr Rect kPlayCountText{5, 5, 41, 19};
constexpr Rect kPlayCountGauge{4, 16, 42, 18};

}  // namespace PanelLayout
