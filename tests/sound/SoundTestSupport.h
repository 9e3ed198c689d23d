#pragma once

#include <string>
#include <vector>

#include <dsound.h>

#include "foundation/Win32.h"

// Under Wine the real DirectSound plays into ALSA's null device; a machine without it skips.
bool HasSoundDevice(std::string& why);

// The bytes a buffer holds now, from offset on.
std::vector<BYTE> BufferBytes(IDirectSoundBuffer* buffer, DWORD offset, DWORD bytes);

// The format a buffer was made with.
WAVEFORMATEX BufferFormat(IDirectSoundBuffer* buffer);
DWORD BufferSize(IDirectSoundBuffer* buffer);
LONG BufferVolume(IDirectSoundBuffer* buffer);
DWORD PlayCursor(IDirectSoundBuffer* buffer);
