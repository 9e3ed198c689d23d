#include "views/RegistryKey.h"

#include <vector>

#include "foundation/Win32.h"

namespace {

// Closes a registry key on scope exit.
class KeyHandle {
public:
    KeyHandle() = default;
    ~KeyHandle()
    {
        if (key) RegCloseKey(key);
    }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    HKEY* Put() { return &key; }
    HKEY Get() const { return key; }

private:
    HKEY key = nullptr;
};

bool OpenForRead(const std::string& path, const std::string& subkey, KeyHandle& parent, KeyHandle& child)
{
    const std::string full = "Software\\" + path;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, full.c_str(), 0, KEY_READ, parent.Put()) != ERROR_SUCCESS) return false;
    return RegOpenKeyExA(parent.Get(), subkey.c_str(), 0, KEY_READ, child.Put()) == ERROR_SUCCESS;
}

bool OpenForWrite(const std::string& path, const std::string& subkey, KeyHandle& parent, KeyHandle& child)
{
    const std::string full = "Software\\" + path;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, full.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, parent.Put(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegCreateKeyExA(parent.Get(), subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                           nullptr, child.Put(), nullptr) == ERROR_SUCCESS;
}

}  // namespace

int RegistryKey::ReadString(const std::string& subkey, const std::string& name, std::string& out) const
{
    KeyHandle parent, child;
    if (!OpenForRead(path, subkey, parent, child)) return 0;
    std::vector<char> buffer(kMaxStringBytes + 1, '\0');  // one spare byte keeps it terminated
    DWORD type = 0;
    DWORD size = kMaxStringBytes;
    if (RegQueryValueExA(child.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS)
        return 0;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return 0;
    out.assign(buffer.data());
    return 1;
}

int RegistryKey::ReadDword(const std::string& subkey, const std::string& name, uint32_t& out) const
{
    KeyHandle parent, child;
    if (!OpenForRead(path, subkey, parent, child)) return 0;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(child.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        return 0;
    if (type != REG_DWORD || size != sizeof value) return 0;
    out = value;
    return 1;
}

int RegistryKey::WriteString(const std::string& subkey, const std::string& name, const std::string& text) const
{
    KeyHandle parent, child;
    if (!OpenForWrite(path, subkey, parent, child)) return 0;
    return RegSetValueExA(child.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

int RegistryKey::WriteDword(const std::string& subkey, const std::string& name, uint32_t value) const
{
    KeyHandle parent, child;
    if (!OpenForWrite(path, subkey, parent, child)) return 0;
    const DWORD v = value;
    return RegSetValueExA(child.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v) ==
           ERROR_SUCCESS;
}
