#include "app/win/application.h"

namespace velmira {

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

void TApplication::MainFormSized(WPARAM sizeType) {
    if (sizeType == SIZE_MINIMIZED) minimized_ = true;
    if (sizeType == SIZE_RESTORED) minimized_ = false;
}

}  // namespace velmira
