#pragma once
// Base of the program's modal dialogs: runs a dialog template modally, keeps
// `this` in the dialog (stored at WM_INITDIALOG) and routes its messages.

#include <windows.h>

#include "base/win/dialog_template.h"

namespace velmira {

class ModalDialog {
public:
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

protected:
    explicit ModalDialog(HWND owner) : owner_(owner) {}
    virtual ~ModalDialog() = default;

    // Shows the dialog and returns how it was closed (IDOK, IDCANCEL, ...).
    INT_PTR RunModal(const DialogTemplate& dialogTemplate);
    virtual INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;

    HWND owner_;
    HWND hwnd_ = nullptr;  // the dialog while it is shown

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

}  // namespace velmira
