#include <gtest/gtest.h>

#include <cstdlib>

#include "foundation/core/Clock.h"
#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Animation.h"
#include "graphics/sprite/core/K_Dib.h"

// Loads what the asset builder generated from assets/manifest.txt (ctest runs the builder first).
TEST(GeneratedAssets, LoadWithTheSizesNamesAndIndexesTheModuleUses)
{
    const char* root = std::getenv("MIRELLE_ASSETS");
    ASSERT_NE(root, nullptr) << "MIRELLE_ASSETS names the builder's output folder";
    const std::string base = std::string(root) + "/GameImage/";
    QZSprite_RSCManager::Instance().Reset();
    QZSRsc_Init(512, base);
    {  // the files are released before the manager is reset
        K_Animation_RSC notice, icon, glyphs;
        ASSERT_EQ(notice.LoadAnimationFile("Etc\\CheckNotice.qza"), 1);
        EXPECT_TRUE(notice.GetChildCount() == 27 && notice.GetChild(27) && notice.GetChild(27)->GetHeader() && notice.GetChild(0) == &notice);
        for (int bad : {-1, 28, -2147483647 - 1}) EXPECT_EQ(notice.GetChild(bad), nullptr) << bad;
        ASSERT_TRUE(notice.GetSprite() && notice.GetSprite()->GetFrame(0));
        EXPECT_EQ(notice.GetSprite()->GetFrame(0)->width, 178);
        ASSERT_EQ(icon.LoadAnimationFile("Hwatoo\\icon.qza"), 1);
        for (const char* name : {"CanEat", "CanEatFix", "Bomb", "nuclear", "2Bomb", "Shake", "Mine", "Mission", "MissionGray", "OpenMission"})
            EXPECT_GT(icon.FindChild(name), 0) << name;
        ASSERT_EQ(glyphs.LoadAnimationFile("GameRule/Desperate/dround_number.qza"), 1);
        EXPECT_TRUE(glyphs.FindChild("라") == 11 && glyphs.FindChild("드") == 13 && glyphs.FindChild("Missing") == -1);

        Clock::UseVirtual(0, {});
        CreateFXMan(PixelMode::Rgb565);
        K_Animation player;
        player.SetAnimation(icon.GetChild(icon.FindChild("OpenMission")));
        player.Play(-1);
        Clock::Advance(250);
        EXPECT_TRUE(player.UpdateAnimation(Clock::NowMs()) == 1 && player.GetFrame() == 1) << "200 ms frames";
        K_Dib_Draw dib;
        dib.Create(40, 24, 16);
        EXPECT_TRUE(player.Draw(dib, 2, 2, 0) == 1 && dib.GetPixel(20, 12) != 0u);
        CreateFXMan(PixelMode::None);
        Clock::UseReal();

        const QZSHandle skin = QZSprite_RSCManager::Instance().Load("Back\\skin_0.qzs", QZSFileType::Sheet);
        const QZSpriteFile* file = QZSprite_RSCManager::Instance().GetSpriteFile(skin);
        ASSERT_NE(file, nullptr);
        EXPECT_TRUE(file->GetFrame(0)->width == 800 && file->GetFrame(0)->height == 600);
    }
    QZSprite_RSCManager::Instance().Reset();
}
