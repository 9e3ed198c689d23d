#include "scene/core/OptionLabels.h"

#include <array>

namespace OptionLabels {

namespace {

constexpr std::array<std::array<const char*, kVoiceCount>, 3> kVoiceNames{{
    {"젠틀맨", "할배", "작업남", "상근이"},
    {"예능MC", "할매", "미씨", "나비"},
    {"성우1", "성우2", "성우3", "성우4"},
}};
constexpr std::array<const char*, kSkinCount> kSkinNames{"그린", "블루"};

}  // namespace

std::string VoiceName(int gender, int voiceType)
{
    if (voiceType < 0 || voiceType >= kVoiceCount) return {};
    const size_t row = gender == 0 || gender == 1 ? static_cast<size_t>(gender) : 2;
    return kVoiceNames[row][static_cast<size_t>(voiceType)];
}

std::string SkinName(int skin)
{
    return skin >= 0 && skin < kSkinCount ? kSkinNames[static_cast<size_t>(skin)] : "";
}

}  // namespace OptionLabels
