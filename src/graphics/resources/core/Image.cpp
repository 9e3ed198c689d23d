#include "graphics/resources/core/Image.h"

#include <cstring>

std::optional<Image> Image::Create(int32_t w, int32_t h, uint32_t fill)
{
    if (!IsImageSizeAllowed(w, h)) return std::nullopt;
    Image image;
    image.width = w;
    image.height = h;
    image.pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), fill);
    return image;
}

ImageFormat DetectImageFormat(std::span<const uint8_t> bytes)
{
    auto startsWith = [&](const char* magic) {
        const size_t n = std::strlen(magic);
        return bytes.size() >= n && std::memcmp(bytes.data(), magic, n) == 0;
    };
    if (startsWith("BM")) return ImageFormat::Bmp;
    if (startsWith("GIF87a") || startsWith("GIF89a")) return ImageFormat::Gif;
    if (startsWith("8BPS")) return ImageFormat::Psd;
    return bytes.size() >= 18 ? ImageFormat::Tga : ImageFormat::Unknown;
}

std::optional<std::vector<Image>> DecodeImageFrames(std::span<const uint8_t> bytes)
{
    std::optional<Image> single;
    switch (DetectImageFormat(bytes)) {
    case ImageFormat::Gif: return DecodeGif(bytes);
    case ImageFormat::Bmp: single = DecodeBmp(bytes); break;
    case ImageFormat::Psd: single = DecodePsd(bytes); break;
    case ImageFormat::Tga: single = DecodeTga(bytes); break;
    case ImageFormat::Unknown: break;
    }
    if (!single) return std::nullopt;
    std::vector<Image> frames;
    frames.push_back(std::move(*single));
    return frames;
}
