#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "foundation/core/Geometry.h"

// A decoded picture: 32-bit pixels 0xAARRGGBB (B, G, R, A in memory), rows top-down without
// padding. Every decoder produces it, every writer takes it.
struct Image {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
    Point hotSpot;               // the point placed on a widget's position; (0, 0) when the file has none
    uint32_t delay10ms = 0;      // frames of an animation: time shown, in units of 10 ms

    // A width x height image filled with `fill`; nullopt when the size is outside the limits.
    static std::optional<Image> Create(int32_t w, int32_t h, uint32_t fill = 0);

    uint32_t At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    uint32_t& At(int32_t x, int32_t y) { return pixels[static_cast<size_t>(y) * width + x]; }
    bool operator==(const Image&) const = default;
};

// Limits that keep a hostile file from making us allocate without bound. The game's largest
// pictures are frame strips of a few thousand pixels across.
inline constexpr int32_t kMaxImageSide = 16384;
inline constexpr int64_t kMaxImagePixels = int64_t{1} << 22;
inline constexpr int64_t kMaxAnimationPixels = int64_t{1} << 24;  // all frames together
inline constexpr size_t kMaxAnimationFrames = 1024;

constexpr bool IsImageSizeAllowed(int64_t w, int64_t h)
{
    return w > 0 && h > 0 && w <= kMaxImageSide && h <= kMaxImageSide && w * h <= kMaxImagePixels;
}

constexpr uint32_t Argb(uint8_t a, uint8_t r, uint8_t g, uint8_t b)
{
    return (uint32_t{a} << 24) | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}
constexpr uint8_t AlphaOf(uint32_t argb) { return static_cast<uint8_t>(argb >> 24); }

enum class ImageFormat { Unknown, Bmp, Tga, Gif, Psd };

// BMP, GIF and PSD by their signature; anything else is tried as TGA, which has none.
ImageFormat DetectImageFormat(std::span<const uint8_t> bytes);

// Each decoder checks every count, size and offset against the bytes it has and answers
// nullopt for truncated, oversized or inconsistent input.
std::optional<Image> DecodeBmp(std::span<const uint8_t> bytes);
std::optional<Image> DecodeTga(std::span<const uint8_t> bytes);
std::optional<Image> DecodePsd(std::span<const uint8_t> bytes);
// Every frame composed onto the full logical screen, with its delay; at least one frame.
std::optional<std::vector<Image>> DecodeGif(std::span<const uint8_t> bytes);

// Any supported format; one frame except for animated GIFs.
std::optional<std::vector<Image>> DecodeImageFrames(std::span<const uint8_t> bytes);
