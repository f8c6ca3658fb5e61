#pragma once
// The main stage's settings read from and written to the store's key, by the
// table of stored values (settings/stored_values.h), and the start-up reset.

#include <cstdint>
#include <string>

#include "base/product_identity.h"  // kSettingsKeyPath, kSettingsParentKeyPath
#include "settings/settings_store.h"
#include "settings/stage_settings.h"

namespace velmira {

// Reads every setting it can, by the table of stored values; a value it does
// not read keeps what `settings` held. False only when the key could neither
// be opened nor created.
bool LoadSettings(SettingsStore& store, const std::wstring& keyPath, StageSettings& settings);

// Writes every setting, the window position from formLeft/formTop (where the
// window is now) rather than from the fields. The first failing write ends
// the save. False only when the key could neither be opened nor created.
bool SaveSettings(SettingsStore& store, const std::wstring& keyPath, const StageSettings& settings,
                  int32_t formLeft, int32_t formTop);

// The start-up reset after the user agreed: deletes the product key with
// everything below it, then its parent when that is left without subkeys.
// Returns true when the product key was deleted (false too when there was none).
bool ResetSettingsKey(SettingsKeyTree& tree, const std::wstring& keyPath,
                      const std::wstring& parentKeyPath);

}  // namespace velmira
