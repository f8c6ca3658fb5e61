#include "clock/win/clocker.h"

#include <exception>

#include "base/win/app_messages.h"
#include "clock/title_format.h"

namespace velmira {

std::function<void(const SYSTEMTIME&)> TClocker::secondProbe;

namespace {

constexpr wchar_t kHandoverClass[] = L"VelmiraClockHandover";

LocalTime ToLocalTime(const SYSTEMTIME& st) {
    LocalTime t;
    t.year = st.wYear;
    t.month = st.wMonth;
    t.dayOfWeek = st.wDayOfWeek;
    t.day = st.wDay;
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    t.milliseconds = st.wMilliseconds;
    return t;
}

LocalTime ReadLocalTime() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return ToLocalTime(st);
}

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

TClocker::TClocker(ClockTarget& target) : target_(target) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExW(instance, kHandoverClass, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &TClocker::HandoverProc;
        wc.hInstance = instance;
        wc.lpszClassName = kHandoverClass;
        ::RegisterClassExW(&wc);
    }
    handoverWindow_ = ::CreateWindowExW(0, kHandoverClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, instance, nullptr);
    if (handoverWindow_)
        ::SetWindowLongPtrW(handoverWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    LocaleDesignators(morning_, afternoon_);
    stopEvent_.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    DWORD id = 0;
    thread_.reset(::CreateThread(nullptr, 0, &TClocker::ThreadMain, this, CREATE_SUSPENDED, &id));
}

TClocker::~TClocker() {
    if (handoverWindow_) {
        ::SetWindowLongPtrW(handoverWindow_, GWLP_USERDATA, 0);
        ::DestroyWindow(handoverWindow_);
    }
}

void TClocker::Resume() {
    if (resumed_ || !thread_) return;
    resumed_ = true;
    ::ResumeThread(thread_.get());
}

void TClocker::SetPriority(int win32Priority) {
    if (thread_) ::SetThreadPriority(thread_.get(), win32Priority);
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
    static_cast<TClocker*>(self)->Execute();
    return 0;
}

void TClocker::Execute() {
    if (stopRequested_) return;
    if (!ticker_.Start(ReadLocalTime(), *this)) return;
    while (!stopRequested_) {
        const LocalTime now = ReadLocalTime();
        const ClockTicker::PollResult result = ticker_.Poll(now, *this);
        if (result == ClockTicker::PollResult::Stopped) return;
        // Sleep instead of re-reading the clock: after a handled second at
        // least the usual pause, and on until the next second is due, so a
        // quiet second costs one wake-up. A stop request wakes the thread at once.
        ::WaitForSingleObject(stopEvent_.get(), PauseAfterPoll(result, ReadLocalTime()));
    }
}

bool TClocker::Handover(Kind kind, LPARAM data) {
    if (stopRequested_ || !handoverWindow_) return false;
    DWORD_PTR result = 0;
    // Blocking: the routine runs on the user-interface thread while this thread waits.
    result = static_cast<DWORD_PTR>(
        ::SendMessageW(handoverWindow_, WM_APP_HANDOVER, static_cast<WPARAM>(kind), data));
    return result == 1 && !stopRequested_;
}

LRESULT CALLBACK TClocker::HandoverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP_HANDOVER) {
        auto* self = reinterpret_cast<TClocker*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!self) return 0;
        return self->RunHandover(static_cast<Kind>(wParam), lParam);
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT TClocker::RunHandover(Kind kind, LPARAM data) {
    if (closing_) return 0;
    try {
        switch (kind) {
            case Kind::Second:
                if (secondProbe) {
                    SYSTEMTIME st;
                    ::GetLocalTime(&st);
                    secondProbe(st);
                }
                target_.DrawSecondHand(ticker_.lastSecond);
                return 1;
            case Kind::Minute:
                target_.RedrawClock(ticker_.lastHour, ticker_.lastMinute);
                return 1;
            case Kind::Reminders:
                target_.CheckReminders(ticker_.dateChanged, ticker_.minuteChanged,
                                       ticker_.localTime);
                return 1;
            case Kind::Title:
                target_.SetApplicationTitle(*reinterpret_cast<const std::wstring*>(data));
                return 1;
        }
    } catch (const std::exception&) {
        // An error in a routine ends the clock for this run; the rest goes on.
    }
    return 0;
}

bool TClocker::SyncSecond() { return Handover(Kind::Second, 0); }
bool TClocker::SyncMinute() { return Handover(Kind::Minute, 0); }
bool TClocker::SyncReminders() { return Handover(Kind::Reminders, 0); }

bool TClocker::UpdateTitle(int toggle) {
    // Formatted here on the clock thread from a fresh reading; set on the
    // user-interface thread, which owns the title.
    std::wstring title;
    if (!FormatTitle(toggle, ReadLocalTime(), morning_, afternoon_, title)) return true;
    return Handover(Kind::Title, reinterpret_cast<LPARAM>(&title));
}

}  // namespace velmira
