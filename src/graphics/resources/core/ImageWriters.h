#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/resources/core/Image.h"

// Writers of the image files the module reads. The asset builder generates the placeholder
// resources with them and the tests generate every variant the decoders accept.
// Each returns the file's bytes, or an empty vector when the image cannot be written that way.

enum class BmpPixels { Indexed8, Rgb555, Rgb565, Rgb24, Rgb32 };

struct BmpLayout {
    BmpPixels pixels = BmpPixels::Rgb24;
    bool topDown = false;  // negative height; Windows' usual order is bottom-up
};

// Indexed8 fails with more than 256 colours. Alpha is not stored: BMP pictures are opaque.
std::vector<uint8_t> WriteBmp(const Image& image, const BmpLayout& layout = {});

struct TgaLayout {
    int bitsPerPixel = 32;  // 16 (1-bit alpha), 24 or 32 (8-bit alpha)
    bool rle = false;
    bool topDown = false;
};

// The image's hot spot is stored as the TGA origin.
std::vector<uint8_t> WriteTga(const Image& image, const TgaLayout& layout = {});

struct PsdLayout {
    bool rle = true;
    bool alpha = true;  // a fourth channel with the pixels' alpha
};

// The flattened composite of an RGB document, 8 bits per channel.
std::vector<uint8_t> WritePsd(const Image& image, const PsdLayout& layout = {});

// An animated GIF: every frame of the first frame's size, each with its delay (delay10ms).
// Pixels with alpha below 128 become transparent. Fails with more than 255 opaque colours over
// all frames together or frames of different sizes. loopCount 0 plays endlessly.
std::vector<uint8_t> WriteGif(std::span<const Image> frames, uint16_t loopCount = 0);
