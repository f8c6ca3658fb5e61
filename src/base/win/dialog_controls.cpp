#include "base/win/dialog_controls.h"

#include <commctrl.h>

#include "base/win/handles.h"

namespace velmira {

std::wstring ControlText(HWND dialog, int id) {
    HWND control = ::GetDlgItem(dialog, id);
    const int length = ::GetWindowTextLengthW(control);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(control, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void SetControlText(HWND dialog, int id, const std::wstring& text) {
    ::SetDlgItemTextW(dialog, id, text.c_str());
}

void FillCombo(HWND dialog, int id, const std::vector<std::wstring>& items) {
    HWND combo = ::GetDlgItem(dialog, id);
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items)
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ComboSelection(HWND dialog, int id) {
    const LRESULT index = ::SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void SelectCombo(HWND dialog, int id, int index) {
    ::SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, bool checked) {
    ::CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void SizeToText(HWND dialog, int id) {
    HWND control = ::GetDlgItem(dialog, id);
    const std::wstring text = ControlText(dialog, id);
    WindowDc dc(control);
    if (!dc.get()) return;
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    SelectInDc select(dc.get(), font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(SYSTEM_FONT));
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    ::SetWindowPos(control, nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void EnableGroup(HWND dialog, const std::vector<int>& ids, bool enabled) {
    for (int id : ids) ::EnableWindow(::GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

void SetTabCaptions(HWND tab, const std::vector<std::wstring>& captions) {
    ::SendMessageW(tab, TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < captions.size(); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions[i].c_str());
        ::SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

}  // namespace velmira
