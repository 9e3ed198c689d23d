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

    // A dealt round, the table synchronised: the floor holds four gwang (0, 8, 28 and the rain
    // gwang 44) and four pi; the own hand ten cards of months 1 to 10.
    void DealFourGwangRound()
    {
        records.tableState.dealFloorIds = {0, 8, 28, 44, 2, 3, 10, 11};
        records.gameInfo.ownHandIds = {1, 5, 9, 13, 17, 21, 25, 29, 33, 37};
        ClearTable();
        engine.DealRound(false);
        records.tableState.active = true;
        stage.Forget();
    }
};
