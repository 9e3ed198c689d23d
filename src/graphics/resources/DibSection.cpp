#include "graphics/resources/DibSection.h"

#include "foundation/Debug.h"

DibHeader MakeDibHeader(int32_t width, int32_t height, PixelMode mode)
{
    DibHeader h{};
    h.header.biSize = sizeof(BITMAPINFOHEADER);
    h.header.biWidth = width;
    h.header.biHeight = -height;  // top-down, like the surfaces
    h.header.biPlanes = 1;
    h.header.biBitCount = static_cast<WORD>(BytesPerPixel(mode) * 8);
    h.header.biCompression = BI_RGB;
    if (mode == PixelMode::Rgb565 || mode == PixelMode::Rgb555) {
        h.header.biCompression = BI_BITFIELDS;
        const bool is565 = mode == PixelMode::Rgb565;
        h.masks[0] = is565 ? 0xF800 : 0x7C00;
        h.masks[1] = is565 ? 0x07E0 : 0x03E0;
        h.masks[2] = 0x001F;
    }
    return h;
}

DibSection::~DibSection() { Destroy(); }

bool DibSection::Create(int32_t width, int32_t height, PixelMode mode)
{
    Destroy();
    if (!IsImageSizeAllowed(width, height) || BytesPerPixel(mode) == 0) return false;
    header = MakeDibHeader(width, height, mode);
    dc = CreateCompatibleDC(nullptr);
    if (!dc) return false;
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, header.Info(), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        DebugLine("CreateDIBSection %dx%d failed (%lu)", width, height, GetLastError());
        Destroy();
        return false;
    }
    oldBitmap = SelectObject(dc, bitmap);
    const int32_t pitch = ((width * BytesPerPixel(mode)) + 3) & ~3;  // DIB rows end on 4 bytes
    view = {static_cast<uint8_t*>(bits), width, height, pitch, mode};
    return true;
}

void DibSection::Destroy()
{
    if (dc && oldBitmap) SelectObject(dc, oldBitmap);
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
    dc = nullptr;
    bitmap = nullptr;
    oldBitmap = nullptr;
    view = {};
}

bool CreateDibFromImage(DibSection& dib, const Image& image, PixelMode mode, uint32_t colorKey)
{
    if (!dib.Create(image.width, image.height, mode)) return false;
    GdiFlush();
    StoreImage(image, dib.View(), colorKey);
    return true;
}
