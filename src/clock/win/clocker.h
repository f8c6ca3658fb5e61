#pragma once
// TClocker: the one background thread. It reads the local clock and hands
// each update to the user-interface thread, waiting until it has run there.

#include <windows.h>

#include <atomic>
#include <string>

#include "base/inputs.h"
#include "base/win/handles.h"
#include "base/win/system_inputs.h"
#include "clock/clock_ticker.h"

namespace velmira {

// What the hand-overs call on the user-interface thread.
class ClockTarget {
public:
    virtual ~ClockTarget() = default;
    virtual void DrawSecondHand(int second) = 0;
    virtual void RedrawClock(int hour, int minute) = 0;
    virtual void CheckReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) = 0;
    virtual void SetApplicationTitle(const std::wstring& title) = 0;
};

// Watches each second's hand-over on the user-interface thread, with a
// reading of the clock taken there. Benchmarks pass one in; the program none.
class HandoverObserver {
public:
    virtual ~HandoverObserver() = default;
    virtual void SecondHandedOver(const LocalTime& now) = 0;
};

// Steps of TClocker's set-up that a test makes fail as if Windows had
// refused them.
struct ClockerFaults {
    bool handoverWindow = false;  // CreateWindowExW
    bool stopEvent = false;       // CreateEventW
    bool thread = false;          // CreateThread
    bool pauseWait = false;       // every wait of the pause fails
};

class TClocker : private TickSink {
public:
    // Call on the user-interface thread: the hand-over window lives there.
    // The thread is created suspended and runs only after Resume(). `clock`
    // is read on the clock thread, and for the observer on the
    // user-interface thread.
    TClocker(ClockTarget& target, LocalClock clock = ReadSystemLocalTime,
             HandoverObserver* observer = nullptr);
    TClocker(ClockTarget& target, LocalClock clock, HandoverObserver* observer,
             const ClockerFaults& faults);
    // After Shutdown() returned true, or when the thread never ran (a thread
    // never resumed is ended here).
    ~TClocker() override;
    TClocker(const TClocker&) = delete;
    TClocker& operator=(const TClocker&) = delete;

    // False when the hand-over window, the stop event or the thread could not
    // be made; then no thread exists and Resume() does nothing.
    bool Valid() const { return static_cast<bool>(thread_); }
    void Resume();
    bool Resumed() const { return resumed_; }
    // The priority the thread runs at, and keeps for the rest of the run.
    void SetPriority(int win32Priority);
    int Priority() const;

    // Each message the user-interface thread takes from its queue: the
    // screen saver's start lets the clock idle until the dial is next painted.
    void MessageTaken(const MSG& msg);
    void DialPainted();

    // Asks the thread to end; returns at once. A pause in progress is cut short.
    void Terminate();

    // Call on the user-interface thread when the main stage goes away:
    // refuses every further hand-over, then waits up to timeoutMs for the
    // thread to end while answering the hand-overs already on their way.
    // Returns true when the thread has ended.
    bool Shutdown(DWORD timeoutMs);

private:
    enum class Kind : WPARAM { Second = 1, Minute, Reminders, Title };
    // What one hand-over carries to the user-interface thread.
    struct Update {
        int second = 0;
        int hour = 0;
        int minute = 0;
        bool dateChanged = false;
        bool minuteChanged = false;
        LocalTime time{};
        const std::wstring* title = nullptr;
    };

    static DWORD WINAPI ThreadMain(void* self);
    void Execute();  // on the clock thread
    void PauseOnClockThread(DWORD ms);
    bool Handover(Kind kind, const Update& update);
    LRESULT RunHandover(Kind kind, const Update& update);  // on the user-interface thread
    static LRESULT CALLBACK HandoverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    bool SyncSecond(int second) override;
    bool SyncMinute(int hour, int minute) override;
    bool SyncReminders(bool dateChanged, bool minuteChanged, const LocalTime& time) override;
    bool UpdateTitle(int toggle) override;

    ClockTarget& target_;
    const LocalClock clock_;
    HandoverObserver* const observer_;
    const bool failPauseWait_;
    ClockTicker ticker_;
    // Made in this order; the thread last, so a failure never leaves one behind.
    UniqueWindow handoverWindow_;
    UniqueHandleK stopEvent_;
    UniqueHandleK thread_;
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> closing_{false};
    bool resumed_ = false;
    int priority_ = THREAD_PRIORITY_NORMAL;  // user-interface thread only
    bool idlingForScreenSaver_ = false;
    std::wstring morning_;
    std::wstring afternoon_;
};

// The one way the clock thread is stopped, as a unique_ptr's deleter: refuse
// further hand-overs and wait briefly for the thread; one that does not end in
// time is left to the process exit and never touched again.
struct ClockerShutdown {
    static constexpr DWORD kWaitMs = 800;
    void operator()(TClocker* clocker) const {
        if (clocker->Shutdown(kWaitMs)) delete clocker;
    }
};

// The locale's morning and afternoon designators, or 午前 and 午後 when it has none.
void LocaleDesignators(std::wstring& morning, std::wstring& afternoon);

}  // namespace velmira
