#pragma once

#include <cstdint>

// The jewel panel's counting and levels, decided apart from its widgets.
namespace BijouRules {

constexpr int32_t kHighLimit = 5000;
constexpr int32_t kLowLimit = 1200;
constexpr int32_t kKinds = 6;        // 0..5
constexpr int32_t kLevels = 5;       // 0..4
constexpr int32_t kEffectSteps = 7;
constexpr uint32_t kEffectStepMs = 300;

int32_t Limit(bool highLimit);
// A member with a first membership value not zero or a positive second counts to the high limit.
bool HasHighLimit(int64_t firstMembership, int64_t secondMembership);
// The count after a gain, held at the 32-bit limit.
int32_t AddSaturated(int32_t count, int32_t n);

}  // namespace BijouRules
