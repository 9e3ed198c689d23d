#pragma once

#include "views/core/PanelLayout.h"
#include <array>
#include <vector>

#include "views/CVMissionBase.h"
#include "views/core/MissionRules.h"

class CVHTWnd;
class GVBoxWnd;
class GVPSPWnd;
class GVQZAniWnd;
class GVTextWnd;

// The single mission of a round (mission mode 1): a caption, up to four mission cards with a
// captured overlay and a mark per screen slot under each, the special icon of the missions that are
// not about cards, the multiplier and the success or failure animation. Takes no input.
class CVSMissionWnd : public CVMissionBase {
public:
    static constexpr int kCards = MissionRules::kMaxMissionCards;
    // Card i stands at kFirstCard + (i * spacing, 0); the mark of screen slot 0 lies below a card,
    // the mark of slot 1 over it.
    static constexpr Point kFirstCard = PanelLayout::kSingleMissionCards;
    static constexpr Point kMarkOffset[2] = {{-2, 26}, {-2, 0}};

    // Makes the children (all hidden) with the table's skin and puts the panel, hidden and disabled,
    // at its place. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(MissionOwner& panelOwner, int tableSkin);
    void Clear() override;
    // No mission, every card window back to no card, every child and the panel hidden.
    void Reset();
    // Mission `id` (0..33) with its multiplier; another id changes nothing. A seven-point
    // target-score room shows no mission 0.
    void SetMission(int id, int multiplier, bool sevenPointRoom);
    // -1 none (the caption shows), 0 success, 1 failure, as the server says.
    void SetStatus(int newStatus);
    // A seat took `card`; with `animate` the card's earlier marks go first.
    void AddCapturedCard(int seat, int card, bool animate);
    // The marks again after the seats changed screen slots.
    void UpdateCardMarks();
    bool IsMissionCard(int card) const;
    bool IsBroken() const;
    void SetSkin(int newSkin);

    int GetStatus() const { return status; }
    const std::vector<int>& GetMissionCards() const { return missionCards; }
    GVQZAniWnd* GetBack() const { return back; }
    CVHTWnd* GetCard(int i) const { return cards[static_cast<size_t>(i)]; }
    GVBoxWnd* GetCapturedOverlay(int i) const { return captured[static_cast<size_t>(i)]; }
    GVPSPWnd* GetMark(int card, int screenSlot) const
    {
        return marks[static_cast<size_t>(card)][static_cast<size_t>(screenSlot)];
    }
    GVPSPWnd* GetSpecialIcon() const { return special; }
    GVPSPWnd* GetMultiplier() const { return multiplier; }
    GVTextWnd* GetCaption() const { return caption; }
    GVQZAniWnd* GetStatusAnimation() const { return statusAnimation; }
    GVQZAniWnd* GetEffect() const { return effect; }

protected:
    void LayOut() override;
    GVQZAniWnd* Back() const override { return back; }

private:
    void ShowStatus(int clip);
    void ShowCaption();

    GVQZAniWnd* back = nullptr;
    std::array<CVHTWnd*, kCards> cards{};
    std::array<GVBoxWnd*, kCards> captured{};
    std::array<std::array<GVPSPWnd*, 2>, kCards> marks{};  // by card, then screen slot
    GVPSPWnd* special = nullptr;
    GVPSPWnd* multiplier = nullptr;
    GVTextWnd* caption = nullptr;
    GVQZAniWnd* statusAnimation = nullptr;
    GVQZAniWnd* effect = nullptr;

    bool cardMission = false;
    std::vector<int> missionCards;
    MissionRules::Captured taken{};  // by seat, then mission card
    int status = -1;
    bool ownFailure = false;  // the failure shown is the broken test's
};
