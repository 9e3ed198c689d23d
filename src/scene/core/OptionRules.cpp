#include "scene/core/OptionRules.h"

#include <algorithm>

namespace SceneRules {

int MoveStepsForSpeed(int cardSpeed)
{
    const int s = std::clamp(cardSpeed, -3, 3);
    if (s == 0) return 3;
    if (s < 0) return 3 + 2 * -s;
    return std::max(1, 3 - 2 * s);
}

int ClampVolume(int volume)
{
    if (volume > 0) return 0;
    if (volume <= -5000) return -10000;
    return volume;
}

int ClampOption(int value, int low, int high, int fallback)
{
    return value < low || value > high ? fallback : value;
}

}  // namespace SceneRules
