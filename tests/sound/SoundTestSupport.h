#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <dsound.h>

#include "core/SoundFixtures.h"
#include "foundation/ComRef.h"
#include "foundation/Debug.h"
#include "foundation/Win32.h"
#include "foundation/core/Clock.h"

// A sound manager of type T opened on the real device (under Wine, ALSA's null output), with a
// folder of its own for the files. A machine without a device skips.
template <class T>
class OpenDeviceTest : public testing::Test {
protected:
    std::string dir = fixture::TempFolder("sound");
    T sound;

    void SetUp() override
    {
        ComRef<IDirectSound> ds;
        if (const HRESULT hr = DirectSoundCreate(nullptr, ds.Put(), nullptr); FAILED(hr))
            GTEST_SKIP() << "no sound device, hr " << Hex(hr);
        ASSERT_EQ(sound.Init(GetDesktopWindow(), dir), 1);
    }
    void TearDown() override { Clock::UseReal(); }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) { fixture::WriteFile(dir + name, bytes); }
};

// The bytes a buffer holds from offset on.
inline std::vector<BYTE> BufferBytes(IDirectSoundBuffer* buffer, DWORD offset, DWORD bytes)
{
    void *p1 = nullptr, *p2 = nullptr;
    DWORD n1 = 0, n2 = 0;
    if (FAILED(buffer->Lock(offset, bytes, &p1, &n1, &p2, &n2, 0))) return {};
    std::vector<BYTE> out(static_cast<BYTE*>(p1), static_cast<BYTE*>(p1) + n1);
    if (p2) out.insert(out.end(), static_cast<BYTE*>(p2), static_cast<BYTE*>(p2) + n2);
    buffer->Unlock(p1, 0, p2, 0);
    return out;
}

inline DWORD BufferSize(IDirectSoundBuffer* b) { DSBCAPS caps{sizeof caps}; return SUCCEEDED(b->GetCaps(&caps)) ? caps.dwBufferBytes : 0; }
inline LONG BufferVolume(IDirectSoundBuffer* b) { LONG volume = 12345; return SUCCEEDED(b->GetVolume(&volume)) ? volume : 12345; }
inline DWORD PlayCursor(IDirectSoundBuffer* b) { DWORD play = 0xCDCDCDCD, write = 0; b->GetCurrentPosition(&play, &write); return play; }
