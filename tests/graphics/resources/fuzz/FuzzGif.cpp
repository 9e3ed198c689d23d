#include <cstddef>
#include <cstdint>

#include "graphics/resources/core/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto frames = DecodeGif(std::span(data, size));
    if (!frames) return 0;
    if (frames->empty() || frames->size() > kMaxAnimationFrames) __builtin_trap();
    for (const Image& f : *frames)
        if (f.width != frames->front().width || f.pixels.size() != static_cast<size_t>(f.width) * f.height)
            __builtin_trap();
    return 0;
}
