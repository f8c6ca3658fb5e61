#pragma once
// A per-user key-value store shaped like the registry: one open key at a time,
// named values that carry a type and raw bytes. The registry implements it on
// Windows; tests use an in-memory copy. The read and write rules of integers
// and texts live here, over the raw queries, so every store applies them alike.

#include <cstdint>
#include <string>
#include <vector>

namespace velmira {

// The registry's value types, with their Win32 numbers.
enum class RegValueType : uint32_t {
    None = 0,
    Sz = 1,
    ExpandSz = 2,
    Binary = 3,
    Dword = 4,
    DwordBigEndian = 5,
    Link = 6,
    MultiSz = 7,
    ResourceList = 8,
    FullResourceDescriptor = 9,
    ResourceRequirementsList = 10,
    Qword = 11,
};

enum class QueryResult {
    Found,    // type and data filled in
    Missing,  // no value of that name
    Failed,   // the value could not be read
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Opens the key (full access), creating it when it is missing. Any key
    // opened before is closed first.
    virtual bool OpenOrCreate(const std::wstring& keyPath) = 0;
    virtual void Close() = 0;

    // Raw access to one value of the open key. The type is kept as a plain
    // number because a stored value may carry any type, known or not.
    virtual QueryResult QueryValue(const std::wstring& name, uint32_t& type,
                                   std::vector<uint8_t>& data) = 0;
    virtual bool SetValue(const std::wstring& name, uint32_t type,
                          const std::vector<uint8_t>& data) = 0;

    // Integers and booleans: the value must exist, be a REG_DWORD and hold
    // exactly four bytes; otherwise the read fails and `value` is untouched.
    bool ReadInteger(const std::wstring& name, int32_t& value);
    // Texts: a missing value, an unreadable one or one of length 0 reads as
    // empty; REG_SZ and REG_EXPAND_SZ (unexpanded) are read up to the first
    // zero character; any other type fails and leaves `value` untouched.
    bool ReadText(const std::wstring& name, std::wstring& value);

    // REG_DWORD, four bytes little-endian.
    bool WriteInteger(const std::wstring& name, int32_t value);
    // REG_SZ, the UTF-16 characters followed by one zero character.
    bool WriteText(const std::wstring& name, const std::wstring& value);
};

// The byte images the store reads and writes, shared with the tests.
std::vector<uint8_t> EncodeDword(uint32_t value);
std::vector<uint8_t> EncodeText(const std::wstring& text);  // with its zero
std::wstring DecodeText(const std::vector<uint8_t>& data);  // up to the first zero

// Closes the store's key when the scope ends.
class StoreKeyGuard {
public:
    explicit StoreKeyGuard(SettingsStore& store) : store_(store) {}
    ~StoreKeyGuard() { store_.Close(); }
    StoreKeyGuard(const StoreKeyGuard&) = delete;
    StoreKeyGuard& operator=(const StoreKeyGuard&) = delete;

private:
    SettingsStore& store_;
};

// The key operations of the start-up reset, on the same root as the store.
class SettingsKeyTree {
public:
    virtual ~SettingsKeyTree() = default;
    // True when the key can be opened with full access.
    virtual bool KeyExists(const std::wstring& keyPath) = 0;
    // Deletes everything below the key, then the key; true when the key is gone.
    virtual bool DeleteKeyTree(const std::wstring& keyPath) = 0;
    // Opens an existing key (never creates it) and tells whether it has
    // subkeys; false when it cannot be opened or queried.
    virtual bool QueryHasSubkeys(const std::wstring& keyPath, bool& hasSubkeys) = 0;
};

}  // namespace velmira
