#include <gtest/gtest.h>

#include <string>

#include "graphics/resources/core/Image.h"
#include "graphics/resources/core/ImageWriters.h"

namespace {

// A picture with distinct colours in each corner, a transparent pixel and a soft one.
Image TestPicture(int32_t w, int32_t h, bool withAlpha)
{
    Image image = *Image::Create(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            image.At(x, y) = Argb(0xFF, static_cast<uint8_t>(x * 255 / std::max(1, w - 1)),
                                  static_cast<uint8_t>(y * 255 / std::max(1, h - 1)), static_cast<uint8_t>((x ^ y) * 16));
    if (withAlpha) {
        image.At(0, 0) = 0x00000000;
        image.At(w - 1, 0) = Argb(0x80, 10, 20, 30);
    }
    return image;
}

// A picture of few colours, for the indexed formats.
Image FlatPicture(int32_t w, int32_t h)
{
    Image image = *Image::Create(w, h, 0xFF204080);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            if ((x + y) % 3 == 0) image.At(x, y) = 0xFFFFFFFF;
    image.At(w - 1, h - 1) = 0xFFFF0000;
    return image;
}

// The image with each channel cut to the given bits and widened back, as the decoders do.
uint32_t Quantised(uint32_t p, int rBits, int gBits, int bBits)
{
    auto q = [](uint32_t v, int bits) {
        if (bits >= 8) return static_cast<uint8_t>(v);
        const uint32_t max = (1u << bits) - 1;
        return static_cast<uint8_t>(((v & 0xFF) >> (8 - bits)) * 255 / max);
    };
    return Argb(0xFF, q(p >> 16, rBits), q(p >> 8, gBits), q(p, bBits));
}

// Compares pixel by pixel and stops at the first difference.
::testing::AssertionResult SamePixels(const Image& got, const Image& want)
{
    if (got.width != want.width || got.height != want.height)
        return ::testing::AssertionFailure() << "size " << got.width << "x" << got.height << ", want " << want.width
                                             << "x" << want.height;
    for (int32_t y = 0; y < want.height; ++y)
        for (int32_t x = 0; x < want.width; ++x)
            if (got.At(x, y) != want.At(x, y))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                                     << got.At(x, y) << ", want " << want.At(x, y);
    return ::testing::AssertionSuccess();
}

Image Opaque(Image image)
{
    for (auto& p : image.pixels) p |= 0xFF000000;
    return image;
}

template <class F>
Image MapPixels(Image image, F f)
{
    for (auto& p : image.pixels) p = f(p);
    return image;
}

}  // namespace

TEST(ImageCodecs, DecodeEveryVariantTheyWrite)
{
    const Image bmp = TestPicture(7, 5, false);  // odd width: rows are padded
    const Image flat = FlatPicture(7, 5);
    Image tga = TestPicture(9, 4, true);
    tga.hotSpot = {-3, 12};
    const Image psd = TestPicture(13, 6, true);
    auto q555 = [](uint32_t p) { return Quantised(p, 5, 5, 5); };
    auto oneBitAlpha = [](uint32_t p) { return (Quantised(p, 5, 5, 5) & 0xFFFFFF) | (AlphaOf(p) >= 128 ? 0xFF000000 : 0); };
    using Decoder = std::optional<Image> (*)(std::span<const uint8_t>);
    const struct {
        const char* name;
        std::vector<uint8_t> file;
        Decoder decode;
        ImageFormat format;
        Image expected;
    } cases[] = {
        {"bmp 8-bit palette, bottom-up", WriteBmp(flat, {BmpPixels::Indexed8, false}), DecodeBmp, ImageFormat::Bmp, flat},
        {"bmp 8-bit palette, top-down", WriteBmp(flat, {BmpPixels::Indexed8, true}), DecodeBmp, ImageFormat::Bmp, flat},
        {"bmp 16-bit 555", WriteBmp(bmp, {BmpPixels::Rgb555, false}), DecodeBmp, ImageFormat::Bmp, MapPixels(bmp, q555)},
        {"bmp 16-bit 565 bit fields, top-down", WriteBmp(bmp, {BmpPixels::Rgb565, true}), DecodeBmp, ImageFormat::Bmp,
         MapPixels(bmp, [](uint32_t p) { return Quantised(p, 5, 6, 5); })},
        {"bmp 24-bit bottom-up", WriteBmp(bmp, {BmpPixels::Rgb24, false}), DecodeBmp, ImageFormat::Bmp, bmp},
        {"bmp 24-bit top-down", WriteBmp(bmp, {BmpPixels::Rgb24, true}), DecodeBmp, ImageFormat::Bmp, bmp},
        {"bmp 32-bit", WriteBmp(bmp, {BmpPixels::Rgb32, false}), DecodeBmp, ImageFormat::Bmp, bmp},
        {"tga 32-bit raw bottom-up", WriteTga(tga, {32, false, false}), DecodeTga, ImageFormat::Tga, tga},
        {"tga 32-bit raw top-down", WriteTga(tga, {32, false, true}), DecodeTga, ImageFormat::Tga, tga},
        {"tga 32-bit run-length", WriteTga(tga, {32, true, false}), DecodeTga, ImageFormat::Tga, tga},
        {"tga 24-bit raw", WriteTga(tga, {24, false, false}), DecodeTga, ImageFormat::Tga, Opaque(tga)},
        {"tga 24-bit run-length top-down", WriteTga(tga, {24, true, true}), DecodeTga, ImageFormat::Tga, Opaque(tga)},
        {"tga 16-bit run-length", WriteTga(tga, {16, true, false}), DecodeTga, ImageFormat::Tga, MapPixels(tga, oneBitAlpha)},
        {"psd run-length with alpha", WritePsd(psd, {true, true}), DecodePsd, ImageFormat::Psd, psd},
        {"psd raw with alpha", WritePsd(psd, {false, true}), DecodePsd, ImageFormat::Psd, psd},
        {"psd run-length without alpha", WritePsd(psd, {true, false}), DecodePsd, ImageFormat::Psd, Opaque(psd)},
        {"psd raw without alpha", WritePsd(psd, {false, false}), DecodePsd, ImageFormat::Psd, Opaque(psd)},
    };
    for (const auto& c : cases) {
        ASSERT_FALSE(c.file.empty()) << c.name;
        EXPECT_EQ(DetectImageFormat(c.file), c.format) << c.name;
        const auto decoded = c.decode(c.file);
        ASSERT_TRUE(decoded) << c.name;
        EXPECT_TRUE(SamePixels(*decoded, c.expected)) << c.name;
        EXPECT_EQ(decoded->hotSpot, c.expected.hotSpot) << c.name;
    }
    EXPECT_TRUE(WriteBmp(TestPicture(32, 32, false), {BmpPixels::Indexed8, false}).empty()) << "a palette of 1024 colours";
}

TEST(TgaCodec, DecodesHandMadeFiles)
{
    const struct {
        const char* name;
        std::vector<uint8_t> file;
        std::vector<uint32_t> pixels;
    } cases[] = {
        // 3 x 2 grey: one run packet of 4 pixels, then a raw packet of 2.
        {"run-length packets cross rows",
         {0, 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 8, 0x20, 0x83, 50, 0x01, 60, 70},
         {0xFF323232, 0xFF323232, 0xFF323232, 0xFF323232, 0xFF3C3C3C, 0xFF464646}},
        // 2 x 1, map of two 24-bit entries starting at index 5, right-to-left.
        {"colour-mapped, right-to-left",
         {0, 1, 1, 5, 0, 2, 0, 24, 0, 0, 0, 0, 2, 0, 1, 0, 8, 0x10, 1, 2, 3, 4, 5, 6, 5, 6},
         {Argb(0xFF, 6, 5, 4), Argb(0xFF, 3, 2, 1)}},
    };
    for (const auto& c : cases) {
        const auto decoded = DecodeTga(c.file);
        ASSERT_TRUE(decoded) << c.name;
        EXPECT_EQ(decoded->pixels, c.pixels) << c.name;
    }
}

TEST(GifCodec, RoundTrips)
{
    std::vector<Image> animated;
    for (int i = 0; i < 3; ++i) {
        Image f = *Image::Create(62, 78, 0xFF000000 | (0x102030u * (i + 1)));
        f.At(i, 0) = 0;  // transparent
        f.At(61, 77) = 0xFFFFFFFF;
        f.delay10ms = static_cast<uint32_t>(10 * (i + 1));
        animated.push_back(f);
    }
    // 250 colours in a pattern that fills the dictionary several times.
    Image noisy = *Image::Create(200, 200);
    uint32_t seed = 1;
    for (auto& p : noisy.pixels) {
        seed = seed * 1103515245 + 12345;
        const uint32_t c = (seed >> 16) % 250;
        p = Argb(0xFF, static_cast<uint8_t>(c), static_cast<uint8_t>(c * 7), static_cast<uint8_t>(c * 13));
    }
    std::vector<std::pair<std::string, std::vector<Image>>> cases = {
        {"animated frames with delays", animated}, {"long codes and dictionary resets", {noisy}}};
    for (int colours = 1; colours <= 5; ++colours) {  // the smallest code sizes
        Image image = *Image::Create(5, 3, 0xFF000000);
        for (size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = 0xFF000000 | static_cast<uint32_t>(i % colours) * 0x40;
        cases.push_back({std::to_string(colours) + " colours", {image}});
    }
    for (const auto& [name, frames] : cases) {
        const auto file = WriteGif(frames);
        EXPECT_EQ(DetectImageFormat(file), ImageFormat::Gif) << name;
        const auto decoded = DecodeGif(file);
        ASSERT_TRUE(decoded) << name;
        ASSERT_EQ(decoded->size(), frames.size()) << name;
        for (size_t i = 0; i < frames.size(); ++i) {
            EXPECT_TRUE(SamePixels((*decoded)[i], frames[i])) << name << ", frame " << i;
            EXPECT_EQ((*decoded)[i].delay10ms, frames[i].delay10ms) << name << ", frame " << i;
        }
    }
}
