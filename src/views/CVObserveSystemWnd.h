#pragma once

#include "views/CVPanel.h"
#include "views/PeripheryOwner.h"

class CVPSPPushBtn;
class GVPSPWnd;
class GVQZSWnd;
class GVTextWnd;

// The observer's bar: take a free seat, ask the host for its item, refill, shop, safe and payment
// pages, the safe and payment amounts, and a switch that folds the bar into a small tab. A host
// page asked for is answered by the host later (OnHostResult); until then other pages wait.
class CVObserveSystemWnd : public CVPanel {
public:
    static constexpr Size kSize{227, 148};
    static constexpr Point kOrigin{397, 374};

    enum class Button { Join, Assa, Superman, Refill, GameMall, Safe, Payment, Minimize, TextTab, Count };

    CVObserveSystemWnd() : CVPanel(kSize, MouseRouting::Yes) {}

    // Makes the children at the bar's place, the bar hidden; expanded, so the tooltip and the
    // folded tab are hidden. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PeripheryOwner& room);
    void Clear() override;

    // Showing expands the bar; an unanswered page request is dropped then.
    void Show(bool show) override;
    // Unless folded: the join button shown and enabled as asked.
    void SetJoinButton(bool show, bool enable);
    // Folded: only the tab and its button. Unfolded: every button, the join button enabled while a
    // seat is free, safe and payment outside the tournament rooms.
    void SetMinimized(bool minimized);
    // Unless a page is pending: marks it pending (told to the server), then asks the host; a
    // request the host cannot take drops the mark again.
    void AskHost(HostRequestCode code, int32_t value);
    // Asks the host which items are held (a held item enables its button); the safe and payment
    // amounts.
    void Refresh();
    // The host's answer to a page (host command 26).
    void OnHostResult(int32_t code, bool ok);

    int OnMouseMove(UINT flags, Point p) override;
    bool IsMinimized() const;

    CVPSPPushBtn* GetButton(Button b) const;
    GVTextWnd* GetSafeText() const { return safeText; }
    GVTextWnd* GetPaymentText() const { return paymentText; }
    GVPSPWnd* GetItemTooltip() const { return itemTooltip; }
    GVPSPWnd* GetTextTab() const { return textTab; }

protected:
    void OnChildClick(GVWnd& child) override;

private:
    PeripheryOwner* room = nullptr;
    GVQZSWnd* back = nullptr;
    CVPSPPushBtn* buttons[static_cast<int>(Button::Count)] = {};
    GVTextWnd* safeText = nullptr;
    GVTextWnd* paymentText = nullptr;
    GVPSPWnd* itemTooltip = nullptr;
    GVPSPWnd* textTab = nullptr;
};
