#pragma once

#include <cstdint>

// The codes the room shares between its layers: sound ids, voice cues, room kinds and the
// message box's types and answers. Every layer above the protocol may include it.

// The module's game number: the options' registry subkey, the portal's ini and the host's pages.
constexpr int kGameNumber = 24;
constexpr int kSeatCount = 2;
constexpr int kHandSlots = 10;
// The voice types a user can choose.
constexpr int kVoiceCount = 4;

// The room's sound effects the code names; the sound table holds the file of every id 0..112.
enum class SoundId : int {
    RoomJoin = 0,
    RoomExit = 1,
    GameExit = 3,
    GameDisconnect = 4,
    StartDefault = 5,
    StartPromotion = 6,
    GameStart = 7,
    RoundStart = 8,
    GameClear = 9,
    CardSort = 10,
    CardShare = 11,
    CardMove = 12,
    CardPut1 = 13,
    CardPut2 = 14,
    CardPut3 = 15,
    CardPut4 = 16,
    CardPut5 = 17,
    HoldOpen = 19,
    ButtonClick = 20,
    NotifyTurn = 21,
    CountTick = 22,
    NotifyShake = 23,
    NotifyBomb = 24,
    TwoCardBomb = 25,
    NuBomb = 26,
    NuBombNotify = 27,
    MissionNotify = 28,
    NotifyGoStop = 30,
    MissionComplete = 31,
    BoxNotify = 32,
    ResultWinner = 34,
    ResultLoser = 35,
    ResultGreatWinner = 36,
    ResultGreatLoser = 37,
    ResultEventWinner = 38,
    ResultEventShared = 39,
    ResultEventLoser = 40,
    ResultPokjook = 41,
    ResultMoneyGlyph = 42,
    ResultMultiplier = 43,
    DaebakStamp = 44,
    NotifyGoBak = 46,
    KungJJakAppear = 47,
    KungJJakKung = 48,
    KungJJakJjak = 49,
    KungJJakBoth = 50,
    KungJJakCoinSuccess = 51,
    KungJJakCoinFail = 52,
    DealThud = 53,
    Pulse = 54,
    MissionCardTaken = 56,
    ChamgiHover = 57,
    ThreeGoWin = 81,
    ThreeGoLose = 82,
    StartEffect = 83,
    MissionReveal = 85,
    SunShuffle = 88,
    SunOver = 89,
    SunSelect = 90,
    SunGood = 91,
    SunBad = 92,
    Capture = 96,
    ChamgiMusic1 = 97,
    ChamgiMusic2 = 98,
    NotifyChamgi = 99,
    GaugeRise = 101,
    RoundNumber = 103,
    TargetScoreWin = 104,
    TargetScoreLose = 105,
    Enter = 106,
    TargetScoreDraw = 107,
    JewelGained = 108,
    JokboAlert = 109,
    BbuckEat = 110,
    MissionEat = 111,
    ScoreOk = 112,
};

// The room's spoken phrases; the sound table holds each cue's file name and variants.
enum class VoiceCue : int {
    Go1 = 10000,
    Go2 = 10001,
    Go3 = 10002,
    Go4 = 10003,
    Go5 = 10004,
    ThreeGwang = 10005,
    FourGwang = 10006,
    FiveGwang = 10007,
    Godori = 10008,
    Chungdan = 10009,
    Hongdan = 10010,
    Chodan = 10011,
    Shake = 10012,
    Poktan = 10013,
    Ddadak = 10014,
    Jjock = 10015,
    Sweep = 10016,
    Assa = 10017,
    Huck = 10018,
    RobotBonus = 10019,
    Yup = 10020,  // the last cue a robot speaks
    Go6 = 10021,
    Go7 = 10022,
    Puck = 10023,
    ThreePpeok = 10024,
    BringPuck = 10025,
    BringJaPuck = 10026,
    Stop = 10027,
    Draw = 10028,
    RainThreeGwang = 10029,
    Chongtong = 10030,
    FourShake = 10031,
    MissionSuccess = 10032,
    Welcome = 10033,
    GoodStart = 10034,
    BadStart = 10035,
    Hurry = 10036,
    BonusPi = 10037,
    FirstChamgi = 10038,
    SecondChamgi = 10039,
    TwoPoktan = 10040,
    // The chat macros' phrases; the second of a pair is heard by the other users.
    MacroHello = 10041,
    MacroCongrats = 10042,
    MacroSorry = 10043,
    MacroHurry = 10044,
    MacroBye = 10045,
    MacroHappy = 10046,
    MacroHappyOther = 10047,
    MacroUnhappy = 10048,
    MacroUnhappyOther = 10049,
    MacroBeg = 10050,
    MacroBegOther = 10051,
    MacroJeer = 10052,
    MacroJeerOther = 10053,
    MacroDismay = 10054,
    MacroDismayOther = 10055,
};

// Room kinds from the wire: the ordinary rooms 0..11 (5..10 event rooms, 8..10 of them able to
// forbid leaving), the tournaments 20..26 and 30..32, the target-score rooms 40..43 and room 60,
// which shows no room animations.
constexpr int32_t kBasicRoomKind = 0;
constexpr int32_t kSevenWinFinalRoomKind = 26;
constexpr int32_t kThreeWinFinalRoomKind = 32;
constexpr int32_t kQuietRoomKind = 60;
constexpr int32_t kFirstSevenWinRoomKind = 20;
constexpr int32_t kFirstThreeWinRoomKind = 30;

constexpr bool IsOrdinaryRoom(int32_t roomKind)
{
    return roomKind >= kBasicRoomKind && roomKind <= 11;
}
constexpr bool IsEventRoom(int32_t roomKind)
{
    return roomKind >= 5 && roomKind <= 10;
}
// The rule holds with the room's setting 1..3.
constexpr bool IsAntiLeaveRoom(int32_t roomKind, int32_t antiLeaveSetting)
{
    return roomKind >= 8 && roomKind <= 10 && antiLeaveSetting >= 1 && antiLeaveSetting <= 3;
}
constexpr bool IsSevenWinTournamentRoom(int32_t roomKind)
{
    return roomKind >= kFirstSevenWinRoomKind && roomKind <= kSevenWinFinalRoomKind;
}
constexpr bool IsThreeWinTournamentRoom(int32_t roomKind)
{
    return roomKind >= kFirstThreeWinRoomKind && roomKind <= kThreeWinFinalRoomKind;
}
constexpr bool IsTournamentRoom(int32_t roomKind)
{
    return IsSevenWinTournamentRoom(roomKind) || IsThreeWinTournamentRoom(roomKind);
}
constexpr bool IsTargetScoreRoom(int32_t roomKind)
{
    return roomKind >= 40 && roomKind <= 43;
}

// The message box: its buttons and the answer that closed it; a box that could not open answers
// Cancel.
enum class BoxType : int { Ok = 0, OkCancel = 1 };
enum class BoxAnswer : int { Ok = 1, Cancel = 2 };
constexpr uint32_t kBoxTextColor = 0xCF7F00;  // COLORREF
