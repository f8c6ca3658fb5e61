#include "app/win/debug_controls.h"

#include <commctrl.h>

#include "base/win/window_places.h"
#include "base/win/dialog_template.h"

namespace velmira {

namespace {

constexpr DWORD kHidden = WS_CHILD | WS_DISABLED | WS_TABSTOP;

const DialogControl kDebugControls[] = {
    {TDebugControls::kDateTimePicker1Id, DATETIMEPICK_CLASSW, kHidden | DTS_TIMEFORMAT, L"", 198,
     119, 65, 20},
    {TDebugControls::kMessageTestId, kButtonAtom, kHidden | BS_PUSHBUTTON, L"Message", 202, 143, 57,
     17},
    {TDebugControls::kFaceTestId, kButtonAtom, kHidden | BS_PUSHBUTTON, L"Face", 206, 163, 43, 17},
    {TDebugControls::kNakuTestId, kButtonAtom, kHidden | BS_AUTOCHECKBOX, L"泣く", 171, 184, 45,
     17},
    {TDebugControls::kRandomFace1Id, kButtonAtom, kHidden | BS_PUSHBUTTON, L"笑顔", 226, 185, 43,
     17},
};

}  // namespace

void TDebugControls::Create(HWND stage, const LocalTime& today, const DisplayScale& scale) {
    if (DateTimePicker1) return;  // made once
    scale_ = scale;
    font_ = CreateFormFont(scale_);
    const std::vector<HWND> made = CreateChildControls(stage, kDebugControls, font_.get(), scale_);
    DateTimePicker1 = made[0];
    MessageTest = made[1];
    FaceTest = made[2];
    NakuTest = made[3];
    RandomFace1 = made[4];
    if (DateTimePicker1) {
        // The picker starts at 0:46 of the day it is made, as its layout keeps it.
        SYSTEMTIME start{};
        start.wYear = today.year;
        start.wMonth = today.month;
        start.wDay = today.day;
        start.wDayOfWeek = today.dayOfWeek;
        start.wHour = 0;
        start.wMinute = 46;
        start.wSecond = 0;
        start.wMilliseconds = 0;
        DateTime_SetSystemtime(DateTimePicker1, GDT_VALID, &start);
    }
    ReleaseCalendarPopups(stage);
}

void TDebugControls::SetScale(const DisplayScale& scale) {
    scale_ = scale;
    if (!DateTimePicker1) return;  // placed at the scale when they are made
    font_ = PlaceChildControls(Controls(), kDebugControls, scale_);
}

std::vector<HWND> TDebugControls::Controls() const {
    return {DateTimePicker1, MessageTest, FaceTest, NakuTest, RandomFace1};
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
