#pragma once
// TMainStage: the borderless window cut to her outline. It turns its messages
// into calls on its parts and runs the start-up and the close; the parts own
// their state (docs/architecture.md lists them). User-interface thread only.
// Its handlers are reached through its window's messages; tests read it
// through MainStageView.

#include <windows.h>

#include <memory>
#include <string>

#include "app/win/application.h"
#include "app/win/debug_controls.h"
#include "app/win/popup_menu.h"
#include "app/win/stage_environment.h"
#include "base/win/form_window.h"
#include "app/win/stage_figure.h"
#include "app/win/view_commands.h"
#include "clock/win/clocker.h"
#include "presence/win/stage_band.h"
#include "reminders/win/reminder_desk.h"
#include "settings/win/settings_session.h"
#include "voice/win/sound_player.h"

namespace velmira {

// The clock thread's hand-overs come in through ClockTarget, the user's
// through the window's messages.
class TMainStage : public FormWindow, public ClockTarget {
public:
    TMainStage(TApplication& application,
               StageEnvironment environment = StageEnvironment::System());
    ~TMainStage() override;

    // Creates the window (hidden), runs FormCreate and makes the balloon.
    // False when the window could not be made, or when a close arrived while
    // the start-up ran (ClosedDuringStart). Throws std::runtime_error when
    // the program's artwork is missing or the clock thread cannot start.
    bool Create();
    bool ClosedDuringStart() const { return closedDuringStart_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    friend class MainStageView;

    // Start-up and lifecycle (main_stage.cpp).
    void FormCreate();
    void FormShow();
    void FormCloseQuery();
    void ApplyShape();
    // Hands her scale to every part that draws on her or beside her.
    void ApplyScale(const DisplayScale& monitor);
    // The same for a scale or size that changed while she runs.
    void Rescale(const DisplayScale& monitor);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnPaint();
    void OnClose();
    void OnEndSession(bool ending);

    // The clock's hand-overs, run here while the clock thread waits.
    void DrawSecondHand(int second) override;
    void RedrawClock(int hour, int minute) override;
    void CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) override;
    void SetApplicationTitle(const std::wstring& title) override;
    void RedrawNow();

    // Window behaviour, the popup menu and its commands (main_stage_commands.cpp).
    LRESULT WMNCHitTest();
    void ShowPopupMenu1(int screenX, int screenY);
    void PopupMenu1Popup();
    void MenuCommand(UINT id);
    void About1Click();
    void MIDebugModeClick();
    void MIThreadPrio6Click(UINT itemId);
    void StayOnTop1Click();
    void MIDigiAnaClick();
    void MIAmPmClick();
    void MIMemorialSetClick();
    void MIScheduleSetClick();
    void X1Click();
    void DateTimePicker1Change();
    void MIGaman5Click(UINT itemId);
    void NakuTestClick();
    void FaceTestClick();
    void RandomFace1Click();
    void MessageTestClick();
    void ApplyMenuMarks();
    void ApplyThreadPriority();

    StageSettings& Settings() { return session_.settings; }
    const StageSettings& Settings() const { return session_.settings; }
    DialMode Mode() const { return DialMode{Settings().AnaDigi, Settings().DigiAMPM}; }
    bool PlaySoundByName(const std::wstring& name) { return sound_.PlaySoundByName(name); }

    TApplication& application_;
    StageEnvironment env_;
    HINSTANCE resources_;
    std::wstring exeDir_;  // the program's folder, ending in a backslash
    TSettingsSession session_;
    TSoundPlayer sound_;
    TStageFigure figure_;  // her picture, faces and dial
    TReminderDesk desk_;
    TPopupMenu popupMenu_;
    TDebugControls debugControls_;
    // Her window's band; while a program in full screen covers her monitor
    // her reminders and calls wait too.
    TStageBand band_;
    TViewCommands view_;  // the 表示 submenu, her icon and a second start
    DisplayScale scale_;  // her monitor's
    // First-show marker: 0 until the first show has placed the window. The
    // debug face test counts on it too, so that a show after it has gone
    // back to 0 puts her at the stored position again.
    int Tag = 0;
    bool started_ = false;  // FormCreate has run to its end
    bool shown_ = false;    // FormShow has given her a shape
    bool closedDuringStart_ = false;
    bool closing_ = false;
    // Last, so it goes first: no hand-over may reach a part already gone.
    std::unique_ptr<TClocker, ClockerShutdown> clocker_;
};

}  // namespace velmira
