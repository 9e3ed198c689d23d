#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/resources/core/Image.h"

// Texts drawn with a TrueType font through FreeType (NanumGothic Bold from fonts-nanum, or the
// file MIRELLE_FONT names). Sizes are pixel heights; positions are the ink's top-left corner.
namespace fonttext {

// Opens the font once; false with `error` naming the file when it cannot be read.
bool Ready(std::string& error);

struct Extent {
    int width = 0;
    int height = 0;
};

// The ink box of `utf8` drawn at `pixels`.
Extent Measure(const std::string& utf8, int pixels);
// The largest size up to `maxPixels` at which `utf8` fits in w x h (at least 6).
int Fit(const std::string& utf8, int maxPixels, int w, int h);
// Draws `utf8` with its ink box's top-left at (x, y), blending `ink` (RGB) over the picture.
void Draw(Image& image, int x, int y, const std::string& utf8, int pixels, uint32_t ink);
// Draws `utf8` centred in the rectangle (x, y, w, h).
void DrawCentred(Image& image, int x, int y, int w, int h, const std::string& utf8, int pixels, uint32_t ink);

// The UTF-8 characters of `utf8`, one string each.
std::vector<std::string> Characters(const std::string& utf8);

}  // namespace fonttext
