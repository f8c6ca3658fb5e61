#pragma once
// Functions of Windows' own DLLs looked up at run time, so the program still
// starts on systems (and under Wine) without them.

#include <windows.h>

namespace velmira {

// `name` from the system DLL `dll`, or null when it has none. A DLL not yet
// loaded is loaded and kept for the whole run.
template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = ::GetModuleHandleW(dll);
    if (!module) module = ::LoadLibraryW(dll);
    return module ? reinterpret_cast<Function>(
                        reinterpret_cast<void (*)()>(::GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace velmira
