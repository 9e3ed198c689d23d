#include "scene/ScenePromotions.h"

#include <cstdlib>

#include "scene/CMirelleVWS.h"
#include "scene/HostLink.h"

void ScenePromotions::PrintChatText(const std::string& text)
{
    scene.Link().PrintChatText(text);
}

int32_t ScenePromotions::GetRoomKind() const
{
    return scene.room.roomKind;
}

int32_t ScenePromotions::GetMissionMode() const
{
    return scene.gameInfo.missionMode;
}

int32_t ScenePromotions::GetOwnUserKey() const
{
    return scene.ownUser.userKey;
}

bool ScenePromotions::IsRobotSeated() const
{
    return scene.HasRobotSeat();
}

int ScenePromotions::Random()
{
    return std::rand();
}

void ScenePromotions::InvalidateWnd(GVWnd* wnd)
{
    scene.InvalidateWnd(wnd);
}
