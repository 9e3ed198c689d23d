#include <bit>

#include "foundation/core/Wire.h"
#include "graphics/resources/core/Image.h"

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;

// One channel of a bit-field pixel, scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    static std::optional<Channel> FromMask(uint32_t mask)
    {
        if (mask == 0) return Channel{};
        const int shift = std::countr_zero(mask);
        const uint32_t bits = mask >> shift;
        if ((bits & (bits + 1)) != 0) return std::nullopt;  // not contiguous
        return Channel{mask, shift, bits};
    }
    uint8_t Of(uint32_t v) const
    {
        if (max == 0) return 0;
        return static_cast<uint8_t>(uint64_t{(v & mask) >> shift} * 255u / max);
    }
};

struct Header {
    int32_t width = 0;
    int32_t height = 0;
    bool topDown = false;
    uint16_t bits = 0;
    uint32_t compression = kBiRgb;
    uint32_t colorsUsed = 0;
    uint32_t headerSize = 0;
    uint32_t masks[4] = {};  // red, green, blue, alpha
    bool hasMasks = false;
};

bool ReadInfoHeader(ByteReader& r, Header& h)
{
    if (!r.U32(h.headerSize)) return false;
    if (h.headerSize == 12) {
        uint16_t w = 0, hh = 0, planes = 0;
        if (!r.U16(w) || !r.U16(hh) || !r.U16(planes) || !r.U16(h.bits)) return false;
        h.width = w;
        h.height = hh;
        return planes == 1;
    }
    if (h.headerSize < 40 || h.headerSize > 1024) return false;
    int32_t height = 0;
    uint16_t planes = 0;
    uint32_t ignored = 0;
    if (!r.I32(h.width) || !r.I32(height) || !r.U16(planes) || !r.U16(h.bits) || !r.U32(h.compression) ||
        !r.U32(ignored) || !r.U32(ignored) || !r.U32(ignored) || !r.U32(h.colorsUsed) || !r.U32(ignored))
        return false;
    if (planes != 1 || height == INT32_MIN) return false;
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    uint32_t extra = h.headerSize - 40;
    // Version 3 with BI_BITFIELDS keeps the masks right after the header; later headers inside it.
    const bool masksInFile = h.compression == kBiBitfields || h.compression == kBiAlphaBitfields;
    const int maskCount = h.headerSize >= 56 ? 4 : h.headerSize >= 52 ? 3 : 0;
    for (int i = 0; i < maskCount; ++i) {
        if (!r.U32(h.masks[i])) return false;
        extra -= 4;
    }
    if (!r.Skip(extra)) return false;
    if (masksInFile && h.headerSize == 40) {
        const int n = h.compression == kBiAlphaBitfields ? 4 : 3;
        for (int i = 0; i < n; ++i)
            if (!r.U32(h.masks[i])) return false;
    }
    h.hasMasks = masksInFile;
    return true;
}

bool IsPaletted(uint16_t bits) { return bits == 1 || bits == 4 || bits == 8; }

bool IsRunLength(const Header& h)
{
    return (h.compression == kBiRle8 && h.bits == 8) || (h.compression == kBiRle4 && h.bits == 4);
}

// Writes run-length pixels into a bottom-up image whose every pixel is already palette entry 0,
// the colour of what the codes skip. Pixels past the end of a row are dropped, a delta or line end
// past the last row ends the picture; a code cut short, data ending before the picture does or an
// index beyond the palette fails.
class RunLengthReader {
public:
    RunLengthReader(std::span<const uint8_t> codes, int bits, const std::vector<uint32_t>& palette, Image& image)
        : data(codes), nibbles(bits == 4), colours(palette), out(image)
    {
    }

    bool Read()
    {
        while (y < out.height) {
            uint8_t count = 0, value = 0;
            if (!Take(count) || !Take(value)) return false;
            if (count > 0) {
                if (!Run(count, value)) return false;
                continue;
            }
            switch (value) {
            case 0: x = 0, ++y; break;  // end of line
            case 1: return true;        // end of bitmap
            case 2: {                   // delta: right and up
                uint8_t dx = 0, dy = 0;
                if (!Take(dx) || !Take(dy)) return false;
                x += dx, y += dy;
                break;
            }
            default:
                if (!Absolute(value)) return false;
            }
        }
        return true;
    }

private:
    bool Take(uint8_t& b)
    {
        if (at >= data.size()) return false;
        b = data[at++];
        return true;
    }

    bool Put(uint8_t index)
    {
        if (index >= colours.size()) return false;
        if (x < out.width) out.pixels[static_cast<size_t>(out.height - 1 - y) * out.width + static_cast<size_t>(x)] = colours[index];
        ++x;
        return true;
    }

    // `count` pixels of one byte: the byte itself, or its two nibbles in turn.
    bool Run(uint8_t count, uint8_t value)
    {
        for (int i = 0; i < count; ++i)
            if (!Put(nibbles ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value)) return false;
        return true;
    }

    // `count` literal pixels, their bytes padded to an even number.
    bool Absolute(uint8_t count)
    {
        const size_t bytes = nibbles ? (count + 1u) / 2 : count;
        const size_t padded = bytes + bytes % 2;
        if (data.size() - at < padded) return false;
        const uint8_t* p = data.data() + at;
        for (int i = 0; i < count; ++i)
            if (!Put(nibbles ? (i % 2 == 0 ? p[i / 2] >> 4 : p[i / 2] & 0x0F) : p[i])) return false;
        at += padded;
        return true;
    }

    std::span<const uint8_t> data;
    size_t at = 0;
    bool nibbles;
    const std::vector<uint32_t>& colours;
    Image& out;
    int64_t x = 0, y = 0;  // y counts rows from the bottom
};

}  // namespace

std::optional<Image> DecodeBmp(std::span<const uint8_t> bytes)
{
    ByteReader r(bytes.data(), bytes.size());
    uint8_t b = 0, m = 0;
    uint32_t ignored = 0, dataOffset = 0;
    if (!r.U8(b) || !r.U8(m) || b != 'B' || m != 'M') return std::nullopt;
    if (!r.U32(ignored) || !r.U32(ignored) || !r.U32(dataOffset)) return std::nullopt;
    Header h;
    if (!ReadInfoHeader(r, h)) return std::nullopt;
    if (!IsImageSizeAllowed(h.width, h.height)) return std::nullopt;

    const bool paletted = IsPaletted(h.bits);
    const bool runLength = IsRunLength(h);
    if (paletted) {
        if (h.compression != kBiRgb && !runLength) return std::nullopt;
        if (runLength && h.topDown) return std::nullopt;  // run-length rows only go bottom-up
    } else if (h.bits == 16 || h.bits == 32) {
        if (h.compression != kBiRgb && !h.hasMasks) return std::nullopt;
    } else if (h.bits != 24 || h.compression != kBiRgb) {
        return std::nullopt;  // JPEG and PNG payloads are not used by the game
    }

    // Palette.
    std::vector<uint32_t> palette;
    if (paletted) {
        const uint32_t maxColors = 1u << h.bits;
        const uint32_t count = h.colorsUsed == 0 ? maxColors : h.colorsUsed;
        if (count > maxColors) return std::nullopt;
        const size_t entrySize = h.headerSize == 12 ? 3 : 4;
        if (r.Remaining() < count * entrySize) return std::nullopt;
        for (uint32_t i = 0; i < count; ++i) {
            uint8_t c[4] = {};
            if (!r.Bytes(c, entrySize)) return std::nullopt;
            palette.push_back(Argb(0xFF, c[2], c[1], c[0]));
        }
    }

    // Channel masks.
    uint32_t masks[4] = {h.masks[0], h.masks[1], h.masks[2], h.masks[3]};
    if (!h.hasMasks) {
        if (h.bits == 16) {
            masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
        } else {
            masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
        }
        masks[3] = 0;  // the fourth byte of a plain 32-bit pixel is unused
    }
    Channel ch[4];
    for (int i = 0; i < 4; ++i) {
        const auto c = Channel::FromMask(masks[i]);
        if (!c) return std::nullopt;
        ch[i] = *c;
    }
    if (h.bits == 16 && ((masks[0] | masks[1] | masks[2] | masks[3]) >> 16) != 0) return std::nullopt;

    if (runLength) {
        if (dataOffset < r.Position() || dataOffset > bytes.size()) return std::nullopt;
        if (palette.empty()) return std::nullopt;
        auto image = Image::Create(h.width, h.height, palette.front());
        if (!image) return std::nullopt;
        RunLengthReader rle(bytes.subspan(dataOffset), h.bits, palette, *image);
        if (!rle.Read()) return std::nullopt;
        return image;
    }

    // Pixel rows.
    const uint64_t stride = ((uint64_t{static_cast<uint32_t>(h.width)} * h.bits + 31) / 32) * 4;
    const uint64_t dataSize = stride * static_cast<uint64_t>(h.height);
    if (dataOffset < r.Position() || dataOffset > bytes.size() || bytes.size() - dataOffset < dataSize)
        return std::nullopt;

    auto image = Image::Create(h.width, h.height);
    if (!image) return std::nullopt;
    for (int32_t row = 0; row < h.height; ++row) {
        const uint8_t* src = bytes.data() + dataOffset + stride * static_cast<uint64_t>(row);
        const int32_t y = h.topDown ? row : h.height - 1 - row;
        uint32_t* dst = &image->pixels[static_cast<size_t>(y) * h.width];
        for (int32_t x = 0; x < h.width; ++x) {
            if (paletted) {
                const uint32_t bitPos = static_cast<uint32_t>(x) * h.bits;
                const uint32_t idx = (src[bitPos / 8] >> (8 - h.bits - bitPos % 8)) & ((1u << h.bits) - 1);
                if (idx >= palette.size()) return std::nullopt;
                dst[x] = palette[idx];
            } else if (h.bits == 24) {
                const uint8_t* p = src + x * 3;
                dst[x] = Argb(0xFF, p[2], p[1], p[0]);
            } else {
                const uint8_t* p = src + x * (h.bits / 8);
                const uint32_t v = h.bits == 16 ? LoadLE16(p) : LoadLE32(p);
                const uint8_t a = ch[3].max ? ch[3].Of(v) : 0xFF;
                dst[x] = Argb(a, ch[0].Of(v), ch[1].Of(v), ch[2].Of(v));
            }
        }
    }
    return image;
}
