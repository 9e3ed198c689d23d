#pragma once

#include <cstdint>

// The room's game state as the server reports it.
enum class RoomState : int32_t {
    None = -1,  // no room entered
    Waiting = 1,
    Playing = 2,
    RoundOver = 3,
};
