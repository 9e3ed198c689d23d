#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The pure rules of the money messages: the gain banner's text, money sums that cannot overflow,
// and the money-cap box.
namespace MoneyRules {

// a + b, held at the int64 limits instead of overflowing.
int64_t SaturatingAdd(int64_t a, int64_t b);

// "<amount>냥 획득" for the giver, else "<amount>냥"; all 64 bits of the amount.
std::string GainBannerText(bool ownIsGiver, int64_t amount);

// What a money-cap notice shows the own user.
struct CapNoticeInputs {
    uint32_t grade = 0;       // 1..4
    int64_t cap = 0;
    int64_t extraMoney = 0;
    int64_t deadline = 0;     // YYYYMMDDhhmmss as a number
    int64_t gameMoney = 0;
    int64_t safeMoney = 0;
};
// The box's text, or none: grade 4 only when game and safe money reach 300,000,000,000, the
// grades 1..3 only with extra money; other grades show nothing.
std::optional<std::string> CapNoticeText(const CapNoticeInputs& in);

}  // namespace MoneyRules
