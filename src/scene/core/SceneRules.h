#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The scene's rules that need no window: decision times, card speed, volume, option ranges,
// rank titles and the countdown of the decision timer.
namespace SceneRules {

constexpr int kMaxDecisionKind = 24;

// Seconds of the decision timer for a decision kind: the row of the room's game speed (0..2,
// other values count as 0), or the auto-play row. Kinds without an entry give 0.
int PhaseSeconds(int kind, int gameSpeed, bool autoPlay);

// The own turn's seconds (kind 8 without auto-play) after the anti-leave counters or the own
// turn time-outs. `antiLeaveRule` is true in an anti-leave room while the rule is in force and
// the own user is seated; `ownSeated` whether the own user holds a seat at all.
struct TurnTimeInputs {
    bool antiLeaveRule = false;
    int antiLeave1 = 0;
    int antiLeave2 = 0;
    bool ownSeated = false;
    int ownTimeouts = 0;
};
int AdjustTurnSeconds(int seconds, const TurnTimeInputs& in);

// Frame count of a card move for the card speed (held to -3..3): 0 gives 3, a negative n gives
// 3 + 2|n|, a positive n gives 3 - 2n, at least 1.
int MoveStepsForSpeed(int cardSpeed);

// The scene volume in hundredths of a decibel: above 0 becomes 0, -5000 and below are silence.
int ClampVolume(int volume);

// Option values outside their range take the fallback.
int ClampOption(int value, int low, int high, int fallback);

// Removes a leading delimiter from `source`, then moves the text up to the next delimiter into
// `token` and drops it with the delimiter from `source` (1); without a further delimiter the
// whole rest goes to `token` (0). An empty delimiter gives the whole source (1).
int SplitToken(std::string& source, std::string& token, const std::string& delimiter);

// "|입문|초보|...|" split at "|": empty last piece dropped.
std::vector<std::string> SplitRankTitles(const std::string& list);
const char* RankTitleList();

// One 500 ms step of the decision countdown. The caller applies the actions.
struct CountdownState {
    int countdown = 0;
    int countdownStart = 0;
    int countdownLimit = 0;
    int blinkPhase = 0;
};
struct CountdownActions {
    bool stopAnimation = false;
    int showFrame = -1;            // frame of the countdown animation to show and play, -1 none
    bool playCountSound = false;   // sound 22
    bool lastTwoSeconds = false;   // the moment of voice cue 10036
};
// `quiet`: auto-play is on and the own user is the turn user or the decision kind is 6.
CountdownActions StepCountdown(CountdownState& s, bool quiet);

}  // namespace SceneRules
