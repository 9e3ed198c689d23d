#pragma once

#include <array>
#include <vector>

#include "views/CVMissionBase.h"

class CVHTWnd;
class GVBoxWnd;
class GVPSPWnd;
class GVQZAniWnd;

// Where a card mission's cards and marks stand; C has four cards, C2 three.
struct CardMissionPlaces {
    static constexpr int kMaxCards = 4;
    int cardCount = 0;
    int backClipOffset = 0;  // the back's clip is the skin plus this
    Point cards[kMaxCards];
    Point marks[2][kMaxCards];  // by screen slot: 0 below the card, 1 over it
};

// The card missions C and C2 (mission modes 3 and 4), one design: a row of mission cards, each with
// a captured overlay and the mark of the screen slot whose seat took it. Takes no input.
class CVCardMissionWnd : public CVMissionBase {
public:
    // Makes the children (all hidden) with the table's skin and puts the panel, hidden and disabled,
    // at its place. False when a child cannot be made (reported).
    [[nodiscard]] bool CreateChildren(MissionOwner& panelOwner, int tableSkin);
    void Clear() override;
    // No cards, every card window back to no card, every child and the panel hidden.
    void Reset();
    // Mission card `index` (0..count-1) is `card`; another index changes nothing.
    void SetCard(int index, int card);
    // The seat holding card `index`; a seat outside 0..1 (-1 among them) holds none.
    void SetCardOwner(int index, int seat);
    void UpdateCardMarks();
    bool IsMissionCard(int card) const;
    void SetSkin(int newSkin);
    // The seat whose flag card `index` carries, -1 none.
    int GetCardOwner(int index) const;

    int GetCardCount() const { return places.cardCount; }
    GVQZAniWnd* GetBack() const { return back; }
    CVHTWnd* GetCard(int i) const { return cards[static_cast<size_t>(i)]; }
    GVBoxWnd* GetCapturedOverlay(int i) const { return captured[static_cast<size_t>(i)]; }
    GVPSPWnd* GetMark(int card, int screenSlot) const
    {
        return marks[static_cast<size_t>(card)][static_cast<size_t>(screenSlot)];
    }
    GVQZAniWnd* GetEffect() const { return effect; }

protected:
    explicit CVCardMissionWnd(const CardMissionPlaces& cardPlaces) : places(cardPlaces) {}
    void LayOut() override;
    GVQZAniWnd* Back() const override { return back; }

private:
    const CardMissionPlaces& places;
    GVQZAniWnd* back = nullptr;
    std::array<CVHTWnd*, CardMissionPlaces::kMaxCards> cards{};
    std::array<GVBoxWnd*, CardMissionPlaces::kMaxCards> captured{};
    std::array<std::array<GVPSPWnd*, 2>, CardMissionPlaces::kMaxCards> marks{};  // by card, then screen slot
    GVQZAniWnd* effect = nullptr;
    std::vector<int> missionCards;
    std::array<std::array<bool, CardMissionPlaces::kMaxCards>, 2> taken{};  // by seat, then card
};

class CVCMissionWnd final : public CVCardMissionWnd {
public:
    static constexpr CardMissionPlaces kPlaces = {
        4,
        4,
        {{37, 127}, {78, 127}, {119, 127}, {160, 127}},
        {{{35, 169}, {76, 169}, {117, 169}, {158, 169}}, {{35, 114}, {76, 114}, {117, 114}, {158, 114}}},
    };
    CVCMissionWnd() : CVCardMissionWnd(kPlaces) {}
};

class CVC2MissionWnd final : public CVCardMissionWnd {
public:
    static constexpr CardMissionPlaces kPlaces = {
        3,
        6,
        {{44, 127}, {98, 127}, {153, 127}},
        {{{41, 170}, {95, 170}, {151, 170}}, {{41, 113}, {95, 113}, {151, 113}}},
    };
    CVC2MissionWnd() : CVCardMissionWnd(kPlaces) {}
};
