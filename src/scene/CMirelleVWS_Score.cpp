#include "scene/CMirelleVWS.h"

#include "table/TableEngine.h"

void CMirelleVWS::PlayOwnCardByItself()
{
    const int32_t card = controls.autoPlay ? Engine().ChooseAutoPlayCard() : Engine().PickTimeoutCard();
    if (card < 0) return;
    // The deck's card is played as "no card": the server turns it.
    const int seat = OwnSeat();
    const bool fromHand = seat >= 0 && Engine().FindCardById(RoundUser(seat).hand, card) >= 0;
    // A play that did not go out leaves the turn open; the phase timer answers it again.
    static_cast<void>(Requests().SendPlayCard(fromHand ? card : kNoCard, controls.autoPlay ? 0 : 1));
}
