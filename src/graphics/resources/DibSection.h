#pragma once

#include "foundation/Win32.h"
#include "graphics/resources/core/Blit.h"

// A top-down BITMAPINFO of one of the surface formats; 16-bit modes carry their bit fields.
struct DibHeader {
    BITMAPINFOHEADER header;
    DWORD masks[3];

    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(this); }
};
DibHeader MakeDibHeader(int32_t width, int32_t height, PixelMode mode);

// A DIB section selected into its own memory device context: GDI draws into it (text, the
// dialog's skin) and the blitters reach its pixels through View().
class DibSection {
public:
    DibSection() = default;
    ~DibSection();
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    [[nodiscard]] bool Create(int32_t width, int32_t height, PixelMode mode);
    void Destroy();

    HDC Dc() const { return dc; }
    HBITMAP Bitmap() const { return bitmap; }
    // GDI may still be drawing: call GdiFlush before reading the pixels.
    const PixelView& View() const { return view; }
    const DibHeader& Header() const { return header; }

private:
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    DibHeader header{};
    PixelView view;
};

// A DIB section holding the image converted to `mode`, transparent pixels as `colorKey`.
[[nodiscard]] bool CreateDibFromImage(DibSection& dib, const Image& image, PixelMode mode, uint32_t colorKey);
