#include "settings/settings_rules.h"

#include <utility>

#include "settings/stored_values.h"

namespace velmira {

bool LoadSettings(SettingsStore& store, const std::wstring& keyPath, StageSettings& settings) {
    if (!store.OpenOrCreate(keyPath)) return false;
    StoreKeyGuard guard(store);
    LoadStoredValues(store, StoredValues(), settings);
    return true;
}

bool SaveSettings(SettingsStore& store, const std::wstring& keyPath, const StageSettings& settings,
                  int32_t formLeft, int32_t formTop) {
    if (!store.OpenOrCreate(keyPath)) return false;
    StoreKeyGuard guard(store);
    // Where the window is now; the fields hold where it was first shown.
    StageSettings stored = settings;
    stored.FormLeft = formLeft;
    stored.FormTop = formTop;
    SaveStoredValues(store, StoredValues(), std::move(stored));
    return true;
}

bool ResetSettingsKey(SettingsKeyTree& tree, const std::wstring& keyPath,
                      const std::wstring& parentKeyPath) {
    if (!tree.KeyExists(keyPath)) return false;
    const bool deleted = tree.DeleteKeyTree(keyPath);
    // The parent goes only when nothing else lives under it; one that cannot
    // be opened is left alone.
    bool hasSubkeys = true;
    if (tree.QueryHasSubkeys(parentKeyPath, hasSubkeys) && !hasSubkeys) {
        tree.DeleteKeyTree(parentKeyPath);
    }
    return deleted;
}

}  // namespace velmira
