// The schedule and anniversary dialogs on real controls: the form as laid
// out, a tab's fields loaded from the slots, edits kept across tab changes,
// the use box greying out the fields, the sound preview, and the slots that
// "設定" gives back (none after Cancel).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "reminders/time_code.h"
#include "reminders/win/kinenbi_dialog.h"
#include "reminders/win/yotei_dialog.h"

namespace velmira {
namespace {

using driver::ClickTab;
using driver::Control;
using driver::PlaceOf;
using driver::TextOf;
using D = TSlotDialog;

int Selected(HWND dialog, int id) {
    return static_cast<int>(SendMessageW(Control(dialog, id), CB_GETCURSEL, 0, 0));
}
int Items(HWND dialog, int id) {
    return static_cast<int>(SendMessageW(Control(dialog, id), CB_GETCOUNT, 0, 0));
}
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(Control(dialog, id)) != FALSE; }
bool Ticked(HWND dialog) {
    return SendMessageW(Control(dialog, D::kUseFlagCB), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
// Chooses an item the way the user does: the list tells its dialog.
void Choose(HWND dialog, int id, int item) {
    SendMessageW(Control(dialog, id), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Control(dialog, id)));
}
void PressButton(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(dialog, id)));
}

class Owner {
public:
    Owner() {
        hwnd_ = CreateWindowExW(0, L"STATIC", L"stage", WS_POPUP | WS_VISIBLE, 200, 150, 293, 441,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~Owner() { DestroyWindow(hwnd_); }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

TEST(TYotei, FormAsLaidOut) {
    Owner owner;
    std::array<ScheduleEntry, 3> slots{};
    TYotei dialog(owner.get(), GetModuleHandleW(nullptr), slots, nullptr);
    RECT client{}, window{}, message{}, msgLabel{}, ok{};
    std::wstring caption, tabs;
    int counts[4] = {};
    bool soundRowHidden = false, namesHidden = false, focusOnUseBox = false;
    LONG_PTR okStyle = 0;
    const driver::Outcome outcome = driver::RunDialog(
        L"予定設定", [&] { return dialog.ShowModal() ? IDOK : IDCANCEL; },
        [&](HWND d) {
            caption = TextOf(d);
            GetClientRect(d, &client);
            GetWindowRect(d, &window);
            HWND tab = Control(d, D::kTabControl1);
            for (int i = 0; i < TabCtrl_GetItemCount(tab); ++i) {
                wchar_t text[32] = {};
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = text;
                item.cchTextMax = 32;
                TabCtrl_GetItem(tab, i, &item);
                tabs += std::wstring(text) + L"|";
            }
            counts[0] = Items(d, D::kTuki);
            counts[1] = Items(d, D::kHi);
            counts[2] = Items(d, D::kJi);
            counts[3] = Items(d, D::kHun);
            soundRowHidden = !IsWindowVisible(Control(d, D::kSoundList)) &&
                             !IsWindowVisible(Control(d, D::kSndLabel)) &&
                             !IsWindowVisible(Control(d, D::kSndSamplePlay));
            namesHidden =
                !IsWindowVisible(Control(d, D::kSoundListNames)) && !Enabled(d, D::kSoundListNames);
            message = PlaceOf(d, Control(d, D::kMessage));
            msgLabel = PlaceOf(d, Control(d, D::kMsgLabel));
            ok = PlaceOf(d, Control(d, D::kOKBtn));
            okStyle = GetWindowLongPtrW(Control(d, D::kOKBtn), GWL_STYLE);
            focusOnUseBox = driver::FocusOf(d) == Control(d, D::kUseFlagCB);
            PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
        });
    ASSERT_TRUE(outcome.seen);
    EXPECT_EQ(IDCANCEL, outcome.result);
    EXPECT_EQ(L"予定設定", caption);
    EXPECT_EQ(320, client.right);
    EXPECT_EQ(240, client.bottom);
    EXPECT_EQ(window.left, 200 + (293 - (window.right - window.left)) / 2) << "centred on her";
    EXPECT_EQ(window.top, 150 + (441 - (window.bottom - window.top)) / 2);
    EXPECT_EQ(L"予定1|予定2|予定3|", tabs);
    EXPECT_EQ(13, counts[0]);
    EXPECT_EQ(32, counts[1]);
    EXPECT_EQ(24, counts[2]);
    EXPECT_EQ(12, counts[3]);
    EXPECT_TRUE(soundRowHidden);
    EXPECT_TRUE(namesHidden);
    // The message row moved up into the sound row's place, its bottom kept.
    EXPECT_EQ(8 + 8 + 56, message.left);
    EXPECT_EQ(32 + 36 + 36, message.top);
    EXPECT_EQ(88, message.bottom - message.top);
    EXPECT_EQ(32 + 36 + 40, msgLabel.top);
    EXPECT_EQ(128, ok.left);
    EXPECT_EQ(212, ok.top);
    EXPECT_EQ(BS_DEFPUSHBUTTON, okStyle & BS_TYPEMASK);
    EXPECT_TRUE(focusOnUseBox);
}

// What a scaled dialog shows, read from its thread's side.
struct ScaledForm {
    RECT client{};
    RECT window{};
    RECT message{};
    LONG fontHeight = 0;
    bool allInside = true;
};

ScaledForm ReadForm(HWND d) {
    ScaledForm f;
    GetClientRect(d, &f.client);
    GetWindowRect(d, &f.window);
    f.message = PlaceOf(d, Control(d, D::kMessage));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(d, D::kOKBtn), WM_GETFONT, 0, 0)),
               sizeof(font), &font);
    f.fontHeight = font.lfHeight;
    for (HWND c = GetWindow(d, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        const RECT r = PlaceOf(d, c);
        if (r.left < 0 || r.top < 0 || r.right > f.client.right || r.bottom > f.client.bottom)
            f.allInside = false;
    }
    return f;
}

TEST(TYotei, DrawnAtItsScaleAndLaidOutAgainWhenTheScaleChanges) {
    Owner owner;
    std::array<ScheduleEntry, 3> slots{};
    TYotei dialog(owner.get(), GetModuleHandleW(nullptr), slots, nullptr);
    dialog.SetScale(DisplayScale(192));
    ScaledForm at192, at96;
    const driver::Outcome outcome = driver::RunDialog(
        L"予定設定", [&] { return dialog.ShowModal() ? IDOK : IDCANCEL; },
        [&](HWND d) {
            at192 = ReadForm(d);
            // Moved to a 96-DPI monitor, at the place Windows suggests.
            RECT suggested{40, 30, 400, 300};
            SendMessageW(d, WM_DPICHANGED, MAKEWPARAM(96, 96),
                         reinterpret_cast<LPARAM>(&suggested));
            at96 = ReadForm(d);
            PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
        });
    ASSERT_TRUE(outcome.seen);
    EXPECT_EQ(640, at192.client.right);
    EXPECT_EQ(480, at192.client.bottom);
    EXPECT_TRUE(at192.allInside);
    EXPECT_EQ(-24, at192.fontHeight);
    // The message row moved up into the sound row's place, at the scale.
    EXPECT_EQ(2 * (32 + 36 + 36), at192.message.top);
    EXPECT_EQ(2 * 88, at192.message.bottom - at192.message.top);
    EXPECT_EQ(40, at96.window.left);
    EXPECT_EQ(30, at96.window.top);
    EXPECT_EQ(320, at96.client.right);
    EXPECT_EQ(240, at96.client.bottom);
    EXPECT_TRUE(at96.allInside);
    EXPECT_EQ(-12, at96.fontHeight);
    EXPECT_EQ(32 + 36 + 36, at96.message.top);
    EXPECT_EQ(88, at96.message.bottom - at96.message.top);
}

TEST(TYotei, TabsLoadEditsSurviveTabChangesAndOKGivesTheSlotsBack) {
    Owner owner;
    std::array<ScheduleEntry, 3> slots{};
    slots[0] = {L"朝の会議\r\n資料", L"Snd_Jikan1", ScheduleWord(4, 0, 7, 5, true)};
    slots[1] = {L"", L"", ScheduleWord(0, 15, 23, 7, true)};  // minute 7: no item
    slots[2] = {L"未使用", L"MySound", ScheduleWord(13, 40, 30, 7, false)};
    TYotei dialog(owner.get(), GetModuleHandleW(nullptr), slots, nullptr);
    int first[5] = {}, second = 0, back = 0;
    std::wstring text;
    bool greyed = false, useBoxUsable = false;
    const driver::Outcome outcome = driver::RunDialog(
        L"予定設定", [&] { return dialog.ShowModal() ? IDOK : IDCANCEL; },
        [&](HWND d) {
            first[0] = Ticked(d);
            first[1] = Selected(d, D::kTuki);
            first[2] = Selected(d, D::kHi);
            first[3] = Selected(d, D::kJi);
            first[4] = Selected(d, D::kHun);
            text = driver::ControlText(d, D::kMessage);
            Choose(d, D::kTuki, 12);
            SetWindowTextW(Control(d, D::kMessage), L"年末\r\nです");
            ClickTab(d, D::kTabControl1, 1);
            second = Selected(d, D::kHun);
            ClickTab(d, D::kTabControl1, 0);
            back = Selected(d, D::kTuki);
            // Unticked: every field of the slot greys out, the box stays usable.
            SendMessageW(Control(d, D::kUseFlagCB), BM_CLICK, 0, 0);
            greyed = !Enabled(d, D::kTuki) && !Enabled(d, D::kHi) && !Enabled(d, D::kJi) &&
                     !Enabled(d, D::kHun) && !Enabled(d, D::kMessage) && !Enabled(d, D::kMsgLabel);
            useBoxUsable = Enabled(d, D::kUseFlagCB);
            PostMessageW(d, WM_COMMAND, IDOK, 0);
        });
    ASSERT_TRUE(outcome.seen);
    EXPECT_EQ(IDOK, outcome.result);
    EXPECT_EQ(1, first[0]);
    EXPECT_EQ(4, first[1]);
    EXPECT_EQ(0, first[2]) << "every day";
    EXPECT_EQ(7, first[3]);
    EXPECT_EQ(1, first[4]) << "the item \"5\"";
    EXPECT_EQ(L"朝の会議\r\n資料", text);
    EXPECT_EQ(CB_ERR, second) << "minute 7 shows no selection";
    EXPECT_EQ(12, back) << "the edit on the first tab was kept";
    EXPECT_TRUE(greyed);
    EXPECT_TRUE(useBoxUsable);

    const std::array<ScheduleEntry, 3> out = dialog.Slots();
    EXPECT_EQ(ScheduleWord(12, 0, 7, 5, false), out[0].Yotei) << "unused, date and time kept";
    EXPECT_EQ(L"年末\r\nです", out[0].message);
    EXPECT_EQ(L"Snd_Jikan1", out[0].sound);
    EXPECT_EQ(ScheduleWord(0, 15, 23, 0, true), out[1].Yotei) << "shown and left: minute 0";
    // Never shown: kept as stored, values no list offers included.
    EXPECT_EQ(slots[2].Yotei, out[2].Yotei);
    EXPECT_EQ(L"MySound", out[2].sound);
}

TEST(TYotei, SoundPreviewPlaysTheChosenSound) {
    Owner owner;
    std::array<ScheduleEntry, 3> slots{};
    slots[0].Yotei = ScheduleWord(0, 0, 9, 0, true);
    std::vector<std::wstring> played;
    TYotei dialog(owner.get(), GetModuleHandleW(nullptr), slots, [&](const std::wstring& name) {
        played.push_back(name);
        return true;
    });
    bool offAtNone = true, onAtSound = false;
    driver::RunDialog(
        L"予定設定", [&] { return dialog.ShowModal() ? IDOK : IDCANCEL; },
        [&](HWND d) {
            Choose(d, D::kSoundList, 2);
            onAtSound = Enabled(d, D::kSndSamplePlay);
            PressButton(d, D::kSndSamplePlay);
            Choose(d, D::kSoundList, 0);
            offAtNone = Enabled(d, D::kSndSamplePlay);
            Choose(d, D::kSoundList, 4);
            PostMessageW(d, WM_COMMAND, IDOK, 0);
        });
    EXPECT_FALSE(offAtNone) << "no preview for \"なし\"";
    EXPECT_TRUE(onAtSound);
    EXPECT_EQ(std::vector<std::wstring>{L"Snd_Jikan2"}, played);
    EXPECT_EQ(L"Snd_Jikan4", dialog.Slots()[0].sound);
}

TEST(TKinenbi, DayListWithoutEveryDayAndStoredValuesNoListOffers) {
    Owner owner;
    std::array<AnniversaryEntry, 3> slots{};
    slots[0] = {L"誕生日", L"snd_kinenbi3", static_cast<uint16_t>(0x100 | 13), 0};
    slots[1] = {L"", L"", 0x100 | 2, 29};
    TKinenbi dialog(owner.get(), GetModuleHandleW(nullptr), slots, nullptr);
    std::wstring caption;
    int days = 0, month = 0, day = 0, sound = 0, secondDay = 0;
    bool hasHour = true, tabRows = false;
    const driver::Outcome outcome = driver::RunDialog(
        L"記念日設定", [&] { return dialog.ShowModal() ? IDOK : IDCANCEL; },
        [&](HWND d) {
            caption = TextOf(d);
            days = Items(d, D::kHi);
            hasHour = Control(d, D::kJi) != nullptr || Control(d, D::kHun) != nullptr;
            tabRows =
                (GetWindowLongPtrW(Control(d, D::kTabControl1), GWL_STYLE) & TCS_MULTILINE) != 0;
            month = Selected(d, D::kTuki);
            day = Selected(d, D::kHi);
            sound = Selected(d, D::kSoundList);
            ClickTab(d, D::kTabControl1, 1);
            secondDay = Selected(d, D::kHi);
            Choose(d, D::kHi, 0);
            PostMessageW(d, WM_COMMAND, IDOK, 0);
        });
    ASSERT_TRUE(outcome.seen);
    EXPECT_EQ(IDOK, outcome.result);
    EXPECT_EQ(L"記念日設定", caption);
    EXPECT_EQ(31, days);
    EXPECT_FALSE(hasHour);
    EXPECT_TRUE(tabRows);
    EXPECT_EQ(CB_ERR, month) << "month 13";
    EXPECT_EQ(CB_ERR, day) << "day 0";
    EXPECT_EQ(3, sound) << "found whatever its letter case";
    EXPECT_EQ(28, secondDay) << "item k is day k + 1";
    EXPECT_EQ(1, dialog.Slots()[1].KiHi) << "the first item chosen on the second tab";
}

}  // namespace
}  // namespace velmira
