#pragma once

#include "support/FakeStages.h"
#include "table/TableFixture.h"
#include "table/flows/RoomFlows.h"
#include "table/flows/RoomRequests.h"

// The room's flows on a fake room stage and a real table engine, without the scene.
class FlowFixture : public TableFixtureOf<FakeRoomStage> {
protected:
    RoomRequests requests{stage, engine, records, widgets};
    RoomFlows flows{stage, engine, requests, records, widgets};
};
