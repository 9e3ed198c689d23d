#include <gtest/gtest.h>

#include "foundation/core/Clock.h"
#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Animation.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/SpriteTestData.h"

using spritetest::MakeAnimation;

namespace {

// A pack of four solid frames (red, green, blue, white), 2 x 2 with hot spot (0, 0).
std::vector<uint8_t> FourFramePack()
{
    QZSpriteData d;
    for (uint32_t rgb : {0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFFFFFFu}) d.frames.push_back(spritetest::SolidFrame(2, 2, rgb));
    return WriteSpriteFile(d, SpriteFileKind::Pack);
}

class AnimationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QZSprite_RSCManager::Instance().Reset();
        QZSRsc_Init(16, folder.Base());
        folder.Write("Anim\\pack.psp", FourFramePack());
        Clock::UseVirtual(5000, {});
    }
    void TearDown() override
    {
        Clock::UseReal();
        QZSprite_RSCManager::Instance().Reset();
    }

    // Loads a single animation written with the given frames.
    void LoadSingle(const QZAnimation& a)
    {
        QZAnimationFile f;
        f.packPath = "pack.psp";
        f.animations.push_back(a);
        folder.Write("Anim\\one.qza", WriteAnimationFile(f));
        ASSERT_EQ(rsc.LoadAnimationFile("Anim\\one.qza"), 1);
        player.SetAnimation(&rsc);
        ASSERT_TRUE(player.IsBound());
    }

    // Steps the virtual clock 1 ms at a time and lists (time, frame) whenever the frame changes,
    // and (time, -9) when the player stops.
    std::vector<std::pair<int, int>> Run(int ms)
    {
        std::vector<std::pair<int, int>> seen{{0, player.GetFrame()}};
        for (int t = 1; t <= ms && player.IsPlaying(); ++t) {
            Clock::Advance(1);
            const int before = player.GetFrame();
            const int changed = player.UpdateAnimation(Clock::NowMs());
            EXPECT_EQ(changed, player.GetFrame() != before ? 1 : 0) << "at " << t;
            if (changed) seen.push_back({t, player.GetFrame()});
            if (!player.IsPlaying()) seen.push_back({t, -9});
        }
        return seen;
    }

    spritetest::TempFolder folder{"anim"};
    K_Animation_RSC rsc;
    K_Animation player;
};

}  // namespace

TEST_F(AnimationTest, FramesFollowTheirDelaysPlaysJumpsAndStopFrames)
{
    using Seen = std::vector<std::pair<int, int>>;  // (ms, frame) at each change, (ms, -9) when stopped
    const struct {
        const char* name;
        std::vector<uint16_t> delays;
        int jumpFrom, jumpTo, jumpCount, fileStop, plays, playerStop;
        Seen want;
        int last;
    } cases[] = {
        {"delays in 10 ms, 0 counts as 1", {3, 0, 5}, -1, 0, 0, -1, 1, -1, {{0, 0}, {30, 1}, {40, 2}, {90, -9}}, 2},
        {"one play", {1, 2}, -1, 0, 0, -1, 1, -1, {{0, 0}, {10, 1}, {30, -9}}, 1},
        {"zero plays count as one", {1, 2}, -1, 0, 0, -1, 0, -1, {{0, 0}, {10, 1}, {30, -9}}, 1},
        {"three plays", {1, 2}, -1, 0, 0, -1, 3, -1,
         {{0, 0}, {10, 1}, {30, 0}, {40, 1}, {60, 0}, {70, 1}, {90, -9}}, 1},
        {"loop jumps repeat their stretch, again in the second play", {1, 1, 1, 1}, 2, 1, 2, -1, 2, -1,
         {{0, 0}, {10, 1}, {20, 2}, {30, 1}, {40, 2}, {50, 1}, {60, 2}, {70, 3},
          {80, 0}, {90, 1}, {100, 2}, {110, 1}, {120, 2}, {130, 1}, {140, 2}, {150, 3}, {160, -9}}, 3},
        {"the player's stop frame", {1, 1, 1}, -1, 0, 0, -1, -1, 1, {{0, 0}, {10, 1}, {10, -9}}, 1},
        {"the file's stop frame after the last play", {1, 1, 1}, -1, 0, 0, 0, 1, -1,
         {{0, 0}, {10, 1}, {20, 2}, {30, 0}, {30, -9}}, 0},
    };
    for (const auto& c : cases) {
        QZAnimation a = MakeAnimation("", c.delays);
        if (c.jumpFrom >= 0) a.frames[size_t(c.jumpFrom)].jumpTo = int16_t(c.jumpTo), a.frames[size_t(c.jumpFrom)].jumpCount = uint16_t(c.jumpCount);
        a.stopFrame = c.fileStop;
        rsc.Free();
        LoadSingle(a);
        player.Play(c.plays);
        EXPECT_EQ(player.GetStartTime(), Clock::NowMs()) << c.name;
        if (c.playerStop >= 0) player.SetStopFrame(c.playerStop);
        EXPECT_EQ(Run(1000), c.want) << c.name;
        EXPECT_EQ(player.GetFrame(), c.last) << c.name << ": a finished player keeps its frame";
    }
}

TEST_F(AnimationTest, EndlessPlayAndCountlessJumpsNeverStopEvenAfterLongPauses)
{
    const struct {
        const char* name;
        std::vector<uint16_t> delays;
        int jumpFrom, plays;
        uint32_t pause;
        int frame;
    } cases[] = {
        {"endless plays: 3333 passes of 30 ms and 10 ms more", {1, 2}, -1, -1, 100000, 1},
        {"a jump without count, a day asleep: 8.6 million steps cut short", {0, 0}, 1, 1, 3600u * 1000u * 24u, 1},
    };
    for (const auto& c : cases) {
        QZAnimation a = MakeAnimation("", c.delays);
        if (c.jumpFrom >= 0) a.frames[size_t(c.jumpFrom)].jumpTo = int16_t(c.jumpFrom);
        rsc.Free();
        LoadSingle(a);
        player.Play(c.plays);
        Clock::Advance(c.pause);
        player.UpdateAnimation(Clock::NowMs());
        EXPECT_TRUE(player.IsPlaying() && player.GetFrame() == c.frame && player.GetPlaysLeft() == (c.plays < 0 ? -1 : c.plays))
            << c.name << ": frame " << player.GetFrame() << ", plays left " << player.GetPlaysLeft();
    }
}

TEST_F(AnimationTest, StopAndRebindingRewind)
{
    LoadSingle(MakeAnimation("", {1, 1}));
    player.SetStopFrame(1);
    player.SetAnimation(&rsc);
    EXPECT_EQ(player.GetStopFrame(), 1) << "SetAnimation keeps the stop frame";
    player.Play(1);
    EXPECT_EQ(player.GetStopFrame(), -1) << "Play clears it";
    player.Stop();
    EXPECT_TRUE(player.GetFrame() == -1 && !player.IsPlaying() && player.GetStartTime() == 0u);
    EXPECT_EQ(player.UpdateAnimation(Clock::NowMs() + 1000), 0);
    for (int bad : {-1, 2, -2147483647 - 1}) {
        player.SetFrame(bad);
        EXPECT_EQ(player.GetFrame(), -1) << bad;
    }
}

TEST_F(AnimationTest, SetsAreAddressedFromOneByIndexAndName)
{
    QZAnimationFile f;
    f.isSet = true;
    f.packPath = "pack.psp";
    for (const char* name : {"CanEat", "OpenMission"}) f.animations.push_back(MakeAnimation(name, {1}));
    folder.Write("Anim\\set.qza", WriteAnimationFile(f));
    ASSERT_EQ(rsc.LoadAnimationFile("Anim\\set.qza"), 1);
    EXPECT_EQ(rsc.GetChild(0), &rsc);
    for (int bad : {-1, 3, -2147483647 - 1}) EXPECT_EQ(rsc.GetChild(bad), nullptr) << bad;
    EXPECT_TRUE(rsc.FindChild("OpenMission") == 2 && rsc.FindChild("Missing") == -1);
    player.SetAnimation(&rsc);
    player.Play(1);
    EXPECT_FALSE(player.IsBound() || player.IsPlaying()) << "the set itself has no header";
    player.SetAnimation(rsc.GetChild(1));
    EXPECT_TRUE(player.IsBound());
}

TEST_F(AnimationTest, LoadFailsForMissingOrMismatchedFiles)
{
    QZAnimationFile tooFar;
    tooFar.packPath = "pack.psp";
    tooFar.animations.push_back(MakeAnimation("", {1, 1, 1, 1, 1}));  // part 4 of a 4-frame pack
    folder.Write("Anim\\far.qza", WriteAnimationFile(tooFar));
    QZAnimationFile noPack = tooFar;
    noPack.packPath = "none.psp";
    noPack.animations[0].frames.pop_back();
    folder.Write("Anim\\nopack.qza", WriteAnimationFile(noPack));
    folder.Write("Anim\\junk.qza", {1, 2, 3});
    for (const char* path : {"Anim\\far.qza", "Anim\\nopack.qza", "Anim\\junk.qza", "Anim\\missing.qza"})
        EXPECT_TRUE(rsc.LoadAnimationFile(path) == 0 && !rsc.GetHeader() && QZSprite_RSCManager::Instance().GetLoadedCount() == 0)
            << path << " fails and leaves nothing loaded";
}

TEST_F(AnimationTest, DrawPlacesEveryPartMirroredAboutTheAnchor)
{
    QZAnimation a = MakeAnimation("", {1});
    a.frames[0].parts = {{0, 0, 0, 0}, {2, 3, 1, 0}};  // red at the anchor, blue 3 right, 1 down
    LoadSingle(a);
    CreateFXMan(PixelMode::Rgb32);
    K_Dib_Draw dib;
    dib.Create(12, 6, 32);
    EXPECT_EQ(player.Draw(dib, 5, 2, 0), 0) << "nothing shown before Play";
    player.Play(1);
    ASSERT_EQ(player.Draw(dib, 5, 2, 0), 1);
    EXPECT_TRUE(dib.GetPixel(5, 2) == 0xFF0000u && dib.GetPixel(8, 3) == 0x0000FFu) << "red at the anchor, blue 3 right, 1 down";
    K_Dib_Draw mirrored;
    mirrored.Create(12, 6, 32);
    ASSERT_EQ(player.Draw(mirrored, 5, 2, kFxMirrorX), 1);
    EXPECT_TRUE(mirrored.GetPixel(4, 2) == 0xFF0000u && mirrored.GetPixel(5, 2) == 0u) << "the red part now ends at the anchor";
    EXPECT_EQ(mirrored.GetPixel(1, 3), 0x0000FFu) << "the blue part 3 to the left";
    CreateFXMan(PixelMode::None);
}
