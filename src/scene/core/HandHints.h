#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "foundation/core/Geometry.h"

// What the own hand cards would do on the current floor, and the user popup menu's entries: the
// rules of the hint icons and the menu, without widgets.
namespace HintRules {

// The rows of hint icons over each hand slot, in the order of the icon set's clips.
enum class HintIcon { CanEat, CanEatFix, Bomb, Nuclear, TwoBomb, Shake, Mine, Mission, MissionGray };
constexpr int kHintIconCount = 9;
constexpr int kHintSlots = 10;  // each row has one widget per hand slot 0..9
const char* HintIconName(HintIcon icon);

struct HintHandCard {
    int32_t month = 0;  // 0..11, 12 a bonus card
    bool mission = false;
};

struct HintInputs {
    std::vector<HintHandCard> hand;       // in hand order
    std::array<int32_t, 12> floorCounts{}; // floor cards per month
    std::array<int32_t, 12> monthState{};  // captured cards per month; 2 is tested
    bool nubomb = false;                   // the own hand was marked for a held bomb
};

// The icons of each hand slot, at most kHintSlots slots; a card of no month gets none.
std::vector<std::vector<HintIcon>> ComputeHandHints(const HintInputs& in);

// The user popup menu: 0 user information, 1 a host page, 2 forced exit, 3 voice mute.
constexpr int kPopupEntries = 4;
constexpr int32_t kPopupBottom = 520;  // the last entry ends at this y at most

struct PopupInputs {
    int32_t targetKey = -1;
    int32_t ownKey = -1;
    bool targetSeated = false;
    bool ownSeated = false;
    bool ownIsRoomOwner = false;
    bool antiLeaveRestricted = false;  // an anti-leave room with its rule in force
    int32_t roomState = 0;
    bool tableSynced = false;
    bool kickReserved = false;         // the target is in the forced-exit reservations
    bool voiceMuted = false;
    bool desperateRoom = false;        // room kinds 40..43
};

struct PopupEntry {
    bool shown = false;
    bool enabled = false;
    int imageSet = 0;
    bool operator==(const PopupEntry&) const = default;
};

std::array<PopupEntry, kPopupEntries> PopupEntries(const PopupInputs& in);
// Where each entry goes: stacked downwards from `at`, moved up so the last ends at kPopupBottom at most.
std::array<Point, kPopupEntries> PopupEntryPoints(Point at, int32_t entryHeight);

// The frame of a seat's badge sprite for the player's badge kind 1..5; none hides the badge.
std::optional<int> SeatBadgeFrame(int32_t badgeKind);

}  // namespace HintRules
