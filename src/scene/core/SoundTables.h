#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The room's sound effects by id (0..112) and its spoken phrases by cue (10000..10055).
namespace SoundTables {

constexpr int kEffectCount = 113;

// Effect ids the scene names; the table holds the file of every id 0..112.
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
    MissionComplete = 31,
    BoxNotify = 32,
    ResultWinner = 34,
    ResultLoser = 35,
    ResultGreatWinner = 36,
    ResultGreatLoser = 37,
    ResultPokjook = 41,
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
constexpr int kFirstCue = 10000;
constexpr int kCueCount = 56;

// The effect's file name relative to the sound folder; empty outside 0..112.
std::string EffectFileName(int id);
// The ids in the order they are registered (31 before 29 and 30, 96 before 88).
std::vector<int> EffectLoadOrder();

struct VoiceCue {
    const char* name = "";
    int variants = 0;
};
// The cue's entry; a cue outside 10000..10055 has an empty name.
VoiceCue GetVoiceCue(int cue);

enum class Voice { Male, Female, Robot };
// Gender 0 speaks male, 1 female; any other value (the robot's) the robot voice.
constexpr Voice VoiceOfGender(int32_t gender)
{
    return gender == 0 ? Voice::Male : gender == 1 ? Voice::Female : Voice::Robot;
}
// "Male%d\%s%d.ogg", "Female%d\%s%d.ogg" with the voice type (0..3, others 0) plus 1, or
// "Robot\%s%d.ogg".
std::string VoicePath(Voice voice, int voiceType, const std::string& name, int variant);

// A robot speaks only the cues up to 10020.
constexpr bool RobotSpeaks(int cue)
{
    return cue >= kFirstCue && cue <= 10020;
}

}  // namespace SoundTables
