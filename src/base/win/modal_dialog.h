#pragma once
// Base of the program's modal dialogs: runs a dialog template modally, keeps
// `this` in the dialog (stored at WM_INITDIALOG) and routes its messages to
// small hooks, so a dialog overrides only what it does differently.
//
// By default OK and Cancel end the dialog (Esc and the close box arrive as
// IDCANCEL), controls are placed in pixels with the form font, and painting
// happens between BeginPaint and EndPaint.
//
// Every pixel number a dialog is written with is one at 96 DPI; the dialog
// draws at its scale: its owner's (the monitor she stands on), the system's
// without an owner, and a new one when it is moved to a monitor of another
// DPI (WM_DPICHANGED re-places and re-fonts the controls, then asks the
// dialog to lay out its own parts again).

#include <windows.h>
#include <commctrl.h>

#include <utility>
#include <vector>

#include "base/display_scale.h"
#include "base/win/dialog_template.h"
#include "base/win/handles.h"

namespace velmira {

class ModalDialog {
public:
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // The dialog while it is shown, null otherwise.
    HWND Handle() const { return hwnd_; }

    // Draws the dialog at this scale instead of its owner's; give it before
    // the dialog shows (the tests do: Wine knows only the system's DPI).
    void SetScale(const DisplayScale& scale) {
        scale_ = scale;
        scaleGiven_ = true;
    }
    // The scale the dialog is drawn at while it shows.
    const DisplayScale& Scale() const { return scale_; }

protected:
    explicit ModalDialog(HWND owner) : owner_(owner) {}
    virtual ~ModalDialog() = default;

    // Shows the dialog and returns how it was closed (IDOK, IDCANCEL, ...).
    INT_PTR RunModal(const DialogTemplate& dialogTemplate);

    // Every message of the dialog; override only to catch one the hooks miss,
    // and pass the rest on to ModalDialog::HandleMessage.
    virtual INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // The controls are placed and have the form font by now. True lets the
    // dialog give the focus to its first tab stop; false when the hook set it.
    virtual bool OnInitDialog() { return true; }
    // Once, when the dialog first becomes visible.
    virtual void OnFirstShow() {}
    // OK (Enter, the default button): false keeps the dialog open.
    virtual bool OnOK() { return true; }
    // Cancel, Esc or the close box, just before the dialog ends.
    virtual void OnCancel() {}
    // Any other command; true when the dialog handled it.
    virtual bool OnCommand(int id, int code, HWND control);
    // WM_NOTIFY from a common control; the result goes back to the control
    // (for TCN_SELCHANGING, TRUE keeps the page).
    virtual LRESULT OnNotify(const NMHDR& notice);
    // The dialog now stands on a monitor of another scale (Scale()): its
    // template controls are re-placed and have the new font, its client area
    // is resized; lay out again what the dialog placed or sized itself.
    virtual void OnScaleChanged() {}
    // Draws on the dialog's face, inside BeginPaint/EndPaint.
    virtual void Paint(HDC dc);
    // A key pressed in the dialog, before the dialog manager sees it (for
    // keys it has no meaning for, such as Ctrl+Tab); true swallows the key.
    virtual bool OnDialogKey(const MSG& key);

    // Statics that let the dialog's face show through; the others keep the
    // default colours. Give them before the dialog shows (e.g. in OnInitDialog).
    void SetTransparentStatics(std::vector<int> ids) { transparentIds_ = std::move(ids); }
    void SetAllStaticsTransparent() { allStaticsTransparent_ = true; }

    // Sizes the window so that its client area is exactly width x height at
    // 96 DPI, times the dialog's scale; kept at a change of scale.
    void SetClientSize(int width, int height);
    // A 96-DPI length, point or box at the dialog's scale.
    int Px(int value) const { return scale_.Px(value); }
    Rect Px(const Rect& r) const { return scale_.Px(r); }
    // Centres the window on its owner, kept inside the owner's work area; on
    // the work area itself when there is no owner or it is hidden or minimized.
    void CenterOnOwner();
    // Centres the window on the primary screen, kept inside its work area.
    void CenterOnScreen();

    HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }

    HWND owner_;
    HWND hwnd_ = nullptr;  // the dialog while it is shown

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam);
    bool IsTransparent(HWND control) const;
    void ApplyScale(const DisplayScale& scale, const RECT* suggested);

    const DialogTemplate* template_ = nullptr;  // while RunModal runs
    UniqueFont font_;                           // outlives the controls that use it
    std::vector<int> transparentIds_;
    bool allStaticsTransparent_ = false;
    bool shown_ = false;
    DisplayScale scale_;
    bool scaleGiven_ = false;
    SIZE clientSize_{};  // at 96 DPI, once the dialog has set it
};

}  // namespace velmira
