#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Manifest.h"

// Turns manifest entries into file bytes. Paths are kept as the manifest gives them; the caller
// writes the files.
class AssetBuilder {
public:
    struct Output {
        std::string path;
        std::vector<uint8_t> bytes;
    };

    // Replaces `out` with the entry's files: one for most kinds, a whole folder for the sound
    // tables. False with `error` set (naming the manifest line) when the entry cannot be built.
    bool Build(const ManifestEntry& entry, std::vector<Output>& out, std::string& error);

private:
    bool BuildOne(const ManifestEntry& e, Output& out, std::string& error);
    bool BuildSoundTable(const ManifestEntry& e, std::vector<Output>& out, std::string& error);
    bool BuildTone(const ManifestEntry& e, Output& out, std::string& error);
    bool BuildIni(const ManifestEntry& e, Output& out, std::string& error);
    bool BuildSprites(const ManifestEntry& e, Output& out, std::string& error);
    bool BuildAnimation(const ManifestEntry& e, Output& out, std::string& error);
    bool BuildImage(const ManifestEntry& e, Output& out, std::string& error);
    bool BuildCards(const ManifestEntry& e, Output& out, std::string& error);
    bool BuildCursor(const ManifestEntry& e, Output& out, std::string& error);

    std::map<std::string, int> packFrames;  // frames of each pack built so far, by folded path
};

std::string FoldPath(const std::string& path);
