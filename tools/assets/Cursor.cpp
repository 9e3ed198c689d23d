#include "Cursor.h"

#include "foundation/core/Wire.h"

namespace {

void Tag(ByteWriter& w, const char* tag) { w.Append(tag, 4); }

// One ".cur" file: directory, entry, then the DIB with a doubled height (colour rows, then the
// AND mask, both bottom-up).
std::vector<uint8_t> WriteCur(const Image& image)
{
    const auto w = static_cast<uint32_t>(image.width), h = static_cast<uint32_t>(image.height);
    const uint32_t maskStride = ((w + 31) / 32) * 4;
    const uint32_t dibBytes = 40 + w * h * 4 + maskStride * h;
    std::vector<uint8_t> out;
    ByteWriter o(out);
    o.U16(0);
    o.U16(2);  // cursor
    o.U16(1);
    o.U8(static_cast<uint8_t>(w & 0xFF));  // 256 is written as 0
    o.U8(static_cast<uint8_t>(h & 0xFF));
    o.U8(0);
    o.U8(0);
    o.U16(static_cast<uint16_t>(image.hotSpot.x));
    o.U16(static_cast<uint16_t>(image.hotSpot.y));
    o.U32(dibBytes);
    o.U32(22);
    o.U32(40);
    o.I32(static_cast<int32_t>(w));
    o.I32(static_cast<int32_t>(h * 2));
    o.U16(1);
    o.U16(32);
    o.U32(0);
    o.U32(w * h * 4 + maskStride * h);
    for (int i = 0; i < 4; ++i) o.U32(0);
    for (int32_t y = image.height - 1; y >= 0; --y)
        for (int32_t x = 0; x < image.width; ++x) o.U32(image.At(x, y));
    for (int32_t y = image.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskStride, 0);
        for (int32_t x = 0; x < image.width; ++x)
            if (AlphaOf(image.At(x, y)) == 0) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        o.Append(row.data(), row.size());
    }
    return out;
}

}  // namespace

std::vector<uint8_t> WriteAni(const std::vector<Image>& frames, uint32_t jiffies)
{
    if (frames.empty()) return {};
    for (const Image& f : frames)
        if (f.width != frames[0].width || f.height != frames[0].height || f.width < 1 || f.height < 1 || f.width > 256 ||
            f.height > 256)
            return {};
    std::vector<uint8_t> out;
    ByteWriter o(out);
    Tag(o, "RIFF");
    o.U32(0);  // patched below
    Tag(o, "ACON");
    Tag(o, "anih");
    o.U32(36);
    o.U32(36);
    o.U32(static_cast<uint32_t>(frames.size()));  // frames
    o.U32(static_cast<uint32_t>(frames.size()));  // steps
    for (int i = 0; i < 4; ++i) o.U32(0);         // width, height, bit count, planes: from the frames
    o.U32(jiffies);
    o.U32(1);  // the frames are icon resources
    Tag(o, "LIST");
    const size_t listSizeAt = out.size();
    o.U32(0);
    Tag(o, "fram");
    for (const Image& f : frames) {
        const auto cur = WriteCur(f);
        Tag(o, "icon");
        o.U32(static_cast<uint32_t>(cur.size()));
        o.Append(cur.data(), cur.size());
        if (cur.size() % 2) o.U8(0);  // RIFF chunks are word-aligned
    }
    StoreLE32(out.data() + listSizeAt, static_cast<uint32_t>(out.size() - listSizeAt - 4));
    StoreLE32(out.data() + 4, static_cast<uint32_t>(out.size() - 8));
    return out;
}

Image ArrowCursor(int32_t side, uint32_t rgb)
{
    Image image = *Image::Create(side, side, 0);
    const int32_t length = side * 3 / 4;
    for (int32_t y = 0; y < length; ++y)
        for (int32_t x = 0; x <= y / 2 + y / 4 && x < side; ++x) {
            const bool edge = x == 0 || x == y / 2 + y / 4 || y == length - 1;
            image.At(x, y) = edge ? 0xFF000000u : (0xFF000000u | rgb);
        }
    return image;
}
