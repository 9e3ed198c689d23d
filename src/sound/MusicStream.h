#pragma once

#include <string>

#include "sound/SoundBuffer.h"
#include "sound/core/MusicRing.h"
#include "sound/core/OggDecoder.h"

// Background music streamed from an Ogg Vorbis file (bare or behind the "psn" header) into a
// looping 4-second buffer, topped up by Refill from the frame tick.
class MusicStream : public SoundBuffer {
public:
    static constexpr DWORD kRingSeconds = 4;

    // Opens the file, makes the ring and decodes its first second; the music does not play yet.
    int Open(IDirectSound* device, const std::string& path);
    // Plays from where the ring stands; a playing track starts over. With loop 0 the track stops
    // and rewinds after its last byte.
    int Play(int loop);
    void Refill();
    // Back to the start of the track, stopped, when it is playing.
    void Restart();
    void Close();
    // The buffer's volume; 1 when there is no buffer.
    LONG GetVolume() const;
    bool IsOpen() const { return decoder.IsOpen() && buffer; }

    const PcmFormat& GetFormat() const { return format; }
    const MusicRing& GetRing() const { return ring; }

private:
    PcmFormat format;
    std::string path;
    OggDecoder decoder;
    MusicRing ring;
};
