#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "foundation/core/FileBytes.h"
#include "graphics/resources/core/PixelFormat.h"
#include "graphics/sprite/core/LLESprite.h"
#include "graphics/sprite/core/SpriteFormats.h"

enum class QZSFileType : int { Sheet = 0, Pack = 1, Animation = 2 };  // ".qzs", ".psp", ".qza"

// A loaded ".qzs" or ".psp": its checked bytes, its frames' shapes, and their sprites in each
// pixel mode asked for, encoded from the bytes on first use. A sprite stays where it is for the
// life of the file, so callers may keep pointers to it.
class QZSpriteFile {
public:
    // Bytes IndexSpriteFile accepted, with its answer.
    QZSpriteFile(FileBytes fileBytes, std::vector<QZFrameInfo> frameInfo);
    // Decoded frames, kept as a sprite pack's bytes; no frames when they break a limit.
    explicit QZSpriteFile(const QZSpriteData& data);

    int GetFrameCount() const { return static_cast<int>(frames.size()); }
    // The frame's shape; null for an index outside 0..count-1.
    const QZFrameInfo* GetFrame(int index) const;
    // The frame's sprite in `mode`, encoded on first use; null out of range or for no mode.
    const KK_LLESprite* GetSprite(int index, PixelMode mode) const;

private:
    FileBytes bytes;
    std::vector<QZFrameInfo> frames;
    mutable std::vector<KK_LLESprite> sprites[3];  // 565, 555, 32-bit
};

// Names one loaded file of the manager.
struct QZSHandle {
    int slot = -1;
    QZSFileType type = QZSFileType::Sheet;
    bool IsValid() const { return slot >= 0; }
};

// The process-wide table of loaded sprite-engine files, shared by path and reference-counted.
// Relative paths are taken under the base folder; both "\" and "/" separate folders. No lock:
// one thread loads at a time. Another thread may read files ahead (Prefetch), which a later Load
// of the same path and type takes instead of reading the file.
class QZSprite_RSCManager {
public:
    static QZSprite_RSCManager& Instance();

    // Sets the base folder and the slot count; files already loaded stay (the count never drops
    // below the slots in use).
    void Init(int capacity, const std::string& basePath);
    // Loads the file or takes another reference to the loaded one; an invalid handle on failure.
    QZSHandle Load(const std::string& path, QZSFileType type);
    // Gives back one reference and clears the handle; the file is freed with its last reference.
    void Release(QZSHandle& handle);

    const QZSpriteFile* GetSpriteFile(const QZSHandle& handle) const;
    const QZAnimationFile* GetAnimationFile(const QZSHandle& handle) const;
    int GetRefCount(const QZSHandle& handle) const;
    int GetLoadedCount() const;
    int GetCapacity() const { return capacity; }
    const std::string& GetBasePath() const { return basePath; }

    // The path a file is opened with: relative ones joined to the base folder.
    std::string ResolvePath(const std::string& path) const;
    // The sharing key: separators unified, ASCII letters folded (file names ignore case).
    static std::string MakeKey(const std::string& path);
    // Frees every file; handles held elsewhere become invalid. For tests and shutdown.
    void Reset();

    // Reads and checks a file as Load would, for Load to take; nothing when it cannot be read or
    // fails the check (Load then meets the failure itself), or when Load has already read it.
    // Any thread.
    void Prefetch(const std::string& fullPath, QZSFileType type);
    // The folder (as MakeKey writes it, with its last separator) of the latest file Load had to
    // read itself, cleared; empty when none. Tells the reader ahead where the loader is.
    std::string TakeMissedFolder();
    // Drops what was read ahead and not taken; Load reads for itself again.
    void ClearPrefetched();
    int GetPrefetchedCount() const;

private:
    struct Slot {
        std::string key;
        QZSFileType type = QZSFileType::Sheet;
        int refs = 0;
        std::unique_ptr<QZSpriteFile> sprites;
        std::unique_ptr<QZAnimationFile> animation;
    };
    const Slot* Find(const QZSHandle& handle) const;
    // The prefetched file of that key and type, or one read now; false when it cannot be read.
    static bool ReadSlot(const std::string& fullPath, QZSFileType type, Slot& slot);
    bool TakePrefetched(const std::string& key, QZSFileType type, Slot& slot);

    std::vector<Slot> slots;
    mutable std::mutex prefetchLock;
    std::map<std::string, Slot> prefetched;  // by key, with their type
    std::set<std::string> claimed;          // keys Load took or read itself: not read ahead
    std::string missedFolder;
    int capacity = 0;
    std::string basePath;
};

// Initialises the process-wide manager; 1 on success, 0 for a capacity below 1.
int QZSRsc_Init(int capacity, const std::string& basePath);

