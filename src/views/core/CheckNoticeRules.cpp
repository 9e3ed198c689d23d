#include "views/core/CheckNoticeRules.h"

#include <climits>

namespace CheckNoticeRules {

namespace {

// Leading digits (after an optional sign), saturated; 0 when there are none.
int32_t ReadNumber(std::string_view text)
{
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX) value = INT32_MAX;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text)
{
    for (const char c : text)
        if (!IsDigit(c)) return false;
    return true;
}

int DigitChild(char c)
{
    return IsDigit(c) ? c - '0' + 1 : kNone;
}

}  // namespace

std::optional<std::string> GetNoticeField(std::string_view text, std::string_view key)
{
    size_t start = 0;
    while (start <= text.size()) {
        const size_t hash = text.find('#', start);
        const std::string_view field = text.substr(start, hash == std::string_view::npos ? std::string_view::npos : hash - start);
        if (field.size() > key.size() && field.substr(0, key.size()) == key && field[key.size()] == '=')
            return std::string(field.substr(key.size() + 1));
        if (hash == std::string_view::npos) break;
        start = hash + 1;
    }
    return std::nullopt;
}

NoticePlan ParseNoticeText(std::string_view text)
{
    NoticePlan plan;
    const std::optional<std::string> type = GetNoticeField(text, "TYPE");
    if (!type) return plan;
    plan.type = ReadNumber(*type);
    const std::string timeText = GetNoticeField(text, "TIME").value_or("");
    plan.time = ReadNumber(timeText);
    const bool shortTime = timeText.size() < 2 && AllDigits(timeText) && plan.time < 5;
    if (plan.type == 0) plan.caption = shortTime ? 13 : 11;
    else if (plan.type == 1) plan.caption = shortTime ? 12 : 0;
    if (timeText.size() < 2) {
        if (AllDigits(timeText)) plan.firstDigit = plan.time < 5 ? plan.time + 14 : plan.time + 1;
    } else {
        plan.firstDigit = DigitChild(timeText[0]);
        plan.secondDigit = DigitChild(timeText[1]);
    }
    plan.effects = plan.time < 4;
    plan.phase = plan.effects ? kCaptionWithEffects : kCaption;
    plan.message = GetNoticeField(text, "MSG").value_or("");
    plan.active = true;
    return plan;
}

int NextPhase(int phase, bool playerStopped, bool scrollDone)
{
    switch (phase) {
    case kCaptionWithEffects:
    case kCaption:
        return playerStopped ? kEffectPhase : phase;
    case kEffectPhase:
        return playerStopped ? kScrolling : phase;
    case kScrolling:
        return scrollDone ? kEnd : phase;
    case kEnd:
        return playerStopped ? kIdle : phase;
    default:
        return kIdle;
    }
}

}  // namespace CheckNoticeRules
