#pragma once

#include "table/flows/FlowBase.h"

// The decision prompts and their results: the card choice, the September animal, go or stop, the result step, the bet and the room option.
class DecisionFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnMonthChoicePrompt(const MonthChoicePrompt& body);  // 23
    void OnCardChoicePrompt(const CardChoicePrompt& body);  // 28
    void OnYesNoChoicePrompt(const YesNoChoicePrompt& body);  // 29
    void OnSeptAnimalPrompt(const SeptAnimalPrompt& body);  // 43
    void OnSeptAnimalMoved(const SeptAnimalMoved& body);  // 44
    void OnSeptAnimalKept(const SeptAnimalKept& body);  // 45
    void OnGoOrStopPrompt(const GoOrStopPrompt& body);  // 47
    void OnGoOrStopResult(const GoOrStopResult& body);  // 48
    void OnResultStep(const ResultStep& body);  // 55
    void OnBetPrompt(const BetPrompt& body);  // 70
    void OnRoomOptionNotice(const RoomOptionNotice& body);  // 71
};
