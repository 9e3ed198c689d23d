#include "Png.h"

// Debian's header-only stb_image_write, its functions private to this file.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb)
{
    if (width <= 0 || height <= 0 || rgb.size() != static_cast<size_t>(width) * height * 3) return false;
    return stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
}
