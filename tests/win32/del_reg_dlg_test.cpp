// The reset question: its layout, and how each way of closing it answers.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "dialog_driver.h"
#include "settings/win/del_reg_dlg.h"

namespace velmira {
namespace {

using driver::FocusOf;
using driver::PlaceOf;
using driver::PressKey;
using driver::TextOf;

// Runs Execute on this thread while `drive` works the question from another.
bool RunDialog(const std::function<void(HWND)>& drive, bool& sawDialog) {
    const driver::Outcome outcome = driver::RunDialog(
        L"?", [] { return INT_PTR{TDelRegDlg::Execute(nullptr)}; }, drive);
    sawDialog = outcome.seen;
    return outcome.result != 0;
}

TEST(TDelRegDlg, LayoutAndTexts) {
    bool saw = false;
    std::wstring caption, label, ok, cancel;
    RECT client{}, okPlace{}, cancelPlace{}, labelPlace{}, window{};
    LONG_PTR exStyle = 0, okStyle = 0, cancelStyle = 0;
    HWND focus = nullptr, okHandle = nullptr;
    RunDialog(
        [&](HWND dialog) {
            caption = TextOf(dialog);
            ::GetClientRect(dialog, &client);
            ::GetWindowRect(dialog, &window);
            exStyle = ::GetWindowLongPtrW(dialog, GWL_EXSTYLE);
            okHandle = ::GetDlgItem(dialog, IDOK);
            HWND cancelHandle = ::GetDlgItem(dialog, IDCANCEL);
            HWND labelHandle = ::GetDlgItem(dialog, TDelRegDlg::kLabelId);
            ok = TextOf(okHandle);
            cancel = TextOf(cancelHandle);
            label = TextOf(labelHandle);
            okPlace = PlaceOf(dialog, okHandle);
            cancelPlace = PlaceOf(dialog, cancelHandle);
            labelPlace = PlaceOf(dialog, labelHandle);
            okStyle = ::GetWindowLongPtrW(okHandle, GWL_STYLE);
            cancelStyle = ::GetWindowLongPtrW(cancelHandle, GWL_STYLE);
            focus = FocusOf(dialog);
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        saw);
    ASSERT_TRUE(saw);
    EXPECT_EQ(L"?", caption);
    EXPECT_EQ(TDelRegDlg::kClientWidth, client.right);
    EXPECT_EQ(TDelRegDlg::kClientHeight, client.bottom);
    EXPECT_EQ(464, client.right);
    EXPECT_EQ(83, client.bottom);
    EXPECT_NE(0, exStyle & WS_EX_TOPMOST);
    EXPECT_EQ((::GetSystemMetrics(SM_CXSCREEN) - (window.right - window.left)) / 2, window.left);
    EXPECT_EQ((::GetSystemMetrics(SM_CYSCREEN) - (window.bottom - window.top)) / 2, window.top);

    EXPECT_EQ(L"本アプリのレジストリを削除し、設定内容を初期化します。", label);
    EXPECT_EQ(L"OK", ok);
    EXPECT_EQ(L"キャンセル", cancel);
    EXPECT_EQ(80, labelPlace.left);
    EXPECT_EQ(12, labelPlace.top);
    EXPECT_EQ(449, labelPlace.right);
    EXPECT_EQ(49, labelPlace.bottom);
    EXPECT_EQ(145, okPlace.left);
    EXPECT_EQ(52, okPlace.top);
    EXPECT_EQ(233, okPlace.right);
    EXPECT_EQ(73, okPlace.bottom);
    EXPECT_EQ(238, cancelPlace.left);
    EXPECT_EQ(52, cancelPlace.top);
    EXPECT_EQ(326, cancelPlace.right);
    EXPECT_EQ(73, cancelPlace.bottom);
    EXPECT_EQ(BS_DEFPUSHBUTTON, okStyle & BS_TYPEMASK);
    EXPECT_EQ(BS_PUSHBUTTON, cancelStyle & BS_TYPEMASK);
    EXPECT_EQ(okHandle, focus) << "OK holds the focus when the question opens";
}

TEST(TDelRegDlg, QuestionIconIsDrawnInThePaintBox) {
    bool saw = false;
    int differentInBox = 0, differentOutside = 0;
    RunDialog(
        [&](HWND dialog) {
            ::Sleep(300);  // let the first paint happen
            HDC dc = ::GetDC(dialog);
            const COLORREF face = ::GetPixel(dc, 5, 5);
            for (int y = 12; y < 44; ++y)
                for (int x = 15; x < 47; ++x)
                    if (::GetPixel(dc, x, y) != face) ++differentInBox;
            for (int y = 0; y < 50; ++y)
                for (int x = 0; x < 14; ++x)
                    if (::GetPixel(dc, x, y) != face) ++differentOutside;
            ::ReleaseDC(dialog, dc);
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        saw);
    ASSERT_TRUE(saw);
    EXPECT_GT(differentInBox, 100) << "the icon covers much of its 32 x 32 box";
    EXPECT_EQ(0, differentOutside);
}

TEST(TDelRegDlg, EachWayOfClosingGivesItsAnswer) {
    struct Case {
        const char* name;
        std::function<void(HWND)> close;
        bool expected;
    };
    const Case cases[] = {
        {"Enter", [](HWND d) { PressKey(d, VK_RETURN); }, true},
        {"Esc", [](HWND d) { PressKey(d, VK_ESCAPE); }, false},
        {"OK button", [](HWND d) { driver::Click(d, IDOK); }, true},
        {"Cancel button", [](HWND d) { driver::Click(d, IDCANCEL); }, false},
        {"close box", [](HWND d) { ::PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool saw = false;
        const bool answer = RunDialog(c.close, saw);
        ASSERT_TRUE(saw);
        EXPECT_EQ(c.expected, answer);
        EXPECT_EQ(nullptr, ::FindWindowW(L"#32770", L"?"))
            << "the dialog is destroyed when it closes";
    }
}

}  // namespace
}  // namespace velmira
