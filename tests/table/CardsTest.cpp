#include <gtest/gtest.h>

#include <vector>

#include "graphics/resources/core/Image.h"
#include "support/RoomTestSupport.h"
#include "views/CVHTWnd.h"

namespace {

// A room whose 50 card windows show a 10 x 16 strip of 51 frames, each window holding the card
// of its own slot, as the deal leaves them.
class Cards : public RoomFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenRoom());
        const auto strip = Image::Create(10, 16 * 51, 0xFF336699u);
        for (int32_t slot = 0; slot < kCardCount; ++slot) {
            auto* card = new CVHTWnd();
            card->SetImage(*strip);
            card->SetRect({0, 0, 10, 16});
            card->SetCard(slot);
            Scene().AddWnd(card);
            Scene().tableWidgets.cardWnds[static_cast<size_t>(slot)] = card;
        }
    }
};

}  // namespace

TEST_F(Cards, SlotsFromOutsideReadAsTheLastSlot)
{
    for (int32_t slot : {50, 60, -1, -3}) EXPECT_EQ(Scene().CardWndBySlot(slot), Scene().CardWndBySlot(49)) << slot;
    EXPECT_EQ(Scene().CountCardsOfMonth({60, 4, 32, -3}, kBonusMonth), 2);
}

// The third field of a played card: whether it takes nothing while another hand card could have.
TEST_F(Cards, PlayedCardMissesAMatchAnotherHandCardHad)
{
    const struct { const char* name; bool seated; std::vector<int32_t> hand, floor; int32_t card; bool misses; } cases[] = {
        {"takes a floor card of its month", true, {0, 4}, {1, 5}, 0, false},
        {"takes nothing, another hand card could", true, {0, 4}, {5}, 0, true},
        {"takes nothing, no hand card could", true, {0, 4}, {9}, 0, false},
        {"the bonus card never takes", true, {48, 4}, {5, 49}, 48, true},
        {"a bonus card in hand takes nothing", true, {0, 49}, {48}, 0, false},
        {"not seated", false, {0, 4}, {5}, 0, false},
        {"a card id from outside", true, {0, 4}, {5}, 50, false},
    };
    for (const auto& c : cases) {
        Seat(c.seated);
        Scene().gameInfo.users[0].hand = c.hand;
        Scene().floor.cards = c.floor;
        EXPECT_EQ(Scene().MissesAvailableMatch(c.card), c.misses) << c.name;
    }
}
