#include "foundation/core/Wire.h"

#include <cstring>

void StoreLE16(uint8_t* p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void StoreLE32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void StoreLE64(uint8_t* p, uint64_t v)
{
    for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint16_t LoadLE16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t LoadLE32(const uint8_t* p)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

uint64_t LoadLE64(const uint8_t* p)
{
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

bool ByteReader::U8(uint8_t& v)
{
    const uint8_t* p = nullptr;
    if (!Take(1, p)) return false;
    v = *p;
    return true;
}

bool ByteReader::U16(uint16_t& v)
{
    const uint8_t* p = nullptr;
    if (!Take(2, p)) return false;
    v = LoadLE16(p);
    return true;
}

bool ByteReader::U32(uint32_t& v)
{
    const uint8_t* p = nullptr;
    if (!Take(4, p)) return false;
    v = LoadLE32(p);
    return true;
}

bool ByteReader::I32(int32_t& v)
{
    uint32_t u = 0;
    if (!U32(u)) return false;
    v = static_cast<int32_t>(u);
    return true;
}

bool ByteReader::U64(uint64_t& v)
{
    const uint8_t* p = nullptr;
    if (!Take(8, p)) return false;
    v = LoadLE64(p);
    return true;
}

bool ByteReader::I64(int64_t& v)
{
    uint64_t u = 0;
    if (!U64(u)) return false;
    v = static_cast<int64_t>(u);
    return true;
}

bool ByteReader::String(std::string& v, uint32_t maxLength)
{
    uint32_t n = 0;
    if (!U32(n)) return false;
    if (n > maxLength || n > Remaining()) {
        failed = true;
        return false;
    }
    const uint8_t* p = nullptr;
    if (!Take(n, p)) return false;
    v.assign(reinterpret_cast<const char*>(p), n);
    return true;
}

bool ByteReader::Bytes(void* out, size_t n)
{
    const uint8_t* p = nullptr;
    if (!Take(n, p)) return false;
    if (n) std::memcpy(out, p, n);
    return true;
}

bool ByteReader::Count(uint32_t& n, size_t minElementSize)
{
    uint32_t c = 0;
    if (!U32(c)) return false;
    if (minElementSize > 0 && c > Remaining() / minElementSize) {
        failed = true;
        return false;
    }
    n = c;
    return true;
}

bool ByteReader::Skip(size_t n)
{
    const uint8_t* p = nullptr;
    return Take(n, p);
}

void ByteWriter::U16(uint16_t v)
{
    uint8_t b[2];
    StoreLE16(b, v);
    Append(b, 2);
}

void ByteWriter::U32(uint32_t v)
{
    uint8_t b[4];
    StoreLE32(b, v);
    Append(b, 4);
}

void ByteWriter::U64(uint64_t v)
{
    uint8_t b[8];
    StoreLE64(b, v);
    Append(b, 8);
}

void ByteWriter::String(const std::string& v)
{
    U32(static_cast<uint32_t>(v.size()));
    Append(v.data(), v.size());
}

void ByteWriter::Append(const void* p, size_t n)
{
    const auto* b = static_cast<const uint8_t*>(p);
    out->insert(out->end(), b, b + n);
}
