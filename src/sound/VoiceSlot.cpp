#include "sound/VoiceSlot.h"

#include "sound/WaveFile.h"

int VoiceSlot::CreateBuffer(IDirectSound* device, DWORD bytes)
{
    ReleaseBuffer();
    bufferBytes = 0;
    if (!device) return 0;
    const WAVEFORMATEX wf = ToWaveFormatEx(format);
    if (FAILED(CreateSecondaryBuffer(device, &wf, bytes, kVoiceBufferFlags, buffer))) return 0;
    bufferBytes = bytes;
    return 1;
}

int VoiceSlot::Fill(WaveFile* wave)
{
    return FillFromWave(0, wave);
}

void VoiceSlot::Free()
{
    Stop();
    ReleaseBuffer();
    bufferBytes = 0;
    name.clear();
    useCount = 0;
}

VoiceSlotView VoiceSlot::View() const
{
    return {buffer ? true : false, name, format, useCount, lastUseTime, bufferBytes};
}
