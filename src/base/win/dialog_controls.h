#pragma once
// Small helpers for the controls of a dialog, addressed by the dialog and the
// control's id, so a dialog copies values between its controls and its data
// in a line each.

#include <windows.h>

#include <string>
#include <vector>

namespace velmira {

// A control's text, whatever its length. Multi-line edits keep "\r\n" line
// breaks both ways.
std::wstring ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::wstring& text);

// A drop-down list's items replaced by `items`, none selected.
void FillCombo(HWND dialog, int id, const std::vector<std::wstring>& items);
// The selected item's index; -1 when none is.
int ComboSelection(HWND dialog, int id);
// Selects the item at `index`; -1 clears the selection.
void SelectCombo(HWND dialog, int id, int index);

bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);

// Sizes a static to its text in its font, keeping its top-left corner, as
// a label that fits itself does.
void SizeToText(HWND dialog, int id);

// Enables or disables every control in `ids` (a check box's group).
void EnableGroup(HWND dialog, const std::vector<int>& ids, bool enabled);

// Replaces the tab control's tabs by one tab per caption.
void SetTabCaptions(HWND tab, const std::vector<std::wstring>& captions);

}  // namespace velmira
