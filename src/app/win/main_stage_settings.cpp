// The settings of the main stage: the reset offered at start, load, save and
// the close query.
#include "app/win/main_stage.h"

#include "settings/settings_rules.h"
#include "settings/win/del_reg_dlg.h"
#include "settings/win/registry_store.h"
#include "settings/win/window_position.h"

namespace velmira {

namespace {

bool KeyIsDown(int virtualKey) { return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

void TMainStage::ResetSettingsAtStart() {
    if (!KeyIsDown(VK_SHIFT) || !KeyIsDown(VK_CONTROL)) return;
    if (!TDelRegDlg::Execute(Handle())) return;
    RegistryStore registry(HKEY_CURRENT_USER);
    settingsDeleted = ResetSettingsKey(registry, kSettingsKeyPath, kSettingsParentKeyPath);
}

bool TMainStage::LoadSettings() {
    RegistryStore registry(HKEY_CURRENT_USER);
    return velmira::LoadSettings(registry, kSettingsKeyPath, *this);
}

bool TMainStage::SaveSettings() {
    // The position is where the window is now, which dragging may have changed.
    POINT at{FormLeft, FormTop};
    WindowScreenPosition(Handle(), at);
    RegistryStore registry(HKEY_CURRENT_USER);
    return velmira::SaveSettings(registry, kSettingsKeyPath, *this, at.x, at.y);
}

void TMainStage::FormCloseQuery() {
    if (!settingsDeleted) {
        SaveSettings();
    } else if (::MessageBoxW(Handle(), DialogStrList[1].c_str(), L"?", MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
        SaveSettings();
    }
    // The close is never refused; the clock is asked to end but not waited for here.
    if (clocker) clocker->Terminate();
}

}  // namespace velmira
