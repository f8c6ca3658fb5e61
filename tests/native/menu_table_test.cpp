// The popup menu's table: which items each set of held keys reveals, what
// each radio item stands for, and the items found by their command ids.
#include "app/menu_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "clock/thread_priority.h"
#include "menu_items.h"

namespace velmira {
namespace {

// Indexes of the children of `parent` (-1: the menu itself) that show for
// these keys, in menu order.
std::vector<int> VisibleMenuItems(int parent, const MenuKeys& keys) {
    std::vector<int> visible;
    const PopupMenuLayout& layout = PopupMenu1Layout();
    for (size_t i = 0; i < layout.count; ++i)
        if (layout[i].parent == parent && MenuItemShows(layout[i].show, keys))
            visible.push_back(static_cast<int>(i));
    return visible;
}

std::vector<std::string> Names(const std::vector<int>& indexes) {
    std::vector<std::string> names;
    for (int i : indexes) names.push_back(PopupMenu1Layout()[static_cast<size_t>(i)].name);
    return names;
}

std::vector<std::string> TopLevel(bool shift, bool control, bool right, bool up) {
    MenuKeys keys;
    keys.shift = shift;
    keys.control = control;
    keys.right = right;
    keys.up = up;
    return Names(VisibleMenuItems(-1, keys));
}

const std::vector<std::string> kPlainMenu = {
    "About1", "N3", "StayOnTop1", "N2", "MIMemorialSet", "MIScheduleSet", "MIView", "N1", "X1"};

TEST(MenuVisibility, NoKeyShowsOnlyThePlainMenu) {
    EXPECT_EQ(TopLevel(false, false, false, false), kPlainMenu);
}

TEST(MenuVisibility, EveryHiddenItemNeedsShift) {
    EXPECT_EQ(TopLevel(false, true, false, false), kPlainMenu);  // Ctrl alone
    EXPECT_EQ(TopLevel(false, true, true, true), kPlainMenu);    // everything but Shift
    EXPECT_EQ(TopLevel(true, false, false, false), kPlainMenu);  // Shift alone
}

TEST(MenuVisibility, EachKeyWithShiftRevealsItsOwnItems) {
    EXPECT_EQ(TopLevel(true, true, false, false),
              (std::vector<std::string>{"About1", "MIDebugMode", "N3", "StayOnTop1", "N2",
                                        "MIMemorialSet", "MIScheduleSet", "MIView", "N1", "X1"}));
    EXPECT_EQ(TopLevel(true, false, true, false),
              (std::vector<std::string>{"About1", "MIThreadPriority", "N3", "StayOnTop1", "N2",
                                        "MIMemorialSet", "MIScheduleSet", "MIView", "N1", "X1"}));
    EXPECT_EQ(TopLevel(true, false, false, true),
              (std::vector<std::string>{"About1", "N3", "StayOnTop1", "MIDigiAna", "MIAmPm", "N2",
                                        "MIMemorialSet", "MIScheduleSet", "MIView", "N1", "X1"}));
}

TEST(MenuVisibility, AllFourKeysRevealEverythingButTheLonelinessSubmenu) {
    EXPECT_EQ(TopLevel(true, true, true, true),
              (std::vector<std::string>{"About1", "MIDebugMode", "MIThreadPriority", "N3",
                                        "StayOnTop1", "MIDigiAna", "MIAmPm", "N2", "MIMemorialSet",
                                        "MIScheduleSet", "MIView", "N1", "X1"}));
}

TEST(MenuVisibility, ShowRules) {
    const MenuKeys none;
    MenuKeys all;
    all.shift = all.control = all.right = all.up = true;
    EXPECT_TRUE(MenuItemShows(MenuShow::Always, none));
    EXPECT_FALSE(MenuItemShows(MenuShow::Never, all));
    MenuKeys shiftUp;
    shiftUp.shift = shiftUp.up = true;
    EXPECT_TRUE(MenuItemShows(MenuShow::ShiftUp, shiftUp));
    EXPECT_FALSE(MenuItemShows(MenuShow::ShiftRight, shiftUp));
    EXPECT_FALSE(MenuItemShows(MenuShow::ShiftControl, shiftUp));
    MenuKeys upOnly;
    upOnly.up = true;
    EXPECT_FALSE(MenuItemShows(MenuShow::ShiftUp, upOnly));
}

TEST(MenuVisibility, SubmenusKeepAllTheirItems) {
    const MenuKeys none;
    const int priority = FindMenuItem("MIThreadPriority");
    EXPECT_EQ(Names(VisibleMenuItems(priority, none)),
              (std::vector<std::string>{"MIThreadPrio1", "MIThreadPrio2", "MIThreadPrio3",
                                        "MIThreadPrio4", "MIThreadPrio5", "MIThreadPrio6"}));
    const int gaman = FindMenuItem("MIGaman");
    EXPECT_EQ(Names(VisibleMenuItems(gaman, none)),
              (std::vector<std::string>{"MIGaman1", "MIGaman2", "MIGaman3", "MIGaman4", "MIGaman5",
                                        "MIGaman0"}));
}

// What choosing each loneliness item stores as the wait, in seconds.
TEST(PopupMenuTable, EachLonelinessItemStandsForItsWait) {
    const std::pair<const wchar_t*, int32_t> expected[] = {
        {L"あばれちゃうぞ", 600},     {L"もっとかまってほしいな", 1200},
        {L"好きなのにぃ！", 1800},    {L"気づいて…", 3600},
        {L"独りでも平気だよ", 14400}, {L"はじめから気にしてないの[オフ]", 0},
    };
    const std::vector<int> items = VisibleMenuItems(FindMenuItem("MIGaman"), MenuKeys{});
    ASSERT_EQ(items.size(), sizeof(expected) / sizeof(expected[0]));
    for (size_t i = 0; i < items.size(); ++i) {
        const PopupMenuItem& item = PopupMenu1Layout()[static_cast<size_t>(items[i])];
        EXPECT_EQ(std::wstring(item.caption), expected[i].first);
        EXPECT_EQ(item.tag, expected[i].second) << i;
    }
}

TEST(PopupMenuTable, CommandIdsAreUniqueAndGroupsRunInOrder) {
    const PopupMenuLayout& layout = PopupMenu1Layout();
    std::set<uint16_t> ids;
    for (size_t i = 0; i < layout.count; ++i) {
        const PopupMenuItem& item = layout[i];
        const bool needsId =
            item.kind != MenuItemKind::Submenu && item.kind != MenuItemKind::Separator;
        EXPECT_EQ(item.commandId != 0, needsId) << item.name;
        if (!needsId) continue;
        EXPECT_TRUE(ids.insert(item.commandId).second) << item.name;
        EXPECT_LT(item.commandId, menu_command::kFirstDebugControlId) << item.name;
        EXPECT_EQ(FindMenuCommand(item.commandId), static_cast<int>(i));
        // A radio group is checked by the range of its ids: they follow one another.
        if (item.kind == MenuItemKind::Radio && i > 0 && layout[i - 1].group == item.group) {
            EXPECT_EQ(item.commandId, layout[i - 1].commandId + 1) << item.name;
        }
    }
    EXPECT_EQ(FindMenuCommand(0), -1);
    EXPECT_EQ(FindMenuCommand(menu_command::kFirstDebugControlId), -1);
    EXPECT_EQ(layout[static_cast<size_t>(FindMenuCommand(menu_command::kMIDigiAna))].name,
              std::string("MIDigiAna"));
    EXPECT_EQ(layout[static_cast<size_t>(FindMenuCommand(menu_command::kMIThreadPrio6))].name,
              std::string("MIThreadPrio6"));
    EXPECT_EQ(layout[static_cast<size_t>(FindMenuCommand(menu_command::kMIGaman0))].name,
              std::string("MIGaman0"));
}

// The item that carries the mark for each stored index, and the priority
// the clock runs at for it.
TEST(ThreadPriorityMenu, EachIndexMarksItsItemAndGivesItsPriority) {
    const std::pair<const wchar_t*, int> expected[] = {
        {L"アイドル時のみ", -15},
        {L"最低", -2},
        {L"低", -1},
        {L"通常", 0},
        {L"高", 1},
        {L"最高", 2},
    };
    ASSERT_EQ(kThreadPriorityIndexCount, 6);
    for (int32_t index = 0; index < kThreadPriorityIndexCount; ++index) {
        SCOPED_TRACE(index);
        const int item = ThreadPriorityMenuItem(index);
        ASSERT_GE(item, 0);
        const PopupMenuItem& marked = PopupMenu1Layout()[static_cast<size_t>(item)];
        EXPECT_EQ(std::wstring(marked.caption), expected[index].first);
        EXPECT_EQ(marked.parent, FindMenuItem("MIThreadPriority"));
        EXPECT_EQ(ThreadPriorityForIndex(index), expected[index].second);
    }
}

TEST(ThreadPriorityMenu, AStoredIndexOutsideTheTableChecksNothingAndIdles) {
    for (int index : {-1, 6, 7, 600, -15, 2147483647}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ThreadPriorityMenuItem(index), -1);
        EXPECT_EQ(ThreadPriorityForIndex(index), -15);
    }
}

}  // namespace
}  // namespace velmira
