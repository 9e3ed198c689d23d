#include "views/CVObserveSystemWnd.h"

#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/core/ItemRules.h"

using ObserverRules::PageState;

namespace {

constexpr Size kAmountSize{93, 12};
constexpr uint32_t kAmountColor = 0xFFFFFF;
constexpr Point kTooltipOffset{-5, -40};
// Tooltip frames by item button.
constexpr int kAssaTip = 0;
constexpr int kSupermanTip = 1;

void ShowIf(GVWnd* w, bool show)
{
    if (w) w->Show(show);
}

}  // namespace

bool CVObserveSystemWnd::CreateChildren(PeripheryOwner& roomOwner)
{
    room = &roomOwner;
    WidgetFactory f = BeginChildren(roomOwner);
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
    GVWnd::Show(false);
    return true;
}

void CVObserveSystemWnd::Clear()
{
    CVPanel::Clear();
    room = nullptr;
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

bool CVObserveSystemWnd::IsMinimized() const
{
    return textTab && textTab->IsVisible();
}

void CVObserveSystemWnd::Show(bool show)
{
    if (show) {
        SetMinimized(false);
        if (room && room->GetPageState() == PageState::Requested) room->SetPageState(PageState::None);
    }
    GVWnd::Show(show);
    Invalidate();
}

void CVObserveSystemWnd::SetJoinButton(bool show, bool enable)
{
    if (IsMinimized()) return;
    CVPSPPushBtn* join = GetButton(Button::Join);
    if (!join) return;
    join->Show(show);
    join->Enable(enable);
    Invalidate();
}

void CVObserveSystemWnd::SetMinimized(bool minimized)
{
    ShowIf(back, !minimized);
    for (int i = 0; i < static_cast<int>(Button::Count); ++i)
        if (static_cast<Button>(i) != Button::TextTab) ShowIf(buttons[i], !minimized);
    ShowIf(safeText, !minimized);
    ShowIf(paymentText, !minimized);
    ShowIf(itemTooltip, false);
    ShowIf(textTab, minimized);
    ShowIf(GetButton(Button::TextTab), minimized);
    if (!minimized && room) {
        const PeripheryOwner::RoomFacts facts = room->GetRoomFacts();
        if (CVPSPPushBtn* join = GetButton(Button::Join)) join->Enable(facts.seatFree);
        const bool pages = ObserverRules::SafeAndPaymentEnabled(facts.roomKind);
        if (CVPSPPushBtn* safe = GetButton(Button::Safe)) safe->Enable(pages);
        if (CVPSPPushBtn* payment = GetButton(Button::Payment)) payment->Enable(pages);
    }
    Invalidate();
}

void CVObserveSystemWnd::AskHost(HostRequestCode code, int32_t value)
{
    if (!room || room->GetPageState() == PageState::Requested) return;
    room->SetPageState(PageState::Requested);
    // No host, or a host that answers with a failure, will not report the page: nothing is pending.
    const std::optional<int> answer = room->RequestHost(code, value);
    if (!answer || *answer < 0) room->SetPageState(PageState::None);
}

void CVObserveSystemWnd::Refresh()
{
    if (!room) return;
    const auto holds = [&](int32_t code) {
        const std::optional<int> answer = room->RequestHost(HostRequestCode::HoldsItem, code);
        return answer && *answer != 0;
    };
    const bool assa = holds(ItemRules::kAssaCode);
    const bool superman = holds(ItemRules::kSupermanCode);
    if (CVPSPPushBtn* b = GetButton(Button::Assa)) b->Enable(assa);
    if (CVPSPPushBtn* b = GetButton(Button::Superman)) b->Enable(superman);
    const RCUser& own = room->GetOwnUser();
    if (safeText) safeText->SetText(ObserverRules::SafeText(own.safeMoney));
    if (paymentText) paymentText->SetText(ObserverRules::PaymentText(own.extraMoney, own.secondMoney));
    Invalidate();
}

void CVObserveSystemWnd::OnHostResult(int32_t code, bool ok)
{
    if (!room) return;
    const PageState state = ObserverRules::AfterHostResult(code, ok);
    if (ObserverRules::RefreshesItems(code)) Refresh();
    room->SetPageState(state);
}

void CVObserveSystemWnd::OnChildClick(GVWnd& child)
{
    if (!room) return;
    const auto is = [&](Button b) { return &child == GetButton(b); };
    constexpr int32_t kRefillPage = 1, kMallPage = 3, kPaymentPage = 4;
    if (is(Button::Join)) room->TakeSeat();
    else if (is(Button::Assa)) AskHost(HostRequestCode::OpenHostPage, ItemRules::kAssaCode);
    else if (is(Button::Superman)) AskHost(HostRequestCode::OpenHostPage, ItemRules::kSupermanCode);
    else if (is(Button::Refill)) AskHost(HostRequestCode::OpenHostPage, kRefillPage);
    else if (is(Button::GameMall)) AskHost(HostRequestCode::OpenHostPage, kMallPage);
    else if (is(Button::Payment)) AskHost(HostRequestCode::OpenHostPage, kPaymentPage);
    else if (is(Button::Safe)) {
        if (room->GetOwnUser().safeMoney > 0) AskHost(HostRequestCode::OpenSafePage, 0);
        else room->ShowPanelBox("금고를 보유하지 않으셨습니다.", "", 2000);
    } else if (is(Button::Minimize)) SetMinimized(true);
    else if (is(Button::TextTab)) SetMinimized(false);
    else return;
    room->PlayPanelSound(PeripheryOwner::kButtonSound);
}

int CVObserveSystemWnd::OnMouseMove(UINT flags, Point p)
{
    const int routed = CVPanel::OnMouseMove(flags, p);
    if (!itemTooltip) return routed;
    CVPSPPushBtn* over = nullptr;
    int frame = 0;
    for (const auto& [b, tip] : {std::pair{Button::Assa, kAssaTip}, std::pair{Button::Superman, kSupermanTip}}) {
        CVPSPPushBtn* button = GetButton(b);
        if (IsVisible() && button && button->IsVisible() && button->GetRect().Contains(p.x, p.y)) {
            over = button;
            frame = tip;
        }
    }
    if (over) {
        itemTooltip->SetPos(over->GetPos() + kTooltipOffset);
        itemTooltip->SetFrame(frame);
    }
    if (itemTooltip->IsVisible() != (over != nullptr)) Invalidate();
    itemTooltip->Show(over != nullptr);
    return routed || over ? 1 : 0;
}
