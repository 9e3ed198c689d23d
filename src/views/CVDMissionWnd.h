#pragma once

#include <array>
#include <string>
#include <vector>

#include "views/CVMissionBase.h"
#include "views/core/MissionRules.h"
#include "views/core/PanelLayout.h"

class CVHTWnd;
class GVBoxWnd;
class GVPSPWnd;
class GVQZAniWnd;

// The two-card hand mission (mission mode 2): per side (0 left, 1 right) a hand of two cards with
// their captured overlays and a mark per screen slot, the hand's name, the multiplier and the
// success or failure animation; a dealing animation with a sample card opens it. Takes no input.
class CVDMissionWnd : public CVMissionBase {
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
        {{{37, 127}, {78, 127}}, {30, 80},
         PanelLayout::kTwoCardSides[0].multiplier, PanelLayout::kTwoCardSides[0].status},
        {{{137, 127}, {178, 127}}, {130, 80},
         PanelLayout::kTwoCardSides[1].multiplier, PanelLayout::kTwoCardSides[1].status},
    };
    static constexpr Point kMarkOffset[2] = {{-2, 26}, {-2, 0}};  // by screen slot

    // The back's frame that turns the four cards face up.
    static constexpr int kRevealFrame = 11;

    // Makes the children (all hidden) with the table's skin and puts the panel, hidden and disabled,
    // at its place. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(MissionOwner& panelOwner, int tableSkin);
    void Clear() override;
    // No hands, every card window back to no card, every child and the panel hidden.
    void Reset();
    // The hand of mission `id` (0..14) on `side` with its multiplier; another id sets no hand.
    void SetMission(int side, int id, int multiplier);
    // The side's status as the server says: -1 none, 0 success, 1 failure.
    void SetStatus(int side, int newStatus);
    void AddCapturedCard(int seat, int card, bool animate);
    void UpdateCardMarks();
    bool IsMissionCard(int card) const;
    bool IsSideBroken(int side) const;
    void SetSkin(int newSkin);
    int Step() override;

    int GetStatus(int side) const { return sideState[static_cast<size_t>(side)].status; }

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

protected:
    void LayOut() override;
    GVQZAniWnd* Back() const override { return back; }

private:
    [[nodiscard]] bool CreateSide(WidgetFactory& f, int side);
    void ApplyBrokenTest(int side);
    void StepDealing();

    struct SideState {
        std::vector<int> cards;
        std::string hand;                // the hand animation's clip name; empty without a hand
        MissionRules::Captured taken{};  // by seat, then card (two used)
        int status = -1;
        bool ownFailure = false;
    };
    std::array<SideState, kSides> sideState{};
    int lastBackFrame = -1;

    GVQZAniWnd* back = nullptr;
    GVQZAniWnd* dealing = nullptr;
    CVHTWnd* sample = nullptr;
    std::array<Side, kSides> sides{};
};
