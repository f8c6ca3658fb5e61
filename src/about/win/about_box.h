#pragma once
// TAboutBox: the version dialog with the program's name, its version and a
// small portrait of her. Created for one showing, destroyed when it closes.

#include <windows.h>

#include "app/win/components.h"
#include "app/win/handles.h"

namespace velmira {

class TAboutBox {
public:
    // Layout of the dialog, in pixels of its client area.
    static constexpr int kClientWidth = 229;
    static constexpr int kClientHeight = 75;
    static constexpr int kNameLabelId = 100;
    static constexpr int kVersLabelId = 101;

    // The picture is the bitmap resource `pictureName` of the program.
    explicit TAboutBox(HWND owner, const wchar_t* pictureName = L"AboutImage")
        : owner_(owner), pictureName_(pictureName) {}
    TAboutBox(const TAboutBox&) = delete;
    TAboutBox& operator=(const TAboutBox&) = delete;

    // Shows the dialog modally; returns how it was closed (IDOK, IDCANCEL),
    // which callers are free to ignore.
    INT_PTR ShowModal();

    // Where the picture is drawn, once the dialog has been created.
    TPaintBox ImagePaint;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    void FormCreate();
    void ImagePaintPaint(HDC dc);

    HWND owner_;
    const wchar_t* pictureName_;
    HWND hwnd_ = nullptr;
    UniqueFont font_;
    UniqueBitmap aboutBitmap;
};

}  // namespace velmira
