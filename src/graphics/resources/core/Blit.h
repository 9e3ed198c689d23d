#pragma once

#include <cstdint>

#include "foundation/core/Geometry.h"
#include "graphics/resources/core/Image.h"
#include "graphics/resources/core/PixelFormat.h"

// Pixels in memory of one of the surface formats: a locked surface, a DIB or a test buffer.
struct PixelView {
    uint8_t* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0;  // bytes from one row to the next
    PixelMode mode = PixelMode::None;

    bool IsValid() const
    {
        return bits && width > 0 && height > 0 && BytesPerPixel(mode) > 0 && pitch >= width * BytesPerPixel(mode);
    }
    Rect Bounds() const { return {0, 0, width, height}; }
    uint8_t* Row(int32_t y) const { return bits + static_cast<ptrdiff_t>(y) * pitch; }
    // The raw pixel value; the caller keeps (x, y) inside the bounds.
    uint32_t PixelAt(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, uint32_t value) const;
};

enum class BlitFlag : uint32_t {
    None = 0,
    ColorKey = 1,  // source pixels equal to the colour key are not drawn
    MirrorX = 2,   // the source is drawn right to left
    MirrorY = 4,   // the source is drawn bottom to top
};
constexpr uint32_t operator|(BlitFlag a, BlitFlag b) { return static_cast<uint32_t>(a) | static_cast<uint32_t>(b); }
constexpr bool HasFlag(uint32_t flags, BlitFlag f) { return (flags & static_cast<uint32_t>(f)) != 0; }

struct BlitOptions {
    uint32_t flags = 0;     // BlitFlag bits
    uint8_t alpha = 255;    // 255 opaque, 0 nothing drawn; 16-bit formats blend in 32 steps
    uint32_t colorKey = 0;  // in the surfaces' format; only with BlitFlag::ColorKey
};

// Draws the part `srcRect` of `src` with its top-left at `at` in `dst`, clipped to `clip`, to
// the destination's bounds and to the source's bounds. Both views must have the same pixel mode.
// Returns the destination rectangle touched, empty when nothing was drawn.
Rect Blit(const PixelView& dst, Point at, const PixelView& src, const Rect& srcRect, const Rect& clip,
          const BlitOptions& options = {});

// Writes the image into `dst` at (0, 0) converted to the view's mode, as much as fits. Pixels
// with alpha below 128 become `colorKey`.
void StoreImage(const Image& image, const PixelView& dst, uint32_t colorKey);

// 1 when the pixel differs from the key; 0 when it equals the key or lies outside the view.
bool IsOpaquePixel(const PixelView& view, int32_t x, int32_t y, uint32_t colorKey);
