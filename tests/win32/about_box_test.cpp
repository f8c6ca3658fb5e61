// The version dialog: layout, texts, the picture and its place, where it
// stands, and every way of closing it.
#include "about/win/about_box.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "dialog_driver.h"

namespace velmira {
namespace {

using driver::FocusOf;
using driver::PlaceOf;
using driver::PressKey;
using driver::TextOf;

::testing::AssertionResult RectIs(const RECT& r, int left, int top, int width, int height) {
    if (r.left == left && r.top == top && r.right - r.left == width && r.bottom - r.top == height)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << r.left << "," << r.top << " "
                                         << r.right - r.left << "x" << r.bottom - r.top;
}

// A plain window standing in for the main stage.
class OwnerWindow {
public:
    OwnerWindow(int left, int top, int width, int height) {
        hwnd_ = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, left, top, width,
                                height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~OwnerWindow() { DestroyWindow(hwnd_); }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

// Shows `box` modally on this thread while `drive` works it from another.
// Returns the dialog's result; `seen` tells whether the dialog came up.
INT_PTR RunAboutBox(TAboutBox& box, const std::function<void(HWND)>& drive, bool& seen) {
    const driver::Outcome outcome = driver::RunDialog(
        L"バージョン情報", [&] { return box.ShowModal(); }, drive);
    seen = outcome.seen;
    return outcome.result;
}

TEST(TAboutBox, LayoutTextsAndFrame) {
    OwnerWindow owner(300, 200, 293, 441);
    TAboutBox box(owner.get(), GetModuleHandleW(nullptr));
    bool seen = false;
    std::wstring caption, name, version, ok;
    RECT client{}, window{}, namePlace{}, versPlace{}, okPlace{};
    LONG_PTR style = 0, okStyle = 0, nameStyle = 0;
    HWND dialogOwner = nullptr, focus = nullptr;
    LOGFONTW font{};
    RunAboutBox(
        box,
        [&](HWND dialog) {
            caption = TextOf(dialog);
            GetClientRect(dialog, &client);
            GetWindowRect(dialog, &window);
            style = GetWindowLongPtrW(dialog, GWL_STYLE);
            dialogOwner = GetWindow(dialog, GW_OWNER);
            HWND nameLabel = GetDlgItem(dialog, TAboutBox::kNameLabelId);
            HWND versLabel = GetDlgItem(dialog, TAboutBox::kVersLabelId);
            HWND okButton = GetDlgItem(dialog, IDOK);
            name = TextOf(nameLabel);
            version = TextOf(versLabel);
            ok = TextOf(okButton);
            namePlace = PlaceOf(dialog, nameLabel);
            versPlace = PlaceOf(dialog, versLabel);
            okPlace = PlaceOf(dialog, okButton);
            okStyle = GetWindowLongPtrW(okButton, GWL_STYLE);
            nameStyle = GetWindowLongPtrW(nameLabel, GWL_STYLE);
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(nameLabel, WM_GETFONT, 0, 0)),
                       sizeof(font), &font);
            focus = FocusOf(dialog) == okButton ? okButton : nullptr;
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        },
        seen);
    ASSERT_TRUE(seen);
    EXPECT_EQ(caption, L"バージョン情報");
    EXPECT_EQ(client.right, 229);
    EXPECT_EQ(client.bottom, 75);
    EXPECT_EQ(dialogOwner, owner.get());
    // A dialog frame with the system menu only: no minimize, maximize or sizing.
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    // Centred on its owner.
    EXPECT_EQ(window.left, 300 + (293 - (window.right - window.left)) / 2);
    EXPECT_EQ(window.top, 200 + (441 - (window.bottom - window.top)) / 2);

    EXPECT_EQ(name, L"Velmira時計");
    EXPECT_EQ(version, L"Ver. 1.00");
    EXPECT_EQ(ok, L"OK");
    EXPECT_TRUE(RectIs(namePlace, 61, 13, 160, 12));
    EXPECT_TRUE(RectIs(versPlace, 61, 32, 160, 12));
    EXPECT_TRUE(RectIs(okPlace, 178, 51, 48, 21));
    EXPECT_EQ(nameStyle & SS_TYPEMASK, SS_CENTER);
    EXPECT_EQ(okStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_NE(focus, nullptr) << "OK holds the focus";
    EXPECT_STREQ(font.lfFaceName, L"ＭＳ Ｐゴシック");
    EXPECT_EQ(font.lfHeight, -12);

    // The forty-pixel portrait, centred where the designed box was.
    EXPECT_EQ(box.ImagePaint.Left, 14);
    EXPECT_EQ(box.ImagePaint.Top, 9);
    EXPECT_EQ(box.ImagePaint.Width, 40);
    EXPECT_EQ(box.ImagePaint.Height, 40);
}

TEST(TAboutBox, ThePictureIsDrawnInItsBox) {
    OwnerWindow owner(100, 100, 300, 300);
    UniqueBitmap picture(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), L"AboutImage",
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_TRUE(picture);
    UniqueMemDc memory(CreateCompatibleDC(nullptr));
    SelectInDc select(memory.get(), picture.get());
    TAboutBox box(owner.get(), GetModuleHandleW(nullptr));
    bool seen = false;
    int matching = 0, compared = 0;
    COLORREF face = 0, corner = 0;
    RunAboutBox(
        box,
        [&](HWND dialog) {
            Sleep(300);  // let it paint
            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            Sleep(200);
            HDC dc = GetDC(dialog);
            for (int y = 0; y < 40; y += 3)
                for (int x = 0; x < 40; x += 3) {
                    ++compared;
                    matching += GetPixel(dc, 14 + x, 9 + y) == GetPixel(memory.get(), x, y);
                }
            face = GetPixel(dc, 100, 60);
            corner = GetPixel(dc, 13, 8);  // just outside the picture
            ReleaseDC(dialog, dc);
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        },
        seen);
    ASSERT_TRUE(seen);
    EXPECT_EQ(matching, compared);
    EXPECT_EQ(corner, face) << "nothing drawn outside the picture's box";
}

TEST(TAboutBox, APictureOfAnotherSizeKeepsTheSameCentre) {
    UniqueBitmap face(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), L"Face1", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_TRUE(face);
    BITMAP bm{};
    GetObjectW(face.get(), sizeof(bm), &bm);
    ASSERT_NE(bm.bmWidth, 40);
    TAboutBox box(nullptr, GetModuleHandleW(nullptr), L"Face1");
    bool seen = false;
    RunAboutBox(
        box, [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDOK, 0); }, seen);
    ASSERT_TRUE(seen);
    EXPECT_EQ(box.ImagePaint.Left, 34 - bm.bmWidth / 2);
    EXPECT_EQ(box.ImagePaint.Top, 29 - bm.bmHeight / 2);
    EXPECT_EQ(box.ImagePaint.Width, bm.bmWidth);
    EXPECT_EQ(box.ImagePaint.Height, bm.bmHeight);
}

TEST(TAboutBox, EveryWayOfClosingEndsIt) {
    struct Way {
        const char* name;
        std::function<void(HWND)> close;
        INT_PTR result;
    };
    const Way ways[] = {
        {"Enter", [](HWND d) { PressKey(d, VK_RETURN); }, IDOK},
        {"Esc", [](HWND d) { PressKey(d, VK_ESCAPE); }, IDCANCEL},
        {"close box", [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
        {"OK clicked", [](HWND d) { driver::Click(d, IDOK); }, IDOK},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        OwnerWindow owner(200, 200, 300, 300);
        TAboutBox box(owner.get(), GetModuleHandleW(nullptr));
        bool seen = false;
        HWND shown = nullptr;
        const INT_PTR result = RunAboutBox(
            box,
            [&](HWND dialog) {
                shown = dialog;
                way.close(dialog);
            },
            seen);
        ASSERT_TRUE(seen);
        EXPECT_EQ(result, way.result);
        EXPECT_FALSE(IsWindow(shown));
        EXPECT_TRUE(IsWindowEnabled(owner.get())) << "the owner takes input again";
    }
}

TEST(TAboutBox, StaysOnTheScreenBesideAnEdge) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    OwnerWindow owner(screenWidth - 60, 100, 293, 441);
    TAboutBox box(owner.get(), GetModuleHandleW(nullptr));
    bool seen = false;
    RECT window{};
    RunAboutBox(
        box,
        [&](HWND dialog) {
            GetWindowRect(dialog, &window);
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        },
        seen);
    ASSERT_TRUE(seen);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(window.right, work.right);
    EXPECT_EQ(window.top, 100 + (441 - (window.bottom - window.top)) / 2);
}

}  // namespace
}  // namespace velmira
