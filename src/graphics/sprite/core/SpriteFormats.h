#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The chunk files of the sprite engine (docs/sprite-formats.md): sprite sheets ".qzs", sprite
// packs ".psp" and animations ".qza". Readers check every count, size and offset against the
// bytes present and the limits below; anything else is rejected whole.

namespace qzformat {

constexpr int32_t kMaxFrameSide = 2048;
constexpr int64_t kMaxFrameArea = int64_t{1} << 21;    // 2 Mpixel, a little over 1600 x 1200
constexpr int64_t kMaxFileArea = int64_t{1} << 23;     // all frames of one file
constexpr uint32_t kMaxFrames = 4096;
constexpr int32_t kMaxHotSpot = 32767;                  // hot spots lie within +-kMaxHotSpot
constexpr uint32_t kMaxAnimations = 1024;
constexpr uint32_t kMaxAnimationFrames = 4096;
constexpr uint32_t kMaxParts = 256;
constexpr uint32_t kMaxNameBytes = 64;
constexpr uint32_t kMaxLinkBytes = 260;
constexpr size_t kMaxFileBytes = size_t{64} << 20;

}  // namespace qzformat

enum class SpriteFileKind { Sheet, Pack };  // ".qzs", ".psp"

// One frame in 0xAARRGGBB: alpha 0 is transparent, anything else opaque.
struct QZFrame {
    int32_t width = 0;
    int32_t height = 0;
    int32_t hotX = 0;  // the anchor inside the frame; may lie outside it
    int32_t hotY = 0;
    std::vector<uint32_t> pixels;  // width x height, top-down

    static bool IsOpaque(uint32_t argb) { return (argb >> 24) != 0; }
    bool operator==(const QZFrame&) const = default;
};

struct QZSpriteData {
    std::vector<QZFrame> frames;
    bool operator==(const QZSpriteData&) const = default;
};

// One frame of a checked sprite file, not decoded: its shape and where its lines start.
struct QZFrameInfo {
    int32_t width = 0;
    int32_t height = 0;
    int32_t hotX = 0;
    int32_t hotY = 0;
    size_t linesAt = 0;  // offset of the first line in the file
    size_t opaque = 0;   // opaque pixels of all lines
};

// Part flags: the part's sprite is drawn mirrored.
enum : uint16_t { kPartMirrorX = 1, kPartMirrorY = 2 };

struct QZAPart {
    uint16_t sprite = 0;  // frame of the linked sprite pack
    int16_t x = 0;        // hot spot of the sprite relative to the animation's anchor
    int16_t y = 0;
    uint16_t flags = 0;
    bool operator==(const QZAPart&) const = default;
};

struct QZAFrame {
    uint16_t delay = 0;      // units of 10 ms; 0 counts as 1
    int16_t jumpTo = -1;     // after this frame continue at jumpTo (-1: no jump)
    uint16_t jumpCount = 0;  // how often the jump is taken per pass; 0: every time
    std::vector<QZAPart> parts;
    bool operator==(const QZAFrame&) const = default;
};

struct QZAnimation {
    std::string name;         // CP949
    int32_t stopFrame = -1;   // frame shown once the plays have run out; -1: the last frame played
    std::vector<QZAFrame> frames;
    bool operator==(const QZAnimation&) const = default;
};

struct QZAnimationFile {
    bool isSet = false;       // a set of named sub-animations, else exactly one animation
    std::string packPath;     // the sprite pack, relative to the folder of the ".qza"
    std::vector<QZAnimation> animations;
    bool operator==(const QZAnimationFile&) const = default;
};

std::optional<QZSpriteData> ReadSpriteFile(const uint8_t* bytes, size_t size, SpriteFileKind kind);
// Checks a file exactly as ReadSpriteFile does without decoding a pixel: each frame's shape and lines.
std::optional<std::vector<QZFrameInfo>> IndexSpriteFile(const uint8_t* bytes, size_t size, SpriteFileKind kind);

// Calls run(y, x, count, rgb) for every run of a frame IndexSpriteFile took from `file`, line by
// line from the left; rgb points at the run's count RGB triples.
template <class Run>
void ForEachFrameRun(const uint8_t* file, const QZFrameInfo& frame, Run&& run)
{
    const uint8_t* p = file + frame.linesAt;
    for (int32_t y = 0; y < frame.height; ++y) {
        const int runs = p[0] | p[1] << 8;
        p += 2;
        int32_t x = 0;
        for (int i = 0; i < runs; ++i) {
            x += p[0] | p[1] << 8;
            const int32_t count = p[2] | p[3] << 8;
            run(y, x, count, p + 4);
            p += 4 + static_cast<size_t>(count) * 3;
            x += count;
        }
    }
}
// Empty when the data breaks a limit the reader enforces.
std::vector<uint8_t> WriteSpriteFile(const QZSpriteData& data, SpriteFileKind kind);

std::optional<QZAnimationFile> ReadAnimationFile(const uint8_t* bytes, size_t size);
std::vector<uint8_t> WriteAnimationFile(const QZAnimationFile& file);

// A pack link is a relative path without ".." parts or a drive, of at most kMaxLinkBytes.
bool IsSafeLink(const std::string& path);
