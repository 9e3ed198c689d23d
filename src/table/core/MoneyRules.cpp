#include "table/core/MoneyRules.h"

#include <limits>

#include "foundation/core/Text.h"

namespace MoneyRules {

namespace {

constexpr int64_t kGradeFourThreshold = 300000000000;

const char* const kCapTexts[] = {
    "고스톱 머니총합 최고한도 %s을 초과하셨습니다.\n※지금, 고스톱 토벨 클럽 또는 고스톱 토벨 골드 또는 고스톱 토벨 로얄을 "
    "신청하시면,\n고스톱 머니총합 최고한도를 초과한 고스톱머니를 적립해드립니다.\n(단, %s까지 신청하셔야 합니다.)",
    "고스톱 머니총합 최고한도 %s을 초과하셨습니다.\n※지금, 고스톱 토벨 골드 또는 고스톱 토벨 로얄을 신청하시면,\n"
    "고스톱 머니총합 최고한도를 초과한 고스톱머니를 적립해드립니다.\n(단, %s까지 신청하셔야 합니다.)",
    "고스톱 머니총합 최고한도 %s을 초과하셨습니다.\n※지금, 토벨로얄을 신청하시면,\n"
    "고스톱 머니총합 최고한도를 초과한 고스톱머니를 적립해드립니다.\n(단, %s까지 신청하셔야 합니다.)",
    "고스톱 머니총합 최고한도 %s을 초과하였습니다.",
};

}  // namespace

int64_t SaturatingAdd(int64_t a, int64_t b)
{
    int64_t sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

std::string GainBannerText(bool ownIsGiver, int64_t amount)
{
    return ownIsGiver ? FormatText("%I64d냥 획득", amount) : FormatText("%I64d냥", amount);
}

std::optional<std::string> CapNoticeText(const CapNoticeInputs& in)
{
    if (in.grade < 1 || in.grade > 4) return std::nullopt;
    if (in.grade == 4 ? SaturatingAdd(in.gameMoney, in.safeMoney) < kGradeFourThreshold : in.extraMoney <= 0)
        return std::nullopt;
    std::string cap;
    MoneyToUnitText(cap, in.cap, 2);
    std::string deadline;
    FormatTimestampText(deadline, FormatText("%I64d", in.deadline));
    return FormatText(kCapTexts[in.grade - 1], cap.c_str(), deadline.c_str());
}

}  // namespace MoneyRules
