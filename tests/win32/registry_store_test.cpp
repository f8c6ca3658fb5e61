// The registry store against Wine's real registry, under a key of its own.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "settings/settings_rules.h"
#include "settings/win/registry_store.h"

namespace velmira {
namespace {

const std::wstring kTestRoot = L"SOFTWARE\\VelmiraRegistryTest";
const std::wstring kParentPath = kTestRoot + L"\\Maker";
const std::wstring kProductPath = kParentPath + L"\\Product1";

LONG DeleteTree(const std::wstring& path) {
    return ::RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
}

bool KeyIsThere(const std::wstring& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

void CreateKeyAt(const std::wstring& path) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                               KEY_ALL_ACCESS, nullptr, &key, nullptr));
    ::RegCloseKey(key);
}

// A value set straight through the Win32 API, whatever its type and bytes.
void RawSet(const std::wstring& path, const wchar_t* name, DWORD type, const void* data,
            DWORD size) {
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), name, type, data, size));
}

// What the registry itself holds for a value.
struct RawValue {
    LONG rc = 0;
    DWORD type = 0;
    std::vector<uint8_t> data;
};

RawValue RawGet(const std::wstring& path, const wchar_t* name) {
    RawValue v;
    DWORD size = 0;
    v.rc = ::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &v.type,
                          nullptr, &size);
    if (v.rc != ERROR_SUCCESS) return v;
    v.data.resize(size);
    v.rc = ::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &v.type,
                          v.data.data(), &size);
    v.data.resize(size);
    return v;
}

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteTree(kTestRoot); }
    void TearDown() override {
        store.Close();
        DeleteTree(kTestRoot);
    }
    RegistryStore store{HKEY_CURRENT_USER};
};

TEST_F(RegistryStoreTest, OpenOrCreateMakesTheWholePath) {
    ASSERT_FALSE(KeyIsThere(kProductPath));
    ASSERT_TRUE(store.OpenOrCreate(kProductPath));
    EXPECT_TRUE(KeyIsThere(kProductPath));
    store.Close();
    ASSERT_TRUE(store.OpenOrCreate(kProductPath)) << "an existing key opens too";
}

TEST_F(RegistryStoreTest, KeyThatCannotBeCreatedFailsQuietly) {
    RegistryStore broken(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234)));
    EXPECT_FALSE(broken.OpenOrCreate(kProductPath));
    StageSettings s;
    s.samiLim = 77;
    EXPECT_FALSE(LoadSettings(broken, kProductPath, s));
    EXPECT_EQ(77, s.samiLim);
    EXPECT_FALSE(SaveSettings(broken, kProductPath, s, 1, 2));
    int32_t v = 0;
    EXPECT_FALSE(broken.ReadInteger(L"x", v)) << "nothing is open";
    EXPECT_FALSE(broken.WriteInteger(L"x", 1));
}

TEST_F(RegistryStoreTest, IntegersAreFourByteDwords) {
    ASSERT_TRUE(store.OpenOrCreate(kProductPath));
    ASSERT_TRUE(store.WriteInteger(L"Negative", -5000));
    const RawValue raw = RawGet(kProductPath, L"Negative");
    ASSERT_EQ(ERROR_SUCCESS, raw.rc);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), raw.type);
    EXPECT_EQ((std::vector<uint8_t>{0x78, 0xEC, 0xFF, 0xFF}), raw.data);

    int32_t v = 0;
    EXPECT_TRUE(store.ReadInteger(L"Negative", v));
    EXPECT_EQ(-5000, v);

    const uint64_t wide = 7;
    RawSet(kProductPath, L"Qword", REG_QWORD, &wide, sizeof(wide));
    const uint32_t four = 9;
    RawSet(kProductPath, L"Binary", REG_BINARY, &four, sizeof(four));
    RawSet(kProductPath, L"Text", REG_SZ, L"12", 6);
    for (const wchar_t* bad : {L"Qword", L"Binary", L"Text", L"Missing"}) {
        v = 41;
        EXPECT_FALSE(store.ReadInteger(bad, v));
        EXPECT_EQ(41, v);
    }
}

TEST_F(RegistryStoreTest, TextsRoundTripWithJapanese) {
    const std::wstring text = L"誕生日おめでとう！ ♪ＭＳ Ｐゴシック";
    ASSERT_TRUE(store.OpenOrCreate(kProductPath));
    ASSERT_TRUE(store.WriteText(L"kiMes0", text));
    ASSERT_TRUE(store.WriteText(L"Empty", L""));

    const RawValue raw = RawGet(kProductPath, L"kiMes0");
    ASSERT_EQ(ERROR_SUCCESS, raw.rc);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), raw.type);
    EXPECT_EQ((text.size() + 1) * sizeof(wchar_t), raw.data.size())
        << "the text and one zero character";

    std::wstring read;
    EXPECT_TRUE(store.ReadText(L"kiMes0", read));
    EXPECT_EQ(text, read);
    read = L"x";
    EXPECT_TRUE(store.ReadText(L"Empty", read));
    EXPECT_EQ(L"", read);
    read = L"x";
    EXPECT_TRUE(store.ReadText(L"Missing", read));
    EXPECT_EQ(L"", read);
}

TEST_F(RegistryStoreTest, TextRulesOnStoredValues) {
    CreateKeyAt(kProductPath);
    RawSet(kProductPath, L"Expand", REG_EXPAND_SZ, L"%SystemRoot%\\a.wav", 19 * sizeof(wchar_t));
    const wchar_t zeroInside[] = L"ab\0cd";
    RawSet(kProductPath, L"ZeroInside", REG_SZ, zeroInside, sizeof(zeroInside));
    RawSet(kProductPath, L"NoTerminator", REG_SZ, L"xyz", 3 * sizeof(wchar_t));
    RawSet(kProductPath, L"Empty", REG_DWORD, nullptr, 0);
    const uint32_t number = 3;
    RawSet(kProductPath, L"Number", REG_DWORD, &number, sizeof(number));
    RawSet(kProductPath, L"Multi", REG_MULTI_SZ, L"a\0b\0", 5 * sizeof(wchar_t));
    // A text written by the ANSI function is the same value to the wide one.
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegSetKeyValueA(HKEY_CURRENT_USER, "SOFTWARE\\VelmiraRegistryTest\\Maker\\Product1",
                                "Ansi", REG_SZ, "Bell.wav", 9));

    ASSERT_TRUE(store.OpenOrCreate(kProductPath));
    std::wstring t;
    EXPECT_TRUE(store.ReadText(L"Expand", t));
    EXPECT_EQ(L"%SystemRoot%\\a.wav", t);
    EXPECT_TRUE(store.ReadText(L"ZeroInside", t));
    EXPECT_EQ(L"ab", t);
    EXPECT_TRUE(store.ReadText(L"NoTerminator", t));
    EXPECT_EQ(L"xyz", t);
    EXPECT_TRUE(store.ReadText(L"Ansi", t));
    EXPECT_EQ(L"Bell.wav", t);
    t = L"kept";
    EXPECT_TRUE(store.ReadText(L"Empty", t));
    EXPECT_EQ(L"", t);
    for (const wchar_t* bad : {L"Number", L"Multi"}) {
        t = L"kept";
        EXPECT_FALSE(store.ReadText(bad, t));
        EXPECT_EQ(L"kept", t);
    }
}

TEST_F(RegistryStoreTest, SettingsSurviveTheRealRegistry) {
    StageSettings saved;
    saved.AnaDigi = false;
    saved.StayOnTop = true;
    saved.samiLim = 0;
    saved.ThreadPrio = 4;
    saved.DigiAMPM = true;
    saved.reminders.lastYotei = 0x0C180F1E;
    saved.reminders.anniversaries[1] = AnniversaryEntry{L"結婚記念日", L"Voice2", 0x10C, -3};
    saved.reminders.schedules[2] =
        ScheduleEntry{L"会議", L"C:\\音\\bell.wav", static_cast<int32_t>(0x80000000u | 0x0930)};
    ASSERT_TRUE(SaveSettings(store, kProductPath, saved, -20, 300));

    DWORD valueCount = 0;
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegOpenKeyExW(HKEY_CURRENT_USER, kProductPath.c_str(), 0, KEY_READ, &key));
    ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount,
                       nullptr, nullptr, nullptr, nullptr);
    ::RegCloseKey(key);
    EXPECT_EQ(34u, valueCount);
    EXPECT_EQ((std::vector<uint8_t>{0xFD, 0xFF, 0xFF, 0xFF}), RawGet(kProductPath, L"KiHi1").data);

    StageSettings loaded;
    ASSERT_TRUE(LoadSettings(store, kProductPath, loaded));
    EXPECT_FALSE(loaded.AnaDigi);
    EXPECT_TRUE(loaded.StayOnTop);
    EXPECT_EQ(-20, loaded.FormLeft);
    EXPECT_EQ(300, loaded.FormTop);
    EXPECT_EQ(0, loaded.samiLim);
    EXPECT_EQ(4, loaded.ThreadPrio);
    EXPECT_TRUE(loaded.DigiAMPM);
    EXPECT_EQ(0x0C180F1E, loaded.reminders.lastYotei);
    EXPECT_EQ(L"結婚記念日", loaded.reminders.anniversaries[1].message);
    EXPECT_EQ(0x10C, loaded.reminders.anniversaries[1].KiTuki);
    EXPECT_EQ(-3, loaded.reminders.anniversaries[1].KiHi);
    EXPECT_EQ(L"C:\\音\\bell.wav", loaded.reminders.schedules[2].sound);
    EXPECT_EQ(saved.reminders.schedules[2].Yotei, loaded.reminders.schedules[2].Yotei);
}

TEST_F(RegistryStoreTest, KeyExistsAndSubkeys) {
    bool has = true;
    EXPECT_FALSE(store.KeyExists(kParentPath));
    EXPECT_FALSE(store.QueryHasSubkeys(kParentPath, has));
    CreateKeyAt(kParentPath);
    EXPECT_TRUE(store.KeyExists(kParentPath));
    ASSERT_TRUE(store.QueryHasSubkeys(kParentPath, has));
    EXPECT_FALSE(has);
    CreateKeyAt(kProductPath);
    ASSERT_TRUE(store.QueryHasSubkeys(kParentPath, has));
    EXPECT_TRUE(has);
}

TEST_F(RegistryStoreTest, DeleteKeyTreeTakesEverythingBelow) {
    CreateKeyAt(kProductPath + L"\\A\\B\\C");
    CreateKeyAt(kProductPath + L"\\D");
    const uint32_t one = 1;
    RawSet(kProductPath, L"AnaDigi", REG_DWORD, &one, sizeof(one));
    RawSet(kProductPath + L"\\A\\B", L"Deep", REG_DWORD, &one, sizeof(one));
    EXPECT_TRUE(store.DeleteKeyTree(kProductPath));
    EXPECT_FALSE(KeyIsThere(kProductPath));
    EXPECT_TRUE(KeyIsThere(kParentPath));
    EXPECT_FALSE(store.DeleteKeyTree(kProductPath)) << "a key that is not there is not deleted";
}

TEST_F(RegistryStoreTest, ResetKeepsAParentWithAnotherSubkey) {
    CreateKeyAt(kProductPath);
    CreateKeyAt(kParentPath + L"\\OtherProduct");
    EXPECT_TRUE(ResetSettingsKey(store, kProductPath, kParentPath));
    EXPECT_FALSE(KeyIsThere(kProductPath));
    EXPECT_TRUE(KeyIsThere(kParentPath + L"\\OtherProduct"));
}

TEST_F(RegistryStoreTest, ResetDeletesAParentLeftEmpty) {
    CreateKeyAt(kProductPath + L"\\Sub");
    const uint32_t one = 1;
    RawSet(kParentPath, L"ParentValue", REG_DWORD, &one, sizeof(one));
    EXPECT_TRUE(ResetSettingsKey(store, kProductPath, kParentPath));
    EXPECT_FALSE(KeyIsThere(kProductPath));
    EXPECT_FALSE(KeyIsThere(kParentPath));
    EXPECT_TRUE(KeyIsThere(kTestRoot));
}

TEST_F(RegistryStoreTest, ResetWithoutAProductKeyTouchesNothing) {
    CreateKeyAt(kParentPath);
    EXPECT_FALSE(ResetSettingsKey(store, kProductPath, kParentPath));
    EXPECT_TRUE(KeyIsThere(kParentPath));
}

}  // namespace
}  // namespace velmira
