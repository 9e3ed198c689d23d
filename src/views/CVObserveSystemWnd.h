#pragma once

#include "views/CVPanel.h"

class CVPSPPushBtn;
class GVPSPWnd;
class GVQZSWnd;
class GVTextWnd;

// The observer's bar: take a free seat, ask the host for its item, refill, shop, safe and payment
// pages, the safe and payment amounts, and a switch that folds the bar into a small tab.
// FIXME: SetJoinButton, SetMinimized (and Show expanding the bar), AskHost, Refresh, OnHostResult,
// the buttons' clicks and the item tooltip's hover come with the bar's own work.
class CVObserveSystemWnd : public CVPanel {
public:
    static constexpr Size kSize{227, 148};
    static constexpr Point kOrigin{397, 374};

    enum class Button { Join, Assa, Superman, Refill, GameMall, Safe, Payment, Minimize, TextTab, Count };

    CVObserveSystemWnd() : CVPanel(kSize, MouseRouting::Yes) {}

    // Makes the children at the bar's place, the bar hidden; expanded, so the tooltip and the
    // folded tab are hidden. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PanelOwner& room);
    void Clear() override;

    CVPSPPushBtn* GetButton(Button b) const;
    GVTextWnd* GetSafeText() const { return safeText; }
    GVTextWnd* GetPaymentText() const { return paymentText; }
    GVPSPWnd* GetItemTooltip() const { return itemTooltip; }
    GVPSPWnd* GetTextTab() const { return textTab; }

private:
    GVQZSWnd* back = nullptr;
    CVPSPPushBtn* buttons[static_cast<int>(Button::Count)] = {};
    GVTextWnd* safeText = nullptr;
    GVTextWnd* paymentText = nullptr;
    GVPSPWnd* itemTooltip = nullptr;
    GVPSPWnd* textTab = nullptr;
};
