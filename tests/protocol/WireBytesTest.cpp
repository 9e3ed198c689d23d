#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "protocol/GameMessage.h"
#include "protocol/GameRequest.h"
#include "protocol/Records.h"
#include "protocol_json/ProtocolJson.h"

// Each message and request is built by member name with a different value in every field and
// written; the bytes expected are typed in from the tables of docs/protocol.md. A round trip or the
// document check cannot see two fields of one type bound to each other's members; these bytes do.
// Every record travels inside some message, so its layout is checked there.

namespace {

using Bytes = std::vector<uint8_t>;

// The value of field k. An i64 has its high half set, so a value cut to 32 bits shows; a u32 has
// its top bit set.
int32_t I(int k) { return 0x0A0B0000 + k; }
uint32_t U(int k) { return 0xC0D00000u + static_cast<uint32_t>(k); }
int64_t L(int k) { return int64_t{0x1122334455660000} + k; }
std::string S(int k) { return "s" + std::to_string(k); }

void Put(Bytes& out, uint64_t v, int size)
{
    for (int n = 0; n < size; ++n) out.push_back(static_cast<uint8_t>(v >> (8 * n)));
}

// A run of expected bytes typed from a table: "i3" is the i32 value of field b + 3, "l5-7" fields
// b + 5 to b + 7 as i64s, "u" a u32, "s" a string, "#2" the 32-bit number 2 (an id, a type, a count).
Bytes Layout(int b, const std::string& layout)
{
    Bytes out;
    std::istringstream in(layout);
    for (std::string token; in >> token;) {
        const int first = std::stoi(token.substr(1));
        const size_t dash = token.find('-');
        const int last = dash == std::string::npos ? first : std::stoi(token.substr(dash + 1));
        if (token[0] == '#') Put(out, static_cast<uint32_t>(first), 4);
        for (int k = b + first; k <= b + last && token[0] != '#'; ++k) {
            const std::string text = S(k);
            switch (token[0]) {
            case 'i': Put(out, static_cast<uint32_t>(I(k)), 4); break;
            case 'u': Put(out, U(k), 4); break;
            case 'l': Put(out, static_cast<uint64_t>(L(k)), 8); break;
            case 's': Put(out, text.size(), 4); out.insert(out.end(), text.begin(), text.end()); break;
            default: ADD_FAILURE() << "bad layout " << token;
            }
        }
    }
    return out;
}

// A layout, or the bytes of a nested record.
struct Part {
    Part(const char* l) : layout(l) {}
    Part(Bytes b) : bytes(std::move(b)) {}
    std::string layout;
    Bytes bytes;
};

Bytes Cat(int b, std::initializer_list<Part> parts)
{
    Bytes all;
    for (const Part& p : parts) {
        const Bytes piece = p.layout.empty() ? p.bytes : Layout(b, p.layout);
        all.insert(all.end(), piece.begin(), piece.end());
    }
    return all;
}

// A record value and its wire bytes; `b` offsets the field numbers so nested records differ.
template <class T> struct Built {
    T value;
    Bytes bytes;
};

Built<RCUser> User(int b)
{
    RCUser u;
    u.userKey = I(b + 1); u.userId = S(b + 2); u.nickname = S(b + 3); u.avatarString = S(b + 4);
    u.titleText = S(b + 5); u.extraText1 = S(b + 6); u.extraText2 = S(b + 7); u.extraText3 = S(b + 8);
    u.gender = I(b + 9); u.gameMoney = L(b + 10); u.startMoney = L(b + 11); u.safeMoney = L(b + 12);
    u.secondMoney = L(b + 13); u.extraMoney = L(b + 14); u.moneyFloor = L(b + 15); u.tournamentMoney = L(b + 16);
    u.tournamentWins = I(b + 17); u.memberClub = L(b + 18); u.memberGold = L(b + 19); u.memberRoyal = L(b + 20);
    u.memberLower1 = L(b + 21); u.memberLower2 = L(b + 22); u.rankLevel = I(b + 23); u.badgeKind = I(b + 24);
    u.streakCount = I(b + 25); u.badgeFrame = I(b + 26); u.wins = I(b + 27); u.losses = I(b + 28);
    u.recordValues = {I(b + 29), I(b + 30), I(b + 31)}; u.unlimitedPlay = I(b + 32);
    u.playLimitClass = I(b + 33); u.dailyPlayCount = I(b + 34); u.freePlayValue = L(b + 35);
    u.jewelKind = I(b + 36); u.jewelCount = I(b + 37); u.targetScorePoints = I(b + 38);
    u.targetScorePointsBefore = I(b + 39); u.jackpotCount = I(b + 40); u.jackpotProgress = I(b + 41);
    u.assaValue = I(b + 42);
    return {u, Cat(b, {"i1 s2-8 i9 l10-16 i17 l18-22 i23-34 l35 i36-42"})};
}

Built<PlayerInfo> Player(int b)
{
    const Built<RCUser> user = User(b);
    PlayerInfo p;
    p.RCUser::CopyFrom(user.value);
    p.seatState = I(b + 43); p.dieWarningCount = I(b + 44); p.observeReserved = I(b + 45);
    p.exitReserved = I(b + 46); p.voiceType = I(b + 47); p.readyValue = I(b + 48); p.roomValue = I(b + 49);
    p.disconnectCount = I(b + 50); p.roundScore = I(b + 51); p.roundCounter1 = I(b + 52);
    p.roundCounter2 = I(b + 53); p.roundCounter3 = I(b + 54); p.turnTimeoutCount = I(b + 55);
    return {p, Cat(b, {user.bytes, "i43-55"})};
}

Built<PITable> Seats(int b)
{
    const Built<PlayerInfo> first = Player(b), second = Player(b + 100);
    PITable t;
    t.players[0] = first.value;
    t.players[1] = second.value;
    return {t, Cat(b, {first.bytes, second.bytes})};
}

Built<WinInfo> Win(int b)
{
    WinInfo w;
    w.winnerSeat = I(b + 1); w.secondValue = I(b + 2); w.goPoints = I(b + 3);
    w.categoryPoints = {I(b + 4), I(b + 5), I(b + 6), I(b + 7), I(b + 8), I(b + 9), I(b + 10), I(b + 11)};
    w.goExponent = I(b + 12); w.shakeCount = I(b + 13); w.missionMultiplier = I(b + 14);
    w.meongttaExponent = I(b + 15);
    return {w, Cat(b, {"i1-15"})};
}

Built<PlayerData> SeatData(int b)
{
    PlayerData d;
    d.gwangPile = {I(b + 1)}; d.animalPile = {I(b + 2), I(b + 3)}; d.ribbonPile = {I(b + 4)};
    d.piPile = {I(b + 5), I(b + 6)}; d.hand = {I(b + 7)}; d.goCount = I(b + 8); d.points = I(b + 9);
    d.shakeBombCount = I(b + 10); d.furtherCount = I(b + 11); d.displayValue1 = I(b + 12);
    d.displayValue2 = I(b + 13); d.missionActive = I(b + 14); d.missionValue = I(b + 15);
    return {d, Cat(b, {"#1 i1 #2 i2-3 #1 i4 #2 i5-6 #1 i7 i8-15"})};
}

Built<BonusCardMonth> BonusMonth(int b) { return {{.month = I(b + 1), .cardId = I(b + 2)}, Cat(b, {"i1-2"})}; }

Built<DMissionPart> MissionPart(int b)
{
    return {{.value = I(b + 1), .factor = I(b + 2), .owner = I(b + 3)}, Cat(b, {"i1-3"})};
}

Built<MissionCard> MissionCardOf(int b) { return {{.cardId = I(b + 1), .owner = I(b + 2)}, Cat(b, {"i1-2"})}; }

Built<GameDataTable> Snapshot(int b)
{
    const auto bonus1 = BonusMonth(b + 20), bonus2 = BonusMonth(b + 30);
    const auto part1 = MissionPart(b + 40), part2 = MissionPart(b + 50);
    const auto card = MissionCardOf(b + 60);
    const auto seat0 = SeatData(b + 100), seat1 = SeatData(b + 200);
    GameDataTable t;
    t.turnKey = I(b + 1); t.stepValue = I(b + 2); t.turnValue = I(b + 3); t.playState = I(b + 4);
    t.pointValue = I(b + 5); t.lastFloorCard = I(b + 6); t.bonusCards = {bonus1.value, bonus2.value};
    t.missionKind = I(b + 7); t.sMissionIndex = I(b + 8); t.sMissionFactor = I(b + 9);
    t.dMissionParts = {part1.value, part2.value}; t.missionCards = {card.value}; t.chamgiKind = I(b + 10);
    t.chamgiStage = I(b + 11); t.players = {seat0.value, seat1.value}; t.floor = {I(b + 12), I(b + 13)};
    t.deck = {I(b + 14)}; t.septemberChoice = I(b + 15); t.antiLeaveCount = I(b + 16);
    return {t, Cat(b, {"i1-6 #2", bonus1.bytes, bonus2.bytes, "i7-9 #2", part1.bytes, part2.bytes, "#1", card.bytes,
                       "i10-11 #2", seat0.bytes, seat1.bytes, "#2 i12-13 #1 i14 i15-16"})};
}

Built<Option> RoomOption(int b)
{
    Option o;
    o.stake = I(b + 1); o.minMoney = L(b + 2);
    o.ruleFlags = {I(b + 3), I(b + 4), I(b + 5), I(b + 6), I(b + 7), I(b + 8), I(b + 9), I(b + 10), I(b + 11)};
    o.ruleValue = I(b + 12); o.stakeMoney = L(b + 13); o.extraValue = I(b + 14); o.antiLeave = I(b + 15);
    o.turnTime = I(b + 16); o.reserved1 = I(b + 17); o.freeChannel = I(b + 18); o.reserved2 = I(b + 19);
    o.betAmount = L(b + 20); o.targetIndex = I(b + 21); o.challengeRule = I(b + 22); o.betIndex = I(b + 23);
    o.customBet = L(b + 24); o.noMinimumEntry = I(b + 25); o.betKind = I(b + 26); o.targetScoreLevel = I(b + 27);
    return {o, Cat(b, {"i1 l2 i3-12 l13 i14-19 l20 i21-23 l24 i25-27"})};
}

Built<RCRoomData> Room(int b)
{
    const Built<PITable> seats = Seats(b + 1000);
    const Built<Option> option = RoomOption(b + 2000);
    RCRoomData r;
    r.roomId = I(b + 1); r.roomState = I(b + 2); r.text1 = S(b + 3); r.text2 = S(b + 4); r.text3 = S(b + 5);
    r.text4 = S(b + 6); r.roomValue = I(b + 7); r.roomKind = I(b + 8); r.seats = seats.value;
    r.option = option.value; r.text5 = S(b + 9);
    return {r, Cat(b, {"i1-2 s3-6 i7-8", seats.bytes, option.bytes, "s9"})};
}

Built<PromotionRecord> Promotion(int b)
{
    return {{.jackpotFlags = {I(b + 1), I(b + 2), I(b + 3)}, .luckyFlags = {I(b + 4), I(b + 5), I(b + 6)},
             .jackpotCount = I(b + 7), .luckyValue = I(b + 8), .jackpotValue = I(b + 9),
             .values = {I(b + 10), I(b + 11)}, .moreValues = {I(b + 12), I(b + 13)}},
            Cat(b, {"i1-13"})};
}

Built<IntPair> Pair(int b) { return {{.first = I(b + 1), .second = I(b + 2)}, Cat(b, {"i1-2"})}; }

Built<PiTransfer> Transfer(int b) { return {{.fromKey = I(b + 1), .cardIndex = I(b + 2)}, Cat(b, {"i1-2"})}; }

Built<MissionPartResult> PartResult(int b) { return {{.changed = I(b + 1), .owner = I(b + 2)}, Cat(b, {"i1-2"})}; }

Built<BakEntry> Bak(int b)
{
    return {{.seat = I(b + 1), .gwangBak = I(b + 2), .piBak = I(b + 3), .goBak = I(b + 4)}, Cat(b, {"i1-4"})};
}

Built<GameEndSeat> EndSeat(int b)
{
    return {{.gameMoney = L(b + 1), .safeMoney = L(b + 2), .secondMoney = L(b + 3), .extraMoney = L(b + 4),
             .membership = {L(b + 5), L(b + 6), L(b + 7), L(b + 8), L(b + 9)}, .readyValue = I(b + 10),
             .roundCounter1 = I(b + 11), .roundCounter2 = I(b + 12), .roomValue = I(b + 13), .jewelKind = I(b + 14),
             .jewelCount = I(b + 15)},
            Cat(b, {"l1-9 i10-15"})};
}

Built<JackpotSeat> JackpotSeatOf(int b)
{
    return {{.stage = I(b + 1), .progress = I(b + 2), .wonAmount = L(b + 3), .luckyTicket = I(b + 4)},
            Cat(b, {"i1-2 l3 i4"})};
}

Built<JackpotRecord> Jackpot(int b)
{
    const auto seat0 = JackpotSeatOf(b + 10), seat1 = JackpotSeatOf(b + 20);
    return {{.jackpotFlags = {I(b + 1), I(b + 2), I(b + 3)}, .seats = {seat0.value, seat1.value},
             .playMinutesBefore = I(b + 4), .playMinutesAfter = I(b + 5)},
            Cat(b, {"i1-3", seat0.bytes, seat1.bytes, "i4-5"})};
}

Built<RefillRecord> Refill(int b)
{
    return {{.userKey = I(b + 1), .amount = L(b + 2), .refillsLeft = I(b + 3), .value = I(b + 4)},
            Cat(b, {"i1 l2 i3-4"})};
}

Built<UserRecordEntry> RecordEntry(int b)
{
    return {{.userKey = I(b + 1), .values = {I(b + 2), I(b + 3), I(b + 4)}}, Cat(b, {"i1-4"})};
}

// The leaves where the JSON forms of the value read and the value built differ.
std::string Differences(const Json& read, const Json& built)
{
    const Json r = read.flatten(), b = built.flatten();
    std::string out = "it reads back as another value:";
    for (const auto& [path, value] : r.items())
        if (!b.contains(path) || b[path] != value) out += "\n  " + path + " read " + DumpJson(value);
    for (const auto& [path, value] : b.items())
        if (!r.contains(path) || r[path] != value) out += "\n  " + path + " built " + DumpJson(value);
    return out;
}

// Where the bytes written first differ from those expected.
std::string FirstDifference(const Bytes& w, const Bytes& e)
{
    const auto at = std::mismatch(w.begin(), w.end(), e.begin(), e.end()).first - w.begin();
    return w == e ? "" : "first difference at byte " + std::to_string(at) + " of " + std::to_string(w.size()) + ", " +
                             std::to_string(e.size()) + " expected";
}

// One row: the name, what the protocol's writer gave, the bytes typed from the document, and what
// reading those bytes back gets wrong (empty when nothing).
struct WireCase {
    std::string name;
    Bytes written, expected;
    std::function<std::string(const Bytes&)> readBack;
};

template <class T> WireCase MessageCase(const T& body, std::initializer_list<Part> expected)
{
    return {T::kName, WriteGameMessage(GameMessage(body)), Cat(0, expected), [body](const Bytes& bytes) -> std::string {
                GameMessage back;
                if (!ReadGameMessage(bytes.data(), bytes.size(), back)) return "the read fails";
                const GameMessage want(body);
                return back == want ? "" : Differences(GameMessageToJson(back), GameMessageToJson(want));
            }};
}

template <class T> WireCase RequestCase(const T& payload, const char* expected)
{
    return {T::kName, SerializeGameRequest(GameRequest(payload)), Cat(0, {expected}),
            [payload](const Bytes& bytes) -> std::string {
                GameRequest back;
                if (!ReadGameRequest(bytes.data(), bytes.size(), back)) return "the read fails";
                const GameRequest want(payload);
                return back == want ? "" : Differences(GameRequestToJson(back), GameRequestToJson(want));
            }};
}

// Checks every row and answers the names covered.
template <size_t N> std::set<std::string> ExpectDocumentBytes(const WireCase (&cases)[N])
{
    std::set<std::string> names;
    for (const WireCase& c : cases) {
        names.insert(c.name);
        const std::string diff = FirstDifference(c.written, c.expected);
        if (!diff.empty()) ADD_FAILURE() << c.name << " written: " << diff;
        const std::string read = c.readBack(c.expected);
        if (!read.empty()) ADD_FAILURE() << c.name << " reading the document's bytes: " << read;
    }
    return names;
}

}  // namespace

TEST(WireBytes, EveryMessageIsWrittenAsTheDocumentLaysItOut)
{
    const auto user = User(100);
    const auto player = Player(100);
    const auto room = Room(1000);
    const auto promotion = Promotion(5000);
    const auto table = Snapshot(100);
    const auto win = Win(100);
    const auto bak1 = Bak(200), bak2 = Bak(210);
    const auto endSeat0 = EndSeat(100), endSeat1 = EndSeat(200);
    const auto jackpot = Jackpot(300);
    const WireCase cases[] = {
        MessageCase(RoomEnterAnswer{.clientVersion = U(1), .user = user.value, .ownerKey = U(2), .entryMode = I(3),
                                    .entryValue = I(4), .playLimitCount = I(5), .room = room.value,
                                    .hostText = S(6), .value1 = I(7), .askBeforeJoining = I(8),
                                    .promotion = promotion.value, .jewelCount = U(9), .jewelKind = U(10),
                                    .jewelSwitch = I(11),
                                    .promotionValues = {I(12), I(13), I(14), I(15), I(16), I(17), I(18), I(19), I(20)},
                                    .promotionValue = U(21), .moreValues = {I(22), I(23), I(24)},
                                    .finalValue = U(25)},
                    {"#1 u1", user.bytes, "u2 i3-5", room.bytes, "s6 i7-8", promotion.bytes,
                     "u9-10 i11-20 u21 i22-24 u25"}),
        MessageCase(PlayerDisconnected{.userKey = I(1), .kind = I(2)}, {"#2 i1-2"}),
        MessageCase(PlayerEnter{.userKey = I(1), .playState = I(2), .value = I(3), .player = player.value,
                                .ownHand = {I(4), I(5)}, .kickList = {I(6)}},
                    {"#3 i1-3", player.bytes, "#2 i4-5 #1 i6"}),
        MessageCase(GameDataSync{.targetKey = I(1), .table = table.value}, {"#4 i1", table.bytes}),
        MessageCase(JoinGameAnswer{.userKey = I(1), .result = I(2), .ownerKey = I(3), .seatIndex = I(4),
                                   .antiLeaveCount = I(5), .player = player.value},
                    {"#5 i1-5", player.bytes}),
        MessageCase(PlayerLeave{.userKey = U(1), .reason = U(2), .value = I(3), .detail = S(4)}, {"#6 u1-2 i3 s4"}),
        MessageCase(EntryResult{.value = I(1), .code = I(2), .roomKind = I(3), .text = S(4)}, {"#7 i1-3 s4"}),
        MessageCase(KickReserve{.kind = I(1), .userKey = I(2), .targetKey = I(3), .value = I(4), .money = L(5),
                                .name = S(6)},
                    {"#8 i1-4 l5 s6"}),
        MessageCase(SeatMark{.kind = I(1), .userKey = I(2), .text = S(3)}, {"#9 i1-2 s3"}),
        MessageCase(EntryLimitChanged{.kind = I(1), .userKey = I(2), .text = S(3), .value = I(4), .showFlag = I(5)},
                    {"#10 i1-2 s3 i4-5"}),
        MessageCase(UserAvatarString{.userKey = I(1), .avatar = S(2)}, {"#11 i1 s2"}),
        MessageCase(VoiceTypeChanged{.userKey = I(1), .value = I(2), .voiceType = I(3)}, {"#12 i1-3"}),
        // Text bytes travel unchanged: two CP949 syllables.
        MessageCase(HostText{.text = "\xC7\xD1\xB1\xDB"}, {"#13 #4", Bytes{0xC7, 0xD1, 0xB1, 0xDB}}),
        MessageCase(RoomInfoUpdate{.text = S(1), .value = I(2)}, {"#14 s1 i2"}),
        MessageCase(GameReady{.doublingExponent = I(1), .stakeAmount = I(2), .readyValues = {I(3), I(4)}},
                    {"#15 i1-4"}),
        MessageCase(StakeConfirm{.stake = I(1), .values = {I(2), I(3)}}, {"#16 i1-3"}),
        MessageCase(WaitingForStart{.firstKey = I(1), .startFlag = I(2), .confirmFlag = I(3), .stake = I(4),
                                    .values = {I(5), I(6)}, .chamgiFlag = I(7), .chamgiKind = I(8),
                                    .antiLeaveFlag = I(9)},
                    {"#17 i1-9"}),
        MessageCase(SeatsCleared{.robotCode = I(1), .count = I(2), .joinFlag = I(3), .value = L(4)}, {"#18 i1-3 l4"}),
        MessageCase(ShuffleCards{.mode = I(1), .cardCount = I(2), .cards = {I(3), I(4)}}, {"#19 i1-2 #2 i3-4"}),
        MessageCase(SunPicked{.userKey = I(1), .pick = I(2), .value = I(3)}, {"#20 i1-3"}),
        MessageCase(SunDecided{.firstKey = I(1)}, {"#21 i1"}),
        MessageCase(DealCards{.userKey = U(1), .floorCards = {I(2), I(3)}, .handCards = {I(4)}, .chamgiKind = I(5),
                              .chamgiStage = I(6), .missionKind = I(7), .missionMusic = I(8),
                              .money1 = {L(9), L(10)}, .money2 = {L(11), L(12)}, .value = I(13)},
                    {"#22 u1 #2 i2-3 #1 i4 i5-8 l9-12 i13"}),
        MessageCase(MonthChoicePrompt{.userKey = U(1), .kind = I(2), .cards = {I(3), I(4)}}, {"#23 u1 i2 #2 i3-4"}),
        MessageCase(InitialFloorBonus{.value = U(1), .toPile = {I(2)}, .toFloor = {I(3), I(4)}},
                    {"#24 u1 #1 i2 #2 i3-4"}),
        MessageCase(TurnStart{.turnKey = I(1), .pendingPassCount = I(2)}, {"#25 i1-2"}),
        MessageCase(BonusCardPlayed{.userKey = I(1), .bonusCard = I(2), .replacementCard = I(3), .keepOrder = I(4)},
                    {"#26 i1-4"}),
        MessageCase(HandCardPlayed{.userKey = I(1), .cards = {I(2), I(3)}, .bombFlag = I(4)}, {"#27 i1 #2 i2-3 i4"}),
        MessageCase(CardChoicePrompt{.userKey = I(1), .value = I(2), .offered = {I(3), I(4)}}, {"#28 i1-2 #2 i3-4"}),
        MessageCase(YesNoChoicePrompt{.userKey = I(1)}, {"#29 i1"}),
        MessageCase(ShakeDeclared{.userKey = I(1), .shakeBombCount = I(2), .cards = {I(3), I(4)}, .kind = I(5),
                                  .value = I(6)},
                    {"#30 i1-2 #2 i3-4 i5-6"}),
        MessageCase(CaptureEvent{.userKey = U(1), .kind = U(2), .values = {I(3), I(4)},
                                 .pairs = {Pair(10).value, Pair(20).value}},
                    {"#31 u1-2 #2 i3-4 #2", Pair(10).bytes, Pair(20).bytes}),
        MessageCase(DeckCardsFlipped{.userKey = I(1), .bonusTake = I(2), .cards = {I(3)}, .pendingPassCount = I(4),
                                     .missionValue = I(5)},
                    {"#32 i1-2 #1 i3 i4-5"}),
        MessageCase(Ppeok{.userKey = I(1), .count = I(2), .moneyFlag = I(3), .amount = L(4), .money = {L(5), L(6)},
                          .secondMoney = {L(7), L(8)}},
                    {"#33 i1-3 l4-8"}),
        MessageCase(TurnResult{.userKey = U(1), .turnKind = U(2), .captured = {I(3), I(4)}, .multiplier = I(5),
                               .points = {I(6), I(7)}, .piTransfers = {Transfer(10).value, Transfer(20).value},
                               .kjValue = I(8), .bonusFlag = I(9)},
                    {"#34 u1-2 #2 i3-4 i5-7 #2", Transfer(10).bytes, Transfer(20).bytes, "i8-9"}),
        MessageCase(SMissionStart{.missionIndex = I(1), .factor = I(2)}, {"#35 i1-2"}),
        MessageCase(DMissionStart{.values = {I(1), I(2)}, .factors = {I(3), I(4)}}, {"#36 i1-4"}),
        MessageCase(CMissionStart{.cards = {I(1), I(2), I(3), I(4)}}, {"#37 i1-4"}),
        MessageCase(C2MissionStart{.cards = {I(1), I(2), I(3)}}, {"#38 i1-3"}),
        MessageCase(SMissionResult{.ownerSeat = I(1), .success = {I(2), I(3)}, .money = {L(4), L(5)},
                                   .secondMoney = {L(6), L(7)}, .amount = L(8)},
                    {"#39 i1-3 l4-8"}),
        MessageCase(DMissionResult{{.parts = {PartResult(10).value, PartResult(20).value}, .money = {L(1), L(2)},
                                    .secondMoney = {L(3), L(4)}, .amount = L(5)}},
                    {"#40", PartResult(10).bytes, PartResult(20).bytes, "l1-5"}),
        MessageCase(CMissionResult{{.parts = {PartResult(10).value, PartResult(20).value, PartResult(30).value,
                                              PartResult(40).value},
                                    .money = {L(1), L(2)}, .secondMoney = {L(3), L(4)}, .amount = L(5)}},
                    {"#41", PartResult(10).bytes, PartResult(20).bytes, PartResult(30).bytes, PartResult(40).bytes,
                     "l1-5"}),
        MessageCase(C2MissionResult{{.parts = {PartResult(10).value, PartResult(20).value, PartResult(30).value},
                                     .money = {L(1), L(2)}, .secondMoney = {L(3), L(4)}, .amount = L(5)}},
                    {"#42", PartResult(10).bytes, PartResult(20).bytes, PartResult(30).bytes, "l1-5"}),
        MessageCase(SeptAnimalPrompt{.userKey = I(1), .flag = I(2), .value = I(3)}, {"#43 i1-3"}),
        MessageCase(SeptAnimalMoved{.userKey = I(1), .cardId = I(2)}, {"#44 i1-2"}),
        MessageCase(SeptAnimalKept{.userKey = I(1)}, {"#45 i1"}),
        MessageCase(ScoreRefresh{.points = {I(1), I(2)}, .septemberFlag = I(3)}, {"#46 i1-3"}),
        MessageCase(GoOrStopPrompt{.userKey = I(1), .points = I(2), .septemberFlag = I(3)}, {"#47 i1-3"}),
        MessageCase(GoOrStopResult{.userKey = I(1), .value = I(2), .goCount = I(3), .goFlag = I(4),
                                   .septemberFlag = I(5)},
                    {"#48 i1-5"}),
        MessageCase(RoundResult{.resultKind = U(1), .winnerKey = U(2), .value3 = I(3), .drawCount = I(4),
                                .value5 = L(5), .money = {L(6), L(7)}, .moneyChange = {L(8), L(9)},
                                .secondMoney = {L(10), L(11)}, .winInfo = win.value,
                                .bakList = {bak1.value, bak2.value}, .playLimitClass = {U(12), U(13)},
                                .dailyPlayCount = {U(14), U(15)}, .moneyFloor = L(16), .assaValue = {I(17), I(18)},
                                .roundValue = {L(19), L(20)}, .freePlayValue = {L(21), L(22)},
                                .rankingPoints = {U(23), U(24)}, .seatValue = {I(25), I(26)},
                                .chamgiOffered = I(27), .chamgiImageSet = I(28), .remainingDeck = {I(29), I(30)},
                                .remainingHands = {{CardList{I(31)}, CardList{I(32), I(33)}}}, .eventMark = I(34),
                                .tungOffered = I(35), .eventFundShare = I(36)},
                    {"#49 u1-2 i3-4 l5-11", win.bytes, "#2", bak1.bytes, bak2.bytes,
                     "u12-15 l16 i17-18 l19-22 u23-24 i25-28 #2 i29-30 #1 i31 #2 i32-33 i34-36"}),
        MessageCase(SafeWithdrawal{.userKey = U(1), .kind = U(2), .amount = L(3), .value = L(4), .value2 = U(5)},
                    {"#50 u1-2 l3-4 u5"}),
        MessageCase(GameEnd{.firstKey = I(1), .antiLeaveCount = I(2), .entryValue = I(3),
                            .seats = {endSeat0.value, endSeat1.value}, .jackpot = jackpot.value,
                            .leaveList = {{I(4), S(5), S(6)}, {I(7), S(8), S(9)}}, .leaveFlag = I(10)},
                    {"#51 i1-3", endSeat0.bytes, endSeat1.bytes, jackpot.bytes, "#2 i4 s5-6 i7 s8-9 i10"}),
        MessageCase(TournamentRoundResult{.resultKind = U(1), .winnerKey = U(2), .value3 = U(3), .drawCount = I(4),
                                          .value5 = L(5), .tournamentMoney = {L(6), L(7)},
                                          .moneyChange = {L(8), L(9)}, .winInfo = win.value, .bakList = {bak1.value},
                                          .remainingDeck = {I(10), I(11)},
                                          .remainingHands = {{CardList{I(12), I(13)}, CardList{I(14)}}}},
                    {"#52 u1-3 i4 l5-9", win.bytes, "#1", bak1.bytes, "#2 i10-11 #2 i12-13 #1 i14"}),
        MessageCase(TableReset{.firstKey = I(1), .value1 = I(2), .value2 = I(3), .money = {L(4), L(5)}},
                    {"#53 i1-3 l4-5"}),
        MessageCase(EventRoundResult{.resultKind = U(1), .winnerKey = U(2), .value3 = L(3), .moneyChange = {L(4), L(5)},
                                     .tournamentMoney = {L(6), L(7)}, .playLimitClass = {U(8), U(9)},
                                     .dailyPlayCount = {U(10), U(11)}, .freePlayValue = {L(12), L(13)}},
                    {"#54 u1-2 l3-7 u8-11 l12-13"}),
        MessageCase(ResultStep{.seat = I(1), .step = I(2), .value = I(3)}, {"#55 i1-3"}),
        MessageCase(MoneyGained{.giverKey = I(1), .takerKey = I(2), .giverAmount = L(3), .takerAmount = L(4),
                                .money = {L(5), L(6)}},
                    {"#56 i1-2 l3-6"}),
        MessageCase(MoneyCapNotice{.userKey = U(1), .grade = U(2), .cap = L(3), .extraMoney = L(4), .deadline = L(5),
                                   .gameMoney = L(6), .value = L(7), .text = S(8)},
                    {"#57 u1-2 l3-7 s8"}),
        MessageCase(AntiLeaveCount{.seat = I(1), .a = I(2), .b = I(3)}, {"#58 i1-3"}),
        MessageCase(MoneyReturned{.userKey = U(1), .value = I(2), .amount = L(3)}, {"#59 u1 i2 l3"}),
        MessageCase(PlayCountUpdate{.userKey = U(1), .value = I(2), .freePlayValue = L(3), .playLimitClass = U(4),
                                    .dailyPlayCount = U(5)},
                    {"#60 u1 i2 l3 u4-5"}),
        MessageCase(RefillResult{.kind = I(1), .giftAmount = L(2), .refills = {Refill(10).value, Refill(20).value}},
                    {"#61 i1 l2 #2", Refill(10).bytes, Refill(20).bytes}),
        MessageCase(UserRecordValues{.entries = {RecordEntry(10).value, RecordEntry(20).value}},
                    {"#62 #2", RecordEntry(10).bytes, RecordEntry(20).bytes}),
        MessageCase(ClearEffects{}, {"#63"}),
        MessageCase(StopTurnTimer{}, {"#64"}),
        MessageCase(MyUserInfo{.user = user.value}, {"#65", user.bytes}),
        MessageCase(Unhandled66{}, {"#66"}),
        MessageCase(ChatMacro{.userKey = I(1), .macro = I(2)}, {"#67 i1-2"}),
        MessageCase(RoomDeletedNotice{}, {"#68"}),
        MessageCase(DesperateRoundResult{.resultKind = U(1), .winnerKey = U(2), .value3 = U(3), .gameOver = I(4),
                                         .value5 = I(5), .drawCount = I(6), .money = {L(7), L(8)},
                                         .roundMoney = {L(9), L(10)}, .winInfo = win.value,
                                         .bakList = {bak1.value, bak2.value}, .moneyFloor = L(11),
                                         .assaValue = {I(12), I(13)}, .roundValue = {L(14), L(15)},
                                         .freePlayValue = {L(16), L(17)}, .rankingPoints = {U(18), U(19)},
                                         .seatValue = {I(20), I(21)}, .value17 = I(22), .chamgiExponent = I(23),
                                         .targetScorePoints = I(24), .remainingDeck = {I(25)},
                                         .remainingHands = {{CardList{I(26), I(27)}, CardList{I(28)}}}},
                    {"#69 u1-3 i4-6 l7-10", win.bytes, "#2", bak1.bytes, bak2.bytes,
                     "l11 i12-13 l14-17 u18-19 i20-24 #1 i25 #2 i26-27 #1 i28"}),
        MessageCase(BetPrompt{.userKey = I(1), .kind = I(2), .amount = L(3)}, {"#70 i1-2 l3"}),
        MessageCase(RoomOptionNotice{.value = I(1), .flag = I(2), .amount = L(3), .betKind = I(4)}, {"#71 i1-2 l3 i4"}),
        MessageCase(RoundStart{.roundIndex = I(1)}, {"#72 i1"}),
        MessageCase(TimeUp{}, {"#73"}),
        MessageCase(Unhandled74{}, {"#74"}),
        MessageCase(TimeoutCountNotice{.userKey = I(1), .count = I(2)}, {"#75 i1-2"}),
        MessageCase(Unhandled76{}, {"#76"}),
        MessageCase(ServerValueForHost{.value = I(1)}, {"#77 i1"}),
        MessageCase(VIPUpdate{.playSeconds = U(1), .moneyChange = L(2), .wins = U(3), .losses = U(4),
                              .gates = {I(5), I(6), I(7)}},
                    {"#78 u1 l2 u3-4 i5-7"}),
        MessageCase(HandCardList{.userKey = I(1), .cards = {I(2), I(3)}}, {"#79 i1 #2 i2-3"}),
        MessageCase(ServerNoticeForHost{}, {"#80"}),
    };
    const std::set<std::string> covered = ExpectDocumentBytes(cases);
    for (int32_t id = 1; id <= kMaxGameMessageId; ++id)
        EXPECT_TRUE(covered.count(std::string(GameMessageName(id)))) << "no expected bytes for message " << id;
}

TEST(WireBytes, EveryRequestIsWrittenAsTheDocumentLaysItOut)
{
    using namespace Requests;
    const WireCase cases[] = {
        RequestCase(Unsent0{}, "#0"), RequestCase(VoiceType{.voiceType = I(1)}, "#1 i1"),
        RequestCase(Play{.voiceType = I(1), .flag = I(2)}, "#2 i1-2"), RequestCase(Observe{}, "#3"),
        RequestCase(ExitRoom{}, "#4"), RequestCase(Kick{.target = I(1)}, "#5 i1"),
        RequestCase(OptionChange{.value = I(1), .voiceType = I(2)}, "#6 i1-2"),
        RequestCase(GameReadyAnswer{.answer = I(1)}, "#7 i1"),
        RequestCase(StartWithEmptySeat{.value = I(1)}, "#8 i1"), RequestCase(StartGame{.value = I(1)}, "#9 i1"),
        RequestCase(SunPick{.timedOut = I(1), .pick = I(2)}, "#10 i1-2"),
        RequestCase(MonthChoice{.choice = I(1)}, "#11 i1"),
        RequestCase(PlayCard{.timedOut = I(1), .card = I(2), .missedMatch = I(3)}, "#12 i1-3"),
        RequestCase(CardChoice{.timedOut = I(1), .card = I(2)}, "#13 i1-2"),
        RequestCase(YesNoChoice{.timedOut = I(1), .choice = I(2)}, "#14 i1-2"),
        RequestCase(SeptAnimalChoice{.timedOut = I(1), .choice = I(2), .card = I(3)}, "#15 i1-3"),
        RequestCase(GoOrStop{.timedOut = I(1), .choice = I(2)}, "#16 i1-2"), RequestCase(Unsent17{}, "#17"),
        RequestCase(ResultChoice{.choice = I(1), .skin = I(2)}, "#18 i1-2"), RequestCase(TournamentResultOk{}, "#19"),
        RequestCase(DealShown{.a = I(1), .b = I(2)}, "#20 i1-2"), RequestCase(GiveUp{}, "#21"),
        RequestCase(Chamgi{.choice = I(1)}, "#22 i1"), RequestCase(Unsent23{}, "#23"),
        RequestCase(BettingChoice{.index = I(1)}, "#24 i1"), RequestCase(HostPageState{.state = I(1)}, "#25 i1"),
        RequestCase(Unsent26{}, "#26"), RequestCase(Macro{.number = I(1)}, "#27 i1"),
        RequestCase(Tung{.value = I(1)}, "#28 i1"), RequestCase(Challenge{.choice = I(1)}, "#29 i1"),
        RequestCase(Bet{.a = I(1), .b = I(2)}, "#30 i1-2"), RequestCase(DesperateExit{}, "#31"),
        RequestCase(DesperateDecline{}, "#32"), RequestCase(AutoPlay{.flag = I(1)}, "#33 i1"),
        RequestCase(TimeoutCount{.count = I(1)}, "#34 i1"), RequestCase(CheckNoticeReply{.userKey = I(1)}, "#35 i1"),
        RequestCase(HostUserText{.userKey = I(1), .text = S(2)}, "#36 i1 s2"),
    };
    const std::set<std::string> covered = ExpectDocumentBytes(cases);
    for (int32_t type = 0; type <= kMaxGameRequestType; ++type)
        EXPECT_TRUE(covered.count(std::string(GameRequestName(type)))) << "no expected bytes for request " << type;
}
