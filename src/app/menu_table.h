#pragma once
// The popup menu of the main stage as data: every item in menu order with its
// caption, command id, tag, radio group and the keys that must be held for it
// to show when the menu opens. The Win32 menu is built from this table.

#include <cstddef>
#include <cstdint>

#include "clock/thread_priority.h"

namespace velmira {

// Keys held at the moment the menu opens.
struct MenuKeys {
    bool shift = false;
    bool control = false;
    bool right = false;  // the Right arrow key
    bool up = false;     // the Up arrow key
};

// When an item shows as the menu opens. Every hidden item needs Shift.
enum class MenuShow {
    Always,
    ShiftControl,  // the debug mode
    ShiftRight,    // the thread priority submenu
    ShiftUp,       // the digital display and its 12-hour form
    Never,         // the loneliness submenu: it exists but never shows
};

enum class MenuItemKind { Command, Check, Radio, Submenu, Separator };

struct PopupMenuItem {
    const char* name;        // the item's name in the layout, e.g. "StayOnTop1"
    const wchar_t* caption;  // with "&" before the access key; null for a separator
    uint16_t commandId;      // 0 for submenus and separators
    int32_t tag;
    int group;  // radio group number, 0 when the item is in none
    MenuItemKind kind;
    int parent;  // index of the submenu item it belongs to, -1 on the menu itself
    MenuShow show;
    bool enabled;
};

// Command ids of the menu items. The debug controls use ids of their own from
// kFirstDebugControlId on, so that their clicks and the menu's never meet.
namespace menu_command {
constexpr uint16_t kAbout1 = 0x0101;
constexpr uint16_t kMIDebugMode = 0x0102;
// One item per priority index, tags 0 .. kThreadPriorityIndexCount - 1.
constexpr uint16_t kMIThreadPrio1 = 0x0110;
constexpr uint16_t kMIThreadPrio6 = kMIThreadPrio1 + kThreadPriorityIndexCount - 1;
constexpr uint16_t kStayOnTop1 = 0x0120;
constexpr uint16_t kMIDigiAna = 0x0121;
constexpr uint16_t kMIAmPm = 0x0122;
constexpr uint16_t kMIMemorialSet = 0x0130;
constexpr uint16_t kMIScheduleSet = 0x0131;
constexpr uint16_t kMIGaman1 = 0x0140;  // ..MIGaman5 = 0x0144, MIGaman0 = 0x0145
constexpr uint16_t kMIGaman0 = 0x0145;
constexpr uint16_t kX1 = 0x0150;
constexpr uint16_t kMIClickThrough = 0x0160;
constexpr uint16_t kMIShowInTaskbar = 0x0161;
constexpr uint16_t kMIMute = 0x0162;
constexpr uint16_t kMIStartAtSignIn = 0x0163;
constexpr uint16_t kMIHide = 0x0164;
constexpr uint16_t kMIOpacity1 = 0x0170;  // ..kMIOpacity4, tags 100, 80, 60, 40 (percent)
constexpr uint16_t kMIOpacity4 = 0x0173;
constexpr uint16_t kMISize1 = 0x0180;  // ..kMISize6, tags 50 .. 200 (percent)
constexpr uint16_t kMISize6 = 0x0185;
constexpr uint16_t kFirstDebugControlId = 0x0200;
}  // namespace menu_command

// The items of PopupMenu1 in menu order, submenu items right after their submenu.
struct PopupMenuLayout {
    const PopupMenuItem* items;
    size_t count;
    const PopupMenuItem* begin() const { return items; }
    const PopupMenuItem* end() const { return items + count; }
    const PopupMenuItem& operator[](size_t i) const { return items[i]; }
};
const PopupMenuLayout& PopupMenu1Layout();

// Index in the layout of the item with this command id; -1 when none.
int FindMenuCommand(uint16_t commandId);

// Whether an item with this rule shows for these held keys.
bool MenuItemShows(MenuShow show, const MenuKeys& keys);

// The thread priority item that carries the check mark for a ThreadPrio
// value: the first item of the priority submenu whose tag equals it, -1 when
// none does (a stored index the clock does not have).
int ThreadPriorityMenuItem(int32_t threadPrio);

}  // namespace velmira
