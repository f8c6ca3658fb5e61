#include "reminders/win/slot_dialog.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <utility>

#include "base/win/window_places.h"
#include "base/win/dialog_controls.h"
#include "base/win/resources.h"
#include "base/win/scaled_pictures.h"

namespace velmira {

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_LEFT | SS_NOPREFIX;
constexpr DWORD kList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

// The tab control's page and the group box inside it, in client pixels.
constexpr int kTabLeft = 8, kTabTop = 32;
constexpr int kGroupLeft = kTabLeft + 8, kGroupTop = kTabTop + 36;

// A drop-down list is placed with the height of its opened list: eight items
// of 14 pixels under the 20-pixel box, as the form's lists drop down.
constexpr int kItemHeight = 14;
constexpr int kListBox = 20;
constexpr int kDroppedItems = 8;
int Dropped(int items) {
    return kListBox + kItemHeight * (items < kDroppedItems ? items : kDroppedItems) + 2;
}

// A control inside the group box, placed by its place in the box. Labels
// fit their text once the font is known, so they need no size here.
DialogControl InGroup(int id, ControlClass cls, DWORD style, const wchar_t* caption, int left,
                      int top, int width = 0, int height = 0, DWORD exStyle = 0) {
    return {id, cls, style, caption, kGroupLeft + left, kGroupTop + top, width, height, exStyle};
}

// The play picture's three states in the strip.
constexpr int kPlayNormal = 0, kPlayDisabled = 1, kPlayPressed = 2;
constexpr int kPlaySize = 20;

}  // namespace

TSlotDialog::TSlotDialog(HWND owner, HINSTANCE resources, const Form& form, PlaySound play)
    : ModalDialog(owner), resources_(resources), form_(form), play_(std::move(play)) {}

bool TSlotDialog::ShowModal() {
    const std::vector<DialogControl> controls = Controls();
    return RunModal(DialogTemplate(kDialogStyle, kDialogExStyle, form_.caption, controls.data(),
                                   controls.size())) == IDOK;
}

std::vector<DialogControl> TSlotDialog::Controls() const {
    // The order is the tab order: the slot's fields, the buttons, then the
    // tab strip. The group box and the tab control come last so that they
    // lie under the controls they frame.
    std::vector<DialogControl> c{
        {kLabel1, kStaticAtom, kLabel, form_.label1, 8, 8, 0, 0},
        {kUseFlagCB, kButtonAtom, kChild | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, form_.useFlag,
         kTabLeft + 8, kTabTop + 22, 153, 17},
        InGroup(kDateLabel, kStaticAtom, kLabel, L"日付", 32, 16),
        InGroup(kTuki, kComboBoxAtom, kList, L"", 56, 12, 41, Dropped(13)),
        InGroup(kMonthLabel, kStaticAtom, kLabel, L"月", 98, 16),
        InGroup(kHi, kComboBoxAtom, kList, L"", 112, 12, 41, Dropped(32)),
        InGroup(kDayLabel, kStaticAtom, kLabel, L"日", 154, 16),
    };
    if (form_.hasTime) {
        c.push_back(InGroup(kJi, kComboBoxAtom, kList, L"", 168, 12, 41, Dropped(24)));
        c.push_back(InGroup(kHourLabel, kStaticAtom, kLabel, L"時", 210, 16));
        c.push_back(InGroup(kHun, kComboBoxAtom, kList, L"", 224, 12, 41, Dropped(12)));
        c.push_back(InGroup(kMinuteLabel, kStaticAtom, kLabel, L"分", 266, 16));
    }
    const int sounds = static_cast<int>(form_.soundItems->size());
    // The sound row is hidden; FormShow moves the message row into its place.
    c.push_back(
        InGroup(kSndLabel, kStaticAtom, WS_CHILD | SS_LEFT | SS_NOPREFIX, L"サウンド", 15, 40));
    c.push_back(InGroup(kSoundList, kComboBoxAtom, (kList & ~WS_VISIBLE), L"", 56, 36, 185,
                        Dropped(sounds)));
    c.push_back(InGroup(kSndSamplePlay, kButtonAtom, WS_CHILD | WS_TABSTOP | BS_OWNERDRAW, L"", 248,
                        34, 24, 24));
    c.push_back(InGroup(kMsgLabel, kStaticAtom, kLabel, L"メッセージ", 4, 64));
    c.push_back(InGroup(kMessage, kEditAtom,
                        kChild | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, L"",
                        56, 60, 226, 64, WS_EX_CLIENTEDGE));
    c.push_back({kSoundListNames, kListBoxAtom, WS_CHILD | WS_DISABLED | LBS_NOINTEGRALHEIGHT, L"",
                 8, 208, 121, 33});
    c.push_back({kOKBtn, kButtonAtom, kChild | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, L"設定",
                 128, 212, 75, 20});
    c.push_back({kCanBtn, kButtonAtom, kChild | WS_TABSTOP | BS_PUSHBUTTON, L"キャンセル", 216, 212,
                 75, 20});
    c.push_back({kGroupBox1, kButtonAtom, kChild | WS_CLIPSIBLINGS | BS_GROUPBOX, L"", kGroupLeft,
                 kGroupTop, 289, 129});
    c.push_back(
        {kTabControl1, WC_TABCONTROLW,
         kChild | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS | (form_.tabRows ? TCS_MULTILINE : 0),
         L"", kTabLeft, kTabTop, 305, 173});
    return c;
}

std::vector<int> TSlotDialog::GroupIds() const {
    std::vector<int> ids{kDateLabel, kTuki, kMonthLabel, kHi, kDayLabel};
    if (form_.hasTime) ids.insert(ids.end(), {kJi, kHourLabel, kHun, kMinuteLabel});
    ids.insert(ids.end(), {kSndLabel, kSoundList, kSndSamplePlay, kMsgLabel, kMessage});
    return ids;
}

void TSlotDialog::LayoutAtScale() {
    for (int id : {kLabel1, kDateLabel, kMonthLabel, kDayLabel, kSndLabel, kMsgLabel})
        SizeToText(hwnd_, id);
    if (form_.hasTime)
        for (int id : {kHourLabel, kMinuteLabel}) SizeToText(hwnd_, id);
    // Every list box shows 20 pixels high (at 96 DPI), whatever the font's
    // own height. Scaled, the opened list's items get the scaled height too,
    // so the dropped height (eight items) holds them whole.
    for (int id : {kTuki, kHi, kJi, kHun, kSoundList}) {
        HWND list = Item(id);
        if (!list) continue;
        ::SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Px(kListBox - 6));
        if (!Scale().IsOne()) ::SendMessageW(list, CB_SETITEMHEIGHT, 0, Px(kItemHeight));
    }
    playPicture_ = LoadScaledGlyphStrip(resources_, L"PlayButton", kPlaySize, kPlaySize, Scale());
}

void TSlotDialog::OnScaleChanged() {
    LayoutAtScale();
    MoveMessageRow();
}

bool TSlotDialog::OnInitDialog() {
    HWND tab = Item(kTabControl1);
    // The slot's controls sit on the dialog, over the tab control, not on a
    // page of their own: drawn without the visual style, the tab's page has
    // the dialog's colour, so no light strips show around them. (A class
    // list of one space names no class; an empty one is ignored by some
    // implementations.)
    ::SetWindowTheme(tab, L" ", L" ");
    SetTabCaptions(tab, {form_.tabs, form_.tabs + form_.tabCount});
    FillCombo(hwnd_, kTuki, MonthItems());
    FillCombo(hwnd_, kHi, *form_.days);
    if (form_.hasTime) {
        FillCombo(hwnd_, kJi, HourItems());
        FillCombo(hwnd_, kHun, MinuteItems());
    }
    FillCombo(hwnd_, kSoundList, *form_.soundItems);
    for (const std::wstring& name : *form_.soundNames)
        ::SendDlgItemMessageW(hwnd_, kSoundListNames, LB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(name.c_str()));
    // No more may be typed than the box shows of a stored message.
    ::SendDlgItemMessageW(hwnd_, kMessage, EM_SETLIMITTEXT, kMessageBoxLimit, 0);
    LayoutAtScale();
    SetClientSize(kClientWidth, kClientHeight);
    CenterOnOwner();
    FormShow();
    return true;  // the focus goes to the first tab stop, the use box
}

void TSlotDialog::FormShow() {
    MoveMessageRow();
    // The buffer was filled from the stage's slots when the dialog was made.
    ::SendDlgItemMessageW(hwnd_, kTabControl1, TCM_SETCURSEL, 0, 0);
    LoadTab();
}

void TSlotDialog::MoveMessageRow() {
    // The hidden sound row leaves room: the message row moves up into it and
    // its box grows by as much, keeping its bottom.
    const RECT sndLabel = PlaceInParent(Item(kSndLabel));
    const RECT msgLabel = PlaceInParent(Item(kMsgLabel));
    ::SetWindowPos(Item(kMsgLabel), nullptr, msgLabel.left, sndLabel.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT soundList = PlaceInParent(Item(kSoundList));
    const RECT message = PlaceInParent(Item(kMessage));
    ::SetWindowPos(Item(kMessage), nullptr, message.left, soundList.top,
                   message.right - message.left, message.bottom - soundList.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

int TSlotDialog::CurrentTab() const {
    return static_cast<int>(::SendDlgItemMessageW(hwnd_, kTabControl1, TCM_GETCURSEL, 0, 0));
}

void TSlotDialog::LoadTab() {
    const SlotControls c = BufferTab(CurrentTab());
    SetChecked(hwnd_, kUseFlagCB, c.useFlag);
    SelectCombo(hwnd_, kTuki, c.tuki);
    SelectCombo(hwnd_, kHi, c.hi);
    if (form_.hasTime) {
        SelectCombo(hwnd_, kJi, c.ji);
        SelectCombo(hwnd_, kHun, c.hun);
    }
    SelectCombo(hwnd_, kSoundList, c.sound);
    SetControlText(hwnd_, kMessage, c.message);
    ::EnableWindow(Item(kSndSamplePlay), c.PlayEnabled());
    SetGroupEnabled(c.useFlag);
}

void TSlotDialog::SaveTab() {
    SlotControls c;
    c.useFlag = IsChecked(hwnd_, kUseFlagCB);
    c.tuki = ComboSelection(hwnd_, kTuki);
    c.hi = ComboSelection(hwnd_, kHi);
    if (form_.hasTime) {
        c.ji = ComboSelection(hwnd_, kJi);
        c.hun = ComboSelection(hwnd_, kHun);
    }
    c.sound = ComboSelection(hwnd_, kSoundList);
    c.message = ControlText(hwnd_, kMessage);
    StoreTab(CurrentTab(), c);
}

void TSlotDialog::TabControl1Changing() { SaveTab(); }

void TSlotDialog::TabControl1Change() { LoadTab(); }

void TSlotDialog::UseFlagCBClick() { SetGroupEnabled(IsChecked(hwnd_, kUseFlagCB)); }

void TSlotDialog::SoundListChange() {
    ::EnableWindow(Item(kSndSamplePlay), ComboSelection(hwnd_, kSoundList) > 0);
}

void TSlotDialog::SndSamplePlayClick() {
    // Item k of the list stands for the form's sound name k, as in the hidden list box.
    const int position = ComboSelection(hwnd_, kSoundList);
    const std::vector<std::wstring>& names = *form_.soundNames;
    if (position < 0 || static_cast<size_t>(position) >= names.size()) return;
    if (play_) play_(names[static_cast<size_t>(position)]);
}

void TSlotDialog::OKBtnClick() { SaveTab(); }

void TSlotDialog::SetGroupEnabled(bool enabled) {
    const HWND focus = ::GetFocus();
    EnableGroup(hwnd_, GroupIds(), enabled);
    // A field greyed out under the keyboard focus loses it (Ctrl+Tab from a
    // field onto an unused slot): the use box takes it, so keys still work.
    if (focus && ::IsChild(hwnd_, focus) && !::IsWindowEnabled(focus))
        ::SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(kUseFlagCB)), TRUE);
}

void TSlotDialog::SwitchTab(int t) {
    if (t == CurrentTab()) return;
    TabControl1Changing();
    ::SendDlgItemMessageW(hwnd_, kTabControl1, TCM_SETCURSEL, static_cast<WPARAM>(t), 0);
    TabControl1Change();
}

bool TSlotDialog::OnOK() {
    OKBtnClick();
    return true;
}

bool TSlotDialog::OnCommand(int id, int code, HWND) {
    if (id == kUseFlagCB && code == BN_CLICKED) {
        UseFlagCBClick();
        return true;
    }
    if (id == kSoundList && code == CBN_SELCHANGE) {
        SoundListChange();
        return true;
    }
    if (id == kSndSamplePlay && code == BN_CLICKED) {
        SndSamplePlayClick();
        return true;
    }
    return false;
}

LRESULT TSlotDialog::OnNotify(const NMHDR& notice) {
    if (notice.idFrom != static_cast<UINT_PTR>(kTabControl1)) return 0;
    if (notice.code == TCN_SELCHANGING) {
        TabControl1Changing();
        return FALSE;  // the change is always allowed
    }
    if (notice.code == TCN_SELCHANGE) TabControl1Change();
    return 0;
}

bool TSlotDialog::OnDialogKey(const MSG& key) {
    // Ctrl+Tab and Ctrl+PageDown go to the next tab, with Shift or PageUp to
    // the one before, wherever the focus is.
    if (key.message != WM_KEYDOWN || !(::GetKeyState(VK_CONTROL) & 0x8000)) return false;
    int step = 0;
    if (key.wParam == VK_TAB) step = (::GetKeyState(VK_SHIFT) & 0x8000) ? -1 : 1;
    if (key.wParam == VK_NEXT) step = 1;
    if (key.wParam == VK_PRIOR) step = -1;
    if (step == 0) return false;
    SwitchTab((CurrentTab() + step + form_.tabCount) % form_.tabCount);
    return true;
}

INT_PTR TSlotDialog::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DRAWITEM && wParam == static_cast<WPARAM>(kSndSamplePlay)) {
        DrawPlayButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }

    return ModalDialog::HandleMessage(msg, wParam, lParam);
}

void TSlotDialog::DrawPlayButton(const DRAWITEMSTRUCT& item) {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    RECT face = item.rcItem;
    ::DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    const int state = disabled ? kPlayDisabled : pressed ? kPlayPressed : kPlayNormal;
    const int size = Px(kPlaySize);
    const int shift = pressed ? Px(1) : 0;
    const int x = (item.rcItem.right - item.rcItem.left - size) / 2 + shift;
    const int y = (item.rcItem.bottom - item.rcItem.top - size) / 2 + shift;
    if (playPicture_) ::ImageList_Draw(playPicture_.get(), state, item.hDC, x, y, ILD_TRANSPARENT);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -Px(3), -Px(3));
        ::DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace velmira
