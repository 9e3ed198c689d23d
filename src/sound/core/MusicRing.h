#pragma once

#include <cstdint>

#include "sound/core/PcmSource.h"
#include "sound/core/WaveFormat.h"

// The bookkeeping of streamed music in a looping ring buffer: how much of the track has played,
// where the next decoded byte goes and how much room there is. It keeps the count of written
// bytes not yet played, so a full ring and an empty one differ even when the cursors meet.
class MusicRing {
public:
    // A refill with less room than this writes nothing.
    static constexpr uint32_t kMinRefillBytes = 129;
    // Refills in a row whose decoding failed, after which the track ends as at its last byte.
    static constexpr int kMaxDecodeErrors = 8;

    enum class Progress { Playing, TrackEnded };

    // A ring of bufferBytes (whole frames) for a track of totalBytes; everything starts over.
    void Start(uint32_t bufferBytes, const PcmFormat& format, uint32_t totalBytes);
    // Back to the track's first byte at the ring's first byte; the decoder is rewound by the caller.
    void Rewind();

    // Accounts for what played since the last call, given the play cursor. TrackEnded when the
    // last byte of a track that does not loop has played.
    Progress NotePlayCursor(uint32_t playCursor, bool loop);

    uint32_t WritePos() const { return writePos; }
    // How much to write at WritePos now: at most a quarter of the ring, 0 when the room is too small.
    uint32_t WritableBytes() const;

    // Fills the locked pieces (the second one is the ring's start when the lock wrapped) from the
    // decoder, silence once the track has ended; a looping track's decoder is rewound at its end
    // so the next refill goes on with its first bytes. Answers the bytes written.
    uint32_t Fill(PcmSource& source, uint8_t* first, uint32_t firstBytes, uint8_t* second, uint32_t secondBytes,
                  bool loop);

    uint32_t PlayedBytes() const { return playedBytes; }
    uint32_t UnplayedBytes() const { return unplayed; }
    uint32_t DecodedBytes() const { return decodedBytes; }
    uint32_t TrackBytes() const { return trackBytes; }
    bool EndOfStream() const { return endOfStream; }

private:
    uint32_t Decode(PcmSource& source, uint8_t* dst, uint32_t bytes);
    void EndStream();

    uint32_t bufferBytes = 0;
    uint16_t blockAlign = 1;
    uint8_t silence = 0;
    uint32_t totalBytes = 0;     // what the stream declares
    uint32_t trackBytes = 0;     // what one pass really gives: less when the stream ended early
    uint32_t playedBytes = 0;    // of the current pass
    uint32_t lastPlayCursor = 0;
    uint32_t writePos = 0;
    uint32_t unplayed = 0;
    uint32_t decodedBytes = 0;   // of the current pass
    int errorRun = 0;
    bool endOfStream = false;
};
