#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "sound/core/ByteSource.h"
#include "sound/core/WaveFormat.h"

// Where the PCM data of a RIFF WAVE file lies and what it is.
struct RiffWaveLayout {
    WaveFormat format;
    uint64_t dataOffset = 0;     // first byte of the "data" chunk's contents
    uint32_t dataSize = 0;       // what the file declares: the size of the sound's buffer
    uint32_t dataAvailable = 0;  // what the file really holds of it (less when truncated)
};

// The "fmt " chunk's contents: at least 16 bytes; other tags than PCM may carry extra bytes,
// which are taken only from inside the chunk.
std::optional<WaveFormat> ParseFmtChunk(std::span<const uint8_t> chunk);

// Walks the chunks of a RIFF WAVE file: "RIFF" with form type "WAVE", a "fmt " chunk and a
// "data" chunk, in any order. Nothing is read outside the source or the RIFF chunk.
std::optional<RiffWaveLayout> ParseRiffWave(ByteSource& source);
