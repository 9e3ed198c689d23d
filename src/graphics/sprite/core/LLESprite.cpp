#include "graphics/sprite/core/LLESprite.h"

#include <cstring>

#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "graphics/sprite/core/SpriteFormats.h"

namespace {

constexpr int32_t kMaxSide = 8192;

bool IsSupported(PixelMode m) { return m == PixelMode::Rgb565 || m == PixelMode::Rgb555 || m == PixelMode::Rgb32; }

}  // namespace

void KK_LLESprite::Free()
{
    width = height = 0;
    hotSpot = {};
    mode = PixelMode::None;
    lineRuns = {};
    runs = {};
    pixels16 = {};
    pixels32 = {};
}

void KK_LLESprite::Begin(int32_t w, int32_t h, PixelMode m)
{
    Free();
    width = w;
    height = h;
    mode = m;
    lineRuns.reserve(static_cast<size_t>(h) + 1);
}

// pixelAt(x, y) gives the pixel in the sprite's mode and whether it is opaque. Runs longer than
// a 16-bit count are split.
template <class Src>
void KK_LLESprite::EncodeLines(Src pixelAt)
{
    const bool wide = mode == PixelMode::Rgb32;
    for (int32_t y = 0; y < height; ++y) {
        lineRuns.push_back(static_cast<uint32_t>(runs.size()));
        int32_t end = 0;
        for (int32_t x = 0; x < width;) {
            uint32_t p = 0;
            if (!pixelAt(x, y, p)) { ++x; continue; }
            Run run;
            run.skip = static_cast<uint16_t>(x - end);
            run.first = static_cast<uint32_t>(wide ? pixels32.size() : pixels16.size());
            while (x < width && run.count < 0xFFFF && pixelAt(x, y, p)) {
                if (wide) pixels32.push_back(p);
                else pixels16.push_back(static_cast<uint16_t>(p));
                ++run.count;
                ++x;
            }
            runs.push_back(run);
            end = x;
        }
    }
    lineRuns.push_back(static_cast<uint32_t>(runs.size()));
}

int KK_LLESprite::EncodeDib(const KDibInfo& info, const void* bits, PixelMode m)
{
    Free();
    if (!bits || !IsSupported(m) || info.bitCount != BytesPerPixel(m) * 8) return 0;
    const int32_t h = info.height < 0 ? -info.height : info.height;
    const int32_t bpp = BytesPerPixel(m);
    if (info.width < 1 || info.width > kMaxSide || h < 1 || h > kMaxSide || info.pitch < info.width * bpp) return 0;
    const bool topDown = info.height < 0;
    const auto* base = static_cast<const uint8_t*>(bits);
    const uint32_t key = ColorKeyOf(m);
    Begin(info.width, h, m);
    EncodeLines([&](int32_t x, int32_t y, uint32_t& p) {
        const int32_t row = topDown ? y : h - 1 - y;
        const uint8_t* at = base + static_cast<size_t>(row) * static_cast<size_t>(info.pitch) + static_cast<size_t>(x) * bpp;
        if (bpp == 4) {
            uint32_t v;
            std::memcpy(&v, at, 4);
            p = v & 0xFFFFFF;
        } else {
            uint16_t v;
            std::memcpy(&v, at, 2);
            p = v;
        }
        return p != key;
    });
    return 1;
}

int KK_LLESprite::EncodeFrame(const QZFrame& frame, PixelMode m)
{
    Free();
    if (!IsSupported(m) || frame.width < 1 || frame.height < 1 ||
        frame.pixels.size() != static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height))
        return 0;
    Begin(frame.width, frame.height, m);
    hotSpot = {frame.hotX, frame.hotY};
    EncodeLines([&](int32_t x, int32_t y, uint32_t& p) {
        const uint32_t argb = frame.pixels[static_cast<size_t>(y) * static_cast<size_t>(frame.width) + static_cast<size_t>(x)];
        p = PackRgb(m, static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8), static_cast<uint8_t>(argb));
        return QZFrame::IsOpaque(argb);
    });
    return 1;
}

int KK_LLESprite::EncodeFileFrame(const uint8_t* file, const QZFrameInfo& frame, PixelMode m)
{
    Free();
    if (!file || !IsSupported(m) || frame.width < 1 || frame.height < 1 || frame.width > qzformat::kMaxFrameSide)
        return 0;
    Begin(frame.width, frame.height, m);
    hotSpot = {frame.hotX, frame.hotY};
    const bool wide = m == PixelMode::Rgb32;
    if (wide) pixels32.resize(frame.opaque);
    else pixels16.resize(frame.opaque);
    uint32_t at = 0;
    int32_t lines = 0;  // lines whose first run is noted
    int32_t end = 0;    // where the line's last run ended
    auto startLinesTo = [&](int32_t y) {
        for (; lines <= y; ++lines) lineRuns.push_back(static_cast<uint32_t>(runs.size()));
    };
    ForEachFrameRun(file, frame, [&](int32_t y, int32_t x, int32_t count, const uint8_t* rgb) {
        if (lines <= y) {
            startLinesTo(y);
            end = 0;
        }
        // A run touching the one before is the same run, as EncodeLines sees it; no line is
        // longer than a run's count can hold.
        if (x == end && runs.size() > lineRuns.back()) runs.back().count = static_cast<uint16_t>(runs.back().count + count);
        else runs.push_back({static_cast<uint16_t>(x - end), static_cast<uint16_t>(count), at});
        if (wide) {
            uint32_t* out = pixels32.data() + at;
            for (int32_t k = 0; k < count; ++k, rgb += 3) out[k] = PackRgb(m, rgb[0], rgb[1], rgb[2]);
        } else {
            uint16_t* out = pixels16.data() + at;
            for (int32_t k = 0; k < count; ++k, rgb += 3) out[k] = static_cast<uint16_t>(PackRgb(m, rgb[0], rgb[1], rgb[2]));
        }
        at += static_cast<uint32_t>(count);
        end = x + count;
    });
    startLinesTo(frame.height);
    return 1;
}

int KK_LLESprite::LoadSprite(const QZSpriteFile& file, int index)
{
    const KK_LLESprite* s = file.GetSprite(index, static_cast<PixelMode>(GetFXPixelMode()));
    if (!s) {
        Free();
        return 0;
    }
    *this = *s;
    return 1;
}

std::vector<uint32_t> KK_LLESprite::Decode() const
{
    std::vector<uint32_t> out(static_cast<size_t>(width) * static_cast<size_t>(height), ColorKeyOf(mode));
    for (int32_t y = 0; y < height; ++y) {
        int32_t x = 0;
        for (const Run* r = LineBegin(y); r != LineEnd(y); ++r) {
            x += r->skip;
            for (uint32_t i = 0; i < r->count; ++i, ++x)
                out[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                    mode == PixelMode::Rgb32 ? pixels32[r->first + i] : pixels16[r->first + i];
        }
    }
    return out;
}
