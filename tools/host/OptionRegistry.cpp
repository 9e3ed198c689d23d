#include <windows.h>

#include "OptionKeyGuard.h"
#include "Replay.h"

namespace {

// A REG_SZ as its text (in UTF-8 for the trace), a REG_DWORD as its number, anything else null.
Json ReadValue(HKEY key, const std::string& name)
{
    DWORD type = 0;
    BYTE data[8192] = {};
    DWORD size = sizeof data - 1;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, data, &size) != ERROR_SUCCESS) return nullptr;
    if (type == REG_DWORD && size == sizeof(DWORD)) {
        DWORD value = 0;
        memcpy(&value, data, sizeof value);
        return static_cast<int64_t>(value);
    }
    if (type == REG_SZ) return AnsiToUtf8(reinterpret_cast<const char*>(data));
    return nullptr;
}

}  // namespace

Json ReadOptionValues(const std::string& portalDir, const Json& names)
{
    const std::string path = ModuleOptionKeyPath(portalDir);
    Json out = Json::object();
    out["key"] = AnsiToUtf8(path);
    Json values = Json::object();
    HKEY key = nullptr;
    const bool open = RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    for (auto it = names.begin(); it != names.end(); ++it) values[it.key()] = open ? ReadValue(key, it.key()) : nullptr;
    if (open) RegCloseKey(key);
    out["values"] = std::move(values);
    return out;
}
