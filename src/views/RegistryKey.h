#pragma once

#include <cstdint>
#include <string>
#include <utility>

// The game's settings under HKEY_CURRENT_USER\Software\<path>\<subkey>. Holds no open handle:
// every operation opens what it needs and closes it again. Reads open with read access only, so
// a key the user may read but not write still gives its values.
class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(std::string keyPath) : path(std::move(keyPath)) {}

    void SetPath(const std::string& p) { path = p; }
    const std::string& GetPath() const { return path; }

    // A string value (REG_SZ or REG_EXPAND_SZ) of up to 8191 bytes; `out` changes only on success.
    [[nodiscard]] int ReadString(const std::string& subkey, const std::string& name, std::string& out) const;
    // A REG_DWORD value; `out` changes only on success.
    [[nodiscard]] int ReadDword(const std::string& subkey, const std::string& name, uint32_t& out) const;
    // Creates the key and the subkey as needed; 1 when the value was set.
    int WriteString(const std::string& subkey, const std::string& name, const std::string& text) const;
    int WriteDword(const std::string& subkey, const std::string& name, uint32_t value) const;

    static constexpr uint32_t kMaxStringBytes = 8192;

private:
    std::string path;
};
