#include "sound/SoundBuffer.h"

#include <cstring>

#include "foundation/Debug.h"
#include "foundation/core/Clock.h"
#include "sound/WaveFile.h"

WAVEFORMATEX ToWaveFormatEx(const PcmFormat& f)
{
    WAVEFORMATEX w{};
    w.wFormatTag = f.tag;
    w.nChannels = f.channels;
    w.nSamplesPerSec = f.samplesPerSec;
    w.nAvgBytesPerSec = f.avgBytesPerSec;
    w.nBlockAlign = f.blockAlign;
    w.wBitsPerSample = f.bitsPerSample;
    return w;
}

HRESULT CreateSecondaryBuffer(IDirectSound* device, const WAVEFORMATEX* format, DWORD bytes, DWORD flags,
                              ComRef<IDirectSoundBuffer>& out)
{
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = flags;
    desc.dwBufferBytes = bytes;
    desc.lpwfxFormat = const_cast<WAVEFORMATEX*>(format);
    const HRESULT hr = device->CreateSoundBuffer(&desc, out.Put(), nullptr);
    if (FAILED(hr)) Fail("CreateSoundBuffer", hr);
    return hr;
}

BufferLock::BufferLock(IDirectSoundBuffer* b, DWORD offset, DWORD bytes) : buffer(b)
{
    if (!buffer) return;
    hr = buffer->Lock(offset, bytes, &first, &firstBytes, &second, &secondBytes, 0);
    if (FAILED(hr)) Fail("Lock sound buffer", hr);
}

BufferLock::~BufferLock()
{
    if (IsLocked()) buffer->Unlock(first, firstBytes, second, secondBytes);
}

SoundBuffer::SoundBuffer(IDirectSoundBuffer* adopted, DWORD bytes) : buffer(adopted), bufferBytes(bytes) {}

int SoundBuffer::Restore(IDirectSoundBuffer* b, int* restored)
{
    if (restored) *restored = 0;
    if (!b) return 0;
    DWORD status = 0;
    if (FAILED(b->GetStatus(&status))) return 0;
    if (!(status & DSBSTATUS_BUFFERLOST)) return 1;
    // Another program holds the device: it may give it back soon, but not surely.
    for (int i = 0; i < kMaxRestoreTries; ++i) {
        const HRESULT hr = b->Restore();
        if (hr != DSERR_BUFFERLOST) {
            if (FAILED(hr)) {
                Fail("Restore sound buffer", hr);
                return 0;
            }
            if (restored) *restored = 1;
            return 1;
        }
        Clock::Sleep(10);
    }
    DebugLine("sound buffer still lost after %d tries: not played", kMaxRestoreTries);
    return 0;
}

int SoundBuffer::Play(PlayFrom from, DWORD playFlags)
{
    if (!buffer || !Restore(buffer.Get(), nullptr)) return 0;
    if (from == PlayFrom::Start) {
        buffer->Stop();
        buffer->SetCurrentPosition(0);
    }
    return SUCCEEDED(buffer->Play(0, 0, playFlags)) ? 1 : 0;
}

int SoundBuffer::Stop()
{
    return buffer && SUCCEEDED(buffer->Stop()) ? 1 : 0;
}

int SoundBuffer::Rewind()
{
    return buffer && SUCCEEDED(buffer->SetCurrentPosition(0)) ? 1 : 0;
}

int SoundBuffer::SetVolume(LONG volume)
{
    return buffer && SUCCEEDED(buffer->SetVolume(volume)) ? 1 : 0;
}

int SoundBuffer::IsPlaying() const
{
    DWORD status = 0;
    if (!buffer || FAILED(buffer->GetStatus(&status))) return 0;
    return (status & DSBSTATUS_PLAYING) ? 1 : 0;
}

int SoundBuffer::FillFromWave(int repeatToFill, WaveFile* wave)
{
    if (!buffer || !wave || !wave->GetFormat()) return 0;
    if (!Restore(buffer.Get(), nullptr)) return 0;
    const BufferLock lock(buffer.Get(), 0, bufferBytes);
    if (!lock.IsLocked()) return 0;
    BYTE* dst = lock.First();
    const DWORD size = lock.FirstBytes();

    wave->ResetFile();
    DWORD got = 0;
    if (!wave->Read(dst, size, &got)) return 0;
    while (repeatToFill && got > 0 && got < size) {
        wave->ResetFile();
        DWORD more = 0;
        if (!wave->Read(dst + got, size - got, &more)) return 0;
        if (more == 0) break;
        got += more;
    }
    const BYTE silence = wave->GetFormat()->wBitsPerSample == 8 ? 0x80 : 0x00;
    std::memset(dst + got, silence, size - got);
    return 1;
}
