#include <algorithm>

#include "foundation/core/Wire.h"
#include "graphics/resources/core/Image.h"

namespace {

enum TgaType : uint8_t { kMapped = 1, kTrueColor = 2, kGrey = 3, kRleMapped = 9, kRleTrueColor = 10, kRleGrey = 11 };

struct Header {
    uint8_t idLength, mapType, type;
    uint16_t mapFirst, mapLength;
    uint8_t mapEntryBits;
    int16_t originX, originY;
    uint16_t width, height;
    uint8_t bits, descriptor;
};

bool ReadHeader(ByteReader& r, Header& h)
{
    uint16_t ox = 0, oy = 0;
    const bool ok = r.U8(h.idLength) && r.U8(h.mapType) && r.U8(h.type) && r.U16(h.mapFirst) && r.U16(h.mapLength) &&
                    r.U8(h.mapEntryBits) && r.U16(ox) && r.U16(oy) && r.U16(h.width) && r.U16(h.height) &&
                    r.U8(h.bits) && r.U8(h.descriptor);
    h.originX = static_cast<int16_t>(ox);
    h.originY = static_cast<int16_t>(oy);
    return ok;
}

// A colour of 15, 16, 24 or 32 bits; `alphaBits` says whether its top bits are alpha.
uint32_t ColorOf(const uint8_t* p, int bits, bool useAlpha)
{
    switch (bits) {
    case 15:
    case 16: {
        const uint32_t v = LoadLE16(p);
        auto widen = [](uint32_t c) { return static_cast<uint8_t>(c * 255 / 31); };
        const uint8_t a = (bits == 16 && useAlpha) ? ((v & 0x8000) ? 0xFF : 0) : 0xFF;
        return Argb(a, widen((v >> 10) & 31), widen((v >> 5) & 31), widen(v & 31));
    }
    case 24: return Argb(0xFF, p[2], p[1], p[0]);
    case 32: return Argb(useAlpha ? p[3] : 0xFF, p[2], p[1], p[0]);
    default: return 0;
    }
}

class PixelSource {
public:
    PixelSource(const Header& h, std::vector<uint32_t> colorMap, bool useAlpha)
        : header(h), map(std::move(colorMap)), alpha(useAlpha), bytesPerPixel((h.bits + 7) / 8)
    {
    }

    // The colour of one stored pixel value, or false when it indexes outside the colour map.
    bool Decode(const uint8_t* p, uint32_t& out) const
    {
        const uint8_t base = header.type & 7;
        if (base == kMapped) {
            const uint32_t index = header.bits == 8 ? p[0] : LoadLE16(p);
            if (index < header.mapFirst || index - header.mapFirst >= map.size()) return false;
            out = map[index - header.mapFirst];
            return true;
        }
        if (base == kGrey) {
            const uint8_t a = (header.bits == 16 && alpha) ? p[1] : 0xFF;
            out = Argb(a, p[0], p[0], p[0]);
            return true;
        }
        out = ColorOf(p, header.bits, alpha);
        return true;
    }
    int BytesPerPixel() const { return bytesPerPixel; }

private:
    const Header& header;
    std::vector<uint32_t> map;
    bool alpha;
    int bytesPerPixel;
};

bool IsSupportedDepth(const Header& h)
{
    switch (h.type & 7) {
    case kMapped: return h.mapType == 1 && (h.bits == 8 || h.bits == 16);
    case kTrueColor: return h.bits == 15 || h.bits == 16 || h.bits == 24 || h.bits == 32;
    case kGrey: return h.bits == 8 || h.bits == 16;
    default: return false;
    }
}

// Pixels in file order (rows as stored), raw or run-length; each packet's bytes taken in one piece.
bool ReadPixels(ByteReader& r, const Header& h, const PixelSource& src, std::vector<uint32_t>& out)
{
    const size_t total = out.size();
    const size_t bpp = static_cast<size_t>(src.BytesPerPixel());
    auto decodeRun = [&](const uint8_t* p, size_t at, size_t count) {
        for (size_t k = 0; k < count; ++k, p += bpp)
            if (!src.Decode(p, out[at + k])) return false;
        return true;
    };
    if ((h.type & 8) == 0) {
        if (r.Remaining() / bpp < total) return false;
        const uint8_t* p = r.View(total * bpp);
        return p && decodeRun(p, 0, total);
    }
    size_t i = 0;
    while (i < total) {
        uint8_t packet = 0;
        if (!r.U8(packet)) return false;
        const size_t count = (packet & 0x7F) + 1u;
        if (count > total - i) return false;  // a packet running past the last pixel
        const uint8_t* p = r.View((packet & 0x80) ? bpp : count * bpp);
        if (!p) return false;
        if (packet & 0x80) {
            uint32_t c = 0;
            if (!src.Decode(p, c)) return false;
            std::fill_n(out.begin() + static_cast<ptrdiff_t>(i), count, c);
        } else if (!decodeRun(p, i, count)) {
            return false;
        }
        i += count;
    }
    return true;
}

// Rows stored bottom-up or right to left put in place: top-down, left to right.
void ToScreenOrder(Image& image, bool rightToLeft, bool topDown)
{
    const size_t width = static_cast<size_t>(image.width);
    if (!topDown)
        for (int32_t y = 0; y < image.height / 2; ++y)
            std::swap_ranges(image.pixels.begin() + static_cast<ptrdiff_t>(y * width),
                             image.pixels.begin() + static_cast<ptrdiff_t>((y + 1) * width),
                             image.pixels.begin() + static_cast<ptrdiff_t>((image.height - 1 - y) * width));
    if (rightToLeft)
        for (int32_t y = 0; y < image.height; ++y)
            std::reverse(image.pixels.begin() + static_cast<ptrdiff_t>(y * width),
                         image.pixels.begin() + static_cast<ptrdiff_t>((y + 1) * width));
}

}  // namespace

std::optional<Image> DecodeTga(std::span<const uint8_t> bytes)
{
    ByteReader r(bytes.data(), bytes.size());
    Header h{};
    if (!ReadHeader(r, h)) return std::nullopt;
    if (h.mapType > 1 || !IsSupportedDepth(h)) return std::nullopt;
    if ((h.type & ~8) == 0 || (h.type & ~0x0B) != 0) return std::nullopt;
    if (!IsImageSizeAllowed(h.width, h.height)) return std::nullopt;
    if (!r.Skip(h.idLength)) return std::nullopt;

    // A colour map is read when the pixels index it and skipped otherwise.
    std::vector<uint32_t> map;
    if (h.mapType == 1) {
        const int entryBits = h.mapEntryBits;
        if (entryBits != 15 && entryBits != 16 && entryBits != 24 && entryBits != 32) return std::nullopt;
        const size_t entryBytes = static_cast<size_t>((entryBits + 7) / 8);
        if (r.Remaining() / entryBytes < h.mapLength) return std::nullopt;
        for (uint16_t i = 0; i < h.mapLength; ++i) {
            uint8_t e[4] = {};
            if (!r.Bytes(e, entryBytes)) return std::nullopt;
            if ((h.type & 7) == kMapped) map.push_back(ColorOf(e, entryBits, entryBits == 32 || entryBits == 16));
        }
        if ((h.type & 7) == kMapped && map.empty()) return std::nullopt;
    }

    // The least the pixel data can take, checked before allocating for a size from the header.
    const uint64_t total = uint64_t{h.width} * h.height;
    const uint64_t bpp = (h.bits + 7u) / 8u;
    const uint64_t least = (h.type & 8) ? (total + 127) / 128 * (1 + bpp) : total * bpp;
    if (r.Remaining() < least) return std::nullopt;

    const int alphaBits = h.descriptor & 0x0F;
    PixelSource src(h, std::move(map), alphaBits > 0);
    auto image = Image::Create(h.width, h.height);
    if (!image || !ReadPixels(r, h, src, image->pixels)) return std::nullopt;
    ToScreenOrder(*image, (h.descriptor & 0x10) != 0, (h.descriptor & 0x20) != 0);
    image->hotSpot = {h.originX, h.originY};
    return image;
}
