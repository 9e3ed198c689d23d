#pragma once

#include <array>
#include <cstdint>
#include <vector>

class GVQZAniWnd;
class GVTextWnd;
class GVWnd;
class GVWS;
class WidgetFactory;
struct LoadTarget;

// The VIP helper of the scene: icons by each screen slot's player panel when the other player is
// close to a scoring combination, and the VIP user's own alert with its two texts. Its widgets
// belong to the scene's widget list.
class CMirelleVIPMgr {
public:
    enum Icon { kGwangIcon, kGodoriIcon, kRibbonIcon, kIconsPerSlot };
    // The scoring combinations, in the order of their card lists.
    enum Combination { kGwang, kGodori, kHongdan, kChungdan, kChodan, kCombinationCount };
    static constexpr const char* kIconFile = "VIP\\jokbo_alert.qza";

    // Makes the six icons, the alert and its two texts (hidden) into the target, the icons and the
    // alert running, then lists each combination's cards. False at the first widget that cannot be
    // made (reported): what was made stays in the scene and the lists stay as they were.
    [[nodiscard]] bool Create(WidgetFactory& factory, LoadTarget& target);
    // Moves the six icons directly below `reference` in the scene, keeping their order; nothing
    // when the reference is not in the scene (the icons would drop out of it).
    void AddIconsToScene(GVWS& scene, GVWnd* reference);
    // FIXME: OnVIPUpdate, Refresh, UpdateJokboIcons, UpdateHoldMarks, ShowVIPIcons, SetAlert, Step,
    // PrintProgressNotice, HideAllIcons and Clear come with the VIP messages.

    GVQZAniWnd* GetIcon(int screenSlot, Icon icon) const { return icons[static_cast<size_t>(screenSlot)][icon]; }
    GVQZAniWnd* GetAlert() const { return alert; }
    GVTextWnd* GetAlertText(int i) const { return alertTexts[static_cast<size_t>(i)]; }
    const std::vector<int32_t>& GetCombinationCards(Combination c) const { return combinationCards[c]; }

private:
    std::array<std::array<GVQZAniWnd*, kIconsPerSlot>, 2> icons{};  // by screen slot, 0 the own side
    GVQZAniWnd* alert = nullptr;
    std::array<GVTextWnd*, 2> alertTexts{};
    std::array<std::vector<int32_t>, kCombinationCount> combinationCards;
};
