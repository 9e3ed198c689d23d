#pragma once

#include "table/flows/FlowBase.h"

// Money between and during rounds: money gained, safe withdrawals, the money-total cap, money
// returned by a leaving opponent, refills and gifts, and the own daily play count.
class MoneyFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnSafeWithdrawal(const SafeWithdrawal& body);  // 50
    void OnMoneyGained(const MoneyGained& body);  // 56
    void OnMoneyCapNotice(const MoneyCapNotice& body);  // 57
    void OnMoneyReturned(const MoneyReturned& body);  // 59
    void OnPlayCountUpdate(const PlayCountUpdate& body);  // 60
    void OnRefillResult(const RefillResult& body);  // 61

private:
    // The money-return panel's back and second line with the text, for a second.
    void ShowGainBanner(const std::string& text);
    void PrintCapNoticeOfOther(const PlayerInfo& p);
};
