#pragma once

#include <dsound.h>

#include "foundation/ComRef.h"
#include "foundation/Win32.h"
#include "sound/core/WaveFormat.h"

class WaveFile;

enum class Loop { Once, Repeat };
// Where a sound starts: from its beginning, or where it was stopped.
enum class PlayFrom { Start, Position };

// DirectSound buffer flags of the sound layer.
constexpr DWORD kEffectBufferFlags = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN | DSBCAPS_LOCSOFTWARE | DSBCAPS_STATIC;
constexpr DWORD kVoiceBufferFlags = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY | DSBCAPS_STATIC;

// The WAVEFORMATEX of a PCM format (no extra bytes).
WAVEFORMATEX ToWaveFormatEx(const PcmFormat& format);

// Creates a secondary buffer of that format and size.
HRESULT CreateSecondaryBuffer(IDirectSound* device, const WAVEFORMATEX* format, DWORD bytes, DWORD flags,
                              ComRef<IDirectSoundBuffer>& out);

// Locks a region of a buffer (in one or two pieces at the ring's end) and unlocks it on scope exit.
class BufferLock {
public:
    BufferLock(IDirectSoundBuffer* buffer, DWORD offset, DWORD bytes);
    ~BufferLock();
    BufferLock(const BufferLock&) = delete;
    BufferLock& operator=(const BufferLock&) = delete;

    HRESULT Result() const { return hr; }
    bool IsLocked() const { return SUCCEEDED(hr); }
    BYTE* First() const { return static_cast<BYTE*>(first); }
    DWORD FirstBytes() const { return firstBytes; }
    BYTE* Second() const { return static_cast<BYTE*>(second); }
    DWORD SecondBytes() const { return secondBytes; }

private:
    IDirectSoundBuffer* buffer;
    HRESULT hr = E_FAIL;
    void* first = nullptr;
    DWORD firstBytes = 0;
    void* second = nullptr;
    DWORD secondBytes = 0;
};

// One DirectSound secondary buffer with what the game does with it. Every operation answers 0
// when there is no buffer.
class SoundBuffer {
public:
    // A buffer that stays lost is tried this many times, 10 ms apart, then nothing is played.
    static constexpr int kMaxRestoreTries = 50;

    SoundBuffer() = default;
    SoundBuffer(IDirectSoundBuffer* adopted, DWORD bytes);  // adopts the caller's reference
    virtual ~SoundBuffer() = default;
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    // Gives a lost buffer back its memory. 1 when the buffer can be used (it was not lost, or it
    // was restored: then restored = 1 and its contents must be written again), 0 otherwise.
    static int Restore(IDirectSoundBuffer* buffer, int* restored);

    void ReleaseBuffer() { buffer.Reset(); }
    int Play(PlayFrom from, DWORD playFlags);
    int Stop();
    int Rewind();
    int SetVolume(LONG volume);
    int IsPlaying() const;
    // Decodes the whole reader into the buffer; what the reader lacks is silence, or with
    // repeatToFill the sound again.
    [[nodiscard]] int FillFromWave(int repeatToFill, WaveFile* wave);

    IDirectSoundBuffer* GetBuffer() const { return buffer.Get(); }
    DWORD GetBufferBytes() const { return bufferBytes; }

protected:
    ComRef<IDirectSoundBuffer> buffer;
    DWORD bufferBytes = 0;
    int loop = 0;
};
