#include <gtest/gtest.h>

#include "table/flows/FlowFixture.h"

using EntryFlowTable = FlowFixture;

TEST_F(EntryFlowTable, SeatAnswerOutsideTheTwoSeatsChangesNoSeat)
{
    const PITable seats = records.room.seats;
    for (const int32_t index : {2, -1, 100}) {
        JoinGameAnswer body{.userKey = 300, .result = 0, .ownerKey = 300, .seatIndex = index};
        body.player.userKey = 300;
        flows.entry.OnJoinGameAnswer(body);
        EXPECT_TRUE(records.room.seats == seats) << "seat index " << index;
    }
    EXPECT_EQ(stage.Count("PostToHost 0"), 3) << "each refused answer is reported";
}
