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
        Clock::UseVirtual(0, Clock::Now());
        ASSERT_TRUE(OpenRoom());
        Image strip;
        strip.width = 10;
        strip.height = 16 * 51;
        strip.pixels.assign(static_cast<size_t>(strip.width) * strip.height, 0xFF336699u);
        for (int32_t slot = 0; slot < kCardCount; ++slot) {
            auto* card = new CVHTWnd();
            card->SetImage(strip);
            card->SetRect({0, 0, 10, 16});
            card->SetCard(slot);
            Scene().AddWnd(card);
            Scene().tableWidgets.cardWnds[static_cast<size_t>(slot)] = card;
        }
    }
};

}  // namespace

TEST_F(Cards, ListOperationsReadTheWindowsThroughTheSlotRule)
{
    const std::vector<int32_t> list = {60, 4, 32, -3};
    EXPECT_EQ(Scene().CountCardsOfMonth(list, kBonusMonth), 2) << "60 and -3 read as slot 49";
    EXPECT_EQ(Scene().FindCardById(list, 32), 32);
    EXPECT_EQ(Scene().FindCardOfMonth(list, 8), 32);
    EXPECT_EQ(Scene().FindCardOfSpecial(list, CardSpecial::Godori), 4);
    std::vector<int32_t> out = {7};
    EXPECT_EQ(Scene().CollectCardsOfSpecial(out, list, CardSpecial::DoublePi), 3u);
    EXPECT_EQ(out, (std::vector<int32_t>{49, 32, 49}));
    EXPECT_EQ(Scene().FindCardById({}, 3), -1);
}

TEST_F(Cards, DeckStackRisesOnePixelEveryFourCards)
{
    for (int32_t s = 0; s < 22; ++s) Scene().gameInfo.deck.push_back(s);
    Scene().StackDeck(DeckStack::DeckOnly);
    EXPECT_EQ(Scene().CardWndBySlot(0)->GetPos(), Point(320, 240));
    EXPECT_EQ(Scene().CardWndBySlot(4)->GetPos(), Point(319, 239));
    EXPECT_EQ(Scene().CardWndBySlot(21)->GetPos(), Point(315, 235));
    EXPECT_EQ(Scene().CardWndBySlot(30)->GetPos(), Point(0, 0)) << "cards outside the deck stay";

    Scene().room.roomKind = 41;
    Scene().StackDeck(DeckStack::AllSlots);
    EXPECT_EQ(Scene().CardWndBySlot(49)->GetPos(), Point(340, 240)) << "all 50 from slot 49 down";
    EXPECT_EQ(Scene().CardWndBySlot(0)->GetPos(), Point(340 - 12, 240 - 12));
}

TEST_F(Cards, FadeOutLeavesTheCardsInvisibleAfterTwoHundredMilliseconds)
{
    const uint32_t start = Clock::NowMs();
    Scene().FadeOutCards({3, 60});
    EXPECT_GE(Clock::NowMs() - start, 200u) << "ten rounds of 20 ms";
    EXPECT_EQ(Scene().CardWndBySlot(3)->GetAlpha(), 0);
    EXPECT_EQ(Scene().CardWndBySlot(49)->GetAlpha(), 0) << "slot 60 is slot 49";
    EXPECT_EQ(Scene().CardWndBySlot(4)->GetAlpha(), 255) << "unlisted cards keep their alpha";
}
