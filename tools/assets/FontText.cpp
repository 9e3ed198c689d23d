#include "FontText.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <utility>

namespace fonttext {

namespace {

constexpr const char* kDefaultFont = "/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf";

struct Font {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::string error;

    Font()
    {
        const char* env = std::getenv("MIRELLE_FONT");
        const std::string path = env && *env ? env : kDefaultFont;
        if (FT_Init_FreeType(&library) != 0) {
            error = "FreeType did not start";
            return;
        }
        if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
            error = "cannot read the font " + path + " (fonts-nanum, which scripts/setup installs)";
            face = nullptr;
        }
    }
    ~Font()
    {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

Font& TheFont()
{
    static Font font;
    return font;
}

std::vector<char32_t> CodePoints(const std::string& utf8)
{
    std::vector<char32_t> out;
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        char32_t cp = extra == 0 ? b : b & (0x3F >> extra);
        size_t j = i + 1;
        for (; j < utf8.size() && j <= i + static_cast<size_t>(extra); ++j)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[j]) & 0x3F);
        out.push_back(cp);
        i = j;
    }
    return out;
}

// Walks the rendered glyphs of a line whose baseline starts at (0, 0): visit(bitmap, left, top).
template <class Visit>
void Walk(const std::string& utf8, int pixels, Visit visit)
{
    FT_Face face = TheFont().face;
    if (!face || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::max(pixels, 1))) != 0) return;
    int pen = 0;
    for (const char32_t cp : CodePoints(utf8)) {
        if (FT_Load_Char(face, cp, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot g = face->glyph;
        visit(g->bitmap, pen + g->bitmap_left, -g->bitmap_top);
        pen += static_cast<int>(g->advance.x >> 6);
    }
}

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
};

Box InkBox(const std::string& utf8, int pixels)
{
    Box box;
    Walk(utf8, pixels, [&](const FT_Bitmap& b, int left, int top) {
        if (b.width == 0 || b.rows == 0) return;
        box.left = std::min(box.left, left);
        box.top = std::min(box.top, top);
        box.right = std::max(box.right, left + static_cast<int>(b.width));
        box.bottom = std::max(box.bottom, top + static_cast<int>(b.rows));
    });
    return box;
}

uint32_t Blend(uint32_t under, uint32_t ink, unsigned alpha)
{
    uint32_t out = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t a = (under >> shift) & 0xFF, b = (ink >> shift) & 0xFF;
        out |= ((a * (255 - alpha) + b * alpha) / 255) << shift;
    }
    return out;
}

}  // namespace

bool Ready(std::string& error)
{
    error = TheFont().error;
    return TheFont().face != nullptr;
}

Extent Measure(const std::string& utf8, int pixels)
{
    // Labels repeat over many frames: each text is measured once per size.
    static std::map<std::pair<std::string, int>, Extent> measured;
    const auto key = std::make_pair(utf8, pixels);
    if (const auto it = measured.find(key); it != measured.end()) return it->second;
    const Box box = InkBox(utf8, pixels);
    const Extent e = box.left > box.right ? Extent{} : Extent{box.right - box.left, box.bottom - box.top};
    return measured[key] = e;
}

int Fit(const std::string& utf8, int maxPixels, int w, int h)
{
    // The ink grows with the size: the largest size that fits, by halving.
    int low = 6, high = std::max(maxPixels, 6);
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        const Extent e = Measure(utf8, mid);
        if (e.width <= w && e.height <= h) low = mid;
        else high = mid - 1;
    }
    return low;
}

void Draw(Image& image, int x, int y, const std::string& utf8, int pixels, uint32_t ink)
{
    const Box box = InkBox(utf8, pixels);
    if (box.left > box.right) return;
    Walk(utf8, pixels, [&](const FT_Bitmap& b, int left, int top) {
        for (unsigned r = 0; r < b.rows; ++r)
            for (unsigned c = 0; c < b.width; ++c) {
                const unsigned alpha = b.buffer[r * static_cast<unsigned>(std::abs(b.pitch)) + c];
                const int px = x + left - box.left + static_cast<int>(c);
                const int py = y + top - box.top + static_cast<int>(r);
                if (alpha == 0 || px < 0 || py < 0 || px >= image.width || py >= image.height) continue;
                image.At(px, py) = Blend(image.At(px, py), ink, alpha);
            }
    });
}

void DrawCentred(Image& image, int x, int y, int w, int h, const std::string& utf8, int pixels, uint32_t ink)
{
    const Extent e = Measure(utf8, pixels);
    Draw(image, x + (w - e.width) / 2, y + (h - e.height) / 2, utf8, pixels, ink);
}

std::vector<std::string> Characters(const std::string& utf8)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < utf8.size();) {
        size_t j = i + 1;
        while (j < utf8.size() && (static_cast<unsigned char>(utf8[j]) & 0xC0) == 0x80) ++j;
        out.push_back(utf8.substr(i, j - i));
        i = j;
    }
    return out;
}

}  // namespace fonttext
