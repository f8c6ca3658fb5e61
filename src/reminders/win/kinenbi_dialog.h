#pragma once
// TKinenbi: the anniversary dialog "記念日設定". One tab per anniversary
// slot: whether it is in use, month ("**" every month), day and the message.
// "設定" hands all three slots back; "キャンセル" none.

#include <windows.h>

#include "reminders/win/slot_dialog.h"

namespace velmira {

class TKinenbi : public TSlotDialogWith<KinenbiEditBuffer, AnniversaryEntry> {
public:
    TKinenbi(HWND owner, HINSTANCE resources, const SlotArray& slots, PlaySound play);
};

}  // namespace velmira
