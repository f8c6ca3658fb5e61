#include "clock/win/clocker.h"

#include <exception>
#include <utility>

#include "base/win/app_messages.h"
#include "base/win/form_window.h"
#include "clock/title_format.h"

namespace velmira {

namespace {

constexpr wchar_t kHandoverClass[] = L"VelmiraClockHandover";

std::wstring LocaleText(LCTYPE type) {
    wchar_t buffer[32] = {};
    const int n = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 32);
    return n > 1 ? std::wstring(buffer) : std::wstring();
}

}  // namespace

void LocaleDesignators(std::wstring& morning, std::wstring& afternoon) {
    morning = LocaleText(LOCALE_S1159);
    afternoon = LocaleText(LOCALE_S2359);
    if (morning.empty()) morning = kDefaultMorning;
    if (afternoon.empty()) afternoon = kDefaultAfternoon;
}

TClocker::TClocker(ClockTarget& target, LocalClock clock, HandoverObserver* observer)
    : TClocker(target, std::move(clock), observer, ClockerFaults{}) {}

TClocker::TClocker(ClockTarget& target, LocalClock clock, HandoverObserver* observer,
                   const ClockerFaults& faults)
    : target_(target),
      clock_(clock ? std::move(clock) : LocalClock(ReadSystemLocalTime)),
      observer_(observer),
      failPauseWait_(faults.pauseWait) {
    LocaleDesignators(morning_, afternoon_);
    EnsureWindowClass({kHandoverClass, &TClocker::HandoverProc});
    if (!faults.handoverWindow)
        handoverWindow_.reset(::CreateWindowExW(0, kHandoverClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                                nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (!handoverWindow_) return;
    ::SetWindowLongPtrW(handoverWindow_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    // Without its stop event the thread could neither pause nor be woken: no thread then.
    if (!faults.stopEvent) stopEvent_.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!stopEvent_) return;

    DWORD id = 0;
    if (!faults.thread)
        thread_.reset(
            ::CreateThread(nullptr, 0, &TClocker::ThreadMain, this, CREATE_SUSPENDED, &id));
}

TClocker::~TClocker() {
    // A thread that never ran still waits, suspended, with a pointer to this.
    if (thread_ && !resumed_) Shutdown(INFINITE);
}

void TClocker::Resume() {
    if (resumed_ || !thread_) return;
    resumed_ = true;
    ::ResumeThread(thread_.get());
}

void TClocker::SetPriority(int win32Priority) {
    priority_ = win32Priority;
    idlingForScreenSaver_ = false;
    if (thread_) ::SetThreadPriority(thread_.get(), win32Priority);
}

void TClocker::MessageTaken(const MSG& msg) {
    if (msg.message != WM_SYSCOMMAND || (msg.wParam & 0xFFF0) != SC_SCREENSAVE) return;
    idlingForScreenSaver_ = true;
    if (thread_) ::SetThreadPriority(thread_.get(), THREAD_PRIORITY_IDLE);
}

void TClocker::DialPainted() {
    if (idlingForScreenSaver_) SetPriority(priority_);
}

int TClocker::Priority() const {
    return thread_ ? ::GetThreadPriority(thread_.get()) : THREAD_PRIORITY_ERROR_RETURN;
}

void TClocker::Terminate() {
    stopRequested_ = true;
    if (stopEvent_) ::SetEvent(stopEvent_.get());
}

bool TClocker::Shutdown(DWORD timeoutMs) {
    closing_ = true;
    Terminate();
    if (!thread_) return true;
    // A thread that never ran sees the stop request first thing and returns.
    Resume();
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    HANDLE thread = thread_.get();
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        const DWORD left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        const DWORD r = ::MsgWaitForMultipleObjects(1, &thread, FALSE, left, QS_SENDMESSAGE);
        if (r == WAIT_OBJECT_0) return true;
        if (r != WAIT_OBJECT_0 + 1) return false;
        // Answer the hand-overs sent meanwhile; closing_ turns them into refusals.
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

DWORD WINAPI TClocker::ThreadMain(void* self) {
    try {
        static_cast<TClocker*>(self)->Execute();
    } catch (const std::exception&) {
        // A clock that cannot be read ends the clock for this run.
    }
    return 0;
}

void TClocker::Execute() {
    if (stopRequested_) return;
    if (!ticker_.Start(clock_(), *this)) return;
    while (!stopRequested_) {
        const ClockTicker::PollResult result = ticker_.Poll(clock_(), *this);
        if (result == ClockTicker::PollResult::Stopped) return;
        // Sleep instead of re-reading the clock: after a handled second at
        // least the usual pause, and on until the next second is due, so a
        // quiet second costs one wake-up.
        PauseOnClockThread(PauseAfterPoll(result, clock_()));
    }
}

void TClocker::PauseOnClockThread(DWORD ms) {
    // A stop request wakes the wait at once. A wait that fails returns at
    // once too, and the loop would spin: sleep the pause instead.
    HANDLE stop = failPauseWait_ ? nullptr : stopEvent_.get();
    if (::WaitForSingleObject(stop, ms) == WAIT_FAILED) ::Sleep(ms);
}

bool TClocker::Handover(Kind kind, const Update& update) {
    if (stopRequested_ || !handoverWindow_) return false;
    // Blocking: the routine runs on the user-interface thread while this
    // thread waits, so the update can stay on this thread's stack.
    const LRESULT result =
        ::SendMessageW(handoverWindow_.get(), WM_APP_HANDOVER, static_cast<WPARAM>(kind),
                       reinterpret_cast<LPARAM>(&update));
    return result == 1 && !stopRequested_;
}

LRESULT CALLBACK TClocker::HandoverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP_HANDOVER) {
        auto* self = reinterpret_cast<TClocker*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!self) return 0;
        return self->RunHandover(static_cast<Kind>(wParam),
                                 *reinterpret_cast<const Update*>(lParam));
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT TClocker::RunHandover(Kind kind, const Update& update) {
    if (closing_) return 0;
    try {
        switch (kind) {
            case Kind::Second:
                if (observer_) observer_->SecondHandedOver(clock_());
                target_.DrawSecondHand(update.second);
                return 1;
            case Kind::Minute:
                target_.RedrawClock(update.hour, update.minute);
                return 1;
            case Kind::Reminders:
                target_.CheckReminders(update.dateChanged, update.minuteChanged, update.time);
                return 1;
            case Kind::Title:
                target_.SetApplicationTitle(*update.title);
                return 1;
        }
    } catch (const std::exception&) {
        // An error in a routine ends the clock for this run; the rest goes on.
    }
    return 0;
}

bool TClocker::SyncSecond(int second) {
    Update update;
    update.second = second;
    return Handover(Kind::Second, update);
}

bool TClocker::SyncMinute(int hour, int minute) {
    Update update;
    update.hour = hour;
    update.minute = minute;
    return Handover(Kind::Minute, update);
}

bool TClocker::SyncReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) {
    Update update;
    update.dateChanged = dateChanged;
    update.minuteChanged = minuteChanged;
    update.time = time;
    return Handover(Kind::Reminders, update);
}

bool TClocker::UpdateTitle(int toggle) {
    // Formatted here on the clock thread from a fresh reading; set on the
    // user-interface thread, which owns the title.
    std::wstring title;
    if (!FormatTitle(toggle, clock_(), morning_, afternoon_, title)) return true;
    Update update;
    update.title = &title;
    return Handover(Kind::Title, update);
}

}  // namespace velmira
