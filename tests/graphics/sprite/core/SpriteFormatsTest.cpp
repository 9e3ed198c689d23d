#include <gtest/gtest.h>

#include "graphics/sprite/core/SpriteFormats.h"
#include "graphics/sprite/core/SpriteTestData.h"

using spritetest::MakeAnimation;
using spritetest::MakeFrame;

namespace {

QZSpriteData SampleSprites()
{
    QZSpriteData d;
    d.frames.push_back(MakeFrame(5, 3, 2, 1, {{0, 0}, {4, 0}, {2, 1}}));
    d.frames.push_back(MakeFrame(1, 1, -7, -300));                                        // negative hot spot
    d.frames.push_back(MakeFrame(4, 2, 0, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}));            // an empty line
    return d;
}

QZAnimationFile SampleSet()
{
    QZAnimationFile f;
    f.isSet = true;
    f.packPath = "icon.psp";
    f.animations.push_back(MakeAnimation("CanEat", {3, 0, 5}));
    f.animations.push_back(MakeAnimation("OpenMission", {1}));
    f.animations.push_back(MakeAnimation("광", {2, 2}));  // Korean glyph name, CP949 at run time
    f.animations[0].stopFrame = 2;
    f.animations[0].frames[2].jumpTo = 1;
    f.animations[0].frames[2].jumpCount = 3;
    f.animations[0].frames[0].parts.push_back({1, -5, 300, kPartMirrorX});
    return f;
}

}  // namespace

TEST(SpriteFormats, SpriteFilesRoundTrip)
{
    for (auto kind : {SpriteFileKind::Sheet, SpriteFileKind::Pack}) {
        const QZSpriteData d = SampleSprites();
        const auto bytes = WriteSpriteFile(d, kind);
        ASSERT_FALSE(bytes.empty());
        const auto back = ReadSpriteFile(bytes.data(), bytes.size(), kind);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, d);
    }
}

TEST(SpriteFormats, AnimationFilesRoundTrip)
{
    QZAnimationFile single;
    single.packPath = "Sub\\pack.psp";
    single.animations.push_back(MakeAnimation("", {1, 2, 3}));
    for (const QZAnimationFile& f : {SampleSet(), single}) {
        const auto bytes = WriteAnimationFile(f);
        ASSERT_FALSE(bytes.empty());
        const auto back = ReadAnimationFile(bytes.data(), bytes.size());
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, f);
    }
}

TEST(SpriteFormats, SetsHoldOneTo1024Animations)
{
    QZAnimationFile f;
    f.isSet = true;
    f.packPath = "p.psp";
    f.animations.assign(1024, MakeAnimation("a", {1}));
    auto bytes = WriteAnimationFile(f);
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(ReadAnimationFile(bytes.data(), bytes.size()).has_value());
    f.animations.push_back(MakeAnimation("b", {1}));
    EXPECT_TRUE(WriteAnimationFile(f).empty()) << "1025 animations are refused";
    f.animations.clear();
    EXPECT_TRUE(WriteAnimationFile(f).empty()) << "an empty set is refused";
}

TEST(SpriteFormats, KindsAreNotInterchangeable)
{
    const auto sheet = WriteSpriteFile(SampleSprites(), SpriteFileKind::Sheet);
    EXPECT_FALSE(ReadSpriteFile(sheet.data(), sheet.size(), SpriteFileKind::Pack).has_value());
    EXPECT_FALSE(ReadAnimationFile(sheet.data(), sheet.size()).has_value());
}

TEST(SpriteFormats, EveryTruncationIsRejected)
{
    const auto sprites = WriteSpriteFile(SampleSprites(), SpriteFileKind::Pack);
    for (size_t n = 0; n < sprites.size(); ++n)
        ASSERT_FALSE(ReadSpriteFile(sprites.data(), n, SpriteFileKind::Pack).has_value()) << "cut at " << n;
    const auto anim = WriteAnimationFile(SampleSet());
    for (size_t n = 0; n < anim.size(); ++n)
        ASSERT_FALSE(ReadAnimationFile(anim.data(), n).has_value()) << "cut at " << n;
}

namespace {

// Offsets into a one-frame pack written from MakeFrame(2, 2, ...) with no holes.
constexpr size_t kFrameCountAt = 16;   // after file header (8) and chunk header (8)
constexpr size_t kFrameAt = 28;        // after HEAD payload (4) and FRAM chunk header (8)

std::vector<uint8_t> OneFramePack()
{
    QZSpriteData d;
    d.frames.push_back(MakeFrame(2, 2, 0, 0));
    return WriteSpriteFile(d, SpriteFileKind::Pack);
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

TEST(SpriteFormats, InconsistentSpriteFilesAreRejected)
{
    const struct {
        const char* name;
        size_t at;
        uint32_t value;
    } cases[] = {
        {"frame count above the frames present", kFrameCountAt, 2},
        {"frame count zero", kFrameCountAt, 0},
        {"width zero", kFrameAt, 0},
        {"width negative", kFrameAt, 0xFFFFFFFF},
        {"width beyond the limit", kFrameAt, 4097},
        {"height larger than the lines present", kFrameAt + 4, 3},
        {"hot spot beyond its limit", kFrameAt + 8, 40000},
        {"run count beyond the width", kFrameAt + 16, 0x00000003},
        {"run past the line's end", kFrameAt + 18, 0x00030000},
        {"chunk size past the end", kFrameAt - 4, 1000},
    };
    for (const auto& c : cases) {
        auto bytes = OneFramePack();
        ASSERT_TRUE(ReadSpriteFile(bytes.data(), bytes.size(), SpriteFileKind::Pack).has_value());
        if (c.at == kFrameAt + 16) {
            bytes[c.at] = 3;  // 16-bit run count
            bytes[c.at + 1] = 0;
        } else if (c.at == kFrameAt + 18) {
            bytes[c.at] = 1;  // 16-bit skip of the first run: 1 + 2 pixels > width 2
            bytes[c.at + 1] = 0;
        } else {
            Put32(bytes, c.at, c.value);
        }
        EXPECT_FALSE(ReadSpriteFile(bytes.data(), bytes.size(), SpriteFileKind::Pack).has_value()) << c.name;
    }
}

TEST(SpriteFormats, InconsistentAnimationsAreRejected)
{
    const struct {
        const char* name;
        void (*spoil)(QZAnimationFile&);
    } cases[] = {
        {"jump beyond the frames", [](QZAnimationFile& f) { f.animations[0].frames[0].jumpTo = 3; }},
        {"jump below -1", [](QZAnimationFile& f) { f.animations[0].frames[0].jumpTo = -2; }},
        {"stop frame beyond the frames", [](QZAnimationFile& f) { f.animations[0].stopFrame = 3; }},
        {"pack outside the folder tree", [](QZAnimationFile& f) { f.packPath = "..\\x.psp"; }},
        {"absolute pack path", [](QZAnimationFile& f) { f.packPath = "C:\\x.psp"; }},
        {"name too long", [](QZAnimationFile& f) { f.animations[0].name.assign(65, 'n'); }},
        {"single animation with two", [](QZAnimationFile& f) { f.isSet = false; }},
    };
    for (const auto& c : cases) {
        QZAnimationFile f = SampleSet();
        c.spoil(f);
        EXPECT_TRUE(WriteAnimationFile(f).empty()) << c.name;
    }
    // The reader checks what a writer would refuse: patch a valid file's jump to frame 9.
    QZAnimationFile f;
    f.packPath = "p.psp";
    f.animations.push_back(MakeAnimation("", {1, 1}));
    f.animations[0].frames[1].jumpTo = 0;
    auto bytes = WriteAnimationFile(f);
    ASSERT_FALSE(bytes.empty());
    // The second frame's jump: from the end, 8 bytes of part, 2 of part count, 2 of jump count, 2 of jump.
    const size_t jumpAt = bytes.size() - 8 - 2 - 2 - 2;
    ASSERT_EQ(bytes[jumpAt], 0);
    bytes[jumpAt] = 9;
    EXPECT_FALSE(ReadAnimationFile(bytes.data(), bytes.size()).has_value());
}

TEST(SpriteFormats, UnknownChunksAreSkipped)
{
    auto bytes = OneFramePack();
    const uint8_t extra[] = {'N', 'O', 'T', 'E', 3, 0, 0, 0, 1, 2, 3};
    bytes.insert(bytes.end(), std::begin(extra), std::end(extra));
    EXPECT_TRUE(ReadSpriteFile(bytes.data(), bytes.size(), SpriteFileKind::Pack).has_value());
}
