#include <gtest/gtest.h>

#include <functional>

#include "foundation/core/Wire.h"
#include "graphics/resources/core/Image.h"
#include "graphics/resources/core/ImageWriters.h"

namespace {

Image Sample()
{
    Image image = *Image::Create(6, 4, 0xFF336699);
    image.At(1, 1) = 0xFFFFFFFF;
    image.At(2, 3) = 0;
    return image;
}

using Decoder = std::function<bool(std::span<const uint8_t>)>;

bool DecodesBmp(std::span<const uint8_t> b) { return DecodeBmp(b).has_value(); }
bool DecodesTga(std::span<const uint8_t> b) { return DecodeTga(b).has_value(); }
bool DecodesPsd(std::span<const uint8_t> b) { return DecodePsd(b).has_value(); }
bool DecodesGif(std::span<const uint8_t> b) { return DecodeGif(b).has_value(); }

std::vector<uint8_t> With(std::vector<uint8_t> file, size_t at, std::vector<uint8_t> bytes)
{
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<ptrdiff_t>(at));
    return file;
}
std::vector<uint8_t> Le32(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }
std::vector<uint8_t> Be32(uint32_t v) { return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)}; }

}  // namespace

TEST(ImageDecoders, RejectEveryTruncation)
{
    const Image image = Sample();
    const struct {
        const char* name;
        std::vector<uint8_t> file;
        Decoder decode;
        size_t optionalTail;  // a GIF's trailer byte may be missing
    } cases[] = {
        {"bmp 8-bit", WriteBmp(image, {BmpPixels::Indexed8, false}), DecodesBmp, 0},
        {"bmp 565", WriteBmp(image, {BmpPixels::Rgb565, true}), DecodesBmp, 0},
        {"bmp 24-bit", WriteBmp(image, {BmpPixels::Rgb24, false}), DecodesBmp, 0},
        {"tga raw", WriteTga(image, {32, false, false}), DecodesTga, 0},
        {"tga rle", WriteTga(image, {24, true, false}), DecodesTga, 0},
        {"psd raw", WritePsd(image, {false, true}), DecodesPsd, 0},
        {"psd rle", WritePsd(image, {true, true}), DecodesPsd, 0},
        {"gif", WriteGif(std::span(&image, 1)), DecodesGif, 1},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.decode(c.file)) << c.name << " whole file";
        for (size_t n = 0; n + c.optionalTail < c.file.size(); ++n)
            ASSERT_FALSE(c.decode(std::span(c.file.data(), n))) << c.name << " cut to " << n << " bytes";
    }
}

TEST(ImageDecoders, RejectInconsistentHeaders)
{
    const Image image = Sample();
    const auto bmp = WriteBmp(image, {BmpPixels::Rgb24, false});
    const auto bmp8 = WriteBmp(image, {BmpPixels::Indexed8, false});
    const auto bmp565 = WriteBmp(image, {BmpPixels::Rgb565, false});
    const auto tga = WriteTga(image, {32, true, false});
    const auto psd = WritePsd(image, {true, true});
    const auto gif = WriteGif(std::span(&image, 1));
    const struct {
        const char* name;
        std::vector<uint8_t> file;
        Decoder decode;
    } cases[] = {
        {"bmp zero width", With(bmp, 18, Le32(0)), DecodesBmp},
        {"bmp width beyond the limit", With(bmp, 18, Le32(100000)), DecodesBmp},
        {"bmp height of INT32_MIN", With(bmp, 22, Le32(0x80000000)), DecodesBmp},
        {"bmp area beyond the limit", With(With(bmp, 18, Le32(16384)), 22, Le32(16384)), DecodesBmp},
        {"bmp 24 bits as run-length", With(bmp, 30, Le32(1)), DecodesBmp},
        {"bmp 7 bits per pixel", With(bmp, 28, {7, 0}), DecodesBmp},
        {"bmp two planes", With(bmp, 26, {2, 0}), DecodesBmp},
        {"bmp header size 20", With(bmp, 14, Le32(20)), DecodesBmp},
        {"bmp data offset past the end", With(bmp, 10, Le32(0xFFFFFFF0)), DecodesBmp},
        {"bmp data offset inside the header", With(bmp, 10, Le32(20)), DecodesBmp},
        {"bmp more colours than 8 bits hold", With(bmp8, 46, Le32(257)), DecodesBmp},
        {"bmp index beyond a short palette", With(bmp8, 46, Le32(1)), DecodesBmp},
        {"bmp bit fields with a split mask", With(bmp565, 54, Le32(0xF00F)), DecodesBmp},
        {"bmp 16-bit mask beyond 16 bits", With(bmp565, 54, Le32(0xF80000)), DecodesBmp},
        {"tga image type 0", With(tga, 2, {0}), DecodesTga},
        {"tga image type 4", With(tga, 2, {4}), DecodesTga},
        {"tga 12 bits per pixel", With(tga, 16, {12}), DecodesTga},
        {"tga zero height", With(tga, 14, {0, 0}), DecodesTga},
        {"tga colour map type 2", With(tga, 1, {2}), DecodesTga},
        {"tga colour-mapped without a map", With(tga, 2, {9}), DecodesTga},
        {"tga run-length past the last pixel", With(tga, 18, {0xFF}), DecodesTga},
        {"psd version 2", With(psd, 4, {0, 2}), DecodesPsd},
        {"psd 16 bits per channel", With(psd, 22, {0, 16}), DecodesPsd},
        {"psd CMYK", With(psd, 24, {0, 4}), DecodesPsd},
        {"psd zero channels", With(psd, 12, {0, 0}), DecodesPsd},
        {"psd width beyond the limit", With(psd, 18, Be32(40000)), DecodesPsd},
        {"psd zip compression", With(psd, 38, {0, 2}), DecodesPsd},
        {"psd section past the end", With(psd, 26, Be32(0x7FFFFFFF)), DecodesPsd},
        {"psd row byte count past the end", With(psd, 40, {0xFF, 0xFF}), DecodesPsd},
        {"psd row that overruns its width", With(psd, 40, {0, 3}), DecodesPsd},
        {"gif zero width", With(gif, 6, {0, 0}), DecodesGif},
        {"gif unknown block", With(gif, 13 + 3 * 4, {0x99}), DecodesGif},
    };
    for (const auto& c : cases) EXPECT_FALSE(c.decode(c.file)) << c.name;
}

namespace {

// A GIF89a of w x h with a global table (black, red, green, blue) when `tableFlags` asks for
// one, one image of the given flags and 3-bit LZW codes.
std::vector<uint8_t> HandMadeGif(uint8_t w, uint8_t h, uint8_t tableFlags, uint8_t frameFlags, uint8_t minCodeSize,
                                 const std::vector<uint32_t>& codes)
{
    std::vector<uint8_t> f = {'G', 'I', 'F', '8', '9', 'a', w, 0, h, 0, tableFlags, 0, 0};
    const uint8_t palette[12] = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    if (tableFlags & 0x80) f.insert(f.end(), palette, palette + (3u << ((tableFlags & 7) + 1)));
    f.insert(f.end(), {0x2C, 0, 0, 0, 0, w, 0, h, 0, frameFlags, minCodeSize});
    std::vector<uint8_t> lzw;
    uint32_t acc = 0;
    int bits = 0;
    for (uint32_t c : codes)
        for (acc |= c << bits, bits += 3; bits >= 8; acc >>= 8, bits -= 8) lzw.push_back(static_cast<uint8_t>(acc));
    if (bits) lzw.push_back(static_cast<uint8_t>(acc));
    f.push_back(static_cast<uint8_t>(lzw.size()));
    f.insert(f.end(), lzw.begin(), lzw.end());
    f.insert(f.end(), {0, 0x3B});
    return f;
}

}  // namespace

TEST(ImageDecoders, GifRejectsBadCodesAndColourTables)
{
    // 2 x 1, a table of 2 colours: clear (4), 0, 1, end (5).
    const std::vector<uint32_t> good = {4, 0, 1, 5};
    const auto decoded = DecodeGif(HandMadeGif(2, 1, 0x80, 0, 2, good));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->front().At(1, 0), 0xFFFF0000);
    const struct {
        const char* name;
        std::vector<uint8_t> file;
    } cases[] = {
        {"no colour table", HandMadeGif(2, 1, 0x00, 0, 2, good)},
        {"code size 1", HandMadeGif(2, 1, 0x80, 0, 1, good)},
        {"code size 9", HandMadeGif(2, 1, 0x80, 0, 9, good)},
        {"first code refers to an entry not made", HandMadeGif(2, 1, 0x80, 0, 2, {4, 6})},
        {"index beyond the colour table", HandMadeGif(2, 1, 0x80, 0, 2, {4, 3})},
        {"index equal to the table's size", HandMadeGif(2, 1, 0x80, 0, 2, {4, 2, 2, 5})},
    };
    for (const auto& c : cases) EXPECT_FALSE(DecodeGif(c.file)) << c.name;

    // A frame far larger than any picture would make us allocate gigabytes.
    auto huge = HandMadeGif(2, 1, 0x80, 0, 2, good);
    const std::vector<uint8_t> side = {0xE9, 0xE9, 0xE9, 0xE9};
    std::copy(side.begin(), side.end(), huge.begin() + 24);
    EXPECT_FALSE(DecodeGif(huge)) << "frame of 59881 x 59881";
}

TEST(GifCodec, InterlacedFrameRowsGoToTheirPlaces)
{
    // 1 x 5 in pass order (rows 0, 4, 2, 1, 3) holding colours 0, 3, 2, 1, 0; a clear before each
    // literal keeps the codes 3 bits wide.
    const auto decoded = DecodeGif(HandMadeGif(1, 5, 0x81, 0x40, 2, {4, 0, 4, 3, 4, 2, 4, 1, 4, 0, 5}));
    ASSERT_TRUE(decoded);
    const uint32_t want[5] = {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF000000, 0xFF0000FF};  // rows 0..4
    for (int y = 0; y < 5; ++y) EXPECT_EQ(decoded->front().At(0, y), want[y]) << "row " << y;
}

TEST(ImageDecoders, DetectFormatBySignature)
{
    EXPECT_EQ(DetectImageFormat(WriteTga(Sample())), ImageFormat::Tga);
    EXPECT_EQ(DetectImageFormat(std::vector<uint8_t>{1, 2, 3}), ImageFormat::Unknown);
    const auto frames = DecodeImageFrames(WriteTga(Sample()));
    ASSERT_TRUE(frames);
    EXPECT_EQ(frames->size(), 1u);
    EXPECT_FALSE(DecodeImageFrames(std::vector<uint8_t>{'B', 'M', 0}));
}
