#pragma once

// The ranges of the user's options and what follows from them.
namespace SceneRules {

// Frame count of a card move for the card speed (held to -3..3): 0 gives 3, a negative n gives
// 3 + 2|n|, a positive n gives 3 - 2n, at least 1.
int MoveStepsForSpeed(int cardSpeed);

// The scene volume in hundredths of a decibel: above 0 becomes 0, -5000 and below are silence.
int ClampVolume(int volume);

// Option values outside their range take the fallback.
int ClampOption(int value, int low, int high, int fallback);

}  // namespace SceneRules
