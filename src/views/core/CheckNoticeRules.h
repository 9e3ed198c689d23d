#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The check notice's text and what it plays, decided apart from the banner's players.
namespace CheckNoticeRules {

// The value of a "key=value" field of a '#'-separated text: the key counts at the text's start or
// right after a '#', directly before its '='; the value runs to the next '#'. Nothing when missing.
std::optional<std::string> GetNoticeField(std::string_view text, std::string_view key);

// Animation set indexes: 0 is the set itself, i the child i - 1.
constexpr int kNone = -1;
constexpr int kEffect = 24, kEnding = 25, kScrollBack = 26, kScrollOverlay = 27;
// The time at which the host wants an answer to the notice.
constexpr int32_t kAnswerTime = 3;

struct NoticePlan {
    bool active = false;  // false: the notice is ignored, a running one left alone
    int32_t type = 0;
    int32_t time = 0;
    int caption = kNone;
    int firstDigit = kNone;
    int secondDigit = kNone;
    bool effects = false;  // time below 4 binds the effect children and starts at phase 1
    int phase = 0;
    std::string message;
    bool operator==(const NoticePlan&) const = default;
};
NoticePlan ParseNoticeText(std::string_view text);

// The banner's phases: caption (1 or 2), effect (12), scrolling (20), ending (36), none (0).
enum Phase : int { kIdle = 0, kCaptionWithEffects = 1, kCaption = 2, kEffectPhase = 12, kScrolling = 20, kEnd = 36 };
// The phase after a step: the caption, effect and ending move on once their player has stopped,
// the scrolling once the queue has run out.
int NextPhase(int phase, bool playerStopped, bool scrollDone);

}  // namespace CheckNoticeRules
