#include "FuzzSpriteFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSpriteFile(data, size, SpriteFileKind::Sheet);
    return 0;
}
