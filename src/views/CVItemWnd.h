#pragma once

#include <array>
#include <cstdint>

#include "views/CVPanel.h"

class CVPSPPushBtn;
class GVBoxWnd;
class GVPSPWnd;
class GVQZSWnd;
class GVTextWnd;

// The strip under the result panel: the safe's withdrawal choices with the button that asks the
// host for them, and the mark of an item reserved during the round.
// FIXME: the reservations (superman, the five assa items), the safe choices, ShowItems and the
// choice and tip input come with the item panel's own work; until then it only builds and resets.
class CVItemWnd : public CVPanel {
public:
    static constexpr Size kSize{310, 64};
    static constexpr int kChoices = 3;

    CVItemWnd() : CVPanel(kSize, MouseRouting::Yes) {}
    ~CVItemWnd() override = default;

    void Clear() override;
    // Every child hidden, the panel hidden; false at the first child that fails.
    [[nodiscard]] bool CreateChildren(PanelOwner& room);
    // Hides every child and itself, forgets the reserved item and the safe choices; 1.
    int Reset();

    int GetReservedItem() const { return reservedItem; }
    bool HasSafeChoices() const { return safeLoaded; }

private:
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
    int selected = 0;
};
