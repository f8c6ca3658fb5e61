// Window behaviour of the main stage: dragging, the popup menu and the
// commands behind its items and behind the debug controls.
#include "about/win/about_box.h"
#include "app/menu_visibility.h"
#include "app/win/main_stage.h"
#include "reminders/win/kinenbi_dialog.h"
#include "reminders/win/yotei_dialog.h"

namespace velmira {

static_assert(TDebugControls::kDateTimePicker1Id >= menu_command::kFirstDebugControlId,
              "debug control ids stay clear of the menu's");

namespace {

int Item(const char* name) { return FindMenuItem(name); }

// Holds the reminder queue back while a settings dialog is open, however the
// dialog ends.
class DialogOpenScope {
public:
    explicit DialogOpenScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~DialogOpenScope() { flag_ = false; }
    DialogOpenScope(const DialogOpenScope&) = delete;
    DialogOpenScope& operator=(const DialogOpenScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

LRESULT TMainStage::WMNCHitTest() {
    // With swapped buttons the primary one is the right-hand button.
    const int primary = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (!env_.keyHeld(primary)) return HTCLIENT;
    // A press on her is attention: her moods start over. Held down, every
    // point of her is a title bar: the system drags the window.
    faces_.ResetLoneliness();
    return HTCAPTION;
}

void TMainStage::ShowPopupMenu1(int screenX, int screenY) {
    PopupMenu1Popup();
    // Without the foreground the menu would not close on a click elsewhere,
    // and without the WM_NULL a second opening could close at once.
    ::SetForegroundWindow(Handle());
    ::TrackPopupMenu(popupMenu_.Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenX,
                     screenY, 0, Handle(), nullptr);
    ::PostMessageW(Handle(), WM_NULL, 0, 0);
}

void TMainStage::PopupMenu1Popup() {
    // The hidden items show only while their keys are held as the menu opens.
    MenuKeys keys;
    keys.shift = env_.keyHeld(VK_SHIFT);
    keys.control = env_.keyHeld(VK_CONTROL);
    keys.right = env_.keyHeld(VK_RIGHT);
    keys.up = env_.keyHeld(VK_UP);
    const PopupMenuLayout& layout = PopupMenu1Layout();
    for (const char* name : {"MIDebugMode", "MIThreadPriority", "MIGaman", "MIDigiAna", "MIAmPm"}) {
        const int index = Item(name);
        popupMenu_.SetVisible(index, MenuItemShows(layout[static_cast<size_t>(index)].show, keys));
    }
    popupMenu_.Refresh();
    // Opening the menu closes a shown balloon, and is attention too.
    desk_.HideBalloon();
    faces_.ResetLoneliness();
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
        case TDebugControls::kMessageTestId:
            MessageTestClick();
            break;
        case TDebugControls::kFaceTestId:
            FaceTestClick();
            break;
        case TDebugControls::kNakuTestId:
            NakuTestClick();
            break;
        case TDebugControls::kRandomFace1Id:
            RandomFace1Click();
            break;
        default:
            break;
    }
}

void TMainStage::About1Click() {
    TAboutBox aboutBox(Handle());
    aboutBox.ShowModal();
}

void TMainStage::MIDebugModeClick() {
    const int item = Item("MIDebugMode");
    const bool on = !popupMenu_.Checked(item);
    popupMenu_.SetChecked(item, on);
    debugControls_.SetShown(on);
    // Her outline would cut the controls: the shape takes them in while they show.
    if (shown_) ApplyShape();
}

void TMainStage::MIThreadPrio6Click(UINT itemId) {
    const int item = popupMenu_.IndexOfCommand(itemId);
    if (item < 0) return;
    Settings().ThreadPrio = popupMenu_.Tag(itemId);
    popupMenu_.CheckRadioItem(item);
    ApplyThreadPriority();
    session_.SaveNow(Handle());
}

void TMainStage::StayOnTop1Click() {
    Settings().StayOnTop = !Settings().StayOnTop;
    popupMenu_.SetChecked(Item("StayOnTop1"), Settings().StayOnTop);
    ApplyStayOnTop();
    // The hidden balloon takes the style too, for its next appearance.
    desk_.SetStayOnTop(Settings().StayOnTop);
    session_.SaveNow(Handle());
}

void TMainStage::MIDigiAnaClick() {
    Settings().AnaDigi = !Settings().AnaDigi;
    popupMenu_.SetChecked(Item("MIDigiAna"), !Settings().AnaDigi);
    RedrawNow();
    session_.SaveNow(Handle());
}

void TMainStage::MIAmPmClick() {
    Settings().DigiAMPM = !Settings().DigiAMPM;
    popupMenu_.SetChecked(Item("MIAmPm"), Settings().DigiAMPM);
    RedrawNow();
    session_.SaveNow(Handle());
}

// The settings dialogs edit copies of the slots; "設定" hands them back, to
// be matched from the next minute on, and stores them at once.
void TMainStage::MIMemorialSetClick() {
    TKinenbi dialog(Handle(), Settings().reminders.anniversaries,
                    [this](const std::wstring& name) { return PlaySoundByName(name); });
    DialogOpenScope open(dialogOpen);
    if (!dialog.ShowModal()) return;
    Settings().reminders.anniversaries = dialog.Slots();
    session_.SaveNow(Handle());
}

void TMainStage::MIScheduleSetClick() {
    TYotei dialog(Handle(), Settings().reminders.schedules,
                  [this](const std::wstring& name) { return PlaySoundByName(name); });
    DialogOpenScope open(dialogOpen);
    if (!dialog.ShowModal()) return;
    Settings().reminders.schedules = dialog.Slots();
    session_.SaveNow(Handle());
}

void TMainStage::DateTimePicker1Change() {
    // Only hour and minute count; the clock's next minute redraw takes over again.
    int hour = 0;
    int minute = 0;
    if (debugControls_.PickedTime(hour, minute)) RedrawClock(hour, minute);
}

void TMainStage::MIGaman5Click(UINT itemId) {
    // The wait changes; the face and the radio marks do not.
    Settings().samiLim = popupMenu_.Tag(itemId);
    faces_.StopLonelinessTimer();
    session_.SaveNow(Handle());
}

void TMainStage::NakuTestClick() { faces_.StopLonelinessTimer(); }

void TMainStage::FaceTestClick() {
    // Counts on the stage's own Tag, the first-show marker: while it stands
    // at 0 the next show puts her back at the stored position.
    if (++Tag > 3) Tag = 0;
    faces_.SetFace(Tag);
}

// Shows the first schedule at once, bypassing the queue.
void TMainStage::MessageTestClick() { desk_.ShowReminder(QueuedReminder::Schedule, 0); }

void TMainStage::RandomFace1Click() {
    if (!faces_.TryRandomSmile()) ::MessageBeep(0);
}

void TMainStage::ApplyMenuMarks() {
    popupMenu_.SetChecked(Item("MIDigiAna"), !Settings().AnaDigi);
    popupMenu_.SetChecked(Item("MIAmPm"), Settings().DigiAMPM);
    popupMenu_.SetChecked(Item("StayOnTop1"), Settings().StayOnTop);
}

void TMainStage::CheckThreadPriorityItem() {
    const int item = ThreadPriorityMenuItem(Settings().ThreadPrio);
    if (item >= 0)
        popupMenu_.CheckRadioItem(item);
    else
        popupMenu_.ClearRadioGroup(
            PopupMenu1Layout()[static_cast<size_t>(Item("MIThreadPrio1"))].group);
}

}  // namespace velmira
