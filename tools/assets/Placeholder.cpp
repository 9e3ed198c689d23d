#include <algorithm>

#include "Placeholder.h"

#include <cctype>
#include <cstring>

namespace placeholder {

namespace {

struct Glyph {
    char c;
    const char* rows;  // 5 rows of 3 pixels, '1' set
};

constexpr Glyph kFont[] = {
    {'0', "111101101101111"}, {'1', "010110010010111"}, {'2', "111001111100111"}, {'3', "111001111001111"},
    {'4', "101101111001001"}, {'5', "111100111001111"}, {'6', "111100111101111"}, {'7', "111001001010010"},
    {'8', "111101111101111"}, {'9', "111101111001111"}, {'A', "010101111101101"}, {'B', "110101110101110"},
    {'C', "011100100100011"}, {'D', "110101101101110"}, {'E', "111100110100111"}, {'F', "111100110100100"},
    {'G', "011100101101011"}, {'H', "101101111101101"}, {'I', "111010010010111"}, {'J', "001001001101010"},
    {'K', "101101110101101"}, {'L', "100100100100111"}, {'M', "101111111101101"}, {'N', "110101101101101"},
    {'O', "010101101101010"}, {'P', "110101110100100"}, {'Q', "010101101110011"}, {'R', "110101110101101"},
    {'S', "011100010001110"}, {'T', "111010010010010"}, {'U', "101101101101111"}, {'V', "101101101101010"},
    {'W', "101101111111101"}, {'X', "101101010101101"}, {'Y', "101101010010010"}, {'Z', "111001010100111"},
    {'#', "101111101111101"}, {'-', "000000111000000"}, {'_', "000000000000111"}, {'.', "000000000000010"},
    {'/', "001001010100100"}, {'?', "111001010000010"}, {'+', "000010111010000"}, {' ', "000000000000000"},
};
constexpr const char* kUnknown = "111101101101111";

const char* RowsOf(char c)
{
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const Glyph& g : kFont)
        if (g.c == up) return g.rows;
    return kUnknown;
}

uint32_t Opaque(uint32_t rgb) { return 0xFF000000u | (rgb & 0xFFFFFF); }

uint32_t Darker(uint32_t rgb)
{
    return ((rgb >> 1) & 0x7F7F7F);
}

bool IsLight(uint32_t rgb)
{
    const uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r * 3 + g * 6 + b > 1280;
}

void Put(Image& image, int32_t x, int32_t y, uint32_t argb)
{
    if (x >= 0 && y >= 0 && x < image.width && y < image.height) image.At(x, y) = argb;
}

}  // namespace

Image Flat(int32_t w, int32_t h, uint32_t rgb)
{
    Image image = *Image::Create(w, h, Opaque(rgb));
    const uint32_t edge = Opaque(Darker(rgb));
    for (int32_t x = 0; x < w; ++x) {
        image.At(x, 0) = edge;
        image.At(x, h - 1) = edge;
    }
    for (int32_t y = 0; y < h; ++y) {
        image.At(0, y) = edge;
        image.At(w - 1, y) = edge;
    }
    return image;
}

void Text(Image& image, int32_t x, int32_t y, const std::string& text, uint32_t background, int scale)
{
    const uint32_t ink = IsLight(background) ? 0xFF000000u : 0xFFFFFFFFu;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {  // a character the font lacks: one box per UTF-8 character
            while (i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) ++i;
        }
        const char* rows = byte >= 0x80 ? kUnknown : RowsOf(static_cast<char>(byte));
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 3; ++c)
                if (rows[r * 3 + c] == '1')
                    for (int sy = 0; sy < scale; ++sy)
                        for (int sx = 0; sx < scale; ++sx) Put(image, x + (c * scale) + sx, y + (r * scale) + sy, ink);
        x += 4 * scale;
    }
}

Image Labelled(int32_t w, int32_t h, uint32_t rgb, const std::string& name, int number)
{
    Image image = Flat(w, h, rgb);
    // An empty label leaves the picture plain, for widgets that draw their own text on it.
    if (name.empty()) return image;
    const int scale = w >= 80 && h >= 30 ? 2 : 1;
    Text(image, 2, 2, name, rgb, scale);
    Text(image, 2, 2 + 6 * scale, "#" + std::to_string(number), rgb, scale);
    return image;
}

Image Glyph(int32_t w, int32_t h, uint32_t rgb, char c)
{
    Image image = Flat(w, h, rgb);
    const int scale = std::max(1, std::min((w - 2) / 4, (h - 2) / 6));
    Text(image, (w - 3 * scale) / 2, (h - 5 * scale) / 2, std::string(1, c), rgb, scale);
    return image;
}

uint32_t Shade(uint32_t rgb, int n)
{
    const uint32_t step = static_cast<uint32_t>(n * 23);
    const uint32_t r = (((rgb >> 16) & 0xFF) + step) & 0xFF;
    const uint32_t g = (((rgb >> 8) & 0xFF) + step * 3) & 0xFF;
    return (r << 16) | (g << 8) | (rgb & 0xFF);
}

Image Card(int32_t w, int32_t h, int id)
{
    // Category of each month's four cards: G gwang, A animal, R ribbon, P pi, D double pi.
    static const char* const kMonths[] = {"GRPP", "ARPP", "GRPP", "ARPP", "ARPP", "ARPP",
                                          "ARPP", "GAPP", "ARPP", "ARPP", "GDPP", "GARD"};
    static const uint32_t kColors[] = {0xE8C040, 0x60A0E0, 0xE06060, 0xF0F0E0, 0xC0C0A0};
    if (id >= 50) {
        Image back = Flat(w, h, 0xA02020);
        Text(back, 2, 2, "BACK", 0xA02020, 1);
        return back;
    }
    const char category = id >= 48 ? 'D' : kMonths[id / 4][id % 4];
    const int colourIndex = category == 'G' ? 0 : category == 'A' ? 1 : category == 'R' ? 2 : category == 'P' ? 3 : 4;
    const uint32_t rgb = kColors[colourIndex];
    Image card = Flat(w, h, rgb);
    const std::string month = id >= 48 ? "B" : std::to_string(id / 4 + 1);
    const int scale = w >= 30 ? 2 : 1;
    Text(card, 2, 2, month, rgb, scale);
    Text(card, 2, 2 + 6 * scale, std::string(1, category), rgb, scale);
    Text(card, 2, h - 7, std::to_string(id), rgb, 1);
    return card;
}

}  // namespace placeholder
