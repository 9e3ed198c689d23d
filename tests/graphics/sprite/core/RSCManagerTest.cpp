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
        for (const char* name : {"A.psp", "B.psp", "C.psp", "D.psp", "E.psp"})
            folder.Write(std::string("Pack/") + name, WriteSpriteFile(d, SpriteFileKind::Pack));
    }
    void TearDown() override { manager.Reset(); }

    spritetest::TempFolder folder{"rsc"};
    QZSprite_RSCManager& manager = QZSprite_RSCManager::Instance();
};

}  // namespace

TEST_F(RSCManagerTest, FilesAreSharedByPathAndCounted)
{
    QZSHandle a = manager.Load("Back\\skin_0.qzs", QZSFileType::Sheet);
    ASSERT_TRUE(a.IsValid());
    const struct {
        const char* name;
        std::string path;
    } same[] = {
        {"the same path", "Back\\skin_0.qzs"},
        {"forward slashes", "Back/skin_0.qzs"},
        {"other letter case", "BACK\\Skin_0.QZS"},
        {"the absolute path", folder.Base() + "Back\\skin_0.qzs"},
    };
    std::vector<QZSHandle> held;
    for (const auto& c : same) {
        held.push_back(manager.Load(c.path, QZSFileType::Sheet));
        EXPECT_EQ(held.back().slot, a.slot) << c.name;
    }
    EXPECT_EQ(manager.GetRefCount(a), 5);
    EXPECT_EQ(manager.GetLoadedCount(), 1);
    EXPECT_EQ(manager.GetSpriteFile(a), manager.GetSpriteFile(held[0]));
    for (QZSHandle& h : held) manager.Release(h);
    EXPECT_FALSE(held[0].IsValid()) << "Release clears the handle";
    EXPECT_EQ(manager.GetRefCount(a), 1);
    ASSERT_NE(manager.GetSpriteFile(a), nullptr);
    manager.Release(a);
    EXPECT_EQ(manager.GetLoadedCount(), 0);
    QZSHandle stale{0, QZSFileType::Sheet};
    EXPECT_EQ(manager.GetSpriteFile(stale), nullptr) << "a freed slot answers nothing";
    manager.Release(stale);  // a second release of a freed slot is harmless
    EXPECT_EQ(manager.GetLoadedCount(), 0);
}

TEST_F(RSCManagerTest, AFileIsSharedOnlyAsTheSameKind)
{
    QZSHandle sheet = manager.Load("Back\\skin_0.qzs", QZSFileType::Sheet);
    QZSHandle asPack = manager.Load("Back\\skin_0.qzs", QZSFileType::Pack);
    EXPECT_TRUE(sheet.IsValid());
    EXPECT_FALSE(asPack.IsValid()) << "a sheet's bytes are no pack";
    QZSHandle wrongType{sheet.slot, QZSFileType::Animation};
    EXPECT_EQ(manager.GetAnimationFile(wrongType), nullptr);
    EXPECT_EQ(manager.GetRefCount(wrongType), 0);
    manager.Release(wrongType);
    EXPECT_EQ(manager.GetRefCount(sheet), 1) << "a handle of another kind releases nothing";
    manager.Release(sheet);
}

TEST_F(RSCManagerTest, CapacityLimitsTheFilesAndFreedSlotsAreReused)
{
    std::vector<QZSHandle> h;
    for (const char* name : {"Pack\\A.psp", "Pack\\B.psp", "Pack\\C.psp", "Pack\\D.psp"}) {
        h.push_back(manager.Load(name, QZSFileType::Pack));
        ASSERT_TRUE(h.back().IsValid()) << name;
    }
    EXPECT_FALSE(manager.Load("Pack\\E.psp", QZSFileType::Pack).IsValid()) << "the fifth file finds no slot";
    EXPECT_TRUE(manager.Load("Pack\\A.psp", QZSFileType::Pack).IsValid()) << "sharing needs no slot";
    const int freed = h[1].slot;
    manager.Release(h[1]);
    const QZSHandle e = manager.Load("Pack\\E.psp", QZSFileType::Pack);
    EXPECT_EQ(e.slot, freed);
    EXPECT_FALSE(manager.Load("Pack\\missing.psp", QZSFileType::Pack).IsValid());
    EXPECT_EQ(manager.GetLoadedCount(), 4);

    QZSRsc_Init(2, folder.Base());
    EXPECT_EQ(manager.GetCapacity(), 4) << "re-initialising never drops slots in use";
    EXPECT_EQ(manager.GetLoadedCount(), 4);
    EXPECT_EQ(QZSRsc_Init(0, folder.Base()), 0);
}

TEST_F(RSCManagerTest, KeysFoldOnlyAsciiLetters)
{
    // "\x81\x41" is one CP949 character whose second byte looks like 'A'.
    EXPECT_EQ(QZSprite_RSCManager::MakeKey("Etc/\x81\x41X.qza"), "etc\\\x81\x41x.qza");
    EXPECT_EQ(QZSprite_RSCManager::MakeKey("ETC\\a"), QZSprite_RSCManager::MakeKey("Etc/A"));
}

TEST_F(RSCManagerTest, PathsResolveUnderTheBaseFolder)
{
    QZSRsc_Init(4, "C:\\Game\\GameImage\\");
    EXPECT_EQ(manager.ResolvePath("Etc\\CheckNotice.qza"), "C:\\Game\\GameImage\\Etc\\CheckNotice.qza");
    EXPECT_EQ(manager.ResolvePath("D:\\x.qza"), "D:\\x.qza");
    QZSRsc_Init(4, "/tmp/img");
    EXPECT_EQ(manager.ResolvePath("a.qzs"), "/tmp/img\\a.qzs");
    EXPECT_EQ(manager.ResolvePath("/abs/a.qzs"), "/abs/a.qzs");
}

TEST_F(RSCManagerTest, AnimationsHoldTheirFileAndPackUntilDestroyed)
{
    QZSpriteData d;
    d.frames.push_back(spritetest::SolidFrame(1, 1, 0xFFFFFF));
    folder.Write("Etc/CheckNotice.psp", WriteSpriteFile(d, SpriteFileKind::Pack));
    QZAnimationFile f;
    f.isSet = true;
    f.packPath = "CheckNotice.psp";
    f.animations.assign(28, spritetest::MakeAnimation("", {1}));
    folder.Write("Etc/CheckNotice.qza", WriteAnimationFile(f));
    {
        K_Animation_RSC first, second;
        ASSERT_EQ(first.LoadAnimationFile("Etc\\CheckNotice.qza"), 1);
        ASSERT_EQ(second.LoadAnimationFile("Etc\\CheckNotice.qza"), 1);
        EXPECT_EQ(manager.GetLoadedCount(), 2) << "one animation file and one pack, shared";
        EXPECT_EQ(first.GetSprite(), second.GetSprite());
        EXPECT_EQ(first.GetChild(27)->GetSprite(), first.GetSprite());
        EXPECT_EQ(first.GetChildCount(), 28);
    }
    EXPECT_EQ(manager.GetLoadedCount(), 0);
}
