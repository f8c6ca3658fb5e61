#pragma once
// The values the settings keep in the store, as one table: the field each one
// fills, how it is stored, the order of reading and of writing, and what a
// failing read ends. The load and the save walk the table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>

#include "settings/settings_store.h"
#include "settings/stage_settings.h"

namespace velmira {

// How a value is stored. Every number is a REG_DWORD.
enum class StoredKind {
    Bool,       // 1 or 0; any non-zero reads as true
    Integer,    // signed 32 bits as they are
    Text,       // REG_SZ; a missing one reads as empty
    MonthWord,  // an anniversary's month word: written zero-extended, its low 16 bits read
    Day,        // an anniversary's day: written sign-extended, its low 8 bits read as signed
};

// What a failing read ends.
enum class StoredRead {
    // The first that fails ends the load of every InTurn and PerSlot row after it.
    InTurn,
    // Read for each slot, the slot digit after the name (kiMes0, kiMes1, ...).
    // One that fails ends that slot only.
    PerSlot,
    // Read on its own: one that is missing, mistyped or not among its valid
    // values gives the field its default and ends nothing.
    Own,
};

// "kiMes" and 1 give "kiMes1".
std::wstring SlotValueName(const wchar_t* baseName, int slot);

// Where a row's field lives; a slot row's in the entries of that slot. The
// alternatives run in the order of StoredKind, whose field type each one is.
template <typename T>
using FieldReach = T& (*)(StageSettings&, int slot);
using StoredField = std::variant<FieldReach<bool>, FieldReach<int32_t>, FieldReach<std::wstring>,
                                 FieldReach<uint16_t>, FieldReach<int8_t>>;

template <auto Member>
auto& SettingsField(StageSettings& s, int) {
    return s.*Member;
}
template <auto Member>
auto& RemindersField(StageSettings& s, int) {
    return s.reminders.*Member;
}
template <auto Member>
auto& AnniversaryField(StageSettings& s, int slot) {
    return s.reminders.anniversaries[static_cast<size_t>(slot)].*Member;
}
template <auto Member>
auto& ScheduleField(StageSettings& s, int slot) {
    return s.reminders.schedules[static_cast<size_t>(slot)].*Member;
}

// The stored numbers an Own row takes: a range, or one of a few values.
struct ValidValues {
    int32_t low = INT32_MIN;
    int32_t high = INT32_MAX;
    std::array<int32_t, 8> oneOf{};
    size_t count = 0;  // 0: the range alone decides

    constexpr bool Any() const { return count == 0 && low == INT32_MIN && high == INT32_MAX; }
    constexpr bool Holds(int32_t value) const {
        if (value < low || value > high) return false;
        if (count == 0) return true;
        for (size_t i = 0; i < count; ++i)
            if (oneOf[i] == value) return true;
        return false;
    }
};

constexpr ValidValues Range(int32_t low, int32_t high) {
    ValidValues valid;
    valid.low = low;
    valid.high = high;
    return valid;
}

constexpr ValidValues OneOf(std::initializer_list<int32_t> values) {
    ValidValues valid;
    for (int32_t value : values) valid.oneOf[valid.count++] = value;  // at most 8
    return valid;
}
template <size_t N>
constexpr ValidValues OneOf(const std::array<int32_t, N>& values) {
    static_assert(N <= 8, "at most 8 values");
    ValidValues valid;
    for (int32_t value : values) valid.oneOf[valid.count++] = value;
    return valid;
}

struct StoredValueRow {
    const wchar_t* name;  // a PerSlot row's base name
    StoredKind kind;
    StoredField field;
    StoredRead read;
    // Rows are written by this number, a tie in table order; a run of PerSlot
    // rows is written slot by slot.
    int saveOrder;
    // Checked for Own rows only: the others are taken as stored.
    ValidValues valid = {};
};

// The rows in the order of reading.
struct StoredValueTable {
    const StoredValueRow* rows;
    size_t count;
    const StoredValueRow* begin() const { return rows; }
    const StoredValueRow* end() const { return rows + count; }
};
const StoredValueTable& StoredValues();

// Reads every row it can into `settings`, by the rows' read rules; a field
// whose value is not read keeps what it held. Its key must be open.
void LoadStoredValues(SettingsStore& store, const StoredValueTable& table, StageSettings& settings);

// Writes every row; false at the first failing write, which ends the save.
// Takes a copy: the rows reach their fields through a settings they may change.
bool SaveStoredValues(SettingsStore& store, const StoredValueTable& table, StageSettings settings);

}  // namespace velmira
