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

// The scene's start-up covers the values of the wrong type and the defaults written back.
TEST_F(RegistryKeyTest, StringsAreReadUpToTheLimitAndNeverPastTheirSize)
{
    const struct { const char* name; std::string stored; int read; } cases[] = {
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
