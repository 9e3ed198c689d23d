#include "scene/SceneTargetScore.h"

#include "scene/CMirelleVWS.h"

const std::string& SceneTargetScore::GetImageRoot() const
{
    return scene.GetImageRoot();
}

LoadErrorSink& SceneTargetScore::GetLoadErrorSink()
{
    return scene;
}

int32_t SceneTargetScore::GetRoomKind() const
{
    return scene.room.roomKind;
}

void SceneTargetScore::PlayTargetScoreSound(SoundId id)
{
    scene.PlaySoundId(id);
}

bool SceneTargetScore::IsOwnUserSeated() const
{
    return scene.IsUserSeated();
}

// The request asks the user first; a refused or unsent request changes nothing.
void SceneTargetScore::RequestGiveUp()
{
    if (scene.GetRoomState() != RoomState::Playing) return;
    static_cast<void>(scene.Requests().SendDesperateExit());
}
