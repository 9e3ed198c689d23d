#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "scene/core/DecisionRules.h"

// The room owner's forced exit, the switch of auto-play and the chat macros: what each decides
// before the scene shows a box, restarts a timer or speaks.
namespace SceneRules {

// The forced exit costs seven times the stake, in 64 bits so a large stake cannot wrap; a negative
// stake from the server costs nothing rather than paying the owner.
int64_t ForcedExitCost(int32_t stake);

struct ForcedExitInputs {
    bool ownIsOwner = false;
    bool ownSeated = false;
    int32_t target = -1;
    bool targetSeated = false;
    bool targetReserved = false;  // already in the forced-exit reservations
    bool desperateRoom = false;   // room kinds 40..43 have no forced exit
    bool antiLeaveRestricted = false;  // an anti-leave room with its rule in force keeps seated players
    int32_t roomState = 0;        // 1 waiting, 2 playing, 3 a result shown
    int32_t stake = 0;
    int64_t ownMoney = 0;
};
enum class ForcedExitStep {
    Nothing,       // not the owner, not seated, no target, a result shown, or a room without the kick
    KickAtOnce,    // a reserved target: the kick cancels the reservation, free and unasked
    TooLittleMoney,
    Ask,           // the paid question, with `cost`
};
struct ForcedExitPlan {
    ForcedExitStep step = ForcedExitStep::Nothing;
    int64_t cost = 0;
};
ForcedExitPlan PlanForcedExit(const ForcedExitInputs& in);
// The question's text with the cost written with "," separators.
std::string ForcedExitQuestion(int64_t cost);

// After the question: only a yes (box answer 1) kicks, and only while the table is in step with the
// server (state 2 needs the table synchronised) and no result is shown.
enum class ForcedExitAnswer { Stop, Refused, Kick };
ForcedExitAnswer AnswerForcedExit(int boxAnswer, int32_t roomState, bool tableSynced);

// Seconds of the running decision after auto-play switches, or nothing when the decision timer keeps
// running as it is: only a change, only while a decision of the own user runs (the own turn, or the
// notice choice of kind 6). On: the auto-play table's seconds, or the decision's own seconds + 1 when
// fewer. Off: the decision's own seconds + 1.
struct AutoPlaySwitch {
    bool wasOn = false;
    bool on = false;
    DecisionKind kind = DecisionKind::None;
    int phaseSeconds = 0;  // the seconds the decision was started with
    bool ownTurn = false;
};
std::optional<int> AutoPlayRestartSeconds(const AutoPlaySwitch& s);
int AutoPlayTableSeconds(DecisionKind kind);

// The ten chat macros: the phrase and the voice cues for the own user and for another user.
struct MacroPhrase {
    const char* text;
    int ownVoice;
    int otherVoice;
};
constexpr int kMacroCount = 10;
// Null outside 0..9.
const MacroPhrase* FindMacroPhrase(int index);

// A chat macro heard in the room: the voice to speak (-1 none) and whether the own phrase goes to
// the host and the macro control rests.
struct MacroHeard {
    int voiceCue = -1;
    bool ownPhrase = false;
};
MacroHeard PlanMacroHeard(int index, bool own, bool seated, bool voiceMuted);

// Whether the macro control may be enabled: voices on and no lock.
bool MacroControlAllowed(bool wanted, bool voicesOn, bool locked);

}  // namespace SceneRules
