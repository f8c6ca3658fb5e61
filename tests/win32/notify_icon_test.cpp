// Her notification-area icon through a recording shell: one icon, added
// again after Explorer's new start, tried again while the shell is not up,
// its tip sent only when it changes, and what its clicks ask for.
#include "app/win/notify_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/win/app_messages.h"

namespace velmira {
namespace {

struct Shell {
    bool up = true;
    bool version4 = false;
    std::vector<std::string> calls;
    std::wstring tip;
    TNotifyIcon::ShellCall Call() {
        return [this](DWORD message, NOTIFYICONDATAW& data) {
            static const char* const names[] = {"add", "modify", "delete", "focus", "version"};
            calls.push_back(names[message]);
            if (message == NIM_SETVERSION) return version4;
            if (message == NIM_ADD || message == NIM_MODIFY) tip = data.szTip;
            return up;
        };
    }
};

HWND MessageWindow() {
    return ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

TEST(NotifyIcon, OneIconAddedAgainAfterExplorerAndTriedAgainWhileTheShellIsDown) {
    Shell shell;
    HWND owner = MessageWindow();
    {
        TNotifyIcon icon(shell.Call());
        icon.SetTip(L"Velmira時計");
        icon.Add(owner, ::GetModuleHandleW(nullptr), WM_APP_NOTIFY_ICON);
        EXPECT_EQ(shell.calls, (std::vector<std::string>{"add", "version"}));
        EXPECT_EQ(shell.tip, L"Velmira時計");
        icon.SetTip(L"Velmira時計");
        icon.SetTip(L"Velmira時計\n12月9日");
        EXPECT_EQ(shell.calls.size(), 3u) << "the tip goes out once, when it changes";
        EXPECT_EQ(shell.tip, L"Velmira時計\n12月9日");
        shell.calls.clear();
        icon.AddAgain();  // Explorer started anew
        EXPECT_EQ(shell.calls, (std::vector<std::string>{"add", "version"}));
        EXPECT_FALSE(icon.RetryTimer().Running());

        shell.calls.clear();
        shell.up = false;  // at sign-in, before the notification area is there
        icon.AddAgain();
        EXPECT_FALSE(icon.Added());
        EXPECT_TRUE(icon.RetryTimer().Running()) << "tried again later";
        shell.up = true;
        TTimer::DispatchTimer(owner,
                              icon.RetryTimer().Id());  // its tick, as her window hands it on
        EXPECT_TRUE(icon.Added());
        EXPECT_FALSE(icon.RetryTimer().Running()) << "no polling once it is there";
        shell.calls.clear();
    }
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"delete"})) << "removed when it goes";
    ::DestroyWindow(owner);
}

TEST(NotifyIcon, APrimaryClickShowsHerAndTheSecondaryButtonOpensHerMenu) {
    for (bool version4 : {false, true}) {
        Shell shell;
        shell.version4 = version4;
        HWND owner = MessageWindow();
        TNotifyIcon icon(shell.Call());
        icon.Add(owner, ::GetModuleHandleW(nullptr), WM_APP_NOTIFY_ICON);
        using A = TNotifyIcon::Action;
        const LPARAM primary = version4 ? NIN_SELECT : WM_LBUTTONUP;
        const LPARAM secondary = version4 ? WM_CONTEXTMENU : WM_RBUTTONUP;
        EXPECT_EQ(icon.EventFor(MAKEWPARAM(300, 700), primary).action, A::ShowHer) << version4;
        const TNotifyIcon::Event menu = icon.EventFor(MAKEWPARAM(300, 700), secondary);
        EXPECT_EQ(menu.action, A::OpenMenu) << version4;
        if (version4) {
            EXPECT_EQ(menu.at.x, 300) << "at the point the shell gives";
        }
        EXPECT_EQ(icon.EventFor(0, WM_MOUSEMOVE).action, A::None) << version4;
        ::DestroyWindow(owner);
    }
}

}  // namespace
}  // namespace velmira
