#pragma once
// The common-control classes the program's windows are made of, registered
// once at start, before the first window: the standard controls of the
// dialogs, the settings dialogs' tab control and the debug controls' date
// picker with its month calendar.

namespace velmira {

void InitCommonControlClasses();

}  // namespace velmira
