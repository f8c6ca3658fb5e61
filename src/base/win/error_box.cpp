#include "base/win/error_box.h"

#include "base/win/resources.h"
#include "base/win/utf8.h"

namespace velmira {

void ShowErrorBox(HWND owner, const std::wstring& message, const std::wstring& caption) {
    std::wstring title = caption;
    if (title.empty() && owner) {
        HWND top = ::GetAncestor(owner, GA_ROOTOWNER);
        wchar_t text[256] = {};
        if (top && ::GetWindowTextW(top, text, 256) > 0) title = text;
    }
    if (title.empty()) title = L"エラー";
    ::MessageBoxW(owner, message.c_str(), title.c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

void ShowErrorBox(HWND owner, const std::exception& error, const std::wstring& caption) {
    ShowErrorBox(owner, FromUtf8(error.what()), caption);
}

}  // namespace velmira
