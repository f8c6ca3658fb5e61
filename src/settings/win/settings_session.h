#pragma once
// The settings of one run: the reset offered at start, reading them once at
// start, writing them at the end (a close, or the end of the Windows session)
// and whenever the user has changed one, so a crash or a power cut loses
// nothing. Runs on the user-interface thread.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/inputs.h"
#include "base/types.h"
#include "settings/stage_settings.h"
#include "settings/win/settings_location.h"

namespace velmira {

class TSettingsSession {
public:
    TSettingsSession(SettingsLocation location, KeyHeld keyHeld);

    // The start of the run: the reset when Shift and Ctrl are held (the
    // question is owned by `owner`), then the stored values unless the reset
    // deleted them. Only from here on does a close write anything.
    void Start(HWND owner);
    void ResetSettingsAtStart(HWND owner);
    bool LoadSettings();

    // Writes every value, the position from where `window` is now.
    bool SaveSettings(HWND window);

    // The first show put her at `at`: while she stays there, `toStore` is
    // written as her position (the stored one, when only fitting her on the
    // screen moved her).
    void PlacedAtStart(Point at, Point toStore);

    // The user changed a setting: writes the values a close would, without a
    // question. Nothing before Start has finished, while the reset's
    // deletion stands (the close asks first) or after the close has written.
    void SaveNow(HWND window);
    // A drag of her window begins or ends: one that moved her is stored at
    // once, a plain click is not.
    void DragBegins(HWND window);
    void DragEnds(HWND window);

    // A close of the main stage: writes the settings, after asking when the
    // reset deleted them at start. Never refuses the close. Before Start has
    // finished it writes nothing: the user has agreed to nothing yet.
    void FormCloseQuery(HWND window);

    // Windows is ending the session: writes like a close, without a question
    // (there is nobody to answer it), and nothing after a reset.
    void SaveAtSessionEnd(HWND window);

    // The run ends before Start has finished (a close while the reset question
    // is open): the question owned by `owner` is answered with Cancel, Start
    // reads nothing more, and nothing is ever written.
    void AbandonStart(HWND owner);

    bool Started() const { return started_; }
    const SettingsLocation& Location() const { return location_; }

    StageSettings settings;
    // The lastYotei to write instead of the one in force; without it the
    // field is written as it stands.
    std::function<int32_t()> lastYoteiToStore;
    bool settingsDeleted = false;
    // [1] is the question asked at close after a reset.
    std::vector<std::wstring> DialogStrList;

private:
    SettingsLocation location_;
    KeyHeld keyHeld_;
    bool started_ = false;
    bool abandoned_ = false;
    bool written_ = false;  // a run writes its settings once
    RECT dragStart_{};      // where a drag began
    bool placed_ = false;
    Point placedAt_;
    Point placedToStore_;
};

}  // namespace velmira
