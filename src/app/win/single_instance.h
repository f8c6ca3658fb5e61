#pragma once
// One copy of the program per user: two copies would each write the shared
// settings at exit, the last one silently undoing the other's changes.

#include <windows.h>

#include <string>

#include "base/win/handles.h"

namespace velmira {

class SingleInstance {
public:
    // Takes the current user's mutex of this name.
    explicit SingleInstance(const std::wstring& name);
    // False when another copy of the program holds the mutex.
    bool First() const { return first_; }

private:
    UniqueHandleK mutex_;
    bool first_ = true;
};

// The mutex name for the current user: one copy per user and session.
std::wstring UserMutexName(const std::wstring& program);

// Brings the running copy's main window (found by its class) to the front,
// or the question it shows, after telling it of the second start
// (WM_APP_SECOND_START); false when there is none.
bool ActivateRunningCopy(const wchar_t* className);

}  // namespace velmira
