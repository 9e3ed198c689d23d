#include "OptionKeyGuard.h"

namespace {

bool SaveKey(HKEY parent, const std::string& name, OptionKeyGuard::Key& out)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    out.name = name;
    for (DWORD i = 0;; ++i) {
        char valueName[16384];
        DWORD nameSize = sizeof valueName, type = 0, size = 0;
        if (RegEnumValueA(key, i, valueName, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        OptionKeyGuard::Value v{valueName, type, std::vector<BYTE>(size)};
        nameSize = sizeof valueName;
        if (RegEnumValueA(key, i, valueName, &nameSize, nullptr, &type, v.data.data(), &size) == ERROR_SUCCESS) {
            v.data.resize(size);
            out.values.push_back(std::move(v));
        }
    }
    for (DWORD i = 0;; ++i) {
        char subName[256];
        DWORD size = sizeof subName;
        if (RegEnumKeyExA(key, i, subName, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        OptionKeyGuard::Key sub;
        if (SaveKey(key, subName, sub)) out.subkeys.push_back(std::move(sub));
    }
    RegCloseKey(key);
    return true;
}

// RegDeleteKey takes only keys without subkeys.
void DeleteTree(HKEY parent, const std::string& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, &key) == ERROR_SUCCESS) {
        std::vector<std::string> subkeys;
        char subName[256];
        DWORD size = sizeof subName;
        for (DWORD i = 0; RegEnumKeyExA(key, i, subName, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
             ++i, size = sizeof subName)
            subkeys.emplace_back(subName);
        for (const auto& sub : subkeys) DeleteTree(key, sub);
        RegCloseKey(key);
    }
    RegDeleteKeyA(parent, name.c_str());
}

void WriteKey(HKEY parent, const OptionKeyGuard::Key& saved)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, saved.name.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    for (const auto& v : saved.values)
        RegSetValueExA(key, v.name.c_str(), 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
    for (const auto& sub : saved.subkeys) WriteKey(key, sub);
    RegCloseKey(key);
}

std::string IniValue(const std::string& ini, const char* name, const char* fallback)
{
    char buffer[1024] = {};
    GetPrivateProfileStringA("SERVICEINFO", name, fallback, buffer, sizeof buffer, ini.c_str());
    return buffer;
}

}  // namespace

std::string ModuleOptionKeyPath(const std::string& portalDir)
{
    constexpr int kGameNumber = 24;
    const std::string ini = portalDir + "common\\vexor_" + std::to_string(kGameNumber) + ".ini";
    return "Software\\" + IniValue(ini, "sCompany", "Ostrel") + "\\" + IniValue(ini, "sDomainName", "Vexor") + "\\" +
           std::to_string(kGameNumber);
}

OptionKeyGuard::OptionKeyGuard(const std::string& portalDir) : path(ModuleOptionKeyPath(portalDir))
{
    existed = SaveKey(HKEY_CURRENT_USER, path, saved);
    DeleteTree(HKEY_CURRENT_USER, path);
}

void OptionKeyGuard::Restore()
{
    if (restored) return;
    restored = true;
    DeleteTree(HKEY_CURRENT_USER, path);
    if (existed) WriteKey(HKEY_CURRENT_USER, saved);
}
