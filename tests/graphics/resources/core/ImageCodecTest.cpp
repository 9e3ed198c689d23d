#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "graphics/resources/core/Image.h"
#include "graphics/resources/core/ImageWriters.h"
#include "ToolBitmaps.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Distinct colours everywhere; with alpha, a transparent pixel and a soft one on the top row.
Image Picture(int32_t w, int32_t h, bool withAlpha)
{
    Image image = *Image::Create(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            image.At(x, y) = Argb(0xFF, uint8_t(x * 255 / (w - 1)), uint8_t(y * 255 / (h - 1)), uint8_t((x ^ y) * 16));
    if (withAlpha) image.At(0, 0) = 0, image.At(w - 1, 0) = Argb(0x80, 10, 20, 30);
    return image;
}

Image Mirrored(Image image)
{
    for (int32_t y = 0; y < image.height; ++y)
        std::reverse(image.pixels.begin() + y * image.width, image.pixels.begin() + (y + 1) * image.width);
    return image;
}

Image Map(Image image, uint32_t (*f)(uint32_t))
{
    for (auto& p : image.pixels) p = f(p);
    return image;
}

// Each channel cut to its bits and widened back, as the decoders do.
uint32_t Quantised(uint32_t p, int rBits, int gBits, int bBits)
{
    auto q = [](uint32_t v, int bits) { return uint8_t(bits >= 8 ? v : ((v & 0xFF) >> (8 - bits)) * 255 / ((1u << bits) - 1)); };
    return Argb(0xFF, q(p >> 16, rBits), q(p >> 8, gBits), q(p, bBits));
}

// Size, hot spot, delay and pixels; stops at the first wrong pixel.
::testing::AssertionResult Same(const Image& got, const Image& want)
{
    if (got.width != want.width || got.height != want.height || got.hotSpot != want.hotSpot || got.delay10ms != want.delay10ms)
        return ::testing::AssertionFailure() << "size, hot spot or delay differ: " << got.width << "x" << got.height;
    for (size_t i = 0; i < want.pixels.size(); ++i)
        if (got.pixels[i] != want.pixels[i])
            return ::testing::AssertionFailure() << "pixel " << i << " is " << std::hex << got.pixels[i] << ", want " << want.pixels[i];
    return ::testing::AssertionSuccess();
}

// Decodes the whole file to `want`, and a single picture from no shorter part of it (a GIF's
// trailer byte may be missing; an animation cut after a frame keeps the frames before).
::testing::AssertionResult DecodesOnlyWhole(const Bytes& file, const std::vector<Image>& want)
{
    const auto decoded = DecodeImageFrames(file);
    if (!decoded || decoded->size() != want.size()) return ::testing::AssertionFailure() << "the whole file does not decode";
    for (size_t i = 0; i < want.size(); ++i)
        if (auto same = Same((*decoded)[i], want[i]); !same) return same << " in frame " << i;
    const size_t tail = DetectImageFormat(file) == ImageFormat::Gif ? 1 : 0;
    for (size_t n = 0; n + tail < file.size() && want.size() == 1 && file.size() < 8192; ++n)
        if (DecodeImageFrames(std::span(file.data(), n))) return ::testing::AssertionFailure() << "decodes cut to " << n << " bytes";
    return ::testing::AssertionSuccess();
}

Bytes With(Bytes file, size_t at, const Bytes& bytes)
{
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<ptrdiff_t>(at));
    return file;
}
Bytes Le32(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }
Bytes Be32(uint32_t v) { return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)}; }

// A GIF89a of w x h, a global table (black, red, green, blue) when `tableFlags` asks for one,
// one image of `frameFlags` and the given 3-bit LZW codes.
Bytes HandMadeGif(uint8_t w, uint8_t h, uint8_t tableFlags, uint8_t frameFlags, uint8_t minCodeSize, const std::vector<uint32_t>& codes)
{
    Bytes f = {'G', 'I', 'F', '8', '9', 'a', w, 0, h, 0, tableFlags, 0, 0};
    const uint8_t palette[12] = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    if (tableFlags & 0x80) f.insert(f.end(), palette, palette + (3u << ((tableFlags & 7) + 1)));
    f.insert(f.end(), {0x2C, 0, 0, 0, 0, w, 0, h, 0, frameFlags, minCodeSize});
    Bytes lzw;
    uint32_t acc = 0;
    int bits = 0;
    for (uint32_t c : codes)
        for (acc |= c << bits, bits += 3; bits >= 8; acc >>= 8, bits -= 8) lzw.push_back(uint8_t(acc));
    if (bits) lzw.push_back(uint8_t(acc));
    f.push_back(uint8_t(lzw.size()));
    f.insert(f.end(), lzw.begin(), lzw.end());
    f.insert(f.end(), {0, 0x3B});
    return f;
}

constexpr uint32_t kK = 0xFF000000, kR = 0xFFFF0000, kG = 0xFF00FF00, kB = 0xFF0000FF;

// A run-length BMP of w x h (a negative h is top-down) with the palette black, red, green, blue
// cut to `colours` entries, and the given codes.
Bytes RunLengthBmp(uint16_t bits, uint32_t compression, int32_t w, int32_t h, const Bytes& codes, uint32_t colours = 4)
{
    Bytes f = {'B', 'M'};
    auto put32 = [&f](uint32_t v) { const Bytes b = Le32(v); f.insert(f.end(), b.begin(), b.end()); };
    put32(uint32_t(14 + 40 + 4 * colours + codes.size())), put32(0), put32(14 + 40 + 4 * colours);
    put32(40), put32(uint32_t(w)), put32(uint32_t(h));
    f.insert(f.end(), {1, 0, uint8_t(bits), 0});
    put32(compression), put32(uint32_t(codes.size())), put32(0), put32(0), put32(colours), put32(0);
    const uint32_t palette[] = {kK, kR, kG, kB};
    for (uint32_t i = 0; i < colours; ++i) put32(palette[i] & 0xFFFFFF);
    f.insert(f.end(), codes.begin(), codes.end());
    return f;
}
Bytes Rle8(int32_t w, int32_t h, const Bytes& codes, uint32_t colours = 4) { return RunLengthBmp(8, 1, w, h, codes, colours); }
Bytes Rle4(int32_t w, int32_t h, const Bytes& codes, uint32_t colours = 4) { return RunLengthBmp(4, 2, w, h, codes, colours); }

}  // namespace

TEST(ImageCodecs, DecodeEveryVariantTheyWriteAndNoTruncation)
{
    const Image bmp = Picture(7, 5, false);  // odd width: rows are padded
    Image flat = *Image::Create(7, 5, 0xFF204080);  // few colours, for the palette
    for (size_t i = 0; i < flat.pixels.size(); i += 3) flat.pixels[i] = 0xFFFFFFFF;
    Image tga = Picture(9, 4, true);
    tga.hotSpot = {-3, 12};
    const Image psd = Picture(13, 6, true);
    auto opaque = [](uint32_t p) { return p | 0xFF000000; };
    auto q555 = [](uint32_t p) { return Quantised(p, 5, 5, 5); };
    auto oneBitAlpha = [](uint32_t p) { return (Quantised(p, 5, 5, 5) & 0xFFFFFF) | (AlphaOf(p) >= 128 ? 0xFF000000 : 0); };
    std::vector<Image> animated;
    for (uint32_t i = 0; i < 3; ++i) {
        animated.push_back(*Image::Create(62, 78, 0xFF000000 | 0x102030u * (i + 1)));
        animated[i].At(int32_t(i), 0) = 0, animated[i].At(61, 77) = 0xFFFFFFFF;
        animated[i].delay10ms = 10 * (i + 1);
    }
    Image noisy = *Image::Create(200, 200);  // 250 colours that fill the dictionary several times
    uint32_t seed = 1;
    for (auto& p : noisy.pixels) {
        seed = seed * 1103515245 + 12345;
        const uint32_t c = (seed >> 16) % 250;
        p = Argb(0xFF, uint8_t(c), uint8_t(c * 7), uint8_t(c * 13));
    }
    std::vector<std::pair<std::string, std::vector<Image>>> gifs = {{"gif animated frames with delays", animated},
                                                                     {"gif long codes and dictionary resets", {noisy}}};
    for (uint32_t colours = 1; colours <= 5; ++colours) {  // the smallest code sizes
        Image image = *Image::Create(5, 3);
        for (size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = 0xFF000000 | uint32_t(i % colours) * 0x40;
        gifs.push_back({"gif of " + std::to_string(colours) + " colours", {image}});
    }
    std::vector<std::tuple<std::string, Bytes, std::vector<Image>>> cases = {
        {"bmp 8-bit palette, bottom-up", WriteBmp(flat, {BmpPixels::Indexed8, false}), {flat}},
        {"bmp 8-bit palette, top-down", WriteBmp(flat, {BmpPixels::Indexed8, true}), {flat}},
        {"bmp 16-bit 555", WriteBmp(bmp, {BmpPixels::Rgb555, false}), {Map(bmp, q555)}},
        {"bmp 16-bit 565 bit fields, top-down", WriteBmp(bmp, {BmpPixels::Rgb565, true}),
         {Map(bmp, [](uint32_t p) { return Quantised(p, 5, 6, 5); })}},
        {"bmp 24-bit bottom-up", WriteBmp(bmp, {BmpPixels::Rgb24, false}), {bmp}},
        {"bmp 32-bit", WriteBmp(bmp, {BmpPixels::Rgb32, false}), {bmp}},
        {"tga 32-bit raw bottom-up", WriteTga(tga, {32, false, false}), {tga}},
        {"tga 32-bit run-length", WriteTga(tga, {32, true, false}), {tga}},
        {"tga 24-bit raw", WriteTga(tga, {24, false, false}), {Map(tga, opaque)}},
        {"tga 24-bit run-length top-down", WriteTga(tga, {24, true, true}), {Map(tga, opaque)}},
        {"tga 16-bit run-length", WriteTga(tga, {16, true, false}), {Map(tga, oneBitAlpha)}},
        // The descriptor byte (8 alpha bits) with the right-to-left bit: the same bytes, mirrored.
        {"tga 32-bit raw right to left, bottom-up", With(WriteTga(tga, {32, false, false}), 17, {0x18}), {Mirrored(tga)}},
        {"tga 32-bit run-length right to left, top-down", With(WriteTga(tga, {32, true, true}), 17, {0x38}), {Mirrored(tga)}},
        {"psd run-length with alpha", WritePsd(psd, {true, true}), {psd}},
        {"psd run-length without alpha", WritePsd(psd, {true, false}), {Map(psd, opaque)}},
        {"psd raw without alpha", WritePsd(psd, {false, false}), {Map(psd, opaque)}},
    };
    for (const auto& [name, frames] : gifs) cases.emplace_back(name, WriteGif(frames), frames);
    for (const auto& [name, file, want] : cases) EXPECT_TRUE(DecodesOnlyWhole(file, want)) << name;
    EXPECT_TRUE(WriteBmp(Picture(32, 32, false), {BmpPixels::Indexed8, false}).empty()) << "a palette of 1024 colours";
}

TEST(ImageCodecs, DecodeHandMadeFiles)
{
    const struct { const char* name; Bytes file; std::vector<uint32_t> pixels; } cases[] = {
        // 3 x 2 grey: one run packet of 4 pixels, then a raw packet of 2.
        {"tga run-length packets cross rows", {0, 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 8, 0x20, 0x83, 50, 0x01, 60, 70},
         {0xFF323232, 0xFF323232, 0xFF323232, 0xFF323232, 0xFF3C3C3C, 0xFF464646}},
        {"gif of 2 colours: clear, 0, 1, end", HandMadeGif(2, 1, 0x80, 0, 2, {4, 0, 1, 5}), {0xFF000000, 0xFFFF0000}},
        // 1 x 5 in pass order (rows 0, 4, 2, 1, 3); a clear before each literal keeps codes 3 bits wide.
        {"gif interlaced rows go to their places", HandMadeGif(1, 5, 0x81, 0x40, 2, {4, 0, 4, 3, 4, 2, 4, 1, 4, 0, 5}),
         {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF000000, 0xFF0000FF}},
    };
    for (const auto& c : cases) {
        const auto decoded = DecodeImageFrames(c.file);
        EXPECT_TRUE(decoded && decoded->front().pixels == c.pixels) << c.name;
    }
}

TEST(ImageCodecs, RejectInconsistentFiles)
{
    Image image = *Image::Create(6, 4, 0xFF336699);
    image.At(1, 1) = 0xFFFFFFFF, image.At(2, 3) = 0;  // with the transparent one, a table of 4
    const auto bmp = WriteBmp(image, {BmpPixels::Rgb24, false});
    const auto bmp8 = WriteBmp(image, {BmpPixels::Indexed8, false});
    const auto bmp565 = WriteBmp(image, {BmpPixels::Rgb565, false});
    const auto tga = WriteTga(image, {32, true, false});
    const auto psd = WritePsd(image, {true, true});
    const auto gif = WriteGif(std::span(&image, 1));
    const std::vector<uint32_t> good = {4, 0, 1, 5};
    const struct { const char* name; Bytes file; } cases[] = {
        {"too short for any format", {1, 2, 3}},
        {"bmp zero width", With(bmp, 18, Le32(0))},
        {"bmp width beyond the limit", With(bmp, 18, Le32(100000))},
        {"bmp height of INT32_MIN", With(bmp, 22, Le32(0x80000000))},
        {"bmp area beyond the limit", With(With(bmp, 18, Le32(16384)), 22, Le32(16384))},
        {"bmp 24 bits as run-length", With(bmp, 30, Le32(1))},
        {"bmp 7 bits per pixel", With(bmp, 28, {7, 0})},
        {"bmp two planes", With(bmp, 26, {2, 0})},
        {"bmp header size 20", With(bmp, 14, Le32(20))},
        {"bmp data offset past the end", With(bmp, 10, Le32(0xFFFFFFF0))},
        {"bmp data offset inside the header", With(bmp, 10, Le32(20))},
        {"bmp more colours than 8 bits hold", With(bmp8, 46, Le32(257))},
        {"bmp index beyond a short palette", With(bmp8, 46, Le32(1))},
        {"bmp bit fields with a split mask", With(bmp565, 54, Le32(0xF00F))},
        {"bmp 16-bit mask beyond 16 bits", With(bmp565, 54, Le32(0xF80000))},
        {"tga image type 4", With(tga, 2, {4})},
        {"tga 12 bits per pixel", With(tga, 16, {12})},
        {"tga zero height", With(tga, 14, {0, 0})},
        {"tga colour map type 2", With(tga, 1, {2})},
        {"tga colour-mapped without a map", With(tga, 2, {9})},
        {"tga run-length past the last pixel", With(tga, 18, {0xFF})},
        {"psd version 2", With(psd, 4, {0, 2})},
        {"psd 16 bits per channel", With(psd, 22, {0, 16})},
        {"psd CMYK", With(psd, 24, {0, 4})},
        {"psd zero channels", With(psd, 12, {0, 0})},
        {"psd width beyond the limit", With(psd, 18, Be32(40000))},
        {"psd zip compression", With(psd, 38, {0, 2})},
        {"psd section past the end", With(psd, 26, Be32(0x7FFFFFFF))},
        {"psd row byte count past the end", With(psd, 40, {0xFF, 0xFF})},
        {"psd row that overruns its width", With(psd, 40, {0, 3})},
        {"gif zero width", With(gif, 6, {0, 0})},
        {"gif unknown block", With(gif, 13 + 3 * 4, {0x99})},
        {"gif without a colour table", HandMadeGif(2, 1, 0x00, 0, 2, good)},
        {"gif code size 1", HandMadeGif(2, 1, 0x80, 0, 1, good)},
        {"gif code size 9", HandMadeGif(2, 1, 0x80, 0, 9, good)},
        {"gif first code refers to an entry not made", HandMadeGif(2, 1, 0x80, 0, 2, {4, 6})},
        {"gif index beyond the colour table", HandMadeGif(2, 1, 0x80, 0, 2, {4, 3})},
        {"gif index equal to the table's size", HandMadeGif(2, 1, 0x80, 0, 2, {4, 2, 2, 5})},
        // Would make us allocate gigabytes.
        {"gif frame of 59881 x 59881", With(HandMadeGif(2, 1, 0x80, 0, 2, good), 24, {0xE9, 0xE9, 0xE9, 0xE9})},
    };
    for (const auto& c : cases) EXPECT_FALSE(DecodeImageFrames(c.file)) << c.name;
}

// Run-length bitmaps written by another program decode to the same pixels as their uncompressed
// copies; cut anywhere before their last code, they fail.
TEST(ImageCodecs, RunLengthBitmapsOfAToolDecodeAsTheirUncompressedCopies)
{
    size_t pairs = 0;
    for (const ToolBitmap& rle : ToolBitmaps()) {
        const size_t at = rle.name.find("_rle8");
        if (at == std::string::npos) continue;
        const std::string plainName = rle.name.substr(0, at) + "_plain8";
        const auto plain = std::find_if(ToolBitmaps().begin(), ToolBitmaps().end(), [&](const ToolBitmap& b) { return b.name == plainName; });
        ASSERT_NE(plain, ToolBitmaps().end()) << rle.name << " has no uncompressed copy";
        ASSERT_EQ(rle.bytes.at(30), 1) << rle.name << " is not run-length";
        const auto want = DecodeBmp(plain->bytes);
        ASSERT_TRUE(want) << plain->name;
        const auto got = DecodeBmp(rle.bytes);
        ASSERT_TRUE(got) << rle.name;
        EXPECT_TRUE(Same(*got, *want)) << rle.name;
        for (size_t n = 0; n + 2 < rle.bytes.size(); ++n)
            ASSERT_FALSE(DecodeBmp(std::span(rle.bytes.data(), n))) << rle.name << " cut to " << n << " bytes";
        ++pairs;
    }
    EXPECT_EQ(pairs, 2u);
}

// Rows of the pixels are listed top first; the codes fill the picture from the bottom row.
TEST(ImageCodecs, DecodeHandMadeRunLengthBitmaps)
{
    const struct { const char* name; Bytes file; std::vector<uint32_t> pixels; } cases[] = {
        {"rle8 a run, a line end, a padded absolute run", Rle8(4, 2, {4, 1, 0, 0, 0, 3, 2, 3, 2, 0, 1, 1, 0, 1}),
         {kG, kB, kG, kR, kR, kR, kR, kR}},
        {"rle8 a delta skips pixels, left at colour 0", Rle8(3, 3, {1, 1, 0, 2, 1, 1, 1, 2, 0, 1}),
         {kK, kK, kK, kK, kK, kG, kR, kK, kK}},
        {"rle8 early line ends, no end of bitmap after the last row", Rle8(3, 2, {1, 3, 0, 0, 2, 2, 0, 0}),
         {kG, kG, kK, kB, kK, kK}},
        {"rle8 a run past the row's end is cut there", Rle8(2, 2, {5, 1, 0, 0, 1, 2, 0, 1}), {kG, kK, kR, kR}},
        {"rle8 an absolute run past the row's end is cut there", Rle8(2, 1, {0, 3, 1, 2, 3, 0, 0, 1}), {kR, kG}},
        {"rle8 a delta past the top row ends the picture", Rle8(2, 2, {2, 1, 0, 2, 0, 5, 7, 7}), {kK, kK, kR, kR}},
        {"rle8 codes after the end of bitmap are not read", Rle8(1, 1, {1, 2, 0, 1, 0, 0xFF}), {kG}},
        {"rle4 a run alternates its two nibbles", Rle4(5, 1, {5, 0x12, 0, 1}), {kR, kG, kR, kG, kR}},
        {"rle4 an absolute run of 3 takes 2 bytes", Rle4(4, 1, {0, 3, 0x32, 0x10, 1, 0x30, 0, 1}), {kB, kG, kR, kB}},
        {"rle4 an absolute run of 5 is padded to 4 bytes", Rle4(6, 1, {0, 5, 0x12, 0x31, 0x20, 0, 1, 0x30, 0, 1}),
         {kR, kG, kB, kR, kG, kB}},
    };
    for (const auto& c : cases) {
        const auto decoded = DecodeBmp(c.file);
        ASSERT_TRUE(decoded) << c.name;
        EXPECT_EQ(decoded->pixels, c.pixels) << c.name;
    }
}

TEST(ImageCodecs, RejectBrokenRunLengthBitmaps)
{
    const struct { const char* name; Bytes file; } cases[] = {
        {"rle8 data ends before the last row", Rle8(2, 2, {2, 1, 0, 0})},
        {"rle8 a code without its value", Rle8(2, 2, {2})},
        {"rle8 an absolute run longer than the data", Rle8(8, 1, {0, 5, 1, 2, 3})},
        {"rle8 an absolute run without its pad byte", Rle8(8, 1, {0, 3, 1, 2, 3})},
        {"rle4 an absolute run longer than the data", Rle4(8, 1, {0, 5, 0x12, 0x12})},
        {"rle8 a delta cut short", Rle8(2, 2, {0, 2, 1})},
        {"rle8 an index beyond a short palette", Rle8(2, 1, {2, 2, 0, 1}, 2)},
        {"rle8 an absolute index beyond a short palette", Rle8(2, 1, {0, 3, 0, 1, 3, 0, 0, 1}, 3)},
        {"rle4 a second nibble beyond a short palette", Rle4(2, 1, {2, 0x13, 0, 1}, 2)},
        {"rle8 top-down", Rle8(2, -2, {2, 1, 0, 0, 2, 1, 0, 1})},
        {"rle8 on a 4-bit bitmap", RunLengthBmp(4, 1, 2, 1, {2, 1, 0, 1})},
        {"rle4 on an 8-bit bitmap", RunLengthBmp(8, 2, 2, 1, {2, 1, 0, 1})},
        {"rle8 data offset past the end", With(Rle8(2, 1, {2, 1, 0, 1}), 10, Le32(0x7FFFFFFF))},
    };
    for (const auto& c : cases) EXPECT_FALSE(DecodeBmp(c.file)) << c.name;
}
