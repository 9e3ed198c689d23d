#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/LLESprite.h"
#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "graphics/sprite/core/SpriteFormats.h"

// One fuzzer per file kind (MIRELLE_SPRITE_KIND, or animations without it). A file that reads
// writes back to the same content, and each frame encodes and draws in every pixel mode, encoded
// from the file's runs as from the decoded frame.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
#ifdef MIRELLE_SPRITE_KIND
    constexpr auto kind = SpriteFileKind::MIRELLE_SPRITE_KIND;
    const auto read = ReadSpriteFile(data, size, kind);
    if (!read) return 0;
    const auto bytes = WriteSpriteFile(*read, kind);
    if (const auto again = ReadSpriteFile(bytes.data(), bytes.size(), kind); !again || !(*again == *read)) std::abort();
    const auto index = IndexSpriteFile(data, size, kind);
    if (!index || index->size() != read->frames.size()) std::abort();
    for (PixelMode mode : {PixelMode::Rgb565, PixelMode::Rgb555, PixelMode::Rgb32}) {
        CreateFXMan(mode);
        K_Dib_Draw dib;
        dib.Create(23, 17, BytesPerPixel(mode) * 8);
        for (size_t i = 0; i < index->size(); ++i) {
            const QZFrame& f = read->frames[i];
            KK_LLESprite s, fromFile;
            if (!s.EncodeFrame(f, mode) || s.Decode().size() != f.pixels.size()) std::abort();
            if (!fromFile.EncodeFileFrame(data, (*index)[i], mode) || fromFile.Decode() != s.Decode()) std::abort();
            for (int32_t y = 0; y < f.height; ++y) {
                if (fromFile.LineEnd(y) - fromFile.LineBegin(y) != s.LineEnd(y) - s.LineBegin(y)) std::abort();
                for (auto *a = fromFile.LineBegin(y), *b = s.LineBegin(y); a != fromFile.LineEnd(y); ++a, ++b)
                    if (a->skip != b->skip || a->count != b->count || a->first != b->first) std::abort();
            }
            dib.DrawSprite(s, 5, 7, 0);
            dib.DrawSprite(s, 20, 3, kFxMirrorX | kFxAlpha, 100);
            dib.DrawSprite(s, -2, 16, kFxMirrorY | kFxTint, 255, 0x808080);
        }
    }
    CreateFXMan(PixelMode::None);
#else
    const auto read = ReadAnimationFile(data, size);
    if (!read) return 0;
    const auto bytes = WriteAnimationFile(*read);
    if (const auto again = ReadAnimationFile(bytes.data(), bytes.size()); !again || !(*again == *read)) std::abort();
#endif
    return 0;
}
