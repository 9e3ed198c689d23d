#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// One line of the asset manifest: a kind, a path under the output folder and key=value settings.
struct ManifestEntry {
    int line = 0;
    std::string kind;
    std::string path;  // as written, "\" or "/" separated
    std::map<std::string, std::string> settings;

    bool Has(const std::string& key) const { return settings.count(key) != 0; }
    std::string Get(const std::string& key, const std::string& fallback = "") const;
};

// Reads the manifest text; on a malformed line answers nullopt and describes it in `error`.
std::optional<std::vector<ManifestEntry>> ParseManifest(const std::string& text, std::string& error);
