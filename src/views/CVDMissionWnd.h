#pragma once

#include <array>

#include "views/CVPanel.h"
#include "views/MissionParts.h"

class CVHTWnd;
class GVBoxWnd;
class GVPSPWnd;
class GVQZAniWnd;

// The two-card hand mission (mission mode 2): per side (0 left, 1 right) a hand of two cards with
// their captured overlays and a mark per screen slot, the hand's name, the multiplier and the
// success or failure animation; a dealing animation with a sample card opens it. Takes no input.
class CVDMissionWnd : public CVPanel {
public:
    static constexpr int kSides = 2;
    static constexpr int kCardsPerSide = 2;
    static constexpr Point kSampleCard{99, 127};

    // The places the panel's design leaves open, by side: the cards, the hand's name, the
    // multiplier and the status. The marks sit on the cards as the single mission's do.
    struct SidePlaces {
        Point cards[kCardsPerSide];
        Point hand;
        Point multiplier;
        Point status;
    };
    static constexpr SidePlaces kSidePlaces[kSides] = {
        {{{37, 127}, {78, 127}}, {30, 80}, {40, 190}, {30, 200}},
        {{{137, 127}, {178, 127}}, {130, 80}, {140, 190}, {130, 200}},
    };
    static constexpr Point kMarkOffset[2] = {{-2, 26}, {-2, 0}};  // by screen slot

    CVDMissionWnd() : CVPanel(MissionParts::kPanelSize, MouseRouting::No) {}

    // Makes the children (all hidden) with the table's skin and puts the panel, hidden and disabled,
    // at its place. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PanelOwner& panelOwner, int tableSkin);
    void Clear() override;
    // Every card window back to no card, every child and the panel hidden.
    void Reset();
    // FIXME: SetMission, Show, SetStatus, AddCapturedCard, UpdateCardMarks, IsMissionCard,
    // IsSideBroken, SetSkin and Step come with the mission messages.

    struct Side {
        std::array<CVHTWnd*, kCardsPerSide> cards{};
        std::array<GVBoxWnd*, kCardsPerSide> captured{};
        std::array<std::array<GVPSPWnd*, 2>, kCardsPerSide> marks{};  // by card, then screen slot
        GVPSPWnd* multiplier = nullptr;
        GVQZAniWnd* hand = nullptr;
        GVQZAniWnd* status = nullptr;
    };

    GVQZAniWnd* GetBack() const { return back; }
    GVQZAniWnd* GetDealing() const { return dealing; }
    CVHTWnd* GetSampleCard() const { return sample; }
    const Side& GetSide(int side) const { return sides[static_cast<size_t>(side)]; }
    int GetSkin() const { return skin; }

private:
    [[nodiscard]] bool CreateSide(WidgetFactory& f, int side);

    GVQZAniWnd* back = nullptr;
    GVQZAniWnd* dealing = nullptr;
    CVHTWnd* sample = nullptr;
    std::array<Side, kSides> sides{};
    int skin = 0;
};
