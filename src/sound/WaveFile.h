#pragma once

#include <string>
#include <vector>

#include "foundation/Win32.h"
#include <mmsystem.h>

#include "sound/core/OggClip.h"
#include "sound/core/OggDecoder.h"
#include "sound/core/WaveFormat.h"

// Reads a RIFF WAVE file (through the multimedia file functions, from a file or from a "WAVE"
// or "WAV" resource of the process's executable) or an Ogg Vorbis file as PCM.
class WaveFile {
public:
    WaveFile() = default;
    ~WaveFile();
    WaveFile(const WaveFile&) = delete;
    WaveFile& operator=(const WaveFile&) = delete;

    // S_OK when the reader is ready; a data size of 0 counts as failure for the callers too.
    HRESULT OpenFile(const std::string& path);
    // The format, with the extra bytes of a non-PCM WAVE; null until a file is open.
    const WAVEFORMATEX* GetFormat() const;
    const PcmFormat& GetPcmFormat() const { return pcm; }
    DWORD GetSize() const { return dataSize; }
    // Back to the first byte of the PCM data.
    void ResetFile();
    // Up to size bytes; fewer at the end of the data (or of a file shorter than it claims).
    [[nodiscard]] int Read(BYTE* buffer, DWORD size, DWORD* bytesRead);
    void Close();

private:
    enum class Mode { None, Wave, Ogg, Clip };  // Clip: a short Ogg file decoded whole at opening

    HRESULT OpenWave(const std::string& path);
    bool OpenResourceCopy(const std::string& name);
    HRESULT ParseWave();
    void SetFormat(const WaveFormat& format);
    int ReadWave(BYTE* buffer, DWORD size, DWORD* bytesRead);

    std::vector<BYTE> format;   // a WAVEFORMATEX followed by its extra bytes
    PcmFormat pcm;
    HMMIO mmio = nullptr;
    std::vector<BYTE> resourceCopy;
    DWORD dataOffset = 0;
    DWORD dataAvailable = 0;    // bytes of data the file really holds
    DWORD dataLeft = 0;         // of those, not yet read
    DWORD dataSize = 0;         // what the file declares
    OggDecoder ogg;
    OggClip clip;
    size_t clipAt = 0;          // the next byte of the clip's PCM to read
    std::string path;
    Mode mode = Mode::None;
};
