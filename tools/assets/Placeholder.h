#pragma once

#include <cstdint>
#include <string>

#include "graphics/resources/core/Image.h"

// Placeholder pictures: flat colours with texts drawn in a real font (FontText).
namespace placeholder {

// How much of a picture's inside is painted: all of it, every other pixel (a see-through
// shadow or dimming box), or only its border.
enum class Fill { Solid, Stipple, Frame };

// A flat picture with a darker one-pixel border.
Image Flat(int32_t w, int32_t h, uint32_t rgb, Fill fill = Fill::Solid);
// Draws the text with its top-left at (x, y), `pixels` high, in a colour that stands out from
// `background`.
void Text(Image& image, int32_t x, int32_t y, const std::string& text, uint32_t background, int pixels);
// Pictures narrower or lower than this carry no label.
constexpr int32_t kSmallestLabelled = 12;
// A frame with its name and number: the name at the top-left, "#n" below it or beside it.
Image Labelled(int32_t w, int32_t h, uint32_t rgb, const std::string& name, int number, Fill fill = Fill::Solid);
// Whether Labelled draws `name` (with frame numbers up to `lastNumber`) whole inside w x h.
bool LabelFits(int32_t w, int32_t h, const std::string& name, int lastNumber);
// A two-pixel border in the colour, see-through inside: a button that must not hide what lies
// under it (a card it is drawn over).
Image Outline(int32_t w, int32_t h, uint32_t rgb);
// Whether Glyph draws `text` whole in its left `advance` columns.
bool GlyphFits(int32_t advance, int32_t h, const std::string& text);
// A frame showing a character or a short text (UTF-8) as large as its left `advance` columns allow,
// centred there; the columns beyond are see-through, for strips whose glyphs overlap.
Image Glyph(int32_t w, int32_t h, uint32_t rgb, const std::string& c, int32_t advance);
// The colour of frame n of a series starting at `rgb`: a small step per frame keeps frames apart.
uint32_t Shade(uint32_t rgb, int n);
// Card `id` (0..49): its id in the top rows (where hint icons sit), below them the month in
// large digits, the month's flower and the category; 50 is the back.
Image Card(int32_t w, int32_t h, int id);
// A card's bottom line (UTF-8): its month's flower; for a bonus card what it is worth in pi.
std::string CardFlowerLine(int id);
// Rows at the top of a card left to the id, so markers drawn there hide no month or category.
constexpr int32_t kCardMarkerRows = 20;

}  // namespace placeholder
