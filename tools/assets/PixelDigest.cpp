// Prints a digest of the decoded pixels of every sprite sheet, sprite pack and picture under the
// folders given, and of TGA and BMP pictures written in each layout the writers know, so a change
// to a reader can be checked to decode every file to the same pixels as before:
//   mirelle_pixel_digest build/game tests/fuzz/corpus > before.txt   (then diff against after)
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "graphics/resources/core/Image.h"
#include "graphics/resources/core/ImageWriters.h"
#include "graphics/sprite/core/SpriteFormats.h"

namespace {

struct Digest {
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    void Add(uint32_t v)
    {
        for (int i = 0; i < 4; ++i) h = (h ^ ((v >> (8 * i)) & 0xFF)) * 1099511628211ull;
    }
    void Add(const std::vector<uint32_t>& pixels)
    {
        for (uint32_t p : pixels) Add(p);
    }
};

void AddImage(Digest& d, const Image& image)
{
    d.Add(static_cast<uint32_t>(image.width));
    d.Add(static_cast<uint32_t>(image.height));
    d.Add(static_cast<uint32_t>(image.hotSpot.x));
    d.Add(static_cast<uint32_t>(image.hotSpot.y));
    d.Add(image.pixels);
}

// "none" for a file the readers refuse: a refusal must stay a refusal.
std::string DigestOf(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    Digest d;
    const std::string ext = path.extension().string();
    const std::string folder = path.parent_path().filename().string();
    const bool sheet = ext == ".qzs" || folder == "qzs";
    if (sheet || ext == ".psp" || folder == "psp") {
        const auto data = ReadSpriteFile(bytes.data(), bytes.size(), sheet ? SpriteFileKind::Sheet : SpriteFileKind::Pack);
        if (!data) return "none";
        for (const QZFrame& f : data->frames) {
            for (int32_t v : {f.width, f.height, f.hotX, f.hotY}) d.Add(static_cast<uint32_t>(v));
            d.Add(f.pixels);
        }
    } else {
        const auto frames = DecodeImageFrames(bytes);
        if (!frames) return "none";
        for (const Image& image : *frames) AddImage(d, image);
    }
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(d.h));
    return text;
}

bool IsReadFile(const std::filesystem::path& path, const std::string& folder)
{
    const std::string ext = path.extension().string();
    // The fuzz corpus names no extensions: its folder names the reader.
    for (const char* e : {".qzs", ".psp", ".bmp", ".gif", ".tga", ".psd"})
        if (ext == e) return true;
    for (const char* reader : {"bmp", "gif", "tga", "psd", "qzs", "psp"})
        if (folder == reader) return true;
    return false;
}

Image Pattern(int32_t width, int32_t height)
{
    Image image = *Image::Create(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            // Runs of equal pixels beside noise, so run-length packets of both kinds appear.
            const uint32_t noise = static_cast<uint32_t>(x * 2654435761u ^ y * 40503u);
            const uint32_t alpha = (x + y) % 7 == 0 ? 0 : (x % 5 == 0 ? 0x80 : 0xFF);
            image.At(x, y) = (alpha << 24) | (x < width / 2 ? 0x204080u + static_cast<uint32_t>(y) : noise & 0xFFFFFF);
        }
    image.hotSpot = {3, -2};
    return image;
}

void PrintWrittenLayouts()
{
    const Image image = Pattern(37, 23);
    for (int bits : {16, 24, 32})
        for (bool rle : {false, true})
            for (bool topDown : {false, true}) {
                auto bytes = WriteTga(image, {bits, rle, topDown});
                std::printf("%s written-tga-%d%s%s\n", DigestOf("x.tga", bytes).c_str(), bits, rle ? "-rle" : "",
                            topDown ? "-topdown" : "");
                bytes[17] |= 0x10;  // the descriptor's right-to-left bit
                std::printf("%s written-tga-%d%s%s-rtl\n", DigestOf("x.tga", bytes).c_str(), bits, rle ? "-rle" : "",
                            topDown ? "-topdown" : "");
            }
    for (BmpPixels pixels : {BmpPixels::Rgb555, BmpPixels::Rgb565, BmpPixels::Rgb24, BmpPixels::Rgb32})
        for (bool topDown : {false, true}) {
            const auto bytes = WriteBmp(image, {pixels, topDown});
            std::printf("%s written-bmp-%d%s\n", DigestOf("x.bmp", bytes).c_str(), static_cast<int>(pixels),
                        topDown ? "-topdown" : "");
        }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: mirelle_pixel_digest FOLDER...\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i]))
            if (entry.is_regular_file() && IsReadFile(entry.path(), entry.path().parent_path().filename().string()))
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& path : files) {
            std::ifstream in(path, std::ios::binary);
            const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            std::printf("%s %s\n", DigestOf(path, bytes).c_str(), std::filesystem::relative(path, argv[i]).c_str());
        }
    }
    PrintWrittenLayouts();
    return 0;
}
