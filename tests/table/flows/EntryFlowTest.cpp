#include <gtest/gtest.h>

#include <algorithm>

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

TEST_F(EntryFlowTable, PlayerLeavingFreesHisSeat)
{
    using SoundTables::SoundId;
    records.room.roomState = static_cast<int32_t>(RoomState::Playing);
    flows.entry.OnPlayerLeave({.userKey = 200, .reason = 23});
    EXPECT_EQ(records.GetPlayer(1).userKey, -1) << "the seat is free";
    EXPECT_EQ(std::count(stage.sounds.begin(), stage.sounds.end(), SoundId::GameExit), 1);
    EXPECT_EQ(stage.CallsOf("ShowMessageBox ").size(), 1u) << "the box of reason 23 while the own user is seated";

    // The own user leaves while another sits in seat 1: the other moves to seat 0.
    records.GetPlayer(1).userKey = 300;
    stage.Forget();
    flows.entry.OnPlayerLeave({.userKey = static_cast<uint32_t>(kOwnKey)});
    EXPECT_TRUE(records.GetPlayer(0).userKey == 300 && records.GetPlayer(1).userKey == -1) << "the remaining player first";
    EXPECT_EQ(stage.Count("SetAutoPlay 0"), 1);
    EXPECT_EQ(stage.Count("SetAutoPlayButtonEnabled 0"), 1) << "the own leave disables the auto-play button";
    EXPECT_TRUE(std::count(stage.sounds.begin(), stage.sounds.end(), SoundId::GameExit) == 0) << "no exit sound for the own leave";
}
