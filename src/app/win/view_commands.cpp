#include "app/win/view_commands.h"

#include "app/menu_table.h"
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

}  // namespace velmira
