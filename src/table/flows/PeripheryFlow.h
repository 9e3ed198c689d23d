#pragma once

#include <cstdint>

#include "table/flows/FlowBase.h"

// What the room's messages change on the panels around the table: the restrict label, the play
// count, the ranking badge, the item strip, the jewels and the options panel's room rows. The other
// flows call it where their messages say so; every panel not loaded is passed over.
class PeripheryFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // The restrict label from the room's anti-leave values (reset outside anti-leave rooms).
    void UpdateRestrict(bool show, bool countdown);
    // The own user's games left today when the daily limit applies (class 500 or more), else the
    // panel hidden; `alert` plays the alert after a round with 0..5 games left.
    void ShowPlayCount(bool alert);
    // The gained ranking points of the own seat's record.
    void ShowRankingPoints(int seat, int32_t points);
    // The item strip after a round: a superman and an assa reservation for the own seat at the
    // grade; the room's result panel (the target-score one in rooms 40..43) shows the strip when it
    // has something.
    void ReserveItems(int seat, bool superman, bool assa, int32_t grade);
    // The jewels at room entry: the kind as sent.
    void EnterJewels(const RoomEnterAnswer& body);
    // The jewels after a game: a new kind shows, a gain plays.
    void ShowJewelsAfterGame(int32_t kind, int32_t gain, bool newKind);
    // The jewel level and the options' room rows after the room's bet changed.
    void ShowStakeLevel();
    void RebuildRoomOptionText();
};
