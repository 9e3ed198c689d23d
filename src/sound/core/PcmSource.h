#pragma once

#include <cstdint>

// One answer of a decoder: bytes > 0 delivered, 0 the end of the stream, < 0 a gap or an error.
struct DecodeStep {
    int32_t bytes = 0;
    int section = 0;  // the logical stream the bytes came from
};

// A decoder delivering PCM piece by piece; the music ring decodes through it.
class PcmSource {
public:
    virtual ~PcmSource() = default;
    // At most size bytes, whole sample frames only.
    virtual DecodeStep DecodeSome(uint8_t* dst, uint32_t size) = 0;
    // Back to the first sample; false when the stream cannot seek.
    [[nodiscard]] virtual bool Rewind() = 0;
};
