#include <gtest/gtest.h>

#include <vector>

#include "table/core/ScoreRules.h"

namespace {

// Card-window slot i shows card i.
struct Table {
    Table()
    {
        for (int32_t i = 0; i < kCardCount; ++i) faces.faces[static_cast<size_t>(i)].SetCard(i);
    }
    CHTUser& Seat(int s) { return game.users[static_cast<size_t>(s)]; }

    CGameInfo game;
    COpenInfo floor;
    CardFaceArray faces;
};

const std::vector<int32_t> kAnimals = {4, 12, 16, 20, 24, 29, 36};
const std::vector<int32_t> kGwang = {0, 8, 28};

// Seat 0 takes part in the mission of `mode` (both D parts its own).
void Mission(Table& t, int32_t mode) { t.game.missionMode = mode, t.game.dMissionOwners = {0, 0}, t.Seat(0).missionActive = 1; }
// Seat 0's points, with a card captured so that they count.
void Points(Table& t, int32_t points) { t.Seat(0).points = points, t.Seat(0).piPile = {2}; }
RandomSource Always(int value) { return [value] { return value; }; }

}  // namespace

TEST(ScoreMultiplier, DoublingsBaksAndMissions)
{
    using T = Table;
    const ScoreRules none{false, false};
    // Bak flags are those set on the other seat.
    const struct { const char* name; void (*setUp)(T&); bool september; ScoreRules rules; int32_t multiplier, total;
                   int32_t gwangBak, meongTta, piBak; } cases[] = {
        {"three go, one shake, exponent 1",
         [](T& t) { t.game.drawExponent = 1, t.Seat(0).goCount = 3, t.Seat(0).shakeBombCount = 1, Points(t, 5); },
         false, none, 8, 64, 0, 0, 0},
        {"ten pi against none: no pi-bak", [](T& t) { t.Seat(0).piCount = 10; }, false, none, 1, 0, 0, 0, 0},
        {"ten pi against seven: pi-bak", [](T& t) { t.Seat(0).piCount = 10, t.Seat(1).piCount = 7; }, false, none, 2, 0, 0, 0, 1},
        {"six pi and the September animal while the choice is open",
         [](T& t) { t.Seat(0).piCount = 10, t.Seat(1).piCount = 6, t.Seat(1).animalPile = {32}; }, true, none, 1, 0, 0, 0, 0},
        {"six pi and the September animal once the choice is made",
         [](T& t) { t.Seat(0).piCount = 10, t.Seat(1).piCount = 6, t.Seat(1).animalPile = {32}; }, false, none, 2, 0, 0, 0, 1},
        {"seven animals: meong-tta", [](T& t) { t.Seat(0).animalPile = kAnimals; }, false, none, 2, 0, 0, 1, 0},
        {"three gwang against none with the rule", [](T& t) { t.Seat(0).gwangPile = kGwang; }, false, {true, false}, 2, 0, 1, 0, 0},
        {"three gwang without the rule", [](T& t) { t.Seat(0).gwangPile = kGwang; }, false, none, 1, 0, 0, 0, 0},
        {"go-bak: the other seat said go", [](T& t) { t.Seat(1).goCount = 1; }, false, {false, true}, 2, 0, 0, 0, 0},
        {"C mission: two parts owned",
         [](T& t) { t.game.missionMode = 3, t.game.cMissionOwners = {0, 1, 0, -1}, t.Seat(0).missionActive = 1; },
         false, none, 4, 0, 0, 0, 0},
        {"C2 mission: three parts owned",
         [](T& t) { t.game.missionMode = 4, t.game.c2MissionOwners = {0, 0, 0}, t.Seat(0).missionActive = 1; },
         false, none, 27, 0, 0, 0, 0},
        {"D mission: both parts", [](T& t) { Mission(t, 2), t.game.dMissionFactors = {2, 3}; }, false, none, 6, 0, 0, 0, 0},
        {"S mission 0 counts its factor", [](T& t) { Mission(t, 1), t.game.sMissionIndex = 0, t.game.sMissionFactor = 3; },
         false, none, 3, 0, 0, 0, 0},
        {"S mission 33 counts its factor", [](T& t) { Mission(t, 1), t.game.sMissionIndex = 33, t.game.sMissionFactor = 2; },
         false, none, 2, 0, 0, 0, 0},
        {"no S mission (-1) counts nothing", [](T& t) { Mission(t, 1), t.game.sMissionIndex = -1, t.game.sMissionFactor = 3; },
         false, none, 1, 0, 0, 0, 0},
        {"S mission 34 is none", [](T& t) { Mission(t, 1), t.game.sMissionIndex = 34, t.game.sMissionFactor = 3; },
         false, none, 1, 0, 0, 0, 0},
        {"S mission factor 11 counts nothing", [](T& t) { Mission(t, 1), t.game.sMissionIndex = 2, t.game.sMissionFactor = 11; },
         false, none, 1, 0, 0, 0, 0},
        {"KJ mission without the active flag", [](T& t) { t.game.missionMode = 5, t.Seat(0).missionValue = 3; },
         false, none, 1, 0, 0, 0, 0},
        {"KJ mission value 0 counts as 1", [](T& t) { Mission(t, 5), t.Seat(0).missionValue = 0, Points(t, 3); },
         false, none, 1, 3, 0, 0, 0},
        {"a negative S factor counts as 1",
         [](T& t) { Mission(t, 1), t.game.sMissionIndex = 2, t.game.sMissionFactor = -4, Points(t, 3); },
         false, none, 1, 3, 0, 0, 0},
        {"D mission: a negative part counts as 1, the other still counts",
         [](T& t) { Mission(t, 2), t.game.dMissionFactors = {-2, 3}; }, false, none, 3, 0, 0, 0, 0},
        {"D mission: two negative parts do not make a positive factor",
         [](T& t) { Mission(t, 2), t.game.dMissionFactors = {-5, -5}; }, false, none, 1, 0, 0, 0, 0},
        {"D mission: huge factors saturate",
         [](T& t) { Mission(t, 2), t.game.dMissionFactors = {INT32_MAX, INT32_MAX}, Points(t, INT32_MAX), t.Seat(0).goCount = 2; },
         false, none, INT32_MAX, INT32_MAX, 0, 0, 0},
        {"negative points count as 0", [](T& t) { Points(t, -4); }, false, none, 1, 0, 0, 0, 0},
        {"points with cards captured", [](T& t) { Points(t, 4); }, false, none, 1, 4, 0, 0, 0},
        {"points of a seat that captured nothing count as 0", [](T& t) { t.Seat(0).points = 4; }, false, none, 1, 0, 0, 0, 0},
        {"a huge shake count from the server saturates",
         [](T& t) { t.Seat(0).shakeBombCount = t.Seat(0).goCount = 1000, t.Seat(0).piPile = {2}; },
         false, none, 1 << 30, INT32_MAX, 0, 0, 0},
    };
    for (const auto& c : cases) {
        Table t;
        c.setUp(t);
        // Flags left on the other seat from an earlier computation are cleared first.
        t.Seat(1).gwangBak = t.Seat(1).meongTta = t.Seat(1).piBak = 1;
        UpdateScoreMultiplier(t.game, 0, c.september, c.rules, t.faces);
        const CHTUser& own = t.Seat(0);
        const CHTUser& other = t.Seat(1);
        EXPECT_EQ((std::vector<int32_t>{own.multiplier, own.total, other.gwangBak, other.meongTta, other.piBak}),
                  (std::vector<int32_t>{c.multiplier, c.total, c.gwangBak, c.meongTta, c.piBak}))
            << c.name << ": multiplier, total, gwang-bak, meong-tta, pi-bak";
    }
}

TEST(ScoreMultiplier, SeatTwoUpdatesBothAndOtherSeatsNothing)
{
    Table t;
    t.Seat(0).goCount = 3;
    t.Seat(1).shakeBombCount = 2;
    UpdateScoreMultiplier(t.game, 2, false, {false, false}, t.faces);
    EXPECT_EQ(t.Seat(0).multiplier, 2);
    EXPECT_EQ(t.Seat(1).multiplier, 4);
    for (const int seat : {3, -1}) UpdateScoreMultiplier(t.game, seat, false, {false, false}, t.faces);
    EXPECT_EQ(t.Seat(1).multiplier, 4) << "seats 3 and -1 change nothing";
}

TEST(PlayedCardChoice, TimeOutAndAutoPlay)
{
    // Seat 1's hand, the floor, the deck, pending passes, January's captured count; the time-out's and auto-play's card.
    const struct { const char* name; std::vector<int32_t> hand, floor, deck; int32_t pendingPasses; int monthCapturedOf0;
                   int32_t timeout, autoPlay; } cases[] = {
        {"a floor match is played", {8, 4, 20}, {21}, {}, 0, 0, 20, 20},
        {"a bonus card amid unmatched cards", {8, 48, 20}, {44}, {}, 0, 0, 48, 48},
        {"a double-pi match wins over a gwang match", {0, 40}, {1, 41}, {}, 0, 0, 0, 40},
        {"a gwang match wins over a plain match", {5, 8}, {4, 9}, {}, 0, 0, 5, 8},
        {"three January cards, no match: one of them", {0, 1, 2, 20}, {44}, {}, 0, 0, 0, 2},
        {"a pair of January with two captured is safe", {0, 1, 20}, {44}, {}, 0, 2, 0, 1},
        {"no match, a pass pending: the deck's top", {0, 20}, {44}, {30, 31}, 1, 0, 0, 30},
        {"no match, nothing pending: a random card", {0, 20}, {44}, {30}, 0, 0, 0, 20},
        {"an empty hand with a pass pending", {}, {44}, {30, 31}, 1, 0, 30, 30},
        {"an empty hand without one", {}, {44}, {30}, 0, 0, -1, -1},
        {"an empty hand and deck", {}, {44}, {}, 2, 0, -1, -1},
    };
    for (const auto& c : cases) {
        Table t;
        t.Seat(1).hand = c.hand, t.Seat(1).deckFlips = c.pendingPasses, t.floor.cards = c.floor, t.game.deck = c.deck;
        t.game.monthCaptured[0] = c.monthCapturedOf0;
        EXPECT_EQ((std::pair{PickTimeoutCard(t.game, t.floor, 1, t.faces), ChooseAutoPlayCard(t.game, t.floor, 1, t.faces, Always(0))}),
                  (std::pair{c.timeout, c.autoPlay})) << c.name << ": time-out card, auto-play card";
    }
    Table t;
    t.Seat(0).hand = {0};
    EXPECT_EQ(PickTimeoutCard(t.game, t.floor, -1, t.faces), -1) << "not seated";
    EXPECT_EQ(ChooseAutoPlayCard(t.game, t.floor, 2, t.faces, Always(0)), -1) << "not seated";
}
