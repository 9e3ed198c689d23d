#include <gtest/gtest.h>

#include "graphics/resources/core/Image.h"
#include "views/CVHTWnd.h"

TEST(CardWindowFrames, CardIdsPickTheirFrameAndOthersTheBack)
{
    const auto strip = Image::Create(4, 4 * 51, 0xFF00FF00);
    ASSERT_TRUE(strip);
    const struct { int32_t id; int frame; } cases[] = {{0, 0}, {49, 49}, {50, 50}, {51, 50}, {-1, 50}, {0x7FFFFFFF, 50}};
    for (const auto& c : cases) {
        CVHTWnd card;
        card.SetImage(*strip);
        card.SetRect({0, 0, 4, 4});
        card.SetCard(c.id);
        EXPECT_EQ(card.GetSrcRect(), (Rect{0, 4 * c.frame, 4, 4 * c.frame + 4})) << "card " << c.id;
    }
}
