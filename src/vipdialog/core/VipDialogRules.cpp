#include "vipdialog/core/VipDialogRules.h"

#include <algorithm>

#include "foundation/core/Text.h"

namespace VipDialogRules {

RadioEffect OnRadioChecked(int32_t id)
{
    switch (id) {
    case kFirst30:
    case kFirst60:
        return {{kSecondOff, kMoneyOff}, {{kSecondEdit, false}, {kMoneyHigh, false}, {kMoneyLow, false}}};
    case kSecond30:
        return {{kFirstOff, kMoneyOff}, {{kSecondEdit, false}, {kMoneyHigh, false}, {kMoneyLow, false}}};
    case kSecondTyped:
        return {{kFirstOff, kMoneyOff}, {{kSecondEdit, true}, {kMoneyHigh, false}, {kMoneyLow, false}}};
    case kMoneyOn:
        return {{kFirstOff, kSecondOff}, {{kMoneyHigh, true}, {kMoneyLow, true}, {kSecondEdit, false}}};
    case kSecondOff: return {{}, {{kSecondEdit, false}}};
    case kMoneyOff: return {{}, {{kMoneyHigh, false}, {kMoneyLow, false}}};
    default: return {};
    }
}

namespace {

bool AllDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of a digit text; long texts saturate above any limit.
int64_t ValueOf(const std::string& text)
{
    int64_t v = 0;
    for (char c : text) {
        v = v * 10 + (c - '0');
        if (v > 1'000'000'000) return v;
    }
    return v;
}

}  // namespace

bool IsAcceptableEditText(const std::string& text, int32_t minValue, int32_t maxValue)
{
    if (text.size() > static_cast<size_t>(kEditMaxChars) || !AllDigits(text)) return false;
    const int64_t v = ValueOf(text);
    return v >= minValue && v <= maxValue;
}

EditVerdict JudgeEditKey(const EditState& edit, char key, int32_t minValue, int32_t maxValue)
{
    constexpr char kBackspace = '\b';
    const int32_t size = static_cast<int32_t>(edit.text.size());
    int32_t start = std::clamp(std::min(edit.selStart, edit.selEnd), 0, size);
    const int32_t end = std::clamp(std::max(edit.selStart, edit.selEnd), 0, size);
    std::string next = edit.text;
    if (key == kBackspace) {
        if (start == end && start > 0) --start;
        next.erase(static_cast<size_t>(start), static_cast<size_t>(end - start));
        // Emptying the box is always allowed: it reads as 0 at Apply.
        return next.empty() || IsAcceptableEditText(next, minValue, maxValue) ? EditVerdict::Accept
                                                                            : EditVerdict::RefuseValue;
    }
    if (key < '0' || key > '9') return EditVerdict::RefuseChar;
    next.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), 1, key);
    return IsAcceptableEditText(next, minValue, maxValue) ? EditVerdict::Accept : EditVerdict::RefuseValue;
}

int32_t ClampEditNumber(const std::string& text)
{
    std::string digits;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        digits += c;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(ValueOf(digits), kEditMin, kEditMax));
}

int64_t AlertAmount(int32_t high, int32_t low)
{
    const int64_t h = std::clamp<int64_t>(high, kEditMin, kEditMax);
    const int64_t l = std::clamp<int64_t>(low, kEditMin, kEditMax);
    return (h * kMoneyUnit + l) * kMoneyUnit;
}

AmountParts SplitAlertAmount(int64_t amount)
{
    const int64_t units = amount / kMoneyUnit;
    return {units / kMoneyUnit, units % kMoneyUnit};
}

int32_t FirstValueOf(int32_t checkedId)
{
    return checkedId == kFirst30 ? 30 : checkedId == kFirst60 ? 60 : 0;
}

int32_t RadioOfFirstValue(int32_t value)
{
    return value == 0 ? kFirstOff : value == 30 ? kFirst30 : kFirst60;
}

int32_t RadioOfSecondValue(int32_t value)
{
    return value == 0 ? kSecondOff : value == 30 ? kSecond30 : kSecondTyped;
}

const char* GameName(int32_t gameNumber)
{
    switch (gameNumber) {
    case 1: return "고스톱";
    case 14: return "맞고";
    case 19: return "맞고라움";
    case 24: return "별맞고";
    case 43: return "달맞고";
    default: return "-";
    }
}

std::array<std::string, 4> StatisticsTexts(int32_t gameNumber, const Statistics& s)
{
    std::array<std::string, 4> texts;
    // The hours of a visit are not taken modulo a day: a long visit shows all its hours.
    texts[0] = FormatText("%s/%d시간%d분", GameName(gameNumber), static_cast<int>(s.playSeconds / 3600),
                          static_cast<int>(s.playSeconds / 60 % 60));
    // Counts from the wire are unsigned; their sum is taken in 64 bits so no value overflows it.
    const auto games = static_cast<int64_t>(s.wins) + static_cast<int64_t>(s.losses);
    texts[1] = FormatText("%u승%u패(%I64d판)", static_cast<unsigned>(s.wins), static_cast<unsigned>(s.losses), games);
    MoneyToUnitText(texts[2], s.ownMoney, 2);
    std::string change;
    MoneyToUnitText(change, s.moneyChange, 2);
    texts[3] = FormatText(s.moneyChange > 0 ? "(+%s)" : "(%s)", change.c_str());
    return texts;
}

GatePlan PlanForGates(const std::array<int32_t, 3>& gates, bool typedChecked, bool moneyOnChecked)
{
    GatePlan plan;
    const bool g1 = gates[0] != 0, g3 = gates[2] != 0;
    auto& img = plan.imageShown;
    img[kGameImage] = true;
    img[kMoneyImage] = g1;
    img[kNormalImage] = !g1;
    img[kOptionImage] = g1 && !g3;
    plan.controls.push_back({kShopNormal, !g1, !g1});
    plan.controls.push_back({kShopOption, g1 && !g3, g1 && !g3});
    for (int32_t id : {kStat1, kStat2, kStat3, kStat4}) plan.controls.push_back({id, gates[0] == 1, g1});
    const bool g2 = gates[1] != 0;
    for (int32_t id : {kFirstOff, kFirst30, kFirst60, kSecondOff, kSecond30, kSecondTyped, kMoneyOff, kMoneyOn})
        plan.controls.push_back({id, gates[1] == 1, g2});
    plan.controls.push_back({kSecondEdit, gates[1] == 1, g2 && typedChecked});
    plan.controls.push_back({kMoneyHigh, gates[1] == 1, g2 && moneyOnChecked});
    plan.controls.push_back({kMoneyLow, gates[1] == 1, g2 && moneyOnChecked});
    for (int32_t id : {kAlertOff, kAlertOn}) plan.controls.push_back({id, gates[2] == 1, g3});
    return plan;
}

bool IsKeyPixel(uint32_t rgb)
{
    // Channel by channel: from the key's value up to the key plus the tolerance, capped at 255.
    for (int shift : {0, 8, 16}) {
        const uint32_t c = (rgb >> shift) & 0xFF;
        const uint32_t k = (kKeyColor >> shift) & 0xFF;
        const uint32_t hi = std::min<uint32_t>(k + ((kKeyTolerance >> shift) & 0xFF), 255);
        if (c < k || c > hi) return false;
    }
    return true;
}

std::vector<RowRun> OpaqueRuns(const uint32_t* pixels, int32_t width, int32_t height)
{
    std::vector<RowRun> runs;
    if (!pixels || width <= 0 || height <= 0) return runs;
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row = pixels + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (int32_t x = 0; x < width;) {
            if (IsKeyPixel(row[x] & 0xFFFFFF)) {
                ++x;
                continue;
            }
            const int32_t left = x;
            while (x < width && !IsKeyPixel(row[x] & 0xFFFFFF)) ++x;
            runs.push_back({left, x, y});
        }
    }
    return runs;
}

std::vector<std::vector<RowRun>> BatchRuns(const std::vector<RowRun>& runs)
{
    std::vector<std::vector<RowRun>> batches;
    for (size_t i = 0; i < runs.size(); i += kRegionBatch)
        batches.emplace_back(runs.begin() + static_cast<std::ptrdiff_t>(i),
                             runs.begin() + static_cast<std::ptrdiff_t>(std::min(runs.size(), i + kRegionBatch)));
    return batches;
}

}  // namespace VipDialogRules
