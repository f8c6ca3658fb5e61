#pragma once
// The program's run: one copy per user, the title, the main stage, the loop.

#include <windows.h>

#include "app/win/stage_environment.h"

namespace velmira {

// Returns the exit code: 0 after a normal run or when another copy already
// runs (it is brought to the front), 1 when the main stage could not start.
int RunVelmiraClock(HINSTANCE instance, const StageEnvironment& environment);

}  // namespace velmira
