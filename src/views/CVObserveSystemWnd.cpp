#include "views/CVObserveSystemWnd.h"

#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"

namespace {

constexpr Size kAmountSize{93, 12};
constexpr uint32_t kAmountColor = 0xFFFFFF;

}  // namespace

bool CVObserveSystemWnd::CreateChildren(PanelOwner& room)
{
    WidgetFactory f = BeginChildren(room);
    const auto button = [&](Button b, const char* file, Point p, Visible show) {
        return Adopt(buttons[static_cast<int>(b)] = f.CreatePSPPushBtn(file, p, show, 1));
    };
    const auto amount = [&](GVTextWnd*& text, Point p) {
        return Adopt(text = f.CreateTextWnd("", p, kAmountSize, 12, 400, kAmountColor));
    };
    if (!Adopt(back = f.CreateQZSWnd("ObserveSystem\\back.qzs", {0, 0}, Visible::Yes))) return false;
    if (!button(Button::Join, "ObserveSystem\\gamejoin_btn.psp", {14, 26}, Visible::Yes)) return false;
    if (!button(Button::Assa, "ObserveSystem\\assa_btn.psp", {32, 117}, Visible::Yes)) return false;
    if (!button(Button::Superman, "ObserveSystem\\superman_btn.psp", {58, 117}, Visible::Yes)) return false;
    if (!button(Button::Refill, "ObserveSystem\\refill_btn.psp", {10, 72}, Visible::Yes)) return false;
    if (!button(Button::GameMall, "ObserveSystem\\gamemall_btn.psp", {10, 94}, Visible::Yes)) return false;
    if (!button(Button::Safe, "ObserveSystem\\safe_btn.psp", {118, 72}, Visible::Yes)) return false;
    if (!amount(safeText, {122, 92})) return false;
    if (!button(Button::Payment, "ObserveSystem\\payment_btn.psp", {118, 105}, Visible::Yes)) return false;
    if (!amount(paymentText, {122, 125})) return false;
    if (!Adopt(itemTooltip = f.CreatePSPWnd("ObserveSystem\\item_tooltip.psp", {0, 0}, Visible::No))) return false;
    if (!button(Button::Minimize, "ObserveSystem\\min_btn.psp", {204, 5}, Visible::Yes)) return false;
    if (!Adopt(textTab = f.CreatePSPWnd("ObserveSystem\\text.psp", {54, 38}, Visible::No))) return false;
    if (!button(Button::TextTab, "ObserveSystem\\text_btn.psp", {66, 90}, Visible::No)) return false;
    SetPos(kOrigin);
    Show(false);
    return true;
}

void CVObserveSystemWnd::Clear()
{
    CVPanel::Clear();
    back = nullptr;
    for (CVPSPPushBtn*& b : buttons) b = nullptr;
    safeText = paymentText = nullptr;
    itemTooltip = textTab = nullptr;
}

CVPSPPushBtn* CVObserveSystemWnd::GetButton(Button b) const
{
    const int i = static_cast<int>(b);
    return i >= 0 && i < static_cast<int>(Button::Count) ? buttons[i] : nullptr;
}
