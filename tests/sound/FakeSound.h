#pragma once

// Stand-ins for what Wine's DirectSound cannot be made to do: a buffer that is lost or cannot
// be locked, a device that refuses to open.
#include <memory>
#include <vector>

#include <dsound.h>

#include "foundation/Win32.h"

struct FakeBuffer : IDirectSoundBuffer {
    ULONG refs = 1;
    int lostFor = 0;          // Restore answers DSERR_BUFFERLOST this many times (-1: for ever)
    bool lockFails = false;
    bool playing = false;
    int restores = 0, plays = 0, locks = 0, unlocks = 0;
    std::vector<BYTE> memory;

    explicit FakeBuffer(DWORD bytes) : memory(bytes) {}
    virtual ~FakeBuffer() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }  // the test keeps the object
    HRESULT STDMETHODCALLTYPE GetCaps(LPDSBCAPS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCurrentPosition(LPDWORD play, LPDWORD write) override
    {
        if (play) *play = 0;
        if (write) *write = 0;
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE GetFormat(LPWAVEFORMATEX, DWORD, LPDWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetVolume(LPLONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPan(LPLONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFrequency(LPDWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD status) override
    {
        *status = (lostFor != 0 ? DSBSTATUS_BUFFERLOST : 0) | (playing ? DSBSTATUS_PLAYING : 0);
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE Initialize(LPDIRECTSOUND, LPCDSBUFFERDESC) override { return DSERR_ALREADYINITIALIZED; }
    HRESULT STDMETHODCALLTYPE Lock(DWORD offset, DWORD bytes, LPVOID* p1, LPDWORD n1, LPVOID* p2, LPDWORD n2,
                                   DWORD) override
    {
        if (lockFails) return DSERR_INVALIDCALL;
        ++locks;
        *p1 = memory.data() + offset;
        *n1 = bytes;
        if (p2) *p2 = nullptr;
        if (n2) *n2 = 0;
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE Play(DWORD, DWORD, DWORD) override
    {
        ++plays;
        playing = true;
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD) override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE SetFormat(LPCWAVEFORMATEX) override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE SetVolume(LONG) override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE SetPan(LONG) override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE SetFrequency(DWORD) override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE Stop() override
    {
        playing = false;
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE Unlock(LPVOID, DWORD, LPVOID, DWORD) override
    {
        ++unlocks;
        return DS_OK;
    }
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
    bool refuseCooperation = false;
    bool lockFails = false;  // for the buffers it makes
    std::vector<std::unique_ptr<FakeBuffer>> buffers;

    virtual ~FakeDevice() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC desc, LPLPDIRECTSOUNDBUFFER out, IUnknown*) override
    {
        buffers.push_back(std::make_unique<FakeBuffer>(desc->dwBufferBytes));
        buffers.back()->lockFails = lockFails;
        *out = buffers.back().get();
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER, LPLPDIRECTSOUNDBUFFER) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND, DWORD) override
    {
        return refuseCooperation ? DSERR_INVALIDPARAM : DS_OK;
    }
    HRESULT STDMETHODCALLTYPE Compact() override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSpeakerConfig(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Initialize(LPCGUID) override { return DSERR_ALREADYINITIALIZED; }
};

// The device the next fake opener hands out (null: opening fails with DSERR_NODRIVER).
inline FakeDevice* nextFakeDevice = nullptr;

inline HRESULT OpenFakeDevice(IDirectSound** out)
{
    *out = nullptr;
    if (!nextFakeDevice) return DSERR_NODRIVER;
    nextFakeDevice->AddRef();
    *out = nextFakeDevice;
    return DS_OK;
}
