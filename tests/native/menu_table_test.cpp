// The popup menu's table, which items each set of held keys reveals, and the
// thread priority that each priority item stands for.
#include "app/menu_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "clock/thread_priority.h"

namespace velmira {
namespace {

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
    "About1", "N3", "StayOnTop1", "N2", "MIMemorialSet", "MIScheduleSet", "N1", "X1"};

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
                                        "MIMemorialSet", "MIScheduleSet", "N1", "X1"}));
    EXPECT_EQ(TopLevel(true, false, true, false),
              (std::vector<std::string>{"About1", "MIThreadPriority", "N3", "StayOnTop1", "N2",
                                        "MIMemorialSet", "MIScheduleSet", "N1", "X1"}));
    EXPECT_EQ(TopLevel(true, false, false, true),
              (std::vector<std::string>{"About1", "N3", "StayOnTop1", "MIDigiAna", "MIAmPm", "N2",
                                        "MIMemorialSet", "MIScheduleSet", "N1", "X1"}));
}

TEST(MenuVisibility, AllFourKeysRevealEverythingButTheLonelinessSubmenu) {
    EXPECT_EQ(TopLevel(true, true, true, true),
              (std::vector<std::string>{"About1", "MIDebugMode", "MIThreadPriority", "N3",
                                        "StayOnTop1", "MIDigiAna", "MIAmPm", "N2", "MIMemorialSet",
                                        "MIScheduleSet", "N1", "X1"}));
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

TEST(PopupMenuTable, CaptionsTagsAndGroups) {
    struct Expected {
        const char* name;
        const wchar_t* caption;
        int32_t tag;
        int group;
    };
    const Expected expected[] = {
        {"About1", L"バージョン情報...(&A)", 0, 0},
        {"MIDebugMode", L"デバッグモード", 0, 0},
        {"MIThreadPriority", L"スレッドの使用頻度", 0, 0},
        {"MIThreadPrio1", L"アイドル時のみ", 0, 125},
        {"MIThreadPrio2", L"最低", 1, 125},
        {"MIThreadPrio3", L"低", 2, 125},
        {"MIThreadPrio4", L"通常", 3, 125},
        {"MIThreadPrio5", L"高", 4, 125},
        {"MIThreadPrio6", L"最高", 5, 125},
        {"N3", nullptr, 0, 0},
        {"StayOnTop1", L"常に一番手前に表示(&S)", 0, 0},
        {"MIDigiAna", L"デジタル表示(&D)", 0, 0},
        {"MIAmPm", L"12時間制[デジタル表示時](&H)", 0, 0},
        {"N2", nullptr, 0, 0},
        {"MIMemorialSet", L"記念日設定...", 0, 0},
        {"MIScheduleSet", L"予定設定...", 0, 0},
        {"MIGaman", L"ほうっておくと嫌いになるよ", 0, 0},
        {"MIGaman1", L"あばれちゃうぞ", 600, 126},
        {"MIGaman2", L"もっとかまってほしいな", 1200, 126},
        {"MIGaman3", L"好きなのにぃ！", 1800, 126},
        {"MIGaman4", L"気づいて…", 3600, 126},
        {"MIGaman5", L"独りでも平気だよ", 14400, 126},
        {"MIGaman0", L"はじめから気にしてないの[オフ]", 0, 126},
        {"N1", nullptr, 0, 0},
        {"X1", L"終了(&X)", 0, 0},
    };
    const PopupMenuLayout& layout = PopupMenu1Layout();
    ASSERT_EQ(layout.count, sizeof(expected) / sizeof(expected[0]));
    for (size_t i = 0; i < layout.count; ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_STREQ(layout[i].name, expected[i].name);
        if (expected[i].caption) {
            ASSERT_NE(layout[i].caption, nullptr);
            EXPECT_EQ(std::wstring(layout[i].caption), std::wstring(expected[i].caption));
        } else {
            EXPECT_EQ(layout[i].kind, MenuItemKind::Separator);
            EXPECT_EQ(layout[i].caption, nullptr);
        }
        EXPECT_EQ(layout[i].tag, expected[i].tag);
        EXPECT_EQ(layout[i].group, expected[i].group);
        EXPECT_EQ(layout[i].kind == MenuItemKind::Radio, expected[i].group != 0);
    }
    // Only the last separator is disabled.
    for (const PopupMenuItem& item : layout)
        EXPECT_EQ(item.enabled, std::string(item.name) != "N1");
    EXPECT_EQ(layout[static_cast<size_t>(FindMenuItem("MIDebugMode"))].kind, MenuItemKind::Check);
    EXPECT_EQ(layout[static_cast<size_t>(FindMenuItem("StayOnTop1"))].kind, MenuItemKind::Check);
    EXPECT_EQ(layout[static_cast<size_t>(FindMenuItem("MIDigiAna"))].kind, MenuItemKind::Check);
    EXPECT_EQ(layout[static_cast<size_t>(FindMenuItem("MIAmPm"))].kind, MenuItemKind::Check);
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
    EXPECT_EQ(FindMenuItem("NoSuchItem"), -1);
    EXPECT_EQ(layout[static_cast<size_t>(FindMenuCommand(menu_command::kMIDigiAna))].name,
              std::string("MIDigiAna"));
    EXPECT_EQ(layout[static_cast<size_t>(FindMenuCommand(menu_command::kMIThreadPrio6))].name,
              std::string("MIThreadPrio6"));
    EXPECT_EQ(layout[static_cast<size_t>(FindMenuCommand(menu_command::kMIGaman0))].name,
              std::string("MIGaman0"));
}

TEST(ThreadPriorityMenu, EachIndexChecksItsItemAndGivesItsPriority) {
    const char* names[] = {"MIThreadPrio1", "MIThreadPrio2", "MIThreadPrio3",
                           "MIThreadPrio4", "MIThreadPrio5", "MIThreadPrio6"};
    const int priorities[] = {-15, -2, -1, 0, 1, 2};
    for (int index = 0; index < 6; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ThreadPriorityMenuItem(index), FindMenuItem(names[index]));
        EXPECT_EQ(ThreadPriorityForIndex(index), priorities[index]);
        EXPECT_EQ(PopupMenu1Layout()[static_cast<size_t>(FindMenuItem(names[index]))].tag, index);
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
