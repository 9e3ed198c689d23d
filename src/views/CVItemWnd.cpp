#include "views/CVItemWnd.h"

#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"

namespace {

constexpr Point kMarkPos[CVItemWnd::kChoices] = {{108, 9}, {108, 27}, {108, 43}};
constexpr Point kTextPos[CVItemWnd::kChoices] = {{123, 11}, {123, 28}, {123, 45}};
constexpr uint32_t kChoiceColor = 0x7BF6F8;
constexpr uint32_t kTipFill = 0xE1FFFF;
constexpr uint32_t kPriceColor = 0x7D0000;

GVTextWnd* CenteredText(WidgetFactory& f, Point p, Size size, int weight, uint32_t color)
{
    GVTextWnd* text = f.CreateTextWnd("", p, size, 12, weight, color);
    if (!text) return nullptr;
    text->SetTextFormat(DT_CENTER);
    text->Show(false);
    return text;
}

}  // namespace

void CVItemWnd::Clear()
{
    CVPanel::Clear();
    back = nullptr;
    choiceMarks.fill(nullptr);
    choiceTexts.fill(nullptr);
    tipBox = nullptr;
    tipText = priceText = nullptr;
    safeButton = nullptr;
    chanceMark = nullptr;
    reservedItem = -1;
    safeLoaded = false;
    amounts.fill(0);
    choiceEnabled.fill(false);
    selected = 0;
}

bool CVItemWnd::CreateChildren(PanelOwner& room)
{
    WidgetFactory f = BeginChildren(room);
    if (!Adopt(back = f.CreateQZSWnd("Item\\back.qzs", {0, 0}, Visible::No))) return false;
    for (size_t i = 0; i < kChoices; ++i) {
        if (!Adopt(choiceMarks[i] = f.CreatePSPWnd("Item\\safe_choice.psp", kMarkPos[i], Visible::No))) return false;
        if (!Adopt(choiceTexts[i] = CenteredText(f, kTextPos[i], {65, 12}, 400, kChoiceColor))) return false;
    }
    // The tip is sized to its text when it shows.
    if (!Adopt(tipBox = f.CreateBoxWnd(Rect({0, 0}, Size{7, 12}), kTipFill, 255, Visible::No))) return false;
    if (!Adopt(tipText = CenteredText(f, {0, 0}, {7, 12}, 400, 0))) return false;
    if (!Adopt(safeButton = f.CreatePSPPushBtn("Item\\safe_btn.psp", {208, 11}, Visible::No, 1))) return false;
    if (!Adopt(chanceMark = f.CreatePSPWnd("Item\\chance.psp", {0, 0}, Visible::No))) return false;
    if (!Adopt(priceText = CenteredText(f, {0, 0}, {113, 11}, 700, kPriceColor))) return false;
    CVPanel::Show(false);
    Enable(true);
    return true;
}

int CVItemWnd::Reset()
{
    for (GVWnd* child : children) child->Show(false);
    reservedItem = -1;
    safeLoaded = false;
    CVPanel::Show(false);
    Invalidate();
    return 1;
}
