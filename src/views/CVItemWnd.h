#pragma once

#include <array>
#include <cstdint>

#include "views/CVPanel.h"
#include "views/PeripheryOwner.h"
#include "views/core/ItemRules.h"

class CVPSPPushBtn;
class GVBoxWnd;
class GVPSPWnd;
class GVQZSWnd;
class GVTextWnd;

// The strip under the result panel: the safe's withdrawal choices with the button that asks the
// host for them, and the mark of an item reserved during the round. The chance mark and its price
// sit left of the choices.
class CVItemWnd : public CVPanel {
public:
    static constexpr Size kSize{310, 64};
    static constexpr int kChoices = 3;

    CVItemWnd() : CVPanel(kSize, MouseRouting::Yes) {}
    ~CVItemWnd() override = default;

    void Clear() override;
    // Every child hidden, the panel hidden; false at the first child that fails.
    [[nodiscard]] bool CreateChildren(PeripheryOwner& room);
    // Hides every child and itself, forgets the reserved item and the safe choices; 1.
    int Reset();

    // A reservation of the superman item (flag 0 only) or an assa item 1..5 for a seat 0..1 at a
    // stake grade 0..4: asks the host, prints the chat line and marks the item unless a higher
    // one is marked. Anything else is ignored.
    void ReserveSupermanItem(int32_t seat, int32_t flag, int32_t grade);
    void ReserveAssaItem(int32_t seat, int32_t item, int32_t grade);
    // The safe's choices (ignored when `first` is -1 or `flag` is not 0); choices above the limit
    // are greyed and cannot be taken, and with none left the safe button is disabled.
    void SetSafeChoices(int64_t first, int64_t second, int64_t whole, int64_t limit, int32_t flag);
    // Shows what is loaded; false (nothing shown) when there is neither a safe nor a reservation.
    [[nodiscard]] bool ShowItems();

    int OnLButtonDown(UINT flags, Point p) override;
    int OnMouseMove(UINT flags, Point p) override;

    int GetSelectedChoice() const { return selected; }
    CVPSPPushBtn* GetSafeButton() const { return safeButton; }
    GVPSPWnd* GetChanceMark() const { return chanceMark; }
    GVTextWnd* GetPriceText() const { return priceText; }
    GVTextWnd* GetChoiceText(int i) const;
    GVPSPWnd* GetChoiceMark(int i) const;
    GVBoxWnd* GetTipBox() const { return tipBox; }
    int GetReservedItem() const { return reservedItem; }
    bool HasSafeChoices() const { return safeLoaded; }

protected:
    // The safe button: the selected amount to the host.
    void OnChildClick(GVWnd& child) override;

private:
    void Reserve(int32_t seat, ItemRules::Item item, int32_t grade);
    void Select(int choice);
    int ChoiceAt(Point p) const;

    PeripheryOwner* room = nullptr;
    GVQZSWnd* back = nullptr;
    std::array<GVPSPWnd*, kChoices> choiceMarks{};
    std::array<GVTextWnd*, kChoices> choiceTexts{};
    GVBoxWnd* tipBox = nullptr;
    GVTextWnd* tipText = nullptr;
    CVPSPPushBtn* safeButton = nullptr;
    GVPSPWnd* chanceMark = nullptr;
    GVTextWnd* priceText = nullptr;

    int reservedItem = -1;  // -1 none, 0 superman, 1..5 the assa items
    bool safeLoaded = false;
    std::array<int64_t, kChoices> amounts{};
    std::array<bool, kChoices> choiceEnabled{};
    int selected = -1;
};
