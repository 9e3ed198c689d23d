#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "foundation/core/Geometry.h"
#include "scene/core/SoundTables.h"
#include "table/RoomRecords.h"
#include "table/RoomWidgetSet.h"
#include "table/core/CardMotion.h"
#include "table/core/DealPlan.h"
#include "table/core/TableModel.h"
#include "views/CardMarkerSource.h"

class CVHTWnd;
class GVWnd;
class TableStage;

enum class DeckStack { DeckOnly, AllSlots };
// How dealt floor cards land: showing their faces, or face down (the first-player picks).
enum class Landing { FaceUp, FaceDown };

// The faces of the 50 card windows; a window not loaded yet answers a spare face.
class TableCardFaces final : public CardFaces {
public:
    explicit TableCardFaces(const TableWidgets& widgets) : tableWidgets(widgets) {}
    CardFace& FaceAt(int32_t slot) override;
    const CardFace& FaceAt(int32_t slot) const override;

private:
    const TableWidgets& tableWidgets;
    CardFace spare;
};

// The table engine: the 50 card windows, the deal, the captured piles and floor slots, the moves of a
// turn and the rebuilds from a snapshot. It owns the table model, through which every card list of
// the round changes. Seats are 0 and 1; values from outside out of range change nothing.
class TableEngine final : public CardMarkerSource {
public:
    TableEngine(TableStage& stage, RoomRecords& records, RoomWidgetSet& widgets);

    TableModel& Model() { return tableModel; }
    const TableModel& Model() const { return tableModel; }
    CardFaces& Faces() { return cardFaces; }
    const CardFaces& Faces() const { return cardFaces; }

    // The card windows and the markers they drag along (TableEngine_CardSlots.cpp); null until loaded.
    CVHTWnd* CardWndBySlot(int32_t slot) const;
    CardFace FaceOfSlot(int32_t slot) const;
    GVWnd* GetHandMarker(int handSlot, int index) const override;
    GVWnd* GetFloorMarker(int floorSlot) const override;
    // List operations on card-window slots (the slot rule applies).
    int CountCardsOfMonth(const std::vector<int32_t>& list, int32_t month) const;
    int CountCardsOfSpecial(const std::vector<int32_t>& list, int32_t special) const;
    int32_t FindCardById(const std::vector<int32_t>& list, int32_t cardId) const;
    int32_t FindCardOfMonth(const std::vector<int32_t>& list, int32_t month) const;
    int32_t FindCardOfSpecial(const std::vector<int32_t>& list, int32_t special) const;
    size_t CollectCardsOfSpecial(std::vector<int32_t>& out, const std::vector<int32_t>& in, int32_t special) const;
    // Whether playing `card` leaves a match on the floor that another hand card could take.
    bool MissesAvailableMatch(int32_t card) const;
    // Seat 0 or 1, or 2 for both: the multiplier, total and the bak flags on the other seat.
    void UpdateScoreMultiplier(int seat, bool september);
    // The own card a run-out turn plays, and the one auto-play plays; -1 none.
    int32_t PickTimeoutCard() const;
    int32_t ChooseAutoPlayCard() const;

    // Moves (TableEngine_Move.cpp, TableEngine_Cards.cpp, TableEngine_Layout.cpp).
    // The card window takes the picture and size of card size kind 0 small, 1 normal or 2 big
    // and keeps its card frame; any other kind, or a template not loaded, changes nothing.
    void SetCardSize(CVHTWnd* card, int kind);
    // A straight path of `steps` steps from the window's place to `target`, replacing its path;
    // slot -1 uses `card`.
    void BuildMovePath(int32_t slot, Point target, int32_t steps, CVHTWnd* card = nullptr);
    // Walks the card of `slot` to `target` in `steps` frames, one frame wait each, and leaves it
    // there at the normal size. Slot -1 does nothing.
    void AnimateCardMove(int32_t slot, Point target, int32_t steps, LiftSide lift, Zoom zoom);
    void LiftCard(CVHTWnd* card, LiftSide side);
    void PlayHoldOpen(CVHTWnd* card);
    // Directly below the layer anchor in the drawing order, over every card at rest.
    void RaiseBelowAnchor(GVWnd* wnd);
    // Draws the deck (or all 50 windows) as a stack rising up and left.
    void StackDeck(DeckStack which);
    // Flashes the listed cards: from see-through to nearly opaque over ten rounds of 20 ms, then opaque.
    void FadeOutCards(const std::vector<int32_t>& list);
    // A hand of the seat at its screen slot's hand positions: ten placed, the rest hidden.
    void PlaceHand(int seat);
    // Room state 2 only: hands, piles and panels of both seats at their screen slots.
    void RelayoutSeats();

    // The deal (TableEngine_Deal.cpp): tableState.dealFloorIds and gameInfo.ownHandIds, with the
    // intro animation or without.
    void DealRound(bool withAnimation);
    void DealFloorCards(int32_t start, int32_t count, Landing landing = Landing::FaceUp);
    void DealHandCards(int seat, int32_t start, int32_t count);
    // True when a card moved to join an earlier card of its month.
    bool GroupFloorMonths();
    void SortOwnHand(bool withoutPassMarkers);
    void SortOwnHandListedLast(const std::vector<int32_t>& listed);

    // The mission of the round (TableEngine_Missions.cpp): whether a card belongs to it (modes 1 to 4),
    // a captured card passed to the single or two-card panel, every captured card again, the floor's
    // markers on its cards, and the panel's marks after a re-layout.
    bool IsMissionCard(int32_t cardId) const;
    void UpdateMissionProgress(int seat, int32_t cardId, bool animate);
    void RecountMissionProgress();
    void MarkMissionCards(bool show);
    void UpdateMissionMarks();
    bool FloorSlotHoldsMissionCard(int32_t floorSlot) const;
    // The kungjjak mission's step 0..5 on its panel, with the step's sound; other modes nothing.
    void ShowKungJJakStep(int step);
    // Piles and floor slots (TableEngine_Piles.cpp).
    int ScreenSlotOf(int seat);
    void LayoutCapturedPile(int seat, int32_t category);
    void LayoutPiPile(int seat);
    void LayoutFloorSlot(int32_t floorSlot, bool flag);
    // Every pile marker hidden and both pi counts empty: the table clear leaves no pile.
    void ClearPileMarks();

    // The moves of a turn (TableEngine_TurnMoves.cpp).
    void PlayHandCard(int32_t cardId, int seat, bool single);
    void PutFloorCard(int32_t cardId, int seat);
    void TakeFloorCard(int32_t cardId, int seat);
    void PlayBonusToPile(int32_t cardId, int seat, bool keepOrder);
    void DrawDeckCardToHand(int32_t cardId, int seat);
    void TakePiFromSeat(int32_t cardId, int fromSeat, int toSeat);
    void MoveCardToPile(int32_t cardId, int seat, int32_t fromCategory, int32_t toCategory);
    void PlayTwoHandCards(const std::vector<int32_t>& ids, int seat, bool flag);

    // The rebuilds from a snapshot (TableEngine_Rebuild.cpp) take their cards from the top of the
    // deck; one that cannot finish changes nothing and answers false (reported).
    [[nodiscard]] bool RebuildHand(int seat, int32_t handCount);
    [[nodiscard]] bool RebuildPile(int seat, int32_t category, const std::vector<int32_t>& ids);
    [[nodiscard]] bool RebuildFloor(const std::vector<int32_t>& ids, const std::vector<BonusCardMonth>& pairs,
                                    int32_t lastId);
    // The seat's announcement counts taken from its rebuilt piles, so that its next turn result
    // announces only what it gains after the restore.
    void SeedAnnounced(int seat);

private:
    // One frame's wait of a card move: the step delay, skipped after a slow frame at a positive speed.
    void WaitFrame(FrameWaitPacer& pacer);
    FaceTable CopyFaces() const;
    void PlayDealIntro();
    void PlacePileCard(int32_t slot, Point at);
    void HidePileMarker(int32_t slot);
    // The own hand's seat: screen slot 0, the own user seated, not a robot seat.
    bool IsOwnHandSeat(int seat);
    // A hand card for a play: by id in the own hand, else the seat's last card given the id; -1 when none.
    int32_t PickHandCard(int32_t cardId, int seat);
    // The slots of the seat's last `count` hand cards given these ids, or by id in the own hand; empty when any is missing.
    std::vector<int32_t> PickHandCards(const std::vector<int32_t>& ids, int seat);
    void PlayGoCountAnimation(int32_t slot, Point landing, int32_t count);
    // The mission capture mark over the floor slot's last card when the slot holds a mission card.
    void ShowMissionEatMark(int32_t floorSlot);
    // In the kungjjak mission: the effect at the floor slot's last card and the step.
    void ShowKungJJakPut(int32_t floorSlot, int effectKind, int step);
    // Where the floor slot's last card lies; nothing for an empty slot.
    std::optional<Point> LastCardOfFloorSlot(int32_t floorSlot) const;
    SoundTables::SoundId PutSoundForGoCount(int seat);
    // The two-card play's lift, fan-out, drop and shake of cards already on the floor slot.
    void AnimateTwoCards(const std::vector<int32_t>& slots, int32_t floorSlot);
    void StepTwoCards(const std::vector<int32_t>& slots, Size least, int32_t frames);

    TableStage& stage;
    RoomRecords& records;
    // The records and widgets the moves work on, named as in the records.
    const RCRoomData& room;
    const RCUser& ownUser;
    CGameInfo& gameInfo;
    COpenInfo& floor;
    TableState& tableState;
    const SceneOptions& options;
    TableWidgets& tableWidgets;
    RoomWidgets& roomWidgets;
    MissionPanels& missions;
    TableCardFaces cardFaces{tableWidgets};
    TableModel tableModel{gameInfo, floor, cardFaces};  // every card list change of the table goes through it
};
