#pragma once

// Stand-ins for what Wine's DirectSound cannot be made to do: a buffer that is lost or cannot
// be locked, a device that refuses to open. The tests own them; Release only counts.
#include <memory>
#include <vector>

#include <dsound.h>

#include "foundation/Win32.h"

#define FAKE_NOTIMPL(name, ...) \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { return E_NOTIMPL; }
#define FAKE_OK(name, ...) \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { return DS_OK; }

struct FakeBuffer : IDirectSoundBuffer {
    ULONG refs = 1;
    int lostFor = 0;  // Restore answers DSERR_BUFFERLOST this many times (-1: for ever)
    bool lockFails = false, playing = false;
    int restores = 0, plays = 0, locks = 0, unlocks = 0;
    std::vector<BYTE> memory;

    explicit FakeBuffer(DWORD bytes) : memory(bytes) {}

    FAKE_NOTIMPL(QueryInterface, REFIID, void**)
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    FAKE_NOTIMPL(GetCaps, LPDSBCAPS)
    FAKE_NOTIMPL(GetCurrentPosition, LPDWORD, LPDWORD)
    FAKE_NOTIMPL(GetFormat, LPWAVEFORMATEX, DWORD, LPDWORD)
    FAKE_NOTIMPL(GetVolume, LPLONG)
    FAKE_NOTIMPL(GetPan, LPLONG)
    FAKE_NOTIMPL(GetFrequency, LPDWORD)
    HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD status) override
    {
        *status = (lostFor != 0 ? DSBSTATUS_BUFFERLOST : 0) | (playing ? DSBSTATUS_PLAYING : 0);
        return DS_OK;
    }
    FAKE_NOTIMPL(Initialize, LPDIRECTSOUND, LPCDSBUFFERDESC)
    HRESULT STDMETHODCALLTYPE Lock(DWORD offset, DWORD bytes, LPVOID* p1, LPDWORD n1, LPVOID* p2, LPDWORD n2,
                                   DWORD) override
    {
        if (lockFails) return DSERR_INVALIDCALL;
        ++locks;
        *p1 = memory.data() + offset, *n1 = bytes;
        if (p2) *p2 = nullptr, *n2 = 0;
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE Play(DWORD, DWORD, DWORD) override { return ++plays, playing = true, DS_OK; }
    FAKE_OK(SetCurrentPosition, DWORD)
    FAKE_OK(SetFormat, LPCWAVEFORMATEX)
    FAKE_OK(SetVolume, LONG)
    FAKE_OK(SetPan, LONG)
    FAKE_OK(SetFrequency, DWORD)
    HRESULT STDMETHODCALLTYPE Stop() override { return playing = false, DS_OK; }
    HRESULT STDMETHODCALLTYPE Unlock(LPVOID, DWORD, LPVOID, DWORD) override { return ++unlocks, DS_OK; }
    HRESULT STDMETHODCALLTYPE Restore() override
    {
        ++restores;
        if (lostFor == 0) return DS_OK;
        if (lostFor > 0) --lostFor;
        return DSERR_BUFFERLOST;
    }
};

struct FakeDevice : IDirectSound {
    ULONG refs = 1;
    bool refuseCooperation = false, lockFails = false;  // lockFails: for the buffers it makes
    std::vector<std::unique_ptr<FakeBuffer>> buffers;

    FAKE_NOTIMPL(QueryInterface, REFIID, void**)
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC desc, LPLPDIRECTSOUNDBUFFER out, IUnknown*) override
    {
        buffers.push_back(std::make_unique<FakeBuffer>(desc->dwBufferBytes));
        buffers.back()->lockFails = lockFails;
        *out = buffers.back().get();
        return DS_OK;
    }
    FAKE_NOTIMPL(GetCaps, LPDSCAPS)
    FAKE_NOTIMPL(DuplicateSoundBuffer, LPDIRECTSOUNDBUFFER, LPLPDIRECTSOUNDBUFFER)
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND, DWORD) override
    {
        return refuseCooperation ? DSERR_INVALIDPARAM : DS_OK;
    }
    FAKE_OK(Compact)
    FAKE_NOTIMPL(GetSpeakerConfig, LPDWORD)
    FAKE_NOTIMPL(SetSpeakerConfig, DWORD)
    FAKE_NOTIMPL(Initialize, LPCGUID)
};
#undef FAKE_NOTIMPL
#undef FAKE_OK

// The device the next fake opener hands out (null: opening fails with DSERR_NODRIVER).
inline FakeDevice* nextFakeDevice = nullptr;

inline HRESULT OpenFakeDevice(IDirectSound** out)
{
    *out = nextFakeDevice;
    if (!nextFakeDevice) return DSERR_NODRIVER;
    nextFakeDevice->AddRef();
    return DS_OK;
}
