#pragma once
// The taskbar title the clock shows every ten seconds.

#include <string>

#include "base/types.h"

namespace velmira {

// 「12月7日」: month and day without leading zeros.
std::wstring FormatDateTitle(const LocalTime& t);

// 「午後3時5分」: the designator first, then the hour on the 12-hour clock
// (0 and 12 both read 12) and the minute, without leading zeros.
std::wstring FormatTimeTitle(const LocalTime& t, const std::wstring& morning,
                             const std::wstring& afternoon);

// The title for a toggle value: 0 the date, 1 the time, anything else none.
// Returns false when the title does not change.
bool FormatTitle(int toggle, const LocalTime& t, const std::wstring& morning,
                 const std::wstring& afternoon, std::wstring& title);

// Designators to use when the locale has none of its own.
inline const wchar_t* kDefaultMorning = L"午前";
inline const wchar_t* kDefaultAfternoon = L"午後";

}  // namespace velmira
