#include "foundation/core/Text.h"

#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr size_t kFormatBuffer = 1024;

// The magnitude of a signed value, safe for INT64_MIN.
uint64_t Magnitude(int64_t v)
{
    return v < 0 ? uint64_t{0} - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
}

bool IsFlagOrWidth(char c)
{
    return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0' || c == '.' || c == '*' || (c >= '1' && c <= '9');
}

// The four-digit groups of a magnitude, highest first (at most five: 경, 조, 억, 만, ones).
struct Groups {
    std::array<uint32_t, 5> value{};
    static constexpr const char* kUnit[5] = {"경", "조", "억", "만", ""};
};

Groups SplitGroups(uint64_t m)
{
    Groups g;
    for (int i = 4; i >= 0; --i) {
        g.value[static_cast<size_t>(i)] = static_cast<uint32_t>(i == 0 ? m : m % 10000);
        m /= 10000;
    }
    return g;
}

}  // namespace

std::string TranslateFormat(const char* fmt)
{
    std::string out;
    if (!fmt) return out;
    for (const char* p = fmt; *p;) {
        if (*p != '%') {
            out += *p++;
            continue;
        }
        out += *p++;
        if (*p == '%') {
            out += *p++;
            continue;
        }
        while (*p && IsFlagOrWidth(*p)) out += *p++;
        if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
            out += "ll";
            p += 3;
        } else if (p[0] == 'I' && p[1] == '3' && p[2] == '2') {
            p += 3;
        } else if (p[0] == 'l' && p[1] != 'l') {
            ++p;  // 32-bit, as on Windows
        }
    }
    return out;
}

std::string FormatTextV(const char* fmt, va_list args)
{
    const std::string translated = TranslateFormat(fmt);
    char buffer[kFormatBuffer];
    va_list again;
    va_copy(again, args);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int n = std::vsnprintf(buffer, sizeof buffer, translated.c_str(), args);
    std::string out;
    if (n >= 0 && static_cast<size_t>(n) < sizeof buffer) {
        out.assign(buffer, static_cast<size_t>(n));
    } else if (n >= 0) {
        std::vector<char> big(static_cast<size_t>(n) + 1);
        std::vsnprintf(big.data(), big.size(), translated.c_str(), again);
        out.assign(big.data(), static_cast<size_t>(n));
    }
#pragma GCC diagnostic pop
    va_end(again);
    return out;
}

const std::string& Format(std::string& out, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    out = FormatTextV(fmt, args);
    va_end(args);
    return out;
}

std::string FormatText(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    std::string out = FormatTextV(fmt, args);
    va_end(args);
    return out;
}

const std::string& FormatNumberWithCommas(std::string& out, int64_t value)
{
    const std::string digits = std::to_string(Magnitude(value));
    out.clear();
    if (value < 0) out += '-';
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

const std::string& MoneyToUnitText(std::string& out, int64_t amount, int unitCount)
{
    const Groups g = SplitGroups(Magnitude(amount));
    out.clear();
    if (amount < 0) out += '-';
    size_t first = 0;
    while (first < 4 && g.value[first] == 0) ++first;
    const size_t last = unitCount > 0 ? std::min<size_t>(5, first + static_cast<size_t>(unitCount)) : 5;
    bool wrote = false;
    for (size_t i = first; i < last; ++i) {
        if (g.value[i] == 0) continue;
        out += std::to_string(g.value[i]);
        out += Groups::kUnit[i];
        wrote = true;
    }
    if (!wrote) out = "0";
    out += "냥";
    return out;
}

const std::string& MoneyToFullUnitText(std::string& out, int64_t amount)
{
    static constexpr const char* kDigitWord[4] = {"천", "백", "십", ""};
    const Groups g = SplitGroups(Magnitude(amount));
    out.clear();
    if (amount < 0) out += '-';
    bool wrote = false;
    for (size_t i = 0; i < 5; ++i) {
        const uint32_t v = g.value[i];  // at most 9999 (the 경 group of INT64_MIN is 922)
        if (v == 0) continue;
        const uint32_t digits[4] = {v / 1000, v / 100 % 10, v / 10 % 10, v % 10};
        for (size_t d = 0; d < 4; ++d) {
            if (digits[d] == 0) continue;
            out += std::to_string(digits[d]);
            out += kDigitWord[d];
        }
        out += Groups::kUnit[i];
        wrote = true;
    }
    if (!wrote) out = "0";
    out += "냥";
    return out;
}

const std::string& FormatTimestampText(std::string& out, const std::string& text)
{
    if (text.size() != 14) {
        out = text;
        return out;
    }
    static constexpr const char* kUnits[4] = {"월", "일", "시", "분"};
    std::string result;
    for (size_t i = 0; i < 4; ++i) {
        result.append(text, 4 + 2 * i, 2);
        result += kUnits[i];
    }
    out = std::move(result);
    return out;
}
