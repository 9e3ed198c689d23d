#include <gtest/gtest.h>

#include <cstdlib>

#include "graphics/sprite/core/K_Animation.h"

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
        EXPECT_TRUE(notice.GetChildCount() == 27 && notice.GetChild(0) == &notice);
        EXPECT_TRUE(notice.GetChild(27) && notice.GetChild(27)->GetHeader()) << "children count from 1";
        for (int bad : {-1, 28, -2147483647 - 1}) EXPECT_EQ(notice.GetChild(bad), nullptr) << bad;
        ASSERT_TRUE(notice.GetSprite() && notice.GetSprite()->GetFrame(0));
        EXPECT_EQ(notice.GetSprite()->GetFrame(0)->width, 178);
        ASSERT_EQ(icon.LoadAnimationFile("Hwatoo\\icon.qza"), 1);
        for (const char* name :
             {"CanEat", "CanEatFix", "Bomb", "nuclear", "2Bomb", "Shake", "Mine", "Mission", "MissionGray", "OpenMission"})
            EXPECT_GT(icon.FindChild(name), 0) << name;
        ASSERT_EQ(glyphs.LoadAnimationFile("GameRule/Desperate/dround_number.qza"), 1);
        EXPECT_TRUE(glyphs.FindChild("라") == 11 && glyphs.FindChild("드") == 13 && glyphs.FindChild("Missing") == -1);
    }
    QZSprite_RSCManager::Instance().Reset();
}
