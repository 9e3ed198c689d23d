#include <gtest/gtest.h>

#include <fstream>

#include "../../../tools/assets/Cursor.h"
#include "foundation/Win32.h"

// The asset builder's animated cursors load through USER32 as the module loads them.
TEST(AniCursor, LoadsWithItsFrames)
{
    std::vector<Image> frames{ArrowCursor(32, 0xFFFFFF), ArrowCursor(32, 0xFFD040)};
    const auto bytes = WriteAni(frames, 8);
    ASSERT_FALSE(bytes.empty());
    char folder[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, folder), 0u);
    const std::string path = std::string(folder) + "mirelle_test_cursor.ani";
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    const HCURSOR cursor = LoadCursorFromFileA(path.c_str());
    EXPECT_NE(cursor, nullptr) << "error " << GetLastError();
    if (cursor) {
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, 0u);
        EXPECT_EQ(info.yHotspot, 0u);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        DestroyCursor(cursor);
    }
    DeleteFileA(path.c_str());
}
