// Window behaviour of the main stage: dragging, the popup menu and its
// commands, and the debug controls that the debug mode shows.
#include "about/win/about_box.h"
#include "app/menu_visibility.h"
#include "base/win/dialog_template.h"
#include "app/win/main_stage.h"
#include "clock/thread_priority.h"
#include "reminders/win/message_balloon.h"

namespace velmira {

static_assert(TMainStage::kMIDigiAnaId == menu_command::kMIDigiAna,
              "one id for the digital display item");
static_assert(TMainStage::kMIAmPmId == menu_command::kMIAmPm, "one id for the 12-hour item");
static_assert(TMainStage::kDateTimePicker1Id >= menu_command::kFirstDebugControlId,
              "debug control ids stay clear of the menu's");

namespace {

// Opening the menu closes a shown balloon.
void HideMessageBalloon() {
    if (MessageBalloon && MessageBalloon->Visible()) MessageBalloon->Hide();
}

// The balloon takes the style even while hidden, for its next appearance.
void SetMessageBalloonStayOnTop(bool stayOnTop) {
    if (MessageBalloon) MessageBalloon->SetStayOnTop(stayOnTop);
}

// The anniversary and schedule dialogs arrive with their own work; these
// stand where their modal display goes.
void ShowKinenbiModal(HWND owner) { (void)owner; }
void ShowYoteiModal(HWND owner) { (void)owner; }

int Item(const char* name) { return FindMenuItem(name); }

BOOL CALLBACK ReleaseCalendarPopup(HWND hwnd, LPARAM stage) {
    wchar_t className[32] = {};
    if (::GetWindow(hwnd, GW_OWNER) == reinterpret_cast<HWND>(stage) &&
        ::GetClassNameW(hwnd, className, 32) && ::lstrcmpiW(className, MONTHCAL_CLASSW) == 0)
        ::SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, 0);
    return TRUE;
}

struct DebugControlLayout {
    HWND TMainStage::*field;
    UINT id;
    const wchar_t* className;
    DWORD style;
    const wchar_t* caption;
    int left, top, width, height;
};

// Hidden and disabled until the debug mode shows them.
const DebugControlLayout kDebugControls[] = {
    {&TMainStage::DateTimePicker1, TMainStage::kDateTimePicker1Id, DATETIMEPICK_CLASSW,
     WS_TABSTOP | DTS_TIMEFORMAT, L"", 198, 119, 65, 20},
    {&TMainStage::MessageTest, TMainStage::kMessageTestId, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON,
     L"Message", 202, 143, 57, 17},
    {&TMainStage::FaceTest, TMainStage::kFaceTestId, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, L"Face",
     206, 163, 43, 17},
    {&TMainStage::NakuTest, TMainStage::kNakuTestId, L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX,
     L"泣く", 171, 184, 45, 17},
    {&TMainStage::RandomFace1, TMainStage::kRandomFace1Id, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON,
     L"笑顔", 226, 185, 43, 17},
};

}  // namespace

void TMainStage::CreatePopupMenu1() {
    PopupMenu1.Build(PopupMenu1Layout());
    CreateDebugControls();
}

void TMainStage::CreateDebugControls() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&icc);
    if (!Font)
        Font = CreateFormFont();
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    for (const DebugControlLayout& c : kDebugControls) {
        HWND& control = this->*c.field;
        if (control) continue;
        control = ::CreateWindowExW(0, c.className, c.caption, WS_CHILD | WS_DISABLED | c.style,
                                    c.left, c.top, c.width, c.height, Handle(),
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(c.id)), instance,
                                    nullptr);
        if (control && Font)
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font.get()), FALSE);
    }
    ReleaseCalendarPopups();
}

void TMainStage::ReleaseCalendarPopups() {
    // Some time pickers make their calendar popup at once, owned by the stage,
    // and with an owned popup Wine no longer makes the stage topmost. The
    // time-only picker never drops its calendar down, so let it go free.
    ::EnumThreadWindows(::GetCurrentThreadId(), &ReleaseCalendarPopup,
                        reinterpret_cast<LPARAM>(Handle()));
}

void TMainStage::ApplyMenuMarks() {
    SetMenuChecked(kMIDigiAnaId, !AnaDigi);
    SetMenuChecked(kMIAmPmId, DigiAMPM);
    SetMenuChecked(menu_command::kStayOnTop1, StayOnTop);
}

void TMainStage::CheckThreadPriorityItem() {
    const int item = ThreadPriorityMenuItem(ThreadPrio);
    if (item >= 0)
        PopupMenu1.CheckRadioItem(item);
    else
        PopupMenu1.ClearRadioGroup(
            PopupMenu1Layout()[static_cast<size_t>(Item("MIThreadPrio1"))].group);
}

LRESULT TMainStage::WMNCHitTest() {
    // With swapped buttons the primary one is the right-hand button.
    const int primary = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (asyncKeyHeld(primary)) {
        // Held down, every point of her is a title bar: the system drags the window.
        ResetLoneliness();
        return HTCAPTION;
    }
    return HTCLIENT;
}

void TMainStage::ShowPopupMenu1(int screenX, int screenY) {
    PopupMenu1Popup();
    // Without the foreground the menu would not close on a click elsewhere,
    // and without the WM_NULL a second opening could close at once.
    ::SetForegroundWindow(Handle());
    ::TrackPopupMenu(PopupMenu1.Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenX,
                     screenY, 0, Handle(), nullptr);
    ::PostMessageW(Handle(), WM_NULL, 0, 0);
}

void TMainStage::PopupMenu1Popup() {
    // The hidden items show only while their keys are held as the menu opens.
    MenuKeys keys;
    keys.shift = asyncKeyHeld(VK_SHIFT);
    keys.control = asyncKeyHeld(VK_CONTROL);
    keys.right = asyncKeyHeld(VK_RIGHT);
    keys.up = asyncKeyHeld(VK_UP);
    const PopupMenuLayout& layout = PopupMenu1Layout();
    for (const char* name : {"MIDebugMode", "MIThreadPriority", "MIGaman", "MIDigiAna", "MIAmPm"}) {
        const int index = Item(name);
        PopupMenu1.SetVisible(index, MenuItemShows(layout[static_cast<size_t>(index)].show, keys));
    }
    PopupMenu1.Refresh();
    HideMessageBalloon();
    ResetLoneliness();
}

void TMainStage::MenuCommand(UINT id) {
    namespace cmd = menu_command;
    if (id >= cmd::kMIThreadPrio1 && id <= cmd::kMIThreadPrio6) {
        MIThreadPrio6Click(id);
        return;
    }
    if (id >= cmd::kMIGaman1 && id <= cmd::kMIGaman0) {
        MIGaman5Click(id);
        return;
    }
    switch (id) {
        case cmd::kAbout1:
            About1Click();
            break;
        case cmd::kMIDebugMode:
            MIDebugModeClick();
            break;
        case cmd::kStayOnTop1:
            StayOnTop1Click();
            break;
        case cmd::kMIDigiAna:
            MIDigiAnaClick();
            break;
        case cmd::kMIAmPm:
            MIAmPmClick();
            break;
        case cmd::kMIMemorialSet:
            MIMemorialSetClick();
            break;
        case cmd::kMIScheduleSet:
            MIScheduleSetClick();
            break;
        case cmd::kX1:
            X1Click();
            break;
        case kMessageTestId:
            MessageTestClick();
            break;
        case kFaceTestId:
            FaceTestClick();
            break;
        case kNakuTestId:
            NakuTestClick();
            break;
        case kRandomFace1Id:
            RandomFace1Click();
            break;
        default:
            break;
    }
}

LRESULT TMainStage::OnNotify(const NMHDR& header) {
    if (header.idFrom == kDateTimePicker1Id && header.hwndFrom == DateTimePicker1 &&
        header.code == DTN_DATETIMECHANGE)
        DateTimePicker1Change();
    return 0;
}

void TMainStage::StayOnTop1Click() {
    StayOnTop = !StayOnTop;
    SetMenuChecked(menu_command::kStayOnTop1, StayOnTop);
    ApplyStayOnTop();
    // The hidden balloon takes the style too, for its next appearance.
    SetMessageBalloonStayOnTop(StayOnTop);
}

void TMainStage::MIDebugModeClick() {
    const int item = Item("MIDebugMode");
    const bool on = !PopupMenu1.Checked(item);
    PopupMenu1.SetChecked(item, on);
    for (HWND control : {DateTimePicker1, MessageTest, FaceTest, NakuTest, RandomFace1}) {
        if (!control) continue;
        ::EnableWindow(control, on);
        ::ShowWindow(control, on ? SW_SHOWNA : SW_HIDE);
    }
}

void TMainStage::MIThreadPrio6Click(UINT itemId) {
    const int item = PopupMenu1.IndexOfCommand(itemId);
    if (item < 0) return;
    ThreadPrio = PopupMenu1.Tag(itemId);
    PopupMenu1.CheckRadioItem(item);
    ApplyThreadPriority();
}

void TMainStage::About1Click() {
    TAboutBox aboutBox(Handle());
    aboutBox.ShowModal();
}

void TMainStage::MIMemorialSetClick() {
    // Queued reminders wait while the dialog is open.
    dialogOpen = true;
    ShowKinenbiModal(Handle());
    dialogOpen = false;
}

void TMainStage::MIScheduleSetClick() {
    dialogOpen = true;
    ShowYoteiModal(Handle());
    dialogOpen = false;
}

void TMainStage::SetMenuChecked(UINT itemId, bool checked) {
    PopupMenu1.SetChecked(PopupMenu1.IndexOfCommand(itemId), checked);
}

// The debug controls' work belongs to the faces and reminders; they fill these in.
void TMainStage::MessageTestClick() {}
void TMainStage::FaceTestClick() {}
void TMainStage::NakuTestClick() {}
void TMainStage::RandomFace1Click() {}
void TMainStage::MIGaman5Click(UINT itemId) { (void)itemId; }

}  // namespace velmira
