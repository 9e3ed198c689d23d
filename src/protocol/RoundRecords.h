#pragma once

// The scene's round records: each seat's cards and scores, the round state and the floor slots.
// Card lists hold card-window slots 0..49.

#include <array>
#include <cstdint>
#include <vector>

#include "foundation/core/Containers.h"
#include "foundation/core/Geometry.h"

// The round record of one seat.
class CHTUser {
public:
    CHTUser() { Reset(); }
    virtual ~CHTUser() = default;
    CHTUser(const CHTUser&) = default;
    CHTUser& operator=(const CHTUser&) = default;

    void Reset();

    std::vector<int32_t> hand;
    std::vector<int32_t> gwangPile;
    std::vector<int32_t> animalPile;
    std::vector<int32_t> ribbonPile;
    std::vector<int32_t> piPile;
    // The counts at the last announcement: 3 hongdan, 4 chungdan, 5 chodan, 6 godori, 7 gwang.
    std::array<int32_t, 8> announced{};
    int32_t missionActive = 0;
    int32_t missionValue = 1;
    int32_t markCount = 0;
    int32_t shakeBombCount = 0;
    int32_t goCount = 0;
    int32_t points = 0;
    int32_t deckFlips = 0;
    int32_t piCount = 0;
    int32_t pointsWithGo = 0;
    int32_t gwangBak = 0;
    int32_t meongTta = 0;
    int32_t piBak = 0;
    int32_t total = 0;
    int32_t multiplier = 1;
    int32_t antiLeave1 = 0;
    int32_t antiLeave2 = 0;
    int32_t seat = -1;
    int64_t roundValue = 0;

    bool operator==(const CHTUser&) const = default;
};

// What the round holds besides the seats: deck, user lists, turn and mission state.
class CGameInfo {
public:
    CGameInfo();
    virtual ~CGameInfo() = default;
    CGameInfo(const CGameInfo&) = default;
    CGameInfo& operator=(const CGameInfo&) = default;

    // Resets both seats, empties the deck and the kick reservations and puts the per-round
    // values back; the black list, the voice-muted list and the values set once stay.
    void Reset();

    bool IsKickReserved(int32_t key) const { return Contains(kickReservations, key); }
    bool RemoveKickReservation(int32_t key) { return RemoveFirst(kickReservations, key); }
    bool IsBlacklisted(int32_t key) const { return Contains(blackList, key); }
    bool RemoveFromBlacklist(int32_t key) { return RemoveFirst(blackList, key); }
    bool IsVoiceMuted(int32_t key) const { return Contains(voiceMuted, key); }
    bool RemoveVoiceMute(int32_t key) { return RemoveFirst(voiceMuted, key); }

    ArcArrayT<CHTUser, 2> users;
    std::vector<int32_t> deck;  // drawing order: the first card is turned next
    std::vector<int32_t> kickReservations;
    std::vector<int32_t> blackList;
    int32_t ownerKey = -1;
    int32_t voiceKey = -1;
    int32_t turnKey = -1;
    int32_t turnNumber = 0;
    int32_t lastPointsKey = -1;
    std::array<int32_t, 12> monthCaptured{};
    int32_t missionMode = 0;  // 0 none, 1 S, 2 D, 3 C, 4 C2, 5 KJ
    int32_t sMissionIndex = -1;
    int32_t sMissionFactor = 1;
    std::array<int32_t, 2> dMissionValues{};
    std::array<int32_t, 2> dMissionFactors{};
    std::array<int32_t, 2> dMissionOwners{};
    int32_t missionMusic = 0;
    std::array<int32_t, 4> cMissionCards{};
    std::array<int32_t, 4> cMissionOwners{};
    std::array<int32_t, 3> c2MissionCards{};
    std::array<int32_t, 3> c2MissionOwners{};
    int32_t drawExponent = 0;
    std::vector<int32_t> voiceMuted;
    int32_t septemberChoice = 1;
    int32_t pointValue = 1;
    int32_t firstPlayerMode = 0;
    int32_t turnPutCount = 0;
    int32_t lastFloorSlot = -1;  // the floor slot of the turn's last played or flipped card
    int32_t playedMonth = -1;    // the month of the turn's hand card, -1 when none
    std::vector<int32_t> ownHandIds;  // card ids, not slots

    bool operator==(const CGameInfo&) const = default;

private:
    static bool Contains(const std::vector<int32_t>& keys, int32_t key);
    static bool RemoveFirst(std::vector<int32_t>& keys, int32_t key);
};

// One floor slot.
class COpen {
public:
    virtual ~COpen() = default;
    void ClearCount() { count = 0; }

    Point position;
    int32_t count = 0;

    bool operator==(const COpen&) const = default;
};

// The floor: twelve slots, one per month, and the cards lying there.
class COpenInfo {
public:
    static constexpr int kSlotCount = 12;

    virtual ~COpenInfo() = default;

    // Every slot's count to 0 and the floor list emptied; positions stay.
    void Clear();
    // Slot i; callers pass 0..11 (out of range throws like the vector's at()).
    COpen& GetSlot(int i) { return slots[static_cast<size_t>(i)]; }
    const COpen& GetSlot(int i) const { return slots[static_cast<size_t>(i)]; }
    // The first slot without cards, -1 when all twelve hold cards.
    int FindEmptySlot() const;

    ArcArrayT<COpen, kSlotCount> slots;
    std::vector<int32_t> cards;
    std::vector<int32_t> otherCards;

    bool operator==(const COpenInfo&) const = default;
};
