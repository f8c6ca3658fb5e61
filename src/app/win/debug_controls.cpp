#include "app/win/debug_controls.h"

#include <commctrl.h>

#include "base/win/desktop.h"
#include "base/win/dialog_template.h"

namespace velmira {

namespace {

struct DebugControlLayout {
    HWND TDebugControls::*field;
    UINT id;
    const wchar_t* className;
    DWORD style;
    const wchar_t* caption;
    int left, top, width, height;
};

const DebugControlLayout kDebugControls[] = {
    {&TDebugControls::DateTimePicker1, TDebugControls::kDateTimePicker1Id, DATETIMEPICK_CLASSW,
     WS_TABSTOP | DTS_TIMEFORMAT, L"", 198, 119, 65, 20},
    {&TDebugControls::MessageTest, TDebugControls::kMessageTestId, L"BUTTON",
     WS_TABSTOP | BS_PUSHBUTTON, L"Message", 202, 143, 57, 17},
    {&TDebugControls::FaceTest, TDebugControls::kFaceTestId, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON,
     L"Face", 206, 163, 43, 17},
    {&TDebugControls::NakuTest, TDebugControls::kNakuTestId, L"BUTTON",
     WS_TABSTOP | BS_AUTOCHECKBOX, L"泣く", 171, 184, 45, 17},
    {&TDebugControls::RandomFace1, TDebugControls::kRandomFace1Id, L"BUTTON",
     WS_TABSTOP | BS_PUSHBUTTON, L"笑顔", 226, 185, 43, 17},
};

}  // namespace

void TDebugControls::Create(HWND stage) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&icc);
    if (!font_) font_ = CreateFormFont();
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    for (const DebugControlLayout& c : kDebugControls) {
        HWND& control = this->*c.field;
        if (control) continue;
        control = ::CreateWindowExW(0, c.className, c.caption, WS_CHILD | WS_DISABLED | c.style,
                                    c.left, c.top, c.width, c.height, stage,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(c.id)), instance,
                                    nullptr);
        if (control && font_)
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    if (DateTimePicker1) {
        // The picker starts at 0:46 of today, as its layout keeps it.
        SYSTEMTIME start;
        ::GetLocalTime(&start);
        start.wHour = 0;
        start.wMinute = 46;
        start.wSecond = 0;
        start.wMilliseconds = 0;
        DateTime_SetSystemtime(DateTimePicker1, GDT_VALID, &start);
    }
    ReleaseCalendarPopups(stage);
}

void TDebugControls::ReleaseCalendarPopups(HWND stage) {
    // Some time pickers make their calendar popup at once, owned by the stage,
    // and with an owned popup Wine no longer makes the stage topmost. The
    // time-only picker never drops its calendar down, so let it go free.
    for (HWND popup : OwnedWindowsOfClass(stage, MONTHCAL_CLASSW))
        ::SetWindowLongPtrW(popup, GWLP_HWNDPARENT, 0);
}

void TDebugControls::SetShown(bool shown) {
    shown_ = shown;
    for (HWND control : {DateTimePicker1, MessageTest, FaceTest, NakuTest, RandomFace1}) {
        if (!control) continue;
        ::EnableWindow(control, shown);
        ::ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE);
    }
}

std::vector<RECT> TDebugControls::Rects() const {
    std::vector<RECT> rects;
    for (HWND control : {DateTimePicker1, MessageTest, FaceTest, NakuTest, RandomFace1}) {
        if (!control) continue;
        rects.push_back(PlaceInParent(control));
    }
    return rects;
}

bool TDebugControls::NakuTestChecked() const {
    return NakuTest && ::SendMessageW(NakuTest, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool TDebugControls::PickedTime(int& hour, int& minute) const {
    SYSTEMTIME picked{};
    if (!DateTimePicker1 || DateTime_GetSystemtime(DateTimePicker1, &picked) != GDT_VALID)
        return false;
    hour = picked.wHour;
    minute = picked.wMinute;
    return true;
}

}  // namespace velmira
