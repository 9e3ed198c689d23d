#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Takes the module's option key (HKEY_CURRENT_USER\Software\<sCompany>\<sDomainName>\24) away for
// the life of the guard, so each run starts from no stored options whatever an earlier run stored,
// and puts the values the prefix held back afterwards.
class OptionKeyGuard {
public:
    explicit OptionKeyGuard(const std::string& portalDir);
    ~OptionKeyGuard() { Restore(); }
    OptionKeyGuard(const OptionKeyGuard&) = delete;
    OptionKeyGuard& operator=(const OptionKeyGuard&) = delete;

    // Deletes what the run stored and writes back what was there; only the first call acts.
    void Restore();

    struct Value {
        std::string name;
        DWORD type = 0;
        std::vector<BYTE> data;
    };
    struct Key {
        std::string name;  // relative to its parent
        std::vector<Value> values;
        std::vector<Key> subkeys;
    };

private:
    std::string path;
    bool existed = false;
    bool restored = false;
    Key saved;
};

// The module's option key for the portal folder, read from its ini as the module reads it.
std::string ModuleOptionKeyPath(const std::string& portalDir);
