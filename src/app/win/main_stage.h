#pragma once
// TMainStage: the borderless character window. It holds every setting and
// all run-time state of the program; its methods are spread over files named
// after what they do (main_stage_*.cpp), all running on the user-interface thread.

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/types.h"
#include "base/win/components.h"
#include "base/win/form_window.h"
#include "base/win/handles.h"
#include "app/win/popup_menu.h"
#include "app/win/stage_environment.h"
#include "clock/dial_geometry.h"
#include "clock/digital_layout.h"
#include "clock/win/clocker.h"
#include "clock/win/dial_painter.h"
#include "settings/stage_settings.h"

namespace velmira {

// The dial geometry and the digital layout are fields of the stage itself,
// like the settings.
class TMainStage : public FormWindow,
                   public StageSettings,
                   public ClockTarget,
                   public DialGeometry,
                   public DigitalLayout {
public:
    explicit TMainStage(const StageEnvironment& environment = StageEnvironment::System());
    ~TMainStage() override;

    // Creates the window (hidden) and runs FormCreate. False when the window
    // could not be made.
    bool Create();

    // ---- start-up and lifecycle (main_stage.cpp)
    void FormCreate();
    void AppMessage(MSG& msg, bool& handled);
    void AppMinimize();
    void AppRestore();
    void X1Click();

    // ---- clock hand-overs, run on this thread while the clock thread waits
    void DrawSecondHand(int second) override;                 // main_stage_dial.cpp
    void RedrawClock(int hour, int minute) override;          // main_stage_dial.cpp
    void CheckReminders(bool dateChanged, bool minuteChanged,
                        const LocalTime& time) override;      // main_stage_reminders.cpp
    void SetApplicationTitle(const std::wstring& title) override;

    // ---- settings (main_stage_settings.cpp)
    void ResetSettingsAtStart();
    bool LoadSettings();
    bool SaveSettings();
    void FormCloseQuery();

    // ---- skin and window shape (main_stage_skin.cpp)
    void ApplySkin();
    HRGN LoadRegionResource(int id) const;
    void FormShow();

    // ---- dial (main_stage_dial.cpp)
    void SetUpDial();
    void MojibanBoxPaint(HDC dc);
    void MIDigiAnaClick();
    void MIAmPmClick();
    void DateTimePicker1Change();
    void DrawHand(const Point* points, int lastPoint, bool hourHand);
    void PaintSeconds(int second);
    void DrawHourMinuteDigits(int left, int top, int hour, int minute);
    void DrawSecondHandOn(HDC dc, int second);  // DrawSecondHand onto a given window DC
    // Command ids of the two display items of the popup menu.
    static constexpr UINT kMIDigiAnaId = 0x0121;
    static constexpr UINT kMIAmPmId = 0x0122;

    // ---- window behaviour and popup menu (main_stage_menu.cpp)
    void CreatePopupMenu1();
    LRESULT WMNCHitTest();
    void ShowPopupMenu1(int screenX, int screenY);
    void PopupMenu1Popup();
    void MenuCommand(UINT id);
    void StayOnTop1Click();
    void MIDebugModeClick();
    void MIThreadPrio6Click(UINT itemId);
    void About1Click();
    void MIMemorialSetClick();
    void MIScheduleSetClick();
    void SetMenuChecked(UINT itemId, bool checked);
    void ApplyMenuMarks();
    void CheckThreadPriorityItem();
    void ApplyThreadPriority();
    void ApplyStayOnTop();
    void CreateDebugControls();
    void ReleaseCalendarPopups();
    LRESULT OnNotify(const NMHDR& header);
    // The debug controls' clicks; filled by the faces and reminders work.
    void MessageTestClick();
    void FaceTestClick();
    void NakuTestClick();
    void RandomFace1Click();
    // The loneliness wait items of the hidden MIGaman submenu; filled by the faces work.
    void MIGaman5Click(UINT itemId);
    // Whether a key or mouse button is down now (top bit of GetAsyncKeyState).
    // Tests put their own key states here.
    std::function<bool(int virtualKey)> asyncKeyHeld = [](int virtualKey) {
        return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0;
    };
    // Control ids of the debug controls.
    static constexpr UINT kDateTimePicker1Id = 0x0200;
    static constexpr UINT kMessageTestId = 0x0201;
    static constexpr UINT kFaceTestId = 0x0202;
    static constexpr UINT kNakuTestId = 0x0203;
    static constexpr UINT kRandomFace1Id = 0x0204;

    // ---- faces and loneliness (main_stage_faces.cpp)
    void StopLonelinessTimer();
    void ResetLoneliness();
    void TryRandomSmile();
    void FaceFramePaint(HDC dc);
    void SamishiiTimerTimer();

    // ---- reminder queue (main_stage_reminders.cpp)
    void MainTimerTimer();

    // ---- state of the stage
    TClocker* clocker = nullptr;
    bool settingsDeleted = false;
    bool dialogOpen = false;
    bool priorityRestorePending = false;
    std::array<QueuedReminder, 16> reminderQueue{};
    int32_t queueCount = 0;
    int32_t smileCounter = 0;
    bool queueBusy = false;
    HBITMAP faceBitmap = nullptr;  // one of the face pictures, not owned; none when no face
    Colour secHandColor = 0;
    Colour handFillColor = 0;
    Colour handEdgeColor = 0;
    int32_t imageLeft = 0;
    int32_t imageTop = 0;
    std::wstring exeDir;
    UniqueRgn dialRegion;  // the dial outline in client coordinates; clips the second hand
    bool appMinimized = false;
    int Tag = 0;  // first-show marker: 0 until the first show has placed the window

    // ---- components (the layout's names and places)
    TImage Image1;
    TPaintBox MojibanBox;
    TPaintBox MouthArea;
    TPaintBox FaceFrame;
    TPaintBox MojibanHandArea;
    std::vector<std::wstring> DefaultStrings;
    std::vector<std::wstring> DialogStrList;
    TTimer MainTimer;
    TTimer SamishiiTimer;
    TPopupMenu PopupMenu1;
    UniqueFont Font;  // the form's font, "ＭＳ Ｐゴシック" 12 px, for its controls

    // ---- dial state (main_stage_dial.cpp adds what it needs here); the
    // tables, pivots, hand shapes and digit places come from DialGeometry and
    // DigitalLayout
    UniqueBitmap dialBitmap;  // 32 bits a pixel, the size of MojibanBox
    HIMAGELIST ImageList1 = nullptr;
    HIMAGELIST AmPm = nullptr;
    HIMAGELIST DigiNumber = nullptr;
    HIMAGELIST DigiNumSmall = nullptr;
    DialPainter dialPainter;  // after dialBitmap: lets go of it before the bitmap goes

    // ---- debug controls (main_stage_menu.cpp creates them)
    HWND DateTimePicker1 = nullptr;
    HWND MessageTest = nullptr;
    HWND FaceTest = nullptr;
    HWND NakuTest = nullptr;
    HWND RandomFace1 = nullptr;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    void OnClose();
    void OnDestroy();
    StageEnvironment environment_;
    std::unique_ptr<TClocker> ownedClocker_;
    UniqueBrush greenBrush_;
    bool shown_ = false;
    bool background_black_ = false;
    bool closing_ = false;

    friend class TMainStageAccess;
};

// The main stage of this run; set before its constructor runs so code in
// FormCreate reaches it, cleared when it is gone.
extern TMainStage* MainStage;

// The entry point's work: title, main stage, loop. Returns the exit code.
int RunVelmiraClock(HINSTANCE instance, const StageEnvironment& environment);

}  // namespace velmira
