#include "table/core/ScoreRules.h"

#include <algorithm>

namespace {

constexpr int kMissionS = 1, kMissionD = 2, kMissionC = 3, kMissionC2 = 4, kMissionKJ = 5;
constexpr int32_t kSingleMissionCount = 34;  // single missions 0..33; -1 is none

// Mission 0 is a mission like any other: its factor counts as the others' do.
bool IsSingleMission(int32_t index)
{
    return index >= 0 && index < kSingleMissionCount;
}

bool PilesEmpty(const CHTUser& u)
{
    return u.gwangPile.empty() && u.animalPile.empty() && u.ribbonPile.empty() && u.piPile.empty();
}

bool HoldsCard(const std::vector<int32_t>& slots, int32_t cardId, const CardFaces& faces)
{
    return std::any_of(slots.begin(), slots.end(),
                       [&](int32_t s) { return faces.FaceAt(SlotOf(s)).cardId == cardId; });
}

// A factor the server sends below 1 counts as 1, so a mission never lowers or flips the multiplier.
int64_t AtLeastOne(int32_t factor)
{
    return std::max<int64_t>(factor, 1);
}

// At most 2^31 - 1: with the doublings (at most 2^30) and the points the product stays in 64 bits.
int64_t MissionFactor(const CGameInfo& game, int seat, const CHTUser& own)
{
    constexpr int64_t kLimit = INT32_MAX;
    auto owned = [seat](const auto& owners, int64_t per) {
        int64_t f = 1;
        for (int32_t owner : owners)
            if (owner == seat) f *= per;
        return f;
    };
    switch (game.missionMode) {
    case kMissionS:
        return IsSingleMission(game.sMissionIndex) && game.sMissionFactor < 11 ? AtLeastOne(game.sMissionFactor) : 1;
    case kMissionD: {
        int64_t f = 1;
        if (game.dMissionOwners[0] == seat) f = AtLeastOne(game.dMissionFactors[0]);
        if (game.dMissionOwners[1] == seat) f *= AtLeastOne(game.dMissionFactors[1]);
        return std::min(f, kLimit);
    }
    case kMissionC: return owned(game.cMissionOwners, 2);
    case kMissionC2: return owned(game.c2MissionOwners, 3);
    case kMissionKJ: return AtLeastOne(own.missionValue);
    default: return 1;
    }
}

void UpdateSeat(CGameInfo& game, int seat, bool september, ScoreRules rules, const CardFaces& faces)
{
    CHTUser& own = game.users[static_cast<size_t>(seat)];
    CHTUser& other = game.users[static_cast<size_t>(1 - seat)];
    other.gwangBak = other.meongTta = other.piBak = 0;
    int64_t points = std::min<int64_t>(int64_t{own.points} + own.goCount, INT32_MAX);
    // Doublings are counted, then applied once, so no count the server sends can overflow the shift.
    int doublings = std::clamp(game.drawExponent, 0, 24);
    if (own.goCount > 2) doublings += std::min(own.goCount - 2, 24);
    doublings += std::clamp(own.shakeBombCount, 0, 24);
    if (own.animalPile.size() >= 7) {
        other.meongTta = 1;
        ++doublings;
    }
    if (rules.gwangBak && own.gwangPile.size() >= 3 && other.gwangPile.empty()) {
        other.gwangBak = 1;
        ++doublings;
    }
    const bool septemberLifts = (other.piCount == 6 || other.piCount == 7) && september &&
                                HoldsCard(other.animalPile, kSeptemberAnimal, faces);
    if (own.piCount >= 10 && other.piCount >= 1 && other.piCount <= 7 && !septemberLifts) {
        other.piBak = 1;
        ++doublings;
    }
    if (rules.goBak && other.goCount > 0) ++doublings;
    int64_t m = int64_t{1} << std::min(doublings, 30);
    const int64_t limit = INT32_MAX;
    if (own.missionActive != 0) m = std::min(m * MissionFactor(game, seat, own), limit);
    if (points < 0 || PilesEmpty(own)) points = 0;
    own.multiplier = static_cast<int32_t>(m);
    own.total = static_cast<int32_t>(std::min(m * points, limit));
}

int32_t DeckTopWhilePassPending(const CGameInfo& game, const CHTUser& own, const CardFaces& faces)
{
    if (own.deckFlips < 1 || game.deck.empty()) return -1;
    return faces.FaceAt(SlotOf(game.deck.front())).cardId;
}

int32_t PickFirstShuffled(std::vector<int32_t> ids, const RandomSource& random)
{
    if (ids.empty()) return -1;
    ShuffleCardIds(ids, random);
    return ids.front();
}

}  // namespace

void UpdateScoreMultiplier(CGameInfo& game, int seat, bool september, ScoreRules rules, const CardFaces& faces)
{
    if (seat == 2) {
        UpdateSeat(game, 0, september, rules, faces);
        UpdateSeat(game, 1, september, rules, faces);
    } else if (seat == 0 || seat == 1) {
        UpdateSeat(game, seat, september, rules, faces);
    }
}

void ShuffleCardIds(std::vector<int32_t>& ids, const RandomSource& random)
{
    for (size_t i = 1; i < ids.size(); ++i) {
        const size_t j = static_cast<size_t>(random()) % (i + 1);
        std::swap(ids[i], ids[j]);
    }
}

int32_t PickTimeoutCard(const CGameInfo& game, const COpenInfo& floor, int ownSeat, const CardFaces& faces)
{
    if (ownSeat != 0 && ownSeat != 1) return -1;
    const CHTUser& own = game.users[static_cast<size_t>(ownSeat)];
    for (int32_t s : own.hand) {
        const CardFace& f = faces.FaceAt(SlotOf(s));
        const bool matches = std::any_of(floor.cards.begin(), floor.cards.end(),
                                         [&](int32_t fs) { return faces.FaceAt(SlotOf(fs)).month == f.month; });
        if (f.month == kBonusMonth || matches) return f.cardId;
    }
    if (!own.hand.empty()) return faces.FaceAt(SlotOf(own.hand.front())).cardId;
    return DeckTopWhilePassPending(game, own, faces);
}

int32_t ChooseAutoPlayCard(const CGameInfo& game, const COpenInfo& floor, int ownSeat, const CardFaces& faces,
                           const RandomSource& random)
{
    if (ownSeat != 0 && ownSeat != 1) return -1;
    const CHTUser& own = game.users[static_cast<size_t>(ownSeat)];
    std::vector<int32_t> gwang, plain;
    for (int32_t s : own.hand) {
        const CardFace& h = faces.FaceAt(SlotOf(s));
        for (int32_t fs : floor.cards) {
            const CardFace& f = faces.FaceAt(SlotOf(fs));
            if (f.month != h.month) continue;
            if (h.special == CardSpecial::DoublePi || f.special == CardSpecial::DoublePi) return h.cardId;
            (h.special == CardSpecial::Gwang || f.special == CardSpecial::Gwang ? gwang : plain).push_back(h.cardId);
        }
    }
    if (!gwang.empty()) return gwang.front();
    if (!plain.empty()) return PickFirstShuffled(std::move(plain), random);
    if (own.hand.empty()) return DeckTopWhilePassPending(game, own, faces);

    std::vector<int32_t> triples, safePairs, rest;
    for (int32_t s : own.hand) {
        const CardFace& h = faces.FaceAt(SlotOf(s));
        if (h.month == kBonusMonth) return h.cardId;
        const int inHand = CountCardsOfMonth(own.hand, h.month, [&](int32_t slot) { return faces.FaceAt(slot); });
        const bool pairSafe = inHand == 2 && h.month >= 0 && h.month < 12 &&
                              game.monthCaptured[static_cast<size_t>(h.month)] == 2;
        (inHand >= 3 ? triples : pairSafe ? safePairs : rest).push_back(h.cardId);
    }
    if (!triples.empty()) return PickFirstShuffled(std::move(triples), random);
    if (!safePairs.empty()) return PickFirstShuffled(std::move(safePairs), random);
    if (own.deckFlips > 0) return DeckTopWhilePassPending(game, own, faces);
    return PickFirstShuffled(std::move(rest), random);
}
