#pragma once

#include <cstdint>
#include <vector>

#include "foundation/core/Geometry.h"
#include "graphics/resources/core/PixelFormat.h"

struct QZFrame;
struct QZFrameInfo;
class QZSpriteFile;

// What a caller knows of an uncompressed image: a negative height means top-down rows.
struct KDibInfo {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitCount = 0;  // 16 or 32
    int32_t pitch = 0;     // bytes from one row to the next
};

// A run-length line-encoded sprite in one pixel mode. Each line is a list of runs: `skip`
// transparent pixels after the end of the previous run, then `count` opaque pixels.
class KK_LLESprite {
public:
    struct Run {
        uint16_t skip = 0;
        uint16_t count = 0;
        uint32_t first = 0;  // index of the run's first pixel
    };

    KK_LLESprite() = default;
    KK_LLESprite(const KK_LLESprite&) = default;
    KK_LLESprite& operator=(const KK_LLESprite&) = default;
    KK_LLESprite(KK_LLESprite&&) noexcept = default;
    KK_LLESprite& operator=(KK_LLESprite&&) noexcept = default;
    virtual ~KK_LLESprite() = default;

    // The index-th frame of a sprite file, in the current pixel mode (GetFXPixelMode). 0 when
    // the index is out of range or no pixel-effect manager exists.
    int LoadSprite(const QZSpriteFile& file, int index);
    // An uncompressed image whose pixels are in `mode`; the mode's colour key becomes transparent.
    int EncodeDib(const KDibInfo& info, const void* bits, PixelMode mode);
    // A file frame converted to `mode`.
    int EncodeFrame(const QZFrame& frame, PixelMode mode);
    // The same from the runs of a frame IndexSpriteFile took from `file`, in one pass.
    int EncodeFileFrame(const uint8_t* file, const QZFrameInfo& frame, PixelMode mode);
    void Free();

    bool IsEmpty() const { return width == 0; }
    int32_t GetWidth() const { return width; }
    int32_t GetHeight() const { return height; }
    Size GetSize() const { return {width, height}; }
    Point GetHotSpot() const { return hotSpot; }
    void SetHotSpot(Point p) { hotSpot = p; }
    PixelMode GetPixelMode() const { return mode; }

    const Run* LineBegin(int32_t y) const { return runs.data() + lineRuns[static_cast<size_t>(y)]; }
    const Run* LineEnd(int32_t y) const { return runs.data() + lineRuns[static_cast<size_t>(y) + 1]; }
    const uint16_t* Pixels16() const { return pixels16.data(); }
    const uint32_t* Pixels32() const { return pixels32.data(); }

    // Every pixel in row order, transparent ones as the mode's colour key.
    std::vector<uint32_t> Decode() const;

private:
    void Begin(int32_t w, int32_t h, PixelMode m);
    template <class Src>
    void EncodeLines(Src pixelAt);

    int32_t width = 0;
    int32_t height = 0;
    Point hotSpot;
    PixelMode mode = PixelMode::None;
    std::vector<uint32_t> lineRuns;  // height + 1 indexes into runs
    std::vector<Run> runs;
    std::vector<uint16_t> pixels16;
    std::vector<uint32_t> pixels32;
};
