#pragma once
// The five controls the debug mode shows on the main stage: a time picker
// that redraws the dial at the picked time, and the buttons that try her
// messages and faces. Hidden and disabled until the debug mode shows them.

#include <windows.h>
// commctrl.h needs the types of windows.h
#include <commctrl.h>

#include <vector>

#include "base/display_scale.h"
#include "base/types.h"
#include "base/win/handles.h"

namespace velmira {

class TDebugControls {
public:
    // Control ids, clear of the popup menu's command ids.
    static constexpr UINT kDateTimePicker1Id = 0x0200;
    static constexpr UINT kMessageTestId = 0x0201;
    static constexpr UINT kFaceTestId = 0x0202;
    static constexpr UINT kNakuTestId = 0x0203;
    static constexpr UINT kRandomFace1Id = 0x0204;

    TDebugControls() = default;
    TDebugControls(const TDebugControls&) = delete;
    TDebugControls& operator=(const TDebugControls&) = delete;

    // Makes the controls on `stage`, hidden and disabled, at her scale; the
    // picker shows 0:46 of `today`.
    void Create(HWND stage, const LocalTime& today, const DisplayScale& scale);
    // Places and fonts them again at `scale`: the stage calls it when her
    // scale changes.
    void SetScale(const DisplayScale& scale);
    const DisplayScale& Scale() const { return scale_; }
    void SetShown(bool shown);
    bool Shown() const { return shown_; }
    // Their rectangles in the stage's client area (at its scale); the
    // window's shape takes them in while they show.
    std::vector<RECT> Rects() const;
    // Whether the notice is the picker's: the user changed its time.
    bool IsTimePicked(const NMHDR& notice) const {
        return notice.idFrom == kDateTimePicker1Id && notice.hwndFrom == DateTimePicker1 &&
               notice.code == DTN_DATETIMECHANGE;
    }
    // The picker's hour and minute; false when it holds no valid time.
    bool PickedTime(int& hour, int& minute) const;
    // Whether "泣く" is checked: her moods then move on every five seconds.
    bool NakuTestChecked() const;

    HWND DateTimePicker1 = nullptr;
    HWND MessageTest = nullptr;
    HWND FaceTest = nullptr;
    HWND NakuTest = nullptr;
    HWND RandomFace1 = nullptr;

private:
    void ReleaseCalendarPopups(HWND stage);
    std::vector<HWND> Controls() const;
    UniqueFont font_;
    DisplayScale scale_;
    bool shown_ = false;
};

}  // namespace velmira
