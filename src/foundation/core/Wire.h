#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Little-endian wire values without padding: 8-, 16-, 32- and 64-bit integers and strings as a
// 32-bit byte length followed by the bytes (no terminator).

void StoreLE16(uint8_t* p, uint16_t v);
void StoreLE32(uint8_t* p, uint32_t v);
void StoreLE64(uint8_t* p, uint64_t v);
uint16_t LoadLE16(const uint8_t* p);
uint32_t LoadLE32(const uint8_t* p);
uint64_t LoadLE64(const uint8_t* p);

// Reads wire values from a byte range. A read that does not fit in the bytes left fails, leaves
// the output untouched and makes every later read fail too, so a caller may check once at the end.
class ByteReader {
public:
    ByteReader(const uint8_t* bytes, size_t length) : data(bytes), size(bytes ? length : 0) {}

    [[nodiscard]] bool U8(uint8_t& v);
    [[nodiscard]] bool U16(uint16_t& v);
    [[nodiscard]] bool U32(uint32_t& v);
    [[nodiscard]] bool I32(int32_t& v);
    [[nodiscard]] bool U64(uint64_t& v);
    [[nodiscard]] bool I64(int64_t& v);
    // Length-prefixed string; fails when the length exceeds the bytes left or maxLength.
    [[nodiscard]] bool String(std::string& v, uint32_t maxLength = 1u << 20);
    [[nodiscard]] bool Bytes(void* out, size_t n);
    // The next n (at least 1) bytes where they lie, consumed; null when fewer are left. For bulk
    // reads in place of a call per element.
    [[nodiscard]] const uint8_t* View(size_t n)
    {
        const uint8_t* p = nullptr;
        return Take(n, p) ? p : nullptr;
    }
    // A 32-bit element count, checked against the bytes left for elements of at least
    // `minElementSize` bytes, so no caller allocates for elements that cannot be there.
    [[nodiscard]] bool Count(uint32_t& n, size_t minElementSize);
    [[nodiscard]] bool Skip(size_t n);

    size_t Remaining() const { return failed ? 0 : size - pos; }
    size_t Position() const { return pos; }
    bool Failed() const { return failed; }

private:
    [[nodiscard]] bool Take(size_t n, const uint8_t*& p)
    {
        if (failed || n > size - pos) {
            failed = true;
            return false;
        }
        p = data + pos;
        pos += n;
        return true;
    }

    const uint8_t* data;
    size_t size;
    size_t pos = 0;
    bool failed = false;
};

// Appends wire values to a byte vector.
class ByteWriter {
public:
    ByteWriter() = default;
    explicit ByteWriter(std::vector<uint8_t>& target) : out(&target) {}
    ByteWriter(const ByteWriter&) = delete;
    ByteWriter& operator=(const ByteWriter&) = delete;

    void U8(uint8_t v) { Append(&v, 1); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void U64(uint64_t v);
    void I64(int64_t v) { U64(static_cast<uint64_t>(v)); }
    void String(const std::string& v);
    void Append(const void* p, size_t n);

    const std::vector<uint8_t>& Bytes() const { return *out; }

private:
    std::vector<uint8_t> own;
    std::vector<uint8_t>* out = &own;
};
