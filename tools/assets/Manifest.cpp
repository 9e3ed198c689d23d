#include "Manifest.h"

#include <sstream>

std::string ManifestEntry::Get(const std::string& key, const std::string& fallback) const
{
    const auto it = settings.find(key);
    return it == settings.end() ? fallback : it->second;
}

namespace {

// Splits on blanks; a value in double quotes may hold blanks (label="Go Stop").
bool SplitWords(const std::string& line, std::vector<std::string>& words)
{
    std::string word;
    bool quoted = false, inWord = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
            continue;
        }
        if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
            continue;
        }
        word += c;
        inWord = true;
    }
    if (inWord) words.push_back(word);
    return !quoted;
}

}  // namespace

std::optional<std::vector<ManifestEntry>> ParseManifest(const std::string& text, std::string& error)
{
    std::vector<ManifestEntry> entries;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        std::vector<std::string> words;
        if (!SplitWords(line, words) || words.size() < 2) {
            error = "line " + std::to_string(number) + ": expected a kind, a path and settings";
            return std::nullopt;
        }
        ManifestEntry e;
        e.line = number;
        e.kind = words[0];
        e.path = words[1];
        for (size_t i = 2; i < words.size(); ++i) {
            const size_t eq = words[i].find('=');
            if (eq == std::string::npos || eq == 0) {
                error = "line " + std::to_string(number) + ": \"" + words[i] + "\" is not key=value";
                return std::nullopt;
            }
            e.settings[words[i].substr(0, eq)] = words[i].substr(eq + 1);
        }
        entries.push_back(std::move(e));
    }
    return entries;
}
