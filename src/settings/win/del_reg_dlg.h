#pragma once
// The question shown when the program starts with Shift and Ctrl held:
// delete the stored settings and run on the defaults?

#include <windows.h>

#include "base/win/components.h"
#include "base/win/modal_dialog.h"

namespace velmira {

class TDelRegDlg : public ModalDialog {
public:
    // Layout of the dialog, in pixels of its client area at 96 DPI.
    static constexpr int kClientWidth = 464;
    static constexpr int kClientHeight = 83;
    static constexpr int kLabelId = 100;

    // Shows the dialog modally and destroys it again; true when it closed with OK.
    static bool Execute(HWND owner);

private:
    explicit TDelRegDlg(HWND owner) : ModalDialog(owner) {}

    bool OnInitDialog() override;
    void OnFirstShow() override;
    void OnScaleChanged() override;
    void Paint(HDC dc) override;
    void Layout();

    TPaintBox PaintBox1;
};

}  // namespace velmira
