#pragma once
// What the schedule and anniversary dialogs share: one tab per slot over one
// set of controls, a private edit buffer behind them (LoadTab and SaveTab
// around every change of tab), the use box that greys out the slot's fields,
// the hidden sound row with its preview, and "設定" that hands the edited
// slots back. Each dialog says only what its form holds and where its buffer
// is.

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/win/dialog_template.h"
#include "base/win/handles.h"
#include "base/win/modal_dialog.h"
#include "reminders/slot_edit.h"

namespace velmira {

class TSlotDialog : public ModalDialog {
public:
    // Plays a sound by name (the stage's PlaySoundByName), for the preview.
    using PlaySound = std::function<bool(const std::wstring& name)>;

    // The controls, by the names of the form.
    static constexpr int kLabel1 = 100;
    static constexpr int kTabControl1 = 101;
    static constexpr int kUseFlagCB = 102;
    static constexpr int kGroupBox1 = 103;
    static constexpr int kDateLabel = 104;  // "日付"
    static constexpr int kTuki = 105;
    static constexpr int kMonthLabel = 106;  // "月"
    static constexpr int kHi = 107;
    static constexpr int kDayLabel = 108;  // "日"
    static constexpr int kJi = 109;
    static constexpr int kHourLabel = 110;  // "時"
    static constexpr int kHun = 111;
    static constexpr int kMinuteLabel = 112;  // "分"
    static constexpr int kSndLabel = 113;
    static constexpr int kSoundList = 114;
    static constexpr int kSndSamplePlay = 115;
    static constexpr int kMsgLabel = 116;
    static constexpr int kMessage = 117;
    static constexpr int kSoundListNames = 118;
    static constexpr int kOKBtn = IDOK;
    static constexpr int kCanBtn = IDCANCEL;

    // At 96 DPI; the dialog's scale multiplies them.
    static constexpr int kClientWidth = 320;
    static constexpr int kClientHeight = 240;

    // What tells the two forms apart.
    struct Form {
        const wchar_t* caption;
        const wchar_t* label1;
        const wchar_t* useFlag;
        const wchar_t* const* tabs;  // one caption per slot
        int tabCount;
        bool tabRows;  // the tabs may wrap into several rows
        bool hasTime;  // hour and minute lists
        const std::vector<std::wstring>* days;
        const std::vector<std::wstring>* soundItems;
        const std::vector<std::wstring>* soundNames;
    };

    // Shows the dialog modally; true when it closed with "設定", and the
    // dialog's slots are then the edited ones.
    bool ShowModal();

protected:
    // `resources` holds the play picture.
    TSlotDialog(HWND owner, HINSTANCE resources, const Form& form, PlaySound play);

    // The buffer entry of tab t as the controls show it, and back.
    virtual SlotControls BufferTab(int t) const = 0;
    virtual void StoreTab(int t, const SlotControls& controls) = 0;

    // ---- the form's handlers
    void FormShow();
    void LoadTab();
    void SaveTab();
    void TabControl1Changing();
    void TabControl1Change();
    void UseFlagCBClick();
    void SoundListChange();
    void SndSamplePlayClick();
    void OKBtnClick();
    void SetGroupEnabled(bool enabled);

    // The selected tab.
    int CurrentTab() const;
    // Moves to tab t the way a click on its header does.
    void SwitchTab(int t);

private:
    bool OnInitDialog() override;
    void OnScaleChanged() override;
    bool OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(const NMHDR& notice) override;
    bool OnDialogKey(const MSG& key) override;
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DrawPlayButton(const DRAWITEMSTRUCT& item);
    // What the dialog sizes itself at its scale: the labels to their text,
    // the lists' heights, the play picture.
    void LayoutAtScale();
    // The message row moved up into the hidden sound row's place.
    void MoveMessageRow();
    std::vector<DialogControl> Controls() const;
    std::vector<int> GroupIds() const;

    HINSTANCE resources_;
    Form form_;
    PlaySound play_;
    UniqueImageList playPicture_;  // normal, disabled, pressed
};

// A slot dialog with its edit buffer: the buffer is filled from the slots
// when the dialog is made and gives the edited slots back.
template <typename Buffer, typename Entry>
class TSlotDialogWith : public TSlotDialog {
public:
    using SlotArray = std::array<Entry, Buffer::kSlots>;

    // The slots as edited; what the stage takes after ShowModal returns true.
    SlotArray Slots() const { return buffer_.Slots(); }

protected:
    TSlotDialogWith(HWND owner, HINSTANCE resources, const Form& form, const SlotArray& slots,
                    PlaySound play)
        : TSlotDialog(owner, resources, form, std::move(play)), buffer_(Buffer::From(slots)) {}

private:
    SlotControls BufferTab(int t) const override { return buffer_.LoadTab(t); }
    void StoreTab(int t, const SlotControls& controls) override { buffer_.SaveTab(t, controls); }

    Buffer buffer_;
};

}  // namespace velmira
