#include "views/core/ButtonFrames.h"

namespace {

int LitOffset(const ButtonLook& look)
{
    if (!look.enabled) return 0;
    return (look.pressed && look.pointerInside) || look.hover ? 1 : 0;
}

int FourStateOffset(const ButtonLook& look)
{
    if (!look.enabled) return 3;
    if (look.pressed && look.pointerInside) return 2;
    return look.hover ? 1 : 0;
}

}  // namespace

std::optional<int> ButtonFrame(int imageSet, int framesPerSet, const ButtonLook& look)
{
    switch (framesPerSet) {
    case 1: return imageSet;
    case 2: return imageSet * 2 + LitOffset(look);
    case 4: return imageSet * 4 + FourStateOffset(look);
    default: return std::nullopt;
    }
}
