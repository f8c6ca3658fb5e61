#include "base/win/tab_pages.h"

#include <utility>

#include "base/win/dialog_controls.h"

namespace velmira {

void SetTabCaptions(HWND tab, const std::vector<std::wstring>& captions) {
    ::SendMessageW(tab, TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < captions.size(); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions[i].c_str());
        ::SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

void TabPages::Attach(HWND dialog, int tabId, std::vector<TabPage> pages, CanLeave canLeave) {
    dialog_ = dialog;
    tab_ = ::GetDlgItem(dialog, tabId);
    pages_ = std::move(pages);
    canLeave_ = std::move(canLeave);
    std::vector<std::wstring> captions;
    for (const TabPage& page : pages_) captions.push_back(page.caption);
    SetTabCaptions(tab_, captions);
    current_ = -1;
    if (!pages_.empty()) Select(0);
}

bool TabPages::HandleNotify(const NMHDR& notice, LRESULT& result) {
    if (!tab_ || notice.hwndFrom != tab_) return false;
    result = 0;
    switch (notice.code) {
        case TCN_SELCHANGING:
            result = (canLeave_ && !canLeave_(current_)) ? TRUE : FALSE;
            return true;
        case TCN_SELCHANGE:
            Show(static_cast<int>(::SendMessageW(tab_, TCM_GETCURSEL, 0, 0)));
            return true;
        default:
            return false;
    }
}

void TabPages::Select(int page) {
    if (page < 0 || page >= static_cast<int>(pages_.size())) return;
    ::SendMessageW(tab_, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    Show(page);
}

void TabPages::Show(int page) {
    if (page < 0 || page >= static_cast<int>(pages_.size())) return;
    // Hide first, so controls shared by two pages end up shown.
    for (size_t i = 0; i < pages_.size(); ++i)
        if (static_cast<int>(i) != page) ShowGroup(dialog_, pages_[i].controlIds, false);
    ShowGroup(dialog_, pages_[page].controlIds, true);
    current_ = page;
}

}  // namespace velmira
