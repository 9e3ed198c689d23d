#include <gtest/gtest.h>

#include "foundation/core/Clock.h"
#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Animation.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/SpriteTestData.h"

using spritetest::MakeAnimation;

namespace {

class AnimationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QZSprite_RSCManager::Instance().Reset();
        QZSRsc_Init(16, folder.Base());
        QZSpriteData d;  // four solid frames: red, green, blue, white
        for (uint32_t rgb : {0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFFFFFFu}) d.frames.push_back(spritetest::SolidFrame(2, 2, rgb));
        folder.Write("Anim\\pack.psp", WriteSpriteFile(d, SpriteFileKind::Pack));
        Clock::UseVirtual(5000, {});
    }
    void TearDown() override { Clock::UseReal(); QZSprite_RSCManager::Instance().Reset(); }
    // Loads a file of this one animation and binds the player to it.
    void Load(const QZAnimation& a)
    {
        QZAnimationFile f{false, "pack.psp", {a}};
        folder.Write("Anim\\one.qza", WriteAnimationFile(f));
        rsc.Free();
        ASSERT_EQ(rsc.LoadAnimationFile("Anim\\one.qza"), 1);
        player.SetAnimation(&rsc);
    }
    // Steps the virtual clock 1 ms at a time and lists (time, frame) whenever the frame changes,
    // and (time, -9) when the player stops.
    std::vector<std::pair<int, int>> Run(int ms)
    {
        std::vector<std::pair<int, int>> seen{{0, player.GetFrame()}};
        for (int t = 1; t <= ms && player.IsPlaying(); ++t) {
            Clock::Advance(1);
            const int before = player.GetFrame(), changed = player.UpdateAnimation(Clock::NowMs());
            EXPECT_EQ(changed, player.GetFrame() != before ? 1 : 0) << "at " << t;
            if (changed) seen.push_back({t, player.GetFrame()});
            if (!player.IsPlaying()) seen.push_back({t, -9});
        }
        return seen;
    }
    static QZAnimation WithJump(std::vector<uint16_t> delays, int from, int to, int count, int stop = -1)
    {
        QZAnimation a = MakeAnimation("", delays);
        if (from >= 0) a.frames[size_t(from)].jumpTo = int16_t(to), a.frames[size_t(from)].jumpCount = uint16_t(count);
        a.stopFrame = stop;
        return a;
    }

    spritetest::TempFolder folder{"anim"};
    K_Animation_RSC rsc;
    K_Animation player;
};

}  // namespace

TEST_F(AnimationTest, FramesFollowTheirDelaysPlaysJumpsAndStopFrame)
{
    using Seen = std::vector<std::pair<int, int>>;  // (ms, frame) at each change, (ms, -9) when stopped
    const struct { const char* name; QZAnimation a; int plays; Seen want; int last; } cases[] = {
        {"delays in 10 ms, 0 counts as 1", WithJump({3, 0, 5}, -1, 0, 0), 1, {{0, 0}, {30, 1}, {40, 2}, {90, -9}}, 2},
        {"one play", WithJump({1, 2}, -1, 0, 0), 1, {{0, 0}, {10, 1}, {30, -9}}, 1},
        {"zero plays count as one", WithJump({1, 2}, -1, 0, 0), 0, {{0, 0}, {10, 1}, {30, -9}}, 1},
        {"three plays", WithJump({1, 2}, -1, 0, 0), 3, {{0, 0}, {10, 1}, {30, 0}, {40, 1}, {60, 0}, {70, 1}, {90, -9}}, 1},
        {"loop jumps repeat their stretch, again in the second play", WithJump({1, 1, 1, 1}, 2, 1, 2), 2,
         {{0, 0}, {10, 1}, {20, 2}, {30, 1}, {40, 2}, {50, 1}, {60, 2}, {70, 3},
          {80, 0}, {90, 1}, {100, 2}, {110, 1}, {120, 2}, {130, 1}, {140, 2}, {150, 3}, {160, -9}}, 3},
        {"the file's stop frame after the last play", WithJump({1, 1, 1}, -1, 0, 0, 0), 1,
         {{0, 0}, {10, 1}, {20, 2}, {30, 0}, {30, -9}}, 0},
    };
    for (const auto& c : cases) {
        Load(c.a);
        player.Play(c.plays);
        EXPECT_EQ(player.GetStartTime(), Clock::NowMs()) << c.name;
        EXPECT_EQ(Run(1000), c.want) << c.name;
        EXPECT_EQ(player.GetFrame(), c.last) << c.name << ": a finished player keeps its frame";
    }
}

TEST_F(AnimationTest, EndlessPlayAndCountlessJumpsNeverStopEvenAfterLongPauses)
{
    const struct { const char* name; QZAnimation a; int plays; uint32_t pause; } cases[] = {
        {"endless plays: 3333 passes of 30 ms and 10 ms more", WithJump({1, 2}, -1, 0, 0), -1, 100000},
        {"a jump without count, a day asleep: 8.6 million steps cut short", WithJump({0, 0}, 1, 1, 0), 1, 3600u * 1000u * 24u},
    };
    for (const auto& c : cases) {
        Load(c.a);
        player.Play(c.plays);
        Clock::Advance(c.pause);
        player.UpdateAnimation(Clock::NowMs());
        EXPECT_TRUE(player.IsPlaying() && player.GetFrame() == 1 && player.GetPlaysLeft() == c.plays)
            << c.name << ": frame " << player.GetFrame() << ", plays left " << player.GetPlaysLeft();
    }
}

TEST_F(AnimationTest, LoadFailsForMissingOrMismatchedFiles)
{
    QZAnimationFile tooFar{false, "pack.psp", {MakeAnimation("", {1, 1, 1, 1, 1})}};  // part 4 of a 4-frame pack
    folder.Write("Anim\\far.qza", WriteAnimationFile(tooFar));
    tooFar.packPath = "none.psp";
    tooFar.animations[0].frames.pop_back();
    folder.Write("Anim\\nopack.qza", WriteAnimationFile(tooFar));
    folder.Write("Anim\\junk.qza", {1, 2, 3});
    for (const char* path : {"Anim\\far.qza", "Anim\\nopack.qza", "Anim\\junk.qza", "Anim\\missing.qza"})
        EXPECT_TRUE(rsc.LoadAnimationFile(path) == 0 && !rsc.GetHeader() && QZSprite_RSCManager::Instance().GetLoadedCount() == 0)
            << path << " fails and leaves nothing loaded";
}

TEST_F(AnimationTest, DrawPlacesEveryPartMirroredAboutTheAnchor)
{
    QZAnimation a = MakeAnimation("", {1});
    a.frames[0].parts = {{0, 0, 0, 0}, {2, 3, 1, 0}};  // red at the anchor, blue 3 right, 1 down
    Load(a);
    CreateFXMan(PixelMode::Rgb32);
    K_Dib_Draw dib, mirrored;
    dib.Create(12, 6, 32);
    mirrored.Create(12, 6, 32);
    EXPECT_EQ(player.Draw(dib, 5, 2, 0), 0) << "nothing shown before Play";
    player.Play(1);
    ASSERT_TRUE(player.Draw(dib, 5, 2, 0) == 1 && player.Draw(mirrored, 5, 2, kFxMirrorX) == 1);
    EXPECT_TRUE(dib.GetPixel(5, 2) == 0xFF0000u && dib.GetPixel(8, 3) == 0x0000FFu) << "red at the anchor, blue 3 right, 1 down";
    EXPECT_TRUE(mirrored.GetPixel(4, 2) == 0xFF0000u && mirrored.GetPixel(5, 2) == 0u) << "the red part now ends at the anchor";
    EXPECT_EQ(mirrored.GetPixel(1, 3), 0x0000FFu) << "the blue part 3 to the left";
    CreateFXMan(PixelMode::None);
}
