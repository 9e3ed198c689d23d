#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/RoomCodes.h"

// The room's sound effects by id (0..112) and its spoken phrases by cue (10000..10055).
namespace SoundTables {

constexpr int kEffectCount = 113;

constexpr int kFirstCue = static_cast<int>(::VoiceCue::Go1);
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

// A robot speaks only the cues up to yup.
constexpr bool RobotSpeaks(int cue)
{
    return cue >= kFirstCue && cue <= static_cast<int>(::VoiceCue::Yup);
}

}  // namespace SoundTables
