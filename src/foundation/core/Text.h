#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

#if defined(_WIN32)
#define MIRELLE_PRINTF(fmt, args) __attribute__((format(ms_printf, fmt, args)))
#else
#define MIRELLE_PRINTF(fmt, args)
#endif

// printf-style formatting into a narrow string; the result is assigned to `out` and returned.
// Both toolchains read the conversions the Windows way: "%I64d"/"%I64i"/"%I64u" take a 64-bit
// value and "l" means 32 bits, so "%ld" takes an int32_t. Results of up to 1023 bytes are
// formatted in a fixed buffer; longer ones are formatted again in a buffer of their size and
// never cut. A format that fails leaves `out` empty.
const std::string& Format(std::string& out, const char* fmt, ...) MIRELLE_PRINTF(2, 3);
std::string FormatText(const char* fmt, ...) MIRELLE_PRINTF(1, 2);
std::string FormatTextV(const char* fmt, va_list args);

// The format with the Windows length modifiers rewritten for the C library: I64 -> ll, l -> none.
std::string TranslateFormat(const char* fmt);

// Decimal text with "," every three digits from the right and a leading "-" for a negative value.
const std::string& FormatNumberWithCommas(std::string& out, int64_t value);

// Money in Korean units: four-digit groups from the highest with 경, 조, 억, 만, then "냥".
// Each group is written as a plain number without leading zeros; groups that are zero are left
// out ("1억냥" for 100,000,000), and zero itself is "0냥". A negative amount starts with "-".
// `unitCount` keeps that many group positions counted from the highest non-zero one (zero groups
// inside that window count but are not written); 0 keeps all. Example with 2: 123,456,789 gives
// "1억2345만냥" and 100,005,000 gives "1억냥".
const std::string& MoneyToUnitText(std::string& out, int64_t amount, int unitCount);

// Money in Korean units with the digit words inside each group: every non-zero digit is written
// as the digit followed by 천, 백 or 십 (the ones digit alone), zero digits left out:
// 12,345,678 gives "1천2백3십4만5천6백7십8냥", 10,000,000 gives "1천만냥". Zero is "0냥" and a
// negative amount starts with "-".
const std::string& MoneyToFullUnitText(std::string& out, int64_t amount);

// "YYYYMMDDhhmmss" (exactly 14 characters) becomes "MM월DD일hh시mm분" with the digits as they
// stand; any other length is returned unchanged.
const std::string& FormatTimestampText(std::string& out, const std::string& text);
