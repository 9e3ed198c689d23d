#include <gtest/gtest.h>

#include "AssetBuilder.h"
#include "foundation/core/Wire.h"
#include "Manifest.h"
#include "graphics/resources/core/Image.h"
#include "graphics/sprite/core/SpriteFormats.h"

namespace {

std::vector<ManifestEntry> Parse(const std::string& text)
{
    std::string error;
    auto entries = ParseManifest(text, error);
    EXPECT_TRUE(entries.has_value()) << error;
    return entries ? *entries : std::vector<ManifestEntry>{};
}

// Builds an entry of a kind that makes one file.
bool BuildOne(AssetBuilder& builder, const ManifestEntry& e, AssetBuilder::Output& out, std::string& error)
{
    std::vector<AssetBuilder::Output> files;
    if (!builder.Build(e, files, error)) return false;
    EXPECT_EQ(files.size(), 1u) << e.path;
    if (files.size() != 1) return false;
    out = std::move(files[0]);
    return true;
}

}  // namespace

TEST(Manifest, ReadsKindsPathsAndSettings)
{
    const auto entries = Parse("# comment\n\n  pack GameImage\\a.psp size=4x3 label=\"Go Stop\"\r\nsheet b.qzs size=1x1\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].line, 3);
    EXPECT_EQ(entries[0].kind, "pack");
    EXPECT_EQ(entries[0].path, "GameImage\\a.psp");
    EXPECT_EQ(entries[0].Get("label"), "Go Stop");
    EXPECT_EQ(entries[0].Get("size"), "4x3");
    EXPECT_EQ(entries[1].line, 4);
}

TEST(Manifest, MalformedLinesAreNamed)
{
    const struct {
        const char* name;
        const char* text;
        const char* error;
    } cases[] = {
        {"kind alone", "pack\n", "line 1:"},
        {"setting without =", "pack b.psp size=1x1\npack a.psp size\n", "line 2:"},
        {"unclosed quote", "pack a.psp label=\"open\n", "line 1:"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseManifest(c.text, error).has_value()) << c.name;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.name << ": " << error;
    }
}

TEST(AssetBuilder, EveryKindWritesAFileItsReaderAccepts)
{
    AssetBuilder builder;
    // The manifest file is UTF-8, while narrow literals here are CP949: spell it as UTF-8.
    const auto entries = Parse(std::string(reinterpret_cast<const char*>(u8""
        "pack  Sub\\icon.psp size=10x8 frames=6 hot=-2,3\n"
        "sheet skin.qzs size=30x20\n"
        "anim  Sub\\icon.qza pack=icon.psp frames=2 delay=0 names=CanEat,광,OpenMission\n"
        "anim  Sub\\one.qza pack=icon.psp frames=6 stop=5\n"
        "bmp   a.bmp size=8x6 frames=3\n"
        "tga   a.tga size=8x6 hot=4,5\n"
        "psd   a.psd size=8x6\n"
        "gif   a.gif size=8x6 frames=2 delay=7\n"
        "cards normal.bmp size=36x55\n")));
    std::vector<AssetBuilder::Output> out(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        std::string error;
        ASSERT_TRUE(BuildOne(builder, entries[i], out[i], error)) << entries[i].path << ": " << error;
    }
    const auto pack = ReadSpriteFile(out[0].bytes.data(), out[0].bytes.size(), SpriteFileKind::Pack);
    ASSERT_TRUE(pack.has_value());
    EXPECT_EQ(pack->frames.size(), 6u);
    EXPECT_EQ(pack->frames[5].hotX, -2);
    EXPECT_NE(pack->frames[0].pixels[40], pack->frames[1].pixels[40]) << "frames differ in colour";
    EXPECT_TRUE(ReadSpriteFile(out[1].bytes.data(), out[1].bytes.size(), SpriteFileKind::Sheet).has_value());
    const auto set = ReadAnimationFile(out[2].bytes.data(), out[2].bytes.size());
    ASSERT_TRUE(set.has_value());
    ASSERT_EQ(set->animations.size(), 3u);
    EXPECT_EQ(set->animations[1].name, "광") << "names are CP949 like the module's literals";
    EXPECT_EQ(set->animations[2].frames[1].parts[0].sprite, 5);
    const auto one = ReadAnimationFile(out[3].bytes.data(), out[3].bytes.size());
    ASSERT_TRUE(one.has_value());
    EXPECT_FALSE(one->isSet);
    EXPECT_EQ(one->animations[0].stopFrame, 5);
    const auto bmp = DecodeBmp(out[4].bytes);
    ASSERT_TRUE(bmp.has_value());
    EXPECT_EQ(bmp->width, 24);
    const auto tga = DecodeTga(out[5].bytes);
    ASSERT_TRUE(tga.has_value());
    EXPECT_EQ(tga->hotSpot, Point(4, 5));
    EXPECT_TRUE(DecodePsd(out[6].bytes).has_value());
    const auto gif = DecodeGif(out[7].bytes);
    ASSERT_TRUE(gif.has_value());
    ASSERT_EQ(gif->size(), 2u);
    EXPECT_EQ((*gif)[1].delay10ms, 7u);
    const auto cards = DecodeBmp(out[8].bytes);
    ASSERT_TRUE(cards.has_value());
    EXPECT_EQ(cards->width, 36 * 51);
}

TEST(AssetBuilder, BadEntriesAreRefusedWithTheirLine)
{
    const struct {
        const char* name;
        const char* text;
    } cases[] = {
        {"unknown kind", "movie a.avi size=1x1"},
        {"no size", "pack a.psp"},
        {"size beyond the format", "pack a.psp size=3000x10"},
        {"bad colour", "pack a.psp size=1x1 color=red"},
        {"pack not listed", "anim a.qza pack=none.psp"},
        {"pack too small", "pack p.psp size=1x1 frames=3\nanim a.qza pack=p.psp frames=2 count=2"},
        {"pack in another folder", "pack X\\p.psp size=1x1\nanim Y\\a.qza pack=p.psp"},
        {"stop beyond the frames", "pack p.psp size=1x1 frames=3\nanim a.qza pack=p.psp frames=2 stop=2"},
        {"voices beyond the encoder's band", "voices GameSound\\ from=150 step=10"},
        {"effects too long", "effects GameSound\\ length=1500"},
        {"tones one pitch", "effects GameSound\\ step=0"},
        {"tone without a length", "tone a.ogg length=0"},
        {"ini without a section", "ini common\\a.ini sDllVer=1"},
    };
    for (const auto& c : cases) {
        AssetBuilder builder;
        const auto entries = Parse(c.text);
        bool built = true;
        std::string error;
        for (const auto& e : entries) {
            AssetBuilder::Output out;
            built = BuildOne(builder, e, out, error);
            if (!built) break;
        }
        EXPECT_FALSE(built) << c.name;
        EXPECT_EQ(error.rfind("line ", 0), 0u) << c.name << ": " << error;
    }
}

TEST(AssetBuilder, CursorsAreRiffAnimationsOfCursorFiles)
{
    AssetBuilder builder;
    const auto entries = Parse("cursor Cursor\\sg_click.ani side=32 frames=2 delay=8\n");
    ASSERT_EQ(entries.size(), 1u);
    AssetBuilder::Output out;
    std::string error;
    ASSERT_TRUE(BuildOne(builder, entries[0], out, error)) << error;
    const auto& b = out.bytes;
    ASSERT_GT(b.size(), 64u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(LoadLE32(b.data() + 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "ACONanih");
    EXPECT_EQ(LoadLE32(b.data() + 24), 2u) << "frames";
    EXPECT_EQ(LoadLE32(b.data() + 48), 8u) << "jiffies per frame";
    // LIST at 56, "fram" at 64, the first "icon" chunk at 68 holding a cursor file.
    EXPECT_EQ(std::string(b.begin() + 56, b.begin() + 60), "LIST");
    EXPECT_EQ(std::string(b.begin() + 68, b.begin() + 72), "icon");
    const uint32_t curBytes = LoadLE32(b.data() + 72);
    const uint8_t* cur = b.data() + 76;
    EXPECT_EQ(LoadLE16(cur + 2), 2u) << "a cursor, not an icon";
    EXPECT_EQ(cur[6], 32);
    EXPECT_EQ(LoadLE32(cur + 14), curBytes - 22) << "the image fills the rest of the chunk";
    EXPECT_EQ(LoadLE32(cur + 22 + 8), 64u) << "the DIB height counts colour and mask";
    EXPECT_EQ(std::string(b.begin() + 76 + curBytes, b.begin() + 80 + curBytes), "icon");
}
