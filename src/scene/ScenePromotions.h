#pragma once

#include "scene/CMirellePromotionMgr.h"

class CMirelleVWS;

// The room as the promotion manager sees it.
class ScenePromotions : public PromotionHost {
public:
    explicit ScenePromotions(CMirelleVWS& s) : scene(s) {}

    void PrintChatText(const std::string& text) override;
    int32_t GetRoomKind() const override;
    int32_t GetMissionMode() const override;
    int32_t GetOwnUserKey() const override;
    bool IsRobotSeated() const override;
    int Random() override;
    void InvalidateWnd(GVWnd* wnd) override;

private:
    CMirelleVWS& scene;
};
