#pragma once

#include <array>

#include "views/CVPanel.h"
#include "views/MissionParts.h"

class CVHTWnd;
class GVBoxWnd;
class GVPSPWnd;
class GVQZAniWnd;
class GVTextWnd;

// The single mission of a round (mission mode 1): a caption, up to four mission cards with a
// captured overlay and a mark per screen slot under each, the special icon of the missions that are
// not about cards, the multiplier and the success or failure animation. Takes no input.
class CVSMissionWnd : public CVPanel {
public:
    static constexpr int kCards = 4;
    // Card i stands at kFirstCard + (i * 36, 0) until a mission spaces its cards; the mark of screen
    // slot 0 lies below a card, the mark of slot 1 over it.
    static constexpr Point kFirstCard{45, 132};
    static constexpr Point kMarkOffset[2] = {{-2, 26}, {-2, 0}};

    CVSMissionWnd() : CVPanel(MissionParts::kPanelSize, MouseRouting::No) {}

    // Makes the children (all hidden) with the table's skin and puts the panel, hidden and disabled,
    // at its place. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(PanelOwner& panelOwner, int tableSkin);
    void Clear() override;
    // Every card window back to no card, every child and the panel hidden.
    void Reset();
    // FIXME: SetMission, Show, SetStatus, AddCapturedCard, UpdateCardMarks, IsMissionCard, IsBroken,
    // SetSkin and Step come with the mission messages.

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
    GVQZAniWnd* GetStatus() const { return status; }
    GVQZAniWnd* GetEffect() const { return effect; }
    int GetSkin() const { return skin; }

private:
    GVQZAniWnd* back = nullptr;
    std::array<CVHTWnd*, kCards> cards{};
    std::array<GVBoxWnd*, kCards> captured{};
    std::array<std::array<GVPSPWnd*, 2>, kCards> marks{};  // by card, then screen slot
    GVPSPWnd* special = nullptr;
    GVPSPWnd* multiplier = nullptr;
    GVTextWnd* caption = nullptr;
    GVQZAniWnd* status = nullptr;
    GVQZAniWnd* effect = nullptr;
    int skin = 0;
};
