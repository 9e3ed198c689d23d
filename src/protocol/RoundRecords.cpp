#include "protocol/RoundRecords.h"

#include <algorithm>


void CHTUser::Reset()
{
    hand.clear();
    gwangPile.clear();
    animalPile.clear();
    ribbonPile.clear();
    piPile.clear();
    announced.fill(0);
    missionActive = 0;
    missionValue = 1;
    markCount = shakeBombCount = goCount = points = deckFlips = piCount = pointsWithGo = 0;
    gwangBak = meongTta = piBak = total = 0;
    multiplier = 1;
    antiLeave1 = antiLeave2 = 0;
    seat = -1;
    roundValue = 0;
}

CGameInfo::CGameInfo()
{
    Reset();
}

void CGameInfo::Reset()
{
    for (auto& u : users) u.Reset();
    deck.clear();
    kickReservations.clear();
    turnKey = -1;
    turnNumber = 0;
    lastPointsKey = -1;
    monthCaptured.fill(0);
    sMissionIndex = -1;
    sMissionFactor = 1;
    dMissionValues.fill(-1);
    dMissionFactors.fill(1);
    dMissionOwners.fill(-1);
    cMissionCards.fill(-1);
    cMissionOwners.fill(-1);
    c2MissionCards.fill(-1);
    c2MissionOwners.fill(-1);
    septemberChoice = 1;
    pointValue = 1;
    turnPutCount = 0;
    lastFloorSlot = -1;
    playedMonth = -1;
    ownHandIds.clear();
}

bool CGameInfo::Contains(const std::vector<int32_t>& keys, int32_t key)
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

bool CGameInfo::RemoveFirst(std::vector<int32_t>& keys, int32_t key)
{
    const auto it = std::find(keys.begin(), keys.end(), key);
    if (it == keys.end()) return false;
    keys.erase(it);
    return true;
}

void COpenInfo::Clear()
{
    for (auto& slot : slots) slot.ClearCount();
    cards.clear();
}

int COpenInfo::FindEmptySlot() const
{
    for (int i = 0; i < kSlotCount; ++i)
        if (GetSlot(i).count == 0) return i;
    return -1;
}
