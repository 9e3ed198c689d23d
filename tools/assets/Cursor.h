#pragma once

#include <cstdint>
#include <vector>

#include "graphics/resources/core/Image.h"

// An animated cursor (RIFF "ACON") whose frames are 32-bit cursors with their hot spot; pixels
// with alpha 0 are transparent. `jiffies` is the time per frame in 1/60 s. Empty for frames of
// different sizes or sides beyond 256.
std::vector<uint8_t> WriteAni(const std::vector<Image>& frames, uint32_t jiffies);

// An arrow pointing to the top-left in the colour, with a dark outline.
Image ArrowCursor(int32_t side, uint32_t rgb);
