#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/LLESprite.h"
#include "graphics/sprite/core/SpriteFormats.h"

// What every sprite-file fuzzer checks: a file that reads writes back to the same frames, and
// each frame encodes and draws in every pixel mode inside a small image.
inline void FuzzSpriteFile(const uint8_t* data, size_t size, SpriteFileKind kind)
{
    const auto read = ReadSpriteFile(data, size, kind);
    if (!read) return;
    const auto bytes = WriteSpriteFile(*read, kind);
    const auto again = ReadSpriteFile(bytes.data(), bytes.size(), kind);
    if (!again || !(*again == *read)) std::abort();
    for (PixelMode mode : {PixelMode::Rgb565, PixelMode::Rgb555, PixelMode::Rgb32}) {
        CreateFXMan(mode);
        K_Dib_Draw dib;
        dib.Create(23, 17, BytesPerPixel(mode) * 8);
        for (const QZFrame& f : read->frames) {
            KK_LLESprite s;
            if (!s.EncodeFrame(f, mode)) std::abort();
            if (s.Decode().size() != f.pixels.size()) std::abort();
            dib.DrawSprite(s, 5, 7, 0);
            dib.DrawSprite(s, 20, 3, kFxMirrorX | kFxAlpha, 100);
            dib.DrawSprite(s, -2, 16, kFxMirrorY | kFxTint, 255, 0x808080);
        }
    }
    CreateFXMan(PixelMode::None);
}
