#include <gtest/gtest.h>

#include "graphics/resources/core/EntryTable.h"

TEST(EntryKey, FoldsCaseAndSlashesButNotKoreanBytes)
{
    EXPECT_EQ(EntryKeyOf("Avatar/default.gif"), EntryKeyOf("AVATAR\\Default.GIF"));
    // "\xB0\x61" and "\xB0\x41" are two different CP949 characters.
    EXPECT_EQ(EntryKeyOf("\xB0\x61/a.bmp"), "\xB0\x61\\A.BMP");
}
