#include "table/flows/VipFlow.h"

#include "table/flows/RoomStage.h"

void VipFlow::OnVIPUpdate(const VIPUpdate& body)
{
    stage.Vip().OnVIPUpdate(body);
}
