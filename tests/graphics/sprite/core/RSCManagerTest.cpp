#include <gtest/gtest.h>

#include "graphics/sprite/core/K_Animation.h"
#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "graphics/sprite/core/SpriteTestData.h"

namespace {

class RSCManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.Reset();
        ASSERT_EQ(QZSRsc_Init(4, folder.Base()), 1);
        QZSpriteData d;
        d.frames.push_back(spritetest::SolidFrame(3, 3, 0x123456));
        folder.Write("Back/skin_0.qzs", WriteSpriteFile(d, SpriteFileKind::Sheet));
        for (char name = 'A'; name <= 'E'; ++name) folder.Write(std::string("Pack/") + name + ".psp", WriteSpriteFile(d, SpriteFileKind::Pack));
    }
    void TearDown() override { manager.Reset(); }

    spritetest::TempFolder folder{"rsc"};
    QZSprite_RSCManager& manager = QZSprite_RSCManager::Instance();
};

}  // namespace

TEST_F(RSCManagerTest, FilesAreSharedByPathAndKindAndCounted)
{
    QZSHandle a = manager.Load("Back\\skin_0.qzs", QZSFileType::Sheet);
    ASSERT_TRUE(a.IsValid());
    std::vector<QZSHandle> held;
    const std::string spellings[] = {"Back/skin_0.qzs", "BACK\\Skin_0.QZS", folder.Base() + "Back\\skin_0.qzs"};
    for (const std::string& path : spellings) {
        held.push_back(manager.Load(path, QZSFileType::Sheet));
        EXPECT_EQ(held.back().slot, a.slot) << path;
    }
    EXPECT_FALSE(manager.Load("Back\\skin_0.qzs", QZSFileType::Pack).IsValid()) << "a sheet's bytes are no pack";
    EXPECT_EQ(manager.GetRefCount(a), 4);
    EXPECT_EQ(manager.GetLoadedCount(), 1);
    for (QZSHandle& h : held) manager.Release(h);
    EXPECT_FALSE(held[0].IsValid()) << "Release clears the handle";
    ASSERT_NE(manager.GetSpriteFile(a), nullptr);
    manager.Release(a);
    QZSHandle stale{0, QZSFileType::Sheet};
    EXPECT_EQ(manager.GetSpriteFile(stale), nullptr) << "a freed slot answers nothing";
    manager.Release(stale);  // a second release of a freed slot is harmless
    EXPECT_EQ(manager.GetLoadedCount(), 0);
}

TEST_F(RSCManagerTest, CapacityLimitsTheFilesAndFreedSlotsAreReused)
{
    std::vector<QZSHandle> h;
    for (const char* name : {"Pack\\A.psp", "Pack\\B.psp", "Pack\\C.psp", "Pack\\D.psp"})
        h.push_back(manager.Load(name, QZSFileType::Pack));
    EXPECT_FALSE(manager.Load("Pack\\E.psp", QZSFileType::Pack).IsValid()) << "the fifth file finds no slot";
    EXPECT_TRUE(manager.Load("Pack\\A.psp", QZSFileType::Pack).IsValid()) << "sharing needs no slot";
    const int freed = h[1].slot;
    manager.Release(h[1]);
    EXPECT_EQ(manager.Load("Pack\\E.psp", QZSFileType::Pack).slot, freed) << "the freed slot is reused";
    EXPECT_FALSE(manager.Load("Pack\\missing.psp", QZSFileType::Pack).IsValid());
    QZSRsc_Init(2, folder.Base());
    EXPECT_TRUE(manager.GetCapacity() == 4 && manager.GetLoadedCount() == 4) << "re-initialising never drops slots in use";
    EXPECT_EQ(QZSRsc_Init(0, folder.Base()), 0);
}

TEST_F(RSCManagerTest, AnimationsHoldTheirFileAndPackUntilDestroyed)
{
    const QZAnimationFile f{true, "A.psp", std::vector<QZAnimation>(28, spritetest::MakeAnimation("", {1}))};
    folder.Write("Pack/CheckNotice.qza", WriteAnimationFile(f));
    {
        K_Animation_RSC first, second;
        ASSERT_TRUE(first.LoadAnimationFile("Pack\\CheckNotice.qza") && second.LoadAnimationFile("Pack\\CheckNotice.qza"));
        EXPECT_EQ(manager.GetLoadedCount(), 2) << "one animation file and one pack, shared";
        EXPECT_TRUE(first.GetSprite() == second.GetSprite() && first.GetChild(28)->GetSprite() == first.GetSprite());
    }
    EXPECT_EQ(manager.GetLoadedCount(), 0);
}

// A file read ahead is taken by the first Load of its path and kind, in place of the file; a
// file that fails the check, or that Load already read itself, is not kept, and a file the
// loader had to read names its folder for the reader ahead.
TEST_F(RSCManagerTest, FilesReadAheadAreTakenOnceAndOnlyWhatLoadWouldAccept)
{
    manager.Prefetch(folder.Base() + "Pack\\A.psp", QZSFileType::Pack);
    manager.Prefetch(folder.Base() + "Back\\skin_0.qzs", QZSFileType::Pack);  // a sheet is no pack
    folder.Write("Pack/Bad.psp", {'P', 'S', 'P', 0x1A});
    manager.Prefetch(folder.Base() + "Pack\\Bad.psp", QZSFileType::Pack);
    manager.Prefetch(folder.Base() + "Pack\\none.psp", QZSFileType::Pack);
    EXPECT_EQ(manager.GetPrefetchedCount(), 1);
    EXPECT_EQ(manager.TakeMissedFolder(), "");

    folder.Write("Pack/A.psp", {1, 2, 3});  // changed after the read ahead: the read bytes count
    QZSHandle a = manager.Load("pack/a.PSP", QZSFileType::Pack);
    EXPECT_TRUE(a.IsValid() && manager.GetSpriteFile(a)->GetFrameCount() == 1);
    EXPECT_EQ(manager.GetPrefetchedCount(), 0) << "taken, not copied";
    EXPECT_EQ(manager.TakeMissedFolder(), "") << "no miss";
    EXPECT_TRUE(manager.Load("Back\\skin_0.qzs", QZSFileType::Sheet).IsValid());
    EXPECT_EQ(manager.TakeMissedFolder(), QZSprite_RSCManager::MakeKey(folder.Base() + "Back\\"));
    EXPECT_EQ(manager.TakeMissedFolder(), "") << "taken once";
    EXPECT_FALSE(manager.Load("Pack\\Bad.psp", QZSFileType::Pack).IsValid()) << "the loader meets the failure itself";

    QZSHandle b = manager.Load("Pack\\B.psp", QZSFileType::Pack);
    manager.Release(b);
    manager.Prefetch(folder.Base() + "Pack\\B.psp", QZSFileType::Pack);
    EXPECT_EQ(manager.GetPrefetchedCount(), 0) << "a file the loader read is not read again";
    manager.Prefetch(folder.Base() + "Pack\\C.psp", QZSFileType::Pack);
    manager.ClearPrefetched();
    EXPECT_EQ(manager.GetPrefetchedCount(), 0);
    manager.Prefetch(folder.Base() + "Pack\\B.psp", QZSFileType::Pack);
    EXPECT_EQ(manager.GetPrefetchedCount(), 1) << "cleared with the rest";
}
