#include "table/flows/FlowBase.h"

FlowBase::FlowBase(RoomStage& s, TableEngine& e, RoomRequests& q, RoomFlows& f, RoomRecords& r, RoomWidgetSet& w)
    : stage(s),
      engine(e),
      requests(q),
      flows(f),
      records(r),
      room(r.room),
      ownUser(r.ownUser),
      gameInfo(r.gameInfo),
      floor(r.floor),
      tableState(r.tableState),
      options(r.options),
      controls(r.controls),
      env(r.env),
      timers(r.timers),
      entryState(r.entryState),
      tableWidgets(w.tableWidgets),
      roomWidgets(w.roomWidgets),
      effects(w.effects),
      seatPanels(w.seatPanels),
      roomButtons(w.roomButtons),
      resultWidgets(w.resultWidgets),
      entryWidgets(w.entryWidgets),
      avatarMarks(w.avatarMarks),
      betting(w.betting),
      moneyWidgets(w.moneyWidgets),
      roomMarks(w.roomMarks),
      periphery(w.periphery),
      missions(w.missions)
{
}
