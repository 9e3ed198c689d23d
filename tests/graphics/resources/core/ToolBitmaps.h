#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Bitmaps written by an image editing tool, built into the test program so that it runs the same
// under Wine: each run-length file beside the same picture written uncompressed.
struct ToolBitmap {
    std::string name;
    std::vector<uint8_t> bytes;
};
const std::vector<ToolBitmap>& ToolBitmaps();
