#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 24-bit RGB pixels (top-down rows, 3 bytes a pixel) as a compressed PNG file; true on
// success.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

// Reads a PNG file as 24-bit RGB pixels (alpha dropped, grey widened); false when it cannot.
bool ReadPng(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgb);
