#pragma once

#include "table/flows/FlowBase.h"

// The snapshot of a running game, players entering and the own hand's list.
class SnapshotFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnPlayerEnter(const PlayerEnter& body);  // 3
    void OnGameDataSync(const GameDataSync& body);  // 4
    void OnHandCardList(const HandCardList& body);  // 79

private:
    void RestoreMissionData(const GameDataTable& t);
    // False when a pile, hand or the floor could not be rebuilt.
    [[nodiscard]] bool RestoreSnapshotCards(const GameDataTable& t);
};
