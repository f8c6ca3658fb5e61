// The settings read and write rules against an in-memory registry.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "clock/thread_priority.h"
#include "memory_store.h"
#include "settings/settings_rules.h"
#include "settings/settings_store.h"
#include "settings/stored_values.h"

namespace velmira {
namespace {

using test::MemoryStore;
using test::StoredValue;

const std::wstring kKey = kSettingsKeyPath;
const std::wstring kParent = kSettingsParentKeyPath;

constexpr uint32_t kDword = static_cast<uint32_t>(RegValueType::Dword);
constexpr uint32_t kSz = static_cast<uint32_t>(RegValueType::Sz);

void ExpectSameSettings(const StageSettings& expected, const StageSettings& actual) {
    EXPECT_EQ(expected.AnaDigi, actual.AnaDigi);
    EXPECT_EQ(expected.StayOnTop, actual.StayOnTop);
    EXPECT_EQ(expected.FormLeft, actual.FormLeft);
    EXPECT_EQ(expected.FormTop, actual.FormTop);
    EXPECT_EQ(expected.samiLim, actual.samiLim);
    EXPECT_EQ(expected.ThreadPrio, actual.ThreadPrio);
    EXPECT_EQ(expected.DigiAMPM, actual.DigiAMPM);
    EXPECT_EQ(expected.ClickThrough, actual.ClickThrough);
    EXPECT_EQ(expected.Opacity, actual.Opacity);
    EXPECT_EQ(expected.SizePct, actual.SizePct);
    EXPECT_EQ(expected.ShowInTaskbar, actual.ShowInTaskbar);
    EXPECT_EQ(expected.Mute, actual.Mute);
    EXPECT_EQ(expected.reminders.lastYotei, actual.reminders.lastYotei);
    for (int i = 0; i < kScheduleSlots; ++i) {
        SCOPED_TRACE("slot " + std::to_string(i));
        EXPECT_EQ(expected.reminders.anniversaries[i].message,
                  actual.reminders.anniversaries[i].message);
        EXPECT_EQ(expected.reminders.anniversaries[i].sound,
                  actual.reminders.anniversaries[i].sound);
        EXPECT_EQ(expected.reminders.anniversaries[i].KiTuki,
                  actual.reminders.anniversaries[i].KiTuki);
        EXPECT_EQ(expected.reminders.anniversaries[i].KiHi, actual.reminders.anniversaries[i].KiHi);
        EXPECT_EQ(expected.reminders.schedules[i].message, actual.reminders.schedules[i].message);
        EXPECT_EQ(expected.reminders.schedules[i].sound, actual.reminders.schedules[i].sound);
        EXPECT_EQ(expected.reminders.schedules[i].Yotei, actual.reminders.schedules[i].Yotei);
    }
}

// Settings in which every field differs from its default.
StageSettings NonDefaultSettings() {
    StageSettings s;
    s.AnaDigi = false;
    s.StayOnTop = true;
    s.FormLeft = -5000;
    s.FormTop = 1234;
    s.samiLim = 600;
    s.ThreadPrio = 5;
    s.DigiAMPM = true;
    s.ClickThrough = true;
    s.Opacity = 60;
    s.SizePct = 150;
    s.ShowInTaskbar = false;
    s.Mute = true;
    s.reminders.lastYotei = (12 << 24) | (24 << 16) | (18 << 8) | 30;
    for (int i = 0; i < kScheduleSlots; ++i) {
        const std::wstring n(1, static_cast<wchar_t>(L'0' + i));
        s.reminders.anniversaries[i].message = L"誕生日" + n;
        s.reminders.anniversaries[i].sound = L"Voice" + n;
        s.reminders.anniversaries[i].KiTuki = static_cast<uint16_t>(0x100 | (i + 3));
        s.reminders.anniversaries[i].KiHi = static_cast<int8_t>(10 + i);
        s.reminders.schedules[i].message = L"会議 " + n;
        s.reminders.schedules[i].sound = L"Bell" + n;
        s.reminders.schedules[i].Yotei = static_cast<int32_t>(
            0x80000000u | (static_cast<uint32_t>(i + 1) << 24) | (15u << 16) | (9u << 8) | 45u);
    }
    return s;
}

// Stores every value an older version stores, the way its save does.
void SeedOlder(MemoryStore& m, const StageSettings& s) {
    m.PutDword(kKey, L"AnaDigi", s.AnaDigi ? 1 : 0);
    m.PutDword(kKey, L"StayOnTop", s.StayOnTop ? 1 : 0);
    m.PutDword(kKey, L"FormLeft", static_cast<uint32_t>(s.FormLeft));
    m.PutDword(kKey, L"FormTop", static_cast<uint32_t>(s.FormTop));
    for (int i = 0; i < kScheduleSlots; ++i) {
        m.PutText(kKey, SlotValueName(L"kiMes", i), s.reminders.anniversaries[i].message);
        m.PutText(kKey, SlotValueName(L"yoMes", i), s.reminders.schedules[i].message);
        m.PutText(kKey, SlotValueName(L"kiSnd", i), s.reminders.anniversaries[i].sound);
        m.PutText(kKey, SlotValueName(L"yoSnd", i), s.reminders.schedules[i].sound);
        m.PutDword(kKey, SlotValueName(L"KiTuki", i), s.reminders.anniversaries[i].KiTuki);
        m.PutDword(kKey, SlotValueName(L"KiHi", i),
                   static_cast<uint32_t>(s.reminders.anniversaries[i].KiHi));
        m.PutDword(kKey, SlotValueName(L"Yotei", i),
                   static_cast<uint32_t>(s.reminders.schedules[i].Yotei));
    }
    m.PutDword(kKey, L"lastYotei", static_cast<uint32_t>(s.reminders.lastYotei));
    m.PutDword(kKey, L"samiLim", static_cast<uint32_t>(s.samiLim));
    m.PutDword(kKey, L"ThreadPrio", static_cast<uint32_t>(s.ThreadPrio));
    m.PutDword(kKey, L"DigiAMPM", s.DigiAMPM ? 1 : 0);
}

// Stores every value of `s` the way a save does, position included.
void SeedAll(MemoryStore& m, const StageSettings& s) {
    SeedOlder(m, s);
    m.PutDword(kKey, L"ClickThrough", s.ClickThrough ? 1 : 0);
    m.PutDword(kKey, L"Opacity", static_cast<uint32_t>(s.Opacity));
    m.PutDword(kKey, L"SizePct", static_cast<uint32_t>(s.SizePct));
    m.PutDword(kKey, L"ShowInTaskbar", s.ShowInTaskbar ? 1 : 0);
    m.PutDword(kKey, L"Mute", s.Mute ? 1 : 0);
}

// The order a save writes in, spelled out by hand.
const std::vector<std::wstring> kSaveOrder = {
    L"lastYotei",
    L"AnaDigi",
    L"StayOnTop",
    L"FormLeft",
    L"FormTop",
    L"samiLim",
    L"kiMes0",
    L"yoMes0",
    L"kiSnd0",
    L"yoSnd0",
    L"KiTuki0",
    L"KiHi0",
    L"Yotei0",
    L"kiMes1",
    L"yoMes1",
    L"kiSnd1",
    L"yoSnd1",
    L"KiTuki1",
    L"KiHi1",
    L"Yotei1",
    L"kiMes2",
    L"yoMes2",
    L"kiSnd2",
    L"yoSnd2",
    L"KiTuki2",
    L"KiHi2",
    L"Yotei2",
    L"ThreadPrio",
    L"DigiAMPM",
    // After the values an older version stores.
    L"ClickThrough",
    L"Opacity",
    L"SizePct",
    L"ShowInTaskbar",
    L"Mute",
};

// ---------------------------------------------------------------- store rules

TEST(SettingsStoreRead, IntegerNeedsAFourByteDword) {
    MemoryStore m;
    m.Put(kKey, L"ok", kDword, {0x78, 0x56, 0x34, 0x12});
    m.Put(kKey, L"negative", kDword, {0xFF, 0xFF, 0xFF, 0xFF});
    m.Put(kKey, L"binary", static_cast<uint32_t>(RegValueType::Binary), {1, 0, 0, 0});
    m.Put(kKey, L"bigEndian", static_cast<uint32_t>(RegValueType::DwordBigEndian), {0, 0, 0, 1});
    m.Put(kKey, L"short", kDword, {1, 0});
    m.Put(kKey, L"long", kDword, {1, 0, 0, 0, 0, 0, 0, 0});
    m.PutText(kKey, L"text", L"12");
    ASSERT_TRUE(m.OpenOrCreate(kKey));

    int32_t v = 0;
    EXPECT_TRUE(m.ReadInteger(L"ok", v));
    EXPECT_EQ(0x12345678, v);
    EXPECT_TRUE(m.ReadInteger(L"negative", v));
    EXPECT_EQ(-1, v);
    for (const wchar_t* bad : {L"binary", L"bigEndian", L"short", L"long", L"text", L"missing"}) {
        v = 77;
        EXPECT_FALSE(m.ReadInteger(bad, v)) << "value " << std::wstring(bad).size();
        EXPECT_EQ(77, v) << "a failed read must leave the field alone";
    }
}

TEST(SettingsStoreRead, TextRules) {
    MemoryStore m;
    m.PutText(kKey, L"plain", L"こんにちは");
    m.PutText(kKey, L"expand", L"%WINDIR%\\a.wav", RegValueType::ExpandSz);
    m.Put(kKey, L"embeddedZero", kSz, {'a', 0, 'b', 0, 0, 0, 'c', 0, 0, 0});
    m.Put(kKey, L"noTerminator", kSz, {'x', 0, 'y', 0});
    m.Put(kKey, L"oddLength", kSz, {'x', 0, 'y'});
    m.Put(kKey, L"emptyDword", kDword, {});
    m.PutDword(kKey, L"dword", 5);
    m.Put(kKey, L"multi", static_cast<uint32_t>(RegValueType::MultiSz), {'a', 0, 0, 0, 0, 0});
    m.Put(kKey, L"binary", static_cast<uint32_t>(RegValueType::Binary), {'a', 0, 0, 0});
    ASSERT_TRUE(m.OpenOrCreate(kKey));

    std::wstring t;
    EXPECT_TRUE(m.ReadText(L"plain", t));
    EXPECT_EQ(L"こんにちは", t);
    EXPECT_TRUE(m.ReadText(L"expand", t));
    EXPECT_EQ(L"%WINDIR%\\a.wav", t) << "expandable texts are taken as they are";
    EXPECT_TRUE(m.ReadText(L"embeddedZero", t));
    EXPECT_EQ(L"ab", t);
    EXPECT_TRUE(m.ReadText(L"noTerminator", t));
    EXPECT_EQ(L"xy", t);
    EXPECT_TRUE(m.ReadText(L"oddLength", t));
    EXPECT_EQ(L"x", t);

    t = L"before";
    EXPECT_TRUE(m.ReadText(L"missing", t));
    EXPECT_EQ(L"", t) << "a missing text replaces the field with empty";
    t = L"before";
    EXPECT_TRUE(m.ReadText(L"emptyDword", t));
    EXPECT_EQ(L"", t) << "a value of length 0 is an empty text whatever its type";

    for (const wchar_t* bad : {L"dword", L"multi", L"binary"}) {
        t = L"kept";
        EXPECT_FALSE(m.ReadText(bad, t));
        EXPECT_EQ(L"kept", t);
    }
}

TEST(SettingsStoreWrite, ByteImages) {
    MemoryStore m;
    ASSERT_TRUE(m.OpenOrCreate(kKey));
    ASSERT_TRUE(m.WriteInteger(L"n", -2));
    ASSERT_TRUE(m.WriteText(L"t", L"a時"));
    ASSERT_TRUE(m.WriteText(L"e", L""));
    EXPECT_EQ(kDword, m.Get(kKey, L"n").type);
    EXPECT_EQ((std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}), m.Get(kKey, L"n").data);
    EXPECT_EQ(kSz, m.Get(kKey, L"t").type);
    EXPECT_EQ((std::vector<uint8_t>{'a', 0, 0x42, 0x66, 0, 0}), m.Get(kKey, L"t").data);  // U+6642
    EXPECT_EQ((std::vector<uint8_t>{0, 0}), m.Get(kKey, L"e").data);
}

// ---------------------------------------------------------------- load

TEST(LoadSettings, FirstRunCreatesTheKeyAndKeepsEveryDefault) {
    MemoryStore m;
    StageSettings s;
    EXPECT_TRUE(LoadSettings(m, kKey, s));
    ExpectSameSettings(StageSettings{}, s);
    EXPECT_TRUE(m.HasKey(kKey));
    EXPECT_EQ(0u, m.ValueCount(kKey));
    EXPECT_EQ((std::vector<std::wstring>{L"AnaDigi", L"ClickThrough", L"Opacity", L"SizePct",
                                         L"ShowInTaskbar", L"Mute"}),
              m.queryLog)
        << "the first failing read ends the older values' load; each later one is read alone";
    EXPECT_FALSE(m.IsOpen());
    EXPECT_EQ(1, m.closeCount);
}

// The stored settings with one of the later values at its default.
StageSettings WithDefault(StageSettings s, const std::wstring& name) {
    const StageSettings d;
    if (name == L"ClickThrough") s.ClickThrough = d.ClickThrough;
    if (name == L"Opacity") s.Opacity = d.Opacity;
    if (name == L"SizePct") s.SizePct = d.SizePct;
    if (name == L"ShowInTaskbar") s.ShowInTaskbar = d.ShowInTaskbar;
    if (name == L"Mute") s.Mute = d.Mute;
    return s;
}

// A key of an older version has every value it stores loaded and the later
// ones at their defaults; a later value the menu does not offer, or stored
// wrongly, takes its default alone and never ends the others.
TEST(LoadSettings, LaterValuesAreEachReadAloneAndOnlyWhatTheMenuOffers) {
    const StageSettings stored = NonDefaultSettings();
    {
        MemoryStore m;
        SeedOlder(m, stored);
        StageSettings s;
        LoadSettings(m, kKey, s);
        StageSettings expected = stored;
        for (const wchar_t* name :
             {L"ClickThrough", L"Opacity", L"SizePct", L"ShowInTaskbar", L"Mute"})
            expected = WithDefault(expected, name);
        ExpectSameSettings(expected, s);
    }
    const struct {
        const wchar_t* name;
        uint32_t type;
        std::vector<uint8_t> data;
    } bad[] = {
        {L"SizePct", kDword, EncodeDword(0)},        {L"SizePct", kDword, EncodeDword(7)},
        {L"SizePct", kDword, EncodeDword(110)},      {L"SizePct", kDword, EncodeDword(100000)},
        {L"Opacity", kDword, EncodeDword(0)},        {L"Opacity", kDword, EncodeDword(50)},
        {L"Opacity", kDword, EncodeDword(255)},      {L"Opacity", kSz, EncodeText(L"60")},
        {L"ClickThrough", kDword, EncodeDword(2)},   {L"ShowInTaskbar", kDword, {0, 0}},
        {L"Mute", kDword, EncodeDword(0xFFFFFFFFu)},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.name);
        MemoryStore m;
        SeedAll(m, stored);
        m.Put(kKey, b.name, b.type, b.data);
        StageSettings s;
        LoadSettings(m, kKey, s);
        ExpectSameSettings(WithDefault(stored, b.name), s);
    }
}

TEST(LoadSettings, KeyThatCannotBeOpenedLeavesTheFieldsAlone) {
    MemoryStore m;
    SeedAll(m, NonDefaultSettings());
    m.failOpen = true;
    StageSettings s;
    EXPECT_FALSE(LoadSettings(m, kKey, s));
    ExpectSameSettings(StageSettings{}, s);
    EXPECT_TRUE(m.queryLog.empty());
}

TEST(LoadSettings, FullKeyLoadsEverything) {
    MemoryStore m;
    const StageSettings stored = NonDefaultSettings();
    SeedAll(m, stored);
    StageSettings s;
    EXPECT_TRUE(LoadSettings(m, kKey, s));
    ExpectSameSettings(stored, s);
    EXPECT_FALSE(m.IsOpen());
}

TEST(LoadSettings, MissingFormLeftEndsTheLoadAfterStayOnTop) {
    MemoryStore m;
    SeedAll(m, NonDefaultSettings());
    m.Remove(kKey, L"FormLeft");
    StageSettings s;
    EXPECT_TRUE(LoadSettings(m, kKey, s));
    StageSettings expected;
    expected.AnaDigi = false;
    expected.StayOnTop = true;
    // Read on their own, the later values are there all the same.
    const StageSettings stored = NonDefaultSettings();
    expected.ClickThrough = stored.ClickThrough;
    expected.Opacity = stored.Opacity;
    expected.SizePct = stored.SizePct;
    expected.ShowInTaskbar = stored.ShowInTaskbar;
    expected.Mute = stored.Mute;
    ExpectSameSettings(expected, s);
}

TEST(LoadSettings, MissingYotei1EndsOnlySlot1) {
    MemoryStore m;
    const StageSettings stored = NonDefaultSettings();
    SeedAll(m, stored);
    m.Remove(kKey, L"Yotei1");
    StageSettings s;
    EXPECT_TRUE(LoadSettings(m, kKey, s));
    StageSettings expected = stored;
    expected.reminders.schedules[1].Yotei = 0;
    ExpectSameSettings(expected, s);
}

TEST(LoadSettings, MistypedFirstTextOfASlotSkipsTheWholeSlot) {
    MemoryStore m;
    const StageSettings stored = NonDefaultSettings();
    SeedAll(m, stored);
    m.PutDword(kKey, L"kiMes0", 7);
    StageSettings s;
    EXPECT_TRUE(LoadSettings(m, kKey, s));
    StageSettings expected = stored;
    expected.reminders.anniversaries[0] = AnniversaryEntry{};
    expected.reminders.schedules[0] = ScheduleEntry{};
    ExpectSameSettings(expected, s);
    // Nothing else of slot 0 is even looked at.
    for (const wchar_t* name : {L"yoMes0", L"kiSnd0", L"yoSnd0", L"KiTuki0", L"KiHi0", L"Yotei0"}) {
        EXPECT_EQ(0, std::count(m.queryLog.begin(), m.queryLog.end(), std::wstring(name)));
    }
}

TEST(LoadSettings, MistypedIntegerInsideASlotKeepsWhatWasReadBeforeIt) {
    MemoryStore m;
    const StageSettings stored = NonDefaultSettings();
    SeedAll(m, stored);
    m.PutText(kKey, L"KiHi2", L"12");
    StageSettings s;
    EXPECT_TRUE(LoadSettings(m, kKey, s));
    StageSettings expected = stored;
    expected.reminders.anniversaries[2].KiHi = 1;
    expected.reminders.schedules[2].Yotei = 0;
    ExpectSameSettings(expected, s);
}

TEST(LoadSettings, EverythingButDigiAMPM) {
    MemoryStore m;
    const StageSettings stored = NonDefaultSettings();
    SeedAll(m, stored);
    m.Remove(kKey, L"DigiAMPM");
    StageSettings s;
    EXPECT_TRUE(LoadSettings(m, kKey, s));
    StageSettings expected = stored;
    expected.DigiAMPM = false;
    ExpectSameSettings(expected, s);
}

TEST(LoadSettings, MissingTextsReadAsEmptyAndTheSlotGoesOn) {
    MemoryStore m;
    const StageSettings stored = NonDefaultSettings();
    SeedAll(m, stored);
    m.Remove(kKey, L"yoMes1");
    m.Remove(kKey, L"kiSnd1");
    StageSettings s;
    s.reminders.schedules[1].message = L"old";
    s.reminders.anniversaries[1].sound = L"old";
    EXPECT_TRUE(LoadSettings(m, kKey, s));
    StageSettings expected = stored;
    expected.reminders.schedules[1].message.clear();
    expected.reminders.anniversaries[1].sound.clear();
    ExpectSameSettings(expected, s);
}

TEST(LoadSettings, ExpandableAndZeroCutTexts) {
    MemoryStore m;
    SeedAll(m, NonDefaultSettings());
    m.PutText(kKey, L"kiSnd0", L"%USERPROFILE%\\v.wav", RegValueType::ExpandSz);
    m.Put(kKey, L"yoMes2", kSz, {0xA2, 0x30, 0, 0, 'z', 0, 0, 0});  // "ア", zero, "z"
    StageSettings s;
    EXPECT_TRUE(LoadSettings(m, kKey, s));
    EXPECT_EQ(L"%USERPROFILE%\\v.wav", s.reminders.anniversaries[0].sound);
    EXPECT_EQ(L"ア", s.reminders.schedules[2].message);
    EXPECT_EQ(NonDefaultSettings().reminders.schedules[2].Yotei, s.reminders.schedules[2].Yotei);
}

TEST(LoadSettings, NarrowFieldsKeepOnlyTheirLowBits) {
    MemoryStore m;
    SeedAll(m, NonDefaultSettings());
    m.PutDword(kKey, L"KiHi0", 300);
    m.PutDword(kKey, L"KiHi1", 200);
    m.PutDword(kKey, L"KiHi2", 0xFFFFFF80u);
    m.PutDword(kKey, L"KiTuki0", 0x12340105u);
    m.PutDword(kKey, L"KiTuki1", 0xFFFFFFFFu);
    m.PutDword(kKey, L"KiTuki2", 0x00010000u);
    StageSettings s;
    EXPECT_TRUE(LoadSettings(m, kKey, s));
    EXPECT_EQ(44, s.reminders.anniversaries[0].KiHi);
    EXPECT_EQ(-56, s.reminders.anniversaries[1].KiHi);
    EXPECT_EQ(-128, s.reminders.anniversaries[2].KiHi);
    EXPECT_EQ(0x0105, s.reminders.anniversaries[0].KiTuki);
    EXPECT_EQ(0xFFFF, s.reminders.anniversaries[1].KiTuki);
    EXPECT_EQ(0, s.reminders.anniversaries[2].KiTuki);
    EXPECT_EQ(NonDefaultSettings().reminders.schedules[2].Yotei, s.reminders.schedules[2].Yotei)
        << "the slot goes on";
}

TEST(LoadSettings, NothingIsClampedAndAnyNonZeroIsTrue) {
    MemoryStore m;
    SeedAll(m, NonDefaultSettings());
    m.PutDword(kKey, L"AnaDigi", 0);
    m.PutDword(kKey, L"StayOnTop", 0x80000000u);
    m.PutDword(kKey, L"FormLeft", static_cast<uint32_t>(-5000));
    m.PutDword(kKey, L"samiLim", static_cast<uint32_t>(-1));
    m.PutDword(kKey, L"ThreadPrio", 99);
    m.PutDword(kKey, L"DigiAMPM", 2);
    StageSettings s;
    EXPECT_TRUE(LoadSettings(m, kKey, s));
    EXPECT_FALSE(s.AnaDigi);
    EXPECT_TRUE(s.StayOnTop);
    EXPECT_EQ(-5000, s.FormLeft);
    EXPECT_EQ(-1, s.samiLim);
    EXPECT_EQ(99, s.ThreadPrio);
    EXPECT_TRUE(s.DigiAMPM);
}

// ---------------------------------------------------------------- save

TEST(SaveSettings, WritesEveryValueInItsOrderWithItsEncoding) {
    MemoryStore m;
    StageSettings s = NonDefaultSettings();
    s.reminders.anniversaries[0].KiHi = -3;
    s.reminders.anniversaries[1].KiTuki = 0xFFFF;
    EXPECT_TRUE(SaveSettings(m, kKey, s, 321, -45));
    EXPECT_EQ(kSaveOrder, m.writeLog);
    EXPECT_FALSE(m.IsOpen());

    EXPECT_EQ(EncodeDword(321), m.Get(kKey, L"FormLeft").data)
        << "the window's position, not the field";
    EXPECT_EQ(EncodeDword(static_cast<uint32_t>(-45)), m.Get(kKey, L"FormTop").data);
    EXPECT_EQ(EncodeDword(0), m.Get(kKey, L"AnaDigi").data);
    EXPECT_EQ(EncodeDword(1), m.Get(kKey, L"StayOnTop").data);
    EXPECT_EQ(EncodeDword(1), m.Get(kKey, L"DigiAMPM").data);
    EXPECT_EQ(EncodeDword(0xFFFFFFFDu), m.Get(kKey, L"KiHi0").data) << "the day is sign-extended";
    EXPECT_EQ(EncodeDword(0x0000FFFFu), m.Get(kKey, L"KiTuki1").data)
        << "the month word is zero-extended";
    EXPECT_EQ(EncodeDword(static_cast<uint32_t>(s.reminders.schedules[2].Yotei)),
              m.Get(kKey, L"Yotei2").data);
    EXPECT_EQ(kSz, m.Get(kKey, L"yoMes1").type);
    EXPECT_EQ(EncodeText(L"会議 1"), m.Get(kKey, L"yoMes1").data);
    for (const auto& name : kSaveOrder) {
        const uint32_t type = m.Get(kKey, name).type;
        const bool isText = name.rfind(L"kiMes", 0) == 0 || name.rfind(L"yoMes", 0) == 0 ||
                            name.rfind(L"kiSnd", 0) == 0 || name.rfind(L"yoSnd", 0) == 0;
        EXPECT_EQ(isText ? kSz : kDword, type);
    }
}

TEST(SaveSettings, AFailingWriteEndsTheSave) {
    for (size_t k = 1; k <= kSaveOrder.size() + 1; ++k) {
        SCOPED_TRACE("failing write " + std::to_string(k));
        MemoryStore m;
        m.failWriteAt = static_cast<int>(k);
        EXPECT_TRUE(SaveSettings(m, kKey, NonDefaultSettings(), 1, 2));
        const size_t written = std::min(k - 1, kSaveOrder.size());
        EXPECT_EQ(std::vector<std::wstring>(kSaveOrder.begin(), kSaveOrder.begin() + written),
                  m.writeLog);
        EXPECT_EQ(written, m.ValueCount(kKey));
        EXPECT_EQ(static_cast<int>(std::min(k, kSaveOrder.size())), m.writeAttempts)
            << "nothing is tried after the failure";
        EXPECT_FALSE(m.IsOpen());
    }
}

TEST(SaveSettings, KeyThatCannotBeOpenedIsLeftAsItWas) {
    MemoryStore m;
    m.PutDword(kKey, L"samiLim", 5);
    m.failOpen = true;
    EXPECT_FALSE(SaveSettings(m, kKey, NonDefaultSettings(), 1, 2));
    EXPECT_EQ(0, m.writeAttempts);
    EXPECT_EQ(EncodeDword(5), m.Get(kKey, L"samiLim").data);
}

TEST(SaveSettings, OtherValuesInTheKeyStay) {
    MemoryStore m;
    m.PutText(kKey, L"SomethingElse", L"keep");
    EXPECT_TRUE(SaveSettings(m, kKey, StageSettings{}, 40, 64));
    EXPECT_EQ(EncodeText(L"keep"), m.Get(kKey, L"SomethingElse").data);
    EXPECT_EQ(kSaveOrder.size() + 1, m.ValueCount(kKey));
}

TEST(SaveSettings, RoundTrip) {
    for (const StageSettings& saved : {StageSettings{}, NonDefaultSettings()}) {
        MemoryStore m;
        ASSERT_TRUE(SaveSettings(m, kKey, saved, -7, 900));
        StageSettings loaded;
        loaded.AnaDigi = !saved.AnaDigi;  // make sure the load really overwrites
        loaded.DigiAMPM = !saved.DigiAMPM;
        ASSERT_TRUE(LoadSettings(m, kKey, loaded));
        StageSettings expected = saved;
        expected.FormLeft = -7;
        expected.FormTop = 900;
        ExpectSameSettings(expected, loaded);
    }
}

// ---------------------------------------------------------------- reset

const std::wstring kSibling = kParent + L"\\OtherProduct";

TEST(ResetSettingsKey, DeletesTheProductKeyAndAnEmptyParent) {
    MemoryStore m;
    SeedAll(m, NonDefaultSettings());
    m.CreateKey(kKey + L"\\Nested\\Deeper");
    m.PutDword(kParent, L"ValueOfParent", 1);  // values do not keep the parent
    EXPECT_TRUE(ResetSettingsKey(m, kKey, kParent));
    EXPECT_FALSE(m.HasKey(kKey));
    EXPECT_FALSE(m.HasKey(kKey + L"\\Nested\\Deeper"));
    EXPECT_FALSE(m.HasKey(kParent));
    EXPECT_TRUE(m.HasKey(L"SOFTWARE"));
}

TEST(ResetSettingsKey, ParentWithAnotherSubkeyStays) {
    MemoryStore m;
    SeedAll(m, NonDefaultSettings());
    m.CreateKey(kSibling);
    EXPECT_TRUE(ResetSettingsKey(m, kKey, kParent));
    EXPECT_FALSE(m.HasKey(kKey));
    EXPECT_TRUE(m.HasKey(kParent));
    EXPECT_TRUE(m.HasKey(kSibling));
}

TEST(ResetSettingsKey, NoProductKeyDeletesNothing) {
    MemoryStore m;
    m.CreateKey(kParent);  // empty, yet not even looked at
    EXPECT_FALSE(ResetSettingsKey(m, kKey, kParent));
    EXPECT_TRUE(m.HasKey(kParent));
}

TEST(ResetSettingsKey, FailedDeletionReportsFalse) {
    MemoryStore m;
    SeedAll(m, NonDefaultSettings());
    m.failDelete = true;
    EXPECT_FALSE(ResetSettingsKey(m, kKey, kParent));
    EXPECT_TRUE(m.HasKey(kKey));
    EXPECT_TRUE(m.HasKey(kParent));
}

TEST(ResetSettingsKey, ParentThatCannotBeOpenedStays) {
    MemoryStore m;
    SeedAll(m, NonDefaultSettings());
    m.unopenablePath = kParent;
    EXPECT_TRUE(ResetSettingsKey(m, kKey, kParent));
    EXPECT_FALSE(m.HasKey(kKey));
    EXPECT_TRUE(m.HasKey(kParent));
}

// ---------------------------------------------------------------- priority

TEST(ThreadPriorityForIndex, TableAndOutOfRange) {
    const int expected[] = {-15, -2, -1, 0, 1, 2};
    for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(expected[i], ThreadPriorityForIndex(i)) << i;
    for (int32_t i : {-1, 6, 99, INT32_MIN, INT32_MAX})
        EXPECT_EQ(-15, ThreadPriorityForIndex(i)) << i;
}

// ---------------------------------------------------------------- random keys

// Any bytes under any type: the load reads only inside each value (the
// sanitizers watch the reads) and closes the key. What each value gives is
// stated by the cases above.
TEST(LoadSettingsRandom, AnyKeyLoadsSafelyAndClosesTheKey) {
    std::mt19937 rng(20240607);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> anyType(0, 14);
    std::uniform_int_distribution<size_t> length(0, 24);
    for (int round = 0; round < 2000; ++round) {
        MemoryStore m;
        m.CreateKey(kKey);
        for (const std::wstring& name : kSaveOrder) {
            std::vector<uint8_t> data(length(rng));
            for (auto& b : data) b = static_cast<uint8_t>(byte(rng));
            m.Put(kKey, name, static_cast<uint32_t>(anyType(rng)), data);
        }
        StageSettings loaded;
        ASSERT_TRUE(LoadSettings(m, kKey, loaded));
        ASSERT_FALSE(m.IsOpen());
    }
}

}  // namespace
}  // namespace velmira
