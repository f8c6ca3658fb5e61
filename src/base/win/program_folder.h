#pragma once
// The folder the running program lives in.

#include <string>

namespace velmira {

// The folder of the executable, ending in a backslash; empty when unknown.
std::wstring ExecutableFolder();

}  // namespace velmira
