#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "protocol/RoundRecords.h"
#include "table/core/TableModel.h"

// The running multiplier and total the room shows for each seat, and the card the room plays by
// itself when the own turn runs out or auto-play is on. Card lists hold card-window slots; the
// faces give their cards.

struct ScoreRules {
    bool gwangBak = true;  // the room's gwang-bak rule
    bool goBak = true;     // the room's go-bak rule
};

// Recomputes seat 0 or 1, or both (seat 0 first) for 2: its multiplier and total, and the bak
// flags it sets on the other seat. `september`: the September animal may still count as double pi.
// A seat whose own four piles are empty has no points yet; negative points count as 0.
void UpdateScoreMultiplier(CGameInfo& game, int seat, bool september, ScoreRules rules, const CardFaces& faces);

// 0..32767, as the C library's rand.
using RandomSource = std::function<int()>;

// In place: for i = 1 .. n - 1, element i swaps with element random() % (i + 1).
void ShuffleCardIds(std::vector<int32_t>& ids, const RandomSource& random);

// The card a run-out own turn plays: the first hand card that is a bonus card or matches a floor
// card's month, else the first hand card, else the deck's top card while a pass is pending; -1 none.
int32_t PickTimeoutCard(const CGameInfo& game, const COpenInfo& floor, int ownSeat, const CardFaces& faces);

// The card auto-play plays: a double-pi match at once, else a gwang match, else a random plain
// match; without a match a bonus card, else a random card of a month held three times, else a
// safe pair, else the deck's top card while a pass is pending, else a random card. -1 none.
int32_t ChooseAutoPlayCard(const CGameInfo& game, const COpenInfo& floor, int ownSeat, const CardFaces& faces,
                           const RandomSource& random);
