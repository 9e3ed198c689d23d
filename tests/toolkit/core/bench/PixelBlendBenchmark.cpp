#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "toolkit/core/PixelBlend.h"

// A screen's worth of rows blended with one colour, against the blend with a division by 255 per
// channel and a call per pixel, as it was first written. Both must leave the same bytes.

#include "PairedBench.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

uint32_t DividingBlendPixel(PixelMode m, uint32_t p, uint32_t c, int alpha)
{
    if (alpha <= 0) return p;
    if (alpha >= 255) return c;
    const Rgb a = UnpackRgb(m, p);
    const Rgb b = UnpackRgb(m, c);
    auto mix = [alpha](uint8_t x, uint8_t y) { return static_cast<uint8_t>((x * (255 - alpha) + y * alpha + 127) / 255); };
    return PackRgb(m, mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b));
}

[[gnu::noinline]] void DividingBlendRow(PixelMode m, uint8_t* row, int count, uint32_t colour, int alpha)
{
    const int bytes = BytesPerPixel(m);
    for (int i = 0; i < count; ++i) {
        uint8_t* at = row + i * bytes;
        uint32_t p = 0;
        std::memcpy(&p, at, static_cast<size_t>(bytes));
        p = DividingBlendPixel(m, p, colour, alpha);
        std::memcpy(at, &p, static_cast<size_t>(bytes));
    }
}

std::vector<uint8_t> Picture(PixelMode m)
{
    const int bytes = BytesPerPixel(m);
    std::vector<uint8_t> pixels(size_t(kWidth) * kHeight * size_t(bytes));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const uint32_t p = PackRgb(m, uint8_t(x), uint8_t(y), uint8_t(x ^ y));
            std::memcpy(&pixels[(size_t(y) * kWidth + size_t(x)) * size_t(bytes)], &p, size_t(bytes));
        }
    return pixels;
}

template <class Row>
void BlendScreen(std::vector<uint8_t>& pixels, PixelMode m, int alpha, Row row)
{
    const size_t pitch = size_t(kWidth) * size_t(BytesPerPixel(m));
    for (int y = 0; y < kHeight; ++y) row(m, pixels.data() + size_t(y) * pitch, kWidth, PackRgb(m, 40, 60, 200), alpha);
}

void Blend(benchmark::State& state, PixelMode m, int alpha)
{
    std::vector<uint8_t> ours = Picture(m), theirs = ours;
    BlendScreen(ours, m, alpha, BlendRow);
    BlendScreen(theirs, m, alpha, DividingBlendRow);
    if (ours != theirs) return void(paired::FailCheck(state, "the blended screens differ"));
    state.SetLabel("new/old, outputs byte-identical");
    // Each side keeps blending its own screen: the same work, the same bytes every time.
    paired::Time(state, [&] { BlendScreen(ours, m, alpha, BlendRow); },
                 [&] { BlendScreen(theirs, m, alpha, DividingBlendRow); });
    if (ours != theirs) paired::FailCheck(state, "the blended screens differ after timing");
}

}  // namespace

int main(int argc, char** argv)
{
    const std::pair<const char*, PixelMode> modes[] = {
        {"rgb565", PixelMode::Rgb565}, {"rgb555", PixelMode::Rgb555}, {"rgb32", PixelMode::Rgb32}};
    for (const auto& [name, mode] : modes)
        for (int alpha : {77, 128, 200})
            benchmark::RegisterBenchmark(("BlendRow/NewVsDividing/" + std::string(name) + "_" + std::to_string(alpha)).c_str(),
                                         Blend, mode, alpha);
    return paired::Main(argc, argv);
}
