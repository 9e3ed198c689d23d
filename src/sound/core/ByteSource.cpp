#include "sound/core/ByteSource.h"

#include <algorithm>
#include <cstring>
#include <limits>

size_t MemorySource::ReadAt(uint64_t offset, void* dst, size_t n)
{
    if (offset >= bytes.size()) return 0;
    const size_t count = std::min<uint64_t>(n, bytes.size() - offset);
    std::memcpy(dst, bytes.data() + offset, count);
    return count;
}

FileSource::~FileSource()
{
    if (file) std::fclose(file);
}

bool FileSource::Open(const std::string& path)
{
    if (file) std::fclose(file);
    file = std::fopen(path.c_str(), "rb");
    size = position = 0;
    if (!file) return false;
    // Sound files are far below 2 GB, so ftell's range is enough on both platforms.
    if (std::fseek(file, 0, SEEK_END) != 0) return true;
    const auto end = std::ftell(file);
    size = end > 0 ? static_cast<uint64_t>(end) : 0;
    position = size;
    return true;
}

size_t FileSource::ReadAt(uint64_t offset, void* dst, size_t n)
{
    if (!file || offset >= size) return 0;
    n = std::min<uint64_t>(n, size - offset);
    if (offset != position) {
        if (offset > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return 0;
        if (std::fseek(file, static_cast<int32_t>(offset), SEEK_SET) != 0) return 0;
        position = offset;
    }
    const size_t count = std::fread(dst, 1, n, file);
    position += count;
    if (count < n) {
        std::clearerr(file);
        position = std::numeric_limits<uint64_t>::max();  // unknown: seek next time
    }
    return count;
}

size_t WindowSource::ReadAt(uint64_t offset, void* dst, size_t n)
{
    if (offset >= size) return 0;
    return base->ReadAt(start + offset, dst, std::min<uint64_t>(n, size - offset));
}
