#include "views/core/BijouRules.h"

#include <climits>

namespace BijouRules {

int32_t Limit(bool highLimit)
{
    return highLimit ? kHighLimit : kLowLimit;
}

bool HasHighLimit(int64_t firstMembership, int64_t secondMembership)
{
    return firstMembership != 0 || secondMembership > 0;
}

int32_t AddSaturated(int32_t count, int32_t n)
{
    const int64_t sum = int64_t{count} + n;
    return sum > INT32_MAX ? INT32_MAX : sum < INT32_MIN ? INT32_MIN : static_cast<int32_t>(sum);
}

}  // namespace BijouRules
