#pragma once
// The application object: its title (the text of the taskbar button), the
// main form, the message loop and its hook, and whether it is minimized.
// The entry point makes one and hands it to the main stage.

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

    // Shows the main form and runs the message loop until it is destroyed.
    void Run();

    // The main form reports each WM_SIZE here: minimized, or restored.
    void MainFormSized(WPARAM sizeType);
    bool Minimized() const { return minimized_; }

private:
    HINSTANCE instance_ = nullptr;
    HWND mainForm_ = nullptr;
    std::wstring title_;
    bool minimized_ = false;
};

}  // namespace velmira
