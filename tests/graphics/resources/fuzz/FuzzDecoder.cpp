#include <cstddef>
#include <cstdint>

#include "graphics/resources/core/Image.h"

// One fuzzer per decoder: MIRELLE_DECODER names it. Whatever decodes is a sane picture or
// animation: at least one frame, every frame as wide as the first and as many pixels as its size.
namespace {
using Frames = std::optional<std::vector<Image>>;
[[maybe_unused]] Frames AsFrames(std::optional<Image> image) { return image ? Frames(std::vector<Image>{*image}) : std::nullopt; }
[[maybe_unused]] Frames AsFrames(Frames frames) { return frames; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto frames = AsFrames(MIRELLE_DECODER(std::span(data, size)));
    if (!frames) return 0;
    if (frames->empty() || frames->size() > kMaxAnimationFrames) __builtin_trap();
    for (const Image& f : *frames)
        if (f.width != frames->front().width || f.pixels.size() != static_cast<size_t>(f.width) * f.height) __builtin_trap();
    return 0;
}
