// Any bytes through the WAVE chunk walker: it must never read outside them, and what it reports
// must lie inside them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "sound/core/RiffWave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemorySource source({data, size});
    const auto layout = ParseRiffWave(source);
    if (!layout) return 0;
    if (layout->dataAvailable > layout->dataSize) std::abort();
    if (layout->dataAvailable > 0 && layout->dataOffset + layout->dataAvailable > size) std::abort();
    if (layout->format.extra.size() > 0xFFFF) std::abort();
    return 0;
}
