#pragma once

#include <array>
#include <cstdint>

#include "scene/core/DecisionRules.h"

// The game window's timers, by id.
enum class TimerId : uint32_t {
    Frame = 0,  // the tick, every 50 ms
    Phase = 1,  // the running decision's seconds
    Blink = 2,  // countdown and blink, every 500 ms
    Popup = 3,  // the action pop-ups, 3000 ms
    Start = 4,  // the start button, 2000 ms
    Macro = 5,  // the chat macro's rest, 2000 ms
};
constexpr int kTimerCount = 6;

// Which timers run, the decision the phase timer waits for and the countdown shown meanwhile.
struct SceneTimers {
    std::array<bool, kTimerCount> running{};
    SceneRules::DecisionKind phaseTimerKind = SceneRules::DecisionKind::None;
    int32_t phaseSeconds = 0;  // the seconds the running decision was started with
    int32_t countdown = 0;
    int32_t countdownStart = 0;
    int32_t countdownLimit = 10;
    int32_t blinkPhase = 0;
    bool outlineBlink = false;  // the own outline blinks while the own turn runs

    bool IsRunning(TimerId id) const { return running[static_cast<size_t>(id)]; }
};
