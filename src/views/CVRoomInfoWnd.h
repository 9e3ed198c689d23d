#pragma once

#include <array>
#include <string>

#include "views/CVPanel.h"
#include "views/core/PanelLayout.h"

class GVLightTextWnd;
class GVQZAniWnd;

// The room's settings shown while the options panel is open: a back and seven rows. A widget of
// its own, so it is drawn and cleared over its own rectangle, at the table's left edge where it
// hides no floor slot, pile or hand.
class CVRoomInfoWnd : public CVPanel {
public:
    static constexpr Size kSize = PanelLayout::kRoomInfoSize;
    static constexpr Point kPlace = PanelLayout::kRoomInfoPlace;
    static constexpr int kRows = 7;

    CVRoomInfoWnd() : CVPanel(kSize, MouseRouting::No) {}
    ~CVRoomInfoWnd() override = default;

    void Clear() override;
    // The back and the rows, hidden, at kPlace; false at the first child that fails (reported).
    [[nodiscard]] bool CreateChildren(PanelOwner& room);
    // Shows the rows that have a text, and the back (played once) when `withBack`.
    void Open(const std::array<std::string, kRows>& texts, bool withBack);
    // 1 when it was shown and is now hidden.
    int Close();
    // A shown row's text; empty for a hidden row or an index outside 0..6.
    std::string GetRow(int i) const;

private:
    GVQZAniWnd* back = nullptr;
    std::array<GVLightTextWnd*, kRows> rows{};
};
