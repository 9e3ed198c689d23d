#include "sound/StartedSounds.h"

#include <atomic>

namespace {

std::atomic<StartedSoundWatcher> watcherNow{nullptr};

}  // namespace

void SetStartedSoundWatcher(StartedSoundWatcher watcher)
{
    watcherNow.store(watcher);
}

void NoteSoundStarted(StartedKind kind, int id, int seat)
{
    if (const StartedSoundWatcher watcher = watcherNow.load()) watcher(static_cast<int>(kind), id, seat);
}
