#pragma once

#include <functional>

#include "table/flows/FlowBase.h"

// The first-player pick and the deal: the shuffle, the pick, the table reset and the dealt cards.
class FirstPlayerFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnShuffleCards(const ShuffleCards& body);  // 19
    void OnSunPicked(const SunPicked& body);  // 20
    void OnDealCards(const DealCards& body);  // 22
    void OnTableReset(const TableReset& body);  // 53

    // 1 when the click on a pick card or hand button sent the pick.
    int OnSunPickClicked(GVWnd* wnd);
    // Both seats' pick effects, which also show the hand pick's result, stop and hide.
    void StopPickEffects();
    // Waits in 30 ms steps while the condition holds, 3 s at most: a clip that never ends stops the wait.
    void WaitWhile(const std::function<bool()>& stillWaiting);

private:
    void OpenCardPick(const ShuffleCards& body);
    void OpenHandPick();
    void ShowCardPicked(const SunPicked& body, int seat);
    void ShowHandPicked(const SunPicked& body, int seat, bool own);
};
