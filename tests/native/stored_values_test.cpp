// The walk of a table of stored values: rows read on their own with their
// valid values, of each kind, and the order a save writes rows and slots in.
// The program's own table is checked through LoadSettings and SaveSettings.
#include "settings/stored_values.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "memory_store.h"

namespace velmira {
namespace {

using test::MemoryStore;
using K = StoredKind;
using R = StoredRead;

const std::wstring kKey = L"SOFTWARE\\Test";

// One row of each kind, read on its own, on fields whose defaults differ from
// what the settings hold before the load.
const StoredValueRow kOwnRows[] = {
    {L"ownBool", K::Bool, &SettingsField<&StageSettings::StayOnTop>, R::Own, 0, Range(0, 1)},
    {L"ownInt", K::Integer, &SettingsField<&StageSettings::samiLim>, R::Own, 0,
     OneOf({600, 1200, 14400})},
    {L"ownText", K::Text, &ScheduleField<&ScheduleEntry::message>, R::Own, 0},
    {L"ownMonth", K::MonthWord, &AnniversaryField<&AnniversaryEntry::KiTuki>, R::Own, 0,
     Range(0, 0x10C)},
    {L"ownDay", K::Day, &AnniversaryField<&AnniversaryEntry::KiHi>, R::Own, 0, Range(1, 31)},
};
const StoredValueTable kOwnTable{kOwnRows, sizeof(kOwnRows) / sizeof(kOwnRows[0])};

StageSettings BeforeTheLoad() {
    StageSettings s;
    s.StayOnTop = true;
    s.samiLim = 7;
    s.reminders.schedules[0].message = L"old";
    s.reminders.anniversaries[0].KiTuki = 0x105;
    s.reminders.anniversaries[0].KiHi = 9;
    return s;
}

// A row's field as text, whatever its type.
std::wstring FieldText(const StoredValueRow& row, StageSettings& s) {
    return std::visit(
        [&](auto reach) {
            const auto& value = reach(s, 0);
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::wstring>) {
                return value;
            } else {
                return std::to_wstring(static_cast<int64_t>(value));
            }
        },
        row.field);
}

TEST(StoredValuesOwnRow, TakesAValidValueAndGivesItsDefaultOtherwise) {
    constexpr uint32_t kNone = 0xDEADBEEF;  // the value is not stored at all
    struct Case {
        size_t row;
        uint32_t dword;       // stored as a REG_DWORD, unless kNone
        const wchar_t* text;  // stored as a REG_SZ when not null
        const wchar_t* expected;
    } const cases[] = {
        {0, 0, nullptr, L"0"},      {0, 1, nullptr, L"1"},        {0, 2, nullptr, L"0"},
        {0, kNone, L"1", L"0"},     {0, kNone, nullptr, L"0"},    {1, 1200, nullptr, L"1200"},
        {1, 601, nullptr, L"3600"}, {1, kNone, nullptr, L"3600"}, {2, kNone, L"new", L"new"},
        {2, kNone, nullptr, L""},   {2, 5, nullptr, L""},         {3, 0x10C, nullptr, L"268"},
        {3, 0x10D, nullptr, L"0"},  {3, 0x1010C, nullptr, L"0"},  {4, 31, nullptr, L"31"},
        {4, 0, nullptr, L"1"},      {4, 32, nullptr, L"1"},       {4, 0xFFFFFFFF, nullptr, L"1"},
        {4, kNone, L"12", L"1"},
    };
    for (const Case& c : cases) {
        const StoredValueRow& row = kOwnRows[c.row];
        SCOPED_TRACE(std::wstring(row.name) + L" " + std::to_wstring(c.dword));
        MemoryStore m;
        if (c.dword != kNone) m.PutDword(kKey, row.name, c.dword);
        if (c.text) m.PutText(kKey, row.name, c.text);
        ASSERT_TRUE(m.OpenOrCreate(kKey));
        StageSettings s = BeforeTheLoad();
        LoadStoredValues(m, kOwnTable, s);
        EXPECT_EQ(FieldText(row, s), c.expected);
        EXPECT_EQ(m.queryLog.size(), sizeof(kOwnRows) / sizeof(kOwnRows[0])) << "nothing ends";
    }
}

TEST(StoredValuesSave, WritesBySaveOrderAndTheSlotRowsSlotBySlot) {
    const StoredValueRow rows[] = {
        {L"late", K::Integer, &SettingsField<&StageSettings::samiLim>, R::InTurn, 2},
        {L"x", K::Text, &AnniversaryField<&AnniversaryEntry::message>, R::PerSlot, 1},
        {L"y", K::Day, &AnniversaryField<&AnniversaryEntry::KiHi>, R::PerSlot, 1},
        {L"early", K::Bool, &SettingsField<&StageSettings::AnaDigi>, R::Own, 0},
        {L"tie", K::MonthWord, &AnniversaryField<&AnniversaryEntry::KiTuki>, R::InTurn, 2},
    };
    MemoryStore m;
    ASSERT_TRUE(m.OpenOrCreate(kKey));
    EXPECT_TRUE(SaveStoredValues(m, StoredValueTable{rows, 5}, StageSettings{}));
    EXPECT_EQ(m.writeLog, (std::vector<std::wstring>{L"early", L"x0", L"y0", L"x1", L"y1", L"x2",
                                                     L"y2", L"late", L"tie"}));
}

}  // namespace
}  // namespace velmira
