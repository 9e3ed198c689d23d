#include "protocol/Records.h"

#include <utility>

void RCUser::Clear()
{
    userKey = -1;
    userId.clear();
    nickname.clear();
    avatarString.clear();
    titleText.clear();
    extraText1.clear();
    extraText2.clear();
    extraText3.clear();
    gender = 0;
    gameMoney = startMoney = safeMoney = secondMoney = extraMoney = moneyFloor = tournamentMoney = 0;
    tournamentWins = 0;
    memberClub = memberGold = memberRoyal = memberLower1 = memberLower2 = 0;
    rankLevel = badgeKind = streakCount = badgeFrame = wins = losses = 0;
    recordValues = {};
    unlimitedPlay = playLimitClass = dailyPlayCount = 0;
    freePlayValue = 0;
    jewelKind = jewelCount = 0;
    targetScorePoints = targetScorePointsBefore = 0;
    jackpotCount = jackpotProgress = 0;
    assaValue = 0;
}

void PlayerInfo::Clear()
{
    RCUser::Clear();
    seatState = dieWarningCount = observeReserved = exitReserved = voiceType = 0;
    readyValue = roomValue = disconnectCount = roundScore = 0;
    roundCounter1 = roundCounter2 = roundCounter3 = turnTimeoutCount = 0;
}

void PITable::Clear()
{
    for (auto& p : players) p.Clear();
}

int PITable::FindByKey(int32_t key) const
{
    if (key == kEmptySeatKey) return -1;
    for (int i = 0; i < kSeatCount; ++i)
        if (players[static_cast<size_t>(i)].userKey == key) return i;
    return -1;
}

bool PITable::RotatePlayers(int32_t key)
{
    if (key == kEmptySeatKey || players[1].userKey != key) return false;
    std::swap(players[0], players[1]);
    return true;
}

void PITable::AssignScreenSlots(int32_t key)
{
    const bool second = FindByKey(key) == 1;
    players[0].screenSlot = second ? 1 : 0;
    players[1].screenSlot = second ? 0 : 1;
}

void WinInfo::Clear()
{
    winnerSeat = -1;
    secondValue = goPoints = 0;
    categoryPoints = {};
    goExponent = shakeCount = missionMultiplier = meongttaExponent = 0;
}

void PlayerData::Clear()
{
    gwangPile.clear();
    animalPile.clear();
    ribbonPile.clear();
    piPile.clear();
    hand.clear();
    goCount = points = shakeBombCount = furtherCount = 0;
    displayValue1 = displayValue2 = missionActive = 0;
    missionValue = 1;
}

void GameDataTable::Clear()
{
    turnKey = -1;
    stepValue = turnValue = playState = 0;
    pointValue = 1;
    lastFloorCard = -1;
    bonusCards.clear();
    missionKind = 0;
    sMissionIndex = -1;
    sMissionFactor = 1;
    dMissionParts.clear();
    missionCards.clear();
    chamgiKind = chamgiStage = 0;
    for (auto& p : players) p.Clear();
    floor.clear();
    deck.clear();
    septemberChoice = 1;
    antiLeaveCount = 0;
}

void Option::Clear()
{
    stake = 1000;
    minMoney = 10000;
    ruleFlags.fill(1);
    ruleValue = 0;
    stakeMoney = stake;
    extraValue = antiLeave = turnTime = 0;
    reserved1 = freeChannel = reserved2 = 0;
    betAmount = 0;
    targetIndex = challengeRule = betIndex = 0;
    customBet = 0;
    noMinimumEntry = betKind = targetScoreLevel = 0;
}

void RCRoomData::Clear()
{
    roomId = -1;
    roomState = 0;
    text1.clear();
    text2.clear();
    text3.clear();
    text4.clear();
    roomValue = 0;
    roomKind = 0;
    seats.Clear();
    option.Clear();
}
