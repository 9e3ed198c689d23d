#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "protocol/RoundRecords.h"
#include "table/core/CardModel.h"

// The deal of a round as a plan: which card window goes where, face up or down, in which order,
// with the sound cues. The shell animates the batches in order (paths from CardMotion.h).

constexpr int32_t kHandPlaces = 10;  // hand positions per side
constexpr int32_t kDealFloorCount = 8;
constexpr int32_t kDealHandCount = 10;

constexpr int32_t kSoundRoundStart = 8;  // "game_play.ogg", after the deal unless the mission is kungjjak
constexpr int32_t kSoundCardShare = 11;  // "hwatoo_share.ogg", as each batch sets off
constexpr int32_t kSoundDealThud = 53;   // "tung.ogg", when the deal animation reaches or passes frame 4
constexpr int32_t kKungJJakMission = 5;

constexpr int32_t kDealIntroPollMs = 50;
constexpr int32_t kDealIntroCapMs = 3000;  // the deal animation is never waited for longer
constexpr int32_t kDealIntroThudFrame = 4;
constexpr int32_t kDealSettleMs = 200;     // after each batch has landed
constexpr int32_t kGroupMoveWaitMs = 100;  // after each card regrouped on the floor
constexpr int32_t kNoGroupPauseMs = 500;   // when the regrouping moved nothing

// Card size kinds of the card windows.
namespace CardSizeKind {
constexpr int32_t Small = 0, Normal = 1, Big = 2;
}

enum class DealAnimation { No, Yes };

// What the deal message's lists allow. Ids outside 0..49 are dropped before the lists are counted.
enum class DealCheck { Ok, WrongFloorCount, WrongHandCount };

// One card window of a batch: where it goes (a floor slot or a hand index) and what it shows.
struct DealtCard {
    int32_t slot = 0;
    int32_t place = 0;
    int32_t cardId = kNoCard;  // kNoCard: dealt face down
    int32_t sizeKind = CardSizeKind::Normal;
    bool operator==(const DealtCard&) const = default;
};

enum class DealTarget { Floor, Hand };

struct DealBatch {
    DealTarget target = DealTarget::Floor;
    int32_t seat = -1;        // hand batches
    int32_t screenSlot = -1;  // hand batches: the side whose hand positions are the targets
    bool jitter = false;      // floor batches of fewer than twelve cards land within a pixel
    int32_t sound = kSoundCardShare;
    std::vector<DealtCard> cards;
};

struct DealPlan {
    DealCheck check = DealCheck::Ok;
    bool intro = false;  // play the deal animation first (see DealIntroContinues)
    std::vector<DealBatch> batches;
    int32_t startSound = -1;  // after the last batch; -1 none
    std::vector<int32_t> floor;
    std::array<std::vector<int32_t>, 2> hands;
    std::vector<int32_t> deck;  // slots 28..49, top first
};

// The ids of the deal message that are card ids; the order is kept.
std::vector<int32_t> ValidCardIds(const std::vector<int32_t>& ids);

// Eight floor ids and no or ten own-hand ids (after dropping invalid ids); anything else deals nothing.
DealCheck CheckDealCards(const std::vector<int32_t>& floorIds, const std::vector<int32_t>& handIds);

// The deal: with animation floor 4, floor 4, seat 1 hand 5 + 5, seat 0 hand 5 + 5; without,
// floor 4, seat 1 hand 5, seat 0 hand 5, floor 4, seat 1 hand 5, seat 0 hand 5. Window slots go
// out 0, 1, 2, ...; the own hand (screen slot 0) shows the hand ids, the other side face down.
// A failed check gives an empty plan with the reason.
DealPlan DealRound(const std::vector<int32_t>& floorIds, const std::vector<int32_t>& handIds, DealAnimation animation,
                   std::array<int32_t, 2> screenSlotOfSeat, int32_t missionKind);

// Cards start..start+count-1 of the floor list to floor slots start.., taking `ids` front first.
// A card past the floor list or the twelve floor slots is left out; one without an id stays face down.
DealBatch DealFloorCards(const std::vector<int32_t>& floor, int32_t start, int32_t count,
                         const std::vector<int32_t>& ids);

// Cards start..start+count-1 of the hand to hand indexes start.. of the seat's screen slot. On
// screen slot 0 with own-hand ids each card shows ids[index]; other sides go face down (small).
DealBatch DealHandCards(const std::vector<int32_t>& hand, int32_t seat, int32_t screenSlot, int32_t start,
                        int32_t count, const std::vector<int32_t>& ownHandIds);

// The path point of each card in each frame of a hand batch: first `count` staggered frames
// (frame k steps cards 0..k), then steps + 1 frames in which every card steps until its path of
// steps + 1 points is used up. A card not yet stepped stands on point 0, its start.
std::vector<std::vector<int32_t>> HandDealFrames(int32_t count, int32_t steps);

// A deal jitter of -1, 0 or +1 from a random value (any sign).
constexpr int32_t DealJitter(int32_t random)
{
    return (random % 3 + 3) % 3 - 1;
}

// Where a card played or flipped to a floor slot lands: 5 pixels right of the slot's position,
// within a pixel of that (one random value per coordinate) while the slot holds fewer than two
// cards after it.
Point FloorLandingPoint(Point floorSlot, int32_t cardsInSlot, int32_t randomX, int32_t randomY);

// The deal animation is polled every 50 ms while it shows, for at most 3 s of the module clock.
bool DealIntroContinues(bool visible, uint32_t startMs, uint32_t nowMs);
// The thud plays once, on the poll at which the animation first shows frame 4 or a later one: a
// poll may advance it several frames.
constexpr bool DealIntroThud(int32_t previousFrame, int32_t frame)
{
    return previousFrame < kDealIntroThudFrame && frame >= kDealIntroThudFrame;
}

// One card regrouped on the floor after the deal.
struct FloorRegroup {
    int32_t slot = 0;
    int32_t fromFloorSlot = -1;
    int32_t toFloorSlot = 0;
    bool operator==(const FloorRegroup&) const = default;
};

using FaceTable = std::array<CardFace, kCardCount>;
using FloorCounts = std::array<int32_t, COpenInfo::kSlotCount>;

// For floor slots 0..7 in order, the first unvisited floor card in the slot draws every other
// unvisited floor card of its month into the slot. Updates the faces' floor slots and the counts
// (never below 0) and returns the moves in order; none means nothing moved.
std::vector<FloorRegroup> GroupFloorMonths(const std::vector<int32_t>& floor, FaceTable& faces, FloorCounts& counts);
