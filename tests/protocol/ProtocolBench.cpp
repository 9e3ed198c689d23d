// Decodes, copies and destroys the messages of a realistic round, as the module's queue does; the
// reader beside a reader written by hand for the bodies of the round's turns (the same checks of
// counts against the bytes left, the same heap body), with a plain copy of the same bytes beside
// them as the least any reader costs.

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

// Reads the fields of one body in wire order, failing as the generated reader does: a short body,
// or a count larger than the bytes left could hold.
class HandReader {
public:
    HandReader(const uint8_t* data, size_t size) : at(data), end(data + size) {}
    bool I32(int32_t& x) { return Take(&x, 4); }
    bool U32(uint32_t& x) { return Take(&x, 4); }
    bool I64(int64_t& x) { return Take(&x, 8); }
    bool Cards(CardList& cards)
    {
        uint32_t n = 0;
        if (!U32(n) || n > size_t(end - at) / 4) return false;
        cards.resize(n);
        return Take(cards.data(), size_t(n) * 4);
    }
    bool Transfers(std::vector<PiTransfer>& xs)
    {
        uint32_t n = 0;
        if (!U32(n) || n > size_t(end - at) / 8) return false;
        xs.resize(n);
        for (PiTransfer& x : xs)
            if (!I32(x.fromKey) || !I32(x.cardIndex)) return false;
        return true;
    }

private:
    bool Take(void* x, size_t n)  // little-endian, as the wire
    {
        if (size_t(end - at) < n) return false;
        std::memcpy(x, at, n);
        at += n;
        return true;
    }
    const uint8_t* at;
    const uint8_t* end;
};

template <class T, class Read>
bool HandBody(HandReader& in, GameMessage& out, Read read)
{
    T body;
    if (!read(in, body)) return false;
    out = GameMessage(std::move(body));
    return true;
}

// The turns' bodies by hand; false for any other id.
bool HandReadTurnMessage(const uint8_t* data, size_t size, GameMessage& out)
{
    HandReader in(data, size);
    int32_t id = 0;
    if (!in.I32(id)) return false;
    switch (id) {
    case TurnStart::kId:
        return HandBody<TurnStart>(in, out, [](HandReader& r, TurnStart& b) { return r.I32(b.turnKey) && r.I32(b.pendingPassCount); });
    case HandCardPlayed::kId:
        return HandBody<HandCardPlayed>(in, out, [](HandReader& r, HandCardPlayed& b) {
            return r.I32(b.userKey) && r.Cards(b.cards) && r.I32(b.bombFlag);
        });
    case DeckCardsFlipped::kId:
        return HandBody<DeckCardsFlipped>(in, out, [](HandReader& r, DeckCardsFlipped& b) {
            return r.I32(b.userKey) && r.I32(b.bonusTake) && r.Cards(b.cards) && r.I32(b.pendingPassCount) && r.I32(b.missionValue);
        });
    case TurnResult::kId:
        return HandBody<TurnResult>(in, out, [](HandReader& r, TurnResult& b) {
            return r.U32(b.userKey) && r.U32(b.turnKind) && r.Cards(b.captured) && r.I32(b.multiplier) && r.I32(b.points[0]) &&
                   r.I32(b.points[1]) && r.Transfers(b.piTransfers) && r.I32(b.kjValue) && r.I32(b.bonusFlag);
        });
    case ScoreRefresh::kId:
        return HandBody<ScoreRefresh>(in, out, [](HandReader& r, ScoreRefresh& b) {
            return r.I32(b.points[0]) && r.I32(b.points[1]) && r.I32(b.septemberFlag);
        });
    default: return false;
    }
}

// The turns' messages (100 of the round's 108) read both ways: each hand-read message must equal
// the generated reader's, and both must have read every message, before they are timed.
void ReadVsHandReaderTurns(benchmark::State& state)
{
    std::vector<std::vector<uint8_t>> turns;
    for (auto& bytes : RoundMessages()) {
        GameMessage hand;
        if (HandReadTurnMessage(bytes.data(), bytes.size(), hand)) turns.push_back(std::move(bytes));
    }
    std::vector<uint8_t> copy(64 * 1024);
    for (const auto& bytes : turns) {
        GameMessage ours, hand;
        if (!ReadGameMessage(bytes.data(), bytes.size(), ours) || !HandReadTurnMessage(bytes.data(), bytes.size(), hand) ||
            !ours.body || !hand.body || ours.id != hand.id || !ours.body->Equals(*hand.body))
            return void(paired::FailCheck(state, "the hand reader and ours read a message differently"));
    }
    if (turns.size() != 100) return void(paired::FailCheck(state, "expected the round's 100 turn messages"));
    state.SetLabel("same bodies, checked equal; limit_us: memcpy of the bytes");
    paired::Time(
        state,
        [&] {
            for (const auto& bytes : turns) {
                GameMessage received;
                benchmark::DoNotOptimize(ReadGameMessage(bytes.data(), bytes.size(), received));
            }
        },
        [&] {
            for (const auto& bytes : turns) {
                GameMessage received;
                benchmark::DoNotOptimize(HandReadTurnMessage(bytes.data(), bytes.size(), received));
            }
        },
        [&] {
            for (const auto& bytes : turns) {
                std::memcpy(copy.data(), bytes.data(), bytes.size());
                benchmark::DoNotOptimize(copy.data());
            }
        });
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(turns.size()));
}
BENCHMARK(ReadVsHandReaderTurns);

}  // namespace

int main(int argc, char** argv)
{
    return paired::Main(argc, argv);
}
