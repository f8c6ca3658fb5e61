#pragma once
// TViewCommands: the 表示 submenu, how she lives beside you all day:
// click-through, opacity, her size, the taskbar button, mute, starting at
// sign-in and hiding; and the ways back to her wherever she is (hidden,
// without a button, letting clicks through): her notification-area icon and
// a second start. Each command changes one of her settings (the stage stores
// it at once) or her Run value, and hands it to the part it is for: her
// band, her voice, her figure through the stage. User-interface thread only.

#include <windows.h>

#include <functional>

#include "app/win/notify_icon.h"
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
        std::function<void()> hideBalloon;
        std::function<void(POINT at)> openMenu;  // her menu, at a point of the screen
        std::function<void()> saveNow;           // a setting changed outside the menu
        HINSTANCE resources = nullptr;           // her icon
    };

    explicit TViewCommands(Host host) : host_(std::move(host)) {}
    // Her window, which a change of size keeps on the work area; her icon
    // joins the notification area for it.
    void Attach(HWND stage);
    // Her icon goes, before her window; nothing more is answered.
    void Detach() {
        icon_.Remove();
        ready_ = false;
    }
    // The clock's title (date or time), under her name in the icon's tip.
    void SetTitle(const std::wstring& title);
    // Her start-up has run to its end: a second start that came during its
    // question is answered now.
    void Ready();
    // Her icon's clicks (the primary one shows her, the secondary opens her
    // menu), Explorer's new start (her icon again) and a second start of the
    // program (she shows and takes clicks again, whatever she was set to).
    // False for any other message.
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    const TNotifyIcon& Icon() const { return icon_; }
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
    void MIShowInTaskbarClick();
    void MIHideClick();
    void ComeBack();
    void SecondStart();

    Host host_;
    TNotifyIcon icon_;
    HWND stage_ = nullptr;
    const UINT taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    bool ready_ = false;               // her start-up has run to its end
    bool secondStartPending_ = false;  // a second start came during it
};

}  // namespace velmira
