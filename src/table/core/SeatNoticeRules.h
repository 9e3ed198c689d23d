#pragma once

#include <cstdint>

// The pure rules of the seat notices.
namespace SeatNoticeRules {

// What a seats-cleared message does to one seat.
enum class RobotSeatAction { None, Seat, Clear, ResetState };
// A join seats the robot named by a code below -1; a leave clears the seat whose state is the code
// (only its state when another user holds it). A code of -1 or above names no robot.
RobotSeatAction PlanRobotSeat(int32_t code, bool join, int32_t seatState, int32_t seatKey);

}  // namespace SeatNoticeRules
