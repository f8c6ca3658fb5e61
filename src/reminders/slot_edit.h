#pragma once
// The edit buffers of the schedule and anniversary dialogs: a private copy of
// the three slots, what each tab's controls show for it, and the slots the
// buffer turns back into. The dialogs only copy a SlotControls to their
// controls and back. Portable: no Windows headers.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reminders/reminder_slots.h"

namespace velmira {

// The message box holds at most this many characters: what it shows of a
// longer message (only hand-edited settings hold one; the balloon shows a
// few lines of it) and what the user may type. The platform's edit control
// wraps a paragraph in time that grows with its length squared.
constexpr size_t kMessageBoxLimit = 4096;

// What the message box shows of `message`: all of it, or its first
// kMessageBoxLimit characters, never ending inside a surrogate pair or a CR LF.
std::wstring MessageShown(const std::wstring& message);

// What one tab's controls hold: the list positions (-1 = no selection) and
// the texts. Hour and minute are -1 in the anniversary dialog, which has none.
struct SlotControls {
    bool useFlag = false;
    int tuki = -1;
    int hi = -1;
    int ji = -1;
    int hun = -1;
    int sound = 0;  // position in the sound list; 0 is "なし"
    // The message box's text. Given back unchanged, the stored message stays
    // whole, the part the box did not show included.
    std::wstring message;

    // The preview button works only for a real sound.
    bool PlayEnabled() const { return sound > 0; }
};

// The items of the dialogs' lists.
const std::vector<std::wstring>& MonthItems();           // "**", "1" … "12"
const std::vector<std::wstring>& ScheduleDayItems();     // "**", "1" … "31"
const std::vector<std::wstring>& AnniversaryDayItems();  // "1" … "31"
const std::vector<std::wstring>& HourItems();            // "0" … "23"
const std::vector<std::wstring>& MinuteItems();          // "0", "5" … "55"
// What the sound list shows, and the sound name behind each of its items.
const std::vector<std::wstring>& ScheduleSoundItems();
const std::vector<std::wstring>& ScheduleSoundNames();
const std::vector<std::wstring>& AnniversarySoundItems();
const std::vector<std::wstring>& AnniversarySoundNames();

// The position of `name` in `names`, letter case aside; 0 ("なし") when it
// is not there.
int SoundPosition(const std::vector<std::wstring>& names, const std::wstring& name);

// The schedule dialog's buffer, one entry per slot.
struct YoteiEditBuffer {
    static constexpr int kSlots = kScheduleSlots;
    std::array<std::wstring, kSlots> editMessages;
    std::array<std::wstring, kSlots> editSounds;
    std::array<int32_t, kSlots> editMonths{};  // 0 = every month
    std::array<int32_t, kSlots> editDays{};    // 0 = every day
    std::array<int32_t, kSlots> editHours{};
    std::array<int32_t, kSlots> editMinutes{};
    std::array<bool, kSlots> editInUse{};

    static YoteiEditBuffer From(const std::array<ScheduleEntry, kSlots>& slots);
    // The slots as the buffer has them; nothing is checked, so a day the
    // month lacks is kept and simply never comes due.
    std::array<ScheduleEntry, kSlots> Slots() const;

    SlotControls LoadTab(int t) const;
    // A minute no item shows is saved as 0; a month, day or hour no item
    // shows keeps its stored value; the stored sound name stays unless
    // another item was picked.
    void SaveTab(int t, const SlotControls& controls);
};

// The anniversary dialog's buffer, one entry per slot.
struct KinenbiEditBuffer {
    static constexpr int kSlots = kAnniversarySlots;
    std::array<std::wstring, kSlots> editMessages;
    std::array<std::wstring, kSlots> editSounds;
    std::array<int32_t, kSlots> editMonths{};  // 0 = every month
    std::array<int32_t, kSlots> editDays{};    // 1..31
    std::array<bool, kSlots> editInUse{};

    static KinenbiEditBuffer From(const std::array<AnniversaryEntry, kSlots>& slots);
    std::array<AnniversaryEntry, kSlots> Slots() const;

    SlotControls LoadTab(int t) const;
    // A day no item shows is saved as 0 (never due); a month no item shows
    // keeps its stored value; the stored sound name stays unless another
    // item was picked.
    void SaveTab(int t, const SlotControls& controls);
};

}  // namespace velmira
