#pragma once

#include <cstdint>
#include <vector>

#include "foundation/core/Geometry.h"
#include "graphics/sprite/core/LLESprite.h"

// A top-down image of 16 or 32 bits per pixel with a clip rectangle. Its pixels are either its
// own (Create) or memory it is lent, such as a locked surface (Attach).
class K_Dib {
public:
    K_Dib() = default;
    K_Dib(const K_Dib&) = delete;
    K_Dib& operator=(const K_Dib&) = delete;
    virtual ~K_Dib() = default;

    // Width at least 1, height not 0 (either sign gives a top-down image of |height| rows).
    int Create(int32_t width, int32_t height, int32_t bitsPerPixel);
    // Not owned; the memory must outlive the image or be detached first.
    int Attach(void* bits, int32_t width, int32_t height, int32_t pitch, int32_t bitsPerPixel);
    void Detach();

    KDibInfo GetBitmapInfo() const { return {width, -height, bitCount, pitch}; }
    void* GetBits() { return bits; }
    const void* GetBits() const { return bits; }
    int32_t GetWidth() const { return width; }
    int32_t GetHeight() const { return height; }
    int32_t GetPitch() const { return pitch; }
    int32_t GetBitCount() const { return bitCount; }
    Rect GetBounds() const { return {0, 0, width, height}; }

    // Clamped to the image.
    void SetClipRect(const Rect& r) { clip = r.Intersected(GetBounds()); }
    Rect GetClipRect() const { return clip; }

    template <class P>
    P* Row(int32_t y) { return reinterpret_cast<P*>(static_cast<uint8_t*>(bits) + static_cast<size_t>(y) * static_cast<size_t>(pitch)); }
    template <class P>
    const P* Row(int32_t y) const
    {
        return reinterpret_cast<const P*>(static_cast<const uint8_t*>(bits) + static_cast<size_t>(y) * static_cast<size_t>(pitch));
    }
    uint32_t GetPixel(int32_t x, int32_t y) const;  // for tests; 0 outside

private:
    std::vector<uint32_t> own;  // 32-bit words keep every row 4-byte aligned
    void* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0;
    int32_t bitCount = 0;
    Rect clip;
};

// A K_Dib that draws through the current pixel-effect manager. Each call answers 0 when no
// manager exists or the image's depth is not the manager's.
class K_Dib_Draw : public K_Dib {
public:
    // The sprite's hot spot lands on (x, y); `fx` holds the KK_FXMan effect flags.
    int DrawSprite(const KK_LLESprite& sprite, int32_t x, int32_t y, uint32_t fx = 0, int level = 255,
                   uint32_t colorRef = 0);
    // The clip rectangle in a COLORREF (0x00BBGGRR).
    int Fill(uint32_t colorRef);
    // A one-pixel outline of `r`, clipped.
    int FrameRect(const Rect& r, uint32_t colorRef);
};
