#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "foundation/Win32.h"
#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "host/SpritePrefetch.h"

namespace {

namespace fs = std::filesystem;

// The generated room's image folder (build/game/GameImage, three folders above the test program).
fs::path GeneratedImages()
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return fs::path(exe).parent_path().parent_path().parent_path() / "game" / "GameImage";
}

}  // namespace

// Each kind of sprite-engine file read ahead is taken by the loader's first Load of its kind: the
// loader never has to read it again.
TEST(SpritePrefetch, AFileReadAheadIsTakenNeverReadTwice)
{
    const struct { const char* name; const char* source; QZSFileType type; } cases[] = {
        {"pack.psp", "Back/deck.psp", QZSFileType::Pack},
        {"sheet.qzs", "Hwatoo/holdbomb.qzs", QZSFileType::Sheet},
        {"animation.qza", "Hwatoo/hold_open.qza", QZSFileType::Animation},
    };
    const fs::path folder = fs::temp_directory_path() / "mirelle_prefetch_test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& c : cases) {
        std::error_code error;
        fs::copy_file(GeneratedImages() / c.source, folder / c.name, error);
        ASSERT_FALSE(error) << c.source << ": build the game_tree target first";
    }
    QZSprite_RSCManager& manager = QZSprite_RSCManager::Instance();
    manager.Reset();
    const std::string base = folder.string() + "\\";
    ASSERT_EQ(QZSRsc_Init(8, base), 1);
    SpritePrefetch prefetch;
    ASSERT_TRUE(prefetch.Start(base));
    for (int waited = 0; waited < 5000 && manager.GetPrefetchedCount() < 3; waited += 10) Sleep(10);
    EXPECT_EQ(manager.GetPrefetchedCount(), 3) << "each file read ahead as its own kind";
    for (const auto& c : cases) {
        QZSHandle h = manager.Load(c.name, c.type);
        EXPECT_TRUE(h.IsValid()) << c.name;
        EXPECT_EQ(manager.TakeMissedFolder(), "") << c.name << " was read again by the loader";
        manager.Release(h);
    }
    EXPECT_EQ(manager.GetPrefetchedCount(), 0) << "every file read ahead was taken";
    prefetch.Stop();
    manager.Reset();
    fs::remove_all(folder);
}
