#include "reminders/win/message_balloon.h"

namespace velmira {

namespace {
constexpr wchar_t kBalloonClass[] = L"TMessageBalloon";
}

bool TMessageBalloon::Create(HWND owner) {
    // Client area 240 x 160, white, no border; hidden until a reminder shows it.
    return CreateForm(kBalloonClass, WS_EX_TOOLWINDOW, WS_POPUP, L"", 0, 0, 240, 160, owner,
                      static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
}

void TMessageBalloon::Hide() {
    if (Visible()) ::ShowWindow(Handle(), SW_HIDE);
}

void TMessageBalloon::SetStayOnTop(bool onTop) {
    if (!Handle()) return;
    ::SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT TMessageBalloon::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return Default(msg, wParam, lParam);
}

}  // namespace velmira
