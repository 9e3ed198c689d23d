#include <gtest/gtest.h>

#include <string>

#include "foundation/Win32.h"

#include <shlwapi.h>
#include "views/RegistryKey.h"

// Strings are read up to 8191 bytes and never past their size, also when stored without their
// terminator. The scene's start-up covers the values of the wrong type and the defaults written back.
TEST(RegistryKey, StringsAreReadUpToTheLimitAndNeverPastTheirSize)
{
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\MirelleTest");
    const RegistryKey key{"MirelleTest\\Domain"};
    const struct { const char* name; std::string stored; int read; } cases[] = {
        {"the longest", std::string(8191, 'x'), 1}, {"one byte more", std::string(8192, 'y'), 0}};
    for (const auto& c : cases) {
        ASSERT_EQ(key.WriteString("24", "v", c.stored), 1) << c.name;
        std::string out = "kept";
        EXPECT_EQ(key.ReadString("24", "v", out), c.read) << c.name;
        EXPECT_EQ(out, c.read ? c.stored : "kept") << c.name;
    }
    const char raw[3] = {'a', 'b', 'c'};
    SHSetValueA(HKEY_CURRENT_USER, "Software\\MirelleTest\\Domain\\24", "raw", REG_SZ, raw, sizeof raw);
    std::string out;
    EXPECT_EQ(key.ReadString("24", "raw", out), 1);
    EXPECT_EQ(out, "abc") << "unterminated";
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\MirelleTest");
}
