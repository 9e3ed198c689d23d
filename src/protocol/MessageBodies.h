#pragma once

// The bodies of the server's messages, one struct per id, fields in wire order. docs/protocol.md
// is the table of the same layouts; a test holds the two together.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "protocol/Records.h"

using CardList = std::vector<int32_t>;
template <class T> using PerSeat = std::array<T, 2>;

#define MIRELLE_BODY(Type, id)                              \
    static constexpr char kName[] = #Type;                  \
    static constexpr int32_t kId = id;                      \
    bool operator==(const Type&) const = default

// Records that only occur inside message bodies.

struct PromotionRecord {
    static constexpr char kName[] = "PromotionRecord";
    std::array<int32_t, 3> jackpotFlags{};
    std::array<int32_t, 3> luckyFlags{};
    int32_t jackpotCount = 0;
    int32_t luckyValue = 0;
    int32_t jackpotValue = 0;
    std::array<int32_t, 2> values{};
    std::array<int32_t, 2> moreValues{};
    template <class V> void Fields(V& v)
    {
        v.Array("jackpotFlags", jackpotFlags);
        v.Array("luckyFlags", luckyFlags);
        v.I32("jackpotCount", jackpotCount);
        v.I32("luckyValue", luckyValue);
        v.I32("jackpotValue", jackpotValue);
        v.Array("values", values);
        v.Array("moreValues", moreValues);
    }
    bool operator==(const PromotionRecord&) const = default;
};

struct IntPair {
    static constexpr char kName[] = "IntPair";
    int32_t first = 0;
    int32_t second = 0;
    template <class V> void Fields(V& v) { v.I32("first", first); v.I32("second", second); }
    bool operator==(const IntPair&) const = default;
};

struct PiTransfer {
    static constexpr char kName[] = "PiTransfer";
    int32_t fromKey = 0;
    int32_t cardIndex = 0;
    template <class V> void Fields(V& v) { v.I32("fromKey", fromKey); v.I32("cardIndex", cardIndex); }
    bool operator==(const PiTransfer&) const = default;
};

struct MissionPartResult {
    static constexpr char kName[] = "MissionPartResult";
    int32_t changed = 0;
    int32_t owner = -1;
    template <class V> void Fields(V& v) { v.I32("changed", changed); v.I32("owner", owner); }
    bool operator==(const MissionPartResult&) const = default;
};

struct BakEntry {
    static constexpr char kName[] = "BakEntry";
    int32_t seat = -1;
    int32_t gwangBak = 0;
    int32_t piBak = 0;
    int32_t goBak = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("seat", seat);
        v.I32("gwangBak", gwangBak);
        v.I32("piBak", piBak);
        v.I32("goBak", goBak);
    }
    bool operator==(const BakEntry&) const = default;
};

struct GameEndSeat {
    static constexpr char kName[] = "GameEndSeat";
    int64_t gameMoney = 0;
    int64_t safeMoney = 0;
    int64_t secondMoney = 0;
    int64_t extraMoney = 0;
    std::array<int64_t, 5> membership{};  // club, gold, royal, two lower ones
    int32_t readyValue = 0;
    int32_t roundCounter1 = 0;
    int32_t roundCounter2 = 0;
    int32_t roomValue = 0;
    int32_t jewelKind = 0;
    int32_t jewelCount = 0;
    template <class V> void Fields(V& v)
    {
        v.I64("gameMoney", gameMoney);
        v.I64("safeMoney", safeMoney);
        v.I64("secondMoney", secondMoney);
        v.I64("extraMoney", extraMoney);
        v.Array("membership", membership);
        v.I32("readyValue", readyValue);
        v.I32("roundCounter1", roundCounter1);
        v.I32("roundCounter2", roundCounter2);
        v.I32("roomValue", roomValue);
        v.I32("jewelKind", jewelKind);
        v.I32("jewelCount", jewelCount);
    }
    bool operator==(const GameEndSeat&) const = default;
};

// A user who left the game at its end: the nickname and id let the chat name someone no longer seated.
struct LeaveEntry {
    static constexpr char kName[] = "LeaveEntry";
    int32_t userKey = -1;
    std::string nickname;
    std::string userId;
    template <class V> void Fields(V& v)
    {
        v.I32("userKey", userKey);
        v.Str("nickname", nickname);
        v.Str("userId", userId);
    }
    bool operator==(const LeaveEntry&) const = default;
};

struct JackpotSeat {
    static constexpr char kName[] = "JackpotSeat";
    int32_t stage = 0;
    int32_t progress = 0;
    int64_t wonAmount = 0;
    int32_t luckyTicket = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("stage", stage);
        v.I32("progress", progress);
        v.I64("wonAmount", wonAmount);
        v.I32("luckyTicket", luckyTicket);
    }
    bool operator==(const JackpotSeat&) const = default;
};

struct JackpotRecord {
    static constexpr char kName[] = "JackpotRecord";
    std::array<int32_t, 3> jackpotFlags{};
    PerSeat<JackpotSeat> seats{};
    int32_t playMinutesBefore = 0;  // today's play time before and after this game
    int32_t playMinutesAfter = 0;
    template <class V> void Fields(V& v)
    {
        v.Array("jackpotFlags", jackpotFlags);
        v.Array("seats", seats);
        v.I32("playMinutesBefore", playMinutesBefore);
        v.I32("playMinutesAfter", playMinutesAfter);
    }
    bool operator==(const JackpotRecord&) const = default;
};

struct RefillRecord {
    static constexpr char kName[] = "RefillRecord";
    int32_t userKey = -1;
    int64_t amount = 0;
    int32_t refillsLeft = 0;
    int32_t value = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("userKey", userKey);
        v.I64("amount", amount);
        v.I32("refillsLeft", refillsLeft);
        v.I32("value", value);
    }
    bool operator==(const RefillRecord&) const = default;
};

struct UserRecordEntry {
    static constexpr char kName[] = "UserRecordEntry";
    int32_t userKey = -1;
    std::array<int32_t, 3> values{};
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.Array("values", values); }
    bool operator==(const UserRecordEntry&) const = default;
};

// Bodies by id.

struct RoomEnterAnswer {
    uint32_t clientVersion = 0;  // 20110927 expected
    RCUser user;
    uint32_t ownerKey = 0;
    int32_t entryMode = 0;       // 0 watch, 1 may sit, 2 voice only
    int32_t entryValue = 0;
    int32_t playLimitCount = 0;
    RCRoomData room;
    std::string hostText;
    int32_t value1 = 0;
    int32_t askBeforeJoining = 0;
    PromotionRecord promotion;
    uint32_t jewelCount = 0;
    uint32_t jewelKind = 0;
    int32_t jewelSwitch = 0;
    std::array<int32_t, 9> promotionValues{};
    uint32_t promotionValue = 0;
    std::array<int32_t, 3> moreValues{};
    uint32_t finalValue = 0;
    template <class V> void Fields(V& v)
    {
        v.U32("clientVersion", clientVersion);
        v.Rec("user", user);
        v.U32("ownerKey", ownerKey);
        v.I32("entryMode", entryMode);
        v.I32("entryValue", entryValue);
        v.I32("playLimitCount", playLimitCount);
        v.Rec("room", room);
        v.Str("hostText", hostText);
        v.I32("value1", value1);
        v.I32("askBeforeJoining", askBeforeJoining);
        v.Rec("promotion", promotion);
        v.U32("jewelCount", jewelCount);
        v.U32("jewelKind", jewelKind);
        v.I32("jewelSwitch", jewelSwitch);
        v.Array("promotionValues", promotionValues);
        v.U32("promotionValue", promotionValue);
        v.Array("moreValues", moreValues);
        v.U32("finalValue", finalValue);
    }
    MIRELLE_BODY(RoomEnterAnswer, 1);
};

struct PlayerDisconnected {
    int32_t userKey = -1;
    int32_t kind = 0;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.I32("kind", kind); }
    MIRELLE_BODY(PlayerDisconnected, 2);
};

struct PlayerEnter {
    int32_t userKey = -1;
    int32_t playState = 0;
    int32_t value = 0;
    PlayerInfo player;
    CardList ownHand;
    std::vector<int32_t> kickList;
    template <class V> void Fields(V& v)
    {
        v.I32("userKey", userKey);
        v.I32("playState", playState);
        v.I32("value", value);
        v.Rec("player", player);
        v.List("ownHand", ownHand);
        v.List("kickList", kickList);
    }
    MIRELLE_BODY(PlayerEnter, 3);
};

struct GameDataSync {
    int32_t targetKey = -1;
    GameDataTable table;
    template <class V> void Fields(V& v) { v.I32("targetKey", targetKey); v.Rec("table", table); }
    MIRELLE_BODY(GameDataSync, 4);
};

struct JoinGameAnswer {
    int32_t userKey = -1;
    int32_t result = 0;  // 0 seated, 1 money, 2 room full, 3 money too high, 4 bad id
    int32_t ownerKey = -1;  // the room owner's key
    int32_t seatIndex = -1;
    int32_t antiLeaveCount = 0;
    PlayerInfo player;
    template <class V> void Fields(V& v)
    {
        v.I32("userKey", userKey);
        v.I32("result", result);
        v.I32("ownerKey", ownerKey);
        v.I32("seatIndex", seatIndex);
        v.I32("antiLeaveCount", antiLeaveCount);
        v.Rec("player", player);
    }
    MIRELLE_BODY(JoinGameAnswer, 5);
};

struct PlayerLeave {
    uint32_t userKey = 0;
    uint32_t reason = 0;
    int32_t value = 0;
    std::string detail;
    template <class V> void Fields(V& v)
    {
        v.U32("userKey", userKey);
        v.U32("reason", reason);
        v.I32("value", value);
        v.Str("detail", detail);
    }
    MIRELLE_BODY(PlayerLeave, 6);
};

struct EntryResult {
    int32_t value = 0;
    int32_t code = 0;
    int32_t roomKind = 0;
    std::string text;
    template <class V> void Fields(V& v)
    {
        v.I32("value", value);
        v.I32("code", code);
        v.I32("roomKind", roomKind);
        v.Str("text", text);
    }
    MIRELLE_BODY(EntryResult, 7);
};

struct KickReserve {
    int32_t kind = 0;  // 1 set, 2 cancelled
    int32_t userKey = -1;
    int32_t targetKey = -1;
    int32_t value = 0;
    int64_t money = 0;
    std::string name;
    template <class V> void Fields(V& v)
    {
        v.I32("kind", kind);
        v.I32("userKey", userKey);
        v.I32("targetKey", targetKey);
        v.I32("value", value);
        v.I64("money", money);
        v.Str("name", name);
    }
    MIRELLE_BODY(KickReserve, 8);
};

struct SeatMark {
    int32_t kind = 0;  // 0..3
    int32_t userKey = -1;
    std::string text;
    template <class V> void Fields(V& v) { v.I32("kind", kind); v.I32("userKey", userKey); v.Str("text", text); }
    MIRELLE_BODY(SeatMark, 9);
};

struct EntryLimitChanged {
    int32_t kind = 0;  // 1 or 3
    int32_t userKey = -1;
    std::string text;
    int32_t value = 0;
    int32_t showFlag = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("kind", kind);
        v.I32("userKey", userKey);
        v.Str("text", text);
        v.Optional("value", value);
        v.Optional("showFlag", showFlag);
    }
    MIRELLE_BODY(EntryLimitChanged, 10);
};

struct UserAvatarString {
    int32_t userKey = -1;
    std::string avatar;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.Str("avatar", avatar); }
    MIRELLE_BODY(UserAvatarString, 11);
};

struct VoiceTypeChanged {
    int32_t userKey = -1;
    int32_t value = 0;
    int32_t voiceType = 0;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.I32("value", value); v.I32("voiceType", voiceType); }
    MIRELLE_BODY(VoiceTypeChanged, 12);
};

struct HostText {
    std::string text;
    template <class V> void Fields(V& v) { v.Str("text", text); }
    MIRELLE_BODY(HostText, 13);
};

struct RoomInfoUpdate {
    std::string text;
    int32_t value = 0;
    template <class V> void Fields(V& v) { v.Str("text", text); v.I32("value", value); }
    MIRELLE_BODY(RoomInfoUpdate, 14);
};

struct GameReady {
    int32_t doublingExponent = 0;
    int32_t stakeAmount = 0;
    PerSeat<int32_t> readyValues{};
    template <class V> void Fields(V& v)
    {
        v.I32("doublingExponent", doublingExponent);
        v.I32("stakeAmount", stakeAmount);
        v.Array("readyValues", readyValues);
    }
    MIRELLE_BODY(GameReady, 15);
};

struct StakeConfirm {
    int32_t stake = 0;
    PerSeat<int32_t> values{};
    template <class V> void Fields(V& v) { v.I32("stake", stake); v.Array("values", values); }
    MIRELLE_BODY(StakeConfirm, 16);
};

struct WaitingForStart {
    int32_t firstKey = -1;
    int32_t startFlag = 0;
    int32_t confirmFlag = 0;
    int32_t stake = 0;
    PerSeat<int32_t> values{};
    int32_t chamgiFlag = 0;
    int32_t chamgiKind = 0;
    int32_t antiLeaveFlag = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("firstKey", firstKey);
        v.I32("startFlag", startFlag);
        v.I32("confirmFlag", confirmFlag);
        v.I32("stake", stake);
        v.Array("values", values);
        v.I32("chamgiFlag", chamgiFlag);
        v.I32("chamgiKind", chamgiKind);
        v.I32("antiLeaveFlag", antiLeaveFlag);
    }
    MIRELLE_BODY(WaitingForStart, 17);
};

struct SeatsCleared {
    int32_t robotCode = 0;  // below -1 names the robot player
    int32_t count = 0;
    int32_t joinFlag = 0;
    int64_t value = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("robotCode", robotCode);
        v.I32("count", count);
        v.I32("joinFlag", joinFlag);
        v.I64("value", value);
    }
    MIRELLE_BODY(SeatsCleared, 18);
};

struct ShuffleCards {
    int32_t mode = 0;  // 0 card pick, 1 rock-paper-scissors
    int32_t cardCount = 0;
    CardList cards;
    template <class V> void Fields(V& v) { v.I32("mode", mode); v.I32("cardCount", cardCount); v.List("cards", cards); }
    MIRELLE_BODY(ShuffleCards, 19);
};

struct SunPicked {
    int32_t userKey = -1;
    int32_t pick = 0;
    int32_t value = 0;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.I32("pick", pick); v.I32("value", value); }
    MIRELLE_BODY(SunPicked, 20);
};

struct SunDecided {
    int32_t firstKey = -1;
    template <class V> void Fields(V& v) { v.I32("firstKey", firstKey); }
    MIRELLE_BODY(SunDecided, 21);
};

struct DealCards {
    uint32_t userKey = 0;
    CardList floorCards;
    CardList handCards;
    int32_t chamgiKind = 0;
    int32_t chamgiStage = 0;  // 1 or 2
    int32_t missionKind = 0;  // 5 = KJ
    int32_t missionMusic = 0;
    PerSeat<int64_t> money1{};
    PerSeat<int64_t> money2{};
    int32_t value = 0;
    template <class V> void Fields(V& v)
    {
        v.U32("userKey", userKey);
        v.List("floorCards", floorCards);
        v.List("handCards", handCards);
        v.I32("chamgiKind", chamgiKind);
        v.I32("chamgiStage", chamgiStage);
        v.I32("missionKind", missionKind);
        v.I32("missionMusic", missionMusic);
        v.Array("money1", money1);
        v.Array("money2", money2);
        v.I32("value", value);
    }
    MIRELLE_BODY(DealCards, 22);
};

struct MonthChoicePrompt {
    uint32_t userKey = 0;
    int32_t kind = 0;  // 0 or 1 a player's choice, other values a notice
    CardList cards;
    template <class V> void Fields(V& v) { v.U32("userKey", userKey); v.I32("kind", kind); v.List("cards", cards); }
    MIRELLE_BODY(MonthChoicePrompt, 23);
};

struct InitialFloorBonus {
    uint32_t value = 0;
    CardList toPile;
    CardList toFloor;
    template <class V> void Fields(V& v) { v.U32("value", value); v.List("toPile", toPile); v.List("toFloor", toFloor); }
    MIRELLE_BODY(InitialFloorBonus, 24);
};

struct TurnStart {
    int32_t turnKey = -1;
    int32_t pendingPassCount = 0;
    template <class V> void Fields(V& v) { v.I32("turnKey", turnKey); v.I32("pendingPassCount", pendingPassCount); }
    MIRELLE_BODY(TurnStart, 25);
};

struct BonusCardPlayed {
    int32_t userKey = -1;
    int32_t bonusCard = 0;
    int32_t replacementCard = 0;
    int32_t keepOrder = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("userKey", userKey);
        v.I32("bonusCard", bonusCard);
        v.I32("replacementCard", replacementCard);
        v.I32("keepOrder", keepOrder);
    }
    MIRELLE_BODY(BonusCardPlayed, 26);
};

struct HandCardPlayed {
    int32_t userKey = -1;
    CardList cards;  // its length is the count played
    int32_t bombFlag = 0;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.List("cards", cards); v.I32("bombFlag", bombFlag); }
    MIRELLE_BODY(HandCardPlayed, 27);
};

struct CardChoicePrompt {
    int32_t userKey = -1;
    int32_t value = 0;
    CardList offered;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.I32("value", value); v.List("offered", offered); }
    MIRELLE_BODY(CardChoicePrompt, 28);
};

struct YesNoChoicePrompt {
    int32_t userKey = -1;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); }
    MIRELLE_BODY(YesNoChoicePrompt, 29);
};

struct ShakeDeclared {
    int32_t userKey = -1;
    int32_t shakeBombCount = 0;
    CardList cards;
    int32_t kind = 0;
    int32_t value = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("userKey", userKey);
        v.I32("shakeBombCount", shakeBombCount);
        v.List("cards", cards);
        v.I32("kind", kind);
        v.I32("value", value);
    }
    MIRELLE_BODY(ShakeDeclared, 30);
};

struct CaptureEvent {
    uint32_t userKey = 0;
    uint32_t kind = 0;  // 0..7
    std::vector<int32_t> values;
    std::vector<IntPair> pairs;
    template <class V> void Fields(V& v)
    {
        v.U32("userKey", userKey);
        v.U32("kind", kind);
        v.List("values", values);
        v.List("pairs", pairs);
    }
    MIRELLE_BODY(CaptureEvent, 31);
};

struct DeckCardsFlipped {
    int32_t userKey = -1;
    int32_t bonusTake = 0;
    CardList cards;
    int32_t pendingPassCount = 0;
    int32_t missionValue = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("userKey", userKey);
        v.I32("bonusTake", bonusTake);
        v.List("cards", cards);
        v.I32("pendingPassCount", pendingPassCount);
        v.I32("missionValue", missionValue);
    }
    MIRELLE_BODY(DeckCardsFlipped, 32);
};

struct Ppeok {
    int32_t userKey = -1;
    int32_t count = 0;
    int32_t moneyFlag = 0;
    int64_t amount = 0;
    PerSeat<int64_t> money{};
    PerSeat<int64_t> secondMoney{};
    template <class V> void Fields(V& v)
    {
        v.I32("userKey", userKey);
        v.I32("count", count);
        v.I32("moneyFlag", moneyFlag);
        v.I64("amount", amount);
        v.Array("money", money);
        v.Array("secondMoney", secondMoney);
    }
    MIRELLE_BODY(Ppeok, 33);
};

struct TurnResult {
    uint32_t userKey = 0;
    uint32_t turnKind = 0;  // 6 = sweep
    CardList captured;
    int32_t multiplier = 0;
    PerSeat<int32_t> points{};
    std::vector<PiTransfer> piTransfers;
    int32_t kjValue = 0;
    int32_t bonusFlag = 0;
    template <class V> void Fields(V& v)
    {
        v.U32("userKey", userKey);
        v.U32("turnKind", turnKind);
        v.List("captured", captured);
        v.I32("multiplier", multiplier);
        v.Array("points", points);
        v.List("piTransfers", piTransfers);
        v.I32("kjValue", kjValue);
        v.Optional("bonusFlag", bonusFlag);
    }
    MIRELLE_BODY(TurnResult, 34);
};

struct SMissionStart {
    int32_t missionIndex = -1;  // 0..33
    int32_t factor = 1;
    template <class V> void Fields(V& v) { v.I32("missionIndex", missionIndex); v.I32("factor", factor); }
    MIRELLE_BODY(SMissionStart, 35);
};

struct DMissionStart {
    std::array<int32_t, 2> values{};
    std::array<int32_t, 2> factors{};
    template <class V> void Fields(V& v) { v.Array("values", values); v.Array("factors", factors); }
    MIRELLE_BODY(DMissionStart, 36);
};

struct CMissionStart {
    std::array<int32_t, 4> cards{};
    template <class V> void Fields(V& v) { v.Array("cards", cards); }
    MIRELLE_BODY(CMissionStart, 37);
};

struct C2MissionStart {
    std::array<int32_t, 3> cards{};
    template <class V> void Fields(V& v) { v.Array("cards", cards); }
    MIRELLE_BODY(C2MissionStart, 38);
};

struct SMissionResult {
    int32_t ownerSeat = -1;
    PerSeat<int32_t> success{};
    PerSeat<int64_t> money{};
    PerSeat<int64_t> secondMoney{};
    int64_t amount = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("ownerSeat", ownerSeat);
        v.Array("success", success);
        v.Array("money", money);
        v.Array("secondMoney", secondMoney);
        v.I64("amount", amount);
    }
    MIRELLE_BODY(SMissionResult, 39);
};

template <size_t Parts>
struct MissionResultFields {
    std::array<MissionPartResult, Parts> parts{};
    PerSeat<int64_t> money{};
    PerSeat<int64_t> secondMoney{};
    int64_t amount = 0;
    template <class V> void Fields(V& v)
    {
        v.Array("parts", parts);
        v.Array("money", money);
        v.Array("secondMoney", secondMoney);
        v.I64("amount", amount);
    }
    bool operator==(const MissionResultFields&) const = default;
};

struct DMissionResult : MissionResultFields<2> {
    MIRELLE_BODY(DMissionResult, 40);
};
struct CMissionResult : MissionResultFields<4> {
    MIRELLE_BODY(CMissionResult, 41);
};
struct C2MissionResult : MissionResultFields<3> {
    MIRELLE_BODY(C2MissionResult, 42);
};

struct SeptAnimalPrompt {
    int32_t userKey = -1;
    int32_t flag = 0;
    int32_t value = 0;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.I32("flag", flag); v.I32("value", value); }
    MIRELLE_BODY(SeptAnimalPrompt, 43);
};

struct SeptAnimalMoved {
    int32_t userKey = -1;
    int32_t cardId = 0;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.I32("cardId", cardId); }
    MIRELLE_BODY(SeptAnimalMoved, 44);
};

struct SeptAnimalKept {
    int32_t userKey = -1;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); }
    MIRELLE_BODY(SeptAnimalKept, 45);
};

struct ScoreRefresh {
    PerSeat<int32_t> points{};
    int32_t septemberFlag = 0;
    template <class V> void Fields(V& v) { v.Array("points", points); v.I32("septemberFlag", septemberFlag); }
    MIRELLE_BODY(ScoreRefresh, 46);
};

struct GoOrStopPrompt {
    int32_t userKey = -1;
    int32_t points = 0;
    int32_t septemberFlag = 0;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.I32("points", points); v.I32("septemberFlag", septemberFlag); }
    MIRELLE_BODY(GoOrStopPrompt, 47);
};

struct GoOrStopResult {
    int32_t userKey = -1;
    int32_t value = 0;
    int32_t goCount = 0;
    int32_t goFlag = 0;  // 0 = stop
    int32_t septemberFlag = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("userKey", userKey);
        v.I32("value", value);
        v.I32("goCount", goCount);
        v.I32("goFlag", goFlag);
        v.I32("septemberFlag", septemberFlag);
    }
    MIRELLE_BODY(GoOrStopResult, 48);
};

struct RoundResult {
    uint32_t resultKind = 0;  // 0 normal win, 6 chongtong, 7 three ppeok, 8 special win, 10 draw
    uint32_t winnerKey = 0;
    int32_t value3 = 0;
    int32_t drawCount = 0;
    int64_t value5 = 0;
    PerSeat<int64_t> money{};
    PerSeat<int64_t> moneyChange{};
    PerSeat<int64_t> secondMoney{};
    WinInfo winInfo;
    std::vector<BakEntry> bakList;
    PerSeat<uint32_t> playLimitClass{};
    PerSeat<uint32_t> dailyPlayCount{};
    int64_t moneyFloor = 0;
    PerSeat<int32_t> assaValue{};
    PerSeat<int64_t> roundValue{};
    PerSeat<int64_t> freePlayValue{};
    PerSeat<uint32_t> rankingPoints{};
    PerSeat<int32_t> seatValue{};
    int32_t chamgiOffered = 0;
    int32_t chamgiImageSet = 0;
    CardList remainingDeck;
    PerSeat<CardList> remainingHands;
    int32_t eventMark = 0;
    int32_t tungOffered = 0;
    int32_t eventFundShare = 0;  // tenths of a percent
    template <class V> void Fields(V& v)
    {
        v.U32("resultKind", resultKind);
        v.U32("winnerKey", winnerKey);
        v.I32("value3", value3);
        v.I32("drawCount", drawCount);
        v.I64("value5", value5);
        v.Array("money", money);
        v.Array("moneyChange", moneyChange);
        v.Array("secondMoney", secondMoney);
        v.Rec("winInfo", winInfo);
        v.List("bakList", bakList);
        v.Array("playLimitClass", playLimitClass);
        v.Array("dailyPlayCount", dailyPlayCount);
        v.I64("moneyFloor", moneyFloor);
        v.Array("assaValue", assaValue);
        v.Array("roundValue", roundValue);
        v.Array("freePlayValue", freePlayValue);
        v.Array("rankingPoints", rankingPoints);
        v.Array("seatValue", seatValue);
        v.I32("chamgiOffered", chamgiOffered);
        v.I32("chamgiImageSet", chamgiImageSet);
        v.List("remainingDeck", remainingDeck);
        v.Array("remainingHands", remainingHands);
        v.I32("eventMark", eventMark);
        v.I32("tungOffered", tungOffered);
        v.I32("eventFundShare", eventFundShare);
    }
    MIRELLE_BODY(RoundResult, 49);
};

struct SafeWithdrawal {
    uint32_t userKey = 0;
    uint32_t kind = 0;  // 6 = withdrawal
    int64_t amount = 0;
    int64_t value = 0;
    uint32_t value2 = 0;
    template <class V> void Fields(V& v)
    {
        v.U32("userKey", userKey);
        v.U32("kind", kind);
        v.I64("amount", amount);
        v.I64("value", value);
        v.U32("value2", value2);
    }
    MIRELLE_BODY(SafeWithdrawal, 50);
};

struct GameEnd {
    int32_t firstKey = 0;  // 0 = the game was stopped
    int32_t antiLeaveCount = 0;
    int32_t entryValue = 0;
    PerSeat<GameEndSeat> seats{};
    JackpotRecord jackpot;
    std::vector<LeaveEntry> leaveList;
    int32_t leaveFlag = 0;
    template <class V> void Fields(V& v)
    {
        v.I32("firstKey", firstKey);
        v.I32("antiLeaveCount", antiLeaveCount);
        v.I32("entryValue", entryValue);
        v.Array("seats", seats);
        v.Rec("jackpot", jackpot);
        v.List("leaveList", leaveList);
        v.I32("leaveFlag", leaveFlag);
    }
    MIRELLE_BODY(GameEnd, 51);
};

struct TournamentRoundResult {
    uint32_t resultKind = 0;
    uint32_t winnerKey = 0;
    uint32_t value3 = 0;
    int32_t drawCount = 0;
    int64_t value5 = 0;
    PerSeat<int64_t> tournamentMoney{};
    PerSeat<int64_t> moneyChange{};
    WinInfo winInfo;
    std::vector<BakEntry> bakList;
    CardList remainingDeck;
    PerSeat<CardList> remainingHands;
    template <class V> void Fields(V& v)
    {
        v.U32("resultKind", resultKind);
        v.U32("winnerKey", winnerKey);
        v.U32("value3", value3);
        v.I32("drawCount", drawCount);
        v.I64("value5", value5);
        v.Array("tournamentMoney", tournamentMoney);
        v.Array("moneyChange", moneyChange);
        v.Rec("winInfo", winInfo);
        v.List("bakList", bakList);
        v.List("remainingDeck", remainingDeck);
        v.Array("remainingHands", remainingHands);
    }
    MIRELLE_BODY(TournamentRoundResult, 52);
};

struct TableReset {
    int32_t firstKey = 0;
    int32_t value1 = 0;
    int32_t value2 = 0;
    PerSeat<int64_t> money{};
    template <class V> void Fields(V& v)
    {
        v.I32("firstKey", firstKey);
        v.I32("value1", value1);
        v.I32("value2", value2);
        v.Array("money", money);
    }
    MIRELLE_BODY(TableReset, 53);
};

struct EventRoundResult {
    uint32_t resultKind = 0;
    uint32_t winnerKey = 0;
    int64_t value3 = 0;
    PerSeat<int64_t> moneyChange{};
    PerSeat<int64_t> tournamentMoney{};
    PerSeat<uint32_t> playLimitClass{};
    PerSeat<uint32_t> dailyPlayCount{};
    PerSeat<int64_t> freePlayValue{};
    template <class V> void Fields(V& v)
    {
        v.U32("resultKind", resultKind);
        v.U32("winnerKey", winnerKey);
        v.I64("value3", value3);
        v.Array("moneyChange", moneyChange);
        v.Array("tournamentMoney", tournamentMoney);
        v.Array("playLimitClass", playLimitClass);
        v.Array("dailyPlayCount", dailyPlayCount);
        v.Array("freePlayValue", freePlayValue);
    }
    MIRELLE_BODY(EventRoundResult, 54);
};

struct ResultStep {
    int32_t seat = -1;
    int32_t step = 0;
    int32_t value = 0;
    template <class V> void Fields(V& v) { v.I32("seat", seat); v.I32("step", step); v.I32("value", value); }
    MIRELLE_BODY(ResultStep, 55);
};

struct MoneyGained {
    int32_t giverKey = -1;
    int32_t takerKey = -1;
    int64_t giverAmount = 0;
    int64_t takerAmount = 0;
    PerSeat<int64_t> money{};
    template <class V> void Fields(V& v)
    {
        v.I32("giverKey", giverKey);
        v.I32("takerKey", takerKey);
        v.I64("giverAmount", giverAmount);
        v.I64("takerAmount", takerAmount);
        v.Array("money", money);
    }
    MIRELLE_BODY(MoneyGained, 56);
};

struct MoneyCapNotice {
    uint32_t userKey = 0;
    uint32_t grade = 0;  // 1..4
    int64_t cap = 0;
    int64_t extraMoney = 0;
    int64_t deadline = 0;  // date-time value
    int64_t gameMoney = 0;
    int64_t value = 0;
    std::string text;
    template <class V> void Fields(V& v)
    {
        v.U32("userKey", userKey);
        v.U32("grade", grade);
        v.I64("cap", cap);
        v.I64("extraMoney", extraMoney);
        v.I64("deadline", deadline);
        v.I64("gameMoney", gameMoney);
        v.I64("value", value);
        v.Str("text", text);
    }
    MIRELLE_BODY(MoneyCapNotice, 57);
};

struct AntiLeaveCount {
    int32_t seat = -1;
    int32_t a = 0;
    int32_t b = 0;
    template <class V> void Fields(V& v) { v.I32("seat", seat); v.I32("a", a); v.I32("b", b); }
    MIRELLE_BODY(AntiLeaveCount, 58);
};

struct MoneyReturned {
    uint32_t userKey = 0;
    int32_t value = 0;
    int64_t amount = 0;
    template <class V> void Fields(V& v) { v.U32("userKey", userKey); v.I32("value", value); v.I64("amount", amount); }
    MIRELLE_BODY(MoneyReturned, 59);
};

struct PlayCountUpdate {
    uint32_t userKey = 0;
    int32_t value = 0;
    int64_t freePlayValue = 0;
    uint32_t playLimitClass = 0;
    uint32_t dailyPlayCount = 0;
    template <class V> void Fields(V& v)
    {
        v.U32("userKey", userKey);
        v.I32("value", value);
        v.I64("freePlayValue", freePlayValue);
        v.U32("playLimitClass", playLimitClass);
        v.U32("dailyPlayCount", dailyPlayCount);
    }
    MIRELLE_BODY(PlayCountUpdate, 60);
};

struct RefillResult {
    int32_t kind = 0;  // 1 money gift, 2 and 3 automatic refill
    int64_t giftAmount = 0;
    std::vector<RefillRecord> refills;
    template <class V> void Fields(V& v) { v.I32("kind", kind); v.I64("giftAmount", giftAmount); v.List("refills", refills); }
    MIRELLE_BODY(RefillResult, 61);
};

struct UserRecordValues {
    std::vector<UserRecordEntry> entries;
    template <class V> void Fields(V& v) { v.List("entries", entries); }
    MIRELLE_BODY(UserRecordValues, 62);
};

struct ClearEffects {
    template <class V> void Fields(V&) {}
    MIRELLE_BODY(ClearEffects, 63);
};

struct StopTurnTimer {
    template <class V> void Fields(V&) {}
    MIRELLE_BODY(StopTurnTimer, 64);
};

struct MyUserInfo {
    RCUser user;
    template <class V> void Fields(V& v) { v.Rec("user", user); }
    MIRELLE_BODY(MyUserInfo, 65);
};

// Read and dropped: no handler.
struct Unhandled66 {
    template <class V> void Fields(V&) {}
    MIRELLE_BODY(Unhandled66, 66);
};

struct ChatMacro {
    int32_t userKey = -1;
    int32_t macro = 0;  // 0..9
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.I32("macro", macro); }
    MIRELLE_BODY(ChatMacro, 67);
};

struct RoomDeletedNotice {
    template <class V> void Fields(V&) {}
    MIRELLE_BODY(RoomDeletedNotice, 68);
};

struct DesperateRoundResult {
    uint32_t resultKind = 0;  // 0 ordinary, 3 and 4 forfeit, 6, 7, 9 other ends, 10 draw
    uint32_t winnerKey = 0;
    uint32_t value3 = 0;
    int32_t gameOver = 0;
    int32_t value5 = 0;
    int32_t drawCount = 0;
    PerSeat<int64_t> money{};
    PerSeat<int64_t> roundMoney{};
    WinInfo winInfo;
    std::vector<BakEntry> bakList;
    int64_t moneyFloor = 0;
    PerSeat<int32_t> assaValue{};
    PerSeat<int64_t> roundValue{};
    PerSeat<int64_t> freePlayValue{};
    PerSeat<uint32_t> rankingPoints{};
    PerSeat<int32_t> seatValue{};
    int32_t value17 = 0;
    int32_t chamgiExponent = 0;
    int32_t targetScorePoints = 0;
    std::vector<int32_t> remainingDeck;
    PerSeat<std::vector<int32_t>> remainingHands;
    template <class V> void Fields(V& v)
    {
        v.U32("resultKind", resultKind);
        v.U32("winnerKey", winnerKey);
        v.U32("value3", value3);
        v.I32("gameOver", gameOver);
        v.I32("value5", value5);
        v.I32("drawCount", drawCount);
        v.Array("money", money);
        v.Array("roundMoney", roundMoney);
        v.Rec("winInfo", winInfo);
        v.List("bakList", bakList);
        v.I64("moneyFloor", moneyFloor);
        v.Array("assaValue", assaValue);
        v.Array("roundValue", roundValue);
        v.Array("freePlayValue", freePlayValue);
        v.Array("rankingPoints", rankingPoints);
        v.Array("seatValue", seatValue);
        v.I32("value17", value17);
        v.I32("chamgiExponent", chamgiExponent);
        v.I32("targetScorePoints", targetScorePoints);
        v.List("remainingDeck", remainingDeck);
        v.Array("remainingHands", remainingHands);
    }
    MIRELLE_BODY(DesperateRoundResult, 69);
};

struct BetPrompt {
    int32_t userKey = -1;
    int32_t kind = 0;  // 1..3
    int64_t amount = 0;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.I32("kind", kind); v.I64("amount", amount); }
    MIRELLE_BODY(BetPrompt, 70);
};

struct RoomOptionNotice {
    int32_t value = 0;
    int32_t flag = 0;
    int64_t amount = 0;
    int32_t betKind = 0;  // 0..4
    template <class V> void Fields(V& v)
    {
        v.I32("value", value);
        v.I32("flag", flag);
        v.I64("amount", amount);
        v.I32("betKind", betKind);
    }
    MIRELLE_BODY(RoomOptionNotice, 71);
};

struct RoundStart {
    int32_t roundIndex = 0;
    template <class V> void Fields(V& v) { v.I32("roundIndex", roundIndex); }
    MIRELLE_BODY(RoundStart, 72);
};

struct TimeUp {
    template <class V> void Fields(V&) {}
    MIRELLE_BODY(TimeUp, 73);
};

struct Unhandled74 {
    template <class V> void Fields(V&) {}
    MIRELLE_BODY(Unhandled74, 74);
};

struct TimeoutCountNotice {
    int32_t userKey = -1;
    int32_t count = 0;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.I32("count", count); }
    MIRELLE_BODY(TimeoutCountNotice, 75);
};

struct Unhandled76 {
    template <class V> void Fields(V&) {}
    MIRELLE_BODY(Unhandled76, 76);
};

struct ServerValueForHost {
    int32_t value = 0;
    template <class V> void Fields(V& v) { v.I32("value", value); }
    MIRELLE_BODY(ServerValueForHost, 77);
};

struct VIPUpdate {
    uint32_t playSeconds = 0;
    int64_t moneyChange = 0;
    uint32_t wins = 0;
    uint32_t losses = 0;
    std::array<int32_t, 3> gates{};
    template <class V> void Fields(V& v)
    {
        v.U32("playSeconds", playSeconds);
        v.I64("moneyChange", moneyChange);
        v.U32("wins", wins);
        v.U32("losses", losses);
        v.Array("gates", gates);
    }
    MIRELLE_BODY(VIPUpdate, 78);
};

struct HandCardList {
    int32_t userKey = -1;
    CardList cards;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.List("cards", cards); }
    MIRELLE_BODY(HandCardList, 79);
};

struct ServerNoticeForHost {
    template <class V> void Fields(V&) {}
    MIRELLE_BODY(ServerNoticeForHost, 80);
};

#undef MIRELLE_BODY

// Every body type, in id order 1..80.
#define MIRELLE_FOR_EACH_BODY(X)                                                                               \
    X(RoomEnterAnswer) X(PlayerDisconnected) X(PlayerEnter) X(GameDataSync) X(JoinGameAnswer) X(PlayerLeave)   \
    X(EntryResult) X(KickReserve) X(SeatMark) X(EntryLimitChanged) X(UserAvatarString) X(VoiceTypeChanged)     \
    X(HostText) X(RoomInfoUpdate) X(GameReady) X(StakeConfirm) X(WaitingForStart) X(SeatsCleared)              \
    X(ShuffleCards) X(SunPicked) X(SunDecided) X(DealCards) X(MonthChoicePrompt) X(InitialFloorBonus)          \
    X(TurnStart) X(BonusCardPlayed) X(HandCardPlayed) X(CardChoicePrompt) X(YesNoChoicePrompt)                 \
    X(ShakeDeclared) X(CaptureEvent) X(DeckCardsFlipped) X(Ppeok) X(TurnResult) X(SMissionStart)               \
    X(DMissionStart) X(CMissionStart) X(C2MissionStart) X(SMissionResult) X(DMissionResult)                    \
    X(CMissionResult) X(C2MissionResult) X(SeptAnimalPrompt) X(SeptAnimalMoved) X(SeptAnimalKept)              \
    X(ScoreRefresh) X(GoOrStopPrompt) X(GoOrStopResult) X(RoundResult) X(SafeWithdrawal) X(GameEnd)            \
    X(TournamentRoundResult) X(TableReset) X(EventRoundResult) X(ResultStep) X(MoneyGained)                    \
    X(MoneyCapNotice) X(AntiLeaveCount) X(MoneyReturned) X(PlayCountUpdate) X(RefillResult)                    \
    X(UserRecordValues) X(ClearEffects) X(StopTurnTimer) X(MyUserInfo) X(Unhandled66) X(ChatMacro)             \
    X(RoomDeletedNotice) X(DesperateRoundResult) X(BetPrompt) X(RoomOptionNotice) X(RoundStart) X(TimeUp)      \
    X(Unhandled74) X(TimeoutCountNotice) X(Unhandled76) X(ServerValueForHost) X(VIPUpdate) X(HandCardList)     \
    X(ServerNoticeForHost)
