// Window behaviour of the main stage: dragging, the popup menu and the
// commands behind its items and behind the debug controls.
#include <algorithm>
#include <iterator>

#include "about/win/about_box.h"
#include "app/menu_table.h"
#include "app/win/main_stage.h"

namespace velmira {

static_assert(TDebugControls::kDateTimePicker1Id >= menu_command::kFirstDebugControlId,
              "debug control ids stay clear of the menu's");

LRESULT TMainStage::WMNCHitTest() {
    // With swapped buttons the primary one is the right-hand button.
    const int primary = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (!env_.keyHeld(primary)) return HTCLIENT;
    // A press on her is attention: her moods start over. Held down, every
    // point of her is a title bar: the system drags the window.
    figure_.faces.ResetLoneliness();
    return HTCAPTION;
}

void TMainStage::ShowPopupMenu1(int screenX, int screenY) {
    // PopupMenu1Popup runs as the menu is about to show (WM_INITMENUPOPUP).
    // Without the foreground the menu would not close on a click elsewhere,
    // and without the WM_NULL a second opening could close at once.
    ::SetForegroundWindow(Handle());
    ::TrackPopupMenu(popupMenu_.Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenX,
                     screenY, 0, Handle(), nullptr);
    ::PostMessageW(Handle(), WM_NULL, 0, 0);
}

void TMainStage::PopupMenu1Popup() {
    // The hidden items show only while their keys are held as the menu opens.
    popupMenu_.ShowFor(MenuKeys{env_.keyHeld(VK_SHIFT), env_.keyHeld(VK_CONTROL),
                                env_.keyHeld(VK_RIGHT), env_.keyHeld(VK_UP)});
    // Opening the menu closes a shown balloon, and is attention too.
    desk_.HideBalloon();
    figure_.faces.ResetLoneliness();
    // Some marks are read from outside her settings (her Run value).
    ApplyMenuMarks();
}

void TMainStage::MenuCommand(UINT id) {
    namespace cmd = menu_command;
    // Each command of the menu and of the debug controls by its id, and whether
    // it changes a stored value: that is written at once. The radio groups'
    // items share one handler, which reads the item's tag.
    static const struct {
        UINT id;
        void (TMainStage::*handler)();
        bool stores;
    } kCommands[] = {
        {cmd::kAbout1, &TMainStage::About1Click, false},
        {cmd::kMIDebugMode, &TMainStage::MIDebugModeClick, false},
        {cmd::kStayOnTop1, &TMainStage::StayOnTop1Click, true},
        {cmd::kMIDigiAna, &TMainStage::MIDigiAnaClick, true},
        {cmd::kMIAmPm, &TMainStage::MIAmPmClick, true},
        {cmd::kMIMemorialSet, &TMainStage::MIMemorialSetClick, false},
        {cmd::kMIScheduleSet, &TMainStage::MIScheduleSetClick, false},
        {cmd::kX1, &TMainStage::X1Click, false},
        {TDebugControls::kMessageTestId, &TMainStage::MessageTestClick, false},
        {TDebugControls::kFaceTestId, &TMainStage::FaceTestClick, false},
        {TDebugControls::kNakuTestId, &TMainStage::NakuTestClick, false},
        {TDebugControls::kRandomFace1Id, &TMainStage::RandomFace1Click, false},
    };
    if (id >= cmd::kMIThreadPrio1 && id <= cmd::kMIThreadPrio6) {
        MIThreadPrio6Click(id);
    } else if (id >= cmd::kMIGaman1 && id <= cmd::kMIGaman0) {
        MIGaman5Click(id);
    } else if (bool stores = false; view_.Command(id, stores)) {
        ApplyMenuMarks();
        if (!stores) return;
    } else {
        const auto* command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                           [id](const auto& c) { return c.id == id; });
        if (command == std::end(kCommands)) return;
        (this->*command->handler)();
        if (!command->stores) return;
    }
    session_.SaveNow(Handle());
}

void TMainStage::About1Click() { TAboutBox(Handle(), resources_).ShowModal(); }

void TMainStage::MIDebugModeClick() {
    const int item = popupMenu_.IndexOfCommand(menu_command::kMIDebugMode);
    const bool on = !popupMenu_.Checked(item);
    popupMenu_.SetChecked(item, on);
    debugControls_.SetShown(on);
    // Her outline would cut the controls: the shape takes them in while they show.
    if (shown_) ApplyShape();
}

void TMainStage::MIThreadPrio6Click(UINT itemId) {
    Settings().ThreadPrio = popupMenu_.Tag(itemId);
    ApplyMenuMarks();
    ApplyThreadPriority();
}

void TMainStage::StayOnTop1Click() {
    Settings().StayOnTop = !Settings().StayOnTop;
    ApplyMenuMarks();
    // The hidden balloon takes the style too, for its next appearance.
    band_.SetStayOnTop(Settings().StayOnTop);
}

void TMainStage::MIDigiAnaClick() {
    Settings().AnaDigi = !Settings().AnaDigi;
    ApplyMenuMarks();
    RedrawNow();
}

void TMainStage::MIAmPmClick() {
    Settings().DigiAMPM = !Settings().DigiAMPM;
    ApplyMenuMarks();
    RedrawNow();
}

// Edited slots are stored at once.
void TMainStage::MIMemorialSetClick() {
    if (desk_.EditAnniversaries()) session_.SaveNow(Handle());
}

void TMainStage::MIScheduleSetClick() {
    if (desk_.EditSchedules()) session_.SaveNow(Handle());
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
    figure_.faces.StopLonelinessTimer();
}

void TMainStage::NakuTestClick() { figure_.faces.StopLonelinessTimer(); }

void TMainStage::X1Click() { ::PostMessageW(Handle(), WM_CLOSE, 0, 0); }

void TMainStage::FaceTestClick() {
    // Counts on the stage's own Tag, the first-show marker: while it stands
    // at 0 the next show puts her back at the stored position.
    if (++Tag > kFaceCount) Tag = 0;
    figure_.faces.SetFace(Tag);
}

// Shows the first schedule at once, bypassing the queue.
void TMainStage::MessageTestClick() { desk_.ShowReminder(QueuedReminder::Schedule, 0); }

void TMainStage::RandomFace1Click() {
    if (!figure_.faces.TryRandomSmile()) ::MessageBeep(0);
}

void TMainStage::ApplyMenuMarks() {
    MenuMarks marks{!Settings().AnaDigi, Settings().DigiAMPM, Settings().StayOnTop,
                    Settings().ThreadPrio};
    view_.Marks(marks);
    popupMenu_.ShowMarks(marks);
}

}  // namespace velmira
