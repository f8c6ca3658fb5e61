#pragma once
// TKinenbi: the anniversary dialog "記念日設定". One tab per anniversary
// slot: whether it is in use, month ("**" every month), day and the message.
// "設定" hands all three slots back; "キャンセル" none.

#include <windows.h>

#include <array>

#include "reminders/reminder_slots.h"
#include "reminders/slot_edit.h"
#include "reminders/win/slot_dialog.h"

namespace velmira {

class TKinenbi : public TSlotDialog {
public:
    TKinenbi(HWND owner, const std::array<AnniversaryEntry, kSlotCount>& slots, PlaySound play);

    // The slots as edited; what the stage takes after ShowModal returns true.
    std::array<AnniversaryEntry, kSlotCount> Slots() const { return buffer_.Slots(); }

private:
    SlotControls BufferTab(int t) const override { return buffer_.LoadTab(t); }
    void StoreTab(int t, const SlotControls& controls) override { buffer_.SaveTab(t, controls); }

    KinenbiEditBuffer buffer_;
};

}  // namespace velmira
