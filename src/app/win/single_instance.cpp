#include "app/win/single_instance.h"

#include "base/win/app_messages.h"

namespace velmira {

SingleInstance::SingleInstance(const std::wstring& name) {
    mutex_.reset(::CreateMutexW(nullptr, TRUE, name.c_str()));
    // A mutex that cannot be made guards nothing: run rather than refuse.
    first_ = !mutex_ || ::GetLastError() != ERROR_ALREADY_EXISTS;
}

std::wstring UserMutexName(const std::wstring& program) {
    wchar_t user[257] = {};
    DWORD size = 257;
    if (!::GetUserNameW(user, &size)) user[0] = L'\0';
    // Backslashes would name a namespace; user names have none, but be sure.
    std::wstring name = L"Local\\" + program + L"." + user;
    for (size_t i = 6; i < name.size(); ++i)
        if (name[i] == L'\\') name[i] = L'_';
    return name;
}

bool ActivateRunningCopy(const wchar_t* className) {
    HWND stage = ::FindWindowW(className, nullptr);
    if (!stage) return false;
    if (::IsIconic(stage)) ::ShowWindow(stage, SW_RESTORE);
    // She shows again and takes clicks, whatever she was set to; a copy that
    // hangs keeps this one for a moment only.
    ::SendMessageTimeoutW(stage, WM_APP_SECOND_START, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    // While it asks its start-up question, the question comes forward.
    HWND front = ::GetLastActivePopup(stage);
    ::SetForegroundWindow(front ? front : stage);
    return true;
}

}  // namespace velmira
