#include "toolkit/core/PixelBlend.h"

#include <cstring>

void BlendRow(PixelMode m, uint8_t* row, int count, uint32_t colour, int alpha)
{
    const int bytes = BytesPerPixel(m);
    if (bytes == 0) return;
    for (int i = 0; i < count; ++i) {
        uint8_t* at = row + i * bytes;
        uint32_t p = 0;
        std::memcpy(&p, at, static_cast<size_t>(bytes));
        p = BlendPixel(m, p, colour, alpha);
        std::memcpy(at, &p, static_cast<size_t>(bytes));
    }
}
