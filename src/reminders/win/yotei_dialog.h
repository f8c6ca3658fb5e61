#pragma once
// TYotei: the schedule dialog "予定設定". One tab per schedule slot: whether
// it is in use, month ("**" every month), day ("**" every day), hour, minute
// in fives, and the message. "設定" hands all three slots back; "キャンセル"
// none.

#include <windows.h>

#include "reminders/win/slot_dialog.h"

namespace velmira {

class TYotei : public TSlotDialogWith<YoteiEditBuffer, ScheduleEntry> {
public:
    TYotei(HWND owner, HINSTANCE resources, const SlotArray& slots, PlaySound play);
};

}  // namespace velmira
