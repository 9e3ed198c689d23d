#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the option window's OK does with the user's choices: which values are written, which are
// kept, when the voice goes to the server and whether the summary line is due.
namespace OptionPlan {

struct OptionValues {
    int32_t volume = 0;     // hundredths of a decibel
    int32_t cardSpeed = 0;  // -3..3
    bool voiceOn = true;
    int32_t voiceType = 0;  // 0..3
    int32_t skin = 0;       // 0..1
    bool operator==(const OptionValues&) const = default;
};

// The window's choices: the speed as its radio position 0..4.
struct OptionChoice {
    int32_t volume = 0;
    int32_t speedPosition = 0;
    bool voiceOn = true;
    int32_t voiceType = 0;
    int32_t skin = 0;
};

// Where the choices go; the scene carries each step out.
class OptionTarget {
public:
    virtual bool WriteString(const std::string& name, const std::string& text) = 0;
    virtual bool WriteDword(const std::string& name, uint32_t value) = 0;
    // Loads the skin's table picture; false keeps the old skin.
    virtual bool LoadSkin(int32_t skin) = 0;
    virtual void SendVoiceType(int32_t voiceType) = 0;
    // The chat macros and the host's "macro" control follow the voices switch.
    virtual void SetMacros(bool on) = 0;

protected:
    ~OptionTarget() = default;
};

struct Outcome {
    OptionValues kept;   // the user's stored options after the writes
    bool speedChanged = false;
    bool summaryDue = false;
};

// The radio position of a card speed, and back.
int32_t SpeedPosition(int32_t cardSpeed);
inline int32_t SpeedOfPosition(int32_t position) { return position - 3; }

// Applies the choices against the stored options: a value is written only when it changed and kept
// only when its write succeeded (the volume is always written). In a room that forces a speed, a
// speed left at the forced one is the room's, not the user's: nothing is written for it.
Outcome Apply(const OptionValues& stored, std::optional<int32_t> forcedSpeed, const OptionChoice& choice,
              OptionTarget& target);

// The speed's word of the summary: -1 "보통", 0.. "빠름<speed + 1>", ..-2 "느림<-1 - speed>".
std::string SpeedWord(int32_t cardSpeed);
// The one chat line of the options; voices off name the voice "클래식".
std::string SummaryLine(int32_t gender, const OptionValues& values);

}  // namespace OptionPlan
