#pragma once
// TPopupMenu: a Win32 popup menu built from a PopupMenuLayout, with items
// that can be hidden. Win32 menus have no hidden items, so the menu keeps
// every item's state (shown, checked) itself and rebuilds its item lists from
// that state; the submenus are made once and only moved in and out.

#include <windows.h>

#include <map>
#include <vector>

#include "app/menu_table.h"
#include "base/win/handles.h"

namespace velmira {

// The check marks the settings give.
struct MenuMarks {
    bool digital = false;       // MIDigiAna
    bool twelveHour = false;    // MIAmPm
    bool stayOnTop = false;     // StayOnTop1
    int32_t threadPrio = 0;     // the priority item with this tag; none when no item has it
    bool clickThrough = false;  // MIClickThrough
    int32_t opacity = 100;      // the opacity item with this tag
    int32_t sizePct = 100;      // the size item with this tag
    bool mute = false;          // MIMute
    bool startAtSignIn = false;
    bool showInTaskbar =
        true;  // MIShowInTaskbar  // MIStartAtSignIn: her Run value names this program
};

class TPopupMenu {
public:
    TPopupMenu() = default;
    ~TPopupMenu();
    TPopupMenu(const TPopupMenu&) = delete;
    TPopupMenu& operator=(const TPopupMenu&) = delete;

    // Makes the menu with every item of the layout; items whose rule is not
    // Always start hidden, as with no key held. False when Windows refuses.
    bool Build(const PopupMenuLayout& layout);
    HMENU Handle() const { return menu_.get(); }
    // The menu of a submenu item; null for any other item.
    HMENU Submenu(int index) const;

    // Index in the layout of the item with this command id; -1 when none.
    int IndexOfCommand(UINT commandId) const;
    // The tag of the item with this command id; 0 for an unknown id.
    int32_t Tag(UINT commandId) const;

    // Whether the item is in its menu now.
    bool Visible(int index) const;
    // Puts the shown items into the menus, in layout order, with their marks.
    void Refresh();
    // The menu opens: each item shows by its rule for the keys held, then Refresh.
    void ShowFor(const MenuKeys& keys);

    // The check mark of a check item, or of a radio item (without touching
    // the others of its group).
    void SetChecked(int index, bool checked);
    bool Checked(int index) const;
    // Gives a radio item the one check mark of its group.
    void CheckRadioItem(int index);
    // Takes the check mark from every item of a radio group.
    void ClearRadioGroup(int group);
    // Sets the marks of the display, stay-on-top, priority and view items.
    void ShowMarks(const MenuMarks& marks);
    // The item among the commands firstId..lastId that carries `tag`; -1 when none.
    int RadioItemWithTag(UINT firstId, UINT lastId, int32_t tag) const;

private:
    struct ItemState {
        bool visible = true;
        bool checked = false;
        UniqueMenu submenu;  // owned here; detached from its parent before it goes
    };
    bool Valid(int index) const { return index >= 0 && static_cast<size_t>(index) < items_.size(); }
    HMENU ParentMenu(int index) const;
    void FillMenu(HMENU menu, int parent);
    void DetachAll();

    const PopupMenuLayout* layout_ = nullptr;
    UniqueMenu menu_;
    std::vector<ItemState> items_;
    std::map<UINT, int> commandIndex_;
};

}  // namespace velmira
