#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <tuple>

#include "AssetBuilder.h"
#include "foundation/core/Wire.h"
#include "Manifest.h"
#include "Placeholder.h"
#include "graphics/resources/core/Image.h"
#include "graphics/sprite/core/SpriteFormats.h"

namespace {

// The bytes of each entry's file (every kind here makes one); none when a line is refused.
std::vector<std::vector<uint8_t>> BuildAll(const std::string& manifest, std::string& error)
{
    AssetBuilder builder;
    const auto entries = ParseManifest(manifest, error);
    std::vector<std::vector<uint8_t>> built;
    for (size_t i = 0; entries && i < entries->size(); ++i) {
        std::vector<AssetBuilder::Output> files;
        if (!builder.Build((*entries)[i], files, error)) return {};
        EXPECT_EQ(files.size(), 1u) << (*entries)[i].path;
        built.push_back(files.empty() ? std::vector<uint8_t>{} : files[0].bytes);
    }
    return built;
}

}  // namespace

TEST(Manifest, ReadsKindsPathsAndSettings)
{
    std::string error;
    const auto entries = ParseManifest("# comment\n\n  pack GameImage\\a.psp size=4x3 label=\"Go Stop\"\r\nsheet b.qzs size=1x1\n", error);
    ASSERT_TRUE(entries && entries->size() == 2) << error;
    const ManifestEntry& e = (*entries)[0];
    EXPECT_EQ(std::tuple(e.line, e.kind, e.path, e.Get("label"), e.Get("size")),
              std::tuple(3, std::string("pack"), std::string("GameImage\\a.psp"), std::string("Go Stop"), std::string("4x3")));
    EXPECT_EQ((*entries)[1].line, 4);
}

TEST(AssetBuilder, EveryKindWritesAFileItsReaderAccepts)
{
    // The manifest file is UTF-8, while narrow literals here are CP949: spell it as UTF-8.
    std::string error;
    const auto out = BuildAll(std::string(reinterpret_cast<const char*>(u8""
        "pack  Sub\\icon.psp size=10x8 frames=6 hot=-2,3\n"
        "sheet skin.qzs size=30x20\n"
        "anim  Sub\\icon.qza pack=icon.psp frames=2 delay=0 names=CanEat,광,OpenMission\n"
        "anim  Sub\\one.qza pack=icon.psp frames=6 stop=5\n"
        "bmp   a.bmp size=8x6 frames=3\n"
        "tga   a.tga size=8x6 hot=4,5\n"
        "psd   a.psd size=8x6\n"
        "gif   a.gif size=8x6 frames=2 delay=7\n"
        "cards normal.bmp size=36x55\n")), error);
    ASSERT_EQ(out.size(), 9u) << error;
    const auto pack = ReadSpriteFile(out[0].data(), out[0].size(), SpriteFileKind::Pack);
    ASSERT_TRUE(pack.has_value());
    EXPECT_EQ(pack->frames.size(), 6u);
    EXPECT_EQ(pack->frames[5].hotX, -2);
    EXPECT_NE(pack->frames[0].pixels[40], pack->frames[1].pixels[40]) << "frames differ in colour";
    EXPECT_TRUE(ReadSpriteFile(out[1].data(), out[1].size(), SpriteFileKind::Sheet).has_value());
    const auto set = ReadAnimationFile(out[2].data(), out[2].size());
    ASSERT_TRUE(set.has_value());
    ASSERT_EQ(set->animations.size(), 3u);
    EXPECT_EQ(set->animations[1].name, "광") << "names are CP949 like the module's literals";
    EXPECT_EQ(set->animations[2].frames[1].parts[0].sprite, 5);
    const auto one = ReadAnimationFile(out[3].data(), out[3].size());
    ASSERT_TRUE(one.has_value());
    EXPECT_FALSE(one->isSet);
    EXPECT_EQ(one->animations[0].stopFrame, 5);
    const auto width = [](const auto& image) { return image ? image->width : -1; };
    EXPECT_EQ(width(DecodeBmp(out[4])), 24) << "three frames side by side";
    const auto tga = DecodeTga(out[5]);
    ASSERT_TRUE(tga.has_value());
    EXPECT_EQ(tga->hotSpot, Point(4, 5));
    EXPECT_TRUE(DecodePsd(out[6]).has_value());
    const auto gif = DecodeGif(out[7]);
    ASSERT_TRUE(gif.has_value());
    ASSERT_EQ(gif->size(), 2u);
    EXPECT_EQ((*gif)[1].delay10ms, 7u);
    const auto cards = DecodeBmp(out[8]);
    ASSERT_TRUE(cards.has_value());
    // The card window takes frame n at (0, h * n): one card under the other, the back last.
    EXPECT_EQ(cards->width, 36);
    EXPECT_EQ(cards->height, 55 * 51) << "every card under the one before";
}

TEST(AssetBuilder, GlyphStripsDrawTheirCharactersAndAnEmptyLabelNothing)
{
    std::string error;
    const auto out = BuildAll("pack d.psp size=12x14 frames=4 glyphs=\"7 7\"\npack p.psp size=12x14 label=\"\"\n", error);
    ASSERT_EQ(out.size(), 2u) << error;
    const auto digits = ReadSpriteFile(out[0].data(), out[0].size(), SpriteFileKind::Pack);
    const auto plain = ReadSpriteFile(out[1].data(), out[1].size(), SpriteFileKind::Pack);
    ASSERT_TRUE(digits && plain && digits->frames.size() == 4);
    const auto& f = digits->frames;
    EXPECT_EQ(f[0].pixels, f[2].pixels) << "one glyph, one picture, whatever the frame";
    EXPECT_EQ(f[1].pixels, plain->frames[0].pixels) << "a blank glyph and an empty label leave the frame plain";
    EXPECT_NE(f[0].pixels, f[1].pixels) << "the glyph is drawn";
    EXPECT_EQ(f[3].pixels, f[0].pixels) << "frames past the text start it again";
}

TEST(AssetBuilder, SeeThroughFillsAndOneHotSpotPerGroupOfFrames)
{
    std::string error;
    const auto out = BuildAll("pack s.psp size=10x10 fill=stipple label=\"\"\n"
                              "pack f.psp size=10x10 fill=frame label=\"\"\n"
                              "pack h.psp size=4x4 frames=4 hot=1,2;-3,-4\n"
                              "pack g.psp size=10x10 glyphs=8 advance=6\n", error);
    ASSERT_EQ(out.size(), 4u) << error;
    const auto opaque = [](const std::vector<uint8_t>& file) {
        const auto pack = ReadSpriteFile(file.data(), file.size(), SpriteFileKind::Pack);
        return pack ? std::count_if(pack->frames[0].pixels.begin(), pack->frames[0].pixels.end(), QZFrame::IsOpaque) : -1;
    };
    EXPECT_EQ(opaque(out[0]), 36 + 32) << "the border and every other pixel inside";
    EXPECT_EQ(opaque(out[1]), 36) << "the border alone";
    const auto hots = ReadSpriteFile(out[2].data(), out[2].size(), SpriteFileKind::Pack);
    ASSERT_TRUE(hots.has_value());
    std::vector<Point> got;
    for (const QZFrame& f : hots->frames) got.emplace_back(f.hotX, f.hotY);
    EXPECT_EQ(got, (std::vector<Point>{{1, 2}, {1, 2}, {-3, -4}, {-3, -4}}));
    EXPECT_EQ(opaque(out[3]), 60) << "a glyph keeps to the columns before the next glyph starts";
}

// Each group of frames carries its own label (a prompt's question per clip, a button's caption per
// image set); outlined frames are a bare border that shows what lies under the button.
TEST(AssetBuilder, LabelsPerGroupOfFramesAndOutlinedFrames)
{
    std::string error;
    const auto out = BuildAll("pack l.psp size=40x30 frames=4 labels=A,B outline=3\n"
                              "pack a.psp size=40x30 frames=4 label=A\n"
                              "pack b.psp size=40x30 frames=4 label=B\n"
                              "pack t.psp size=26x20 frames=4 texts=1G,2G,3G\n"
                              "pack n.psp size=40x30 frames=4 label=A notes=24,12,B\n"
                              "pack f.psp size=40x30 frames=4 label=\"\" tint=fixed\n"
                              "pack s.psp size=40x30 frames=4 label=\"\"\n", error);
    ASSERT_EQ(out.size(), 7u) << error;
    std::vector<std::vector<QZFrame>> packs;
    for (const auto& file : out) {
        auto pack = ReadSpriteFile(file.data(), file.size(), SpriteFileKind::Pack);
        ASSERT_TRUE(pack && pack->frames.size() == 4);
        packs.push_back(pack->frames);
    }
    const auto& labelled = packs[0];
    EXPECT_EQ(labelled[1].pixels, packs[1][1].pixels) << "frames 0 and 1 are the first group's";
    EXPECT_EQ(labelled[2].pixels, packs[2][2].pixels) << "frames 2 and 3 the second's";
    EXPECT_NE(labelled[2].pixels, packs[1][2].pixels) << "the second group's label is its own";
    const auto opaque = std::count_if(labelled[3].pixels.begin(), labelled[3].pixels.end(), QZFrame::IsOpaque);
    EXPECT_EQ(opaque, 40 * 30 - 36 * 26) << "an outlined frame is a two-pixel border, no label";
    const auto& texts = packs[3];
    EXPECT_NE(texts[0].pixels, texts[1].pixels) << "each count its text";
    EXPECT_NE(texts[1].pixels, texts[2].pixels);
    EXPECT_EQ(texts[3].pixels, texts[0].pixels) << "frames past the texts start them again";
    EXPECT_NE(packs[4][0].pixels, packs[1][0].pixels) << "a note is drawn where it is placed";
    EXPECT_EQ(packs[5][3].pixels, packs[5][0].pixels) << "a fixed tint keeps every frame in the colour";
    EXPECT_NE(packs[6][3].pixels, packs[6][0].pixels) << "else each frame a shade of its own";
}

// The glyph strips draw the characters they stand for, Korean units included, so "+6만냥" reads.
TEST(AssetBuilder, GlyphStripsDrawKoreanCharactersApart)
{
    std::string error;
    const auto out = BuildAll(std::string(reinterpret_cast<const char*>(u8"pack m.psp size=19x38 frames=3 glyphs=만억만\n")), error);
    ASSERT_EQ(out.size(), 1u) << error;
    const auto pack = ReadSpriteFile(out[0].data(), out[0].size(), SpriteFileKind::Pack);
    ASSERT_TRUE(pack && pack->frames.size() == 3);
    EXPECT_NE(pack->frames[0].pixels, pack->frames[1].pixels) << "만 and 억 differ";
    EXPECT_EQ(pack->frames[0].pixels, pack->frames[2].pixels);
    const auto inked = std::count_if(pack->frames[0].pixels.begin(), pack->frames[0].pixels.end(),
                                     [&](uint32_t px) { return px != pack->frames[0].pixels[19 + 1]; });
    EXPECT_GT(inked, 60) << "the character fills a good part of the frame";
}

// A card's face says what the table counts: the first bonus card is worth three pi, the second two.
TEST(AssetBuilder, CardFacesNameTheirFlowerOrTheirWorthInPi)
{
    const auto utf8 = [](const char8_t* s) { return std::string(reinterpret_cast<const char*>(s)); };
    const struct {
        int id;
        std::string line;
    } cases[] = {{0, utf8(u8"송학")}, {44, utf8(u8"비")}, {48, utf8(u8"쓰리피")}, {49, utf8(u8"쌍피")}};
    for (const auto& c : cases) EXPECT_EQ(placeholder::CardFlowerLine(c.id), c.line) << "card " << c.id;
}

TEST(AssetBuilder, BadEntriesAreRefusedWithTheirLine)
{
    const struct {
        const char* name;
        const char* text;
        const char* error;  // how the message starts
    } cases[] = {
        {"kind alone", "pack\n", "line 1:"},
        {"setting without =", "pack b.psp size=1x1\npack a.psp size\n", "line 2:"},
        {"unclosed quote", "pack a.psp label=\"open\n", "line 1:"},
        {"unknown kind", "movie a.avi size=1x1", "line 1 ("},
        {"no size", "pack a.psp", "line 1 ("},
        {"size beyond the format", "pack a.psp size=3000x10", "line 1 ("},
        {"bad colour", "pack a.psp size=1x1 color=red", "line 1 ("},
        {"unknown fill", "pack a.psp size=1x1 fill=glass", "line 1 ("},
        {"more hot spots than frames", "pack a.psp size=1x1 hot=1,1;2,2", "line 1 ("},
        {"pack not listed", "anim a.qza pack=none.psp", "line 1 ("},
        {"pack too small", "pack p.psp size=1x1 frames=3\nanim a.qza pack=p.psp frames=2 count=2", "line 2 ("},
        {"pack in another folder", "pack X\\p.psp size=1x1\nanim Y\\a.qza pack=p.psp", "line 2 ("},
        {"stop beyond the frames", "pack p.psp size=1x1 frames=3\nanim a.qza pack=p.psp frames=2 stop=2", "line 2 ("},
        {"voices beyond the encoder's band", "voices GameSound\\ from=150 step=10", "line 1 ("},
        {"effects too long", "effects GameSound\\ length=1500", "line 1 ("},
        {"tones one pitch", "effects GameSound\\ step=0", "line 1 ("},
        {"tone without a length", "tone a.ogg length=0", "line 1 ("},
        {"ini without a section", "ini common\\a.ini sDllVer=1", "line 1 ("},
        {"a label wider than its picture", "pack a.psp size=40x30 label=\"a label far too long to read\"", "line 1 ("},
        {"one label of several too long", "pack a.psp size=90x40 frames=2 labels=ok,much_too_long_for_ninety_pixels", "line 1 ("},
        {"a short label beside a long frame number", "pack a.psp size=30x20 frames=200 label=GO", "line 1 ("},
        {"a text wider than its columns", "pack a.psp size=40x20 advance=14 texts=12345", "line 1 ("},
        {"more labels than frames", "pack a.psp size=40x30 frames=1 labels=a,b", "line 1 ("},
        {"an outline beyond the frames", "pack a.psp size=40x30 frames=4 outline=2-4", "line 1 ("},
        {"an outline range backwards", "pack a.psp size=40x30 frames=4 outline=3-1", "line 1 ("},
        {"a note past the picture's edge", "bmp a.bmp size=40x30 notes=30,10,ABCD", "line 1 ("},
        {"a note without a text", "bmp a.bmp size=40x30 notes=3,3,", "line 1 ("},
        {"an unknown tint", "pack a.psp size=40x30 tint=glow", "line 1 ("},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_TRUE(BuildAll(c.text, error).empty()) << c.name;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.name << ": " << error;
    }
}

TEST(AssetBuilder, CursorsAreRiffAnimationsOfCursorFiles)
{
    std::string error;
    const auto files = BuildAll("cursor Cursor\\sg_click.ani side=32 frames=2 delay=8\n", error);
    ASSERT_EQ(files.size(), 1u) << error;
    const auto& b = files[0];
    ASSERT_GT(b.size(), 64u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(LoadLE32(b.data() + 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "ACONanih");
    EXPECT_EQ(LoadLE32(b.data() + 24), 2u) << "frames";
    EXPECT_EQ(LoadLE32(b.data() + 48), 8u) << "jiffies per frame";
    // "LIST" at 56, "fram" at 64, the first "icon" chunk at 68 holding a cursor file.
    EXPECT_EQ(std::string(b.begin() + 56, b.begin() + 60) + std::string(b.begin() + 64, b.begin() + 72), "LISTframicon");
    const uint32_t curBytes = LoadLE32(b.data() + 72);
    const uint8_t* cur = b.data() + 76;
    EXPECT_EQ(LoadLE16(cur + 2), 2u) << "a cursor, not an icon";
    EXPECT_EQ(cur[6], 32);
    EXPECT_EQ(LoadLE32(cur + 14), curBytes - 22) << "the image fills the rest of the chunk";
    EXPECT_EQ(LoadLE32(cur + 22 + 8), 64u) << "the DIB height counts colour and mask";
    EXPECT_EQ(std::string(b.begin() + 76 + curBytes, b.begin() + 80 + curBytes), "icon");
}

namespace {

// The repository's manifest built in memory, without its sounds: file bytes by path.
std::map<std::string, std::vector<uint8_t>> BuildRoomImages(std::string& error)
{
    std::ifstream in(MIRELLE_MANIFEST, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto entries = ParseManifest(text, error);
    std::map<std::string, std::vector<uint8_t>> files;
    if (!entries) return files;
    AssetBuilder builder;
    for (const ManifestEntry& e : *entries) {
        if (e.kind == "effects" || e.kind == "voices" || e.kind == "tone") continue;
        std::vector<AssetBuilder::Output> out;
        if (!builder.Build(e, out, error)) return {};
        for (auto& o : out) files[o.path] = std::move(o.bytes);
    }
    return files;
}

}  // namespace

// What the room selects in its files: image sets of buttons, clips by name (ASCII and CP949) or
// by index, and the countdown's frame per second.
TEST(RoomManifest, FilesCarryWhatTheRoomSelects)
{
    std::string error;
    const auto files = BuildRoomImages(error);
    ASSERT_FALSE(files.empty()) << error;
    const auto file = [&](const std::string& name) -> const std::vector<uint8_t>* {
        const auto at = files.find("GameImage\\" + name);
        return at == files.end() ? nullptr : &at->second;
    };

    // Frames the code selects: button image sets, the target-score result's marks (0..3) and sides
    // (4, 5), its scores' digits and signs (0..12), the prompt's thirteen yes and six no sets.
    const struct { const char* name; size_t frames; } packs[] = {
        {"Button\\exit_btn.psp", 8},        {"Button\\winmax_btn.psp", 8},   {"Button\\start_btn.psp", 8},
        {"GameRule\\Betting\\btn1.psp", 8}, {"PopUpMenu\\popup2.psp", 8},    {"PopUpMenu\\popup3.psp", 8},
        {"PopUpMenu\\popup0.psp", 4},       {"GameRule\\Betting\\btn0.psp", 4},
        {"DesperateResult\\element.psp", 6}, {"GameRule\\Desperate\\jumsu0.psp", 13},
        {"GameRule\\Desperate\\jumsu1.psp", 13}, {"GameRule\\Desperate\\jumsu_effect.psp", 13},
        {"Notify\\yes_btn.psp", 13 * 4},   {"Notify\\no_btn.psp", 6 * 4},
        {"GameProcess\\countdown.psp", 10},
    };
    for (const auto& c : packs) {
        const auto* bytes = file(c.name);
        ASSERT_NE(bytes, nullptr) << c.name << " is not in the manifest";
        const auto pack = ReadSpriteFile(bytes->data(), bytes->size(), SpriteFileKind::Pack);
        ASSERT_TRUE(pack.has_value()) << c.name;
        EXPECT_EQ(pack->frames.size(), c.frames) << c.name;
    }

    // Clips: count, one name that must be there (empty: chosen by index) and the frames of clip 0.
    const struct { const char* name; size_t clips; const char* wanted; size_t frames; } anims[] = {
        {"GameProcess\\countdown.qza", 1, "", 10},
        {"DesperateResult\\score_ok.qza", 2, "", 2},
        {"Notify\\back.qza", 30, "", 2},
        {"VIP\\hold_alert.qza", 4, "", 2},
        {"VIP\\jokbo_alert.qza", 12, "", 2},
        {"VIP\\vip_alarm.qza", 3, "", 2},
        {"Hwatoo\\icon.qza", 10, "OpenMission", 2},
        {"Result\\back.qza", 3, "무승부", 2},
        {"DesperateResult\\money.qza", 17, "억", 2},
        {"DesperateResult\\total_jum1.qza", 11, "점", 2},
        {"Mission\\dexplain.qza", 23, "떙잡이", 2},
        {"Mission\\kungjjak_back.qza", 6, "", 9},
        {"Mission\\back.qza", 8, "", 2},
        {"GameRule\\Desperate\\wineffect.qza", 2, "1", 2},
        {"GameFunction\\SelectSun\\effect.qza", 3, "SHUFFLE", 16},
    };
    for (const auto& c : anims) {
        const auto* bytes = file(c.name);
        ASSERT_NE(bytes, nullptr) << c.name << " is not in the manifest";
        const auto set = ReadAnimationFile(bytes->data(), bytes->size());
        ASSERT_TRUE(set.has_value()) << c.name;
        EXPECT_EQ(set->animations.size(), c.clips) << c.name;
        EXPECT_EQ(set->animations[0].frames.size(), c.frames) << c.name;
        if (*c.wanted) {
            const bool named = std::any_of(set->animations.begin(), set->animations.end(),
                                           [&](const QZAnimation& a) { return a.name == c.wanted; });
            EXPECT_TRUE(named) << c.name << " has no clip " << c.wanted;
        }
    }
    // The glyph texts' strips draw their characters at the size the panels lay them out: the two
    // frames of a character alike, the next character different.
    const struct { const char* name; int32_t width, height; } glyphs[] = {
        {"Result\\money.psp", 19, 38},
        {"DesperateResult\\money.psp", 15, 30},
        {"DesperateResult\\total_jum0.psp", 15, 30},
        {"DesperateResult\\total_jum1.psp", 15, 30},
    };
    for (const auto& c : glyphs) {
        const auto* bytes = file(c.name);
        ASSERT_NE(bytes, nullptr) << c.name << " is not in the manifest";
        const auto pack = ReadSpriteFile(bytes->data(), bytes->size(), SpriteFileKind::Pack);
        ASSERT_TRUE(pack && pack->frames.size() > 2) << c.name;
        EXPECT_EQ(std::pair(pack->frames[0].width, pack->frames[0].height), std::pair(c.width, c.height)) << c.name;
        EXPECT_EQ(pack->frames[0].pixels, pack->frames[1].pixels) << c.name << ": the two frames of 0";
        EXPECT_NE(pack->frames[0].pixels, pack->frames[2].pixels) << c.name << ": 0 and 1";
    }
    // The prompt's buttons over its cards (yes sets 10 and 11, no sets 2, 3 and 5) and every disabled
    // state (the fourth frame of a set) are outlines: the cards under them stay readable.
    const auto insideSeeThrough = [&](const char* name, size_t frame) {
        const auto* bytes = file(name);
        const auto pack = bytes ? ReadSpriteFile(bytes->data(), bytes->size(), SpriteFileKind::Pack) : std::nullopt;
        if (!pack || frame >= pack->frames.size()) return false;
        const QZFrame& f = pack->frames[frame];
        for (int32_t y = 2; y < f.height - 2; ++y)
            for (int32_t x = 2; x < f.width - 2; ++x)
                if (QZFrame::IsOpaque(f.pixels[static_cast<size_t>(y * f.width + x)])) return false;
        return true;
    };
    const struct { const char* name; std::vector<int> outlinedSets; int sets; } buttons[] = {
        {"Notify\\yes_btn.psp", {10, 11}, 13},
        {"Notify\\no_btn.psp", {2, 3, 5}, 6},
    };
    for (const auto& b : buttons)
        for (int set = 0; set < b.sets; ++set) {
            const bool overCards = std::count(b.outlinedSets.begin(), b.outlinedSets.end(), set) != 0;
            for (int state = 0; state < 4; ++state) {
                const size_t frame = static_cast<size_t>(set * 4 + state);
                EXPECT_EQ(insideSeeThrough(b.name, frame), overCards || state == 3)
                    << b.name << " set " << set << " state " << state;
            }
        }

    // One spelling per folder: the level animation the loader asks for as "ETC" is written into "Etc".
    EXPECT_NE(file("Etc\\gamelevel.qza"), nullptr);
    EXPECT_EQ(file("ETC\\gamelevel.qza"), nullptr);
}
