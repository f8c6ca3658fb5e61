#pragma once
// The error box: an error's text under the title of the window it belongs to.
// Shown for errors that escape a message handler, and when the program
// cannot start.

#include <windows.h>

#include <exception>
#include <string>

namespace velmira {

// With an empty caption the box takes the text of the owner's top-level
// window (the main stage carries the application's title).
void ShowErrorBox(HWND owner, const std::wstring& message, const std::wstring& caption = L"");
// The exception's text, read as UTF-8.
void ShowErrorBox(HWND owner, const std::exception& error, const std::wstring& caption = L"");

}  // namespace velmira
