#include "scene/core/DecisionRules.h"

#include <algorithm>

namespace SceneRules {

namespace {

struct PhaseColumn {
    int kind;
    int seconds[4];  // game speed 0, 1, 2, auto-play
};

constexpr PhaseColumn kPhaseTable[] = {
    {1, {5, 5, 5, 2}},   {2, {2, 2, 2, 2}},   {3, {6, 6, 6, 1}},    {6, {10, 10, 10, 2}}, {7, {9, 9, 9, 0}},
    {8, {10, 8, 5, 1}},  {9, {10, 10, 5, 2}}, {11, {10, 5, 5, 2}},  {14, {10, 5, 5, 2}},  {15, {10, 5, 5, 2}},
    {17, {10, 10, 10, 10}}, {21, {7, 7, 7, 0}}, {22, {3, 3, 3, 0}}, {23, {3, 3, 3, 0}}, {24, {3, 3, 3, 0}},
};

}  // namespace

int PhaseSeconds(DecisionKind kind, int gameSpeed, bool autoPlay)
{
    const int row = autoPlay ? 3 : (gameSpeed >= 0 && gameSpeed <= 2 ? gameSpeed : 0);
    for (const auto& c : kPhaseTable)
        if (c.kind == static_cast<int>(kind)) return c.seconds[row];
    return 0;
}

int AdjustTurnSeconds(int seconds, const TurnTimeInputs& in)
{
    if (in.antiLeaveRule) {
        if (in.antiLeave1 >= 1) return 5;
        if (in.antiLeave2 >= 2) return 5;
        if (in.antiLeave2 == 1) return 7;
        return seconds;
    }
    if (!in.ownSeated) return seconds;
    // A corrupt count must neither overflow nor lengthen the turn: the reduction stays in 0..5.
    const int64_t reduction = std::clamp<int64_t>(int64_t{3} * in.ownTimeouts, 0, 5);
    return std::max(5, seconds - static_cast<int>(reduction));
}

CountdownActions StepCountdown(CountdownState& s, bool quiet)
{
    CountdownActions a;
    s.blinkPhase = s.blinkPhase ? 0 : 1;
    if (s.blinkPhase != 1) return a;
    if (s.countdown >= s.countdownStart) {
        a.stopAnimation = true;
    } else if (s.countdown >= s.countdownLimit) {
        --s.countdown;
        a.stopAnimation = true;
    } else if (s.countdown >= 0) {
        if (!quiet) {
            a.showFrame = s.countdown;
            a.playCountSound = s.countdown < 4;
            a.lastTwoSeconds = s.countdown == 2;
        }
        --s.countdown;
    } else {
        a.stopAnimation = true;
        s.countdown = s.countdownStart;
    }
    return a;
}

}  // namespace SceneRules
