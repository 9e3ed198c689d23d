#include "sound/core/RiffWave.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kPcmFmtBytes = 16;
constexpr size_t kFmtWithExtraSizeBytes = 18;
constexpr uint32_t kMaxFmtBytes = kFmtWithExtraSizeBytes + 0xFFFF;

uint16_t Le16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t Le32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

bool IsId(const uint8_t* p, const char (&id)[5])
{
    return std::memcmp(p, id, 4) == 0;
}

}  // namespace

std::optional<WaveFormat> ParseFmtChunk(std::span<const uint8_t> chunk)
{
    if (chunk.size() < kPcmFmtBytes) return std::nullopt;
    const uint8_t* p = chunk.data();
    WaveFormat f;
    f.pcm.tag = Le16(p);
    f.pcm.channels = Le16(p + 2);
    f.pcm.samplesPerSec = Le32(p + 4);
    f.pcm.avgBytesPerSec = Le32(p + 8);
    f.pcm.blockAlign = Le16(p + 12);
    f.pcm.bitsPerSample = Le16(p + 14);
    if (f.pcm.tag == kWaveFormatPcm || chunk.size() < kFmtWithExtraSizeBytes) return f;
    const size_t declared = Le16(p + 16);
    const size_t inside = std::min(declared, chunk.size() - kFmtWithExtraSizeBytes);
    f.extra.assign(p + kFmtWithExtraSizeBytes, p + kFmtWithExtraSizeBytes + inside);
    return f;
}

std::optional<RiffWaveLayout> ParseRiffWave(ByteSource& source)
{
    uint8_t head[12];
    if (source.ReadAt(0, head, sizeof head) != sizeof head) return std::nullopt;
    if (!IsId(head, "RIFF") || !IsId(head + 8, "WAVE")) return std::nullopt;
    const uint64_t riffEnd = std::min<uint64_t>(8 + uint64_t{Le32(head + 4)}, source.Size());

    std::optional<WaveFormat> format;
    std::optional<RiffWaveLayout> data;
    for (uint64_t at = 12; at + 8 <= riffEnd && !(format && data);) {
        uint8_t chunkHead[8];
        if (source.ReadAt(at, chunkHead, sizeof chunkHead) != sizeof chunkHead) return std::nullopt;
        const uint32_t size = Le32(chunkHead + 4);
        const uint64_t body = at + 8;
        if (!format && IsId(chunkHead, "fmt ")) {
            if (size < kPcmFmtBytes) return std::nullopt;
            std::vector<uint8_t> bytes(std::min(size, kMaxFmtBytes));
            if (source.ReadAt(body, bytes.data(), bytes.size()) != bytes.size()) return std::nullopt;
            format = ParseFmtChunk(bytes);
        } else if (!data && IsId(chunkHead, "data")) {
            data.emplace();
            data->dataOffset = body;
            const uint64_t held = riffEnd > body ? std::min<uint64_t>(riffEnd - body, size) : 0;
            data->dataAvailable = static_cast<uint32_t>(held);
            // Writers that stream give 0xFFFFFFFF for "unknown": then the file's own length counts.
            data->dataSize = size > kMaxSoundBytes ? std::min<uint32_t>(data->dataAvailable, kMaxSoundBytes) : size;
            data->dataAvailable = std::min(data->dataAvailable, data->dataSize);
        }
        at = body + size + (size & 1);
    }
    if (!format || !data) return std::nullopt;
    data->format = std::move(*format);
    return data;
}
