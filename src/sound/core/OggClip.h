#pragma once

#include <cstdint>
#include <vector>

#include "sound/core/ByteSource.h"
#include "sound/core/WaveFormat.h"

// Decodes a short Ogg Vorbis clip whole, through libogg and libvorbis, to 16-bit signed
// little-endian PCM, the same bytes vorbisfile gives. Building the decoder's codebooks is most of
// the cost of a short clip: clips whose identification and setup headers are the same (all the
// clips one encoder made) share one decoder setup, built once per process, and the decoder states
// that finished a clip, restarted for the next.
class OggClip {
public:
    // Files above this many bytes (some seconds of sound) are left to the streaming decoder: for
    // them the setup is a small part of the work, and vorbisfile decodes long streams as fast.
    static constexpr uint64_t kMaxClipFileBytes = uint64_t{256} << 10;

    // False for anything but one clean logical stream (chained or multiplexed streams, a gap, a
    // packet libvorbis refuses, a stream too long), with no PCM: the caller then decodes it the
    // general way.
    [[nodiscard]] bool Decode(ByteSource& source);

    const PcmFormat& Format() const { return format; }
    const std::vector<uint8_t>& Pcm() const { return pcm; }

    // Setups kept for later clips (for tests).
    static size_t SharedSetupCount();

private:
    bool DecodeAll(ByteSource& source);

    PcmFormat format;
    std::vector<uint8_t> pcm;
};
