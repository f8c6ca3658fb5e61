#include "reminders/win/yotei_dialog.h"

#include <utility>

namespace velmira {

namespace {

const TSlotDialog::Form& YoteiForm() {
    static const TSlotDialog::Form form{L"予定設定",
                                        L"予定を設定してください",
                                        L"この予定を使用する",
                                        {L"予定1", L"予定2", L"予定3"},
                                        false,
                                        true,
                                        &ScheduleDayItems(),
                                        &ScheduleSoundItems(),
                                        &ScheduleSoundNames()};
    return form;
}

}  // namespace

TYotei::TYotei(HWND owner, const SlotArray& slots, PlaySound play)
    : TSlotDialogWith(owner, YoteiForm(), slots, std::move(play)) {}

}  // namespace velmira
