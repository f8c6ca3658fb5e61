#include "app/menu_table.h"

#include <array>

#include "base/her_size.h"

namespace velmira {

namespace {

using K = MenuItemKind;
using S = MenuShow;
namespace id = menu_command;

// In the rows below: an item of the submenu item above it on the menu
// itself, or of the submenu above it inside such a submenu. The rows name no
// index; kItems works out each item's parent.
constexpr int kInSubmenu = -2;
constexpr int kInSubSubmenu = -3;

constexpr int kThreadPrioGroup = 125;
constexpr int kGamanGroup = 126;
constexpr int kOpacityGroup = 127;
constexpr int kSizeGroup = 128;

constexpr PopupMenuItem kRows[] = {
    {"About1", L"バージョン情報...(&A)", id::kAbout1, 0, 0, K::Command, -1, S::Always, true},
    {"MIDebugMode", L"デバッグモード", id::kMIDebugMode, 0, 0, K::Check, -1, S::ShiftControl, true},
    {"MIThreadPriority", L"スレッドの使用頻度", 0, 0, 0, K::Submenu, -1, S::ShiftRight, true},
    {"MIThreadPrio1", L"アイドル時のみ", id::kMIThreadPrio1 + 0, 0, kThreadPrioGroup, K::Radio,
     kInSubmenu, S::Always, true},
    {"MIThreadPrio2", L"最低", id::kMIThreadPrio1 + 1, 1, kThreadPrioGroup, K::Radio, kInSubmenu,
     S::Always, true},
    {"MIThreadPrio3", L"低", id::kMIThreadPrio1 + 2, 2, kThreadPrioGroup, K::Radio, kInSubmenu,
     S::Always, true},
    {"MIThreadPrio4", L"通常", id::kMIThreadPrio1 + 3, 3, kThreadPrioGroup, K::Radio, kInSubmenu,
     S::Always, true},
    {"MIThreadPrio5", L"高", id::kMIThreadPrio1 + 4, 4, kThreadPrioGroup, K::Radio, kInSubmenu,
     S::Always, true},
    {"MIThreadPrio6", L"最高", id::kMIThreadPrio1 + 5, 5, kThreadPrioGroup, K::Radio, kInSubmenu,
     S::Always, true},
    {"N3", nullptr, 0, 0, 0, K::Separator, -1, S::Always, true},
    {"StayOnTop1", L"常に一番手前に表示(&S)", id::kStayOnTop1, 0, 0, K::Check, -1, S::Always, true},
    {"MIDigiAna", L"デジタル表示(&D)", id::kMIDigiAna, 0, 0, K::Check, -1, S::ShiftUp, true},
    // Shown exactly when the digital display item is.
    {"MIAmPm", L"12時間制[デジタル表示時](&H)", id::kMIAmPm, 0, 0, K::Check, -1, S::ShiftUp, true},
    {"N2", nullptr, 0, 0, 0, K::Separator, -1, S::Always, true},
    {"MIMemorialSet", L"記念日設定...", id::kMIMemorialSet, 0, 0, K::Command, -1, S::Always, true},
    {"MIScheduleSet", L"予定設定...", id::kMIScheduleSet, 0, 0, K::Command, -1, S::Always, true},
    {"MIGaman", L"ほうっておくと嫌いになるよ", 0, 0, 0, K::Submenu, -1, S::Never, true},
    {"MIGaman1", L"あばれちゃうぞ", id::kMIGaman1 + 0, 600, kGamanGroup, K::Radio, kInSubmenu,
     S::Always, true},
    {"MIGaman2", L"もっとかまってほしいな", id::kMIGaman1 + 1, 1200, kGamanGroup, K::Radio,
     kInSubmenu, S::Always, true},
    {"MIGaman3", L"好きなのにぃ！", id::kMIGaman1 + 2, 1800, kGamanGroup, K::Radio, kInSubmenu,
     S::Always, true},
    {"MIGaman4", L"気づいて…", id::kMIGaman1 + 3, 3600, kGamanGroup, K::Radio, kInSubmenu,
     S::Always, true},
    {"MIGaman5", L"独りでも平気だよ", id::kMIGaman1 + 4, 14400, kGamanGroup, K::Radio, kInSubmenu,
     S::Always, true},
    {"MIGaman0", L"はじめから気にしてないの[オフ]", id::kMIGaman0, 0, kGamanGroup, K::Radio,
     kInSubmenu, S::Always, true},
    // Living beside her all day.
    {"MIView", L"表示(&V)", 0, 0, 0, K::Submenu, -1, S::Always, true},
    {"MIClickThrough", L"クリックを透過する(&C)", id::kMIClickThrough, 0, 0, K::Check, kInSubmenu,
     S::Always, true},
    {"MIOpacity", L"透明度(&O)", 0, 0, 0, K::Submenu, kInSubmenu, S::Always, true},
    {"MIOpacity1", L"100%", id::kMIOpacity1 + 0, 100, kOpacityGroup, K::Radio, kInSubSubmenu,
     S::Always, true},
    {"MIOpacity2", L"80%", id::kMIOpacity1 + 1, 80, kOpacityGroup, K::Radio, kInSubSubmenu,
     S::Always, true},
    {"MIOpacity3", L"60%", id::kMIOpacity1 + 2, 60, kOpacityGroup, K::Radio, kInSubSubmenu,
     S::Always, true},
    {"MIOpacity4", L"40%", id::kMIOpacity1 + 3, 40, kOpacityGroup, K::Radio, kInSubSubmenu,
     S::Always, true},
    {"MISize", L"大きさ(&Z)", 0, 0, 0, K::Submenu, kInSubmenu, S::Always, true},
    {"MISize1", L"50%", id::kMISize1 + 0, 50, kSizeGroup, K::Radio, kInSubSubmenu, S::Always, true},
    {"MISize2", L"75%", id::kMISize1 + 1, 75, kSizeGroup, K::Radio, kInSubSubmenu, S::Always, true},
    {"MISize3", L"100%", id::kMISize1 + 2, 100, kSizeGroup, K::Radio, kInSubSubmenu, S::Always,
     true},
    {"MISize4", L"125%", id::kMISize1 + 3, 125, kSizeGroup, K::Radio, kInSubSubmenu, S::Always,
     true},
    {"MISize5", L"150%", id::kMISize1 + 4, 150, kSizeGroup, K::Radio, kInSubSubmenu, S::Always,
     true},
    {"MISize6", L"200%", id::kMISize1 + 5, 200, kSizeGroup, K::Radio, kInSubSubmenu, S::Always,
     true},
    {"MIShowInTaskbar", L"タスクバーに表示する(&T)", id::kMIShowInTaskbar, 0, 0, K::Check,
     kInSubmenu, S::Always, true},
    {"MIMute", L"音を出さない(&M)", id::kMIMute, 0, 0, K::Check, kInSubmenu, S::Always, true},
    {"MIStartAtSignIn", L"サインイン時に起動する(&W)", id::kMIStartAtSignIn, 0, 0, K::Check,
     kInSubmenu, S::Always, true},
    {"MIHide", L"隠れる(&H)", id::kMIHide, 0, 0, K::Command, kInSubmenu, S::Always, true},
    {"N1", nullptr, 0, 0, 0, K::Separator, -1, S::Always, false},
    {"X1", L"終了(&X)", id::kX1, 0, 0, K::Command, -1, S::Always, true},
};

constexpr size_t kItemCount = sizeof(kRows) / sizeof(kRows[0]);

// The rows with each submenu item's index as the parent of the items below it.
constexpr std::array<PopupMenuItem, kItemCount> WithParents() {
    std::array<PopupMenuItem, kItemCount> items{};
    int submenu = -1;     // the last submenu on the menu itself
    int subSubmenu = -1;  // the last submenu inside it
    for (size_t i = 0; i < kItemCount; ++i) {
        items[i] = kRows[i];
        const bool opens = kRows[i].kind == K::Submenu;
        if (kRows[i].parent == kInSubSubmenu) {
            items[i].parent = subSubmenu;
        } else if (kRows[i].parent == kInSubmenu) {
            items[i].parent = submenu;
            subSubmenu = opens ? static_cast<int>(i) : -1;
        } else {
            submenu = opens ? static_cast<int>(i) : -1;
            subSubmenu = -1;
        }
    }
    return items;
}

constexpr std::array<PopupMenuItem, kItemCount> kItems = WithParents();

constexpr bool EverySubmenuRowFollowsASubmenu() {
    for (size_t i = 0; i < kItemCount; ++i)
        if (kRows[i].parent < -1 && kItems[i].parent < 0) return false;
    return true;
}
static_assert(EverySubmenuRowFollowsASubmenu(), "a submenu's items come right after it");

constexpr int IndexOfCommand(uint16_t commandId) {
    for (size_t i = 0; i < kItemCount; ++i)
        if (kItems[i].commandId == commandId) return static_cast<int>(i);
    return -1;
}

// The submenu that holds the priority items, and that it holds one per index
// of the clock's priority table, tagged with the index, ids in a row.
constexpr int kThreadPriority = kItems[IndexOfCommand(id::kMIThreadPrio1)].parent;

constexpr bool PriorityItemsMatchTheClock() {
    int32_t index = 0;
    for (const PopupMenuItem& item : kItems) {
        if (item.parent != kThreadPriority) continue;
        if (item.kind != K::Radio || item.tag != index ||
            item.commandId != id::kMIThreadPrio1 + index)
            return false;
        ++index;
    }
    return index == kThreadPriorityIndexCount;
}

static_assert(kThreadPriority >= 0 && kItems[kThreadPriority].kind == K::Submenu,
              "the priority items sit in a submenu");
static_assert(PriorityItemsMatchTheClock(), "one priority item per index of the clock's table");

// The size items offer exactly her sizes, in their order, ids in a row.
constexpr bool SizeItemsMatchHerSizes() {
    const int first = IndexOfCommand(id::kMISize1);
    for (size_t i = 0; i < kHerSizes.size(); ++i) {
        const PopupMenuItem& item = kItems[static_cast<size_t>(first) + i];
        if (item.tag != kHerSizes[i] || item.commandId != id::kMISize1 + i) return false;
    }
    return id::kMISize6 == id::kMISize1 + kHerSizes.size() - 1;
}
static_assert(SizeItemsMatchHerSizes(), "one size item per size she can have");

const PopupMenuLayout kLayout{kItems.data(), kItems.size()};

}  // namespace

const PopupMenuLayout& PopupMenu1Layout() { return kLayout; }

int FindMenuCommand(uint16_t commandId) { return commandId == 0 ? -1 : IndexOfCommand(commandId); }

bool MenuItemShows(MenuShow show, const MenuKeys& keys) {
    switch (show) {
        case MenuShow::Always:
            return true;
        case MenuShow::ShiftControl:
            return keys.shift && keys.control;
        case MenuShow::ShiftRight:
            return keys.shift && keys.right;
        case MenuShow::ShiftUp:
            return keys.shift && keys.up;
        case MenuShow::Never:
            return false;
    }
    return false;
}

int ThreadPriorityMenuItem(int32_t threadPrio) {
    // Walk the submenu in menu order and stop at the first match.
    for (size_t i = 0; i < kLayout.count; ++i)
        if (kLayout[i].parent == kThreadPriority && kLayout[i].tag == threadPrio)
            return static_cast<int>(i);
    return -1;
}

}  // namespace velmira
