#include "settings/win/registry_store.h"

namespace velmira {

bool RegistryStore::OpenOrCreate(const std::wstring& keyPath) {
    key_.reset();
    HKEY key = nullptr;
    if (::RegCreateKeyExW(root_, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    key_.reset(key);
    return true;
}

QueryResult RegistryStore::QueryValue(const std::wstring& name, uint32_t& type,
                                      std::vector<uint8_t>& data) {
    if (!key_) return QueryResult::Failed;
    // Another instance may change the value between the size query and the
    // read, so ask again while the buffer turns out too small.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD valueType = 0;
        DWORD size = 0;
        LONG rc = ::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &valueType, nullptr, &size);
        if (rc == ERROR_FILE_NOT_FOUND) return QueryResult::Missing;
        if (rc != ERROR_SUCCESS) return QueryResult::Failed;
        data.assign(size, 0);
        if (size == 0) {
            type = valueType;
            return QueryResult::Found;
        }
        rc = ::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &valueType, data.data(), &size);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc == ERROR_FILE_NOT_FOUND) return QueryResult::Missing;
        if (rc != ERROR_SUCCESS) return QueryResult::Failed;
        data.resize(size);
        type = valueType;
        return QueryResult::Found;
    }
    return QueryResult::Failed;
}

bool RegistryStore::SetValue(const std::wstring& name, uint32_t type,
                             const std::vector<uint8_t>& data) {
    if (!key_) return false;
    return ::RegSetValueExW(key_.get(), name.c_str(), 0, type, data.empty() ? nullptr : data.data(),
                            static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool RegistryStore::KeyExists(const std::wstring& keyPath) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root_, keyPath.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    UniqueKey owner(key);
    return true;
}

bool RegistryStore::DeleteKeyTree(const std::wstring& keyPath) {
    return DeleteKeyTreeUnder(root_, keyPath);
}

bool RegistryStore::DeleteKeyTreeUnder(HKEY parent, const std::wstring& subkey) {
    HKEY raw = nullptr;
    if (::RegOpenKeyExW(parent, subkey.c_str(), 0, KEY_ALL_ACCESS, &raw) == ERROR_SUCCESS) {
        UniqueKey key(raw);
        // Deleting a subkey renumbers the rest, so keep taking the first one
        // that could not be skipped; a subkey that will not go is stepped over.
        DWORD index = 0;
        for (;;) {
            wchar_t name[256];  // registry key names are at most 255 characters
            DWORD length = static_cast<DWORD>(sizeof(name) / sizeof(name[0]));
            if (::RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr,
                                nullptr) != ERROR_SUCCESS) {
                break;
            }
            if (!DeleteKeyTreeUnder(key.get(), std::wstring(name, length))) ++index;
        }
    }
    return ::RegDeleteKeyW(parent, subkey.c_str()) == ERROR_SUCCESS;
}

bool RegistryStore::QueryHasSubkeys(const std::wstring& keyPath, bool& hasSubkeys) {
    HKEY raw = nullptr;
    if (::RegOpenKeyExW(root_, keyPath.c_str(), 0, KEY_ALL_ACCESS, &raw) != ERROR_SUCCESS)
        return false;
    UniqueKey key(raw);
    DWORD subkeys = 0;
    if (::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    hasSubkeys = subkeys > 0;
    return true;
}

}  // namespace velmira
