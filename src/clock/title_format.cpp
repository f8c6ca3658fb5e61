#include "clock/title_format.h"

namespace velmira {

std::wstring FormatDateTitle(const LocalTime& t) {
    return L"「" + std::to_wstring(t.month) + L"月" + std::to_wstring(t.day) + L"日」";
}

std::wstring FormatTimeTitle(const LocalTime& t, const std::wstring& morning,
                             const std::wstring& afternoon) {
    const unsigned hour = t.hour % 24u;
    const unsigned hour12 = hour % 12u == 0 ? 12u : hour % 12u;
    return L"「" + (hour < 12 ? morning : afternoon) + std::to_wstring(hour12) + L"時" +
           std::to_wstring(t.minute) + L"分」";
}

bool FormatTitle(int toggle, const LocalTime& t, const std::wstring& morning,
                 const std::wstring& afternoon, std::wstring& title) {
    switch (toggle) {
        case 0:
            title = FormatDateTitle(t);
            return true;
        case 1:
            title = FormatTimeTitle(t, morning, afternoon);
            return true;
        default:
            return false;
    }
}

}  // namespace velmira
