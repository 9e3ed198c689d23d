#pragma once

#include "table/flows/DecisionFlow.h"
#include "table/flows/EntryFlow.h"
#include "table/flows/FirstPlayerFlow.h"
#include "table/flows/MissionFlow.h"
#include "table/flows/MoneyFlow.h"
#include "table/flows/NoticeFlow.h"
#include "table/flows/PeripheryFlow.h"
#include "table/flows/PlayFlow.h"
#include "table/flows/ResultFlow.h"
#include "table/flows/RoundFlow.h"
#include "table/flows/SeatFlow.h"
#include "table/flows/SnapshotFlow.h"
#include "table/flows/VipFlow.h"

struct GameMessage;

// The room's message flows, one per concern; the scene owns them and hands each server message to
// Dispatch, which calls the handler of its body.
class RoomFlows {
public:
    RoomFlows(RoomStage& stage, TableEngine& engine, RoomRequests& requests, RoomRecords& records, RoomWidgetSet& widgets);

    // Handles one server message whose body was read in full; an id without a handler is consumed.
    void Dispatch(const GameMessage& message);

    EntryFlow entry;
    SnapshotFlow snapshot;
    FirstPlayerFlow firstPlayer;
    RoundFlow round;
    PlayFlow play;
    DecisionFlow decisions;
    ResultFlow results;
    NoticeFlow notices;
    SeatFlow seats;
    MoneyFlow money;
    MissionFlow missions;
    PeripheryFlow periphery;  // the panels around the table, for the flows above
    VipFlow vip;
};
