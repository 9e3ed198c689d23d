#include "table/TableEngine.h"

#include <cstdlib>

#include "table/core/ScoreRules.h"

void TableEngine::UpdateScoreMultiplier(int seat, bool september)
{
    const ScoreRules rules{room.option.ruleFlags[0] != 0, room.option.ruleFlags[1] != 0};
    ::UpdateScoreMultiplier(gameInfo, seat, september, rules, cardFaces);
}

int32_t TableEngine::PickTimeoutCard() const
{
    return ::PickTimeoutCard(gameInfo, floor, records.OwnSeat(), cardFaces);
}

int32_t TableEngine::ChooseAutoPlayCard() const
{
    return ::ChooseAutoPlayCard(gameInfo, floor, records.OwnSeat(), cardFaces, [] { return std::rand(); });
}

