#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/core/VipRules.h"
#include "table/flows/VipStage.h"
#include "vipdialog/CHelperView.h"

class GVQZAniWnd;
class GVTextWnd;
class GVWnd;
class GVWS;
class WidgetFactory;
struct LoadTarget;

// What the VIP helper needs of the room.
class VipHost {
public:
    // The game state is 2: a round runs.
    virtual bool IsRoundRunning() const = 0;
    virtual int GetOwnSeat() const = 0;              // -1 when the own user does not sit
    virtual int GetScreenSlot(int seat) const = 0;   // -1 for a seat without one
    // The table as card ids, the hand being the given seat's.
    virtual VipRules::TableView GetTableView(int givenSeat) const = 0;
    virtual std::vector<int32_t> GetHandIds(int seat) const = 0;
    // The hold-alert marker of own hand slot 0..9 and the card window of that slot, or null.
    virtual GVQZAniWnd* GetHoldMarker(int handSlot) = 0;
    virtual GVWnd* GetOwnHandCard(int handSlot) = 0;
    virtual void StackWndBefore(GVWnd* reference, GVWnd* wnd) = 0;
    virtual void PlayIconSound() = 0;
    // The width of a text in the widget's font on the game window.
    virtual int32_t MeasureText(const GVTextWnd& widget, const std::string& text) = 0;
    virtual int64_t GetOwnMoney() const = 0;
    virtual void InvalidateWnd(GVWnd* wnd) = 0;
    // The dialog closed: "vip" enabled again.
    virtual void OnVipDialogClosed() = 0;
    // The dialog's parent, the image root and the registry path of the options.
    virtual HWND GetGameWindow() const = 0;
    virtual std::string GetImageRoot() const = 0;
    virtual std::string GetRegistryPath() const = 0;

protected:
    ~VipHost() = default;
};

// The VIP helper of the scene: icons by each screen slot's player panel when the other player is
// close to a scoring combination, marks on the own hand cards that would give it to him, and the
// VIP user's own alert with its two texts. Its widgets belong to the scene's widget list; the
// dialog it drives (`helper`) is one per process.
class CMirelleVIPMgr : public VipStage, public VipDialogOwner {
public:
    enum Icon { kGwangIcon, kGodoriIcon, kRibbonIcon, kIconsPerSlot };
    // The scoring combinations, in the order of their card lists.
    enum Combination { kGwang, kGodori, kHongdan, kChungdan, kChodan, kCombinationCount };
    static constexpr const char* kIconFile = "VIP\\jokbo_alert.qza";
    static constexpr int kHoldSlots = 10;
    static constexpr int kGameNumber = 24;
    static constexpr int kDialogResource = 102;

    CMirelleVIPMgr() = default;
    ~CMirelleVIPMgr() override;
    CMirelleVIPMgr(const CMirelleVIPMgr&) = delete;
    CMirelleVIPMgr& operator=(const CMirelleVIPMgr&) = delete;

    void SetHost(VipHost* h) { host = h; }
    // Makes the six icons, the alert and its two texts (hidden) into the target, the icons and the
    // alert running, then lists each combination's cards. False at the first widget that cannot be
    // made (reported): what was made stays in the scene and the lists stay as they were.
    [[nodiscard]] bool Create(WidgetFactory& factory, LoadTarget& target);
    // Moves the six icons directly below `reference` in the scene, keeping their order; nothing
    // when the reference is not in the scene (the icons would drop out of it).
    void AddIconsToScene(GVWS& scene, GVWnd* reference);

    void OnVIPUpdate(const VIPUpdate& body) override;
    void Refresh() override;
    void UpdateJokboIcons(int seat, bool enabled) override;
    void UpdateHoldMarks(int seat, bool enabled) override;
    void HideAllIcons() override;
    void PrintProgressNotice(int64_t change) override;
    void BuildDialog() override;

    void SetGates(const std::array<int32_t, 3>& g) { gates = g; }
    // The dialog's alert is on and the third gate open.
    bool GatesOpen() const;
    // One seat's three icons from a flag word; a seat without a screen slot shows none.
    void ShowVIPIcons(int seat, uint32_t flags);
    // The tick: the alert's texts and its end.
    void Step();
    // The alert animation stopped and its texts hidden and emptied, as at the alert's end.
    void HideAlert();
    // Every widget pointer, both ticks and the alert setting to 0; the card lists stay.
    void Clear();

    // The dialog's calls.
    void SetAlert(int32_t minutes, int32_t games, int64_t money) override;
    void RefreshAfterApply() override { Refresh(); }
    void DialogClosed() override;

    CHelperView& Helper() { return helper; }
    GVQZAniWnd* GetIcon(int screenSlot, Icon icon) const { return icons[static_cast<size_t>(screenSlot)][icon]; }
    GVQZAniWnd* GetAlert() const { return alert; }
    GVTextWnd* GetAlertText(int i) const { return alertTexts[static_cast<size_t>(i)]; }
    const std::vector<int32_t>& GetCombinationCards(Combination c) const { return combinationCards[c]; }
    const VipRules::AlertMachine& GetAlertMachine() const { return alarm; }

private:
    void HideHoldMarks();
    // Stops and hides a shown widget and has its place drawn again.
    void HideAndRedraw(GVQZAniWnd* wnd);
    void ShowAlertTexts(const VipRules::AlertShow& show);

    VipHost* host = nullptr;
    std::array<std::array<GVQZAniWnd*, kIconsPerSlot>, 2> icons{};  // by screen slot, 0 the own side
    GVQZAniWnd* alert = nullptr;
    std::array<GVTextWnd*, 2> alertTexts{};
    std::array<std::vector<int32_t>, kCombinationCount> combinationCards;
    std::array<int32_t, 3> gates{};
    VipRules::AlertMachine alarm;
    CHelperView helper;
};
