#include "sound/SoundMgr.h"

#include "foundation/Debug.h"
#include "sound/WaveFile.h"

namespace {

HRESULT OpenDefaultDevice(IDirectSound** device)
{
    return DirectSoundCreate(nullptr, device, nullptr);
}

}  // namespace

SoundMgr::~SoundMgr()
{
    SoundMgr::ReleaseAll();
}

int SoundMgr::Init(HWND hwnd, const std::string& folder)
{
    ReleaseAll();
    soundFolder = folder;
    HRESULT hr = (deviceOpener ? deviceOpener : OpenDefaultDevice)(device.Put());
    if (FAILED(hr) || !device) {
        Fail("DirectSoundCreate", hr);
        device.Reset();
        return 0;
    }
    hr = device->SetCooperativeLevel(hwnd, DSSCL_PRIORITY);
    if (FAILED(hr)) {
        Fail("SetCooperativeLevel", hr);
        device.Reset();
        return 0;
    }
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
    hr = device->CreateSoundBuffer(&desc, primary.Put(), nullptr);
    if (FAILED(hr)) {
        Fail("CreateSoundBuffer primary", hr);
        device.Reset();
        return 0;
    }
    deviceReady = 1;
    soundOn = 1;
    return 1;
}

int SoundMgr::Load(const std::string& name, int id, DWORD extraFlags)
{
    if (!deviceReady || !device || name.empty()) return 0;
    WaveFile wave;
    if (FAILED(wave.OpenFile(soundFolder + name)) || wave.GetSize() == 0) {
        DebugLine("sound %d: cannot read %s", id, name.c_str());
        return 0;
    }
    ComRef<IDirectSoundBuffer> buffer;
    const DWORD bytes = wave.GetSize();
    if (FAILED(CreateSecondaryBuffer(device.Get(), wave.GetFormat(), bytes, extraFlags | kEffectBufferFlags, buffer)))
        return 0;
    auto sound = std::make_unique<SoundBuffer>(buffer.Detach(), bytes);
    if (!sound->FillFromWave(0, &wave)) return 0;
    sounds[id] = std::move(sound);  // an earlier sound of this id is deleted
    return 1;
}

SoundBuffer* SoundMgr::FindSound(int id) const
{
    const auto it = sounds.find(id);
    return it == sounds.end() ? nullptr : it->second.get();
}

int SoundMgr::Play(int id, Loop loop, PlayFrom from, DWORD extraFlags)
{
    if (!CanPlay()) return 0;
    SoundBuffer* sound = FindSound(id);
    const DWORD flags = (loop == Loop::Repeat ? DSBPLAY_LOOPING : 0) | extraFlags;
    return sound ? sound->Play(from, flags) : 0;
}

int SoundMgr::Stop(int id)
{
    SoundBuffer* sound = IsUsable() ? FindSound(id) : nullptr;
    return sound ? sound->Stop() : 0;
}

int SoundMgr::SetVolume(int id, LONG volume)
{
    SoundBuffer* sound = IsUsable() ? FindSound(id) : nullptr;
    return sound ? sound->SetVolume(volume) : 0;
}

int SoundMgr::IsPlaying(int id)
{
    SoundBuffer* sound = IsUsable() ? FindSound(id) : nullptr;
    return sound ? sound->IsPlaying() : 0;
}

int SoundMgr::SetVolumeAll(LONG volume)
{
    if (!IsUsable()) return 0;
    for (auto& [id, sound] : sounds) sound->SetVolume(volume);
    return 1;
}

int SoundMgr::StopAll()
{
    if (!IsUsable()) return 0;
    for (auto& [id, sound] : sounds) sound->Stop();
    return 1;
}

void SoundMgr::ReleaseAll()
{
    for (auto& [id, sound] : sounds) sound->Stop();
    sounds.clear();
    primary.Reset();
    device.Reset();
    deviceReady = 0;
}
