#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "foundation/Win32.h"
#include "graphics/sprite/core/QZSprite_RSCManager.h"

// Reads the sprite-engine files (".psp", ".qzs", ".qza") under a folder into the sprite manager on
// a thread of its own, while the window thread sets up the display and the loader makes the
// widgets: the room loads nearly all of them, and the loader then takes them without a file open.
class SpritePrefetch {
public:
    SpritePrefetch() = default;
    SpritePrefetch(const SpritePrefetch&) = delete;
    SpritePrefetch& operator=(const SpritePrefetch&) = delete;
    ~SpritePrefetch() { Stop(); }

    // Starts reading the folder (ending in a separator); false when no thread could be made.
    bool Start(const std::string& folder);
    // Stops at the next file, waits for the thread and drops what the loader did not take. Any
    // thread; again does nothing.
    void Stop();

private:
    struct Folder {
        std::string path;
        std::string key;  // as the sprite manager writes it
        std::vector<std::pair<std::string, QZSFileType>> files;
        bool done = false;
    };

    static DWORD WINAPI ThreadProc(void* param);
    // Every sprite-engine file under the folder, folder by folder.
    void List(const std::string& folder, int depth);
    void ReadAll();

    std::mutex stopLock;
    HANDLE thread = nullptr;
    std::string root;
    std::vector<Folder> folders;  // the thread's own until it ends
    std::atomic<bool> stop{false};
};
