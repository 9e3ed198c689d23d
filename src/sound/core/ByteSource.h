#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

// Random access to the bytes of a file or of a block of memory. The readers of this folder
// parse through it so the same code serves files, resources and tests.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to n bytes from offset; answers the count (0 at or beyond the end or on error).
    virtual size_t ReadAt(uint64_t offset, void* dst, size_t n) = 0;
    virtual uint64_t Size() const = 0;
};

// Bytes owned by somebody else, alive as long as the source.
class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::span<const uint8_t> b) : bytes(b) {}
    size_t ReadAt(uint64_t offset, void* dst, size_t n) override;
    uint64_t Size() const override { return bytes.size(); }

private:
    std::span<const uint8_t> bytes;
};

// A file read through the C library; closes it once, when destroyed.
class FileSource : public ByteSource {
public:
    FileSource() = default;
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    [[nodiscard]] bool Open(const std::string& path);
    bool IsOpen() const { return file != nullptr; }
    size_t ReadAt(uint64_t offset, void* dst, size_t n) override;
    uint64_t Size() const override { return size; }

private:
    std::FILE* file = nullptr;
    uint64_t size = 0;
    uint64_t position = 0;  // where the C library stands, so sequential reads need no seek
};

// The bytes [start, start + length) of another source, which it owns, seen as a source of their own.
class WindowSource : public ByteSource {
public:
    WindowSource(std::unique_ptr<ByteSource> b, uint64_t s, uint64_t length) : base(std::move(b)), start(s), size(length) {}
    size_t ReadAt(uint64_t offset, void* dst, size_t n) override;
    uint64_t Size() const override { return size; }

private:
    std::unique_ptr<ByteSource> base;
    uint64_t start;
    uint64_t size;
};
