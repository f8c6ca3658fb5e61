#pragma once
// Where the settings live: a registry root and the key paths under it. The
// program uses the current user's key; tests hand in a key of their own.

#include <windows.h>

#include <string>

#include "settings/settings_rules.h"

namespace velmira {

struct SettingsLocation {
    HKEY root = HKEY_CURRENT_USER;
    std::wstring keyPath = kSettingsKeyPath;
    // Deleted with the key by the start-up reset when nothing else is left in it.
    std::wstring parentKeyPath = kSettingsParentKeyPath;
};

}  // namespace velmira
