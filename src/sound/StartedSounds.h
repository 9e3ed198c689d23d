#pragma once

// A process-wide watcher told of each effect sound and voice the module starts: the stand-in host
// writes them into its trace. Called on the window thread; nothing when no watcher is set.
enum class StartedKind { Sound = 0, Voice = 1 };

using StartedSoundWatcher = void(__stdcall*)(int kind, int id, int seat);

void SetStartedSoundWatcher(StartedSoundWatcher watcher);
void NoteSoundStarted(StartedKind kind, int id, int seat);
