#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scene/core/RoomTypes.h"

// The room's title buttons: the host's named controls and the scene's own copies of them, kept in
// step with the room's state, and what a click on one of the host's buttons does.
namespace TitleButtons {

// The value the host takes for a control: 0 hidden, 1 shown but disabled, 17 shown and enabled.
int32_t ControlValue(bool visible, bool enabled);

struct HostControl {
    std::string name;
    int32_t value = 0;
    bool operator==(const HostControl&) const = default;
};
// The requests (code 45) that setting a title button sends, in order. "exit" with a state other
// than 0 is the give-up control; showing one of that pair hides its twin first.
std::vector<HostControl> ControlRequests(const std::string& name, bool visible, bool enabled, int state);

// One title button to set: SetTitleButtonState (name, visible, enabled, state).
struct ButtonStep {
    std::string name;
    bool visible = false;
    bool enabled = false;
    int state = 0;
    bool operator==(const ButtonStep&) const = default;
};

struct SeatFacts {
    bool show = true;
    bool tournament = false;        // room kinds 20..26 and 30..32
    RoomState state = RoomState::None;
    bool roundStarted = false;
    bool ownSeated = false;
    bool observeReserved = false;   // the own seat's reservations (false without a seat)
    bool exitReserved = false;
    bool seatWithoutUser = false;   // a seat empty or held by a robot
};

struct PlayObservePlan {
    std::vector<ButtonStep> steps;
    // The observer bar's join button (visible, enabled); unchanged when empty.
    std::optional<std::pair<bool, bool>> joinBar;
    bool operator==(const PlayObservePlan&) const = default;
};
PlayObservePlan PlanPlayObserve(const SeatFacts& f);
std::vector<ButtonStep> PlanExit(const SeatFacts& f);

// What a click on one of the host's title buttons (host command 27) does.
enum class HostAction {
    None,
    Play,              // SendPlay (0)
    Observe,           // SendObserve
    ConfirmObserve,    // the anti-leave question for the observe reservation, then SendObserve
    Exit,              // ExitRoom
    ConfirmExit,       // the anti-leave question for the exit reservation, then ExitRoom
    GiveUp,            // SendGiveUp, which asks its own question
    DesperateExit,     // SendDesperateExit
    OpenOption,
    Macro,             // SendMacro (value)
    OpenVip,
};
struct HostButtonFacts {
    int32_t roomKind = 0;
    RoomState state = RoomState::None;
    bool ownSeated = false;
    bool robotSeated = false;
    bool roundStarted = false;
    bool desperateRoundFinished = false;  // a target-score round ended (message 69)
};
HostAction DecideHostButton(const std::string& name, const HostButtonFacts& f);

}  // namespace TitleButtons
