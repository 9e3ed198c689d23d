#include "host/Png.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Pattern(int width, int height, int seed)
{
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>((i * 7 + static_cast<size_t>(seed) * 31) % 251);
    return rgb;
}

}  // namespace

TEST(PngWriter, EveryQueuedFileIsOnDiskWithItsPixelsWhenFinished)
{
    const fs::path dir = fs::temp_directory_path() / "mirelle_png_writer";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string a = (dir / "a.png").string(), b = (dir / "b.png").string();
    const std::string unwritable = (dir / "no_such_folder" / "c.png").string();
    const struct {
        const char* name;
        std::string path;
        int width, height, seed;
    } writes[] = {
        {"a big screenshot", a, 800, 600, 1},
        {"a small one", b, 3, 2, 2},
        {"a path that cannot be written", unwritable, 4, 4, 3},
        {"the first name again, later pixels win", a, 640, 480, 4},
    };
    PngWriter writer;
    for (const auto& w : writes) writer.Write(w.path, w.width, w.height, Pattern(w.width, w.height, w.seed));
    EXPECT_EQ(writer.Finish(), std::vector<std::string>{unwritable}) << "the failures, and only they";

    const struct {
        const char* name;
        std::string path;
        int width, height, seed;
    } expected[] = {{"the last pixels of a.png", a, 640, 480, 4}, {"b.png", b, 3, 2, 2}};
    for (const auto& e : expected) {
        int width = 0, height = 0;
        std::vector<uint8_t> rgb;
        ASSERT_TRUE(ReadPng(e.path, width, height, rgb)) << e.name << ": not on disk when Finish returned";
        EXPECT_EQ(std::pair(width, height), std::pair(e.width, e.height)) << e.name;
        EXPECT_TRUE(rgb == Pattern(e.width, e.height, e.seed)) << e.name << ": other pixels";
    }
    EXPECT_TRUE(writer.Finish().empty()) << "failures are told once; with nothing queued it returns at once";
    fs::remove_all(dir);
}
