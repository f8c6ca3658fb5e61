#pragma once
// TYotei: the schedule dialog "予定設定". One tab per schedule slot: whether
// it is in use, month ("**" every month), day ("**" every day), hour, minute
// in fives, and the message. "設定" hands all three slots back; "キャンセル"
// none.

#include <windows.h>

#include <array>

#include "reminders/reminder_slots.h"
#include "reminders/slot_edit.h"
#include "reminders/win/slot_dialog.h"

namespace velmira {

class TYotei : public TSlotDialog {
public:
    TYotei(HWND owner, const std::array<ScheduleEntry, kSlotCount>& slots, PlaySound play);

    // The slots as edited; what the stage takes after ShowModal returns true.
    std::array<ScheduleEntry, kSlotCount> Slots() const { return buffer_.Slots(); }

private:
    SlotControls BufferTab(int t) const override { return buffer_.LoadTab(t); }
    void StoreTab(int t, const SlotControls& controls) override { buffer_.SaveTab(t, controls); }

    YoteiEditBuffer buffer_;
};

}  // namespace velmira
