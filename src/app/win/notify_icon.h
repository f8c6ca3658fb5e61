#pragma once
// TNotifyIcon: her icon in the notification area while she runs, its tip her
// name and the clock's last title. The shell sends its clicks and its menu to
// her window; EventFor says what each one asks for. One icon only: it is
// added again when Explorer starts anew (TaskbarCreated), tried again every
// 2 s while the notification area is not up yet (at sign-in), and removed
// when it goes. User-interface thread only.

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "base/win/handles.h"
#include "base/win/timer.h"

namespace velmira {

class TNotifyIcon {
public:
    // Shell_NotifyIconW; tests hand in their own.
    using ShellCall = std::function<bool(DWORD message, NOTIFYICONDATAW& data)>;
    static ShellCall SystemShell();

    static constexpr UINT kIconId = 1;
    static constexpr UINT kRetryMs = 2000;
    static constexpr int kRetries = 150;  // five minutes, then TaskbarCreated is the way

    explicit TNotifyIcon(ShellCall shell = SystemShell());
    ~TNotifyIcon();
    TNotifyIcon(const TNotifyIcon&) = delete;
    TNotifyIcon& operator=(const TNotifyIcon&) = delete;

    // Shows the program's icon (resource 1 of `resources`, at the small size)
    // for `owner`, which is sent `callbackMessage` for its clicks.
    void Add(HWND owner, HINSTANCE resources, UINT callbackMessage);
    // Explorer started anew: its notification area holds none of the old icons.
    void AddAgain();
    // Takes the icon away; call before the owner goes.
    void Remove();
    // The shell is told only when the text changes.
    void SetTip(const std::wstring& tip);

    bool Added() const { return added_; }
    const std::wstring& Tip() const { return tip_; }
    const TTimer& RetryTimer() const { return retry_; }

    enum class Action { None, ShowHer, OpenMenu };
    struct Event {
        Action action = Action::None;
        POINT at{};  // where the menu opens, in screen pixels
    };
    // What a callback message's parameters ask for: a primary click (or
    // Enter) shows her, the secondary button (or the menu key) opens her menu.
    Event EventFor(WPARAM wParam, LPARAM lParam) const;

private:
    NOTIFYICONDATAW Data(UINT flags) const;
    bool TryAdd();
    void RetryTimerTimer();

    ShellCall shell_;
    HWND owner_ = nullptr;
    HINSTANCE resources_ = nullptr;
    UINT callbackMessage_ = 0;
    UniqueIcon icon_;
    std::wstring tip_;
    bool added_ = false;
    // The shell sends NIN_SELECT and WM_CONTEXTMENU with the anchor point;
    // without it, the bare mouse messages.
    bool version4_ = false;
    int tries_ = 0;
    TTimer retry_;
};

}  // namespace velmira
