#include "sound/core/MusicFile.h"

#include <cstring>

std::optional<uint64_t> FindMusicStart(std::span<const uint8_t> head, uint64_t fileSize)
{
    if (head.size() < 4) return std::nullopt;
    if (std::memcmp(head.data(), "OggS", 4) == 0) return 0;
    if (std::memcmp(head.data(), "psn\0", 4) != 0 || head.size() < kMusicHeaderBytes) return std::nullopt;
    const uint8_t* v = head.data() + 16;
    const uint32_t masked = static_cast<uint32_t>(v[0]) | static_cast<uint32_t>(v[1]) << 8 |
                            static_cast<uint32_t>(v[2]) << 16 | static_cast<uint32_t>(v[3]) << 24;
    const uint64_t start = kMusicHeaderBytes + uint64_t{masked ^ kMusicOffsetMask};
    if (start >= fileSize) return std::nullopt;
    return start;
}

std::unique_ptr<ByteSource> OpenMusicSource(const std::string& path)
{
    auto file = std::make_unique<FileSource>();
    if (!file->Open(path)) return nullptr;
    uint8_t head[kMusicHeaderBytes];
    const size_t got = file->ReadAt(0, head, sizeof head);
    const auto start = FindMusicStart({head, got}, file->Size());
    if (!start) return nullptr;
    const uint64_t length = file->Size() - *start;
    return std::make_unique<WindowSource>(std::move(file), *start, length);
}
