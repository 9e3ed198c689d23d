// Any bytes through the whole-clip Ogg decoder: it must never read outside them, and a clip it
// accepts must decode to the bytes vorbisfile gives for the same stream.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "sound/core/OggClip.h"
#include "sound/core/OggDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemorySource source({data, size});
    OggClip clip;
    if (!clip.Decode(source)) return 0;
    OggDecoder general;
    if (!general.Open(std::make_unique<MemorySource>(std::span<const uint8_t>(data, size)))) std::abort();
    if (!(general.Format() == clip.Format())) std::abort();
    std::vector<uint8_t> pcm(clip.Pcm().size() + 4096);
    pcm.resize(general.Read(pcm.data(), static_cast<uint32_t>(pcm.size())));
    if (pcm != clip.Pcm()) std::abort();
    return 0;
}
