#include "base/win/system_inputs.h"

namespace velmira {

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

LocalTime ReadSystemLocalTime() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return ToLocalTime(st);
}

bool AsyncKeyHeld(int virtualKey) { return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

RandomSource SystemRandomSource() {
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    return SeededRandomSource(ft.dwLowDateTime ^ ft.dwHighDateTime ^ ::GetTickCount());
}

}  // namespace velmira
