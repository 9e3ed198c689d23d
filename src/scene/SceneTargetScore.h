#pragma once

#include <string>

#include "views/TargetScoreOwner.h"

class CMirelleVWS;

// The scene as the target-score panel's owner: the room kind, the sounds, whether the own user is
// seated, and the give-up request.
class SceneTargetScore final : public TargetScoreOwner {
public:
    explicit SceneTargetScore(CMirelleVWS& owningScene) : scene(owningScene) {}

    const std::string& GetImageRoot() const override;
    LoadErrorSink& GetLoadErrorSink() override;
    int32_t GetRoomKind() const override;
    void PlayTargetScoreSound(SoundId id) override;
    bool IsOwnUserSeated() const override;
    void RequestGiveUp() override;

private:
    CMirelleVWS& scene;
};
