#pragma once

#include <string>

// The room's folders under the game folder, which ends in a separator.
inline std::string ImageFolderOf(const std::string& gameDir) { return gameDir + "GameImage\\"; }
inline std::string SoundFolderOf(const std::string& gameDir) { return gameDir + "GameSound\\"; }
