#pragma once

#include <cstdint>
#include <memory>

#include "sound/core/ByteSource.h"
#include "sound/core/PcmSource.h"
#include "sound/core/WaveFormat.h"

struct OggVorbis_File;

// Decodes an Ogg Vorbis stream to 16-bit signed little-endian PCM through vorbisfile.
class OggDecoder : public PcmSource {
public:
    // Consecutive negative answers after which a read gives up: a corrupt stream ends there.
    static constexpr int kMaxDecodeErrors = 8;

    OggDecoder();
    ~OggDecoder() override;
    OggDecoder(const OggDecoder&) = delete;
    OggDecoder& operator=(const OggDecoder&) = delete;

    // Adopts the source, which vorbisfile reads from its first byte as the whole stream. Fails
    // when vorbisfile refuses it, when the links of a chained stream differ in channels or rate,
    // or when its length in samples is unknown or too large.
    [[nodiscard]] bool Open(std::unique_ptr<ByteSource> source);
    void Close();
    bool IsOpen() const { return open; }

    const PcmFormat& Format() const { return format; }
    // PCM bytes of the whole stream.
    uint32_t TotalBytes() const { return totalBytes; }

    // Fills up to size bytes; fewer at the end of the stream or when the stream stays broken for
    // kMaxDecodeErrors answers in a row. Later reads give 0 until Rewind.
    uint32_t Read(uint8_t* dst, uint32_t size);

    DecodeStep DecodeSome(uint8_t* dst, uint32_t size) override;
    [[nodiscard]] bool Rewind() override;

private:
    std::unique_ptr<OggVorbis_File> vf;
    std::unique_ptr<ByteSource> source;
    uint64_t position = 0;  // vorbisfile's read position in the source
    PcmFormat format;
    uint32_t totalBytes = 0;
    bool open = false;
    bool exhausted = false;

    friend struct OggCallbacks;
};
