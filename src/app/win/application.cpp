#include "app/win/application.h"

namespace velmira {

TApplication Application;

void TApplication::Initialize(HINSTANCE instance) { instance_ = instance; }

void TApplication::SetTitle(const std::wstring& title) {
    title_ = title;
    if (mainForm_) ::SetWindowTextW(mainForm_, title_.c_str());
}

void TApplication::SetMainForm(HWND hwnd) {
    mainForm_ = hwnd;
    if (mainForm_ && !title_.empty()) ::SetWindowTextW(mainForm_, title_.c_str());
}

void TApplication::Run() {
    if (!mainForm_) return;
    ::ShowWindow(mainForm_, SW_SHOWNORMAL);
    ::UpdateWindow(mainForm_);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        bool handled = false;
        if (OnMessage) OnMessage(msg, handled);
        if (handled) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void TApplication::NotifyMinimized() {
    if (minimized_) return;
    minimized_ = true;
    if (OnMinimize) OnMinimize();
}

void TApplication::NotifyRestored() {
    if (!minimized_) return;
    minimized_ = false;
    if (OnRestore) OnRestore();
}

void TApplication::Restore() {
    if (mainForm_ && ::IsIconic(mainForm_)) ::ShowWindow(mainForm_, SW_RESTORE);
}

}  // namespace velmira
