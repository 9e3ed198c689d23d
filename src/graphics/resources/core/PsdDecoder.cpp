#include "graphics/resources/core/Image.h"
#include <algorithm>

namespace {

// Big-endian reads over a byte range; a read past the end fails and keeps failing.
class BigEndianReader {
public:
    explicit BigEndianReader(std::span<const uint8_t> b) : bytes(b) {}

    bool U16(uint16_t& v)
    {
        if (!Has(2)) return false;
        v = static_cast<uint16_t>((bytes[pos] << 8) | bytes[pos + 1]);
        pos += 2;
        return true;
    }
    bool U32(uint32_t& v)
    {
        if (!Has(4)) return false;
        v = (uint32_t{bytes[pos]} << 24) | (uint32_t{bytes[pos + 1]} << 16) | (uint32_t{bytes[pos + 2]} << 8) | bytes[pos + 3];
        pos += 4;
        return true;
    }
    bool Skip(uint64_t n)
    {
        if (!Has(n)) return false;
        pos += static_cast<size_t>(n);
        return true;
    }
    // A section: a 32-bit length followed by that many bytes.
    bool SkipSection()
    {
        uint32_t n = 0;
        return U32(n) && Skip(n);
    }
    size_t Position() const { return pos; }
    size_t Remaining() const { return bytes.size() - pos; }
    bool Has(uint64_t n) const { return n <= bytes.size() - pos; }

private:
    std::span<const uint8_t> bytes;
    size_t pos = 0;
};

enum class ColorMode : uint16_t { Grayscale = 1, Rgb = 3 };

// One PackBits row into exactly `out.size()` bytes; false when it over- or under-runs.
bool UnpackRow(std::span<const uint8_t> in, std::span<uint8_t> out)
{
    size_t i = 0, o = 0;
    while (i < in.size()) {
        const int8_t n = static_cast<int8_t>(in[i++]);
        if (n >= 0) {
            const size_t count = static_cast<size_t>(n) + 1;
            if (count > in.size() - i || count > out.size() - o) return false;
            std::copy_n(in.begin() + static_cast<ptrdiff_t>(i), count, out.begin() + static_cast<ptrdiff_t>(o));
            i += count;
            o += count;
        } else if (n != -128) {
            const size_t count = static_cast<size_t>(1 - n);
            if (i >= in.size() || count > out.size() - o) return false;
            std::fill_n(out.begin() + static_cast<ptrdiff_t>(o), count, in[i++]);
            o += count;
        }
    }
    return o == out.size();
}

}  // namespace

std::optional<Image> DecodePsd(std::span<const uint8_t> bytes)
{
    if (bytes.size() < 4 || bytes[0] != '8' || bytes[1] != 'B' || bytes[2] != 'P' || bytes[3] != 'S') return std::nullopt;
    BigEndianReader r(bytes);
    uint16_t version = 0, channels = 0, depth = 0, mode = 0, compression = 0;
    uint32_t height = 0, width = 0;
    if (!r.Skip(4) || !r.U16(version) || !r.Skip(6) || !r.U16(channels) || !r.U32(height) || !r.U32(width) ||
        !r.U16(depth) || !r.U16(mode))
        return std::nullopt;
    if (version != 1 || depth != 8 || channels < 1 || channels > 56) return std::nullopt;
    if (mode != static_cast<uint16_t>(ColorMode::Rgb) && mode != static_cast<uint16_t>(ColorMode::Grayscale)) return std::nullopt;
    const bool rgb = mode == static_cast<uint16_t>(ColorMode::Rgb);
    if (channels < (rgb ? 3 : 1)) return std::nullopt;
    if (!IsImageSizeAllowed(width, height)) return std::nullopt;
    // Colour mode data, image resources and the layers: the flattened composite follows them.
    if (!r.SkipSection() || !r.SkipSection() || !r.SkipSection() || !r.U16(compression)) return std::nullopt;

    const int colorChannels = rgb ? 3 : 1;
    const int used = std::min<int>(channels, colorChannels + 1);  // colour, then alpha when present
    const size_t rowBytes = width;
    const size_t planeBytes = rowBytes * height;
    // 0 raw, 1 run-length; deflate appears only in layer data of later versions. Raw planes are
    // all there, or each run-length row has at least its count and one packet.
    const uint64_t least = compression == 0 ? uint64_t{planeBytes} * channels : uint64_t{height} * channels * 4;
    if (compression > 1 || !r.Has(least)) return std::nullopt;
    std::vector<uint8_t> planes(planeBytes * static_cast<size_t>(used));
    const size_t base = r.Position();
    if (compression == 0) {
        std::copy_n(bytes.begin() + static_cast<ptrdiff_t>(base), planes.size(), planes.begin());
    } else {
        const uint64_t rowCount = uint64_t{height} * channels;
        if (!r.Has(rowCount * 2)) return std::nullopt;
        size_t dataPos = base + static_cast<size_t>(rowCount) * 2;
        for (uint64_t row = 0; row < rowCount; ++row) {
            uint16_t n = 0;
            if (!r.U16(n)) return std::nullopt;
            if (n > bytes.size() - dataPos) return std::nullopt;
            if (row < uint64_t{height} * used) {
                const std::span<uint8_t> out(planes.data() + row * rowBytes, rowBytes);
                if (!UnpackRow(bytes.subspan(dataPos, n), out)) return std::nullopt;
            }
            dataPos += n;
        }
    }

    auto image = Image::Create(static_cast<int32_t>(width), static_cast<int32_t>(height));
    if (!image) return std::nullopt;
    const bool hasAlpha = used > colorChannels;
    for (size_t i = 0; i < planeBytes; ++i) {
        const uint8_t r8 = planes[i];
        const uint8_t g8 = rgb ? planes[planeBytes + i] : r8;
        const uint8_t b8 = rgb ? planes[2 * planeBytes + i] : r8;
        const uint8_t a8 = hasAlpha ? planes[static_cast<size_t>(colorChannels) * planeBytes + i] : 0xFF;
        image->pixels[i] = Argb(a8, r8, g8, b8);
    }
    return image;
}
