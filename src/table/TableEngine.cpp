#include "table/TableEngine.h"

TableEngine::TableEngine(TableStage& tableStage, RoomRecords& roomRecords, RoomWidgetSet& widgets)
    : stage(tableStage),
      records(roomRecords),
      room(roomRecords.room),
      ownUser(roomRecords.ownUser),
      gameInfo(roomRecords.gameInfo),
      floor(roomRecords.floor),
      tableState(roomRecords.tableState),
      options(roomRecords.options),
      tableWidgets(widgets.tableWidgets),
      roomWidgets(widgets.roomWidgets),
      missions(widgets.missions)
{
}
