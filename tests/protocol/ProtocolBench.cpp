// Decodes, copies and destroys the messages of a realistic round, as the module's queue does.

#include <benchmark/benchmark.h>

#include <vector>

#include "protocol/GameMessage.h"

namespace {

PlayerInfo Player(int32_t key, const char* name)
{
    PlayerInfo p;
    p.userKey = key;
    p.userId = name;
    p.nickname = name;
    p.avatarString = "avatar:0001:0002:0003";
    p.gameMoney = 1234567890123;
    return p;
}

// The server's messages of one round between two players, as bytes.
std::vector<std::vector<uint8_t>> RoundMessages()
{
    std::vector<GameMessage> round;
    RoomEnterAnswer enter;
    enter.clientVersion = 20110927;
    enter.user = Player(1001, "me");
    enter.room.seats.players[0] = Player(1001, "me");
    enter.room.seats.players[1] = Player(2002, "other");
    enter.hostText = "room text";
    round.emplace_back(enter);
    round.emplace_back(GameReady{});
    round.emplace_back(TableReset{});
    DealCards deal;
    deal.userKey = 1001;
    deal.floorCards = {0, 5, 9, 14, 20, 22, 30, 41};
    deal.handCards = {1, 2, 3, 4, 6, 7, 8, 10, 11, 12};
    round.emplace_back(deal);
    for (int turn = 0; turn < 20; ++turn) {
        TurnStart start;
        start.turnKey = turn % 2 ? 2002 : 1001;
        round.emplace_back(start);
        HandCardPlayed played;
        played.userKey = start.turnKey;
        played.cards = {turn};
        round.emplace_back(played);
        DeckCardsFlipped flipped;
        flipped.userKey = start.turnKey;
        flipped.cards = {turn + 20};
        round.emplace_back(flipped);
        TurnResult result;
        result.userKey = static_cast<uint32_t>(start.turnKey);
        result.captured = {turn, turn + 20};
        result.piTransfers = {{2002, 33}};
        round.emplace_back(result);
        round.emplace_back(ScoreRefresh{});
    }
    round.emplace_back(GoOrStopPrompt{});
    round.emplace_back(GoOrStopResult{});
    RoundResult result;
    result.bakList = {{0, 1, 0, 0}};
    result.remainingDeck = {40, 41, 42};
    result.remainingHands = {CardList{43}, CardList{44, 45}};
    round.emplace_back(result);
    round.emplace_back(GameEnd{});

    std::vector<std::vector<uint8_t>> bytes;
    for (const auto& m : round) bytes.push_back(WriteGameMessage(m));
    return bytes;
}

void DecodeCopyDestroyRound(benchmark::State& state)
{
    const auto round = RoundMessages();
    for (auto _ : state) {
        for (const auto& bytes : round) {
            GameMessage received;
            if (!ReadGameMessage(bytes.data(), bytes.size(), received)) state.SkipWithError("read failed");
            GameMessage queued = CopyGameMessage(received);
            DeleteGameMessage(received);
            benchmark::DoNotOptimize(queued.body.get());
            DeleteGameMessage(queued);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(round.size()));
}
BENCHMARK(DecodeCopyDestroyRound);

}  // namespace

BENCHMARK_MAIN();
