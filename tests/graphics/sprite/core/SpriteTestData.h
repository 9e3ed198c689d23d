#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "graphics/sprite/core/SpriteFormats.h"

namespace spritetest {

// A frame whose pixel (x, y) is 0xFF000000 | (y << 8) | x, with the pixels in `holes` transparent.
inline QZFrame MakeFrame(int32_t w, int32_t h, int32_t hotX, int32_t hotY, const std::vector<std::pair<int, int>>& holes = {})
{
    QZFrame f{w, h, hotX, hotY, std::vector<uint32_t>(size_t(w) * size_t(h))};
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) f.pixels[size_t(y * w + x)] = 0xFF000000u | uint32_t(y & 0xFF) << 8 | uint32_t(x & 0xFF);
    for (auto [x, y] : holes) f.pixels[size_t(y * w + x)] = 0;
    return f;
}

inline QZFrame SolidFrame(int32_t w, int32_t h, uint32_t rgb, int32_t hotX = 0, int32_t hotY = 0)
{
    return {w, h, hotX, hotY, std::vector<uint32_t>(size_t(w) * size_t(h), 0xFF000000u | rgb)};
}

// One animation whose frame i shows sprite i at the anchor for delays[i].
inline QZAnimation MakeAnimation(const std::string& name, const std::vector<uint16_t>& delays)
{
    QZAnimation a;
    a.name = name;
    for (size_t i = 0; i < delays.size(); ++i) a.frames.push_back({delays[i], -1, 0, {{uint16_t(i), 0, 0, 0}}});
    return a;
}

// A private folder under the temporary folder, removed with the object.
class TempFolder {
public:
    explicit TempFolder(const std::string& name) : path(std::filesystem::temp_directory_path() / ("mirelle_sprite_" + name))
    {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::error_code ec; std::filesystem::remove_all(path, ec); }
    std::string Base() const { return path.string() + "/"; }
    // `relative` may use either separator, as the module's paths do. Answers the file's path.
    std::string Write(std::string relative, const std::vector<uint8_t>& bytes) const
    {
        std::replace(relative.begin(), relative.end(), '\\', '/');
        const auto file = path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return file.string();
    }

private:
    std::filesystem::path path;
};

}  // namespace spritetest
