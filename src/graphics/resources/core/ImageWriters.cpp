#include "graphics/resources/core/ImageWriters.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "foundation/core/Wire.h"

namespace {

uint8_t Red(uint32_t p) { return static_cast<uint8_t>(p >> 16); }
uint8_t Green(uint32_t p) { return static_cast<uint8_t>(p >> 8); }
uint8_t Blue(uint32_t p) { return static_cast<uint8_t>(p); }

bool IsWritable(const Image& image)
{
    return IsImageSizeAllowed(image.width, image.height) &&
           image.pixels.size() == static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
}

// Opaque colours (RGB only) in order of first appearance; empty when there are more than `limit`.
std::vector<uint32_t> CollectPalette(std::span<const Image> frames, size_t limit, bool skipTransparent)
{
    std::map<uint32_t, bool> seen;
    std::vector<uint32_t> palette;
    for (const Image& f : frames) {
        for (uint32_t p : f.pixels) {
            if (skipTransparent && AlphaOf(p) < 128) continue;
            const uint32_t rgb = p & 0xFFFFFF;
            if (!seen.emplace(rgb, true).second) continue;
            if (palette.size() == limit) return {};
            palette.push_back(rgb);
        }
    }
    return palette;
}

// ---- BMP

void WriteBmpPixel(std::vector<uint8_t>& row, BmpPixels kind, uint32_t p,
                   const std::unordered_map<uint32_t, uint8_t>& index)
{
    switch (kind) {
    case BmpPixels::Indexed8: row.push_back(index.at(p & 0xFFFFFF)); break;
    case BmpPixels::Rgb555: {
        const uint16_t v = static_cast<uint16_t>(((Red(p) >> 3) << 10) | ((Green(p) >> 3) << 5) | (Blue(p) >> 3));
        row.push_back(static_cast<uint8_t>(v));
        row.push_back(static_cast<uint8_t>(v >> 8));
        break;
    }
    case BmpPixels::Rgb565: {
        const uint16_t v = static_cast<uint16_t>(((Red(p) >> 3) << 11) | ((Green(p) >> 2) << 5) | (Blue(p) >> 3));
        row.push_back(static_cast<uint8_t>(v));
        row.push_back(static_cast<uint8_t>(v >> 8));
        break;
    }
    case BmpPixels::Rgb24: row.insert(row.end(), {Blue(p), Green(p), Red(p)}); break;
    case BmpPixels::Rgb32: row.insert(row.end(), {Blue(p), Green(p), Red(p), 0xFF}); break;
    }
}

int BitsOf(BmpPixels kind)
{
    switch (kind) {
    case BmpPixels::Indexed8: return 8;
    case BmpPixels::Rgb555:
    case BmpPixels::Rgb565: return 16;
    case BmpPixels::Rgb24: return 24;
    case BmpPixels::Rgb32: return 32;
    }
    return 0;
}

// ---- TGA

void WriteTgaPixel(ByteWriter& w, int bits, uint32_t p)
{
    if (bits == 16) {
        const uint16_t alphaBit = AlphaOf(p) >= 128 ? 0x8000 : 0;
        w.U16(static_cast<uint16_t>(alphaBit | ((Red(p) >> 3) << 10) | ((Green(p) >> 3) << 5) | (Blue(p) >> 3)));
        return;
    }
    w.U8(Blue(p));
    w.U8(Green(p));
    w.U8(Red(p));
    if (bits == 32) w.U8(AlphaOf(p));
}

// Packets stay inside one row, as most readers expect.
void WriteTgaRleRow(ByteWriter& w, int bits, const uint32_t* row, int32_t width)
{
    int32_t x = 0;
    while (x < width) {
        int32_t run = 1;
        while (x + run < width && run < 128 && row[x + run] == row[x]) ++run;
        if (run >= 2) {
            w.U8(static_cast<uint8_t>(0x80 | (run - 1)));
            WriteTgaPixel(w, bits, row[x]);
            x += run;
            continue;
        }
        int32_t raw = 1;
        while (x + raw < width && raw < 128 && !(x + raw + 1 < width && row[x + raw] == row[x + raw + 1])) ++raw;
        w.U8(static_cast<uint8_t>(raw - 1));
        for (int32_t i = 0; i < raw; ++i) WriteTgaPixel(w, bits, row[x + i]);
        x += raw;
    }
}

// ---- PSD (big-endian)

void PutBE16(std::vector<uint8_t>& out, uint16_t v) { out.insert(out.end(), {static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)}); }
void PutBE32(std::vector<uint8_t>& out, uint32_t v)
{
    PutBE16(out, static_cast<uint16_t>(v >> 16));
    PutBE16(out, static_cast<uint16_t>(v));
}

std::vector<uint8_t> PackBits(const std::vector<uint8_t>& row)
{
    std::vector<uint8_t> out;
    size_t i = 0;
    while (i < row.size()) {
        size_t run = 1;
        while (i + run < row.size() && run < 128 && row[i + run] == row[i]) ++run;
        if (run >= 2) {
            out.push_back(static_cast<uint8_t>(257 - run));  // -(run - 1) as a byte
            out.push_back(row[i]);
            i += run;
            continue;
        }
        size_t lit = 1;
        while (i + lit < row.size() && lit < 128 && !(i + lit + 1 < row.size() && row[i + lit] == row[i + lit + 1])) ++lit;
        out.push_back(static_cast<uint8_t>(lit - 1));
        out.insert(out.end(), row.begin() + static_cast<ptrdiff_t>(i), row.begin() + static_cast<ptrdiff_t>(i + lit));
        i += lit;
    }
    return out;
}

// ---- GIF

class BitPacker {
public:
    void Put(uint32_t code, int bits)
    {
        acc |= code << filled;
        filled += bits;
        while (filled >= 8) {
            bytes.push_back(static_cast<uint8_t>(acc));
            acc >>= 8;
            filled -= 8;
        }
    }
    std::vector<uint8_t> Finish()
    {
        if (filled > 0) bytes.push_back(static_cast<uint8_t>(acc));
        return std::move(bytes);
    }

private:
    std::vector<uint8_t> bytes;
    uint32_t acc = 0;
    int filled = 0;
};

// LZW with the code-size changes a decoder makes one code later than the encoder adds an entry.
std::vector<uint8_t> LzwEncode(const std::vector<uint8_t>& indexes, int minCodeSize)
{
    const uint32_t clear = 1u << minCodeSize;
    const uint32_t end = clear + 1;
    BitPacker out;
    std::unordered_map<uint32_t, uint32_t> dict;
    int codeSize = minCodeSize + 1;
    uint32_t next = end + 1;
    out.Put(clear, codeSize);
    uint32_t prefix = indexes[0];
    for (size_t i = 1; i < indexes.size(); ++i) {
        const uint32_t key = (prefix << 8) | indexes[i];
        if (const auto it = dict.find(key); it != dict.end()) {
            prefix = it->second;
            continue;
        }
        out.Put(prefix, codeSize);
        dict.emplace(key, next++);
        if (next > (1u << codeSize) && codeSize < 12) ++codeSize;
        if (next == 4096) {
            out.Put(clear, codeSize);
            dict.clear();
            codeSize = minCodeSize + 1;
            next = end + 1;
        }
        prefix = indexes[i];
    }
    out.Put(prefix, codeSize);
    if (next < 4096 && ++next > (1u << codeSize) && codeSize < 12) ++codeSize;
    out.Put(end, codeSize);
    return out.Finish();
}

void PutSubBlocks(std::vector<uint8_t>& out, const std::vector<uint8_t>& data)
{
    for (size_t i = 0; i < data.size(); i += 255) {
        const size_t n = std::min<size_t>(255, data.size() - i);
        out.push_back(static_cast<uint8_t>(n));
        out.insert(out.end(), data.begin() + static_cast<ptrdiff_t>(i), data.begin() + static_cast<ptrdiff_t>(i + n));
    }
    out.push_back(0);
}

void PutLE16(std::vector<uint8_t>& out, uint16_t v) { out.insert(out.end(), {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}); }

}  // namespace

std::vector<uint8_t> WriteBmp(const Image& image, const BmpLayout& layout)
{
    if (!IsWritable(image)) return {};
    std::vector<uint32_t> palette;
    std::unordered_map<uint32_t, uint8_t> index;
    if (layout.pixels == BmpPixels::Indexed8) {
        palette = CollectPalette(std::span(&image, 1), 256, false);
        if (palette.empty()) return {};
        for (size_t i = 0; i < palette.size(); ++i) index.emplace(palette[i], static_cast<uint8_t>(i));
    }
    const int bits = BitsOf(layout.pixels);
    const bool bitfields = layout.pixels == BmpPixels::Rgb565;
    const uint32_t stride = ((static_cast<uint32_t>(image.width) * bits + 31) / 32) * 4;
    const uint32_t headers = 14 + 40 + (bitfields ? 12 : 0) + static_cast<uint32_t>(palette.size()) * 4;
    const uint32_t dataSize = stride * static_cast<uint32_t>(image.height);

    std::vector<uint8_t> file;
    ByteWriter w(file);
    w.U8('B');
    w.U8('M');
    w.U32(headers + dataSize);
    w.U32(0);
    w.U32(headers);
    w.U32(40);
    w.I32(image.width);
    w.I32(layout.topDown ? -image.height : image.height);
    w.U16(1);
    w.U16(static_cast<uint16_t>(bits));
    w.U32(bitfields ? 3 : 0);
    w.U32(dataSize);
    w.U32(2835);
    w.U32(2835);
    w.U32(static_cast<uint32_t>(palette.size()));
    w.U32(0);
    if (bitfields) {
        w.U32(0xF800);
        w.U32(0x07E0);
        w.U32(0x001F);
    }
    for (uint32_t c : palette) w.U32(c);
    std::vector<uint8_t> row;
    for (int32_t i = 0; i < image.height; ++i) {
        const int32_t y = layout.topDown ? i : image.height - 1 - i;
        row.clear();
        for (int32_t x = 0; x < image.width; ++x) WriteBmpPixel(row, layout.pixels, image.At(x, y), index);
        row.resize(stride, 0);
        w.Append(row.data(), row.size());
    }
    return file;
}

std::vector<uint8_t> WriteTga(const Image& image, const TgaLayout& layout)
{
    const int bits = layout.bitsPerPixel;
    if (!IsWritable(image) || (bits != 16 && bits != 24 && bits != 32)) return {};
    if (image.width > 0xFFFF || image.height > 0xFFFF) return {};
    std::vector<uint8_t> file;
    ByteWriter w(file);
    w.U8(0);                         // no image id
    w.U8(0);                         // no colour map
    w.U8(layout.rle ? 10 : 2);       // true colour
    w.Append("\0\0\0\0\0", 5);       // colour map fields
    w.U16(static_cast<uint16_t>(static_cast<int16_t>(image.hotSpot.x)));
    w.U16(static_cast<uint16_t>(static_cast<int16_t>(image.hotSpot.y)));
    w.U16(static_cast<uint16_t>(image.width));
    w.U16(static_cast<uint16_t>(image.height));
    w.U8(static_cast<uint8_t>(bits));
    const uint8_t alphaBits = bits == 32 ? 8 : bits == 16 ? 1 : 0;
    w.U8(static_cast<uint8_t>(alphaBits | (layout.topDown ? 0x20 : 0)));
    for (int32_t i = 0; i < image.height; ++i) {
        const int32_t y = layout.topDown ? i : image.height - 1 - i;
        const uint32_t* row = &image.pixels[static_cast<size_t>(y) * image.width];
        if (layout.rle) {
            WriteTgaRleRow(w, bits, row, image.width);
        } else {
            for (int32_t x = 0; x < image.width; ++x) WriteTgaPixel(w, bits, row[x]);
        }
    }
    return file;
}

std::vector<uint8_t> WritePsd(const Image& image, const PsdLayout& layout)
{
    if (!IsWritable(image) || image.width > 30000 || image.height > 30000) return {};
    const int channels = layout.alpha ? 4 : 3;
    std::vector<uint8_t> file{'8', 'B', 'P', 'S'};
    PutBE16(file, 1);
    file.insert(file.end(), 6, 0);
    PutBE16(file, static_cast<uint16_t>(channels));
    PutBE32(file, static_cast<uint32_t>(image.height));
    PutBE32(file, static_cast<uint32_t>(image.width));
    PutBE16(file, 8);
    PutBE16(file, 3);  // RGB
    PutBE32(file, 0);  // colour mode data
    PutBE32(file, 0);  // image resources
    PutBE32(file, 0);  // layers and masks
    PutBE16(file, layout.rle ? 1 : 0);

    const int shifts[4] = {16, 8, 0, 24};
    std::vector<std::vector<uint8_t>> rows;
    for (int c = 0; c < channels; ++c) {
        for (int32_t y = 0; y < image.height; ++y) {
            std::vector<uint8_t> row(static_cast<size_t>(image.width));
            for (int32_t x = 0; x < image.width; ++x) row[x] = static_cast<uint8_t>(image.At(x, y) >> shifts[c]);
            rows.push_back(layout.rle ? PackBits(row) : std::move(row));
        }
    }
    if (layout.rle) {
        for (const auto& r : rows) PutBE16(file, static_cast<uint16_t>(r.size()));
    }
    for (const auto& r : rows) file.insert(file.end(), r.begin(), r.end());
    return file;
}

std::vector<uint8_t> WriteGif(std::span<const Image> frames, uint16_t loopCount)
{
    if (frames.empty() || frames.size() > kMaxAnimationFrames) return {};
    const Image& first = frames[0];
    for (const Image& f : frames) {
        if (!IsWritable(f) || f.width != first.width || f.height != first.height || f.width > 0xFFFF || f.height > 0xFFFF)
            return {};
    }
    bool anyTransparent = false;
    for (const Image& f : frames)
        anyTransparent = anyTransparent || std::any_of(f.pixels.begin(), f.pixels.end(), [](uint32_t p) { return AlphaOf(p) < 128; });
    std::vector<uint32_t> palette = CollectPalette(frames, anyTransparent ? 255 : 256, true);
    if (palette.empty() && !anyTransparent) return {};
    // An image of nothing but transparent pixels still needs one colour besides the transparent one.
    if (palette.empty()) palette.push_back(0);
    const size_t transparentIndex = palette.size();
    if (anyTransparent) palette.push_back(0);

    int bits = 1;
    while ((size_t{1} << bits) < palette.size()) ++bits;
    std::unordered_map<uint32_t, uint8_t> index;
    for (size_t i = 0; i < palette.size(); ++i) index.emplace(palette[i], static_cast<uint8_t>(i));

    std::vector<uint8_t> file{'G', 'I', 'F', '8', '9', 'a'};
    PutLE16(file, static_cast<uint16_t>(first.width));
    PutLE16(file, static_cast<uint16_t>(first.height));
    file.push_back(static_cast<uint8_t>(0x80 | ((bits - 1) << 4) | (bits - 1)));
    file.push_back(anyTransparent ? static_cast<uint8_t>(transparentIndex) : 0);
    file.push_back(0);
    for (size_t i = 0; i < (size_t{1} << bits); ++i) {
        const uint32_t c = i < palette.size() ? palette[i] : 0;
        file.insert(file.end(), {Red(c), Green(c), Blue(c)});
    }
    if (frames.size() > 1) {
        const char app[] = "\x21\xFF\x0BNETSCAPE2.0\x03\x01";
        file.insert(file.end(), app, app + sizeof(app) - 1);
        PutLE16(file, loopCount);
        file.push_back(0);
    }
    const int minCodeSize = std::max(2, bits);
    for (const Image& f : frames) {
        // Disposal 2 (back to transparent): every frame covers the whole screen on its own.
        file.insert(file.end(), {0x21, 0xF9, 0x04, static_cast<uint8_t>((2 << 2) | (anyTransparent ? 1 : 0))});
        PutLE16(file, static_cast<uint16_t>(std::min<uint32_t>(f.delay10ms, 0xFFFF)));
        file.push_back(anyTransparent ? static_cast<uint8_t>(transparentIndex) : 0);
        file.push_back(0);
        file.push_back(0x2C);
        PutLE16(file, 0);
        PutLE16(file, 0);
        PutLE16(file, static_cast<uint16_t>(f.width));
        PutLE16(file, static_cast<uint16_t>(f.height));
        file.push_back(0);
        std::vector<uint8_t> indexes;
        indexes.reserve(f.pixels.size());
        for (uint32_t p : f.pixels)
            indexes.push_back(AlphaOf(p) < 128 ? static_cast<uint8_t>(transparentIndex) : index.at(p & 0xFFFFFF));
        file.push_back(static_cast<uint8_t>(minCodeSize));
        PutSubBlocks(file, LzwEncode(indexes, minCodeSize));
    }
    file.push_back(0x3B);
    return file;
}
