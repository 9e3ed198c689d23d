#pragma once

// The game records that the server's messages carry: a user, a seated player, the two seats, the
// win record, a seat of a table snapshot, the snapshot, the room and its options. Each lists its
// wire fields once in `Fields`; `Clear` resets every field and is called last by the constructor.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/core/Containers.h"
#include "protocol/RoomCodes.h"

class RCUser {
public:
    static constexpr char kName[] = "RCUser";

    RCUser() { RCUser::Clear(); }
    virtual ~RCUser() = default;
    RCUser(const RCUser&) = default;
    RCUser& operator=(const RCUser&) = default;

    virtual void Clear();
    // Copies every field of the user part; a player's own fields stay.
    void CopyFrom(const RCUser& other) { RCUser::operator=(other); }

    int32_t userKey;         // -1 unknown or none
    std::string userId;
    std::string nickname;
    std::string avatarString;
    std::string titleText;
    std::string extraText1;
    std::string extraText2;
    std::string extraText3;
    int32_t gender;          // 0 male, 1 female
    int64_t gameMoney;
    int64_t startMoney;      // the money when the seat was taken
    int64_t safeMoney;
    int64_t secondMoney;
    int64_t extraMoney;
    int64_t moneyFloor;
    int64_t tournamentMoney;
    int32_t tournamentWins;
    int64_t memberClub;      // membership values: positive = active
    int64_t memberGold;
    int64_t memberRoyal;
    int64_t memberLower1;
    int64_t memberLower2;
    int32_t rankLevel;       // 1..20
    int32_t badgeKind;       // 1..5
    int32_t streakCount;
    int32_t badgeFrame;
    int32_t wins;
    int32_t losses;
    std::array<int32_t, 3> recordValues;
    int32_t unlimitedPlay;   // 1 = no daily limit
    int32_t playLimitClass;  // 500 or more: the daily limit applies
    int32_t dailyPlayCount;
    int64_t freePlayValue;   // date-time value; positive = a pass is active
    int32_t jewelKind;
    int32_t jewelCount;
    int32_t targetScorePoints;
    int32_t targetScorePointsBefore;
    int32_t jackpotCount;
    int32_t jackpotProgress;
    int32_t assaValue;

    template <class V> void Fields(V& v)
    {
        v.I32("userKey", userKey);
        v.Str("userId", userId);
        v.Str("nickname", nickname);
        v.Str("avatarString", avatarString);
        v.Str("titleText", titleText);
        v.Str("extraText1", extraText1);
        v.Str("extraText2", extraText2);
        v.Str("extraText3", extraText3);
        v.I32("gender", gender);
        v.I64("gameMoney", gameMoney);
        v.I64("startMoney", startMoney);
        v.I64("safeMoney", safeMoney);
        v.I64("secondMoney", secondMoney);
        v.I64("extraMoney", extraMoney);
        v.I64("moneyFloor", moneyFloor);
        v.I64("tournamentMoney", tournamentMoney);
        v.I32("tournamentWins", tournamentWins);
        v.I64("memberClub", memberClub);
        v.I64("memberGold", memberGold);
        v.I64("memberRoyal", memberRoyal);
        v.I64("memberLower1", memberLower1);
        v.I64("memberLower2", memberLower2);
        v.I32("rankLevel", rankLevel);
        v.I32("badgeKind", badgeKind);
        v.I32("streakCount", streakCount);
        v.I32("badgeFrame", badgeFrame);
        v.I32("wins", wins);
        v.I32("losses", losses);
        v.Array("recordValues", recordValues);
        v.I32("unlimitedPlay", unlimitedPlay);
        v.I32("playLimitClass", playLimitClass);
        v.I32("dailyPlayCount", dailyPlayCount);
        v.I64("freePlayValue", freePlayValue);
        v.I32("jewelKind", jewelKind);
        v.I32("jewelCount", jewelCount);
        v.I32("targetScorePoints", targetScorePoints);
        v.I32("targetScorePointsBefore", targetScorePointsBefore);
        v.I32("jackpotCount", jackpotCount);
        v.I32("jackpotProgress", jackpotProgress);
        v.I32("assaValue", assaValue);
    }
    bool operator==(const RCUser&) const = default;
};

// A seated player: the user record and the seat's own fields. The screen slot is the client's
// own placement and never travels on the wire.
class PlayerInfo : public RCUser {
public:
    static constexpr char kName[] = "PlayerInfo";

    PlayerInfo()
    {
        PlayerInfo::Clear();
        screenSlot = -1;
    }
    PlayerInfo(const PlayerInfo&) = default;
    PlayerInfo& operator=(const PlayerInfo&) = default;

    // Resets the user part and every seat field except the screen slot, which keeps the seat on
    // its side of the table until the slots are assigned again.
    void Clear() override;
    void CopyFrom(const PlayerInfo& other) { PlayerInfo::operator=(other); }

    int32_t seatState;        // 0 normal, positive disconnected, negative the robot player
    int32_t dieWarningCount;
    int32_t observeReserved;
    int32_t exitReserved;
    int32_t voiceType;        // 0..3, other values count as 0
    int32_t readyValue;
    int32_t roomValue;
    int32_t disconnectCount;
    int32_t roundScore;
    int32_t roundCounter1;
    int32_t roundCounter2;
    int32_t roundCounter3;
    int32_t turnTimeoutCount;
    int32_t screenSlot = -1;  // 0 own side, 1 the other side, -1 none

    template <class V> void Fields(V& v)
    {
        RCUser::Fields(v);
        v.I32("seatState", seatState);
        v.I32("dieWarningCount", dieWarningCount);
        v.I32("observeReserved", observeReserved);
        v.I32("exitReserved", exitReserved);
        v.I32("voiceType", voiceType);
        v.I32("readyValue", readyValue);
        v.I32("roomValue", roomValue);
        v.I32("disconnectCount", disconnectCount);
        v.I32("roundScore", roundScore);
        v.I32("roundCounter1", roundCounter1);
        v.I32("roundCounter2", roundCounter2);
        v.I32("roundCounter3", roundCounter3);
        v.I32("turnTimeoutCount", turnTimeoutCount);
    }
    bool operator==(const PlayerInfo&) const = default;
};

// The two seats of the room.
class PITable {
public:
    static constexpr char kName[] = "PITable";
    static constexpr int32_t kEmptySeatKey = -1;  // the key of a seat nobody has

    PITable() { PITable::Clear(); }
    virtual ~PITable() = default;
    PITable(const PITable&) = default;
    PITable& operator=(const PITable&) = default;

    virtual void Clear();
    void CopyFrom(const PITable& other) { PITable::operator=(other); }

    // The seat index whose user key is `key`, -1 when none; an empty seat matches no key.
    int FindByKey(int32_t key) const;
    bool ContainsKey(int32_t key) const { return FindByKey(key) >= 0; }
    // Moves the player with `key` from the second seat to the first; true when they were swapped
    // (never for an empty seat's key).
    bool RotatePlayers(int32_t key);
    // Puts the player with `key` (the first seat when nobody has it) on screen slot 0.
    void AssignScreenSlots(int32_t key);

    ArcArrayT<PlayerInfo, kSeatCount> players;

    template <class V> void Fields(V& v) { v.Array("players", players); }
    bool operator==(const PITable&) const = default;
};

// The win record of the result messages.
class WinInfo {
public:
    static constexpr char kName[] = "WinInfo";

    WinInfo() { WinInfo::Clear(); }
    virtual ~WinInfo() = default;
    WinInfo(const WinInfo&) = default;
    WinInfo& operator=(const WinInfo&) = default;

    virtual void Clear();
    void CopyFrom(const WinInfo& other) { WinInfo::operator=(other); }

    int32_t winnerSeat;  // 0 or 1, -1 none
    int32_t secondValue;
    int32_t goPoints;
    // gwang, animals, ribbons, pi, godori, hongdan, chungdan, chodan
    std::array<int32_t, 8> categoryPoints;
    int32_t goExponent;
    int32_t shakeCount;
    int32_t missionMultiplier;
    int32_t meongttaExponent;

    template <class V> void Fields(V& v)
    {
        v.I32("winnerSeat", winnerSeat);
        v.I32("secondValue", secondValue);
        v.I32("goPoints", goPoints);
        v.Array("categoryPoints", categoryPoints);
        v.I32("goExponent", goExponent);
        v.I32("shakeCount", shakeCount);
        v.I32("missionMultiplier", missionMultiplier);
        v.I32("meongttaExponent", meongttaExponent);
    }
    bool operator==(const WinInfo&) const = default;
};

// One seat of a table snapshot; the lists hold card ids.
class PlayerData {
public:
    static constexpr char kName[] = "PlayerData";

    PlayerData() { PlayerData::Clear(); }
    virtual ~PlayerData() = default;
    PlayerData(const PlayerData&) = default;
    PlayerData& operator=(const PlayerData&) = default;

    virtual void Clear();
    void CopyFrom(const PlayerData& other) { PlayerData::operator=(other); }

    std::vector<int32_t> gwangPile;
    std::vector<int32_t> animalPile;
    std::vector<int32_t> ribbonPile;
    std::vector<int32_t> piPile;
    std::vector<int32_t> hand;
    int32_t goCount;
    int32_t points;
    int32_t shakeBombCount;
    int32_t furtherCount;
    int32_t displayValue1;
    int32_t displayValue2;
    int32_t missionActive;
    int32_t missionValue;

    template <class V> void Fields(V& v)
    {
        v.List("gwangPile", gwangPile);
        v.List("animalPile", animalPile);
        v.List("ribbonPile", ribbonPile);
        v.List("piPile", piPile);
        v.List("hand", hand);
        v.I32("goCount", goCount);
        v.I32("points", points);
        v.I32("shakeBombCount", shakeBombCount);
        v.I32("furtherCount", furtherCount);
        v.I32("displayValue1", displayValue1);
        v.I32("displayValue2", displayValue2);
        v.I32("missionActive", missionActive);
        v.I32("missionValue", missionValue);
    }
    bool operator==(const PlayerData&) const = default;
};

// A bonus card of the floor and the month whose slot it lies on.
struct BonusCardMonth {
    static constexpr char kName[] = "BonusCardMonth";
    int32_t month = 0;
    int32_t cardId = 0;
    template <class V> void Fields(V& v) { v.I32("month", month); v.I32("cardId", cardId); }
    bool operator==(const BonusCardMonth&) const = default;
};

// One part of a two-part mission.
struct DMissionPart {
    static constexpr char kName[] = "DMissionPart";
    int32_t value = -1;
    int32_t factor = 1;
    int32_t owner = -1;  // seat, -1 nobody
    template <class V> void Fields(V& v) { v.I32("value", value); v.I32("factor", factor); v.I32("owner", owner); }
    bool operator==(const DMissionPart&) const = default;
};

// One card of a card mission and the seat that took it.
struct MissionCard {
    static constexpr char kName[] = "MissionCard";
    int32_t cardId = -1;
    int32_t owner = -1;
    template <class V> void Fields(V& v) { v.I32("cardId", cardId); v.I32("owner", owner); }
    bool operator==(const MissionCard&) const = default;
};

// The table snapshot that brings a client into a running round.
class GameDataTable {
public:
    static constexpr char kName[] = "GameDataTable";

    GameDataTable() { GameDataTable::Clear(); }
    virtual ~GameDataTable() = default;
    GameDataTable(const GameDataTable&) = default;
    GameDataTable& operator=(const GameDataTable&) = default;

    virtual void Clear();
    void CopyFrom(const GameDataTable& other) { GameDataTable::operator=(other); }

    int32_t turnKey;
    int32_t stepValue;
    int32_t turnValue;
    int32_t playState;
    int32_t pointValue;
    int32_t lastFloorCard;
    std::vector<BonusCardMonth> bonusCards;
    int32_t missionKind;  // 0 none, 1 S, 2 D, 3 C, 4 C2, 5 KJ
    int32_t sMissionIndex;
    int32_t sMissionFactor;
    std::vector<DMissionPart> dMissionParts;
    std::vector<MissionCard> missionCards;
    int32_t chamgiKind;
    int32_t chamgiStage;
    std::array<PlayerData, 2> players;
    std::vector<int32_t> floor;
    std::vector<int32_t> deck;
    int32_t septemberChoice;
    int32_t antiLeaveCount;

    template <class V> void Fields(V& v)
    {
        v.I32("turnKey", turnKey);
        v.I32("stepValue", stepValue);
        v.I32("turnValue", turnValue);
        v.I32("playState", playState);
        v.I32("pointValue", pointValue);
        v.I32("lastFloorCard", lastFloorCard);
        v.List("bonusCards", bonusCards);
        v.I32("missionKind", missionKind);
        v.I32("sMissionIndex", sMissionIndex);
        v.I32("sMissionFactor", sMissionFactor);
        v.List("dMissionParts", dMissionParts);
        v.List("missionCards", missionCards);
        v.I32("chamgiKind", chamgiKind);
        v.I32("chamgiStage", chamgiStage);
        v.CountedArray("players", players);
        v.List("floor", floor);
        v.List("deck", deck);
        v.I32("septemberChoice", septemberChoice);
        v.I32("antiLeaveCount", antiLeaveCount);
    }
    bool operator==(const GameDataTable&) const = default;
};

// The room's rule settings.
class Option {
public:
    static constexpr char kName[] = "Option";

    Option() { Option::Clear(); }
    virtual ~Option() = default;
    Option(const Option&) = default;
    Option& operator=(const Option&) = default;

    // Defaults: stake 1000, minMoney 10000, every rule flag 1, stakeMoney = stake, the rest 0.
    virtual void Clear();
    void CopyFrom(const Option& other) { Option::operator=(other); }

    int32_t stake;
    int64_t minMoney;
    // [0] gwang-bak rule, [1] go-bak rule; the others are carried as sent
    std::array<int32_t, 9> ruleFlags;
    int32_t ruleValue;
    int64_t stakeMoney;
    int32_t extraValue;
    int32_t antiLeave;        // 0..3
    int32_t turnTime;         // game speed 0..2, 2 the fastest
    int32_t reserved1;
    int32_t freeChannel;      // room kind 0 only: invitation-only free channel
    int32_t reserved2;
    int64_t betAmount;        // target-score bet
    int32_t targetIndex;      // target score 7, 50 or 100 for 0, 1, 2
    int32_t challengeRule;    // non-zero: the target-score result's second challenge rule
    int32_t betIndex;
    int64_t customBet;
    int32_t noMinimumEntry;
    int32_t betKind;          // 0..4
    int32_t targetScoreLevel; // non-zero in target-score rooms: the month choice's no is a DesperateDecline

    template <class V> void Fields(V& v)
    {
        v.I32("stake", stake);
        v.I64("minMoney", minMoney);
        v.Array("ruleFlags", ruleFlags);
        v.I32("ruleValue", ruleValue);
        v.I64("stakeMoney", stakeMoney);
        v.I32("extraValue", extraValue);
        v.I32("antiLeave", antiLeave);
        v.I32("turnTime", turnTime);
        v.I32("reserved1", reserved1);
        v.I32("freeChannel", freeChannel);
        v.I32("reserved2", reserved2);
        v.I64("betAmount", betAmount);
        v.I32("targetIndex", targetIndex);
        v.I32("challengeRule", challengeRule);
        v.I32("betIndex", betIndex);
        v.I64("customBet", customBet);
        v.I32("noMinimumEntry", noMinimumEntry);
        v.I32("betKind", betKind);
        v.I32("targetScoreLevel", targetScoreLevel);
    }
    bool operator==(const Option&) const = default;
};

// The room the scene shows: identity texts, state, kind, seats and rules.
class RCRoomData {
public:
    static constexpr char kName[] = "RCRoomData";

    RCRoomData() { RCRoomData::Clear(); }
    virtual ~RCRoomData() = default;
    RCRoomData(const RCRoomData&) = default;
    RCRoomData& operator=(const RCRoomData&) = default;

    // Resets everything but `text5`, which the room keeps.
    virtual void Clear();
    void CopyFrom(const RCRoomData& other) { RCRoomData::operator=(other); }

    int32_t roomId;
    int32_t roomState;  // 1 waiting, 2 playing, 3 result shown; -1 before entry
    std::string text1;
    std::string text2;
    std::string text3;
    std::string text4;
    int32_t roomValue;
    int32_t roomKind;
    PITable seats;
    Option option;
    std::string text5;

    template <class V> void Fields(V& v)
    {
        v.I32("roomId", roomId);
        v.I32("roomState", roomState);
        v.Str("text1", text1);
        v.Str("text2", text2);
        v.Str("text3", text3);
        v.Str("text4", text4);
        v.I32("roomValue", roomValue);
        v.I32("roomKind", roomKind);
        v.Rec("seats", seats);
        v.Rec("option", option);
        v.Str("text5", text5);
    }
    bool operator==(const RCRoomData&) const = default;
};
