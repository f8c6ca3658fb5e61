#pragma once
// The real machine's readings behind the inputs of base/inputs.h.

#include <windows.h>

#include "base/inputs.h"

namespace velmira {

LocalTime ToLocalTime(const SYSTEMTIME& st);
// GetLocalTime.
LocalTime ReadSystemLocalTime();
// The top bit of GetAsyncKeyState.
bool AsyncKeyHeld(int virtualKey);
// A random source seeded once from the clock.
RandomSource SystemRandomSource();

}  // namespace velmira
