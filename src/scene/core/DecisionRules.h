#pragma once

#include <cstdint>

// The decisions a round asks of a player, their seconds and the countdown shown while one runs.
namespace SceneRules {

// The decision the decision timer waits for; 0 when none runs.
enum class DecisionKind : int32_t {
    None = 0,
    GameReady = 1,       // the ready question of a new round
    SunPick = 3,         // first-player pick
    MonthChoice = 6,     // the choice of notice 3
    PlayCard = 8,        // the own turn
    YesNoChoice = 9,     // the choice of notice 18
    CardChoice = 11,
    SeptAnimal = 14,     // the September animal as double pi or not
    GoOrStop = 15,
    ResultItem = 17,     // the item choice of the result window
    Bet = 21,
    BetPrompt = 22,
    BetPrompt23 = 23,
    BetPrompt24 = 24,
};

// Seconds of the decision timer for a decision kind: the row of the room's game speed (0..2,
// other values count as 0), or the auto-play row. Kinds without an entry give 0.
int PhaseSeconds(DecisionKind kind, int gameSpeed, bool autoPlay);

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
    bool lastTwoSeconds = false;   // the moment of the hurry cue
};
// `quiet`: auto-play is on and the own user is the turn user or the decision kind is 6.
CountdownActions StepCountdown(CountdownState& s, bool quiet);

}  // namespace SceneRules
