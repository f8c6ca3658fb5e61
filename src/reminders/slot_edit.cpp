#include "reminders/slot_edit.h"

#include "reminders/time_code.h"

namespace velmira {

namespace {

std::vector<std::wstring> Numbers(int first, int last, int step, const wchar_t* lead = nullptr) {
    std::vector<std::wstring> items;
    if (lead) items.emplace_back(lead);
    for (int n = first; n <= last; n += step) items.push_back(std::to_wstring(n));
    return items;
}

wchar_t FoldAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c; }

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

bool ValidTab(int t, int count) { return t >= 0 && t < count; }

// The list position showing `value`, -1 when the list has no such item.
int PositionIn(int value, int first, int last, int offset = 0) {
    return (value >= first && value <= last) ? value - offset : -1;
}

std::wstring SoundNameAt(const std::vector<std::wstring>& names, int position) {
    return (position > 0 && position < static_cast<int>(names.size())) ? names[position]
                                                                       : std::wstring();
}

// The sound a tab gives back: the stored name, unless another item was
// picked. A name the list does not offer (a file in SOUND_DATA, named by
// hand) shows as "なし" and is kept as it stands.
std::wstring SavedSound(const std::vector<std::wstring>& names, const std::wstring& stored,
                        int position) {
    return position == SoundPosition(names, stored) ? stored : SoundNameAt(names, position);
}

// The message a tab gives back: the stored one while the box still shows
// what it was given, else the box's text.
std::wstring SavedMessage(const std::wstring& stored, const std::wstring& box) {
    return box == MessageShown(stored) ? stored : box;
}

}  // namespace

std::wstring MessageShown(const std::wstring& message) {
    if (message.size() <= kMessageBoxLimit) return message;
    size_t cut = kMessageBoxLimit;
    const wchar_t last = message[cut - 1];
    if ((last >= 0xD800 && last <= 0xDBFF) || (last == L'\r' && message[cut] == L'\n')) --cut;
    return message.substr(0, cut);
}

const std::vector<std::wstring>& MonthItems() {
    static const std::vector<std::wstring> items = Numbers(1, 12, 1, L"**");
    return items;
}

const std::vector<std::wstring>& ScheduleDayItems() {
    static const std::vector<std::wstring> items = Numbers(1, 31, 1, L"**");
    return items;
}

const std::vector<std::wstring>& AnniversaryDayItems() {
    static const std::vector<std::wstring> items = Numbers(1, 31, 1);
    return items;
}

const std::vector<std::wstring>& HourItems() {
    static const std::vector<std::wstring> items = Numbers(0, 23, 1);
    return items;
}

const std::vector<std::wstring>& MinuteItems() {
    static const std::vector<std::wstring> items = Numbers(0, 55, 5);
    return items;
}

const std::vector<std::wstring>& ScheduleSoundItems() {
    static const std::vector<std::wstring> items{L"なし", L"さあ！　練習を始めよう！",
                                                 L"遅かったじゃない", L"え～っ!!", L"こんばんは"};
    return items;
}

const std::vector<std::wstring>& ScheduleSoundNames() {
    static const std::vector<std::wstring> names{L"", L"Snd_Jikan1", L"Snd_Jikan2", L"Snd_Jikan3",
                                                 L"Snd_Jikan4"};
    return names;
}

const std::vector<std::wstring>& AnniversarySoundItems() {
    static const std::vector<std::wstring> items{L"なし", L"おぼえてない？", L"え…えっとぉ……",
                                                 L"秘密だよ！"};
    return items;
}

const std::vector<std::wstring>& AnniversarySoundNames() {
    static const std::vector<std::wstring> names{L"", L"Snd_Kinenbi1", L"Snd_Kinenbi2",
                                                 L"Snd_Kinenbi3"};
    return names;
}

int SoundPosition(const std::vector<std::wstring>& names, const std::wstring& name) {
    for (size_t i = 0; i < names.size(); ++i)
        if (SameName(names[i], name)) return static_cast<int>(i);
    return 0;
}

YoteiEditBuffer YoteiEditBuffer::From(
    const std::array<ScheduleEntry, YoteiEditBuffer::kSlots>& slots) {
    YoteiEditBuffer b;
    for (int i = 0; i < kSlots; ++i) {
        const ScheduleEntry& slot = slots[i];
        const TimeCodeFields f = FieldsOf(slot.Yotei);
        b.editMessages[i] = slot.message;
        b.editSounds[i] = slot.sound;
        b.editInUse[i] = ScheduleInUse(slot.Yotei);
        b.editMonths[i] = f.month;
        b.editDays[i] = f.day;
        b.editHours[i] = f.hour;
        b.editMinutes[i] = f.minute;
    }
    return b;
}

std::array<ScheduleEntry, YoteiEditBuffer::kSlots> YoteiEditBuffer::Slots() const {
    std::array<ScheduleEntry, YoteiEditBuffer::kSlots> slots;
    for (int i = 0; i < kSlots; ++i) {
        slots[i].message = editMessages[i];
        slots[i].sound = editSounds[i];
        slots[i].Yotei =
            ScheduleWord(editMonths[i], editDays[i], editHours[i], editMinutes[i], editInUse[i]);
    }
    return slots;
}

SlotControls YoteiEditBuffer::LoadTab(int t) const {
    SlotControls c;
    if (!ValidTab(t, kSlots)) return c;
    c.useFlag = editInUse[t];
    c.tuki = PositionIn(editMonths[t], 0, 12);
    c.hi = PositionIn(editDays[t], 0, 31);
    c.ji = PositionIn(editHours[t], 0, 23);
    // The item that reads as the minute; a minute between the fives has none.
    const std::vector<std::wstring>& minutes = MinuteItems();
    for (size_t i = 0; i < minutes.size(); ++i)
        if (minutes[i] == std::to_wstring(editMinutes[t])) c.hun = static_cast<int>(i);
    c.sound = SoundPosition(ScheduleSoundNames(), editSounds[t]);
    c.message = MessageShown(editMessages[t]);
    return c;
}

void YoteiEditBuffer::SaveTab(int t, const SlotControls& c) {
    if (!ValidTab(t, kSlots)) return;
    editInUse[t] = c.useFlag;
    if (c.tuki >= 0) editMonths[t] = c.tuki;
    if (c.hi >= 0) editDays[t] = c.hi;
    if (c.ji >= 0) editHours[t] = c.ji;
    const std::vector<std::wstring>& minutes = MinuteItems();
    editMinutes[t] =
        (c.hun >= 0 && c.hun < static_cast<int>(minutes.size())) ? std::stoi(minutes[c.hun]) : 0;
    editSounds[t] = SavedSound(ScheduleSoundNames(), editSounds[t], c.sound);
    editMessages[t] = SavedMessage(editMessages[t], c.message);
}

KinenbiEditBuffer KinenbiEditBuffer::From(
    const std::array<AnniversaryEntry, KinenbiEditBuffer::kSlots>& slots) {
    KinenbiEditBuffer b;
    for (int i = 0; i < kSlots; ++i) {
        const AnniversaryEntry& slot = slots[i];
        b.editMessages[i] = slot.message;
        b.editSounds[i] = slot.sound;
        b.editInUse[i] = AnniversaryInUse(slot.KiTuki);
        b.editMonths[i] = AnniversaryMonth(slot.KiTuki);
        b.editDays[i] = slot.KiHi;
    }
    return b;
}

std::array<AnniversaryEntry, KinenbiEditBuffer::kSlots> KinenbiEditBuffer::Slots() const {
    std::array<AnniversaryEntry, KinenbiEditBuffer::kSlots> slots;
    for (int i = 0; i < kSlots; ++i) {
        slots[i].message = editMessages[i];
        slots[i].sound = editSounds[i];
        const uint32_t month = static_cast<uint32_t>(editMonths[i]) & 0xFFu;
        slots[i].KiTuki = static_cast<uint16_t>(month | (editInUse[i] ? 0x100u : 0u));
        slots[i].KiHi = static_cast<int8_t>(static_cast<uint8_t>(editDays[i] & 0xFF));
    }
    return slots;
}

SlotControls KinenbiEditBuffer::LoadTab(int t) const {
    SlotControls c;
    if (!ValidTab(t, kSlots)) return c;
    c.useFlag = editInUse[t];
    c.tuki = PositionIn(editMonths[t], 0, 12);
    c.hi = PositionIn(editDays[t], 1, 31, 1);
    c.sound = SoundPosition(AnniversarySoundNames(), editSounds[t]);
    c.message = MessageShown(editMessages[t]);
    return c;
}

void KinenbiEditBuffer::SaveTab(int t, const SlotControls& c) {
    if (!ValidTab(t, kSlots)) return;
    editInUse[t] = c.useFlag;
    if (c.tuki >= 0) editMonths[t] = c.tuki;
    editDays[t] = c.hi >= 0 ? c.hi + 1 : 0;
    editSounds[t] = SavedSound(AnniversarySoundNames(), editSounds[t], c.sound);
    editMessages[t] = SavedMessage(editMessages[t], c.message);
}

}  // namespace velmira
