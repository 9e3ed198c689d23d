#include "foundation/core/FileBytes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept
{
    if (this != &other) {
        Free();
        owned = std::move(other.owned);
        data = other.data;
        size = other.size;
        mapped = other.mapped;
        other.data = nullptr;
        other.size = 0;
        other.mapped = false;
    }
    return *this;
}

void FileBytes::Free()
{
#ifdef _WIN32
    if (mapped) UnmapViewOfFile(data);
#endif
    owned.reset();
    data = nullptr;
    size = 0;
    mapped = false;
}

void FileBytes::Assign(const uint8_t* bytes, size_t n)
{
    Free();
    owned = std::make_unique_for_overwrite<uint8_t[]>(n);
    if (n) std::memcpy(owned.get(), bytes, n);
    data = owned.get();
    size = n;
}

#ifdef _WIN32

bool FileBytes::Read(const std::string& path, size_t maxBytes)
{
    Free();
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER length{};
    bool ok = GetFileSizeEx(file, &length) && length.QuadPart >= 0 && static_cast<uint64_t>(length.QuadPart) <= maxBytes;
    const auto n = ok ? static_cast<size_t>(length.QuadPart) : 0;
    if (ok && n >= kMapFrom) {
        // The view keeps the mapping and the file open after their handles are closed.
        const HANDLE section = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
        const void* view = section ? MapViewOfFile(section, FILE_MAP_READ, 0, 0, 0) : nullptr;
        if (section) CloseHandle(section);
        if (view) {
            data = static_cast<const uint8_t*>(view);
            size = n;
            mapped = true;
        }
    }
    if (ok && !mapped) {
        owned = std::make_unique_for_overwrite<uint8_t[]>(n);
        size_t done = 0;
        while (ok && done < n) {
            DWORD got = 0;
            const auto ask = static_cast<DWORD>(std::min<size_t>(n - done, DWORD{1} << 30));
            ok = ReadFile(file, owned.get() + done, ask, &got, nullptr) && got > 0;
            done += got;
        }
        data = owned.get();
        size = n;
    }
    CloseHandle(file);
    if (!ok) Free();
    return ok;
}

#else

bool FileBytes::Read(const std::string& path, size_t maxBytes)
{
    Free();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    const long end = ok ? std::ftell(file) : -1;
    ok = ok && end >= 0 && static_cast<uint64_t>(end) <= maxBytes && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        const auto n = static_cast<size_t>(end);
        owned = std::make_unique_for_overwrite<uint8_t[]>(n);
        ok = std::fread(owned.get(), 1, n, file) == n;
        data = owned.get();
        size = n;
    }
    std::fclose(file);
    if (!ok) Free();
    return ok;
}

#endif
