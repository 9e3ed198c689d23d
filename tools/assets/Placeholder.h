#pragma once

#include <cstdint>
#include <string>

#include "graphics/resources/core/Image.h"

// Placeholder pictures: flat colours with texts in a small built-in 3 x 5 font.
namespace placeholder {

// A flat picture with a darker one-pixel border.
Image Flat(int32_t w, int32_t h, uint32_t rgb);
// Draws the text (ASCII letters, digits and a few signs; others as a box) at (x, y) in a colour
// that stands out from `background`, clipped to the image; `scale` enlarges the font.
void Text(Image& image, int32_t x, int32_t y, const std::string& text, uint32_t background, int scale);
// A frame with its name and number: the name at the top-left, "#n" below it.
Image Labelled(int32_t w, int32_t h, uint32_t rgb, const std::string& name, int number);
// A frame showing one character as large as the frame allows, centred: digit and sign glyphs.
Image Glyph(int32_t w, int32_t h, uint32_t rgb, char c);
// The colour of frame n of a series starting at `rgb`: a small step per frame keeps frames apart.
uint32_t Shade(uint32_t rgb, int n);
// Card `id` (0..49) showing month and category; 50 is the back.
Image Card(int32_t w, int32_t h, int id);

}  // namespace placeholder
