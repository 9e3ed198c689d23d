#pragma once

#include <string>

#include "sound/SoundBuffer.h"
#include "sound/core/VoiceCache.h"

class WaveFile;

// One cached spoken phrase: a buffer of exactly the phrase's size (or a little more when it was
// reused), the file name it holds and how it was used.
class VoiceSlot : public SoundBuffer {
public:
    // Releases the slot's buffer and makes one of `bytes` in the slot's format.
    int CreateBuffer(IDirectSound* device, DWORD bytes);
    // Decodes the phrase into the whole buffer, silence behind it.
    [[nodiscard]] int Fill(WaveFile* wave);
    // Stops and forgets the phrase and its buffer.
    void Free();
    VoiceSlotView View() const;

    PcmFormat format;
    std::string name;  // empty when free
    int useCount = 0;
    DWORD lastUseTime = 0;
};
