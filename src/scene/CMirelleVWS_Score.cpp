#include "scene/CMirelleVWS.h"

#include <cstdlib>

#include "table/core/ScoreRules.h"

void CMirelleVWS::UpdateScoreMultiplier(int seat, bool september)
{
    const ScoreRules rules{room.option.ruleFlags[0] != 0, room.option.ruleFlags[1] != 0};
    ::UpdateScoreMultiplier(gameInfo, seat, september, rules, cardFaces);
}

int32_t CMirelleVWS::PickTimeoutCard() const
{
    return ::PickTimeoutCard(gameInfo, floor, FindSeatByKey(ownUser.userKey), cardFaces);
}

int32_t CMirelleVWS::ChooseAutoPlayCard() const
{
    return ::ChooseAutoPlayCard(gameInfo, floor, FindSeatByKey(ownUser.userKey), cardFaces, [] { return std::rand(); });
}

void CMirelleVWS::PlayOwnCardByItself()
{
    const int32_t card = controls.autoPlay ? ChooseAutoPlayCard() : PickTimeoutCard();
    if (card < 0) return;
    // The deck's card is played as "no card": the server turns it.
    const int seat = FindSeatByKey(ownUser.userKey);
    const bool fromHand = seat >= 0 && FindCardById(RoundUser(seat).hand, card) >= 0;
    SendPlayCard(fromHand ? card : kNoCard, controls.autoPlay ? 0 : 1);
}
