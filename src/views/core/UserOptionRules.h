#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the options panel shows of the room and how its sliders read, decided apart from its widgets.
namespace UserOptionRules {

constexpr int kRoomRows = 7;
constexpr int32_t kVolumeLow = -5000;
constexpr int32_t kVolumeHigh = 0;
constexpr int32_t kBgmDefault = -1250;

// The value of `key` in a '|'-separated list of "key=value" items: the first item whose key is
// exactly `key`, its value read as a decimal integer (64 bits, saturated); 0 when none.
int64_t HasOptionToken(std::string_view options, std::string_view key);

// The room values the information rows show.
struct RoomInfo {
    int32_t roomKind = 0;
    int32_t playerLimit = 0;
    std::string password;
    std::string options;
    int64_t entryLimit = 0;
    int64_t moneyPerPoint = 0;
    int32_t requiredGames = 0;
    std::optional<int64_t> noticedBet;  // the bet of a room option notice, over the option string's
};
// Room kinds 0..11 and 40..43 have the information rows.
bool HasRoomInfo(int32_t roomKind);
// 7 rows in anti-leave rooms (8..10), else 5, centred in the seven.
int RoomLineCount(int32_t roomKind);
// The seven rows, empty ones hidden; all empty for a room without the information.
std::array<std::string, kRoomRows> RoomInfoRows(const RoomInfo& room);


}  // namespace UserOptionRules
