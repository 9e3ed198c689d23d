#include "graphics/sprite/core/QZSprite_RSCManager.h"

#include <algorithm>
#include <utility>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// A CP949 lead byte: the byte after it is the second half of a Korean character, which may look
// like an ASCII letter and must not be folded.
bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

bool IsAbsolute(const std::string& path)
{
    if (!path.empty() && IsSeparator(path[0])) return true;
    return path.size() >= 2 && path[1] == ':' && ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z');
}

std::string ForOpening(std::string path)
{
#ifndef _WIN32
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i]))) ++i;
        else if (path[i] == '\\') path[i] = '/';
    }
#endif
    return path;
}

}  // namespace

QZSpriteFile::QZSpriteFile(FileBytes fileBytes, std::vector<QZFrameInfo> frameInfo)
    : bytes(std::move(fileBytes)), frames(std::move(frameInfo))
{
}

QZSpriteFile::QZSpriteFile(const QZSpriteData& data)
{
    const std::vector<uint8_t> written = WriteSpriteFile(data, SpriteFileKind::Pack);
    auto index = IndexSpriteFile(written.data(), written.size(), SpriteFileKind::Pack);
    if (!index) return;
    bytes.Assign(written.data(), written.size());
    frames = std::move(*index);
}

const QZFrameInfo* QZSpriteFile::GetFrame(int index) const
{
    if (index < 0 || index >= GetFrameCount()) return nullptr;
    return &frames[static_cast<size_t>(index)];
}

const KK_LLESprite* QZSpriteFile::GetSprite(int index, PixelMode mode) const
{
    const QZFrameInfo* frame = GetFrame(index);
    if (!frame || BytesPerPixel(mode) == 0) return nullptr;
    auto& cache = sprites[mode == PixelMode::Rgb565 ? 0 : mode == PixelMode::Rgb555 ? 1 : 2];
    if (cache.empty()) cache.resize(frames.size());
    KK_LLESprite& s = cache[static_cast<size_t>(index)];
    if (s.IsEmpty() && !s.EncodeFileFrame(bytes.Data(), *frame, mode)) return nullptr;
    return &s;
}

QZSprite_RSCManager& QZSprite_RSCManager::Instance()
{
    static QZSprite_RSCManager manager;
    return manager;
}

void QZSprite_RSCManager::Init(int newCapacity, const std::string& base)
{
    capacity = std::max(newCapacity, static_cast<int>(slots.size()));
    basePath = base;
}

std::string QZSprite_RSCManager::ResolvePath(const std::string& path) const
{
    if (IsAbsolute(path) || basePath.empty()) return path;
    if (IsSeparator(basePath.back())) return basePath + path;
    return basePath + "\\" + path;
}

std::string QZSprite_RSCManager::MakeKey(const std::string& path)
{
    std::string key = path;
    for (size_t i = 0; i < key.size(); ++i) {
        const auto c = static_cast<unsigned char>(key[i]);
        if (IsLeadByte(c)) ++i;
        else if (c == '/') key[i] = '\\';
        else if (c >= 'A' && c <= 'Z') key[i] = static_cast<char>(c | 0x20);
    }
    return key;
}

QZSHandle QZSprite_RSCManager::Load(const std::string& path, QZSFileType type)
{
    const std::string full = ResolvePath(path);
    const std::string key = MakeKey(full);
    int freeSlot = -1;
    for (size_t i = 0; i < slots.size(); ++i) {
        Slot& s = slots[i];
        if (s.refs > 0 && s.type == type && s.key == key) {
            ++s.refs;
            return {static_cast<int>(i), type};
        }
        if (s.refs == 0 && freeSlot < 0) freeSlot = static_cast<int>(i);
    }
    if (freeSlot < 0 && static_cast<int>(slots.size()) >= capacity) return {};

    Slot loaded;
    if (!TakePrefetched(key, type, loaded) && !ReadSlot(full, type, loaded)) return {};
    loaded.key = key;
    loaded.type = type;
    loaded.refs = 1;
    if (freeSlot < 0) {
        slots.push_back(std::move(loaded));
        return {static_cast<int>(slots.size()) - 1, type};
    }
    slots[static_cast<size_t>(freeSlot)] = std::move(loaded);
    return {freeSlot, type};
}

bool QZSprite_RSCManager::ReadSlot(const std::string& full, QZSFileType type, Slot& loaded)
{
    FileBytes bytes;
    if (!bytes.Read(ForOpening(full), qzformat::kMaxFileBytes)) return false;
    if (type == QZSFileType::Animation) {
        auto file = ReadAnimationFile(bytes.Data(), bytes.Size());
        if (!file) return false;
        loaded.animation = std::make_unique<QZAnimationFile>(std::move(*file));
    } else {
        // The pixels stay in the file's bytes until a frame is drawn.
        auto frames = IndexSpriteFile(bytes.Data(), bytes.Size(),
                                      type == QZSFileType::Sheet ? SpriteFileKind::Sheet : SpriteFileKind::Pack);
        if (!frames) return false;
        loaded.sprites = std::make_unique<QZSpriteFile>(std::move(bytes), std::move(*frames));
    }
    loaded.type = type;
    return true;
}

bool QZSprite_RSCManager::TakePrefetched(const std::string& key, QZSFileType type, Slot& slot)
{
    std::lock_guard<std::mutex> hold(prefetchLock);
    claimed.insert(key);
    const auto it = prefetched.find(key);
    if (it == prefetched.end() || it->second.type != type) {
        missedFolder = key.substr(0, key.find_last_of('\\') + 1);
        return false;
    }
    slot = std::move(it->second);
    prefetched.erase(it);
    return true;
}

void QZSprite_RSCManager::Prefetch(const std::string& fullPath, QZSFileType type)
{
    const std::string key = MakeKey(fullPath);
    {
        std::lock_guard<std::mutex> hold(prefetchLock);
        if (claimed.count(key) || prefetched.count(key)) return;
    }
    Slot read;
    if (!ReadSlot(fullPath, type, read)) return;
    std::lock_guard<std::mutex> hold(prefetchLock);
    if (!claimed.count(key)) prefetched.emplace(key, std::move(read));
}

std::string QZSprite_RSCManager::TakeMissedFolder()
{
    std::lock_guard<std::mutex> hold(prefetchLock);
    return std::exchange(missedFolder, {});
}

void QZSprite_RSCManager::ClearPrefetched()
{
    std::lock_guard<std::mutex> hold(prefetchLock);
    missedFolder.clear();
    prefetched.clear();
    claimed.clear();
}

int QZSprite_RSCManager::GetPrefetchedCount() const
{
    std::lock_guard<std::mutex> hold(prefetchLock);
    return static_cast<int>(prefetched.size());
}

const QZSprite_RSCManager::Slot* QZSprite_RSCManager::Find(const QZSHandle& handle) const
{
    if (handle.slot < 0 || handle.slot >= static_cast<int>(slots.size())) return nullptr;
    const Slot& s = slots[static_cast<size_t>(handle.slot)];
    return s.refs > 0 && s.type == handle.type ? &s : nullptr;
}

void QZSprite_RSCManager::Release(QZSHandle& handle)
{
    if (Find(handle)) {
        Slot& s = slots[static_cast<size_t>(handle.slot)];
        if (--s.refs == 0) s = Slot{};
    }
    handle = {};
}

const QZSpriteFile* QZSprite_RSCManager::GetSpriteFile(const QZSHandle& handle) const
{
    const Slot* s = Find(handle);
    return s ? s->sprites.get() : nullptr;
}

const QZAnimationFile* QZSprite_RSCManager::GetAnimationFile(const QZSHandle& handle) const
{
    const Slot* s = Find(handle);
    return s ? s->animation.get() : nullptr;
}

int QZSprite_RSCManager::GetRefCount(const QZSHandle& handle) const
{
    const Slot* s = Find(handle);
    return s ? s->refs : 0;
}

int QZSprite_RSCManager::GetLoadedCount() const
{
    int n = 0;
    for (const Slot& s : slots) n += s.refs > 0 ? 1 : 0;
    return n;
}

void QZSprite_RSCManager::Reset()
{
    ClearPrefetched();
    slots.clear();
}

int QZSRsc_Init(int capacity, const std::string& basePath)
{
    if (capacity < 1) return 0;
    QZSprite_RSCManager::Instance().Init(capacity, basePath);
    return 1;
}
