#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Sound files made by the tests themselves.
namespace fixture {

// An Ogg Vorbis stream of `frames` sample frames of a tone, encoded with libvorbisenc at a
// quality from -0.1 to 1; streams to be chained need different serial numbers.
std::vector<uint8_t> EncodeOgg(int channels, int rate, int frames, float quality = 0.3f, int serial = 1234);
// The whole stream decoded by the module's own decoder; empty when it refuses it.
std::vector<uint8_t> DecodeOgg(const std::vector<uint8_t>& ogg);
// The stream behind a 28-byte "psn" header and `gap` filler bytes.
std::vector<uint8_t> WrapPsn(const std::vector<uint8_t>& ogg, uint32_t gap);
// The stream with its last page's granule position replaced (the CRC made right again).
std::vector<uint8_t> SetLastGranule(std::vector<uint8_t> ogg, int64_t granule);

struct WaveSpec {
    uint16_t tag = 1, channels = 1;
    uint32_t rate = 22050;
    uint16_t bits = 8;
    std::vector<uint8_t> extra;              // for other tags than PCM, after a 2-byte extra size
    std::vector<uint8_t> data;
    std::optional<uint32_t> dataSizeField;   // the data size written, when it should lie
    bool listChunkFirst = false;             // an unrelated odd-sized chunk before "fmt "
};
std::vector<uint8_t> MakeWave(const WaveSpec& spec);
// 8-bit mono 22050 Hz PCM of `bytes` ramp bytes, or with `bits` 16.
std::vector<uint8_t> RampWave(size_t bytes, uint16_t bits = 8, std::optional<uint32_t> dataSizeField = {});

// Bytes 0, 1, 2, ... wrapping at 256, but never the silence byte 0x80.
std::vector<uint8_t> Ramp(size_t n);

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
// A fresh folder under the system's temporary folder, ending with a separator.
std::string TempFolder(const std::string& tag);

}  // namespace fixture
