#include "scene/core/HostNotices.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>

#include "foundation/core/Text.h"
#include "scene/core/TextTokens.h"

namespace NoticeRules {

namespace {

constexpr int32_t kPcCafeRefill = 2;
constexpr int32_t kAutoRefill = 3;

std::string UnitMoney(int64_t amount)
{
    std::string text;
    return MoneyToUnitText(text, amount, 0);
}

// A whole decimal key in 32 bits; anything else is no key.
std::optional<int32_t> ParseKey(const std::string& text)
{
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || !end || *end != '\0' || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace

std::string MoneyGiftText(int64_t amount)
{
    return FormatText("축하합니다!`1120` 10판마다 `0020`'떴다!코인종'`0121` 고스톱머니를 드립니다!\n    고스톱머니 "
                      "`0020`%s`0121`이 지급되었습니다.`0020`",
                      UnitMoney(amount).c_str());
}

RefillNotice RefillNoticeFor(int32_t kind, int64_t amount, int32_t refillsLeft)
{
    RefillNotice n;
    const std::string money = UnitMoney(amount);
    if (kind == kAutoRefill) {
        // Only the two refill amounts have a badge; any other amount is told without one.
        if (amount == 200000) n.badgeFrame = 0;
        else if (amount == 300000) n.badgeFrame = 1;
        n.chat = FormatText("자동리필`1130` +%s`0131`, ", money.c_str());
    } else if (kind == kPcCafeRefill) {
        n.badgeFrame = 2;
        n.chat = FormatText("세린’PC방 리필`1130` +%s`0131`, ", money.c_str());
    } else {
        return n;
    }
    if (refillsLeft > 0) {
        n.chat += FormatText("리필이 `0030`%d회`0131` 남았습니다.`0030`", refillsLeft);
        n.label = FormatText("남은 리필 %d회", refillsLeft);
    } else {
        n.chat += "남은 리필이 없습니다.`0030`";
        n.label = "남은 리필 없음";
    }
    return n;
}

bool ApplyBlacklistCommand(std::vector<int32_t>& list, int32_t command, const std::string& text)
{
    switch (command) {
    case 14: {
        std::vector<int32_t> keys;
        for (const std::string& piece : SplitList(text))
            if (const auto key = ParseKey(piece)) keys.push_back(*key);
        if (keys == list) return false;
        list = std::move(keys);
        return true;
    }
    case 15: {
        const auto key = ParseKey(text);
        if (!key || std::find(list.begin(), list.end(), *key) != list.end()) return false;
        list.push_back(*key);
        return true;
    }
    case 16: {
        const auto key = ParseKey(text);
        if (!key) return false;
        const auto it = std::find(list.begin(), list.end(), *key);
        if (it == list.end()) return false;
        list.erase(it);
        return true;
    }
    default: return false;
    }
}

std::string KeyListText(const std::vector<int32_t>& keys)
{
    std::string text;
    for (int32_t key : keys) text += FormatText("|%d", key);
    return text.empty() ? text : text + "|";
}

std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> pieces;
    std::string rest = text;
    std::string token;
    while (!rest.empty()) {
        SceneRules::SplitToken(rest, token, "|");
        if (!token.empty()) pieces.push_back(token);
    }
    return pieces;
}

}  // namespace NoticeRules
