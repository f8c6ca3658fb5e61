// The main stage's popup menu as Windows holds it: items, captions, marks
// and radio groups, what held keys reveal, the commands behind the items,
// the debug controls and the hit test that lets her be dragged.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/menu_table.h"
#include "app/win/main_stage.h"
#include "base/product_identity.h"
#include "base/win/program_folder.h"
#include "dialog_driver.h"
#include "menu_items.h"
#include "stage_driver.h"
#include "reminders/time_code.h"
#include "reminders/win/slot_dialog.h"
#include "settings/settings_rules.h"

namespace velmira {
namespace {

namespace cmd = menu_command;

struct MenuEntry {
    std::wstring caption;
    UINT id = 0;
    UINT type = 0;
    UINT state = 0;
    HMENU submenu = nullptr;
    bool Separator() const { return (type & MFT_SEPARATOR) != 0; }
    bool Checked() const { return (state & MFS_CHECKED) != 0; }
    bool Radio() const { return (type & MFT_RADIOCHECK) != 0; }
};

std::vector<MenuEntry> Entries(HMENU menu) {
    std::vector<MenuEntry> entries;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 128;
        EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        MenuEntry entry;
        entry.caption = text;
        entry.id = info.wID;
        entry.type = info.fType;
        entry.state = info.fState;
        entry.submenu = info.hSubMenu;
        entries.push_back(entry);
    }
    return entries;
}

std::vector<std::wstring> Captions(HMENU menu) {
    std::vector<std::wstring> captions;
    for (const MenuEntry& e : Entries(menu)) captions.push_back(e.Separator() ? L"-" : e.caption);
    return captions;
}

const std::vector<std::wstring> kPlainMenu = {L"バージョン情報...(&A)",
                                              L"-",
                                              L"常に一番手前に表示(&S)",
                                              L"-",
                                              L"記念日設定...",
                                              L"予定設定...",
                                              L"表示(&V)",
                                              L"-",
                                              L"終了(&X)"};

const std::vector<std::wstring> kFullMenu = {L"バージョン情報...(&A)",
                                             L"デバッグモード",
                                             L"スレッドの使用頻度",
                                             L"-",
                                             L"常に一番手前に表示(&S)",
                                             L"デジタル表示(&D)",
                                             L"12時間制[デジタル表示時](&H)",
                                             L"-",
                                             L"記念日設定...",
                                             L"予定設定...",
                                             L"表示(&V)",
                                             L"-",
                                             L"終了(&X)"};

const std::vector<std::wstring> kPriorityItems = {L"アイドル時のみ", L"最低", L"低",
                                                  L"通常",           L"高",   L"最高"};

// A menu entry by its command id; fails the test when it is not there.
MenuEntry EntryOf(HMENU menu, UINT id) {
    for (const MenuEntry& e : Entries(menu)) {
        if (e.id == id && !e.submenu) return e;
        if (e.submenu)
            for (const MenuEntry& inner : Entries(e.submenu))
                if (inner.id == id) return inner;
    }
    ADD_FAILURE() << "no item " << id;
    return MenuEntry{};
}

HMENU PrioritySubmenu(const TMainStage& stage) {
    return drive::View(stage).PopupMenu1().Submenu(FindMenuItem("MIThreadPriority"));
}

std::vector<bool> PriorityMarks(const TMainStage& stage) {
    std::vector<bool> marks;
    for (const MenuEntry& e : Entries(PrioritySubmenu(stage))) marks.push_back(e.Checked());
    return marks;
}

class MenuStage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(stage.Create());
        ShowWindow(stage.Handle(), SW_SHOWNOACTIVATE);
    }
    void TearDown() override {
        if (stage.Handle()) DestroyWindow(stage.Handle());
    }
    // The keys and buttons that count as held from now on.
    void Hold(std::set<int> keys) { held = std::move(keys); }
    void OpenWith(std::set<int> keys) {
        Hold(std::move(keys));
        drive::MenuOpens(stage);
    }
    StageEnvironment Environment() {
        StageEnvironment environment = drive::Environment();
        environment.keyHeld = [this](int vk) { return held.count(vk) > 0; };
        return environment;
    }
    std::set<int> held;
    TMainStage stage{drive::TestApplication(), Environment()};
    MainStageView view{stage};
};

TEST_F(MenuStage, WithNoKeyHeldOnlyThePlainItemsShow) {
    EXPECT_EQ(Captions(view.PopupMenu1().Handle()), kPlainMenu) << "as built";
    OpenWith({});
    const std::vector<MenuEntry> entries = Entries(view.PopupMenu1().Handle());
    ASSERT_EQ(Captions(view.PopupMenu1().Handle()), kPlainMenu);
    EXPECT_EQ(entries[0].id, cmd::kAbout1);
    EXPECT_EQ(entries[2].id, cmd::kStayOnTop1);
    EXPECT_EQ(entries[4].id, cmd::kMIMemorialSet);
    EXPECT_EQ(entries[5].id, cmd::kMIScheduleSet);
    EXPECT_EQ(entries[8].id, cmd::kX1);
    // Of the three separators only the last one is disabled.
    EXPECT_FALSE(entries[1].state & MFS_DISABLED);
    EXPECT_FALSE(entries[3].state & MFS_DISABLED);
    EXPECT_TRUE(entries[7].state & MFS_DISABLED);
    for (const MenuEntry& e : entries) {
        // The view submenu is there for everybody; no other shows without keys.
        if (e.caption != L"表示(&V)") {
            EXPECT_EQ(e.submenu, nullptr) << "no submenu shows without keys";
        }
        if (!e.Separator()) {
            EXPECT_FALSE(e.state & MFS_DISABLED);
        }
    }
}

TEST_F(MenuStage, HeldKeysRevealTheirItemsEachTimeTheMenuOpens) {
    OpenWith({VK_SHIFT, VK_CONTROL, VK_RIGHT, VK_UP});
    EXPECT_EQ(Captions(view.PopupMenu1().Handle()), kFullMenu);
    const std::vector<MenuEntry> full = Entries(view.PopupMenu1().Handle());
    EXPECT_EQ(full[1].id, cmd::kMIDebugMode);
    ASSERT_NE(full[2].submenu, nullptr);
    EXPECT_EQ(Captions(full[2].submenu), kPriorityItems);
    EXPECT_EQ(full[5].id, cmd::kMIDigiAna);
    EXPECT_EQ(full[6].id, cmd::kMIAmPm);

    OpenWith({VK_CONTROL});
    EXPECT_EQ(Captions(view.PopupMenu1().Handle()), kPlainMenu) << "Ctrl alone";
    OpenWith({VK_SHIFT});
    EXPECT_EQ(Captions(view.PopupMenu1().Handle()), kPlainMenu) << "Shift alone";
    OpenWith({VK_CONTROL, VK_RIGHT, VK_UP});
    EXPECT_EQ(Captions(view.PopupMenu1().Handle()), kPlainMenu) << "all but Shift";

    OpenWith({VK_SHIFT, VK_CONTROL});
    std::vector<std::wstring> expected = kPlainMenu;
    expected.insert(expected.begin() + 1, L"デバッグモード");
    EXPECT_EQ(Captions(view.PopupMenu1().Handle()), expected) << "Shift and Ctrl";

    OpenWith({VK_SHIFT, VK_RIGHT});
    expected = kPlainMenu;
    expected.insert(expected.begin() + 1, L"スレッドの使用頻度");
    EXPECT_EQ(Captions(view.PopupMenu1().Handle()), expected) << "Shift and Right";

    OpenWith({VK_SHIFT, VK_UP});
    expected = kPlainMenu;
    expected.insert(expected.begin() + 3, {L"デジタル表示(&D)", L"12時間制[デジタル表示時](&H)"});
    EXPECT_EQ(Captions(view.PopupMenu1().Handle()), expected) << "Shift and Up";

    OpenWith({});
    EXPECT_EQ(Captions(view.PopupMenu1().Handle()), kPlainMenu) << "nothing stays from before";
}

TEST_F(MenuStage, TheLonelinessSubmenuExistsButNeverShows) {
    const int gaman = FindMenuItem("MIGaman");
    HMENU submenu = view.PopupMenu1().Submenu(gaman);
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(Captions(submenu),
              (std::vector<std::wstring>{L"あばれちゃうぞ", L"もっとかまってほしいな",
                                         L"好きなのにぃ！", L"気づいて…", L"独りでも平気だよ",
                                         L"はじめから気にしてないの[オフ]"}));
    for (const MenuEntry& e : Entries(submenu)) EXPECT_TRUE(e.Radio());
    OpenWith({VK_SHIFT, VK_CONTROL, VK_RIGHT, VK_UP});
    for (const MenuEntry& e : Entries(view.PopupMenu1().Handle())) EXPECT_NE(e.submenu, submenu);
    EXPECT_FALSE(view.PopupMenu1().Visible(gaman));
    // Its tags are the waits in seconds, kept by command id.
    EXPECT_EQ(view.PopupMenu1().Tag(cmd::kMIGaman1), 600);
    EXPECT_EQ(view.PopupMenu1().Tag(cmd::kMIGaman1 + 4), 14400);
    EXPECT_EQ(view.PopupMenu1().Tag(cmd::kMIGaman0), 0);
    // A radio mark set while it is hidden is there in its submenu.
    TPopupMenu menu;
    ASSERT_TRUE(menu.Build(PopupMenu1Layout()));
    menu.CheckRadioItem(FindMenuItem("MIGaman4"));
    std::vector<bool> marks;
    for (const MenuEntry& e : Entries(menu.Submenu(gaman))) marks.push_back(e.Checked());
    EXPECT_EQ(marks, (std::vector<bool>{false, false, false, true, false, false}));
}

TEST_F(MenuStage, CheckMarksFollowTheSettingsAndSurviveHiding) {
    // A first start: analog, 24-hour, not on top.
    OpenWith({VK_SHIFT, VK_UP});
    EXPECT_FALSE(EntryOf(view.PopupMenu1().Handle(), cmd::kStayOnTop1).Checked());
    EXPECT_FALSE(EntryOf(view.PopupMenu1().Handle(), cmd::kMIDigiAna).Checked());
    EXPECT_FALSE(EntryOf(view.PopupMenu1().Handle(), cmd::kMIAmPm).Checked());

    OpenWith({});  // the display items are out of the menu now
    for (UINT id : {cmd::kMIDigiAna, cmd::kMIAmPm, cmd::kStayOnTop1}) drive::Command(stage, id);
    EXPECT_TRUE(EntryOf(view.PopupMenu1().Handle(), cmd::kStayOnTop1).Checked());
    OpenWith({VK_SHIFT, VK_UP});
    EXPECT_TRUE(EntryOf(view.PopupMenu1().Handle(), cmd::kMIDigiAna).Checked());
    EXPECT_TRUE(EntryOf(view.PopupMenu1().Handle(), cmd::kMIAmPm).Checked());
    EXPECT_FALSE(EntryOf(view.PopupMenu1().Handle(), cmd::kMIDigiAna).Radio());

    for (UINT id : {cmd::kMIDigiAna, cmd::kMIAmPm, cmd::kStayOnTop1}) drive::Command(stage, id);
    EXPECT_FALSE(EntryOf(view.PopupMenu1().Handle(), cmd::kStayOnTop1).Checked());
    EXPECT_FALSE(EntryOf(view.PopupMenu1().Handle(), cmd::kMIDigiAna).Checked());
    EXPECT_FALSE(EntryOf(view.PopupMenu1().Handle(), cmd::kMIAmPm).Checked());
}

TEST_F(MenuStage, ThePriorityMarkGoesToTheFirstItemWithTheStoredTag) {
    HMENU submenu = PrioritySubmenu(stage);
    ASSERT_NE(submenu, nullptr);
    for (const MenuEntry& e : Entries(submenu)) EXPECT_TRUE(e.Radio()) << "a radio group";
    EXPECT_EQ(PriorityMarks(stage), (std::vector<bool>{true, false, false, false, false, false}))
        << "the default index 0 is idle only";
    // A stage started on a stored index.
    auto marksWhenStored = [](int32_t threadPrio) {
        drive::StoreThroughThreadPrio(static_cast<DWORD>(threadPrio));
        TMainStage started{drive::TestApplication(), drive::StoredEnvironment()};
        EXPECT_TRUE(started.Create());
        const std::vector<bool> marks = PriorityMarks(started);
        DestroyWindow(started.Handle());
        return marks;
    };
    EXPECT_EQ(marksWhenStored(5), (std::vector<bool>{false, false, false, false, false, true}));
    for (int outside : {6, -1, 600})
        EXPECT_EQ(marksWhenStored(outside), std::vector<bool>(6, false)) << outside;
    // And the mark holds while the submenu comes and goes.
    drive::Command(stage, cmd::kMIThreadPrio1 + 2);
    OpenWith({});
    OpenWith({VK_SHIFT, VK_RIGHT});
    EXPECT_EQ(PriorityMarks(stage), (std::vector<bool>{false, false, true, false, false, false}));
}

TEST_F(MenuStage, APriorityItemSetsTheIndexTheMarkAndTheThreadAtOnce) {
    ASSERT_NE(view.Clocker(), nullptr);
    const int priorities[] = {THREAD_PRIORITY_IDLE,         THREAD_PRIORITY_LOWEST,
                              THREAD_PRIORITY_BELOW_NORMAL, THREAD_PRIORITY_NORMAL,
                              THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST};
    for (int index : {3, 5, 0, 1, 4, 2}) {
        SCOPED_TRACE(index);
        // The way a menu choice arrives: a command message to the stage.
        SendMessageW(stage.Handle(), WM_COMMAND, cmd::kMIThreadPrio1 + index, 0);
        EXPECT_EQ(view.Settings().ThreadPrio, index);
        EXPECT_EQ(view.Clocker()->Priority(), priorities[index]);
        std::vector<bool> expected(6, false);
        expected[static_cast<size_t>(index)] = true;
        EXPECT_EQ(PriorityMarks(stage), expected);
    }
}

TEST_F(MenuStage, StayOnTopSwitchesTheStyleAndTheMarkAtOnce) {
    ASSERT_FALSE(view.Settings().StayOnTop);
    ASSERT_FALSE(GetWindowLongPtrW(stage.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    SendMessageW(stage.Handle(), WM_COMMAND, cmd::kStayOnTop1, 0);
    EXPECT_TRUE(view.Settings().StayOnTop);
    EXPECT_TRUE(GetWindowLongPtrW(stage.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(EntryOf(view.PopupMenu1().Handle(), cmd::kStayOnTop1).Checked());
    drive::Command(stage, cmd::kStayOnTop1);
    EXPECT_FALSE(view.Settings().StayOnTop);
    EXPECT_FALSE(GetWindowLongPtrW(stage.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(EntryOf(view.PopupMenu1().Handle(), cmd::kStayOnTop1).Checked());
}

TEST_F(MenuStage, MuteSilencesHerAtOnceAndFromTheNextStart) {
    drive::Command(stage, cmd::kMIMute);
    EXPECT_TRUE(view.Sound().Muted());
    EXPECT_TRUE(EntryOf(view.PopupMenu1().Handle(), cmd::kMIMute).Checked());
    TMainStage next{drive::TestApplication(), drive::StoredEnvironment()};  // stored at once
    ASSERT_TRUE(next.Create());
    EXPECT_TRUE(drive::View(next).Sound().Muted());
    DestroyWindow(next.Handle());
}

// A Run value of any type under the tests' key.
void StoreRunValue(DWORD type, const std::wstring& text) {
    RegSetKeyValueW(HKEY_CURRENT_USER, drive::kRunTestKey, kRunValueName, type, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

TEST_F(MenuStage, TheSignInMarkReadsTheRunValueAndOnlyHersIsDeleted) {
    const std::wstring program = ExecutablePath();
    const std::wstring other = L"\"D:\\Other\\VelmiraClock.exe\"";
    const RunValueLocation at = drive::StoredEnvironment().signIn;
    auto markAsOpened = [&] {
        OpenWith({});
        return EntryOf(view.PopupMenu1().Handle(), cmd::kMIStartAtSignIn).Checked();
    };
    EXPECT_FALSE(markAsOpened()) << "no value";
    const size_t slash = program.find_last_of(L'\\');
    SetEnvironmentVariableW(L"VELMIRA_TEST_FOLDER", program.substr(0, slash).c_str());
    StoreRunValue(REG_EXPAND_SZ, L"%VELMIRA_TEST_FOLDER%" + program.substr(slash));
    EXPECT_TRUE(markAsOpened()) << "expanded";
    StoreRunValue(REG_MULTI_SZ, program);
    EXPECT_FALSE(markAsOpened()) << "not a text Windows would run";
    StoreRunValue(REG_SZ, other);
    EXPECT_FALSE(markAsOpened()) << "another program";

    drive::Command(stage, cmd::kMIStartAtSignIn);
    EXPECT_EQ(ReadRunValue(at).text, L"\"" + program + L"\"") << "a tick is the user's choice";
    EXPECT_TRUE(markAsOpened());
    StoreRunValue(REG_SZ, other);  // while her mark still shows
    drive::Command(stage, cmd::kMIStartAtSignIn);
    EXPECT_EQ(ReadRunValue(at).text, other) << "an untick deletes only hers";
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    return text;
}

TEST_F(MenuStage, DebugControlsSitAtTheirPlacesHiddenAndDisabled) {
    struct Expected {
        HWND hwnd;
        UINT id;
        const wchar_t* className;
        const wchar_t* caption;
        RECT place;
    };
    const Expected expected[] = {
        {view.DebugControls().DateTimePicker1,
         TDebugControls::kDateTimePicker1Id,
         L"SysDateTimePick32",
         nullptr,
         {198, 119, 263, 139}},
        {view.DebugControls().MessageTest,
         TDebugControls::kMessageTestId,
         L"Button",
         L"Message",
         {202, 143, 259, 160}},
        {view.DebugControls().FaceTest,
         TDebugControls::kFaceTestId,
         L"Button",
         L"Face",
         {206, 163, 249, 180}},
        {view.DebugControls().NakuTest,
         TDebugControls::kNakuTestId,
         L"Button",
         L"泣く",
         {171, 184, 216, 201}},
        {view.DebugControls().RandomFace1,
         TDebugControls::kRandomFace1Id,
         L"Button",
         L"笑顔",
         {226, 185, 269, 202}},
    };
    for (const Expected& e : expected) {
        ASSERT_NE(e.hwnd, nullptr);
        SCOPED_TRACE(ClassOf(e.hwnd) + L" " + TextOf(e.hwnd));
        EXPECT_EQ(GetParent(e.hwnd), stage.Handle());
        EXPECT_EQ(static_cast<UINT>(GetDlgCtrlID(e.hwnd)), e.id);
        EXPECT_EQ(_wcsicmp(ClassOf(e.hwnd).c_str(), e.className), 0);
        if (e.caption) {
            EXPECT_EQ(TextOf(e.hwnd), e.caption);
        }
        RECT r;
        GetWindowRect(e.hwnd, &r);
        MapWindowPoints(nullptr, stage.Handle(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, e.place.left);
        EXPECT_EQ(r.top, e.place.top);
        EXPECT_EQ(r.right, e.place.right);
        EXPECT_EQ(r.bottom, e.place.bottom);
        EXPECT_FALSE(IsWindowVisible(e.hwnd));
        EXPECT_FALSE(IsWindowEnabled(e.hwnd));
        // The stage's font, as the layout gives it.
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(e.hwnd, WM_GETFONT, 0, 0)), sizeof(font),
                   &font);
        EXPECT_STREQ(font.lfFaceName, L"ＭＳ Ｐゴシック");
        EXPECT_EQ(font.lfHeight, -12);
    }
    EXPECT_TRUE(GetWindowLongPtrW(view.DebugControls().DateTimePicker1, GWL_STYLE) & DTS_TIMEFORMAT)
        << "time only";
    EXPECT_EQ(GetWindowLongPtrW(view.DebugControls().NakuTest, GWL_STYLE) & BS_TYPEMASK,
              BS_AUTOCHECKBOX);
}

TEST_F(MenuStage, DebugModeShowsAndHidesAllFiveTogether) {
    const HWND controls[] = {view.DebugControls().DateTimePicker1, view.DebugControls().MessageTest,
                             view.DebugControls().FaceTest, view.DebugControls().NakuTest,
                             view.DebugControls().RandomFace1};
    const int debugItem = FindMenuItem("MIDebugMode");
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        SendMessageW(stage.Handle(), WM_COMMAND, cmd::kMIDebugMode, 0);
        EXPECT_TRUE(view.PopupMenu1().Checked(debugItem));
        for (HWND c : controls) {
            EXPECT_TRUE(IsWindowVisible(c));
            EXPECT_TRUE(IsWindowEnabled(c));
        }
        OpenWith({VK_SHIFT, VK_CONTROL});
        EXPECT_TRUE(EntryOf(view.PopupMenu1().Handle(), cmd::kMIDebugMode).Checked());
        drive::Command(stage, cmd::kMIDebugMode);
        EXPECT_FALSE(view.PopupMenu1().Checked(debugItem));
        EXPECT_FALSE(EntryOf(view.PopupMenu1().Handle(), cmd::kMIDebugMode).Checked());
        for (HWND c : controls) {
            EXPECT_FALSE(IsWindowVisible(c));
            EXPECT_FALSE(IsWindowEnabled(c));
        }
    }
}

TEST_F(MenuStage, WhileTheDebugControlsShowTheShapeHoldsThemWhole) {
    const std::vector<RECT> rects = view.DebugControls().Rects();
    ASSERT_EQ(rects.size(), 5u);
    // Corners of the controls that the window's shape leaves out.
    auto cornersOutside = [&] {
        UniqueRgn shape(CreateRectRgn(0, 0, 0, 0));
        GetWindowRgn(stage.Handle(), shape.get());
        int outside = 0;
        for (const RECT& r : rects)
            for (POINT p : {POINT{r.left, r.top}, POINT{r.right - 1, r.top},
                            POINT{r.left, r.bottom - 1}, POINT{r.right - 1, r.bottom - 1}})
                outside += !PtInRegion(shape.get(), p.x, p.y);
        return outside;
    };
    const int cutByHer = cornersOutside();
    ASSERT_GT(cutByHer, 0) << "the artwork no longer cuts them: pick another check";

    drive::Command(stage, cmd::kMIDebugMode);
    EXPECT_EQ(cornersOutside(), 0) << "every control shows whole";
    UniqueRgn shape(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(stage.Handle(), shape.get());
    EXPECT_FALSE(PtInRegion(shape.get(), 0, 0)) << "the rest of the shape is hers";

    drive::Command(stage, cmd::kMIDebugMode);
    EXPECT_EQ(cornersOutside(), cutByHer) << "hiding them gives her outline back";

    // The face test cycles her faces back to none; the shape follows all the same.
    for (int i = 0; i < 4; ++i) drive::Command(stage, TDebugControls::kFaceTestId);
    drive::Command(stage, cmd::kMIDebugMode);
    EXPECT_EQ(cornersOutside(), 0) << "after the face test";
    drive::Command(stage, cmd::kMIDebugMode);
    EXPECT_EQ(cornersOutside(), cutByHer) << "after the face test";
}

TEST_F(MenuStage, TheDebugTimePickerStartsAtZeroFortySix) {
    int hour = -1, minute = -1;
    ASSERT_TRUE(view.DebugControls().PickedTime(hour, minute));
    EXPECT_EQ(hour, 0);
    EXPECT_EQ(minute, 46);
}

TEST_F(MenuStage, ThePickedTimeRedrawsTheDial) {
    drive::Command(stage, cmd::kMIDebugMode);
    ASSERT_TRUE(view.Settings().AnaDigi);
    drive::ClockRedraw(stage, -1, -1);
    auto picture = [&] {
        DIBSECTION dib{};
        GetObjectW(view.Dial().dialBitmap.get(), sizeof(dib), &dib);
        GdiFlush();
        const auto* bits = static_cast<const uint32_t*>(dib.dsBm.bmBits);
        return std::vector<uint32_t>(bits, bits + dib.dsBm.bmWidth * dib.dsBm.bmHeight);
    };
    const std::vector<uint32_t> bare = picture();
    SYSTEMTIME picked{};
    GetLocalTime(&picked);
    picked.wHour = 3;
    picked.wMinute = 0;
    ASSERT_TRUE(DateTime_SetSystemtime(view.DebugControls().DateTimePicker1, GDT_VALID, &picked));
    EXPECT_EQ(picture(), bare) << "setting the time sends no change by itself";
    // The picker's change notice, as it comes when the user edits the time.
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = view.DebugControls().DateTimePicker1;
    change.nmhdr.idFrom = TDebugControls::kDateTimePicker1Id;
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = picked;
    SendMessageW(stage.Handle(), WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
    EXPECT_NE(picture(), bare) << "the hands are drawn for the picked time";

    // Other notices from the picker change nothing.
    drive::ClockRedraw(stage, -1, -1);
    change.nmhdr.code = DTN_DROPDOWN;
    SendMessageW(stage.Handle(), WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(picture(), bare);
}

TEST_F(MenuStage, ThePrimaryButtonHeldMakesHerATitleBar) {
    ASSERT_EQ(GetSystemMetrics(SM_SWAPBUTTON), 0);
    EXPECT_EQ(SendMessageW(stage.Handle(), WM_NCHITTEST, 0, MAKELPARAM(150, 200)), HTCLIENT);
    Hold({VK_LBUTTON});
    EXPECT_EQ(SendMessageW(stage.Handle(), WM_NCHITTEST, 0, MAKELPARAM(150, 200)), HTCAPTION);
    Hold({VK_RBUTTON});
    EXPECT_EQ(SendMessageW(stage.Handle(), WM_NCHITTEST, 0, MAKELPARAM(150, 200)), HTCLIENT)
        << "the secondary button reaches the menu";

    // With swapped buttons the right-hand button drags.
    SwapMouseButton(TRUE);
    const bool swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    Hold({VK_RBUTTON});
    const LRESULT right = SendMessageW(stage.Handle(), WM_NCHITTEST, 0, MAKELPARAM(150, 200));
    Hold({VK_LBUTTON});
    const LRESULT left = SendMessageW(stage.Handle(), WM_NCHITTEST, 0, MAKELPARAM(150, 200));
    SwapMouseButton(FALSE);
    ASSERT_TRUE(swapped);
    EXPECT_EQ(right, HTCAPTION);
    EXPECT_EQ(left, HTCLIENT);
}

TEST_F(MenuStage, DebugControlsAnswerTheirOwnHitTests) {
    drive::Command(stage, cmd::kMIDebugMode);
    Hold({VK_LBUTTON});
    RECT r;
    GetWindowRect(view.DebugControls().MessageTest, &r);
    const LPARAM inside = MAKELPARAM(r.left + 5, r.top + 5);
    EXPECT_EQ(SendMessageW(view.DebugControls().MessageTest, WM_NCHITTEST, 0, inside), HTCLIENT)
        << "a press on a debug button clicks it";
    EXPECT_EQ(SendMessageW(stage.Handle(), WM_NCHITTEST, 0, inside), HTCAPTION);
}

bool* seenMenu = nullptr;

void CALLBACK DismissMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu)) *seenMenu = true;
    EndMenu();
}

// Opens the menu the way the secondary button does and closes it again from
// a timer inside the menu's own loop; `seen` tells whether a menu window was up.
void OpenAndDismiss(TMainStage& stage, bool& seen) {
    seenMenu = &seen;
    seen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, &DismissMenu);
    SendMessageW(stage.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(stage.Handle()),
                 MAKELPARAM(300, 300));
    KillTimer(nullptr, timer);
}

TEST_F(MenuStage, OpeningTheMenuReadsTheKeysFirst) {
    Hold({VK_SHIFT, VK_CONTROL, VK_RIGHT, VK_UP});
    bool seen = false;
    OpenAndDismiss(stage, seen);
    EXPECT_TRUE(seen) << "the menu was on the screen";
    EXPECT_EQ(Captions(view.PopupMenu1().Handle()), kFullMenu);
    Hold({});
    OpenAndDismiss(stage, seen);
    EXPECT_TRUE(seen);
    EXPECT_EQ(Captions(view.PopupMenu1().Handle()), kPlainMenu);
}

TEST_F(MenuStage, TheSettingsDialogsHoldTheQueueWhileOpenAndOnlySetStoresTheirEdits) {
    const std::array<AnniversaryEntry, kAnniversarySlots> anniversaries =
        view.Settings().reminders.anniversaries;
    bool openMeanwhile = false;
    // Edited, then Esc: nothing changes.
    driver::Outcome outcome = driver::RunDialog(
        L"記念日設定",
        [&] { return SendMessageW(stage.Handle(), WM_COMMAND, cmd::kMIMemorialSet, 0); },
        [&](HWND dialog) {
            openMeanwhile = drive::View(stage).Reminders().DialogOpen();
            SendMessageW(GetDlgItem(dialog, TSlotDialog::kUseFlagCB), BM_CLICK, 0, 0);
            SendDlgItemMessageW(dialog, TSlotDialog::kHi, CB_SETCURSEL, 9, 0);
            driver::PressKey(dialog, VK_ESCAPE);
        });
    ASSERT_TRUE(outcome.seen);
    EXPECT_TRUE(openMeanwhile);
    EXPECT_FALSE(view.Reminders().DialogOpen());
    EXPECT_EQ(anniversaries[0].KiTuki, view.Settings().reminders.anniversaries[0].KiTuki);
    EXPECT_EQ(anniversaries[0].KiHi, view.Settings().reminders.anniversaries[0].KiHi);

    // Edited, then 設定: the stage holds the new slot at once.
    openMeanwhile = false;
    outcome = driver::RunDialog(
        L"予定設定",
        [&] { return SendMessageW(stage.Handle(), WM_COMMAND, cmd::kMIScheduleSet, 0); },
        [&](HWND dialog) {
            openMeanwhile = drive::View(stage).Reminders().DialogOpen();
            SetDlgItemTextW(dialog, TSlotDialog::kMessage, L"お茶の時間");
            SendMessageW(GetDlgItem(dialog, TSlotDialog::kUseFlagCB), BM_CLICK, 0, 0);
            driver::Click(dialog, TSlotDialog::kOKBtn);
        });
    ASSERT_TRUE(outcome.seen);
    EXPECT_TRUE(openMeanwhile);
    EXPECT_FALSE(view.Reminders().DialogOpen());
    EXPECT_EQ(L"お茶の時間", view.Settings().reminders.schedules[0].message);
    EXPECT_NE(ScheduleInUse(view.Settings().reminders.schedules[0].Yotei), ScheduleInUse(0))
        << "the use box was ticked";
}

TEST_F(MenuStage, UnknownCommandsChangeNothing) {
    const bool stayOnTop = view.Settings().StayOnTop;
    const int32_t prio = view.Settings().ThreadPrio;
    for (UINT id : {0u, 0x0100u, 0x0116u, 0x0151u, 0x0205u, 0xF140u}) drive::Command(stage, id);
    EXPECT_EQ(view.Settings().StayOnTop, stayOnTop);
    EXPECT_EQ(view.Settings().ThreadPrio, prio);
    EXPECT_NE(stage.Handle(), nullptr);
    EXPECT_FALSE(IsWindowVisible(view.DebugControls().MessageTest));
}

TEST_F(MenuStage, OnlyTheScreenSaverCommandDropsTheClockToIdle) {
    ASSERT_NE(view.Clocker(), nullptr);
    drive::Command(stage, cmd::kMIThreadPrio1 + 4);
    TApplication& application = drive::TestApplication();
    bool handled = false;
    // wParam 0xF140 on other messages means nothing.
    for (UINT other : {UINT(WM_COMMAND), UINT(WM_KEYDOWN), UINT(WM_SYSKEYDOWN), UINT(WM_APP)}) {
        MSG msg{stage.Handle(), other, SC_SCREENSAVE, 0, 0, {0, 0}};
        application.OnMessage(msg, handled);
    }
    MSG close{stage.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0, 0, {0, 0}};
    application.OnMessage(close, handled);
    EXPECT_EQ(view.Clocker()->Priority(), THREAD_PRIORITY_ABOVE_NORMAL);
    drive::Repaint(stage);
    EXPECT_EQ(view.Clocker()->Priority(), THREAD_PRIORITY_ABOVE_NORMAL) << "a paint alone";

    MSG saver{stage.Handle(), WM_SYSCOMMAND, SC_SCREENSAVE, 0, 0, {0, 0}};
    application.OnMessage(saver, handled);
    EXPECT_EQ(view.Clocker()->Priority(), THREAD_PRIORITY_IDLE);
    EXPECT_FALSE(handled) << "the command goes on to its dispatch";
    // A second start before the dial is painted changes nothing more.
    application.OnMessage(saver, handled);
    EXPECT_EQ(view.Clocker()->Priority(), THREAD_PRIORITY_IDLE);
    drive::Repaint(stage);
    EXPECT_EQ(view.Clocker()->Priority(), THREAD_PRIORITY_ABOVE_NORMAL) << "the paint restores";
    // A priority chosen while idling takes effect at once and is kept by the restore.
    application.OnMessage(saver, handled);
    drive::Command(stage, cmd::kMIThreadPrio1 + 5);
    EXPECT_EQ(view.Clocker()->Priority(), THREAD_PRIORITY_HIGHEST);
    drive::Repaint(stage);
    EXPECT_EQ(view.Clocker()->Priority(), THREAD_PRIORITY_HIGHEST);
}

TEST_F(MenuStage, ExitClosesTheStageAndWritesTheSettings) {
    drive::Command(stage, cmd::kMIThreadPrio1 + 4);           // a value the defaults do not have
    RegDeleteTreeW(HKEY_CURRENT_USER, drive::kStageTestKey);  // written at once; again at exit
    SendMessageW(stage.Handle(), WM_COMMAND, cmd::kX1, 0);
    EXPECT_TRUE(driver::PumpUntil([&] { return stage.Handle() == nullptr; })) << "the stage closed";
    DWORD value = 0, size = sizeof(value);
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, drive::kStageTestKey, L"ThreadPrio", RRF_RT_REG_DWORD,
                           nullptr, &value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 4u);
}

// The About item opens the version dialog modally over the stage.
TEST_F(MenuStage, TheAboutItemShowsTheVersionDialogOwnedByTheStage) {
    HWND dialog = nullptr;
    HWND owner = nullptr;
    const driver::Outcome outcome = driver::RunDialog(
        L"バージョン情報",
        [&] { return INT_PTR{SendMessageW(stage.Handle(), WM_COMMAND, cmd::kAbout1, 0)}; },
        [&](HWND shown) {
            dialog = shown;
            owner = GetWindow(shown, GW_OWNER);
            PostMessageW(shown, WM_COMMAND, IDOK, 0);
        });
    ASSERT_TRUE(outcome.seen);
    EXPECT_EQ(owner, stage.Handle());
    EXPECT_FALSE(IsWindow(dialog)) << "destroyed when it closed";
    EXPECT_TRUE(IsWindowEnabled(stage.Handle()));
}

}  // namespace
}  // namespace velmira
