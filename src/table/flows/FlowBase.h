#pragma once

#include "protocol/MessageBodies.h"
#include "scene/core/DecisionRules.h"
#include "table/RoomRecords.h"
#include "table/RoomWidgetSet.h"

class RoomFlows;
class RoomRequests;
class RoomStage;
class TableEngine;

// What every message flow works with: the scene as its stage, the table engine, the requests to the
// server, the other flows, and the records and widgets it reads and changes, named as the scene
// names them.
class FlowBase {
public:
    using DecisionKind = SceneRules::DecisionKind;

    FlowBase(RoomStage& stage, TableEngine& engine, RoomRequests& requests, RoomFlows& flows, RoomRecords& records,
             RoomWidgetSet& widgets);

protected:

    RoomStage& stage;
    TableEngine& engine;
    RoomRequests& requests;
    RoomFlows& flows;
    RoomRecords& records;
    RCRoomData& room;
    RCUser& ownUser;
    CGameInfo& gameInfo;
    COpenInfo& floor;
    TableState& tableState;
    SceneOptions& options;
    RoomControls& controls;
    SceneEnvironment& env;
    SceneTimers& timers;
    EntryState& entryState;
    TableWidgets& tableWidgets;
    RoomWidgets& roomWidgets;
    EffectWidgets& effects;
    SeatPanels& seatPanels;
    RoomButtons& roomButtons;
    ResultWidgets& resultWidgets;
    EntryWidgets& entryWidgets;
    AvatarMarks& avatarMarks;
    BettingWidgets& betting;
    MoneyWidgets& moneyWidgets;
    RoomMarks& roomMarks;
    PeripheryWidgets& periphery;
    MissionPanels& missions;
};
