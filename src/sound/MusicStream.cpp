#include "sound/MusicStream.h"

#include "foundation/Debug.h"
#include "sound/core/MusicFile.h"

int MusicStream::Open(IDirectSound* device, const std::string& p)
{
    Close();
    if (!device) return 0;
    auto source = OpenMusicSource(p);
    if (!source || !decoder.Open(std::move(source))) {
        DebugLine("music: cannot open %s", p.c_str());
        Close();
        return 0;
    }
    format = decoder.Format();
    const uint64_t ringBytes = uint64_t{kRingSeconds} * format.avgBytesPerSec;
    const WAVEFORMATEX wf = ToWaveFormatEx(format);
    if (decoder.TotalBytes() == 0 || ringBytes > kMaxSoundBytes ||
        FAILED(CreateSecondaryBuffer(device, &wf, static_cast<DWORD>(ringBytes), kVoiceBufferFlags, buffer))) {
        Close();
        return 0;
    }
    path = p;
    bufferBytes = static_cast<DWORD>(ringBytes);
    ring.Start(bufferBytes, format, decoder.TotalBytes());
    loop = 1;
    Refill();
    return 1;
}

int MusicStream::Play(int loopTrack)
{
    if (!buffer) return 0;
    if (IsPlaying()) Restart();
    loop = loopTrack;
    if (!Restore(buffer.Get(), nullptr)) return 0;
    // The ring always loops; the loop flag decides what happens at the end of the track.
    return SUCCEEDED(buffer->Play(0, 0, DSBPLAY_LOOPING)) ? 1 : 0;
}

void MusicStream::Refill()
{
    if (!buffer || !decoder.IsOpen()) return;
    DWORD playCursor = 0, writeCursor = 0;
    if (FAILED(buffer->GetCurrentPosition(&playCursor, &writeCursor))) return;
    if (ring.NotePlayCursor(playCursor, loop != 0) == MusicRing::Progress::TrackEnded) {
        Restart();
        return;
    }
    const DWORD bytes = ring.WritableBytes();
    if (bytes == 0 || !Restore(buffer.Get(), nullptr)) return;
    const BufferLock lock(buffer.Get(), ring.WritePos(), bytes);
    if (!lock.IsLocked()) return;
    ring.Fill(decoder, lock.First(), lock.FirstBytes(), lock.Second(), lock.SecondBytes(), loop != 0);
}

void MusicStream::Restart()
{
    if (!IsPlaying()) return;
    buffer->Stop();
    buffer->SetCurrentPosition(0);
    ring.Rewind();
    if (!decoder.Rewind()) DebugLine("music: cannot rewind %s", path.c_str());
    Refill();
}

void MusicStream::Close()
{
    decoder.Close();
    if (buffer) buffer->Stop();
    ReleaseBuffer();
    bufferBytes = 0;
    ring = MusicRing{};
    format = {};
    path.clear();
}

LONG MusicStream::GetVolume() const
{
    LONG volume = 1;
    if (!buffer || FAILED(buffer->GetVolume(&volume))) return 1;
    return volume;
}
