#include <algorithm>
#include <array>
#include <string_view>

#include "foundation/core/Wire.h"
#include "graphics/resources/core/Image.h"

namespace {

using ColorTable = std::vector<uint32_t>;

bool ReadColorTable(ByteReader& r, uint8_t sizeBits, ColorTable& table)
{
    const size_t count = size_t{1} << ((sizeBits & 7) + 1);
    if (r.Remaining() < count * 3) return false;
    table.resize(count);
    for (auto& c : table) {
        uint8_t rgb[3];
        if (!r.Bytes(rgb, 3)) return false;
        c = Argb(0xFF, rgb[0], rgb[1], rgb[2]);
    }
    return true;
}

// Concatenated data sub-blocks up to their terminator.
bool ReadSubBlocks(ByteReader& r, std::vector<uint8_t>* out)
{
    for (;;) {
        uint8_t n = 0;
        if (!r.U8(n)) return false;
        if (n == 0) return true;
        if (r.Remaining() < n) return false;
        if (out) {
            const size_t at = out->size();
            out->resize(at + n);
            if (!r.Bytes(out->data() + at, n)) return false;
        } else if (!r.Skip(n)) {
            return false;
        }
    }
}

// Variable-length LZW as GIF uses it. Decoding stops at the end code, when the pixels are all
// there or when the data runs out; what was not decoded stays as it was.
class LzwDecoder {
public:
    explicit LzwDecoder(int minCodeSize) : minSize(minCodeSize), clear(1u << minCodeSize), end(clear + 1) { Reset(); }

    // False for a code that cannot occur in a valid stream.
    bool Decode(const std::vector<uint8_t>& data, std::vector<uint8_t>& out, size_t wanted)
    {
        size_t bitPos = 0;
        const size_t totalBits = data.size() * 8;
        while (out.size() < wanted) {
            if (totalBits - bitPos < static_cast<size_t>(codeSize)) return true;  // ran out: tolerated
            uint32_t code = 0;
            for (int i = 0; i < codeSize; ++i, ++bitPos)
                code |= static_cast<uint32_t>((data[bitPos / 8] >> (bitPos % 8)) & 1) << i;
            if (code == clear) {
                Reset();
                continue;
            }
            if (code == end) return true;
            if (!Step(code, out, wanted)) return false;
        }
        return true;
    }

private:
    void Reset()
    {
        codeSize = minSize + 1;
        next = end + 1;
        previous = -1;
    }

    bool Step(uint32_t code, std::vector<uint8_t>& out, size_t wanted)
    {
        if (code > next || (code == next && previous < 0)) return false;
        if (code < clear) {
            prefix[code] = -1;
            suffix[code] = static_cast<uint8_t>(code);
        } else if (code == end || code == clear) {
            return false;
        }
        // The string of `code`; for the entry not yet made it is previous + previous's first byte.
        const uint32_t walkFrom = code == next ? static_cast<uint32_t>(previous) : code;
        size_t n = 0;
        for (int32_t c = static_cast<int32_t>(walkFrom); c >= 0; c = prefix[c]) {
            if (n == stack.size()) return false;
            stack[n++] = suffix[c];
        }
        const uint8_t first = stack[n - 1];
        for (size_t i = n; i-- > 0 && out.size() < wanted;) out.push_back(stack[i]);
        if (code == next && out.size() < wanted) out.push_back(first);
        if (previous >= 0 && next < 4096) {
            prefix[next] = previous;
            suffix[next] = first;
            ++next;
            if (next == (1u << codeSize) && codeSize < 12) ++codeSize;
        }
        previous = static_cast<int32_t>(code);
        return true;
    }

    int minSize;
    uint32_t clear;
    uint32_t end;
    int codeSize = 0;
    uint32_t next = 0;
    int32_t previous = -1;
    std::array<int32_t, 4096> prefix{};
    std::array<uint8_t, 4096> suffix{};
    std::array<uint8_t, 4097> stack{};
};

struct Control {
    int disposal = 0;
    int transparent = -1;
    uint16_t delay = 0;
};

struct Frame {
    int32_t left, top, width, height;
    bool interlaced;
};

// Row of the frame that the i-th stored row belongs to.
int32_t InterlacedRow(int32_t i, int32_t height)
{
    static constexpr int32_t starts[4] = {0, 4, 2, 1};
    static constexpr int32_t steps[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        const int32_t rows = (height - starts[pass] + steps[pass] - 1) / steps[pass];
        if (i < rows) return starts[pass] + i * steps[pass];
        i -= std::max(rows, 0);
    }
    return 0;
}

bool DrawFrame(Image& canvas, const Frame& f, const std::vector<uint8_t>& indexes, const ColorTable& table, int transparent)
{
    for (size_t i = 0; i < indexes.size(); ++i) {
        const int32_t row = static_cast<int32_t>(i / static_cast<size_t>(f.width));
        const int32_t col = static_cast<int32_t>(i % static_cast<size_t>(f.width));
        const int32_t y = f.top + (f.interlaced ? InterlacedRow(row, f.height) : row);
        const int32_t x = f.left + col;
        const uint8_t index = indexes[i];
        if (index == transparent) continue;
        if (index >= table.size()) return false;
        if (x < canvas.width && y < canvas.height) canvas.At(x, y) = table[index];  // a frame may hang over the edge
    }
    return true;
}

void ClearArea(Image& canvas, const Frame& f)
{
    for (int32_t y = f.top; y < std::min(f.top + f.height, canvas.height); ++y)
        for (int32_t x = f.left; x < std::min(f.left + f.width, canvas.width); ++x) canvas.At(x, y) = 0;
}

}  // namespace

std::optional<std::vector<Image>> DecodeGif(std::span<const uint8_t> bytes)
{
    ByteReader r(bytes.data(), bytes.size());
    uint8_t sig[6];
    if (!r.Bytes(sig, 6) || (std::string_view(reinterpret_cast<char*>(sig), 6) != "GIF87a" &&
                             std::string_view(reinterpret_cast<char*>(sig), 6) != "GIF89a"))
        return std::nullopt;
    uint16_t width = 0, height = 0;
    uint8_t flags = 0, background = 0, aspect = 0;
    if (!r.U16(width) || !r.U16(height) || !r.U8(flags) || !r.U8(background) || !r.U8(aspect)) return std::nullopt;
    if (!IsImageSizeAllowed(width, height)) return std::nullopt;
    ColorTable global;
    if ((flags & 0x80) && !ReadColorTable(r, flags, global)) return std::nullopt;

    auto canvas = Image::Create(width, height);
    if (!canvas) return std::nullopt;
    std::vector<Image> frames;
    Control control;
    int64_t pixelsLeft = kMaxAnimationPixels;
    std::vector<uint8_t> data, indexes;
    for (;;) {
        uint8_t block = 0;
        if (!r.U8(block)) break;  // no trailer: what was complete stands
        if (block == 0x3B) break;
        if (block == 0x21) {
            uint8_t label = 0;
            if (!r.U8(label)) return std::nullopt;
            if (label == 0xF9) {
                data.clear();
                if (!ReadSubBlocks(r, &data)) return std::nullopt;
                if (data.size() < 4) return std::nullopt;
                control.disposal = (data[0] >> 2) & 7;
                control.transparent = (data[0] & 1) ? data[3] : -1;
                control.delay = static_cast<uint16_t>(data[1] | (data[2] << 8));
            } else if (!ReadSubBlocks(r, nullptr)) {
                return std::nullopt;
            }
            continue;
        }
        if (block != 0x2C) return std::nullopt;

        uint16_t left = 0, top = 0, fw = 0, fh = 0;
        uint8_t frameFlags = 0, minCodeSize = 0;
        if (!r.U16(left) || !r.U16(top) || !r.U16(fw) || !r.U16(fh) || !r.U8(frameFlags)) return std::nullopt;
        ColorTable local;
        if ((frameFlags & 0x80) && !ReadColorTable(r, frameFlags, local)) return std::nullopt;
        const ColorTable& table = (frameFlags & 0x80) ? local : global;
        if (table.empty()) return std::nullopt;
        if (!r.U8(minCodeSize) || minCodeSize < 2 || minCodeSize > 8) return std::nullopt;
        data.clear();
        if (!ReadSubBlocks(r, &data)) return std::nullopt;
        if (fw != 0 && fh != 0 && !IsImageSizeAllowed(fw, fh)) return std::nullopt;
        if (fw == 0 || fh == 0 || left >= width || top >= height) {
            control = {};
            continue;  // nothing of it is on the screen
        }
        if (frames.size() == kMaxAnimationFrames) return std::nullopt;
        pixelsLeft -= int64_t{width} * height;
        if (pixelsLeft < 0) return std::nullopt;

        const Frame f{left, top, fw, fh, (frameFlags & 0x40) != 0};
        indexes.clear();
        indexes.reserve(size_t{fw} * fh);
        LzwDecoder lzw(minCodeSize);
        if (!lzw.Decode(data, indexes, size_t{fw} * fh)) return std::nullopt;
        const Image before = control.disposal == 3 ? *canvas : Image{};
        if (!DrawFrame(*canvas, f, indexes, table, control.transparent)) return std::nullopt;
        frames.push_back(*canvas);
        frames.back().delay10ms = control.delay;
        if (control.disposal == 2) ClearArea(*canvas, f);
        if (control.disposal == 3) *canvas = before;
        control = {};
    }
    if (frames.empty()) return std::nullopt;
    return frames;
}
