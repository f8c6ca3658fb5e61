// The window base: an error thrown in a message handler is shown in the
// error box, and the window goes on answering afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

#include "base/win/form_window.h"
#include "dialog_driver.h"

namespace velmira {
namespace {

constexpr UINT kThrow = WM_APP + 40;
constexpr UINT kAnswer = WM_APP + 41;

class ThrowingWindow : public FormWindow {
public:
    bool Create() {
        return CreateForm(L"VelmiraThrowingWindow", 0, WS_POPUP, L"Velmira時計", 0, 0, 50, 50,
                          nullptr);
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == kThrow)
            throw std::runtime_error("\xE5\xA3\x8A\xE3\x82\x8C\xE3\x81\x9F");  // 壊れた
        if (msg == kAnswer) return 42;
        return Default(msg, wParam, lParam);
    }
};

// Keeps the text of a non-empty static in the std::wstring at `out`. A named
// function, not a lambda: the callback must be stdcall on i686.
BOOL CALLBACK KeepStaticText(HWND child, LPARAM out) {
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    const std::wstring text = driver::TextOf(child);
    if (lstrcmpiW(className, L"Static") == 0 && !text.empty())
        *reinterpret_cast<std::wstring*>(out) = text;
    return TRUE;
}

TEST(FormWindow, AnErrorInAHandlerIsShownAndTheWindowAnswersOn) {
    ThrowingWindow window;
    ASSERT_TRUE(window.Create());
    std::atomic<bool> seen{false};
    std::wstring message;
    std::thread answerer([&] {
        // The box carries the title of the window it belongs to.
        HWND box = driver::WaitForDialog(L"Velmira時計");
        if (!box) return;
        seen = true;
        // The message box's text is its static control.
        EnumChildWindows(box, &KeepStaticText, reinterpret_cast<LPARAM>(&message));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(window.Handle(), kThrow, 0, 0);
    answerer.join();
    ASSERT_TRUE(seen) << "an error box came up";
    EXPECT_EQ(message, L"壊れた");
    EXPECT_EQ(SendMessageW(window.Handle(), kAnswer, 0, 0), 42) << "the window answers on";
}

}  // namespace
}  // namespace velmira
