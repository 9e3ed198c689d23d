#include "graphics/sprite/core/SpriteFormats.h"

#include <cstring>

#include "foundation/core/Wire.h"

namespace {

using namespace qzformat;

constexpr uint16_t kVersion = 1;

const char* MagicOf(SpriteFileKind kind) { return kind == SpriteFileKind::Sheet ? "QZS\x1A" : "PSP\x1A"; }
constexpr const char* kAnimationMagic = "QZA\x1A";

struct Chunk {
    char tag[5] = {};
    const uint8_t* data = nullptr;
    size_t size = 0;
    bool Is(const char* t) const { return std::memcmp(tag, t, 4) == 0; }
};

// Walks the chunks after the file header; a chunk running past the end fails the file.
class ChunkWalker {
public:
    ChunkWalker(const uint8_t* bytes, size_t size) : reader(bytes, size), base(bytes) {}

    bool CheckHeader(const char* magic)
    {
        char got[4];
        uint16_t version = 0, flags = 0;
        if (!reader.Bytes(got, 4) || !reader.U16(version) || !reader.U16(flags)) return false;
        return std::memcmp(got, magic, 4) == 0 && version == kVersion && flags == 0;
    }
    bool AtEnd() const { return reader.Remaining() == 0; }
    bool Next(Chunk& c)
    {
        uint32_t size = 0;
        if (!reader.Bytes(c.tag, 4) || !reader.U32(size) || size > reader.Remaining()) return false;
        c.data = base + reader.Position();
        c.size = size;
        return reader.Skip(size);
    }

private:
    ByteReader reader;
    const uint8_t* base;
};

void BeginChunk(ByteWriter& w, const char* tag, size_t& sizeAt)
{
    w.Append(tag, 4);
    sizeAt = w.Bytes().size();
    w.U32(0);
}

void EndChunk(std::vector<uint8_t>& out, size_t sizeAt)
{
    StoreLE32(out.data() + sizeAt, static_cast<uint32_t>(out.size() - sizeAt - 4));
}

void WriteFileHeader(ByteWriter& w, const char* magic)
{
    w.Append(magic, 4);
    w.U16(kVersion);
    w.U16(0);
}

bool I16(ByteReader& r, int16_t& v)
{
    uint16_t u = 0;
    if (!r.U16(u)) return false;
    v = static_cast<int16_t>(u);
    return true;
}

bool ReadHead(const Chunk& c, uint32_t& a, uint32_t* b)
{
    ByteReader r(c.data, c.size);
    return r.U32(a) && (!b || r.U32(*b)) && r.Remaining() == 0;
}

// Checks one line: a run count, then runs of (skip, count, count RGB triples); `opaque` counts
// the line's pixels. Inline views only: this walks every line the loader reads.
bool CheckLine(ByteReader& r, int32_t width, size_t& opaque)
{
    const uint8_t* head = r.View(2);
    if (!head) return false;
    const int runs = head[0] | head[1] << 8;
    if (runs > width) return false;
    int32_t x = 0;
    for (int i = 0; i < runs; ++i) {
        head = r.View(4);
        if (!head) return false;
        const int32_t skip = head[0] | head[1] << 8;
        const int32_t count = head[2] | head[3] << 8;
        if (count == 0) return false;
        x += skip;
        if (x > width || count > width - x || !r.View(static_cast<size_t>(count) * 3)) return false;
        opaque += static_cast<size_t>(count);
        x += count;
    }
    return true;
}

bool IsValidFrameShape(int32_t width, int32_t height, int32_t hotX, int32_t hotY)
{
    return width >= 1 && height >= 1 && width <= kMaxFrameSide && height <= kMaxFrameSide &&
           int64_t{width} * height <= kMaxFrameArea && hotX >= -kMaxHotSpot && hotX <= kMaxHotSpot &&
           hotY >= -kMaxHotSpot && hotY <= kMaxHotSpot;
}

// Checks one frame chunk of `file` and notes where its lines start.
bool IndexFrame(const Chunk& c, const uint8_t* file, int64_t& areaLeft, QZFrameInfo& f)
{
    ByteReader r(c.data, c.size);
    if (!r.I32(f.width) || !r.I32(f.height) || !r.I32(f.hotX) || !r.I32(f.hotY)) return false;
    if (!IsValidFrameShape(f.width, f.height, f.hotX, f.hotY)) return false;
    // Every line takes at least its 2-byte run count: refuse before going on.
    if (r.Remaining() / 2 < static_cast<size_t>(f.height)) return false;
    const int64_t area = int64_t{f.width} * f.height;
    if (area > areaLeft) return false;
    areaLeft -= area;
    f.linesAt = static_cast<size_t>(c.data - file) + r.Position();
    for (int32_t y = 0; y < f.height; ++y)
        if (!CheckLine(r, f.width, f.opaque)) return false;
    return r.Remaining() == 0;
}

void WriteFrame(ByteWriter& w, const QZFrame& f)
{
    w.I32(f.width);
    w.I32(f.height);
    w.I32(f.hotX);
    w.I32(f.hotY);
    struct Run { uint16_t skip, first, count; };
    std::vector<Run> runs;
    for (int32_t y = 0; y < f.height; ++y) {
        const uint32_t* row = f.pixels.data() + static_cast<size_t>(y) * f.width;
        runs.clear();
        int32_t end = 0;
        for (int32_t x = 0; x < f.width;) {
            if (!QZFrame::IsOpaque(row[x])) { ++x; continue; }
            const int32_t first = x;
            while (x < f.width && QZFrame::IsOpaque(row[x])) ++x;
            runs.push_back({static_cast<uint16_t>(first - end), static_cast<uint16_t>(first),
                            static_cast<uint16_t>(x - first)});
            end = x;
        }
        w.U16(static_cast<uint16_t>(runs.size()));
        for (const Run& run : runs) {
            w.U16(run.skip);
            w.U16(run.count);
            for (int32_t x = run.first; x < run.first + run.count; ++x) {
                const uint8_t rgb[3] = {static_cast<uint8_t>(row[x] >> 16), static_cast<uint8_t>(row[x] >> 8),
                                        static_cast<uint8_t>(row[x])};
                w.Append(rgb, 3);
            }
        }
    }
}

bool ReadName(ByteReader& r, std::string& name, uint32_t maxBytes)
{
    uint16_t n = 0;
    if (!r.U16(n) || n > maxBytes || n > r.Remaining()) return false;
    name.assign(n, '\0');
    if (!r.Bytes(name.data(), n)) return false;
    return name.find('\0') == std::string::npos;
}

void WriteName(ByteWriter& w, const std::string& name)
{
    w.U16(static_cast<uint16_t>(name.size()));
    w.Append(name.data(), name.size());
}

constexpr size_t kPartBytes = 8;
constexpr size_t kFrameHeadBytes = 8;

bool ReadAnimFrame(ByteReader& r, QZAFrame& f)
{
    uint16_t parts = 0;
    if (!r.U16(f.delay) || !I16(r, f.jumpTo) || !r.U16(f.jumpCount) || !r.U16(parts)) return false;
    if (parts > kMaxParts || size_t{parts} * kPartBytes > r.Remaining()) return false;
    f.parts.resize(parts);
    for (QZAPart& p : f.parts)
        if (!r.U16(p.sprite) || !I16(r, p.x) || !I16(r, p.y) || !r.U16(p.flags)) return false;
    return true;
}

std::optional<QZAnimation> ReadAnimation(const Chunk& c)
{
    ByteReader r(c.data, c.size);
    QZAnimation a;
    uint32_t frames = 0;
    if (!ReadName(r, a.name, kMaxNameBytes) || !r.I32(a.stopFrame) || !r.U32(frames)) return std::nullopt;
    if (frames < 1 || frames > kMaxAnimationFrames || size_t{frames} * kFrameHeadBytes > r.Remaining())
        return std::nullopt;
    if (a.stopFrame < -1 || a.stopFrame >= static_cast<int32_t>(frames)) return std::nullopt;
    a.frames.resize(frames);
    for (QZAFrame& f : a.frames) {
        if (!ReadAnimFrame(r, f)) return std::nullopt;
        if (f.jumpTo < -1 || f.jumpTo >= static_cast<int32_t>(frames)) return std::nullopt;
    }
    if (r.Remaining() != 0) return std::nullopt;
    return a;
}

bool IsWritable(const QZAnimation& a)
{
    if (a.name.size() > kMaxNameBytes || a.name.find('\0') != std::string::npos) return false;
    if (a.frames.empty() || a.frames.size() > kMaxAnimationFrames) return false;
    const auto n = static_cast<int32_t>(a.frames.size());
    if (a.stopFrame < -1 || a.stopFrame >= n) return false;
    for (const QZAFrame& f : a.frames)
        if (f.parts.size() > kMaxParts || f.jumpTo < -1 || f.jumpTo >= n) return false;
    return true;
}

}  // namespace

bool IsSafeLink(const std::string& path)
{
    if (path.empty() || path.size() > kMaxLinkBytes || path.find('\0') != std::string::npos) return false;
    if (path[0] == '\\' || path[0] == '/' || path.find(':') != std::string::npos) return false;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos) end = path.size();
        if (path.compare(start, end - start, "..") == 0) return false;
        start = end + 1;
    }
    return true;
}

std::optional<std::vector<QZFrameInfo>> IndexSpriteFile(const uint8_t* bytes, size_t size, SpriteFileKind kind)
{
    if (!bytes || size > kMaxFileBytes) return std::nullopt;
    ChunkWalker walker(bytes, size);
    if (!walker.CheckHeader(MagicOf(kind))) return std::nullopt;
    Chunk c;
    uint32_t count = 0;
    if (!walker.Next(c) || !c.Is("HEAD") || !ReadHead(c, count, nullptr)) return std::nullopt;
    if (count < 1 || count > kMaxFrames) return std::nullopt;
    std::vector<QZFrameInfo> frames;
    int64_t areaLeft = kMaxFileArea;
    while (!walker.AtEnd()) {
        if (!walker.Next(c)) return std::nullopt;
        if (!c.Is("FRAM")) continue;  // chunks of later versions
        if (frames.size() == count) return std::nullopt;
        QZFrameInfo f;
        if (!IndexFrame(c, bytes, areaLeft, f)) return std::nullopt;
        frames.push_back(f);
    }
    if (frames.size() != count) return std::nullopt;
    return frames;
}

std::optional<QZSpriteData> ReadSpriteFile(const uint8_t* bytes, size_t size, SpriteFileKind kind)
{
    const auto index = IndexSpriteFile(bytes, size, kind);
    if (!index) return std::nullopt;
    QZSpriteData data;
    data.frames.reserve(index->size());
    for (const QZFrameInfo& info : *index) {
        QZFrame& f = data.frames.emplace_back();
        f.width = info.width;
        f.height = info.height;
        f.hotX = info.hotX;
        f.hotY = info.hotY;
        f.pixels.assign(static_cast<size_t>(info.width) * static_cast<size_t>(info.height), 0);
        ForEachFrameRun(bytes, info, [&](int32_t y, int32_t x, int32_t count, const uint8_t* rgb) {
            uint32_t* out = f.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(info.width) + x;
            for (int32_t k = 0; k < count; ++k, rgb += 3)
                out[k] = 0xFF000000u | (uint32_t{rgb[0]} << 16) | (uint32_t{rgb[1]} << 8) | rgb[2];
        });
    }
    return data;
}

std::vector<uint8_t> WriteSpriteFile(const QZSpriteData& data, SpriteFileKind kind)
{
    if (data.frames.empty() || data.frames.size() > kMaxFrames) return {};
    int64_t area = 0;
    for (const QZFrame& f : data.frames) {
        if (!IsValidFrameShape(f.width, f.height, f.hotX, f.hotY)) return {};
        if (f.pixels.size() != static_cast<size_t>(f.width) * static_cast<size_t>(f.height)) return {};
        area += int64_t{f.width} * f.height;
    }
    if (area > kMaxFileArea) return {};
    std::vector<uint8_t> out;
    ByteWriter w(out);
    WriteFileHeader(w, MagicOf(kind));
    size_t at = 0;
    BeginChunk(w, "HEAD", at);
    w.U32(static_cast<uint32_t>(data.frames.size()));
    EndChunk(out, at);
    for (const QZFrame& f : data.frames) {
        BeginChunk(w, "FRAM", at);
        WriteFrame(w, f);
        EndChunk(out, at);
    }
    return out;
}

std::optional<QZAnimationFile> ReadAnimationFile(const uint8_t* bytes, size_t size)
{
    if (!bytes || size > kMaxFileBytes) return std::nullopt;
    ChunkWalker walker(bytes, size);
    if (!walker.CheckHeader(kAnimationMagic)) return std::nullopt;
    Chunk c;
    uint32_t kind = 0, count = 0;
    if (!walker.Next(c) || !c.Is("HEAD") || !ReadHead(c, kind, &count)) return std::nullopt;
    if (kind > 1 || count < 1 || count > kMaxAnimations || (kind == 0 && count != 1)) return std::nullopt;
    QZAnimationFile file;
    file.isSet = kind == 1;
    bool linked = false;
    while (!walker.AtEnd()) {
        if (!walker.Next(c)) return std::nullopt;
        if (c.Is("LINK")) {
            ByteReader r(c.data, c.size);
            if (linked || !ReadName(r, file.packPath, kMaxLinkBytes) || r.Remaining() != 0) return std::nullopt;
            if (!IsSafeLink(file.packPath)) return std::nullopt;
            linked = true;
        } else if (c.Is("ANIM")) {
            if (file.animations.size() == count) return std::nullopt;
            auto a = ReadAnimation(c);
            if (!a) return std::nullopt;
            file.animations.push_back(std::move(*a));
        }
    }
    if (!linked || file.animations.size() != count) return std::nullopt;
    return file;
}

std::vector<uint8_t> WriteAnimationFile(const QZAnimationFile& file)
{
    const size_t n = file.animations.size();
    if (n < 1 || n > kMaxAnimations || (!file.isSet && n != 1) || !IsSafeLink(file.packPath)) return {};
    for (const QZAnimation& a : file.animations)
        if (!IsWritable(a)) return {};
    std::vector<uint8_t> out;
    ByteWriter w(out);
    WriteFileHeader(w, kAnimationMagic);
    size_t at = 0;
    BeginChunk(w, "HEAD", at);
    w.U32(file.isSet ? 1 : 0);
    w.U32(static_cast<uint32_t>(n));
    EndChunk(out, at);
    BeginChunk(w, "LINK", at);
    WriteName(w, file.packPath);
    EndChunk(out, at);
    for (const QZAnimation& a : file.animations) {
        BeginChunk(w, "ANIM", at);
        WriteName(w, a.name);
        w.I32(a.stopFrame);
        w.U32(static_cast<uint32_t>(a.frames.size()));
        for (const QZAFrame& f : a.frames) {
            w.U16(f.delay);
            w.U16(static_cast<uint16_t>(f.jumpTo));
            w.U16(f.jumpCount);
            w.U16(static_cast<uint16_t>(f.parts.size()));
            for (const QZAPart& p : f.parts) {
                w.U16(p.sprite);
                w.U16(static_cast<uint16_t>(p.x));
                w.U16(static_cast<uint16_t>(p.y));
                w.U16(p.flags);
            }
        }
        EndChunk(out, at);
    }
    return out;
}
