#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <string>

#include "foundation/ComRef.h"
#include "foundation/Win32.h"
#include "sound/SoundBuffer.h"

// The DirectSound device and the game's effect sounds by id, each one static buffer holding
// the whole decoded sound. Init and Load run on the loader thread; while it loads (between
// BeginLoading and EndLoading) every other operation answers 0 and touches nothing.
class SoundMgr {
public:
    // Opens the sound device; tests put a failing one in its place.
    using DeviceOpener = HRESULT (*)(IDirectSound** device);

    SoundMgr() = default;
    virtual ~SoundMgr();
    SoundMgr(const SoundMgr&) = delete;
    SoundMgr& operator=(const SoundMgr&) = delete;

    // Opens the default device for the window; a second call releases what the first opened.
    int Init(HWND hwnd, const std::string& soundFolder);
    // Decodes folder + name (WAVE or Ogg Vorbis) into a new buffer registered as id, replacing
    // an earlier sound of that id. 0 when anything fails; nothing is registered then.
    int Load(const std::string& name, int id, DWORD extraFlags);

    int Play(int id, Loop loop, PlayFrom from = PlayFrom::Start, DWORD extraFlags = 0);
    int Stop(int id);
    int SetVolume(int id, LONG volume);
    int IsPlaying(int id);
    int SetVolumeAll(LONG volume);
    int StopAll();
    // Stops and deletes every sound, releases the device; the manager can be initialised again.
    virtual void ReleaseAll();

    // The owner raises this before the loader thread starts and the loader clears it after its
    // last Load.
    void BeginLoading() { loading.store(true, std::memory_order_release); }
    void EndLoading() { loading.store(false, std::memory_order_release); }
    bool IsLoading() const { return loading.load(std::memory_order_acquire); }

    void SetDeviceOpener(DeviceOpener opener) { deviceOpener = opener; }
    int IsDeviceReady() const { return deviceReady; }
    IDirectSound* GetDevice() const { return device.Get(); }
    const std::string& GetSoundFolder() const { return soundFolder; }
    // The sound of an id, or null; never adds an entry.
    SoundBuffer* FindSound(int id) const;
    size_t GetSoundCount() const { return sounds.size(); }

protected:
    bool IsUsable() const { return !IsLoading() && deviceReady; }
    bool CanPlay() const { return IsUsable() && soundOn; }

    ComRef<IDirectSound> device;
    ComRef<IDirectSoundBuffer> primary;
    std::map<int, std::unique_ptr<SoundBuffer>> sounds;
    std::string soundFolder;
    int deviceReady = 0;
    int soundOn = 0;

private:
    std::atomic<bool> loading{false};
    DeviceOpener deviceOpener = nullptr;
};
