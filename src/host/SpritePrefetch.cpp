#include "host/SpritePrefetch.h"

#include <cstring>

#include "graphics/sprite/core/QZSprite_RSCManager.h"

namespace {

constexpr int kMaxDepth = 8;

// The file's kind by its extension; false for any other file.
bool KindOf(const char* name, QZSFileType& type)
{
    const char* dot = std::strrchr(name, '.');
    if (!dot) return false;
    if (_stricmp(dot, ".psp") == 0) type = QZSFileType::Pack;
    else if (_stricmp(dot, ".qzs") == 0) type = QZSFileType::Sheet;
    else if (_stricmp(dot, ".qza") == 0) type = QZSFileType::Animation;
    else return false;
    return true;
}

}  // namespace

bool SpritePrefetch::Start(const std::string& folder)
{
    Stop();
    root = folder;
    stop.store(false);
    thread = CreateThread(nullptr, 0, &SpritePrefetch::ThreadProc, this, 0, nullptr);
    return thread != nullptr;
}

void SpritePrefetch::Stop()
{
    std::lock_guard<std::mutex> hold(stopLock);
    if (!thread) return;
    stop.store(true);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    thread = nullptr;
    folders.clear();
    QZSprite_RSCManager::Instance().ClearPrefetched();
}

DWORD WINAPI SpritePrefetch::ThreadProc(void* param)
{
    auto* self = static_cast<SpritePrefetch*>(param);
    self->List(self->root, 0);
    self->ReadAll();
    return 0;
}

void SpritePrefetch::List(const std::string& folder, int depth)
{
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA((folder + "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    Folder files{folder, QZSprite_RSCManager::MakeKey(folder), {}, false};
    std::vector<std::string> subfolders;
    do {
        const char* name = found.cFileName;
        QZSFileType type;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0) subfolders.push_back(folder + name + "\\");
        } else if (KindOf(name, type)) {
            files.files.push_back({name, type});
        }
    } while (!stop.load() && FindNextFileA(find, &found));
    FindClose(find);
    if (!files.files.empty()) folders.push_back(std::move(files));
    if (depth >= kMaxDepth) return;
    for (const std::string& sub : subfolders)
        if (!stop.load()) List(sub, depth + 1);
}

// Folder by folder in listed order; after each folder, the one where the loader last had to read
// a file itself comes first, as the loader takes a panel's files from one folder.
void SpritePrefetch::ReadAll()
{
    QZSprite_RSCManager& manager = QZSprite_RSCManager::Instance();
    size_t next = 0;
    while (!stop.load()) {
        Folder* folder = nullptr;
        const std::string missed = manager.TakeMissedFolder();
        for (Folder& f : folders)
            if (!f.done && f.key == missed) folder = &f;
        while (!folder && next < folders.size()) {
            if (!folders[next].done) folder = &folders[next];
            ++next;
        }
        if (!folder) return;
        folder->done = true;
        for (const auto& [name, type] : folder->files) {
            if (stop.load()) return;
            manager.Prefetch(folder->path + name, type);
        }
    }
}
