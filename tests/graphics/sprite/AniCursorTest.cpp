#include <gtest/gtest.h>

#include <fstream>

#include "../../../tools/assets/Cursor.h"
#include "foundation/Win32.h"

// The asset builder's animated cursors load through USER32 as the module loads them.
TEST(AniCursor, LoadsWithItsFrames)
{
    const auto bytes = WriteAni({ArrowCursor(32, 0xFFFFFF), ArrowCursor(32, 0xFFD040)}, 8);
    char folder[MAX_PATH] = {};
    ASSERT_TRUE(!bytes.empty() && GetTempPathA(MAX_PATH, folder) > 0);
    const std::string path = std::string(folder) + "mirelle_test_cursor.ani";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    const HCURSOR cursor = LoadCursorFromFileA(path.c_str());
    DeleteFileA(path.c_str());
    ASSERT_NE(cursor, nullptr) << "error " << GetLastError();
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_TRUE(!info.fIcon && info.xHotspot == 0u && info.yHotspot == 0u);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DestroyCursor(cursor);
}
