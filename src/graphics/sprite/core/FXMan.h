#pragma once

#include <cstdint>
#include <memory>

#include "foundation/core/Geometry.h"
#include "graphics/resources/core/PixelFormat.h"

class K_Dib;
class KK_LLESprite;

// Effect flags of a sprite draw. Alpha blends with the target at the level (0 nothing, 255
// opaque); Color paints every opaque pixel in the colour (a silhouette); Tint multiplies each
// channel by the colour's. Mirror flips the sprite about its hot spot.
enum : uint32_t {
    kFxMirrorX = 1,
    kFxMirrorY = 2,
    kFxAlpha = 4,
    kFxColor = 8,
    kFxTint = 16,
};

// Draws run-length sprites and fills into images of one pixel mode. One manager exists for the
// screen's format at a time (CreateFXMan); K_Dib_Draw draws through it.
class KK_FXMan {
public:
    KK_FXMan() = default;
    KK_FXMan(const KK_FXMan&) = delete;
    KK_FXMan& operator=(const KK_FXMan&) = delete;
    virtual ~KK_FXMan() = default;

    virtual PixelMode GetPixelMode() const = 0;
    // 0 when the image or the sprite is not in this manager's mode; 1 otherwise, drawn or not.
    virtual int DrawSprite(K_Dib& target, const KK_LLESprite& sprite, int32_t x, int32_t y, uint32_t fx, int level,
                           uint32_t colorRef) const = 0;
    // `r` clipped to the image's clip rectangle.
    virtual int FillRect(K_Dib& target, const Rect& r, uint32_t colorRef) const = 0;

protected:
    bool Accepts(const K_Dib& target, const KK_LLESprite* sprite) const;
};

// 565 or 555.
class KK_FXMan_16 : public KK_FXMan {
public:
    explicit KK_FXMan_16(PixelMode m = PixelMode::Rgb565);
    PixelMode GetPixelMode() const override { return mode; }
    int DrawSprite(K_Dib& target, const KK_LLESprite& sprite, int32_t x, int32_t y, uint32_t fx, int level,
                   uint32_t colorRef) const override;
    int FillRect(K_Dib& target, const Rect& r, uint32_t colorRef) const override;

private:
    PixelMode mode;
};

class KK_FXMan_32 : public KK_FXMan {
public:
    PixelMode GetPixelMode() const override { return PixelMode::Rgb32; }
    int DrawSprite(K_Dib& target, const KK_LLESprite& sprite, int32_t x, int32_t y, uint32_t fx, int level,
                   uint32_t colorRef) const override;
    int FillRect(K_Dib& target, const Rect& r, uint32_t colorRef) const override;
};

// Replaces the process-wide manager with one for `mode` (None removes it); null for an unknown mode.
KK_FXMan* CreateFXMan(PixelMode mode);
KK_FXMan* GetFXMan();
// 16 (565), 17 (555) or 32; 0 when no manager exists.
int GetFXPixelMode();
