#include "reminders/win/kinenbi_dialog.h"

#include <utility>

namespace velmira {

namespace {

const TSlotDialog::Form& KinenbiForm() {
    // No hour and no minute; the tabs may wrap into several rows.
    static const TSlotDialog::Form form{L"記念日設定",
                                        L"記念日を設定してください",
                                        L"この記念日を使用する",
                                        {L"記念日1", L"記念日2", L"記念日3"},
                                        true,
                                        false,
                                        &AnniversaryDayItems(),
                                        &AnniversarySoundItems(),
                                        &AnniversarySoundNames()};
    return form;
}

}  // namespace

TKinenbi::TKinenbi(HWND owner, const SlotArray& slots, PlaySound play)
    : TSlotDialogWith(owner, KinenbiForm(), slots, std::move(play)) {}

}  // namespace velmira
