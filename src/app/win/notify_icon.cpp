#include "app/win/notify_icon.h"

#include <windowsx.h>

#include <utility>

namespace velmira {

namespace {

constexpr WORD kProgramIcon = 1;  // the program's icon resource

}  // namespace

TNotifyIcon::ShellCall TNotifyIcon::SystemShell() {
    return [](DWORD message, NOTIFYICONDATAW& data) {
        return ::Shell_NotifyIconW(message, &data) != FALSE;
    };
}

TNotifyIcon::TNotifyIcon(ShellCall shell)
    : shell_(std::move(shell)), retry_(kRetryMs, [this] { RetryTimerTimer(); }) {}

TNotifyIcon::~TNotifyIcon() { Remove(); }

NOTIFYICONDATAW TNotifyIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner_;
    data.uID = kIconId;
    // With version 4 the shell shows the plain tip only when asked to.
    data.uFlags = flags | NIF_SHOWTIP;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_.get();
    tip_.copy(data.szTip, ARRAYSIZE(data.szTip) - 1);
    return data;
}

void TNotifyIcon::Add(HWND owner, HINSTANCE resources, UINT callbackMessage) {
    owner_ = owner;
    resources_ = resources;
    callbackMessage_ = callbackMessage;
    retry_.SetOwner(owner);
    AddAgain();
}

void TNotifyIcon::AddAgain() {
    if (!owner_) return;
    added_ = false;
    // The small icon's size may have changed with the shell's display scale.
    icon_.reset(static_cast<HICON>(::LoadImageW(resources_, MAKEINTRESOURCEW(kProgramIcon),
                                                IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                ::GetSystemMetrics(SM_CYSMICON), 0)));
    tries_ = 0;
    retry_.SetEnabled(!TryAdd());
}

bool TNotifyIcon::TryAdd() {
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    // An add the shell answered late may still have gone through: the icon
    // that is there is taken as it is, never a second one.
    added_ = shell_(NIM_ADD, data) || shell_(NIM_MODIFY, data);
    if (added_) {
        data.uVersion = NOTIFYICON_VERSION_4;
        version4_ = shell_(NIM_SETVERSION, data);
    }
    return added_;
}

void TNotifyIcon::RetryTimerTimer() {
    if (TryAdd() || ++tries_ >= kRetries) retry_.SetEnabled(false);
}

void TNotifyIcon::Remove() {
    retry_.SetEnabled(false);
    if (added_) {
        NOTIFYICONDATAW data = Data(0);
        shell_(NIM_DELETE, data);
    }
    added_ = false;
    owner_ = nullptr;
}

void TNotifyIcon::SetTip(const std::wstring& tip) {
    if (tip == tip_) return;
    tip_ = tip;
    if (!added_) return;
    NOTIFYICONDATAW data = Data(NIF_TIP);
    shell_(NIM_MODIFY, data);
}

TNotifyIcon::Event TNotifyIcon::EventFor(WPARAM wParam, LPARAM lParam) const {
    Event event;
    if (version4_) {
        switch (LOWORD(lParam)) {
            case NIN_SELECT:
            case NIN_KEYSELECT:
                event.action = Action::ShowHer;
                break;
            case WM_CONTEXTMENU:
                event.action = Action::OpenMenu;
                event.at = {GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)};
                break;
        }
        return event;
    }
    switch (lParam) {
        case WM_LBUTTONUP:
            event.action = Action::ShowHer;
            break;
        case WM_RBUTTONUP:
            event.action = Action::OpenMenu;
            ::GetCursorPos(&event.at);
            break;
    }
    return event;
}

}  // namespace velmira
