#pragma once
// An in-memory registry root for the settings tests: a tree of keys whose
// paths and value names compare without regard to case, typed values with
// raw bytes, and switches that make opening, the k-th write or a deletion fail.

#include <cstdint>
#include <cwctype>
#include <map>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace velmira::test {

struct StoredValue {
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

class MemoryStore : public SettingsStore, public SettingsKeyTree {
public:
    // --- switches ---
    bool failOpen = false;    // OpenOrCreate fails
    int failWriteAt = 0;      // the k-th SetValue (1-based, counted over the store's life) fails
    bool failDelete = false;  // DeleteKeyTree fails, nothing is deleted
    std::wstring unopenablePath;  // QueryHasSubkeys and KeyExists fail for this key

    // --- what happened ---
    int writeAttempts = 0;
    std::vector<std::wstring> writeLog;  // names of the values written, in order
    std::vector<std::wstring> queryLog;  // names of the values queried, in order
    int closeCount = 0;

    // --- seeding and inspection, outside any open key ---
    void CreateKey(const std::wstring& path) {
        std::wstring p = Fold(path);
        keys_[p];
        for (size_t pos = p.rfind(L'\\'); pos != std::wstring::npos; pos = p.rfind(L'\\')) {
            p.erase(pos);
            keys_[p];
        }
    }
    void Put(const std::wstring& path, const std::wstring& name, uint32_t type,
             std::vector<uint8_t> data) {
        CreateKey(path);
        keys_[Fold(path)][Fold(name)] = StoredValue{type, std::move(data)};
    }
    void PutDword(const std::wstring& path, const std::wstring& name, uint32_t value) {
        Put(path, name, static_cast<uint32_t>(RegValueType::Dword), EncodeDword(value));
    }
    void PutText(const std::wstring& path, const std::wstring& name, const std::wstring& text,
                 RegValueType type = RegValueType::Sz) {
        Put(path, name, static_cast<uint32_t>(type), EncodeText(text));
    }
    void Remove(const std::wstring& path, const std::wstring& name) {
        auto key = keys_.find(Fold(path));
        if (key != keys_.end()) key->second.erase(Fold(name));
    }
    bool HasKey(const std::wstring& path) const { return keys_.count(Fold(path)) != 0; }
    bool Has(const std::wstring& path, const std::wstring& name) const {
        auto key = keys_.find(Fold(path));
        return key != keys_.end() && key->second.count(Fold(name)) != 0;
    }
    const StoredValue& Get(const std::wstring& path, const std::wstring& name) const {
        return keys_.at(Fold(path)).at(Fold(name));
    }
    size_t ValueCount(const std::wstring& path) const {
        auto key = keys_.find(Fold(path));
        return key == keys_.end() ? 0 : key->second.size();
    }
    bool IsOpen() const { return !open_.empty(); }

    // --- SettingsStore ---
    bool OpenOrCreate(const std::wstring& keyPath) override {
        Close();
        if (failOpen) return false;
        CreateKey(keyPath);
        open_ = Fold(keyPath);
        return true;
    }
    void Close() override {
        if (!open_.empty()) ++closeCount;
        open_.clear();
    }
    QueryResult QueryValue(const std::wstring& name, uint32_t& type,
                           std::vector<uint8_t>& data) override {
        queryLog.push_back(name);
        if (open_.empty()) return QueryResult::Failed;
        const auto& values = keys_[open_];
        auto value = values.find(Fold(name));
        if (value == values.end()) return QueryResult::Missing;
        type = value->second.type;
        data = value->second.data;
        return QueryResult::Found;
    }
    bool SetValue(const std::wstring& name, uint32_t type,
                  const std::vector<uint8_t>& data) override {
        ++writeAttempts;
        if (open_.empty() || writeAttempts == failWriteAt) return false;
        keys_[open_][Fold(name)] = StoredValue{type, data};
        writeLog.push_back(name);
        return true;
    }

    // --- SettingsKeyTree ---
    bool KeyExists(const std::wstring& keyPath) override {
        return HasKey(keyPath) && Fold(keyPath) != Fold(unopenablePath);
    }
    bool DeleteKeyTree(const std::wstring& keyPath) override {
        if (failDelete || !HasKey(keyPath)) return false;
        const std::wstring p = Fold(keyPath);
        for (auto it = keys_.begin(); it != keys_.end();) {
            if (it->first == p || it->first.compare(0, p.size() + 1, p + L'\\') == 0) {
                it = keys_.erase(it);
            } else {
                ++it;
            }
        }
        return true;
    }
    bool QueryHasSubkeys(const std::wstring& keyPath, bool& hasSubkeys) override {
        if (!KeyExists(keyPath)) return false;
        const std::wstring prefix = Fold(keyPath) + L'\\';
        hasSubkeys = false;
        for (const auto& key : keys_) {
            if (key.first.compare(0, prefix.size(), prefix) == 0) hasSubkeys = true;
        }
        return true;
    }

private:
    static std::wstring Fold(const std::wstring& s) {
        std::wstring folded = s;
        for (wchar_t& c : folded) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
        return folded;
    }

    std::map<std::wstring, std::map<std::wstring, StoredValue>> keys_;
    std::wstring open_;
};

}  // namespace velmira::test
