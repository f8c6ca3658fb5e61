#pragma once
// The running program's file and the folder it lives in.

#include <string>

namespace velmira {

// The executable's full path; empty when unknown.
std::wstring ExecutablePath();
// The folder of the executable, ending in a backslash; empty when unknown.
std::wstring ExecutableFolder();

}  // namespace velmira
