#include "app/win/popup_menu.h"

namespace velmira {

TPopupMenu::~TPopupMenu() {
    // DestroyMenu would take attached submenus with it; they have owners of their own.
    DetachAll();
}

void TPopupMenu::DetachAll() {
    if (menu_)
        while (::GetMenuItemCount(menu_.get()) > 0) ::RemoveMenu(menu_.get(), 0, MF_BYPOSITION);
    for (ItemState& item : items_)
        if (item.submenu)
            while (::GetMenuItemCount(item.submenu.get()) > 0)
                ::RemoveMenu(item.submenu.get(), 0, MF_BYPOSITION);
}

void TPopupMenu::ShowMarks(const MenuMarks& marks) {
    namespace cmd = menu_command;
    SetChecked(IndexOfCommand(cmd::kMIDigiAna), marks.digital);
    SetChecked(IndexOfCommand(cmd::kMIAmPm), marks.twelveHour);
    SetChecked(IndexOfCommand(cmd::kStayOnTop1), marks.stayOnTop);
    SetChecked(IndexOfCommand(cmd::kMIClickThrough), marks.clickThrough);
    SetChecked(IndexOfCommand(cmd::kMIShowInTaskbar), marks.showInTaskbar);
    CheckRadioItem(RadioItemWithTag(cmd::kMIOpacity1, cmd::kMIOpacity4, marks.opacity));
    CheckRadioItem(RadioItemWithTag(cmd::kMISize1, cmd::kMISize6, marks.sizePct));
    SetChecked(IndexOfCommand(cmd::kMIMute), marks.mute);
    SetChecked(IndexOfCommand(cmd::kMIStartAtSignIn), marks.startAtSignIn);
    const int priority = ThreadPriorityMenuItem(marks.threadPrio);
    if (priority >= 0)
        CheckRadioItem(priority);
    else if (layout_)
        ClearRadioGroup((*layout_)[static_cast<size_t>(IndexOfCommand(cmd::kMIThreadPrio1))].group);
}

void TPopupMenu::ShowFor(const MenuKeys& keys) {
    if (!layout_) return;
    for (size_t i = 0; i < items_.size(); ++i)
        items_[i].visible = MenuItemShows((*layout_)[i].show, keys);
    Refresh();
}

bool TPopupMenu::Build(const PopupMenuLayout& layout) {
    DetachAll();
    items_.clear();
    commandIndex_.clear();
    layout_ = &layout;
    menu_.reset(::CreatePopupMenu());
    if (!menu_) return false;
    items_.resize(layout.count);
    const MenuKeys none;
    for (size_t i = 0; i < layout.count; ++i) {
        const PopupMenuItem& item = layout[i];
        items_[i].visible = MenuItemShows(item.show, none);
        if (item.kind == MenuItemKind::Submenu) {
            items_[i].submenu.reset(::CreatePopupMenu());
            if (!items_[i].submenu) return false;
        }
        if (item.commandId) commandIndex_[item.commandId] = static_cast<int>(i);
    }
    Refresh();
    return true;
}

HMENU TPopupMenu::Submenu(int index) const {
    return Valid(index) ? items_[static_cast<size_t>(index)].submenu.get() : nullptr;
}

int TPopupMenu::IndexOfCommand(UINT commandId) const {
    const auto found = commandIndex_.find(commandId);
    return found == commandIndex_.end() ? -1 : found->second;
}

int32_t TPopupMenu::Tag(UINT commandId) const {
    const int index = IndexOfCommand(commandId);
    return index < 0 ? 0 : (*layout_)[static_cast<size_t>(index)].tag;
}

bool TPopupMenu::Visible(int index) const {
    return Valid(index) && items_[static_cast<size_t>(index)].visible;
}

HMENU TPopupMenu::ParentMenu(int index) const {
    const int parent = (*layout_)[static_cast<size_t>(index)].parent;
    return parent < 0 ? menu_.get() : Submenu(parent);
}

void TPopupMenu::Refresh() {
    if (!menu_) return;
    DetachAll();
    FillMenu(menu_.get(), -1);
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].submenu) FillMenu(items_[i].submenu.get(), static_cast<int>(i));
}

void TPopupMenu::FillMenu(HMENU menu, int parent) {
    UINT position = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        const PopupMenuItem& item = (*layout_)[i];
        if (item.parent != parent || !items_[i].visible) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
        info.wID = item.commandId;
        info.fState = (items_[i].checked ? MFS_CHECKED : MFS_UNCHECKED) |
                      (item.enabled ? MFS_ENABLED : MFS_DISABLED);
        if (item.kind == MenuItemKind::Separator) {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask |= MIIM_STRING;
            info.fType = item.kind == MenuItemKind::Radio ? MFT_RADIOCHECK : MFT_STRING;
            info.dwTypeData = const_cast<wchar_t*>(item.caption);
        }
        if (items_[i].submenu) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = items_[i].submenu.get();
        }
        ::InsertMenuItemW(menu, position++, TRUE, &info);
    }
}

void TPopupMenu::SetChecked(int index, bool checked) {
    if (!Valid(index)) return;
    items_[static_cast<size_t>(index)].checked = checked;
    const UINT id = (*layout_)[static_cast<size_t>(index)].commandId;
    // A hidden item is not in its menu; Refresh gives it the mark when it comes back.
    if (id)
        ::CheckMenuItem(ParentMenu(index), id,
                        MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool TPopupMenu::Checked(int index) const {
    return Valid(index) && items_[static_cast<size_t>(index)].checked;
}

void TPopupMenu::CheckRadioItem(int index) {
    if (!Valid(index)) return;
    const PopupMenuItem& chosen = (*layout_)[static_cast<size_t>(index)];
    if (chosen.kind != MenuItemKind::Radio) return;
    UINT first = chosen.commandId, last = chosen.commandId;
    for (size_t i = 0; i < items_.size(); ++i) {
        const PopupMenuItem& item = (*layout_)[i];
        if (item.kind != MenuItemKind::Radio || item.group != chosen.group) continue;
        items_[i].checked = static_cast<int>(i) == index;
        if (item.commandId < first) first = item.commandId;
        if (item.commandId > last) last = item.commandId;
    }
    // The group's ids follow one another in menu order.
    ::CheckMenuRadioItem(ParentMenu(index), first, last, chosen.commandId, MF_BYCOMMAND);
}

int TPopupMenu::RadioItemWithTag(UINT firstId, UINT lastId, int32_t tag) const {
    for (UINT id = firstId; id <= lastId; ++id)
        if (Tag(id) == tag) return IndexOfCommand(id);
    return -1;
}

void TPopupMenu::ClearRadioGroup(int group) {
    for (size_t i = 0; i < items_.size(); ++i) {
        const PopupMenuItem& item = (*layout_)[i];
        if (item.kind == MenuItemKind::Radio && item.group == group)
            SetChecked(static_cast<int>(i), false);
    }
}

}  // namespace velmira
