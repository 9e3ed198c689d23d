#include "sound/core/MusicRing.h"

#include <algorithm>
#include <cstring>

void MusicRing::Start(uint32_t ringBytes, const PcmFormat& format, uint32_t total)
{
    bufferBytes = ringBytes;
    blockAlign = std::max<uint16_t>(format.blockAlign, 1);
    silence = format.SilenceByte();
    totalBytes = total;
    Rewind();
}

void MusicRing::Rewind()
{
    trackBytes = totalBytes;
    playedBytes = lastPlayCursor = writePos = unplayed = decodedBytes = 0;
    errorRun = 0;
    endOfStream = false;
}

MusicRing::Progress MusicRing::NotePlayCursor(uint32_t playCursor, bool loop)
{
    if (bufferBytes == 0) return Progress::Playing;
    playCursor %= bufferBytes;
    const uint32_t moved =
        playCursor >= lastPlayCursor ? playCursor - lastPlayCursor : bufferBytes - lastPlayCursor + playCursor;
    lastPlayCursor = playCursor;
    uint32_t played = moved;
    if (moved > unplayed) {
        // The cursor ran past everything written (the ring was not refilled in time): what it
        // played beyond was stale, and writing goes on where it stands.
        played = unplayed;
        writePos = playCursor - playCursor % blockAlign;
        unplayed = 0;
    } else {
        unplayed -= moved;
    }
    playedBytes += played;

    if (playedBytes < trackBytes) return Progress::Playing;
    if (!loop || trackBytes == 0) return Progress::TrackEnded;
    playedBytes -= trackBytes;
    return Progress::Playing;
}

uint32_t MusicRing::WritableBytes() const
{
    const uint32_t room = bufferBytes - unplayed;
    if (room < kMinRefillBytes) return 0;
    const uint32_t bytes = std::min(bufferBytes / 4, room);
    return bytes - bytes % blockAlign;
}

uint32_t MusicRing::Fill(PcmSource& source, uint8_t* first, uint32_t firstBytes, uint8_t* second,
                         uint32_t secondBytes, bool loop)
{
    if (!second) secondBytes = 0;
    uint32_t written = 0;
    if (endOfStream) {
        std::memset(first, silence, firstBytes);
        if (secondBytes) std::memset(second, silence, secondBytes);
        written = firstBytes + secondBytes;
    } else {
        written = Decode(source, first, firstBytes);
        if (written == firstBytes && secondBytes) written += Decode(source, second, secondBytes);
        if (endOfStream && loop && trackBytes > 0 && source.Rewind()) {
            endOfStream = false;
            decodedBytes = 0;
        }
    }
    unplayed += written;
    writePos = bufferBytes ? (writePos + written) % bufferBytes : 0;
    return written;
}

uint32_t MusicRing::Decode(PcmSource& source, uint8_t* dst, uint32_t bytes)
{
    uint32_t done = 0;
    while (done < bytes && !endOfStream) {
        const uint32_t left = totalBytes - decodedBytes;
        const uint32_t want = std::min(bytes - done, left);
        if (want < blockAlign) {
            EndStream();
            break;
        }
        const DecodeStep step = source.DecodeSome(dst + done, want - want % blockAlign);
        if (step.bytes > 0 && step.section == 0) {
            const auto got = std::min(static_cast<uint32_t>(step.bytes), want);
            done += got;
            decodedBytes += got;
            errorRun = 0;
        } else if (step.bytes >= 0) {
            EndStream();  // the end, or a second logical stream chained behind the first
        } else {
            if (++errorRun >= kMaxDecodeErrors) EndStream();
            break;  // a gap: the next refill tries again
        }
    }
    return done;
}

void MusicRing::EndStream()
{
    endOfStream = true;
    trackBytes = std::min(trackBytes, decodedBytes);
}
