#include "scene/CMirelleVIPMgr.h"

#include "scene/LoadTarget.h"
#include "table/core/CardModel.h"
#include "toolkit/GVTextWnd.h"
#include "views/WidgetFactory.h"

namespace {

constexpr Point kIconPoint[2][CMirelleVIPMgr::kIconsPerSlot] = {
    {{19, 497}, {117, 438}, {117, 496}},
    {{19, 64}, {117, 64}, {117, 121}},
};
constexpr Point kAlertPoint{407, 493};
constexpr Point kAlertTextOffset{3, 5};
constexpr Size kAlertTextSize{206, 12};
constexpr struct {
    uint32_t colorRef;
    int weight;
} kAlertTexts[2] = {{0x0068F4FF, 700}, {0x00FFFFFF, 400}};

// The card-table kind of each combination's cards, in the order of the lists.
constexpr int32_t kCombinationSpecial[CMirelleVIPMgr::kCombinationCount] = {
    CardSpecial::Gwang, CardSpecial::Godori, CardSpecial::Hongdan, CardSpecial::Chungdan, CardSpecial::Chodan};

}  // namespace

bool CMirelleVIPMgr::Create(WidgetFactory& factory, LoadTarget& target)
{
    for (size_t slot = 0; slot < icons.size(); ++slot)
        for (size_t i = 0; i < kIconsPerSlot; ++i)
            if (!target.AddRunning(icons[slot][i] = factory.CreateQZAniWnd(kIconFile, kIconPoint[slot][i])))
                return false;
    if (!target.AddRunning(alert = factory.CreateQZAniWnd("VIP\\vip_alarm.qza", kAlertPoint))) return false;
    for (size_t i = 0; i < alertTexts.size(); ++i) {
        alertTexts[i] = factory.CreateTextWnd("", kAlertPoint + kAlertTextOffset, kAlertTextSize, 12,
                                              kAlertTexts[i].weight, kAlertTexts[i].colorRef);
        if (!target.Add(alertTexts[i])) return false;
        alertTexts[i]->Show(false);
    }
    for (auto& list : combinationCards) list.clear();
    // The month cards 0..47; the two bonus cards belong to no combination.
    for (int32_t id = 0; id < kCardCount - 2; ++id) {
        const int32_t special = GetCardInfo(id).special;
        for (size_t c = 0; c < kCombinationCount; ++c)
            if (kCombinationSpecial[c] == special) combinationCards[c].push_back(id);
    }
    return true;
}

void CMirelleVIPMgr::AddIconsToScene(GVWS& scene, GVWnd* reference)
{
    // Each goes directly below the reference, above the one moved before: the order stays. The
    // scene refuses a reference it does not hold and then leaves the icon where it was.
    for (const auto& slotIcons : icons)
        for (GVQZAniWnd* icon : slotIcons) scene.InsertWndAfter(reference, icon);
}
