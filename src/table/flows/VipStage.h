#pragma once

#include <cstdint>

struct VIPUpdate;

// The VIP helper as the flows reach it.
class VipStage {
public:
    virtual ~VipStage() = default;

    // Message 78: the visit's statistics, the gates, then Refresh.
    virtual void OnVIPUpdate(const VIPUpdate& body) = 0;
    // The own seat's icons and hold marks while a round runs.
    virtual void Refresh() = 0;
    // The near-combination icons against `seat`; -1 with enabled false hides them.
    virtual void UpdateJokboIcons(int seat, bool enabled) = 0;
    virtual void UpdateHoldMarks(int seat, bool enabled) = 0;
    virtual void HideAllIcons() = 0;
    // A round end with the own money change: the user's alert when it is due.
    virtual void PrintProgressNotice(int64_t change) = 0;
    // Room entry: a new dialog for the room.
    virtual void BuildDialog() = 0;
};
