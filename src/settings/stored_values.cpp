#include "settings/stored_values.h"

#include <algorithm>
#include <vector>

#include "base/her_size.h"

namespace velmira {

namespace {

using K = StoredKind;
using R = StoredRead;

// In the order of reading: name, kind, field, what a failing read ends, the
// place in the order of writing.
constexpr StoredValueRow kRows[] = {
    {L"AnaDigi", K::Bool, &SettingsField<&StageSettings::AnaDigi>, R::InTurn, 1},
    {L"StayOnTop", K::Bool, &SettingsField<&StageSettings::StayOnTop>, R::InTurn, 2},
    {L"FormLeft", K::Integer, &SettingsField<&StageSettings::FormLeft>, R::InTurn, 3},
    {L"FormTop", K::Integer, &SettingsField<&StageSettings::FormTop>, R::InTurn, 4},
    {L"kiMes", K::Text, &AnniversaryField<&AnniversaryEntry::message>, R::PerSlot, 6},
    {L"yoMes", K::Text, &ScheduleField<&ScheduleEntry::message>, R::PerSlot, 6},
    {L"kiSnd", K::Text, &AnniversaryField<&AnniversaryEntry::sound>, R::PerSlot, 6},
    {L"yoSnd", K::Text, &ScheduleField<&ScheduleEntry::sound>, R::PerSlot, 6},
    {L"KiTuki", K::MonthWord, &AnniversaryField<&AnniversaryEntry::KiTuki>, R::PerSlot, 6},
    {L"KiHi", K::Day, &AnniversaryField<&AnniversaryEntry::KiHi>, R::PerSlot, 6},
    {L"Yotei", K::Integer, &ScheduleField<&ScheduleEntry::Yotei>, R::PerSlot, 6},
    {L"lastYotei", K::Integer, &RemindersField<&ReminderSlots::lastYotei>, R::InTurn, 0},
    {L"samiLim", K::Integer, &SettingsField<&StageSettings::samiLim>, R::InTurn, 5},
    {L"ThreadPrio", K::Integer, &SettingsField<&StageSettings::ThreadPrio>, R::InTurn, 7},
    {L"DigiAMPM", K::Bool, &SettingsField<&StageSettings::DigiAMPM>, R::InTurn, 8},
    {L"ClickThrough", K::Bool, &SettingsField<&StageSettings::ClickThrough>, R::Own, 9,
     Range(0, 1)},
    {L"Opacity", K::Integer, &SettingsField<&StageSettings::Opacity>, R::Own, 9,
     OneOf({100, 80, 60, 40})},
    {L"SizePct", K::Integer, &SettingsField<&StageSettings::SizePct>, R::Own, 9, OneOf(kHerSizes)},
    {L"ShowInTaskbar", K::Bool, &SettingsField<&StageSettings::ShowInTaskbar>, R::Own, 9,
     Range(0, 1)},
    {L"Mute", K::Bool, &SettingsField<&StageSettings::Mute>, R::Own, 9, Range(0, 1)},
};

constexpr bool RowsAreWellFormed() {
    for (const StoredValueRow& row : kRows) {
        if (row.field.index() != static_cast<size_t>(row.kind)) return false;
        // Only an Own row checks what it reads, and never a text.
        if (!row.valid.Any() && (row.read != R::Own || row.kind == K::Text)) return false;
    }
    return true;
}
static_assert(RowsAreWellFormed(), "each row's field has its kind's type; only Own rows check");

// The stored form takes slot i of both kinds together (kiMes0, yoMes0, ...).
static_assert(kAnniversarySlots == kScheduleSlots, "the stored form pairs the slots");
constexpr int kSlots = kScheduleSlots;

const StoredValueTable kTable{kRows, sizeof(kRows) / sizeof(kRows[0])};

std::wstring NameOf(const StoredValueRow& row, int slot) {
    return row.read == R::PerSlot ? SlotValueName(row.name, slot) : std::wstring(row.name);
}

template <typename T>
T& FieldOf(const StoredValueRow& row, StageSettings& settings, int slot) {
    return std::get<FieldReach<T>>(row.field)(settings, slot);
}

bool ReadRow(SettingsStore& store, const StoredValueRow& row, int slot, StageSettings& s) {
    const std::wstring name = NameOf(row, slot);
    if (row.kind == K::Text) return store.ReadText(name, FieldOf<std::wstring>(row, s, slot));
    int32_t stored = 0;
    if (!store.ReadInteger(name, stored) || !row.valid.Holds(stored)) return false;
    const auto bits = static_cast<uint32_t>(stored);
    switch (row.kind) {
        case K::Bool:
            FieldOf<bool>(row, s, slot) = stored != 0;
            break;
        case K::Integer:
            FieldOf<int32_t>(row, s, slot) = stored;
            break;
        case K::MonthWord:
            FieldOf<uint16_t>(row, s, slot) = static_cast<uint16_t>(bits & 0xFFFFu);
            break;
        case K::Day:
            FieldOf<int8_t>(row, s, slot) = static_cast<int8_t>(static_cast<uint8_t>(bits & 0xFFu));
            break;
        case K::Text:
            break;
    }
    return true;
}

bool WriteRow(SettingsStore& store, const StoredValueRow& row, int slot, StageSettings& s) {
    const std::wstring name = NameOf(row, slot);
    switch (row.kind) {
        case K::Bool:
            return store.WriteInteger(name, FieldOf<bool>(row, s, slot) ? 1 : 0);
        case K::Integer:
            return store.WriteInteger(name, FieldOf<int32_t>(row, s, slot));
        case K::Text:
            return store.WriteText(name, FieldOf<std::wstring>(row, s, slot));
        case K::MonthWord:  // zero-extended
            return store.WriteInteger(name, static_cast<int32_t>(FieldOf<uint16_t>(row, s, slot)));
        case K::Day:  // sign-extended
            return store.WriteInteger(name, static_cast<int32_t>(FieldOf<int8_t>(row, s, slot)));
    }
    return false;
}

// The default is what fresh settings hold: one place for it, the field's own.
void SetDefault(const StoredValueRow& row, int slot, StageSettings& s) {
    StageSettings fresh;
    std::visit([&](auto reach) { reach(s, slot) = reach(fresh, slot); }, row.field);
}

using RowList = std::vector<const StoredValueRow*>;

RowList RowsOf(const StoredValueTable& table) {
    RowList rows;
    for (const StoredValueRow& row : table) rows.push_back(&row);
    return rows;
}

// The end of the run of PerSlot rows that starts at `first`.
size_t SlotRunEnd(const RowList& rows, size_t first) {
    size_t end = first;
    while (end < rows.size() && rows[end]->read == R::PerSlot) ++end;
    return end;
}

// One slot of the run [first, end); the first failing read ends it.
void ReadSlot(SettingsStore& store, const RowList& rows, size_t first, size_t end, int slot,
              StageSettings& s) {
    for (size_t k = first; k < end; ++k)
        if (!ReadRow(store, *rows[k], slot, s)) return;
}

}  // namespace

std::wstring SlotValueName(const wchar_t* baseName, int slot) {
    return std::wstring(baseName) + static_cast<wchar_t>(L'0' + slot);
}

const StoredValueTable& StoredValues() { return kTable; }

void LoadStoredValues(SettingsStore& store, const StoredValueTable& table, StageSettings& s) {
    const RowList rows = RowsOf(table);
    bool inTurnEnded = false;
    for (size_t i = 0; i < rows.size();) {
        const StoredValueRow& row = *rows[i];
        if (row.read == R::PerSlot) {
            const size_t end = SlotRunEnd(rows, i);
            if (!inTurnEnded)
                for (int slot = 0; slot < kSlots; ++slot) ReadSlot(store, rows, i, end, slot, s);
            i = end;
            continue;
        }
        if (row.read == R::Own) {
            if (!ReadRow(store, row, 0, s)) SetDefault(row, 0, s);
        } else if (!inTurnEnded && !ReadRow(store, row, 0, s)) {
            inTurnEnded = true;
        }
        ++i;
    }
}

bool SaveStoredValues(SettingsStore& store, const StoredValueTable& table, StageSettings s) {
    RowList rows = RowsOf(table);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const StoredValueRow* a, const StoredValueRow* b) {
                         return a->saveOrder < b->saveOrder;
                     });
    for (size_t i = 0; i < rows.size();) {
        if (rows[i]->read != R::PerSlot) {
            if (!WriteRow(store, *rows[i], 0, s)) return false;
            ++i;
            continue;
        }
        const size_t end = SlotRunEnd(rows, i);
        for (int slot = 0; slot < kSlots; ++slot)
            for (size_t k = i; k < end; ++k)
                if (!WriteRow(store, *rows[k], slot, s)) return false;
        i = end;
    }
    return true;
}

}  // namespace velmira
