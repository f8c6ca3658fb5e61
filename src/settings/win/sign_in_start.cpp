#include "settings/win/sign_in_start.h"

#include <vector>

#include "base/win/handles.h"

namespace velmira {

namespace {

// Environment strings expanded as Windows expands them when it runs the value.
std::wstring Expanded(const std::wstring& text) {
    const DWORD size = ::ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (size == 0) return text;
    std::wstring out(size, L'\0');
    const DWORD written = ::ExpandEnvironmentStringsW(text.c_str(), out.data(), size);
    if (written == 0 || written > size) return text;
    out.resize(written - 1);
    return out;
}

}  // namespace

RunValue ReadRunValue(const RunValueLocation& at) {
    // Another program may change the value between the size query and the
    // read: ask again while the buffer turns out too small.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        LONG rc = ::RegGetValueW(at.root, at.keyPath.c_str(), at.valueName.c_str(),
                                 RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size);
        if (rc != ERROR_SUCCESS) return {};
        // RegGetValueW ends a text with a NUL of its own: room for it.
        std::vector<wchar_t> data(size / sizeof(wchar_t) + 2, L'\0');
        size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        rc = ::RegGetValueW(at.root, at.keyPath.c_str(), at.valueName.c_str(),
                            RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(), &size);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS) return {};
        if (type != REG_SZ && type != REG_EXPAND_SZ) return {RunValueKind::Other, std::wstring()};
        const std::wstring text(data.data());  // up to the first NUL, as Windows reads it
        if (type == REG_SZ) return {RunValueKind::Text, text};
        return {RunValueKind::ExpandedText, Expanded(text)};
    }
    return {};
}

bool WriteRunValue(const RunValueLocation& at, const std::wstring& programPath) {
    HKEY raw = nullptr;
    if (::RegCreateKeyExW(at.root, at.keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return false;
    UniqueKey key(raw);
    const std::wstring command = RunCommandFor(programPath);
    const auto bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key.get(), at.valueName.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(command.c_str()), bytes) == ERROR_SUCCESS;
}

bool DeleteRunValue(const RunValueLocation& at) {
    return ::RegDeleteKeyValueW(at.root, at.keyPath.c_str(), at.valueName.c_str()) == ERROR_SUCCESS;
}

bool StartsAtSignIn(const RunValueLocation& at, const std::wstring& programPath) {
    return RunValueNamesProgram(ReadRunValue(at), programPath);
}

void ChooseStartAtSignIn(const RunValueLocation& at, const std::wstring& programPath, bool on) {
    if (on)
        WriteRunValue(at, programPath);
    else if (StartsAtSignIn(at, programPath))
        DeleteRunValue(at);
}

}  // namespace velmira
