#pragma once

#include <atomic>

class CMirelleVWS;
class CCheckNotice;
class CVBakIconWnd;
class CVC2MissionWnd;
class CVCMissionWnd;
class CVDesperateResultWnd;
class CVDesperateWnd;
class CVDMissionWnd;
class CVGFPlayCountWnd;
class CVGoBakAlertUIWnd;
class CVHTIconWnd;
class CVJumsuInfoWnd;
class CVKJMissionWnd;
class CVMirelleBijouWnd;
class CVObserveSystemWnd;
class CVPSPPushBtn;
class CVRankingPointWnd;
class CVRestrictOptionWnd;
class CVSMissionWnd;
class CVUserInfoWnd;
class CVUserOptionWnd;
class PanelOwner;
class WidgetFactory;

// Makes every widget of the room into the scene's widget areas, in drawing order from the table
// skin at the bottom up, on the loader thread or at once. Each step answers false at the first
// widget not made; what was added stays in the scene. Failed files and allocations go to the
// scene's load errors.
class RoomLoader {
public:
    explicit RoomLoader(CMirelleVWS& owner) : scene(owner) {}

    // Every widget of the room; false as soon as one is not made or loading is stopped.
    bool LoadWidgets(const std::atomic<bool>& stop);

private:
    // The table (RoomLoader_Table.cpp).
    bool LoadTableAndDeck(WidgetFactory& factory);
    bool LoadTurnBlink(WidgetFactory& factory);
    bool LoadFloorMarkers(WidgetFactory& factory);
    bool LoadFloorSlots(WidgetFactory& factory);
    bool LoadCardWnds(WidgetFactory& factory);
    bool LoadMovingCards(WidgetFactory& factory);
    bool LoadPlayMarks(WidgetFactory& factory);
    bool LoadHandMarkers(WidgetFactory& factory);
    bool LoadDealEffects(WidgetFactory& factory);
    bool LoadLayerAnchor(WidgetFactory& factory);

    // The room around the table (RoomLoader_Room.cpp).
    // Stores the made button in `slot` and adds it; false for null.
    bool AddLoadedButton(CVPSPPushBtn*& slot, CVPSPPushBtn* made);
    bool LoadAvatars(WidgetFactory& factory);
    bool LoadStartAnimations(WidgetFactory& factory);
    bool LoadAutoPlayNotice(WidgetFactory& factory);
    bool LoadMoneyReturnAndCountdown(WidgetFactory& factory);
    bool LoadBetting(WidgetFactory& factory);
    bool LoadMoneyGift(WidgetFactory& factory);
    bool LoadAutoRefill(WidgetFactory& factory);
    bool LoadBijouAndPick(WidgetFactory& factory);
    bool LoadMenuAndMarks(WidgetFactory& factory);
    bool LoadMoneyLimitTips(WidgetFactory& factory);

    // Marks and animations that flows show now and then (RoomLoader_Marks.cpp).
    bool LoadSeatMarks(WidgetFactory& factory);
    bool LoadTurnHint(WidgetFactory& factory);
    bool LoadPlayingAnimation(WidgetFactory& factory);
    bool LoadEntryMarks(WidgetFactory& factory);

    // The title and bottom bars (RoomLoader_Bars.cpp).
    bool LoadTitleButtons(WidgetFactory& factory);
    bool LoadBottomButtons(WidgetFactory& factory);
    bool LoadStartButton(WidgetFactory& factory);
    // The hand pick's three buttons, its board and the board's character, hidden.
    bool LoadHandPick(WidgetFactory& factory);

    // The seat panels, effects, prompt, result, options and round banner (RoomLoader_Panels.cpp).
    // Each factory answers the made window or null (a failed allocation recorded, a window whose
    // children failed deleted).
    CVUserInfoWnd* CreateUserInfoWnd(int slot);
    CVJumsuInfoWnd* CreateJumsuInfoWnd(int slot);
    CVHTIconWnd* CreateHTIconWnd(int slot);
    CVBakIconWnd* CreateBakIconWnd(int slot);
    CVGoBakAlertUIWnd* CreateGoBakAlertUIWnd();
    bool LoadSeatPanels();
    bool LoadGoBakAlert();
    bool LoadCardEffects(WidgetFactory& factory);
    bool LoadActionPopups(WidgetFactory& factory);
    bool LoadResultWidgets(WidgetFactory& factory);
    [[nodiscard]] bool CreateResultWnd();
    [[nodiscard]] bool CreateNotifyWnd();
    // The option panel with the current volume, hidden.
    CVUserOptionWnd* CreateUserOptionWnd();
    [[nodiscard]] bool LoadUserOptionWnd();
    [[nodiscard]] bool LoadRoundBanner(WidgetFactory& factory);

    // The mission panels (RoomLoader_Missions.cpp).
    CVSMissionWnd* CreateSMissionWnd();
    CVDMissionWnd* CreateDMissionWnd();
    CVCMissionWnd* CreateCMissionWnd();
    CVC2MissionWnd* CreateC2MissionWnd();
    CVKJMissionWnd* CreateKJMissionWnd();
    [[nodiscard]] bool LoadMissionPanels(WidgetFactory& factory);

    // The panels around the table and the check notice (RoomLoader_Periphery.cpp).
    CVDesperateWnd* CreateDesperateWnd();
    CVGFPlayCountWnd* CreateGFPlayCountWnd();
    CVRestrictOptionWnd* CreateRestrictOptionWnd();
    CVRankingPointWnd* CreateRankingPointWnd();
    CVObserveSystemWnd* CreateObserveSystemWnd();
    CVDesperateResultWnd* CreateDesperateResultWnd();
    CVMirelleBijouWnd* CreateBijouWnd();
    // The strip only; its loader step makes its children.
    CCheckNotice* CreateCheckNotice();
    bool LoadRankingPointStep(WidgetFactory& factory);
    bool LoadObserverBarStep(WidgetFactory& factory);
    bool LoadCheckNoticeStep(WidgetFactory& factory);

    // Steps that wrap a loader without the factory (RoomLoader.cpp).
    bool LoadSeatPanelStep(WidgetFactory& factory);
    bool LoadGoBakAlertStep(WidgetFactory& factory);
    bool LoadNotifyStep(WidgetFactory& factory);

    CMirelleVWS& scene;
};
