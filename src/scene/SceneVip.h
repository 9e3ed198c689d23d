#pragma once

#include "scene/CMirelleVIPMgr.h"

class CMirelleVWS;

// The room as the VIP helper sees it.
class SceneVip : public VipHost {
public:
    explicit SceneVip(CMirelleVWS& s) : scene(s) {}

    bool IsRoundRunning() const override;
    int GetOwnSeat() const override;
    int GetScreenSlot(int seat) const override;
    VipRules::TableView GetTableView(int givenSeat) const override;
    std::vector<int32_t> GetHandIds(int seat) const override;
    GVQZAniWnd* GetHoldMarker(int handSlot) override;
    GVWnd* GetOwnHandCard(int handSlot) override;
    void StackWndBefore(GVWnd* reference, GVWnd* wnd) override;
    void PlayIconSound() override;
    int32_t MeasureText(const GVTextWnd& widget, const std::string& text) override;
    int64_t GetOwnMoney() const override;
    void InvalidateWnd(GVWnd* wnd) override;
    void OnVipDialogClosed() override;
    HWND GetGameWindow() const override;
    std::string GetImageRoot() const override;
    std::string GetRegistryPath() const override;

    // The tick: the dialog follows the game window when the host moved it.
    void FollowGameWindow();

private:
    std::vector<int32_t> IdsOf(const std::vector<int32_t>& slots) const;

    CMirelleVWS& scene;
    RECT lastGameRect{};
};
