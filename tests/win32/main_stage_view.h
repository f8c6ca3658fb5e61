#pragma once
// What the Win32 tests may read of a main stage: its parts, read-only.
// They drive it through its window's messages and the clock's hand-overs.

#include <string>

#include "app/win/main_stage.h"

namespace velmira {

class MainStageView {
public:
    explicit MainStageView(const TMainStage& stage) : stage_(stage) {}
    const StageSettings& Settings() const { return stage_.Settings(); }
    const TSettingsSession& Session() const { return stage_.session_; }
    const TCharacterSkin& Skin() const { return stage_.figure_.skin; }
    const TFaces& Faces() const { return stage_.figure_.faces; }
    const TReminderDesk& Reminders() const { return stage_.desk_; }
    const TSoundPlayer& Sound() const { return stage_.sound_; }
    const TDialView& Dial() const { return stage_.figure_.dial; }
    const TPopupMenu& PopupMenu1() const { return stage_.popupMenu_; }
    const TDebugControls& DebugControls() const { return stage_.debugControls_; }
    const TClocker* Clocker() const { return stage_.clocker_.get(); }
    const std::wstring& ExeDir() const { return stage_.exeDir_; }
    int Tag() const { return stage_.Tag; }

private:
    const TMainStage& stage_;
};

}  // namespace velmira
