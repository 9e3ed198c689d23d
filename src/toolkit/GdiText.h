#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <ddraw.h>

#include "foundation/Win32.h"
#include "foundation/core/Geometry.h"

// One shared GDI font of a description (height in pixels, weight 400 or 700), taken from
// XResEntryMgr::GetFont and given back when the holder lets go of it or takes another.
class GdiFont {
public:
    GdiFont() = default;
    ~GdiFont() { Reset(); }
    GdiFont(const GdiFont&) = delete;
    GdiFont& operator=(const GdiFont&) = delete;

    // False when GDI gives no font; the old font is kept then. No face: the default Korean face.
    [[nodiscard]] bool Create(int height, int weight, const char* face = nullptr, BYTE quality = DEFAULT_QUALITY);
    void Reset();
    HFONT Get() const { return font; }
    int GetHeight() const { return height; }
    int GetWeight() const { return weight; }
    BYTE GetQuality() const { return quality; }

private:
    HFONT font = nullptr;
    int height = 0;
    int weight = 0;
    BYTE quality = DEFAULT_QUALITY;
};

// Draws a CP949 text with GDI on a surface, inside box and clipped to clip; DrawText format flags.
bool DrawTextOnSurface(IDirectDrawSurface4* surface, const Rect& box, const Rect& clip, std::string_view text,
                       HFONT font, uint32_t colorRef, unsigned format);

// The width and height of one line of text in the font.
Size MeasureText(HFONT font, std::string_view text);
