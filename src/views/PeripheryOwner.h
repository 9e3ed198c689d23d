#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "protocol/HostInterfaces.h"
#include "protocol/Records.h"
#include "protocol/RoomCodes.h"
#include "views/PanelOwner.h"
#include "views/core/ItemRules.h"

// What the panels around the table (items, observer bar, restrict label, play count, ranking badge,
// jewels) ask of the room. The scene's periphery part implements it.
class PeripheryOwner : public PanelOwner {
public:
    static constexpr SoundId kButtonSound = SoundId::ButtonClick;

    // The room's values the panels read.
    struct RoomFacts {
        int32_t roomKind = 0;
        bool seatFree = false;         // a seat without a user
        bool robotSeated = false;
        bool antiLeaveRoom = false;    // kinds 8..10 with the anti-leave setting 1..3
        bool antiLeaveCounting = false;
        int32_t requiredGames = 0;
        int32_t playedGames = 0;
        int32_t stakeIndex = 0;        // 0..4
        int64_t roomStakeValue = 0;    // the stake money of stake indexes 0 and 4
    };
    virtual RoomFacts GetRoomFacts() const = 0;
    virtual const RCUser& GetOwnUser() const = 0;
    // The nickname and user id of a seated player; false for an empty seat or one outside 0..1.
    virtual bool GetSeatNames(int32_t seat, std::string& nickname, std::string& userId) const = 0;

    // A host request for the own user: the host's answer, nothing when there is no host to ask.
    virtual std::optional<int> RequestHost(HostRequestCode code, int32_t value) = 0;
    // The safe's withdrawal of `amount` through the host (item use).
    virtual void RequestItemUse(int64_t amount) = 0;
    // The host's refill page.
    virtual void OpenRefillPage() = 0;
    virtual void PrintPanelChat(const std::string& text) = 0;
    virtual void PlayPanelSound(SoundId id) = 0;
    // A message box of the room that closes itself after `ms`.
    virtual void ShowPanelBox(const std::string& text, const std::string& title, uint32_t ms) = 0;

    // The host-page state of the observer bar; setting it sends it to the server.
    virtual ObserverRules::PageState GetPageState() const = 0;
    virtual void SetPageState(ObserverRules::PageState state) = 0;
    // Takes a free seat.
    virtual void TakeSeat() = 0;

    // The default promotion banner that shares the jewel panel's place.
    virtual bool IsDefaultBannerVisible() const = 0;
    virtual void ShowDefaultBanner(bool show) = 0;

protected:
    ~PeripheryOwner() = default;
};
