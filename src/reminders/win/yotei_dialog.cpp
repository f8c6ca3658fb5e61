#include "reminders/win/yotei_dialog.h"

#include <utility>

namespace velmira {

namespace {

// One tab per slot: a list of another length does not compile.
constexpr const wchar_t* kTabs[] = {L"予定1", L"予定2", L"予定3"};
static_assert(sizeof(kTabs) / sizeof(kTabs[0]) == kScheduleSlots, "one tab caption per slot");

const TSlotDialog::Form& YoteiForm() {
    static const TSlotDialog::Form form{L"予定設定",
                                        L"予定を設定してください",
                                        L"この予定を使用する",
                                        kTabs,
                                        kScheduleSlots,
                                        false,
                                        true,
                                        &ScheduleDayItems(),
                                        &ScheduleSoundItems(),
                                        &ScheduleSoundNames()};
    return form;
}

}  // namespace

TYotei::TYotei(HWND owner, HINSTANCE resources, const SlotArray& slots, PlaySound play)
    : TSlotDialogWith(owner, resources, YoteiForm(), slots, std::move(play)) {}

}  // namespace velmira
