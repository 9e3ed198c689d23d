#include <cstddef>
#include <cstdint>

#include "graphics/resources/core/Image.h"

// One fuzzer per decoder: MIRELLE_DECODER names it. Whatever decodes is a sane picture or
// animation: every frame as wide as the first and as many pixels as its size.
namespace {
[[maybe_unused]] std::optional<std::vector<Image>> Frames(std::optional<Image> image)
{
    if (!image) return std::nullopt;
    return std::vector<Image>{*std::move(image)};
}
[[maybe_unused]] std::optional<std::vector<Image>> Frames(std::optional<std::vector<Image>> frames) { return frames; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto frames = Frames(MIRELLE_DECODER(std::span(data, size)));
    if (!frames) return 0;
    if (frames->empty() || frames->size() > kMaxAnimationFrames) __builtin_trap();
    for (const Image& f : *frames)
        if (f.width != frames->front().width || f.pixels.size() != static_cast<size_t>(f.width) * f.height)
            __builtin_trap();
    return 0;
}
