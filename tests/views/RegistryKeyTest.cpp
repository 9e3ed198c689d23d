#include <gtest/gtest.h>

#include <string>

#include "foundation/Win32.h"

#include <shlwapi.h>
#include "views/RegistryKey.h"

namespace {

// A key of its own under HKCU\Software, removed before and after each test.
class RegistryKeyTest : public ::testing::Test {
protected:
    void SetUp() override { Remove(); }
    void TearDown() override { Remove(); }
    static void Remove() { SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\MirelleTest"); }

    RegistryKey key{"MirelleTest\\Domain"};
};

}  // namespace

TEST_F(RegistryKeyTest, FirstWriteCreatesTheKeysAndFailedReadsLeaveTheDefault)
{
    std::string text = "default";
    uint32_t number = 77;
    EXPECT_EQ(key.ReadString("24", "Option_Volume", text), 0);
    EXPECT_EQ(key.ReadDword("24", "Option_Voice", number), 0);
    ASSERT_EQ(key.WriteString("24", "Option_Volume", "한글 값"), 1);
    ASSERT_EQ(key.WriteDword("24", "Option_Voice", 3), 1);
    ASSERT_EQ(key.WriteString("24", "Option_Skin", "abc"), 1);  // four bytes, as a DWORD would be
    // Each value as the other type: not read.
    EXPECT_EQ(key.ReadString("24", "Option_Voice", text), 0);
    EXPECT_EQ(key.ReadDword("24", "Option_Skin", number), 0);
    EXPECT_EQ(key.ReadDword("25", "Option_Voice", number), 0) << "another subkey";
    EXPECT_EQ(text, "default");
    EXPECT_EQ(number, 77u);

    EXPECT_EQ(key.ReadString("24", "Option_Volume", text), 1);
    EXPECT_EQ(text, "한글 값");
    EXPECT_EQ(key.ReadDword("24", "Option_Voice", number), 1);
    EXPECT_EQ(number, 3u);
}

TEST_F(RegistryKeyTest, StringsAreReadUpToTheLimitAndNeverPastTheirSize)
{
    const struct {
        const char* name;
        std::string stored;
        int read;
    } cases[] = {
        {"the longest", std::string(8191, 'x'), 1},
        {"one byte more", std::string(8192, 'y'), 0},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(key.WriteString("24", "v", c.stored), 1) << c.name;
        std::string out = "kept";
        EXPECT_EQ(key.ReadString("24", "v", out), c.read) << c.name;
        EXPECT_EQ(out, c.read ? c.stored : "kept") << c.name;
    }
    // A string value stored without its terminator.
    HKEY h = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\MirelleTest\\Domain\\24", 0, KEY_ALL_ACCESS, &h), ERROR_SUCCESS);
    const char raw[3] = {'a', 'b', 'c'};
    RegSetValueExA(h, "raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(raw), 3);
    RegCloseKey(h);
    std::string out;
    EXPECT_EQ(key.ReadString("24", "raw", out), 1);
    EXPECT_EQ(out, "abc");
}
