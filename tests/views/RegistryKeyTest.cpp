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

TEST_F(RegistryKeyTest, FirstWriteCreatesKeyAndSubkey)
{
    std::string text = "default";
    uint32_t number = 77;
    EXPECT_EQ(key.ReadString("24", "Option_Volume", text), 0);
    EXPECT_EQ(key.ReadDword("24", "Option_Voice", number), 0);
    EXPECT_EQ(text, "default") << "a failed read leaves the caller's default";
    EXPECT_EQ(number, 77u);

    ASSERT_EQ(key.WriteString("24", "Option_Volume", "-2500"), 1);
    ASSERT_EQ(key.WriteDword("24", "Option_Voice", 3), 1);
    EXPECT_EQ(key.ReadString("24", "Option_Volume", text), 1);
    EXPECT_EQ(text, "-2500");
    EXPECT_EQ(key.ReadDword("24", "Option_Voice", number), 1);
    EXPECT_EQ(number, 3u);
    EXPECT_EQ(key.ReadDword("25", "Option_Voice", number), 0) << "another subkey does not exist";
}

TEST_F(RegistryKeyTest, StringsUpToTheLimitAreReadWholeAndLongerOnesFail)
{
    const std::string longest(8191, 'x');
    ASSERT_EQ(key.WriteString("24", "v", longest), 1);
    std::string out;
    EXPECT_EQ(key.ReadString("24", "v", out), 1);
    EXPECT_EQ(out, longest);

    ASSERT_EQ(key.WriteString("24", "w", std::string(8192, 'y')), 1);
    out = "kept";
    EXPECT_EQ(key.ReadString("24", "w", out), 0);
    EXPECT_EQ(out, "kept");

    ASSERT_EQ(key.WriteString("24", "k", "한글 값"), 1);
    EXPECT_EQ(key.ReadString("24", "k", out), 1);
    EXPECT_EQ(out, "한글 값");
}

TEST_F(RegistryKeyTest, ValuesOfTheWrongTypeAreNotRead)
{
    ASSERT_EQ(key.WriteDword("24", "Option_Speed", 0x00323131), 1);  // bytes "112\0" as a DWORD
    std::string text = "kept";
    EXPECT_EQ(key.ReadString("24", "Option_Speed", text), 0);
    EXPECT_EQ(text, "kept");

    ASSERT_EQ(key.WriteString("24", "Option_Skin", "1"), 1);
    uint32_t number = 9;
    EXPECT_EQ(key.ReadDword("24", "Option_Skin", number), 0);
    EXPECT_EQ(number, 9u);

    // A binary value without terminator must not be read past its end.
    HKEY h = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\MirelleTest\\Domain\\24", 0, KEY_ALL_ACCESS, &h), ERROR_SUCCESS);
    const char raw[3] = {'a', 'b', 'c'};
    RegSetValueExA(h, "raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(raw), 3);
    RegCloseKey(h);
    EXPECT_EQ(key.ReadString("24", "raw", text), 1);
    EXPECT_EQ(text, "abc") << "an unterminated string stops at its size";
}
