#include "table/core/SeatNoticeRules.h"

namespace SeatNoticeRules {

RobotSeatAction PlanRobotSeat(int32_t code, bool join, int32_t seatState, int32_t seatKey)
{
    if (code >= -1) return RobotSeatAction::None;
    if (join) return RobotSeatAction::Seat;
    if (seatState != code) return RobotSeatAction::None;
    return seatKey == code ? RobotSeatAction::Clear : RobotSeatAction::ResetState;
}

}  // namespace SeatNoticeRules
