#pragma once
// Drives a modal dialog from a second thread the way a person would: waits
// for it to show, reads its controls, presses keys and clicks. The dialog
// itself runs modally on the test's thread (RunDialog).

#include <windows.h>

#include <functional>
#include <string>

namespace velmira::driver {

// A visible top-level dialog of this process with this caption; null when
// none shows within the timeout.
HWND WaitForDialog(const wchar_t* caption, DWORD timeoutMs = 5000);

// Polls `done` until it holds or the timeout passes; returns its last answer.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 2000);

// Like WaitUntil, but dispatches this thread's messages meanwhile: for
// windows of the test's own thread that must work on their way to `done`.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

struct Outcome {
    INT_PTR result = 0;  // what `show` returned
    bool seen = false;   // whether the dialog came up for `drive`
};

// Runs `show` (which shows a dialog modally) on this thread while `drive`
// works the dialog titled `caption` from another. When the dialog never
// shows, the modal loop is ended with WM_QUIT and `seen` is false.
Outcome RunDialog(const wchar_t* caption, const std::function<INT_PTR()>& show,
                  const std::function<void(HWND dialog)>& drive);

HWND Control(HWND dialog, int id);
std::wstring TextOf(HWND window);
std::wstring ControlText(HWND dialog, int id);
// A control's place in the dialog's client area.
RECT PlaceOf(HWND dialog, HWND control);
// The window with the keyboard focus on the dialog's thread.
HWND FocusOf(HWND dialog);

// A key press as the focused control of the dialog's thread receives it, so
// the dialog manager sees it (Enter to the default button, Esc to Cancel).
void PressKey(HWND dialog, WORD key);
// A click on a button (BM_CLICK), handled when the dialog's loop gets to it.
void Click(HWND dialog, int id);
// A mouse click on the header of tab `index`; done when this returns.
void ClickTab(HWND dialog, int tabId, int index);

}  // namespace velmira::driver
