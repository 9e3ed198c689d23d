#include "views/core/BijouRules.h"

#include <climits>

namespace BijouRules {

namespace {

constexpr int64_t kStakeMoney[4][5] = {
    {0, 1000000, 10000000, 100000000, 0},
    {0, 300000, 500000, 1000000, 0},
    {0, 1000000, 5000000, 10000000, 0},
    {0, 10000000, 100000000, 300000000, 0},
};

}  // namespace

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

bool IsTargetRoom(int32_t roomKind)
{
    return roomKind >= 40 && roomKind <= 43;
}

int64_t TargetStakeMoney(int32_t roomKind, int32_t stakeIndex, int64_t roomValue)
{
    if (!IsTargetRoom(roomKind) || stakeIndex < 1 || stakeIndex > 3) return roomValue;
    return kStakeMoney[roomKind - 40][stakeIndex];
}

int32_t LevelOfMoney(int64_t money)
{
    if (money < 100000) return 0;
    if (money < 3000000) return 1;
    if (money < 30000000) return 2;
    if (money < 100000000) return 3;
    return 4;
}

}  // namespace BijouRules
