#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A whole file's bytes, read once. On Windows a large file is mapped read-only rather than copied:
// its pages come straight from the file cache, with no fresh memory to fault in and clear.
class FileBytes {
public:
    // Files from this size on are mapped on Windows.
    static constexpr size_t kMapFrom = size_t{256} << 10;

    FileBytes() = default;
    FileBytes(FileBytes&& other) noexcept { *this = std::move(other); }
    FileBytes& operator=(FileBytes&& other) noexcept;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ~FileBytes() { Free(); }

    // The file at `path` (the platform's own separators), at most maxBytes; false and empty when
    // it cannot be opened or read or is larger.
    bool Read(const std::string& path, size_t maxBytes);
    // A copy of `size` bytes.
    void Assign(const uint8_t* bytes, size_t size);
    void Free();

    const uint8_t* Data() const { return data; }
    size_t Size() const { return size; }
    bool IsMapped() const { return mapped; }

private:
    std::unique_ptr<uint8_t[]> owned;
    const uint8_t* data = nullptr;
    size_t size = 0;
    bool mapped = false;
};
