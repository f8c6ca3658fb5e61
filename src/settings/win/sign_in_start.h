#pragma once
// Her start at sign-in: her value under the current user's Run key, written
// the way the installer writes it. The value itself is the truth; nothing of
// it is kept in her settings. Failures are silent, like the rest of her.

#include <windows.h>

#include <string>

#include "base/product_identity.h"
#include "settings/sign_in_rule.h"

namespace velmira {

constexpr wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Where her value lives; tests hand in a key of their own.
struct RunValueLocation {
    HKEY root = HKEY_CURRENT_USER;
    std::wstring keyPath = kRunKeyPath;
    std::wstring valueName = kRunValueName;
};

// The value as it stands; a REG_EXPAND_SZ comes with its environment strings expanded.
RunValue ReadRunValue(const RunValueLocation& at);
// Writes RunCommandFor(programPath) as a REG_SZ, over whatever was there.
bool WriteRunValue(const RunValueLocation& at, const std::wstring& programPath);
bool DeleteRunValue(const RunValueLocation& at);

// Whether the value there starts this program: the mark of her menu item.
bool StartsAtSignIn(const RunValueLocation& at, const std::wstring& programPath);
// The user's choice: on writes her value, even over another program's; off
// deletes it only while it names this program.
void ChooseStartAtSignIn(const RunValueLocation& at, const std::wstring& programPath, bool on);

}  // namespace velmira
