#pragma once

#include <cstdint>
#include <vector>

// The PCM description of a sound, field for field as a WAVEFORMATEX carries it.
struct PcmFormat {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;

    bool operator==(const PcmFormat&) const = default;
    // What a buffer of this format is padded with: 8-bit samples are unsigned.
    uint8_t SilenceByte() const { return bitsPerSample == 8 ? 0x80 : 0x00; }
};

constexpr uint16_t kWaveFormatPcm = 1;

// 16-bit signed little-endian PCM, what the Ogg decoder delivers.
PcmFormat Pcm16Format(uint16_t channels, uint32_t samplesPerSec);

// A format as a file gave it: the PCM fields and, for other tags, the extra bytes after them.
struct WaveFormat {
    PcmFormat pcm;
    std::vector<uint8_t> extra;
};

// The largest sound the module puts in one buffer (DirectSound's own limit); larger sizes are refused.
constexpr uint32_t kMaxSoundBytes = 0x0FFFFFFF;
