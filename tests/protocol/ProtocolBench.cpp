// Decodes, copies and destroys the messages of a realistic round, as the module's queue does; and
// the reader beside a plain copy of the same bytes, the least any reader costs.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "PairedBench.h"

#include "protocol/GameMessage.h"

namespace {

// The server's messages of one round between two players, as bytes.
std::vector<std::vector<uint8_t>> RoundMessages()
{
    RoomEnterAnswer enter{.clientVersion = 20110927, .hostText = "room text"};
    for (size_t seat = 0; seat < 2; ++seat) {
        PlayerInfo& p = enter.room.seats.players[seat];
        p.userKey = seat ? 2002 : 1001;
        p.userId = p.nickname = seat ? "other" : "me";
        p.avatarString = "avatar:0001:0002:0003";
        p.gameMoney = 1234567890123;
    }
    enter.user = enter.room.seats.players[0];
    std::vector<GameMessage> round;
    round.emplace_back(enter);
    round.emplace_back(GameReady{});
    round.emplace_back(TableReset{});
    round.emplace_back(DealCards{.userKey = 1001, .floorCards = {0, 5, 9, 14, 20, 22, 30, 41},
                                 .handCards = {1, 2, 3, 4, 6, 7, 8, 10, 11, 12}});
    for (int32_t turn = 0; turn < 20; ++turn) {
        const int32_t key = turn % 2 ? 2002 : 1001;
        round.emplace_back(TurnStart{.turnKey = key});
        round.emplace_back(HandCardPlayed{.userKey = key, .cards = {turn}});
        round.emplace_back(DeckCardsFlipped{.userKey = key, .cards = {turn + 20}});
        round.emplace_back(TurnResult{.userKey = static_cast<uint32_t>(key), .captured = {turn, turn + 20},
                                      .piTransfers = {{2002, 33}}});
        round.emplace_back(ScoreRefresh{});
    }
    round.emplace_back(GoOrStopPrompt{});
    round.emplace_back(GoOrStopResult{});
    round.emplace_back(RoundResult{.bakList = {{0, 1, 0, 0}}, .remainingDeck = {40, 41, 42},
                                   .remainingHands = {CardList{43}, CardList{44, 45}}});
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

// Each message read is checked to write back to its own bytes, and the copy to equal them, before
// the reader and the copy are timed side by side.
void ReadVsCopyRound(benchmark::State& state)
{
    const auto round = RoundMessages();
    std::vector<uint8_t> copy(64 * 1024);
    for (const auto& bytes : round) {
        GameMessage received;
        if (!ReadGameMessage(bytes.data(), bytes.size(), received))
            return void(paired::FailCheck(state, "a message does not read"));
        const bool same = WriteGameMessage(received) == bytes;
        DeleteGameMessage(received);
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        if (!same || std::memcmp(copy.data(), bytes.data(), bytes.size()) != 0)
            return void(paired::FailCheck(state, "a message read does not write back to its bytes"));
    }
    paired::Time(
        state,
        [&] {
            for (const auto& bytes : round) {
                GameMessage received;
                benchmark::DoNotOptimize(ReadGameMessage(bytes.data(), bytes.size(), received));
                DeleteGameMessage(received);
            }
        },
        [&] {
            for (const auto& bytes : round) {
                std::memcpy(copy.data(), bytes.data(), bytes.size());
                benchmark::DoNotOptimize(copy.data());
            }
        });
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(round.size()));
}
BENCHMARK(ReadVsCopyRound);

}  // namespace

int main(int argc, char** argv)
{
    return paired::Main(argc, argv);
}
