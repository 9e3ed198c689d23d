#include <cstdlib>

#include "graphics/sprite/core/SpriteFormats.h"

// A file that reads writes back to the same animations.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto read = ReadAnimationFile(data, size);
    if (!read) return 0;
    const auto bytes = WriteAnimationFile(*read);
    const auto again = ReadAnimationFile(bytes.data(), bytes.size());
    if (!again || !(*again == *read)) std::abort();
    return 0;
}
