#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/sprite/core/SpriteFormats.h"
#include "graphics/sprite/core/SpriteTestData.h"

using spritetest::MakeAnimation;
using spritetest::MakeFrame;

namespace {

QZSpriteData SampleSprites()
{
    QZSpriteData d;
    d.frames.push_back(MakeFrame(5, 3, 2, 1, {{0, 0}, {4, 0}, {2, 1}}));
    d.frames.push_back(MakeFrame(1, 1, -7, -300));                              // negative hot spot
    d.frames.push_back(MakeFrame(4, 2, 0, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}));  // an empty line
    return d;
}

QZAnimationFile SampleSet()
{
    // A Korean name is CP949 at run time.
    QZAnimationFile f{true, "icon.psp", {MakeAnimation("CanEat", {3, 0, 5}), MakeAnimation("OpenMission", {1}),
                                         MakeAnimation("광", {2, 2})}};
    f.animations[0].stopFrame = 2;
    f.animations[0].frames[2].jumpTo = 1, f.animations[0].frames[2].jumpCount = 3;
    f.animations[0].frames[0].parts.push_back({1, -5, 300, kPartMirrorX});
    return f;
}

}  // namespace

TEST(SpriteFormats, FilesRoundTripAndEveryTruncationIsRejected)
{
    for (auto kind : {SpriteFileKind::Sheet, SpriteFileKind::Pack}) {
        const auto bytes = WriteSpriteFile(SampleSprites(), kind);
        const auto back = ReadSpriteFile(bytes.data(), bytes.size(), kind);
        EXPECT_TRUE(back && *back == SampleSprites()) << static_cast<int>(kind);
        const auto index = IndexSpriteFile(bytes.data(), bytes.size(), kind);
        ASSERT_TRUE(index && index->size() == 3);
        EXPECT_TRUE((*index)[1].width == 1 && (*index)[1].hotY == -300 && (*index)[0].opaque == 12 && (*index)[2].opaque == 4);
        for (size_t n = 0; n < bytes.size(); ++n) ASSERT_FALSE(ReadSpriteFile(bytes.data(), n, kind)) << int(kind) << " cut at " << n;
        EXPECT_FALSE(ReadAnimationFile(bytes.data(), bytes.size())) << "a sprite file is no animation";
    }
    const auto sheet = WriteSpriteFile(SampleSprites(), SpriteFileKind::Sheet);
    EXPECT_FALSE(ReadSpriteFile(sheet.data(), sheet.size(), SpriteFileKind::Pack)) << "a sheet is no pack";
    const QZAnimationFile single{false, "Sub\\pack.psp", {MakeAnimation("", {1, 2, 3})}};
    const QZAnimationFile largest{true, "p.psp", std::vector<QZAnimation>(1024, MakeAnimation("a", {1}))};
    for (const auto& [name, f] : {std::pair{"set", SampleSet()}, {"single", single}, {"set of 1024", largest}}) {
        const auto bytes = WriteAnimationFile(f);
        const auto back = ReadAnimationFile(bytes.data(), bytes.size());
        EXPECT_TRUE(back && *back == f) << name;
        for (size_t n = 0; n < bytes.size() && bytes.size() < 4096; ++n)
            ASSERT_FALSE(ReadAnimationFile(bytes.data(), n)) << name << " cut at " << n;
    }
}

TEST(SpriteFormats, InconsistentSpriteFilesAreRejected)
{
    // A one-frame pack of 2 x 2: the frame count at 16 (after the file and chunk headers), the
    // frame at 28 (after the count and the frame chunk's header), its first line at 44.
    QZSpriteData d;
    d.frames.push_back(MakeFrame(2, 2, 0, 0));
    const auto pack = WriteSpriteFile(d, SpriteFileKind::Pack);
    ASSERT_TRUE(ReadSpriteFile(pack.data(), pack.size(), SpriteFileKind::Pack).has_value());
    const struct { const char* name; size_t at; std::vector<uint8_t> bytes; } cases[] = {
        {"frame count above the frames present", 16, {2, 0, 0, 0}},
        {"frame count zero", 16, {0, 0, 0, 0}},
        {"width zero", 28, {0, 0, 0, 0}},
        {"width negative", 28, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"width beyond the limit", 28, {0x01, 0x10, 0, 0}},
        {"height larger than the lines present", 32, {3, 0, 0, 0}},
        {"hot spot beyond its limit", 36, {0x40, 0x9C, 0, 0}},
        {"run count beyond the width", 44, {3, 0}},
        {"run past the line's end", 46, {1, 0}},  // skip 1 + 2 pixels > width 2
        {"chunk size past the end", 24, {0xE8, 0x03, 0, 0}},
    };
    for (const auto& c : cases) {
        auto bytes = pack;
        std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + static_cast<ptrdiff_t>(c.at));
        EXPECT_FALSE(ReadSpriteFile(bytes.data(), bytes.size(), SpriteFileKind::Pack).has_value()) << c.name;
        EXPECT_FALSE(IndexSpriteFile(bytes.data(), bytes.size(), SpriteFileKind::Pack).has_value()) << c.name;
    }
}

TEST(SpriteFormats, InconsistentAnimationsAreRejected)
{
    // Byte patches of a valid file make what a writer would refuse. The stop frame is where a
    // file with another stop frame first differs; from the end, the second frame's part (8 bytes),
    // part count (2), jump count (2) and jump (2).
    QZAnimationFile f{false, "ab\\p.psp", {MakeAnimation("", {1, 1})}};
    const auto file = WriteAnimationFile(f);
    f.animations[0].stopFrame = 1;
    const auto stopped = WriteAnimationFile(f);
    ASSERT_TRUE(ReadAnimationFile(file.data(), file.size()) && file.size() == stopped.size() && file[file.size() - 14] == 0xFF);
    const size_t stopAt = size_t(std::mismatch(file.begin(), file.end(), stopped.begin()).first - file.begin());
    const size_t pathAt = size_t(std::search(file.begin(), file.end(), f.packPath.begin(), f.packPath.end()) - file.begin());
    const size_t jumpAt = file.size() - 8 - 2 - 2 - 2;
    const struct { const char* name; size_t at; std::vector<uint8_t> bytes; } cases[] = {
        {"jump beyond the frames", jumpAt, {2, 0}},
        {"jump below -1", jumpAt, {0xFE, 0xFF}},
        {"stop frame beyond the frames", stopAt, {2, 0, 0, 0}},
        {"pack outside the folder tree", pathAt, {'.', '.'}},
        {"absolute pack path", pathAt, {'C', ':'}},
    };
    for (const auto& c : cases) {
        auto bytes = file;
        std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + ptrdiff_t(c.at));
        EXPECT_FALSE(ReadAnimationFile(bytes.data(), bytes.size())) << c.name;
    }
}
