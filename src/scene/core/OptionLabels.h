#pragma once

#include <string>

#include "protocol/RoomCodes.h"

// The names the user options show: the four voices by gender row and the two table skins.
namespace OptionLabels {

constexpr int kSkinCount = 2;

// Gender 0 and 1 keep their row, any other gender takes the third; a voice outside 0..3 is empty.
std::string VoiceName(int gender, int voiceType);
// Skin 0 or 1; any other is empty.
std::string SkinName(int skin);

}  // namespace OptionLabels
