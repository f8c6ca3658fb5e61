#include "presence/win/fullscreen_watch.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "base/win/monitors.h"
#include "base/win/system_function.h"

namespace velmira {

namespace {

// The watches that are running; the hooks' callbacks carry no
// pointer of ours. User-interface thread only, like the watches.
std::vector<TFullScreenWatch*>& Running() {
    static std::vector<TFullScreenWatch*> running;
    return running;
}

// SHQueryUserNotificationState's answers (shellapi.h), taken from shell32 at
// run time: older systems and Wine may not have it.
enum QueryState { kNotPresent = 1, kBusy = 2, kD3dFullScreen = 3, kPresentation = 4 };
using QueryNotificationState = HRESULT(WINAPI*)(int*);

bool IsDesktop(HWND window) {
    if (window == ::GetShellWindow() || window == ::GetDesktopWindow()) return true;
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, 32);
    return std::wcscmp(name, L"Progman") == 0 || std::wcscmp(name, L"WorkerW") == 0;
}

UniqueWinEventHook HookEvents(DWORD first, DWORD last, DWORD process, DWORD thread,
                              WINEVENTPROC proc) {
    return UniqueWinEventHook(
        ::SetWinEventHook(first, last, nullptr, proc, process, thread, WINEVENT_OUTOFCONTEXT));
}

}  // namespace

UserNotice TFullScreenWatch::Sources::SystemNotice() {
    static const auto query =
        SystemFunction<QueryNotificationState>(L"shell32.dll", "SHQueryUserNotificationState");
    int state = 0;
    if (!query || FAILED(query(&state))) return UserNotice::kAccepts;
    switch (state) {
        case kBusy:
            return UserNotice::kBusy;
        case kD3dFullScreen:
            return UserNotice::kFullScreenD3d;
        case kPresentation:
            return UserNotice::kPresentation;
        default:  // kNotPresent is a locked or switched-away session, not a program
            return UserNotice::kAccepts;
    }
}

bool TFullScreenWatch::Sources::OfThisProcess(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process == ::GetCurrentProcessId();
}

TFullScreenWatch::~TFullScreenWatch() {
    auto& running = Running();
    running.erase(std::remove(running.begin(), running.end(), this), running.end());
}

void TFullScreenWatch::Start(HWND stage, Changed changed) {
    stage_ = stage;
    changed_ = std::move(changed);
    if (std::find(Running().begin(), Running().end(), this) == Running().end())
        Running().push_back(this);
    foregroundHook_ =
        HookEvents(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, 0, 0, OnWinEvent);
    checkTimer_.SetOwner(stage_);
    checkTimer_.SetEnabled(true);
    Check();
}

void TFullScreenWatch::FollowForeground(HWND foreground) {
    if (foreground == foreground_) return;
    foreground_ = foreground;
    windowHook_.reset();
    destroyedHook_.reset();
    DWORD process = 0;
    const DWORD thread = foreground ? ::GetWindowThreadProcessId(foreground, &process) : 0;
    // Only that thread's events: the pointer's moves in every program would
    // otherwise wake her all the time. Her own windows never count.
    if (!thread || sources_.hers(foreground)) return;
    windowHook_ = HookEvents(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, process,
                             thread, OnWinEvent);
    destroyedHook_ =
        HookEvents(EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE, process, thread, OnWinEvent);
}

void TFullScreenWatch::Check() {
    if (!stage_) return;
    HWND window = ::GetForegroundWindow();
    if (window && !::IsWindowVisible(window)) window = nullptr;
    FollowForeground(window);
    ForegroundWindow foreground;
    if (window) {
        RECT rect{};
        foreground.present = ::GetWindowRect(window, &rect) != 0;
        foreground.rect = ToRect(rect);
        foreground.hers = sources_.hers(window);
        foreground.desktop = IsDesktop(window);
    }
    const bool quiet =
        QuietForFullScreen(foreground, MonitorOfWindow(stage_).bounds, sources_.notice());
    if (quiet == quiet_) return;
    quiet_ = quiet;
    if (changed_) changed_(quiet);
}

void CALLBACK TFullScreenWatch::OnWinEvent(HWINEVENTHOOK hook, DWORD, HWND hwnd, LONG idObject,
                                           LONG, DWORD, DWORD) {
    // By index: a change handler may end a watch.
    for (size_t i = 0; i < Running().size(); ++i) {
        TFullScreenWatch* watch = Running()[i];
        if (hook == watch->foregroundHook_.get()) {
            watch->Check();
        } else if (hook == watch->windowHook_.get() || hook == watch->destroyedHook_.get()) {
            // The foreground window itself, not its controls, carets or the pointer.
            if (hwnd == watch->foreground_ && idObject == OBJID_WINDOW) watch->Check();
        }
    }
}

}  // namespace velmira
