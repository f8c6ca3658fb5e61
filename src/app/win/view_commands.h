#pragma once
// TViewCommands: the 表示 submenu, how she lives beside you all day:
// click-through, opacity, her size, mute and starting at sign-in. Each
// command changes one of her settings (the stage stores it at once) or her
// Run value, and hands it to the part it is for: her band, her voice, her
// figure through the stage. User-interface thread only.

#include <windows.h>

#include <functional>

#include "app/win/popup_menu.h"
#include "presence/win/stage_band.h"
#include "settings/stage_settings.h"
#include "settings/win/sign_in_start.h"
#include "voice/win/sound_player.h"

namespace velmira {

class TViewCommands {
public:
    struct Host {
        StageSettings& settings;
        TStageBand& band;
        TSoundPlayer& sound;
        const TPopupMenu& menu;
        RunValueLocation signIn;
        // Her size changed: the stage draws her at it.
        std::function<void()> resized;
    };

    explicit TViewCommands(Host host) : host_(std::move(host)) {}
    // Her window, which a change of size keeps on the work area.
    void Attach(HWND stage) { stage_ = stage; }
    // Runs the command when it is one of the submenu's; `stores` tells
    // whether a stored setting changed.
    bool Command(UINT id, bool& stores);
    // The submenu's marks: the settings, and her Run value as it is now.
    void Marks(MenuMarks& marks) const;

private:
    void MIClickThroughClick();
    void MIOpacityClick(UINT itemId);
    void MISizeClick(UINT itemId);
    void MIMuteClick();
    void MIStartAtSignInClick();

    Host host_;
    HWND stage_ = nullptr;
};

}  // namespace velmira
