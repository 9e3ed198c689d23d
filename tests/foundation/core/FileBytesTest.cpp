#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "foundation/core/FileBytes.h"

// Files below and above the size Windows maps, an empty one and one above the limit: the bytes
// as written, whichever way they were taken; the bytes outlive a move and a freed source.
TEST(FileBytes, ReadsWholeFilesSmallAndMappedAndRefusesWhatItCannot)
{
    const auto dir = std::filesystem::temp_directory_path() / ("mirelle_filebytes_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    const struct { const char* name; size_t size; } cases[] = {
        {"empty", 0}, {"small", 1000}, {"just below mapping", FileBytes::kMapFrom - 1}, {"mapped", FileBytes::kMapFrom + 12345}};
    for (const auto& c : cases) {
        std::vector<uint8_t> want(c.size);
        for (size_t i = 0; i < want.size(); ++i) want[i] = static_cast<uint8_t>(i * 131 + i / 977);
        const auto path = (dir / c.name).string();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(want.data()), static_cast<std::streamsize>(want.size()));
        FileBytes read;
        ASSERT_TRUE(read.Read(path, want.size())) << c.name;
        FileBytes moved = std::move(read);
        EXPECT_TRUE(read.Size() == 0 && !read.Data());
        ASSERT_EQ(moved.Size(), want.size()) << c.name;
        EXPECT_TRUE(std::equal(want.begin(), want.end(), moved.Data())) << c.name;
#ifdef _WIN32
        EXPECT_EQ(moved.IsMapped(), c.size >= FileBytes::kMapFrom) << c.name;
#endif
        if (!want.empty()) {
            FileBytes overLimit;
            EXPECT_FALSE(overLimit.Read(path, want.size() - 1)) << c.name;
            EXPECT_TRUE(overLimit.Size() == 0 && !overLimit.Data()) << c.name;
        }
        moved.Free();
        EXPECT_EQ(moved.Size(), 0u);
    }
    FileBytes missing;
    EXPECT_FALSE(missing.Read((dir / "none").string(), 100));
    std::filesystem::remove_all(dir);
}
