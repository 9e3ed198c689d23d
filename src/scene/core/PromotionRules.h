#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "protocol/RoomCodes.h"

// The rules of the promotion banners and the bonus-jackpot event, without widgets.
namespace PromotionRules {

constexpr int32_t kGaugeFrames = 15;
constexpr int32_t kGaugeCountLimit = 3;   // the gauge shows while the count is below this
constexpr int32_t kEventOverCount = 4;    // the count once the event ended for the user
constexpr int32_t kJackpotIntroClip = 15; // also the clip of the sixteenth amount
constexpr int32_t kJackpotClipCount = 20;
// The second gauge starts on this clip of the gauge file: the light running over the bar.
constexpr const char* kGaugeLightClip = "SHINE";

// The jackpot amounts by clip; the last one does not fit in 32 bits.
extern const std::array<int64_t, kJackpotClipCount> kJackpotAmounts;

// The clip of a won amount; nothing for an amount not in the table.
std::optional<int32_t> JackpotClip(int64_t amount);
// The gauge frame of a progress value, 0..14 for any progress.
int32_t GaugeFrame(int32_t progress);
bool AllSet(const std::array<int32_t, 3>& flags);

struct EventState {
    std::array<int32_t, 3> jackpotFlags{};
    std::array<int32_t, 3> luckyFlags{};
    int32_t jackpotCount = 0;
    int32_t jackpotCountCopy = 0;
    int32_t jackpotProgress = 0;
    int32_t jackpotValue = 0;
    int32_t jackpotValueShown = 0;

    bool JackpotRuns() const { return AllSet(jackpotFlags); }
    bool LuckyRuns() const { return AllSet(luckyFlags); }
    // The event runs and the user still counts games towards it.
    bool GaugeOn() const { return JackpotRuns() && jackpotCount < kGaugeCountLimit; }
    // Both counts at 4: the gauge is gone for good.
    void EndForUser() { jackpotCount = jackpotCountCopy = kEventOverCount; }
};

// The chat lines of the events at room entry.
std::vector<std::string> EventNoticeLines(const EventState& state);

enum class EventBanner { None, Jackpot, WinMoneyLimit, Mission };
// The banner of a game's start; `coin` is a random value (only its lowest bit counts).
EventBanner ChooseEventBanner(const EventState& state, int32_t missionMode, int32_t roomKind, int coin);

// What the own seat's jackpot result does to the gauge, the animation and the chat.
enum class GaugeAction { Keep, Stop, ShowFrame };
struct OwnJackpotOutcome {
    GaugeAction gauge = GaugeAction::Keep;
    int32_t gaugeFrame = 0;
    std::optional<int32_t> clip;  // played after the intro clip
    std::string chatLine;         // empty: nothing printed
};
struct JackpotSeatResult {
    int32_t stage = 0;
    int32_t progress = 0;
    int64_t wonAmount = 0;
    int32_t luckyTicket = 0;
};
// Takes the flags and the seat's result into the state and says what shows.
OwnJackpotOutcome ApplyOwnJackpotResult(EventState& state, const std::array<int32_t, 3>& flags,
                                        const JackpotSeatResult& seat);
// The line of a won lucky-draw ticket; empty without one.
std::string LuckyTicketLine(int32_t ticket);

}  // namespace PromotionRules
