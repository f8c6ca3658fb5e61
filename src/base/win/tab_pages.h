#pragma once
// The pages of a tab control whose controls sit directly on the dialog: only
// the current page's controls are shown, and the dialog may keep a page (for
// instance while its input is not valid).
//
// Put the tab control after its pages' controls in the template and give it
// WS_CLIPSIBLINGS, so the pages draw over it.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace velmira {

// Replaces the tab control's tabs by one tab per caption.
void SetTabCaptions(HWND tab, const std::vector<std::wstring>& captions);

struct TabPage {
    std::wstring caption;
    std::vector<int> controlIds;
};

class TabPages {
public:
    // Asked before the current page `from` is left; false keeps it.
    using CanLeave = std::function<bool(int from)>;

    // Inserts the captions into the tab control `tabId` of `dialog` and shows
    // the first page. Call from OnInitDialog.
    void Attach(HWND dialog, int tabId, std::vector<TabPage> pages, CanLeave canLeave = nullptr);

    // Hand every WM_NOTIFY to this; true when it was the tab control's, with
    // the answer for the dialog to return in `result`.
    bool HandleNotify(const NMHDR& notice, LRESULT& result);

    // Selects `page` and shows its controls, without asking CanLeave.
    void Select(int page);
    int Current() const { return current_; }

private:
    void Show(int page);

    HWND dialog_ = nullptr;
    HWND tab_ = nullptr;
    std::vector<TabPage> pages_;
    CanLeave canLeave_;
    int current_ = -1;
};

}  // namespace velmira
