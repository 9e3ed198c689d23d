#include "sound/core/WaveFormat.h"

PcmFormat Pcm16Format(uint16_t channels, uint32_t samplesPerSec)
{
    PcmFormat f;
    f.tag = kWaveFormatPcm;
    f.channels = channels;
    f.samplesPerSec = samplesPerSec;
    f.bitsPerSample = 16;
    f.blockAlign = static_cast<uint16_t>(2 * channels);
    f.avgBytesPerSec = f.blockAlign * samplesPerSec;
    return f;
}
