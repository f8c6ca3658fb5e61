#pragma once
// The application object: its title (the text of the taskbar button), the
// main form, the message loop and the three hooks the main stage installs.

#include <windows.h>

#include <functional>
#include <string>

namespace velmira {

class TApplication {
public:
    void Initialize(HINSTANCE instance);
    HINSTANCE Instance() const { return instance_; }

    // The title is the window text of the window that carries the taskbar
    // button (the main form), so it shows wherever the taskbar shows it.
    // Call only from the user-interface thread.
    void SetTitle(const std::wstring& title);
    const std::wstring& Title() const { return title_; }

    // The first form created becomes the main form; the loop ends when it closes.
    void SetMainForm(HWND hwnd);
    HWND MainForm() const { return mainForm_; }

    // Called for every message taken from the queue, before it is dispatched.
    std::function<void(MSG& msg, bool& handled)> OnMessage;
    std::function<void()> OnMinimize;
    std::function<void()> OnRestore;

    // Shows the main form and runs the message loop until it is destroyed.
    void Run();

    // The main form reports its minimize and restore here.
    void NotifyMinimized();
    void NotifyRestored();
    bool Minimized() const { return minimized_; }

    // Restores a minimized application (the balloon needs it visible).
    void Restore();

private:
    HINSTANCE instance_ = nullptr;
    HWND mainForm_ = nullptr;
    std::wstring title_;
    bool minimized_ = false;
};

extern TApplication Application;

}  // namespace velmira
