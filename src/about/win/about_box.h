#pragma once
// TAboutBox: the version dialog with the program's name, its version and a
// small portrait of her. Created for one showing, destroyed when it closes.

#include <windows.h>

#include "base/win/components.h"
#include "base/win/handles.h"
#include "base/win/modal_dialog.h"

namespace velmira {

class TAboutBox : public ModalDialog {
public:
    // Layout of the dialog, in pixels of its client area at 96 DPI.
    static constexpr int kClientWidth = 229;
    static constexpr int kClientHeight = 75;
    static constexpr int kNameLabelId = 100;
    static constexpr int kVersLabelId = 101;

    // The picture is the bitmap resource `pictureName` of the program.
    // `resources` holds the picture.
    TAboutBox(HWND owner, HINSTANCE resources, const wchar_t* pictureName = L"AboutImage")
        : ModalDialog(owner), resources_(resources), pictureName_(pictureName) {}

    // Shows the dialog modally; returns how it was closed (IDOK, IDCANCEL),
    // which callers are free to ignore.
    INT_PTR ShowModal();

    // Where the picture is drawn, once the dialog has been created.
    TPaintBox ImagePaint;

private:
    bool OnInitDialog() override;
    void OnScaleChanged() override;
    void Paint(HDC dc) override;
    // The picture at the dialog's scale and its box.
    void Layout();

    HINSTANCE resources_;
    const wchar_t* pictureName_;
    UniqueBitmap aboutBitmap;
};

}  // namespace velmira
