#include "settings/win/settings_session.h"

#include <utility>

#include "base/win/window_places.h"
#include "settings/settings_rules.h"
#include "settings/win/del_reg_dlg.h"
#include "settings/win/registry_store.h"
#include "settings/win/window_position.h"

namespace velmira {

TSettingsSession::TSettingsSession(SettingsLocation location, KeyHeld keyHeld)
    : DialogStrList{L"",
                    L"起動時にレジストリが削除されています。OKを選ぶと現在の設定内容を保存します"
                    L"。"},
      location_(std::move(location)),
      keyHeld_(std::move(keyHeld)) {}

void TSettingsSession::Start(HWND owner) {
    ResetSettingsAtStart(owner);
    // Reading would create the key: a run that is already over reads nothing.
    if (abandoned_) return;
    // After a reset the defaults stay in force for this run.
    if (!settingsDeleted) LoadSettings();
    started_ = true;
}

void TSettingsSession::ResetSettingsAtStart(HWND owner) {
    if (!keyHeld_ || !keyHeld_(VK_SHIFT) || !keyHeld_(VK_CONTROL)) return;
    if (!TDelRegDlg::Execute(owner)) return;
    RegistryStore registry(location_.root);
    settingsDeleted = ResetSettingsKey(registry, location_.keyPath, location_.parentKeyPath);
}

bool TSettingsSession::LoadSettings() {
    RegistryStore registry(location_.root);
    return velmira::LoadSettings(registry, location_.keyPath, settings);
}

bool TSettingsSession::SaveSettings(HWND window) {
    // The position is where the window is now, which dragging may have changed.
    POINT at{settings.FormLeft, settings.FormTop};
    WindowScreenPosition(window, at);
    // Where only fitting her on the screen put her, the stored position stands.
    if (placed_ && Point{at.x, at.y} == placedAt_) at = POINT{placedToStore_.x, placedToStore_.y};
    StageSettings stored = settings;
    if (lastYoteiToStore) stored.reminders.lastYotei = lastYoteiToStore();
    RegistryStore registry(location_.root);
    return velmira::SaveSettings(registry, location_.keyPath, stored, at.x, at.y);
}

void TSettingsSession::PlacedAtStart(Point at, Point toStore) {
    placed_ = true;
    placedAt_ = at;
    placedToStore_ = toStore;
}

void TSettingsSession::SaveNow(HWND window) {
    if (started_ && !settingsDeleted && !written_) SaveSettings(window);
}

void TSettingsSession::AbandonStart(HWND owner) {
    abandoned_ = true;
    for (HWND dialog : OwnedWindowsOfClass(owner, L"#32770"))
        ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

void TSettingsSession::DragBegins(HWND window) { ::GetWindowRect(window, &dragStart_); }

void TSettingsSession::DragEnds(HWND window) {
    RECT now{};
    ::GetWindowRect(window, &now);
    if (!::EqualRect(&now, &dragStart_)) SaveNow(window);
}

void TSettingsSession::FormCloseQuery(HWND window) {
    if (!started_ || written_) return;
    written_ = true;
    if (!settingsDeleted) {
        SaveSettings(window);
    } else if (::MessageBoxW(window, DialogStrList[1].c_str(), L"?",
                             MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
        SaveSettings(window);
    }
}

void TSettingsSession::SaveAtSessionEnd(HWND window) {
    if (!started_ || written_) return;
    written_ = true;
    if (!settingsDeleted) SaveSettings(window);
}

}  // namespace velmira
