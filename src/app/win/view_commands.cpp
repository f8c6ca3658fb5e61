#include "app/win/view_commands.h"

#include "app/menu_table.h"
#include "base/product_identity.h"
#include "base/win/app_messages.h"
#include "base/win/monitors.h"
#include "base/win/program_folder.h"
#include "character/window_place.h"

namespace velmira {

bool TViewCommands::Command(UINT id, bool& stores) {
    namespace cmd = menu_command;
    stores = true;
    if (id == cmd::kMIClickThrough) {
        MIClickThroughClick();
    } else if (id >= cmd::kMIOpacity1 && id <= cmd::kMIOpacity4) {
        MIOpacityClick(id);
    } else if (id >= cmd::kMISize1 && id <= cmd::kMISize6) {
        MISizeClick(id);
    } else if (id == cmd::kMIMute) {
        MIMuteClick();
    } else if (id == cmd::kMIShowInTaskbar) {
        MIShowInTaskbarClick();
    } else if (id == cmd::kMIHide) {
        MIHideClick();
        stores = false;
    } else if (id == cmd::kMIStartAtSignIn) {
        MIStartAtSignInClick();
        stores = false;  // the Run value is not one of her settings
    } else {
        stores = false;
        return false;
    }
    return true;
}

void TViewCommands::Marks(MenuMarks& marks) const {
    const StageSettings& s = host_.settings;
    marks.clickThrough = s.ClickThrough;
    marks.opacity = s.Opacity;
    marks.sizePct = s.SizePct;
    marks.mute = s.Mute;
    marks.showInTaskbar = s.ShowInTaskbar;
    // Her Run value is not hers alone (the installer, another copy, the
    // user's tools write it): its mark is read again each time.
    marks.startAtSignIn = StartsAtSignIn(host_.signIn, ExecutablePath());
}

void TViewCommands::MIClickThroughClick() {
    // The notification area's icon and a second start are the ways back.
    host_.settings.ClickThrough = !host_.settings.ClickThrough;
    host_.band.SetClickThrough(host_.settings.ClickThrough);
}

void TViewCommands::MIOpacityClick(UINT itemId) {
    host_.settings.Opacity = host_.menu.Tag(itemId);
    host_.band.SetOpacity(host_.settings.Opacity);
}

void TViewCommands::MISizeClick(UINT itemId) {
    host_.settings.SizePct = host_.menu.Tag(itemId);
    RECT before{};
    ::GetWindowRect(stage_, &before);
    if (host_.resized) host_.resized();
    // Her top-left corner stays, unless the new size takes her past her
    // monitor's work area: then she moves in just as far as it needs.
    RECT now{};
    ::GetWindowRect(stage_, &now);
    const Point at = KeepOnWorkArea(ToRect(before), ToRect(now), MonitorOfWindow(stage_).workArea);
    if (at.x != now.left || at.y != now.top)
        ::SetWindowPos(stage_, nullptr, at.x, at.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TViewCommands::MIMuteClick() {
    host_.settings.Mute = !host_.settings.Mute;
    host_.sound.SetMuted(host_.settings.Mute);
}

void TViewCommands::MIStartAtSignInClick() {
    // The mark shows the value as the menu opened; the click asks for the other.
    const bool on = !host_.menu.Checked(host_.menu.IndexOfCommand(menu_command::kMIStartAtSignIn));
    ChooseStartAtSignIn(host_.signIn, ExecutablePath(), on);
}

void TViewCommands::MIShowInTaskbarClick() {
    // Without a button her notification-area icon is the way to her.
    host_.settings.ShowInTaskbar = !host_.settings.ShowInTaskbar;
    host_.band.SetShowInTaskbar(host_.settings.ShowInTaskbar);
}

void TViewCommands::MIHideClick() {
    // Hidden first, so a balloon's close gives her no focus.
    host_.band.SetHidden(true);
    if (host_.hideBalloon) host_.hideBalloon();
}

void TViewCommands::Attach(HWND stage) {
    stage_ = stage;
    icon_.SetTip(kProductName);
    icon_.Add(stage, host_.resources, WM_APP_NOTIFY_ICON);
}

void TViewCommands::SetTitle(const std::wstring& title) {
    icon_.SetTip(title == kProductName ? title : std::wstring(kProductName) + L"\n" + title);
}

void TViewCommands::Ready() {
    ready_ = true;
    if (secondStartPending_) SecondStart();
    secondStartPending_ = false;
}

bool TViewCommands::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
        icon_.AddAgain();
        return true;
    }
    if (msg == WM_APP_SECOND_START) {
        // During the start-up's question her settings are not loaded yet.
        if (ready_)
            SecondStart();
        else
            secondStartPending_ = true;
        return true;
    }
    if (msg != WM_APP_NOTIFY_ICON) return false;
    if (!ready_) return true;
    const TNotifyIcon::Event event = icon_.EventFor(wParam, lParam);
    if (event.action == TNotifyIcon::Action::ShowHer) ComeBack();
    // The same menu as hers, under the same held keys.
    if (event.action == TNotifyIcon::Action::OpenMenu && host_.openMenu) host_.openMenu(event.at);
    return true;
}

void TViewCommands::ComeBack() {
    host_.band.SetHidden(false);
    if (::IsIconic(stage_)) ::ShowWindow(stage_, SW_RESTORE);
    // Unless a program in full screen keeps her out of sight.
    if (host_.band.Band().visible) ::SetForegroundWindow(stage_);
}

void TViewCommands::SecondStart() {
    host_.settings.ClickThrough = false;
    host_.band.SetClickThrough(false);
    host_.band.SetHidden(false);
    if (host_.saveNow) host_.saveNow();
}

}  // namespace velmira
