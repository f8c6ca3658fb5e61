#pragma once
// TMainStage: the borderless window cut to her outline. It keeps the window,
// turns its messages into calls on its parts and runs the start-up and the
// close; the parts own their state:
//   TSettingsSession  the settings, the reset at start, reading and writing
//   TCharacterSkin    her picture, the skin's boxes and colours, the shape
//   TFaces            her faces and moods, with SamishiiTimer
//   TSoundPlayer      her voice
//   TReminderDesk     the reminder queue, MainTimer and the speech balloon
//   TDialView         the dial's artwork, minute picture and outline
//   TClocker          the clock thread, which hands its updates over here
//   TPopupMenu, TDebugControls
// Everything here runs on the user-interface thread.

#include <windows.h>

#include <memory>
#include <string>

#include "app/win/debug_controls.h"
#include "app/win/popup_menu.h"
#include "app/win/stage_environment.h"
#include "base/win/form_window.h"
#include "character/win/character_skin.h"
#include "character/win/faces.h"
#include "clock/win/clocker.h"
#include "clock/win/dial_view.h"
#include "reminders/win/reminder_desk.h"
#include "settings/win/settings_session.h"
#include "voice/win/sound_player.h"

namespace velmira {

class TMainStage : public FormWindow, private ClockTarget {
public:
    explicit TMainStage(StageEnvironment environment = StageEnvironment::System());
    ~TMainStage() override;

    // Creates the window (hidden), runs FormCreate and makes the balloon.
    // False when the window could not be made, or when a close arrived while
    // the start-up ran (ClosedDuringStart). Throws std::runtime_error when
    // the program's artwork is missing or the clock thread cannot start.
    bool Create();
    bool ClosedDuringStart() const { return closedDuringStart_; }

    // ---- start-up and lifecycle (main_stage.cpp)
    void FormCreate();
    void FormShow();
    void FormCloseQuery();
    void AppMessage(MSG& msg, bool& handled);
    void AppMinimize() { appMinimized = true; }
    void AppRestore() { appMinimized = false; }
    void X1Click();

    // ---- the clock's hand-overs, run here while the clock thread waits
    void DrawSecondHand(int second) override;
    void RedrawClock(int hour, int minute) override;
    void CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) override;
    void SetApplicationTitle(const std::wstring& title) override;
    void MojibanBoxPaint(HDC dc);

    // ---- her voice: a WAVE resource or a file in SOUND_DATA beside the program
    bool PlaySoundByName(const std::wstring& name);
    bool StopSound();

    // ---- window behaviour and the popup menu's commands (main_stage_commands.cpp)
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
    void DateTimePicker1Change();
    void MIGaman5Click(UINT itemId);
    void NakuTestClick();
    void FaceTestClick();
    void RandomFace1Click();
    void MessageTestClick();
    void ApplyMenuMarks();
    void CheckThreadPriorityItem();
    void ApplyThreadPriority();
    void ApplyStayOnTop();

    // ---- the parts
    TSettingsSession& Session() { return session_; }
    StageSettings& Settings() { return session_.settings; }
    TCharacterSkin& Skin() { return skin_; }
    TFaces& Faces() { return faces_; }
    TReminderDesk& Reminders() { return desk_; }
    TDialView& Dial() { return dial_; }
    TPopupMenu& PopupMenu1() { return popupMenu_; }
    TDebugControls& DebugControls() { return debugControls_; }
    TClocker* Clocker() { return clocker_.get(); }

    // ---- state of the stage itself
    bool dialogOpen = false;              // a settings dialog is open: queued reminders wait
    bool priorityRestorePending = false;  // the screen saver dropped the clock to idle
    bool appMinimized = false;
    std::wstring exeDir;  // the program's folder, ending in a backslash
    int Tag = 0;          // first-show marker: 0 until the first show has placed the window

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The one way the clock thread is stopped: refuse further hand-overs, wait
    // briefly for it; a thread that does not end in time is left to the
    // process exit and never touched again.
    struct StopClockThread {
        void operator()(TClocker* clocker) const;
    };

    DialMode Mode() const {
        return DialMode{session_.settings.AnaDigi, session_.settings.DigiAMPM};
    }
    void RedrawNow();
    Point WindowPosition() const;
    void ApplyShape();
    void OnPaint();
    void OnClose();
    void OnEndSession(bool ending);
    void CancelStartQuestion();

    StageEnvironment env_;
    HINSTANCE resources_;
    TSettingsSession session_;
    TCharacterSkin skin_;
    TSoundPlayer sound_;
    TFaces faces_;
    TReminderDesk desk_;
    TDialView dial_;
    TPopupMenu popupMenu_;
    TDebugControls debugControls_;
    UniqueBrush greenBrush_;
    bool backgroundBlack_ = false;
    bool started_ = false;  // FormCreate has run to its end
    bool shown_ = false;    // FormShow has given her a shape
    Point dragStart_;       // where a drag began
    bool closedDuringStart_ = false;
    bool closing_ = false;
    // Last, so it goes first: no hand-over may reach a part already gone.
    std::unique_ptr<TClocker, StopClockThread> clocker_;
};

}  // namespace velmira
