// The dialogs' edit buffers: slots in, what each tab's controls show, what
// the controls give back, and the slots that come out. A round trip through
// an untouched tab must give back exactly what was stored; stored values no
// list offers must come back only as the dialogs promise.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "reminders/slot_edit.h"
#include "reminders/time_code.h"

namespace velmira {
namespace {

using Schedules = std::array<ScheduleEntry, kScheduleSlots>;
using Anniversaries = std::array<AnniversaryEntry, kAnniversarySlots>;

// Every slot through From, LoadTab, SaveTab and Slots, as the dialog does
// when the user visits every tab and confirms without changing anything.
template <typename Buffer, typename Slots>
Slots VisitEveryTab(const Slots& in) {
    Buffer b = Buffer::From(in);
    for (int t = 0; t < Buffer::kSlots; ++t) b.SaveTab(t, b.LoadTab(t));
    return b.Slots();
}

TEST(ScheduleEdit, EveryDateAndTimeTheListsOfferSurvivesATab) {
    for (bool inUse : {true, false}) {
        for (int month = 0; month <= 12; ++month)
            for (int day = 0; day <= 31; ++day) {
                Schedules in{};
                in[0].Yotei = ScheduleWord(month, day, (month + day) % 24, (day % 12) * 5, inUse);
                const Schedules out = VisitEveryTab<YoteiEditBuffer>(in);
                ASSERT_EQ(in[0].Yotei, out[0].Yotei) << month << "/" << day << " " << inUse;
            }
        for (int hour = 0; hour < 24; ++hour)
            for (int minute = 0; minute < 60; minute += 5) {
                Schedules in{};
                in[1].Yotei = ScheduleWord(0, 0, hour, minute, inUse);
                ASSERT_EQ(in[1].Yotei, VisitEveryTab<YoteiEditBuffer>(in)[1].Yotei);
            }
    }
}

TEST(ScheduleEdit, EditedTabsComeBackAsSlotsAndUnvisitedOnesAsStored) {
    Schedules in{};
    in[0] = {L"old", L"Snd_Jikan1", ScheduleWord(1, 2, 3, 4, true)};  // minute 4: no item
    in[1] = {L"kept", L"MySound", ScheduleWord(5, 6, 7, 8, true)};
    YoteiEditBuffer b = YoteiEditBuffer::From(in);
    SlotControls c = b.LoadTab(0);
    c.tuki = 0;
    c.hi = 0;
    c.ji = 23;
    c.hun = 11;
    c.sound = 4;
    c.message = L"毎日\r\n夜";
    b.SaveTab(0, c);
    const Schedules out = b.Slots();
    EXPECT_EQ(ScheduleWord(0, 0, 23, 55, true), out[0].Yotei);
    EXPECT_EQ(L"Snd_Jikan4", out[0].sound);
    EXPECT_EQ(L"毎日\r\n夜", out[0].message);
    // A tab never shown keeps even what its lists could not show.
    EXPECT_EQ(in[1].Yotei, out[1].Yotei);
    EXPECT_EQ(L"MySound", out[1].sound);
}

TEST(ScheduleEdit, UnusedSlotKeepsItsDateTimeAndMessage) {
    Schedules in{};
    in[0] = {L"朝", L"Snd_Jikan2", ScheduleWord(12, 31, 23, 55, true)};
    YoteiEditBuffer b = YoteiEditBuffer::From(in);
    SlotControls c = b.LoadTab(0);
    c.useFlag = false;
    b.SaveTab(0, c);
    const Schedules out = b.Slots();
    EXPECT_EQ(ScheduleWord(12, 31, 23, 55, false), out[0].Yotei);
    EXPECT_GE(out[0].Yotei, 0);
    EXPECT_EQ(L"朝", out[0].message);
    EXPECT_EQ(L"Snd_Jikan2", out[0].sound);
}

TEST(ScheduleEdit, StoredValuesNoListOffers) {
    Schedules in{};
    // Minute 7, month 13, day 40, hour 30 and a sound the list lacks, in use.
    in[0] = {L"", L"Snd_Kinenbi1", ScheduleWord(13, 40, 30, 7, true)};
    YoteiEditBuffer b = YoteiEditBuffer::From(in);
    const SlotControls c = b.LoadTab(0);
    EXPECT_EQ(-1, c.tuki);
    EXPECT_EQ(-1, c.hi);
    EXPECT_EQ(-1, c.ji);
    EXPECT_EQ(-1, c.hun);
    EXPECT_EQ(0, c.sound);  // "なし"
    EXPECT_FALSE(c.PlayEnabled());
    b.SaveTab(0, c);
    const Schedules out = b.Slots();
    // The minute is saved as 0; the others keep their bits; still in use.
    EXPECT_EQ(ScheduleWord(13, 40, 30, 0, true), out[0].Yotei);
    EXPECT_EQ(L"Snd_Kinenbi1", out[0].sound) << "a name the list lacks is kept";

    // The highest month the word can hold stays out of the in-use bit.
    Schedules high{};
    high[0].Yotei = static_cast<int32_t>(0x7F000000);
    EXPECT_EQ(static_cast<int32_t>(0x7F000000), VisitEveryTab<YoteiEditBuffer>(high)[0].Yotei);
}

// The box shows the start of a long message, never half a CR LF; left
// unchanged, the whole message comes back; changed, the box's text is it.
TEST(MessageBox, ALongMessageIsShownInPartAndKeptWhole) {
    Schedules in{};
    in[0].message = std::wstring(kMessageBoxLimit - 1, L'あ') + L"\r\n" + std::wstring(9999, L'い');
    YoteiEditBuffer b = YoteiEditBuffer::From(in);
    SlotControls c = b.LoadTab(0);
    EXPECT_EQ(kMessageBoxLimit - 1, c.message.size());
    EXPECT_EQ(in[0].message, VisitEveryTab<YoteiEditBuffer>(in)[0].message);
    c.message.pop_back();
    b.SaveTab(0, c);
    EXPECT_EQ(c.message, b.Slots()[0].message);
}

TEST(AnniversaryEdit, EveryMonthAndDaySurvivesATab) {
    for (bool inUse : {true, false})
        for (int month = 0; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day) {
                Anniversaries in{};
                in[1].KiTuki = static_cast<uint16_t>(month | (inUse ? 0x100 : 0));
                in[1].KiHi = static_cast<int8_t>(day);
                const Anniversaries out = VisitEveryTab<KinenbiEditBuffer>(in);
                ASSERT_EQ(in[1].KiTuki, out[1].KiTuki) << month << "/" << day;
                ASSERT_EQ(in[1].KiHi, out[1].KiHi) << month << "/" << day;
            }
}

TEST(AnniversaryEdit, StoredValuesNoListOffers) {
    Anniversaries in{};
    in[0] = {L"", L"Snd_Jikan1", static_cast<uint16_t>(0x100 | 13), 0};  // month 13, day 0
    in[1] = {L"", L"", 0x0205, 40};  // a stray high bit is no use flag; day 40
    in[2] = {L"", L"", 0x0003, -5};
    KinenbiEditBuffer b = KinenbiEditBuffer::From(in);
    EXPECT_FALSE(b.editInUse[1]);
    EXPECT_EQ(-5, b.editDays[2]);  // sign-extended
    for (int t = 0; t < KinenbiEditBuffer::kSlots; ++t) {
        const SlotControls c = b.LoadTab(t);
        EXPECT_EQ(-1, c.hi) << t;
        EXPECT_EQ(0, c.sound) << t;
        b.SaveTab(t, c);
    }
    const Anniversaries out = b.Slots();
    EXPECT_EQ(0x100 | 13, out[0].KiTuki);  // the month keeps its bits
    EXPECT_EQ(0, out[0].KiHi);             // a day no item shows is stored as 0
    EXPECT_EQ(L"Snd_Jikan1", out[0].sound);
    EXPECT_EQ(0x0005, out[1].KiTuki);  // month 5, not in use
    EXPECT_EQ(0, out[1].KiHi);
    EXPECT_EQ(0x0003, out[2].KiTuki);
    EXPECT_EQ(0, out[2].KiHi);
}

TEST(AnniversaryEdit, UnusedSlotKeepsMonthDayAndMessage) {
    Anniversaries in{};
    in[2] = {L"誕生日\r\nおめでとう", L"Snd_Kinenbi2", 0x100 | 7, 24};
    KinenbiEditBuffer b = KinenbiEditBuffer::From(in);
    SlotControls c = b.LoadTab(2);
    EXPECT_EQ(2, c.sound);
    c.useFlag = false;
    b.SaveTab(2, c);
    const AnniversaryEntry out = b.Slots()[2];
    EXPECT_EQ(7, out.KiTuki);
    EXPECT_EQ(24, out.KiHi);
    EXPECT_EQ(L"誕生日\r\nおめでとう", out.message);
    EXPECT_EQ(L"Snd_Kinenbi2", out.sound);
}

}  // namespace
}  // namespace velmira
