#pragma once
// The settings store on the registry of the current user. The root and the
// key paths are injectable so tests work under a key of their own.

#include <windows.h>

#include <string>
#include <vector>

#include "base/win/handles.h"
#include "settings/settings_store.h"

namespace velmira {

class RegistryStore : public SettingsStore, public SettingsKeyTree {
public:
    explicit RegistryStore(HKEY root = HKEY_CURRENT_USER) : root_(root) {}

    bool OpenOrCreate(const std::wstring& keyPath) override;
    void Close() override { key_.reset(); }
    QueryResult QueryValue(const std::wstring& name, uint32_t& type,
                           std::vector<uint8_t>& data) override;
    bool SetValue(const std::wstring& name, uint32_t type,
                  const std::vector<uint8_t>& data) override;

    bool KeyExists(const std::wstring& keyPath) override;
    bool DeleteKeyTree(const std::wstring& keyPath) override;
    bool QueryHasSubkeys(const std::wstring& keyPath, bool& hasSubkeys) override;

private:
    static bool DeleteKeyTreeUnder(HKEY parent, const std::wstring& subkey);

    HKEY root_;
    UniqueKey key_;
};

}  // namespace velmira
