#include <cstddef>
#include <cstdint>

#include "graphics/resources/core/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto image = DecodeTga(std::span(data, size));
    if (image && image->pixels.size() != static_cast<size_t>(image->width) * static_cast<size_t>(image->height))
        __builtin_trap();
    return 0;
}
