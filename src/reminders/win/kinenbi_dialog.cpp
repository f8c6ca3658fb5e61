#include "reminders/win/kinenbi_dialog.h"

#include <utility>

namespace velmira {

namespace {

// One tab per slot: a list of another length does not compile.
constexpr const wchar_t* kTabs[] = {L"記念日1", L"記念日2", L"記念日3"};
static_assert(sizeof(kTabs) / sizeof(kTabs[0]) == kAnniversarySlots, "one tab caption per slot");

const TSlotDialog::Form& KinenbiForm() {
    // No hour and no minute; the tabs may wrap into several rows.
    static const TSlotDialog::Form form{L"記念日設定",
                                        L"記念日を設定してください",
                                        L"この記念日を使用する",
                                        kTabs,
                                        kAnniversarySlots,
                                        true,
                                        false,
                                        &AnniversaryDayItems(),
                                        &AnniversarySoundItems(),
                                        &AnniversarySoundNames()};
    return form;
}

}  // namespace

TKinenbi::TKinenbi(HWND owner, HINSTANCE resources, const SlotArray& slots, PlaySound play)
    : TSlotDialogWith(owner, resources, KinenbiForm(), slots, std::move(play)) {}

}  // namespace velmira
